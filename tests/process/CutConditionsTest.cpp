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

    // A file loaded over a table whose rows all hold "old"; the cells as "row.column=text" after.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("cells");
        QByteArray rows = kHeader;
        for (int r = 1; r <= 36; ++r)
            rows += row(r, QByteArray::number(r).constData());
        QTest::newRow("readsAtMost34Rows")
            << rows << QStringList {"34.3=34", "34.2=P34", "35.3=old", "0.3=old", "1.0=old"};
        QTest::newRow("shorterFileKeepsHigherRows")
            << kHeader + row(1, "9") << QStringList {"1.3=9", "2.3=old"};
        QTest::newRow("shortLineNeverBorrowsFromNextLine") << kHeader + "1,Drill,5,0\r\n"
                + row(2, "6") << QStringList {"1.4=0", "1.5=", "1.12=", "2.1=2", "2.3=6"};
        // The blank lines at the end are no rows.
        QTest::newRow("blankLineIsAnEmptyRowAndKeepsLaterRowsInPlace") << kHeader + row(1, "1")
                + "\r\n" + row(3, "3") + "\r\n\r\n" << QStringList {"2.3=", "3.3=3", "4.3=old"};
        QTest::newRow("unixLineEnds")
            << QByteArray("h1\nh2\n1,a,4,0,1\n2,b,5,0,1") << QStringList {"2.3=5"};
        QTest::newRow("oldMacLineEnds")
            << QByteArray("h1\rh2\r1,a,8,0,1\r") << QStringList {"1.3=8"};
        QTest::newRow("headerOnlyChangesNothing") << kHeader << QStringList {"1.3=old"};
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, cells);
        Module1 m;
        for (auto& tableRow : m.gCutCond)
            tableRow.fill(u"old"_qs);
        m.gCsvFileName = m_dir.filePath(u"T.CSV"_qs);
        QFile file(m.gCsvFileName);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        LoadCuttingConditions(m);
        for (const QString& cell : cells) {
            const int row = cell.section(u'.', 0, 0).toInt();
            const int column = cell.section(u'.', 1).section(u'=', 0, 0).toInt();
            QCOMPARE(cell.section(u'=', 0, 0) + u'=' + m.gCutCond[row][column], cell);
        }
    }

    void unreadableFileChangesNothing()
    {
        Module1 m;
        m.gCutCond[1][3] = u"5"_qs;
        for (const QString& file : {m_dir.filePath(u"missing.csv"_qs), QString(), m_dir.path()}) {
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
