#include "process/generators/DrillProcesses.h"
#include "GeneratorState.h"

#include <QTest>

class DrillProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void hssDrill_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        const QString base = QStringLiteral("T=5 V=20 F=0.1 U=10 D=0 L=0 StartZ=2 EndZ=-30 ");

        // 1000 x 20 / 3.14 / 10 = 636.9 -> S630; K = 50 - 2 - 3; without a peck depth
        // D = Int(2 + 30 + 4).
        QTest::newRow("plainTurret_noPeck")
            << base
            << QStringList {"(-----< DRILL D10 >-----)",
                   "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08", "NT05 G74 X0 Z-30 K45 D36 F0.1",
                   "N000 G00 X500 Z500", "\t"};
        QTest::newRow("toolData") << base + "toolData"
                                  << QStringList {"(-----< DRILL D10 >-----)",
                                         "NOEX VTLIN[5]=22 VTLFN[5]=1 VTLA1[5]=118",
                                         "NOEX VTLD[5]=10 VTLL[5]=52",
                                         "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08",
                                         "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500",
                                         "\t"};
        QTest::newRow("toolGroupsWithToolData")
            << base + "groups toolData"
            << QStringList {"(-----< DRILL D10 >-----)", "NOEX VGRIN[5]=22 VGRFN[5]=1 VGRA1[5]=118",
                   "NOEX VGRD[5]=10 VGRL[5]=52", "N000 G00 X0 Z50 TG=5 OG=1 M42 S630 M03 M63 M08",
                   "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X500 Z500", "\t"};
        QTest::newRow("duomill_returnsByG21")
            << base + "duomill macro=M421"
            << QStringList {"(-----< DRILL D10 >-----)", "N000 MT=501", "N000 M421",
                   "N000 G00 X0 Z50 TL=0505 M42 S630 M03 M63 M08", "NT05 G74 X0 Z-30 K45 D36 F0.1",
                   "N000 G00 X200", "N000 G21 HP=4 M05 M63 M09", "\t"};
        QTest::newRow("duomillGroupsToolData")
            << base + "duomill groups toolData macro=M321"
            << QStringList {"(-----< DRILL D10 >-----)", "NOEX VGRIN[5]=22 VGRFN[5]=1 VGRA1[5]=118",
                   "NOEX VGRD[5]=10 VGRL[5]=52", "N000 MT=1 TG=5", "N000 M321",
                   "N000 G00 X0 Z50 TG=5 OG=1 M42 S630 M03 M63 M08",
                   "NT05 G74 X0 Z-30 K45 D36 F0.1", "N000 G00 X200", "N000 G21 HP=4 M05 M63 M09",
                   "\t"};
        // 1000 x 25 / 3.14 / 8.5 = 936.7 -> S930.
        QTest::newRow("peckAndL_reverseDry")
            << "T=12 V=25 F=0.15 U=8.5 D=5 L=2 StartZ=0 EndZ=-40.5 ccw coolantOff"
            << QStringList {"(-----< DRILL D8.5 >-----)",
                   "N000 G00 X0 Z50 T1212 M42 S930 M04 M63 M09",
                   "NT12 G74 X0 Z-40.5 K47 D5 L2 F0.15", "N000 G00 X500 Z500", "\t"};
        // Int(1.5 + 20.7 + 4) = 26; K = 50 - 1.5 - 3; the length 1.5 + 20.7 + 20.
        QTest::newRow("fractionalDepths_toolData")
            << "T=3 V=20 F=0.08 U=10 StartZ=1.5 EndZ=-20.7 toolData"
            << QStringList {"(-----< DRILL D10 >-----)", "NOEX VTLIN[3]=22 VTLFN[3]=1 VTLA1[3]=118",
                   "NOEX VTLD[3]=10 VTLL[3]=42.2", "N000 G00 X0 Z50 T0303 M42 S630 M03 M63 M08",
                   "NT03 G74 X0 Z-20.7 K45.5 D26 F0.08", "N000 G00 X500 Z500", "\t"};
        // 1000 x 31.4 / 3.14 / 10 is exactly 1000; the approach Z comes as text from the store.
        QTest::newRow("speedExactly1000_approachAsText")
            << "T=5 V=31.4 F=0.1 U=10 StartZ=0 EndZ=-10 AppZ=100.5"
            << QStringList {"(-----< DRILL D10 >-----)",
                   "N000 G00 X0 Z100.5 T0505 M42 S1000 M03 M63 M08",
                   "NT05 G74 X0 Z-10 K97.5 D14 F0.1", "N000 G00 X500 Z500", "\t"};
        QTest::newRow("negativePeckMeansNone_negativeLOmitted")
            << base + "D=-1 L=-2"
            << QStringList {"(-----< DRILL D10 >-----)",
                   "N000 G00 X0 Z50 T0505 M42 S630 M03 M63 M08", "NT05 G74 X0 Z-30 K45 D36 F0.1",
                   "N000 G00 X500 Z500", "\t"};
    }
    void hssDrill()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        Module1 m = GeneratorState(state);
        const double diameter = m.gU;
        BuildDrillHss(m);
        QCOMPARE(m.gProcessText, BlockLines(expected));
        QCOMPARE(m.gInnerDia, diameter);
    }

    void insertDrill_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        // 1000 x 150 / 3.14 / 20 = 2388.5 -> S2380.
        const QString base = QStringLiteral("T=10 V=150 F=0.15 U=20 StartZ=0 EndZ=-45 ");
        const QStringList head = {"(-----< DRILL D20 >-----)",
            "N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08", "NT10     Z3"};
        const QStringList tail = {"N000 G00 Z50", "N000     X500 Z500", "\t"};
        QTest::newRow("entryAndBreakthrough") << base + "D=2 L=3"
                                              << head
                + QStringList {"N000 G01 Z-2 F0.075", "N000     Z-42 F0.15", "N000     Z-45 F0.075"}
                + tail;
        QTest::newRow("entryOnly")
            << base + "D=2 L=0"
            << head + QStringList {"N000 G01 Z-2 F0.075", "N000     Z-45 F0.15"} + tail;
        QTest::newRow("breakthroughOnly")
            << base + "D=0 L=3"
            << head + QStringList {"N000 G01 Z-42 F0.15", "N000     Z-45 F0.075"} + tail;
        QTest::newRow("neither_oneMoveAtFullFeed")
            << base + "D=0 L=0" << head + QStringList {"N000 G01 Z-45 F0.15"} + tail;
        QTest::newRow("negativeLengthsMeanNone")
            << base + "D=-1 L=-1" << head + QStringList {"N000 G01 Z-45 F0.15"} + tail;
        // Decimal floors: -16 - 0.1 is -16.1 and half of 0.29 is 0.145, never -16.101 or 0.144.
        QTest::newRow("decimalFloors")
            << "T=10 V=150 F=0.29 U=20 StartZ=-16 EndZ=-60 D=0.1 L=0.3"
            << QStringList {"(-----< DRILL D20 >-----)",
                   "N000 G00 X0 Z50 T1010 M42 S2380 M03 M63 M08", "NT10     Z-13",
                   "N000 G01 Z-16.1 F0.145", "N000     Z-59.7 F0.29", "N000     Z-60 F0.145"}
                + tail;
        QTest::newRow("duomillGroupsToolData")
            << base + "D=2 L=3 duomill groups toolData macro=M441"
            << QStringList {"(-----< DRILL D20 >-----)",
                   "NOEX VGRIN[10]=23 VGRFN[10]=1 VGRA1[10]=180", "NOEX VGRD[10]=20 VGRL[10]=65",
                   "N000 MT=1 TG=10", "N000 M441",
                   "N000 G00 X0 Z50 TG=10 OG=1 M42 S2380 M03 M63 M08", "NT10     Z3",
                   "N000 G01 Z-2 F0.075", "N000     Z-42 F0.15", "N000     Z-45 F0.075",
                   "N000 G00 Z50", "N000     X200", "N000 G21 HP=4 M05 M63 M09", "\t"};
        QTest::newRow("duomillNumbersToolData")
            << base + "D=0 L=0 duomill toolData macro=M421 AppX=150"
            << QStringList {"(-----< DRILL D20 >-----)",
                   "NOEX VTLIN[10]=23 VTLFN[10]=1 VTLA1[10]=180", "NOEX VTLD[10]=20 VTLL[10]=65",
                   "N000 MT=1001", "N000 M421", "N000 G00 X0 Z50 TL=1010 M42 S2380 M03 M63 M08",
                   "NT10     Z3", "N000 G01 Z-45 F0.15", "N000 G00 Z50", "N000     X150",
                   "N000 G21 HP=4 M05 M63 M09", "\t"};
    }
    void insertDrill()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        Module1 m = GeneratorState(state);
        BuildDrillU(m);
        QCOMPARE(m.gProcessText, BlockLines(expected));
        QCOMPARE(m.gInnerDia, 20.0);
    }

    void drillDiameterIsTheNewBoreRounded()
    {
        Module1 m = GeneratorState(QStringLiteral("T=5 V=20 F=0.1 U=10.2345 StartZ=0 EndZ=-20"));
        BuildDrillHss(m);
        QCOMPARE(m.gInnerDia, 10.234);
        QVERIFY(m.gProcessText.startsWith(QLatin1String("(-----< DRILL D10.234 >-----)\r\n")));
    }

    void zeroDiameterIsTheDivisionError()
    {
        for (void (*build)(Module1&) : {BuildDrillHss, BuildDrillU}) {
            Module1 m = GeneratorState(QStringLiteral("T=5 V=20 F=0.1 U=0 StartZ=0 EndZ=-20"));
            try {
                build(m);
                QFAIL("a zero drill diameter must stop the generator");
            } catch (const RuntimeError& e) {
                QCOMPARE(e.number(), 11);
            }
        }
    }
};

QTEST_GUILESS_MAIN(DrillProcessesTest)
#include "DrillProcessesTest.moc"
