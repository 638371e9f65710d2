#include "process/generators/RoughTurningProcesses.h"
#include "GeneratorState.h"

#include <QTest>

namespace {
const QString kHeader = QStringLiteral("(-----< UTV.GROV >-----)");
const QString kTab = QStringLiteral("\t");
const QString kG21 = QStringLiteral("N000 G21 HP=4 M05 M63 M09");
} // namespace

class RoughTurningProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void outside_data()
    {
        AddGoldenColumns();
        // 1000 x 180 / 3.14 / (40 + 6) = 1246.2 -> S1240; the contour starts 2 x C + 1 below
        // StartX and ends 2 x C below EndX.
        const QString base
            = QStringLiteral("T=1 V=180 F=0.3 U=0.4 W=0.1 D=2 C=1 StartX=40 StartZ=0 EndX=60 "
                             "EndZ=-50 ");
        const QStringList cut = {"NT01     Z2 G96 S180", "N000 G85 NAP2 D2 U0.4 W0.1 F0.3",
            "NAP2 G81", "N000 G00 X37", "N000 G01 Z0.5 G42 F0.15", "N000     X40 A135",
            "N000     Z-50", "N000     X58", "N000     X60 A135", "N000 G40 K-1", "N000 G80"};
        const QString call = QStringLiteral("N000 G00 X60 Z50 T010101 M41 S1240 M03 M63 M08");
        const QString home = QStringLiteral("N000 G00 X500 Z500 G97 S1240 M63");
        QTest::newRow("plainTurret")
            << base << QStringList {kHeader, call} + cut + QStringList {home, kTab};
        QTest::newRow("toolData") << base + "toolData"
                                  << QStringList {kHeader, "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=55",
                                         "NOEX VTLA2[1]=3 VTLL[1]=40", call}
                + cut + QStringList {home, kTab};
        QTest::newRow("toolGroupsWithoutDuomill")
            << base + "groups"
            << QStringList {kHeader, "N000 G00 X60 Z50 TG=1 OG=1 M41 S1240 M03 M63 M08"} + cut
                + QStringList {home, kTab};
        QTest::newRow("duomill_returnsByG21")
            << base + "duomill"
            << QStringList {kHeader, "N000 MT=101", "N000 M421",
                   "N000 G00 X60 Z50 TL=010101 M41 S1240 M03 M63 M08"}
                + cut + QStringList {"N000 G00 X200 G97 S1240 M63", kG21, kTab};
        QTest::newRow("duomillGroupsToolData")
            << base + "duomill groups toolData macro=M441 AppX=150"
            << QStringList {kHeader, "NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=55",
                   "NOEX VGRA2[1]=3 VGRL[1]=40", "N000 MT=1 TG=1", "N000 M441",
                   "N000 G00 X60 Z50 TG=1 OG=1 M41 S1240 M03 M63 M08"}
                + cut + QStringList {"N000 G00 X150 G97 S1240 M63", kG21, kTab};
        // No speed to compute: G96 S0, and the fixed speed of the process before stays.
        QTest::newRow("zeroSpeed_keepsThePreviousSpeed")
            << base + "V=0 speed=870"
            << QStringList {kHeader, "N000 G00 X60 Z50 T010101 M41 S870 M03 M63 M08",
                   "NT01     Z2 G96 S0"}
                + cut.mid(1) + QStringList {"N000 G00 X500 Z500 G97 S870 M63", kTab};
        // 1000 x 200 / 3.14 / 36 = 1769.3 -> S1760; without a chamfer the contour starts 1
        // below StartX and both corner lines end at EndX.
        QTest::newRow("noChamfer")
            << "T=5 V=200 F=0.25 U=0.3 W=0.05 D=1.5 C=0 StartX=30 StartZ=1 EndX=45.5 EndZ=-20.25"
            << QStringList {kHeader, "N000 G00 X45.5 Z50 T050505 M41 S1760 M03 M63 M08",
                   "NT05     Z3 G96 S200", "N000 G85 NAP2 D1.5 U0.3 W0.05 F0.25", "NAP2 G81",
                   "N000 G00 X29", "N000 G01 Z1.5 G42 F0.15", "N000     X30 A135",
                   "N000     Z-20.25", "N000     X45.5", "N000     X45.5 A135", "N000 G40 K-1",
                   "N000 G80", "N000 G00 X500 Z500 G97 S1760 M63", kTab};
        // 1000 x 150 / 3.14 / 46.1 = 1036.2 -> S1030; 40.1 - 1.6 is 38.5 and 59.9 - 0.6 is 59.3
        // as typed; F and EndZ floored to three decimals.
        QTest::newRow("decimalFloors_reverseDry_otherHome")
            << "T=12 V=150 F=0.2345 U=0.4 W=0.1 D=2 C=0.3 StartX=40.1 StartZ=-0.1 EndX=59.9 "
               "EndZ=-30.0005 ccw coolantOff HomeX=450 HomeZ=300.5"
            << QStringList {kHeader, "N000 G00 X59.9 Z50 T121212 M41 S1030 M04 M63 M09",
                   "NT12     Z1.9 G96 S150", "N000 G85 NAP2 D2 U0.4 W0.1 F0.234", "NAP2 G81",
                   "N000 G00 X38.5", "N000 G01 Z0.4 G42 F0.15", "N000     X40.1 A135",
                   "N000     Z-30.001", "N000     X59.3", "N000     X59.9 A135", "N000 G40 K-1",
                   "N000 G80", "N000 G00 X450 Z300.5 G97 S1030 M63", kTab};
    }
    void outside() { CheckBlock(BuildGrovOd); }

    void inside_data()
    {
        AddGoldenColumns();
        QTest::addColumn<double>("bore");
        // 1000 x 160 / 3.14 / 36 = 1415.4 -> S1410; the contour starts 2 x C + 1 above StartX.
        const QString base = QStringLiteral(
            "T=5 V=160 F=0.2 U=0.3 W=0.1 D=1.5 C=0.5 StartX=30 StartZ=0 EndX=20 EndZ=-25 ");
        const QString header = QStringLiteral("(-----<  INV.GROV >-----)");
        const QStringList cut
            = {"NT05     Z2 G96 S160", "N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2", "NAP3 G81",
                "N000 G00 X32", "N000 G01 Z0.5 G41 F0.15", "N000     X30 A-135", "N000     Z-25",
                "N000     X21", "N000     X20 A-135", "N000 G40 K-1", "N000 G80", "N000 G00 Z50"};
        const QString call = QStringLiteral("N000 G00 X20 Z50 T050505 M42 S1410 M03 M63 M08");
        const QString home = QStringLiteral("N000     X500 Z500 G97 S1410 M63");
        QTest::newRow("plainTurret")
            << base << QStringList {header, call} + cut + QStringList {home, kTab} << 30.0;
        // The usable length is StartZ - EndZ + 20.
        QTest::newRow("toolData") << base + "toolData"
                                  << QStringList {header, "NOEX VTLIN[5]=2 VTLFN[5]=1 VTLA1[5]=60",
                                         "NOEX VTLA2[5]=3 VTLD[5]=20 VTLL[5]=45", call}
                + cut + QStringList {home, kTab}
                                  << 30.0;
        QTest::newRow("duomillGroupsToolData")
            << base + "duomill groups toolData macro=M321"
            << QStringList {header, "NOEX VGRIN[5]=2 VGRFN[5]=1 VGRA1[5]=60",
                   "NOEX VGRA2[5]=3 VGRD[5]=20 VGRL[5]=45", "N000 MT=1 TG=5", "N000 M321",
                   "N000 G00 X20 Z50 TG=5 OG=1 M42 S1410 M03 M63 M08"}
                + cut + QStringList {"N000     X200 G97 S1410 M63", kG21, kTab}
            << 30.0;
        // The bore left for later is StartX floored to three decimals; length 0.5 + 12.3 + 20.
        QTest::newRow("noChamfer_zeroSpeed_roundedBore")
            << "T=8 V=0 speed=650 F=0.1 U=0.2 W=0.05 D=1 C=0 StartX=25.4567 StartZ=0.5 EndX=18 "
               "EndZ=-12.3 toolData"
            << QStringList {header, "NOEX VTLIN[8]=2 VTLFN[8]=1 VTLA1[8]=60",
                   "NOEX VTLA2[8]=3 VTLD[8]=20 VTLL[8]=32.8",
                   "N000 G00 X18 Z50 T080808 M42 S650 M03 M63 M08", "NT08     Z2.5 G96 S0",
                   "N000 G85 NAP3 D1 U0.2 W0.05 F0.1", "NAP3 G81", "N000 G00 X26.456",
                   "N000 G01 Z1 G41 F0.15", "N000     X25.456 A-135", "N000     Z-12.3",
                   "N000     X18", "N000     X18 A-135", "N000 G40 K-1", "N000 G80", "N000 G00 Z50",
                   "N000     X500 Z500 G97 S650 M63", kTab}
            << 25.456;
    }
    void inside()
    {
        QFETCH(double, bore);
        CheckBlock(BuildGrovId, bore);
    }

    void face_data()
    {
        AddGoldenColumns();
        // 1000 x 200 / 3.14 / (80 + 6) = 740.6 -> S740; the hidden U, D and C are not written.
        const QString base = QStringLiteral(
            "T=1 V=200 F=0.25 U=0.4 D=2.5 C=1 W=0.1 L=2 StartX=80 StartZ=3 EndX=20 EndZ=0 ");
        const QString header = QStringLiteral("(-----< UTV.GROV PLAN >-----)");
        const QStringList cut = {"NT01     Z3 G96 S200", "N000 G85 NAP1 D2 W0.1 F0.25", "NAP1 G82",
            "N000 G00 Z0", "N000 G01 X80 G41 F0.15", "N000     X20", "N000 G40 I-1", "N000 G80"};
        const QString call = QStringLiteral("N000 G00 X86 Z50 T010101 M41 S740 M03 M63 M08");
        const QString home = QStringLiteral("N000 G00 X500 Z500 G97 S740 M63");
        QTest::newRow("plainTurret")
            << base << QStringList {header, call} + cut + QStringList {home, kTab};
        QTest::newRow("toolData") << base + "toolData"
                                  << QStringList {header, "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80",
                                         "NOEX VTLA2[1]=5 VTLL[1]=40", call}
                + cut + QStringList {home, kTab};
        QTest::newRow("duomillToolData")
            << base + "duomill toolData macro=M441"
            << QStringList {header, "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80",
                   "NOEX VTLA2[1]=5 VTLL[1]=40", "N000 MT=101", "N000 M441",
                   "N000 G00 X86 Z50 TL=010101 M41 S740 M03 M63 M08"}
                + cut + QStringList {"N000 G00 X200 G97 S740 M63", kG21, kTab};
        // 1000 x 180 / 3.14 / 56.5 = 1014.6 -> S1010.
        QTest::newRow("groups_toCentre_fractions")
            << "T=2 V=180 F=0.2 W=0.05 L=0.5 StartX=50.5 StartZ=0.2 EndX=0 EndZ=-0.35 groups"
            << QStringList {header, "N000 G00 X56.5 Z50 TG=2 OG=1 M41 S1010 M03 M63 M08",
                   "NT02     Z0.2 G96 S180", "N000 G85 NAP1 D0.5 W0.05 F0.2", "NAP1 G82",
                   "N000 G00 Z-0.35", "N000 G01 X50.5 G41 F0.15", "N000     X0", "N000 G40 I-1",
                   "N000 G80", "N000 G00 X500 Z500 G97 S1010 M63", kTab};
    }
    void face() { CheckBlock(BuildGrovPlan); }

    void faceAndOutside_data()
    {
        AddGoldenColumns();
        // 1000 x 200 / 3.14 / (60 + 6) = 965.1 -> S960; approach at the blank diameter + 6;
        // facing feed 0.3 x 0.8.
        const QString base = QStringLiteral("T=1 V=200 F=0.3 U=0.4 W=0.1 D=2.5 L=2 C=1 SZ=17 "
                                            "StartX=60 StartZ=0 EndX=80 EndZ=-40 PZero=3 OD=80 ");
        const QString call = QStringLiteral("N000 G00 X86 Z50 T010101 M41 S960 M03 M63 M08");
        const QStringList outside = {"N000 G00 X80 Z2", "N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3",
            "NAP2 G81", "N000 G00 X57", "N000 G01 Z0.5 G42 F0.15", "N000     X60 A135",
            "N000     Z-40", "N000     X78", "N000     X80 A135", "N000 G40 K-1", "N000 G80"};
        const QStringList end = {"N000 G00 X500 Z500 G97 S960 M63", kTab};
        const QStringList faceCycle
            = {"NT01     Z3 G96 S200", "N000 G85 NAP1 D2 W0.1 F0.24", "NAP1 G82", "N000 G00 Z0"};
        // Face stock 3 - 0 is more than L 2: a facing cycle.
        QTest::newRow("faceCycle_toolData")
            << base + "toolData"
            << QStringList {kHeader, "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80",
                   "NOEX VTLA2[1]=5 VTLL[1]=40", call}
                + faceCycle + QStringList {"N000 G01 X17", "N000 G80"} + outside + end;
        QTest::newRow("faceCycleToCentre") << base + "SZ=0"
                                           << QStringList {kHeader, call} + faceCycle
                + QStringList {"N000 G01 X0 G41 I1", "N000 G40 I-1", "N000 G80"} + outside + end;
        // Face stock 2 equals L: one pass at StartZ + W.
        QTest::newRow("stockEqualsDepth_onePass")
            << base + "PZero=2"
            << QStringList {kHeader, call, "NT01     Z0.1 G96 S200", "N000 G01 X17 F0.24"} + outside
                + end;
        QTest::newRow("onePassToCentre") << base + "PZero=1 SZ=0"
                                         << QStringList {kHeader, call, "NT01     Z0.1 G96 S200",
                                                "N000 G01 X0 G41 I1 F0.24", "N000 G40 I-1"}
                + outside + end;
        // 1.1 - 0.2 is the depth 0.9 as typed, not a hair more.
        QTest::newRow("decimalStockEqualsDepth_onePass")
            << base + "PZero=1.1 StartZ=0.2 L=0.9"
            << QStringList {kHeader, call, "NT01     Z0.3 G96 S200", "N000 G01 X17 F0.24",
                   "N000 G00 X80 Z2.2", "N000 G85 NAP2 D2.5 U0.4 W0.1 F0.3", "NAP2 G81",
                   "N000 G00 X57", "N000 G01 Z0.7 G42 F0.15", "N000     X60 A135", "N000     Z-40",
                   "N000     X78", "N000     X80 A135", "N000 G40 K-1", "N000 G80"}
                + end;
        QTest::newRow("stockJustAboveDepth_cycle")
            << base + "PZero=2.001"
            << QStringList {kHeader, call, "NT01     Z2.001 G96 S200",
                   "N000 G85 NAP1 D2 W0.1 F0.24", "NAP1 G82", "N000 G00 Z0", "N000 G01 X17",
                   "N000 G80"}
                + outside + end;
        QTest::newRow("duomillGroupsToolData")
            << base + "duomill groups toolData"
            << QStringList {kHeader, "NOEX VGRIN[1]=1 VGRFN[1]=1 VGRA1[1]=80",
                   "NOEX VGRA2[1]=5 VGRL[1]=40", "N000 MT=1 TG=1", "N000 M421",
                   "N000 G00 X86 Z50 TG=1 OG=1 M41 S960 M03 M63 M08"}
                + faceCycle + QStringList {"N000 G01 X17", "N000 G80"} + outside
                + QStringList {"N000 G00 X200 G97 S960 M63", kG21, kTab};
    }
    void faceAndOutside() { CheckBlock(BuildGrovPlanOd); }

    // The speed is taken at StartX + 6.
    void zeroReferenceDiameter()
    {
        CheckZeroReferenceDiameter({BuildGrovOd, BuildGrovId, BuildGrovPlan, BuildGrovPlanOd},
            QStringLiteral("T=1 V=100 StartX=-6"));
    }
};

QTEST_GUILESS_MAIN(RoughTurningProcessesTest)
#include "RoughTurningProcessesTest.moc"
