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
        m.gCsvFileName = write(QStringLiteral("T.CSV"), bytes);
        LoadCuttingConditions(m);
    }

private slots:
    void fields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        const auto twelve = [](QStringList first) {
            while (first.size() < 12)
                first.append(QString());
            return first;
        };
        QTest::newRow("plainFields")
            << "1,Drill,5,0,1,20,0.1,0,0,10,0,0"
            << QStringList {"1", "Drill", "5", "0", "1", "20", "0.1", "0", "0", "10", "0", "0"};
        QTest::newRow("unquotedAreTrimmed")
            << " 1 , Hss drill ,5\t,0" << twelve({"1", "Hss drill", "5", "0"});
        QTest::newRow("quotedHoldCommasAndBlanks")
            << "1,\"Drill, HSS \",5,\"0\"" << twelve({"1", "Drill, HSS ", "5", "0"});
        QTest::newRow("textAfterClosingQuoteIgnored") << "\"a\"b,c" << twelve({"a", "c"});
        QTest::newRow("doubledQuoteInsideQuotes")
            << "\"say \"\"x\"\"\",2" << twelve({"say \"x\"", "2"});
        QTest::newRow("shortLineLeavesRestEmpty") << "1,Drill,5" << twelve({"1", "Drill", "5"});
        QTest::newRow("emptyLastField") << "1,2," << twelve({"1", "2", ""});
        QTest::newRow("extraFieldsIgnored")
            << "1,2,3,4,5,6,7,8,9,10,11,12,13,14"
            << QStringList {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
        QTest::newRow("emptyLine") << "" << twelve({});
    }
    void fields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QCOMPARE(CutConditionFields(line), expected);
    }

    void headerOnlyFileLeavesTableAsItWas()
    {
        Module1 m;
        m.gCutCond[1][3] = QStringLiteral("7");
        load(m, kHeader);
        QCOMPARE(m.gCutCond[1][3], QStringLiteral("7"));
    }

    void readsAtMost34Rows()
    {
        Module1 m;
        m.gCutCond[35][3] = QStringLiteral("keep");
        QByteArray bytes = kHeader;
        for (int r = 1; r <= 36; ++r)
            bytes += row(r, QByteArray::number(r).constData());
        load(m, bytes);
        QCOMPARE(m.gCutCond[34][3], QStringLiteral("34"));
        QCOMPARE(m.gCutCond[34][2], QStringLiteral("P34"));
        QCOMPARE(m.gCutCond[35][3], QStringLiteral("keep"));
        QVERIFY(m.gCutCond[0][3].isEmpty());
        QVERIFY(m.gCutCond[1][0].isEmpty());
    }

    void shorterFileKeepsHigherRowsOfLongerOne()
    {
        Module1 m;
        load(m, kHeader + row(1, "1") + row(2, "2") + row(3, "3"));
        load(m, kHeader + row(1, "9"));
        QCOMPARE(m.gCutCond[1][3], QStringLiteral("9"));
        QCOMPARE(m.gCutCond[3][3], QStringLiteral("3"));
    }

    void shortLineNeverBorrowsFromNextLine()
    {
        Module1 m;
        load(m, kHeader + "1,Drill,5,0\r\n" + row(2, "6"));
        QCOMPARE(m.gCutCond[1][4], QStringLiteral("0"));
        QVERIFY(m.gCutCond[1][5].isEmpty());
        QVERIFY(m.gCutCond[1][12].isEmpty());
        QCOMPARE(m.gCutCond[2][1], QStringLiteral("2"));
        QCOMPARE(m.gCutCond[2][3], QStringLiteral("6"));
    }

    void blankLineIsAnEmptyRowAndKeepsLaterRowsInPlace()
    {
        Module1 m;
        m.gCutCond[2][3] = QStringLiteral("old");
        load(m, kHeader + row(1, "1") + "\r\n" + row(3, "3") + "\r\n\r\n");
        QVERIFY(m.gCutCond[2][3].isEmpty());
        QCOMPARE(m.gCutCond[3][3], QStringLiteral("3"));
        // The blank lines at the end are no rows.
        QVERIFY(m.gCutCond[4][3].isEmpty());
    }

    void unixAndOldMacLineEnds()
    {
        Module1 m;
        load(m, "h1\nh2\n1,a,4,0,1\n2,b,5,0,1");
        QCOMPARE(m.gCutCond[2][3], QStringLiteral("5"));
        load(m, "h1\rh2\r1,a,8,0,1\r");
        QCOMPARE(m.gCutCond[1][3], QStringLiteral("8"));
    }

    void unreadableFileChangesNothing()
    {
        Module1 m;
        m.gCutCond[1][3] = QStringLiteral("5");
        m.gCsvFileName = m_dir.filePath(QStringLiteral("missing.csv"));
        LoadCuttingConditions(m);
        m.gCsvFileName.clear();
        LoadCuttingConditions(m);
        m.gCsvFileName = m_dir.path();
        LoadCuttingConditions(m);
        QCOMPARE(m.gCutCond[1][3], QStringLiteral("5"));
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
            const int tool = preset.texts.value(QStringLiteral("ToolNumber")).toInt(&ok);
            QVERIFY2(ok && tool >= 1 && tool <= 99, qPrintable(QStringLiteral("row %1").arg(r)));
            for (int c = 6; c <= 12; ++c) {
                m.gCutCond[r][c].toDouble(&ok);
                QVERIFY2(ok, qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
            }
            QVERIFY(m.gCutCond[r][6].toDouble() > 0);
        }
        QVERIFY(m.gCutCond[1][10].toDouble() > 0);
        QVERIFY(m.gCutCond[2][10].toDouble() > 0);
        QCOMPARE(m.gCutCond[34][5], QStringLiteral("0")); // no coolant on the probe
    }
};

QTEST_GUILESS_MAIN(CutConditionsTest)
#include "CutConditionsTest.moc"
