#include "process/core/CutConditions.h"
#include "common/Module1.h"
#include "process/core/ProcessFields.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kHeader = "Test material\r\nNo.,Process,Tool,Dir,Coolant,V,F,D,L,U,W,C\r\n";

QByteArray row(int number, const char* tool)
{
    return QByteArray::number(number) + ",P" + QByteArray::number(number) + "," + tool
        + ",0,1,100,0.2,1,0,0.4,0.1,1\r\n";
}
} // namespace

class CutConditionsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    void load(Module1& m, const QByteArray& bytes)
    {
        m.gCsvFileName = write(u"T.CSV"_qs, bytes);
        LoadCuttingConditions(m);
    }

private slots:
    void fields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const char* line, const QStringList& first) {
            QStringList expected = first;
            while (expected.size() < 12)
                expected.append(QString());
            QTest::newRow(name) << QString::fromLatin1(line) << expected;
        };
        row("plainFields", "1,Drill,5,0,1,20,0.1,0,0,10,0,0",
            {"1", "Drill", "5", "0", "1", "20", "0.1", "0", "0", "10", "0", "0"});
        row("unquotedAreTrimmed", " 1 , Hss drill ,5\t,0", {"1", "Hss drill", "5", "0"});
        row("quotedHoldCommasAndBlanks", "1,\"Drill, HSS \",5,\"0\"",
            {"1", "Drill, HSS ", "5", "0"});
        row("textAfterClosingQuoteIgnored", "\"a\"b,c", {"a", "c"});
        row("doubledQuoteInsideQuotes", "\"say \"\"x\"\"\",2", {"say \"x\"", "2"});
        row("shortLineLeavesRestEmpty", "1,Drill,5", {"1", "Drill", "5"});
        row("emptyLastField", "1,2,", {"1", "2", ""});
        row("extraFieldsIgnored", "1,2,3,4,5,6,7,8,9,10,11,12,13,14",
            {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
        row("emptyLine", "", {});
    }
    void fields()
    {
        QFETCH(QString, line);
        QTEST(CutConditionFields(line), "expected");
    }

    void readsAtMost34Rows()
    {
        Module1 m;
        m.gCutCond[35][3] = u"keep"_qs;
        QByteArray bytes = kHeader;
        for (int r = 1; r <= 36; ++r)
            bytes += row(r, QByteArray::number(r).constData());
        load(m, bytes);
        QCOMPARE(m.gCutCond[34][3], u"34"_qs);
        QCOMPARE(m.gCutCond[34][2], u"P34"_qs);
        QCOMPARE(m.gCutCond[35][3], u"keep"_qs);
        QVERIFY(m.gCutCond[0][3].isEmpty());
        QVERIFY(m.gCutCond[1][0].isEmpty());
    }

    void shorterFileKeepsHigherRowsOfLongerOne()
    {
        Module1 m;
        load(m, kHeader + row(1, "1") + row(2, "2") + row(3, "3"));
        load(m, kHeader + row(1, "9"));
        QCOMPARE(m.gCutCond[1][3], u"9"_qs);
        QCOMPARE(m.gCutCond[3][3], u"3"_qs);
    }

    void shortLineNeverBorrowsFromNextLine()
    {
        Module1 m;
        load(m, kHeader + "1,Drill,5,0\r\n" + row(2, "6"));
        QCOMPARE(m.gCutCond[1][4], u"0"_qs);
        QVERIFY(m.gCutCond[1][5].isEmpty());
        QVERIFY(m.gCutCond[1][12].isEmpty());
        QCOMPARE(m.gCutCond[2][1], u"2"_qs);
        QCOMPARE(m.gCutCond[2][3], u"6"_qs);
    }

    void blankLineIsAnEmptyRowAndKeepsLaterRowsInPlace()
    {
        Module1 m;
        m.gCutCond[2][3] = u"old"_qs;
        load(m, kHeader + row(1, "1") + "\r\n" + row(3, "3") + "\r\n\r\n");
        QVERIFY(m.gCutCond[2][3].isEmpty());
        QCOMPARE(m.gCutCond[3][3], u"3"_qs);
        // The blank lines at the end are no rows.
        QVERIFY(m.gCutCond[4][3].isEmpty());
    }

    void unixAndOldMacLineEnds()
    {
        Module1 m;
        load(m, "h1\nh2\n1,a,4,0,1\n2,b,5,0,1");
        QCOMPARE(m.gCutCond[2][3], u"5"_qs);
        load(m, "h1\rh2\r1,a,8,0,1\r");
        QCOMPARE(m.gCutCond[1][3], u"8"_qs);
    }

    void unreadableOrHeaderOnlyFileChangesNothing()
    {
        Module1 m;
        m.gCutCond[1][3] = u"5"_qs;
        for (const QString& file : {m_dir.filePath(u"missing.csv"_qs), QString(), m_dir.path(),
                 write(u"T.CSV"_qs, kHeader)}) {
            m.gCsvFileName = file;
            LoadCuttingConditions(m);
        }
        QCOMPARE(m.gCutCond[1][3], u"5"_qs);
    }

    // The files we ship: every row fills its generator's dialog without an error, with a whole
    // tool number and a speed; the drills have a diameter.
    void shippedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("carbonSteel") << "S45C.CSV";
        QTest::newRow("stainless") << "SUS304.CSV";
        QTest::newRow("aluminium") << "A5052.CSV";
    }
    void shippedFiles()
    {
        QFETCH(QString, file);
        Module1 m;
        m.gCsvFileName = QCoreApplication::applicationDirPath()
            + QLatin1String("/ cutting  condition /") + file;
        QVERIFY2(QFile::exists(m.gCsvFileName), qPrintable(m.gCsvFileName));
        LoadCuttingConditions(m);
        for (int r = 1; r <= 34; ++r) {
            const ProcessFields preset = CutConditionPreset(m, r);
            bool ok = false;
            const int tool = preset.texts.value(u"ToolNumber"_qs).toInt(&ok);
            QVERIFY2(ok && tool >= 1 && tool <= 99, qPrintable(u"row %1"_qs.arg(r)));
            for (int c = 6; c <= 12; ++c) {
                m.gCutCond[r][c].toDouble(&ok);
                QVERIFY2(ok, qPrintable(u"row %1 column %2"_qs.arg(r).arg(c)));
            }
            QVERIFY(m.gCutCond[r][6].toDouble() > 0);
        }
        QVERIFY(m.gCutCond[1][10].toDouble() > 0);
        QVERIFY(m.gCutCond[2][10].toDouble() > 0);
        QCOMPARE(m.gCutCond[34][5], u"0"_qs); // no coolant on the probe
    }
};

QTEST_GUILESS_MAIN(CutConditionsTest)
#include "CutConditionsTest.moc"
