#include "process/generators/MillProcesses.h"
#include "GeneratorState.h"
#include "common/RuntimeError.h"

#include <QTest>

namespace {
using Build = void (*)(Module1&);

Build builderOf(const QString& name)
{
    const QHash<QString, Build> members = {{"keyPlan", BuildMKeyPlan}, {"keySide", BuildMKeySide},
        {"keySlant", BuildMKeySlant}, {"millPlan", BuildMMillPlan}, {"millSide", BuildMMillSide},
        {"circleSlant", BuildMCircleSlant}};
    return members.value(name);
}

// The circle of radius 10 around the origin without a roughing circle.
const QStringList kCircle10
    = {"N000     X10 G41", "N000 G03 X-10 Y0 L10", "N000     X10 Y0 L10", "N000 G01 X0 G40"};
} // namespace

// Key ways, slots and the circle of the rotating end mill, each block worked out by hand.
class MillProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void block_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");

        // 1000 x 25 / 3.14 / 8 = 995.2 -> SB=990; K = 50 - 0 - 2.
        const QString keyPlan = QStringLiteral(
            "T=19 V=25 F=0.05 U=8 W=0.03 D=1 L=0.1 C=1 StartX=40 StartZ=0 StartC=0 EndX=20 "
            "EndZ=-3 ");
        const QString keyPlanCycle = "N000 G190 C0 X20 Z-3 K48 W0.1 E0.03 F=SB*0.05 ";
        QTest::newRow("keyPlan_turret_oneKeyWritesQ1")
            << "keyPlan" << keyPlan
            << QStringList {"(-----< PLAN KEY W8 >-----)", "N000 G94 M110 T191919",
                   "NT19 G00 X200 Z50 SB=990 M13 M63 M08", "N000     X40",
                   keyPlanCycle + "Q1 M211 M213", "N000 G180", "N000 G00 Z50",
                   "N000     X500 Z500 M12 M63", "\t"};
        // 1000 x 31.4 / 3.14 / 10 is exactly 1000; no W word without stock, no Q without keys.
        QTest::newRow("keyPlan_beforeK500_toolData_noStockNoCount")
            << "keyPlan"
            << "T=5 V=31.4 F=0.04 U=10 W=0.02 L=0 C=0 StartX=30 StartZ=2 StartC=90 EndX=30 "
               "EndZ=-4 beforeK500 toolData coolantOff"
            << QStringList {"(-----< PLAN KEY W10 >-----)", "NOEX VTLIN[5]=36 VTLFN[5]=1",
                   "NOEX VTLD[5]=10 VTLL[5]=26", "N000 G94 M110 T050505",
                   "NT05 G00 X200 Z50 SB=1000 M13 M64 M09", "N000     X30 M62",
                   "N000 G190 C90 X30 Z-4 K46 E0.02 F=SB*0.04 M211 M213", "N000 G180",
                   "N000 G00 Z50", "N000     X500 Z500 M12 M64", "N000     M62", "\t"};
        QTest::newRow("keyPlan_duomillGroupsTurretH1")
            << "keyPlan" << keyPlan + "C=4 duomill groups toolData H1 macro=M441"
            << QStringList {"(-----< PLAN KEY W8 >-----)", "NOEX VGRIN[19]=36 VGRFN[19]=1",
                   "NOEX VGRD[19]=8 VGRL[19]=23", "N000 MT=1 TG=19", "N000 M441",
                   "N000 G94 M110 TG=19 OG=1", "NT19 G00 X200 Z50 SB=990 M13 M63 M08",
                   "N000     X40", keyPlanCycle + "Q4 M211 M213", "N000 G180", "N000 G00 Z50",
                   "N000 G21 HP=4 M12 M63 M09", "\t"};
        // On a Duomill machine the return stays M63 and has no M62 line, even before K500.
        QTest::newRow("keyPlan_duomillNumbersTurretH2_beforeK500")
            << "keyPlan" << keyPlan + "duomill beforeK500"
            << QStringList {"(-----< PLAN KEY W8 >-----)", "N000 MT=1903", "N000 M421",
                   "N000 G94 M110 TL=191919", "NT19 G00 X200 Z50 SB=990 M13 M64 M08",
                   "N000     X40 M62", keyPlanCycle + "Q1 M211 M213", "N000 G180", "N000 G00 Z50",
                   "N000 G21 HP=4 M12 M63 M09", "\t"};

        // I = 200 - 60 - 4.
        const QString keySide = QStringLiteral(
            "T=20 V=25 F=0.05 U=8 W=0.03 L=0.1 C=2 StartX=60 StartZ=-10 StartC=0 EndX=52 "
            "EndZ=-30 ");
        const QString keySideCycle = "N000 G190 C0 X52 Z-30 I136 U0.1 E0.03 F=SB*0.05 Q2 M211 M213";
        QTest::newRow("keySide_turret")
            << "keySide" << keySide
            << QStringList {"(-----< SIDE KEY W8 >-----)", "N000 G94 M110 T202020",
                   "NT20 G00 X200 Z50 SB=990 M13 M63 M08", "N000     Z-10", keySideCycle,
                   "N000 G180", "N000 G00 X200", "N000     X500 Z500 M12 M63", "\t"};
        // Length (60 - 52) / 2 + 20; the B axis turns to 90 degrees on the Duomill machine.
        QTest::newRow("keySide_duomillToolDataBeforeK500TurretH1")
            << "keySide" << keySide + "duomill toolData beforeK500 H1"
            << QStringList {"(-----< SIDE KEY W8 >-----)", "NOEX VTLIN[20]=35 VTLFN[20]=1",
                   "NOEX VTLD[20]=8 VTLL[20]=24", "N000 MT=2001", "N000 M421",
                   "N000 G94 M110 TL=202020 G52 BA=90 M66", "NT20 G00 X200 Z50 SB=990 M13 M64 M08",
                   "N000     Z-10 M62", keySideCycle, "N000 G180", "N000 G00 X200",
                   "N000 G21 HP=4 M12 M63 M09", "\t"};
        // Length 8.25 / 2 + 20; I = 200 - 60.5 - 4; groups without the Duomill: no ATC block.
        QTest::newRow("keySide_groupsWithoutDuomill_noStockNoCount")
            << "keySide" << keySide + "L=0 C=0 StartX=60.5 EndX=52.25 groups toolData"
            << QStringList {"(-----< SIDE KEY W8 >-----)", "NOEX VGRIN[20]=35 VGRFN[20]=1",
                   "NOEX VGRD[20]=8 VGRL[20]=24.125", "N000 G94 M110 TG=20 OG=1",
                   "NT20 G00 X200 Z50 SB=990 M13 M63 M08", "N000     Z-10",
                   "N000 G190 C0 X52.25 Z-30 I135.5 E0.03 F=SB*0.05 M211 M213", "N000 G180",
                   "N000 G00 X200", "N000     X500 Z500 M12 M63", "\t"};

        const QString keySlant = QStringLiteral(
            "T=21 V=25 F=0.05 U=8 W=0.03 L=0.1 C=12.5 SZ=-100 B=45 StartX=10 StartZ=5 "
            "StartC=2 EndX=30 EndZ=5 EndC=-3 ");
        const QStringList keySlantEnd
            = {"N000 G180", "N000 G00 Z50", "N000 G175", "N000 G126", "N000 G136"};
        QTest::newRow("keySlant_duomill_noToolDataEvenWhenAsked")
            << "keySlant" << keySlant + "duomill toolData"
            << QStringList {"(-----< SLANT KEY W8 >-----)", "N000 MT=2103", "N000 M421",
                   "N000 G94 M110 TL=212121 G52 BA=45 M66",
                   "NT21 G00 C0 X200 Z50 SB=990 M13 M63 M08", "N000 G138",
                   "N000 G174 SX=12.5 SZ=-100", "N000 G127 B45", "N000 G00  X10 Y5 Z50",
                   "N000      Z4", "N000 G190 X30 Y5 Z-3 K0 W0.1 E=SB*0.03 F=SB*0.05 M211 M213"}
                + keySlantEnd + QStringList {"N000 G21 HP=4 M12 M63 M09", "\t"};
        QTest::newRow("keySlant_turretBeforeK500_noShiftNoStock")
            << "keySlant" << keySlant + "C=0 SZ=0 B=-30 L=0 beforeK500"
            << QStringList {"(-----< SLANT KEY W8 >-----)", "N000 G94 M110 T212121",
                   "NT21 G00 C0 X200 Z50 SB=990 M13 M64 M08", "N000     M62", "N000 G138",
                   "N000 G174 SX=0 SZ=0", "N000 G127 B-30", "N000 G00  X10 Y5 Z50", "N000      Z4",
                   "N000 G190 X30 Y5 Z-3 K0 E=SB*0.03 F=SB*0.05 M211 M213"}
                + keySlantEnd + QStringList {"N000     X500 Z500 M12 M64", "N000     M62", "\t"};

        // 1000 x 25 / 3.14 / 10 = 796.2 -> SB=790.
        const QString mill = QStringLiteral("T=22 V=25 F=0.05 U=10 ");
        QTest::newRow("millPlan_turret")
            << "millPlan" << mill + "StartX=40 StartZ=0 StartC=0 EndX=-40 EndZ=-5 EndC=0"
            << QStringList {"(-----< PLAN ENDMILL D10 >-----)", "N000 G94 M110 T222222",
                   "NT22 G00 C0 X200 Z50 SB=790 M13 M63 M08", "N000     X40", "N000     Z2",
                   "N000 G01 Z-5 M147 F=SB*0.05", "N000 G101 C0 X-40 M146", "N000 G00 Z50",
                   "N000     X500 Z500 M12 M63", "\t"};
        // Only the face slot leaves the work in X before the Duomill return.
        QTest::newRow("millPlan_duomillGroupsToolDataBeforeK500")
            << "millPlan"
            << mill
                + "StartX=40 StartZ=0 StartC=30 EndX=-40 EndZ=-5 EndC=120 duomill groups "
                  "toolData beforeK500 macro=M321"
            << QStringList {"(-----< PLAN ENDMILL D10 >-----)", "NOEX VGRIN[22]=36 VGRFN[22]=1",
                   "NOEX VGRD[22]=10 VGRL[22]=25", "N000 MT=3 TG=22", "N000 M321",
                   "N000 G94 M110 TG=22 OG=1", "NT22 G00 C30 X200 Z50 SB=790 M13 M64 M08",
                   "N000     X40 M62", "N000     Z2", "N000 G01 Z-5 M147 F=SB*0.05",
                   "N000 G101 C120 X-40 M146", "N000 G00 Z50", "N000     X200",
                   "N000 G21 HP=4 M12 M63 M09", "\t"};
        const QString millSide
            = mill + QStringLiteral("StartX=50 StartZ=-10 StartC=0 EndX=44 EndZ=-10 EndC=90 ");
        QTest::newRow("millSide_turret")
            << "millSide" << millSide
            << QStringList {"(-----< SIDE ENDMILL D10 >-----)", "N000 G94 M110 T222222",
                   "NT22 G00 C0 X200 Z50 SB=790 M13 M63 M08", "N000     Z-10", "N000     X54",
                   "N000 G01 X44 M147 F=SB*0.05", "N000 G101 C90 Z-10 M146", "N000 G00 X200",
                   "N000     X500 Z500 M12 M63", "\t"};
        QTest::newRow("millSide_duomillToolDataBeforeK500TurretH1CoolantOff")
            << "millSide" << millSide + "duomill toolData beforeK500 H1 coolantOff"
            << QStringList {"(-----< SIDE ENDMILL D10 >-----)", "NOEX VTLIN[22]=35 VTLFN[22]=1",
                   "NOEX VTLD[22]=10 VTLL[22]=23", "N000 MT=2201", "N000 M421",
                   "N000 G94 M110 TL=222222 G52 BA=90 M66",
                   "NT22 G00 C0 X200 Z50 SB=790 M13 M64 M09", "N000     Z-10 M62", "N000     X54",
                   "N000 G01 X44 M147 F=SB*0.05", "N000 G101 C90 Z-10 M146", "N000 G00 X200",
                   "N000 G21 HP=4 M12 M63 M09", "\t"};

        // 1000 x 80 / 3.14 / 10 = 2547.7 -> SB=2540; the header gives the circle's diameter.
        const QStringList circleEnd = {"N000 G00 Z50", "N000 G126 M146", "N000 G175", "N000 G136"};
        QTest::newRow("circleSlant_threePasses")
            << "circleSlant"
            << "T=23 V=80 F=0.05 U=10 W=45 L=0 D=2 C=12 SZ=-80 B=30 StartX=0 StartZ=0 StartC=0 "
               "EndX=10 EndC=-5"
            << QStringList {"(-----< SLANT CIRCLE D20 >-----)", "N000 G94 M110 T232323",
                   "NT23 G00 C45 X200 Z50 SB=2540 M13 M63 M08", "N000 G138",
                   "N000 G174 SX=12 SZ=-80", "N000 G127 B30", "N000 G17", "N000 G00 X0 Y0 Z50",
                   "N000     Z2 M147", "N000 G01 Z0 F=SB*0.05", "N000     Z-2"}
                + kCircle10 + QStringList {"N000     Z-4"} + kCircle10
                + QStringList {"N000     Z-5"} + kCircle10 + circleEnd
                + QStringList {"N000     X500 Z500 M12 M63", "\t"};
        // Length -5 - 0 + 20 (the hidden end Z reads 0).
        QTest::newRow("circleSlant_onePassWithRoughing_duomillGroupsH1BeforeK500")
            << "circleSlant"
            << "T=23 V=80 F=0.05 U=10 W=0 L=0.5 D=0 C=0 SZ=0 B=45 StartX=5 StartZ=-5 StartC=1 "
               "EndX=8 EndC=-6 duomill groups toolData H1 beforeK500 macro=M441"
            << QStringList {"(-----< SLANT CIRCLE D16 >-----)", "NOEX VGRIN[23]=36 VGRFN[23]=1",
                   "NOEX VGRD[23]=10 VGRL[23]=15", "N000 MT=1 TG=23", "N000 M441",
                   "N000 G94 M110 TG=23 OG=1 G52 BA=45 M66",
                   "NT23 G00 C0 X200 Z50 SB=2540 M13 M64 M08", "N000     M62", "N000 G138",
                   "N000 G174 SX=0 SZ=0", "N000 G127 B45", "N000 G17", "N000 G00 X5 Y-5 Z50",
                   "N000     Z3 M147", "N000 G01 Z-6 F=SB*0.05", "N000     X12.5 G41",
                   "N000 G03 X-2.5 Y-5 L7.5", "N000     X12.5 Y-5 L7.5", "N000 G01 X13",
                   "N000 G03 X-3 Y-5 L8", "N000     X13 Y-5 L8", "N000 G01 X5 G40"}
                + circleEnd + QStringList {"N000 G21 HP=4 M12 M63 M09", "\t"};
    }
    void block()
    {
        QFETCH(QString, member);
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        Module1 m = GeneratorState(state);
        builderOf(member)(m);
        QCOMPARE(m.gProcessText, NcLines(expected));
    }

    void circlePath_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("roughingHalfMillimetreInside")
            << "StartX=0 StartZ=0 EndX=10 L=0.5"
            << QStringList {"N000     X9.5 G41", "N000 G03 X-9.5 Y0 L9.5", "N000     X9.5 Y0 L9.5",
                   "N000 G01 X10", "N000 G03 X-10 Y0 L10", "N000     X10 Y0 L10",
                   "N000 G01 X0 G40"};
        QTest::newRow("noRoughing_centreOffOrigin")
            << "StartX=12 StartZ=-3 EndX=5 L=0"
            << QStringList {"N000     X17 G41", "N000 G03 X7 Y-3 L5", "N000     X17 Y-3 L5",
                   "N000 G01 X12 G40"};
        QTest::newRow("fractions")
            << "StartX=-2.5 StartZ=4 EndX=7.25 L=0.25"
            << QStringList {"N000     X4.5 G41", "N000 G03 X-9.5 Y4 L7", "N000     X4.5 Y4 L7",
                   "N000 G01 X4.75", "N000 G03 X-9.75 Y4 L7.25", "N000     X4.75 Y4 L7.25",
                   "N000 G01 X-2.5 G40"};
    }
    void circlePath()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        Module1 m = GeneratorState(state);
        m.gProcessText = QStringLiteral("before\r\n");
        AppendCirclePath(m);
        QCOMPARE(m.gProcessText, QStringLiteral("before\r\n") + NcLines(expected));
    }

    // The depth lines of the circle and the number of circles milled.
    void depthPasses_data()
    {
        QTest::addColumn<QString>("depths");
        QTest::addColumn<QStringList>("zLines");
        QTest::addColumn<int>("circles");
        QTest::newRow("noStep_oneCircleAtTheBottom")
            << "StartC=0 EndC=-5 D=0" << QStringList {"N000 G01 Z-5 F=SB*0.05"} << 1;
        QTest::newRow("stepsEndingOnTheBottom")
            << "StartC=1 EndC=-1 D=1"
            << QStringList {"N000 G01 Z1 F=SB*0.05", "N000     Z0", "N000     Z-1"} << 2;
        QTest::newRow("stepDeeperThanTheBottom")
            << "StartC=0 EndC=-1 D=5" << QStringList {"N000 G01 Z0 F=SB*0.05", "N000     Z-1"} << 1;
        // 0.7 three times is -2.1 exactly: the bottom is milled once.
        QTest::newRow("decimalStepsReachTheBottomExactly")
            << "StartC=0 EndC=-2.1 D=0.7"
            << QStringList {"N000 G01 Z0 F=SB*0.05", "N000     Z-0.7", "N000     Z-1.4",
                   "N000     Z-2.1"}
            << 3;
        // Each depth is floored as it is written and the next step starts from it.
        QTest::newRow("flooredDepthIsKept")
            << "StartC=0 EndC=-1 D=0.3333"
            << QStringList {"N000 G01 Z0 F=SB*0.05", "N000     Z-0.334", "N000     Z-0.668",
                   "N000     Z-1"}
            << 3;
    }
    void depthPasses()
    {
        QFETCH(QString, depths);
        QFETCH(QStringList, zLines);
        QFETCH(int, circles);
        Module1 m = GeneratorState(QStringLiteral("T=23 V=80 F=0.05 U=10 EndX=10 ") + depths);
        BuildMCircleSlant(m);
        const QStringList lines = m.gProcessText.split(QStringLiteral("\r\n"));
        QStringList depthLines;
        for (const QString& line : lines)
            if (line.startsWith(QLatin1String("N000 G01 Z"))
                || (line.startsWith(QLatin1String("N000     Z")) && !line.endsWith(u"M147")))
                depthLines.append(line); // not the approach above the top
        QCOMPARE(depthLines, zLines);
        QCOMPARE(lines.count(QStringLiteral("N000 G01 X0 G40")), circles);
    }

    // A depth that would take more passes than any program holds stops with a message instead
    // of running on; the last count that is still built gives one circle a pass and the bottom.
    void passCountIsBounded()
    {
        Module1 m = GeneratorState(QStringLiteral("T=23 V=80 U=10 EndX=10 D=0.001 EndC=-10.001"));
        BuildMCircleSlant(m);
        QCOMPARE(m.gProcessText.count(QLatin1String("N000 G01 X0 G40")), kMaxCirclePasses + 1);
        for (const char* bottom : {"EndC=-10.002", "EndC=-1e300"}) {
            m = GeneratorState(QStringLiteral("T=23 V=80 U=10 EndX=10 D=0.001 ") + bottom);
            try {
                BuildMCircleSlant(m);
                QFAIL(bottom);
            } catch (const RuntimeError& e) {
                QCOMPARE(e.number(), 7);
            }
        }
    }

    void zeroDiameterIsTheDivisionError()
    {
        for (Build build : {BuildMKeyPlan, BuildMKeySide, BuildMKeySlant, BuildMMillPlan,
                 BuildMMillSide, BuildMCircleSlant}) {
            Module1 m = GeneratorState(QStringLiteral("T=5 V=25 U=0 EndX=10"));
            try {
                build(m);
                QFAIL("a zero end-mill diameter must stop the generator");
            } catch (const RuntimeError& e) {
                QCOMPARE(e.number(), 11);
            }
        }
    }
};

QTEST_GUILESS_MAIN(MillProcessesTest)
#include "MillProcessesTest.moc"
