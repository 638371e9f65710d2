#include "process/generators/FinishingProcesses.h"
#include "GeneratorState.h"

#include <QTest>

namespace {
const QString kHeader = QStringLiteral("(-----< UTV.FIN >-----)");
const QString kTab = QStringLiteral("\t");
const QString kG21 = QStringLiteral("N000 G21 HP=4 M05 M63 M09");
const QString kHome = QStringLiteral("N000     X500 Z500");
} // namespace

class FinishingProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void outside_data()
    {
        AddGoldenColumns();
        // 1000 x 250 / 3.14 / (40 + 6) = 1730.8 -> S1730. F, D and C are hidden in the dialog
        // and not written.
        const QString base
            = QStringLiteral("T=3 V=250 F=0.12 D=1 C=1 U=0 W=0.1 StartX=40 StartZ=0 ");
        const QString call = QStringLiteral("N000 G00 X44 Z50 T030303 M42 S1730 M03 M63 M08");
        const QString cut = QStringLiteral("NT03     Z2 G96 S250");
        const QString out = QStringLiteral("N000 G00 X200 G97 S1730 M63");
        QTest::newRow("plainTurret_stockZOnly")
            << base << QStringList {kHeader, call, cut, "N000 G87 NAP2 W0.1", out, kHome, kTab};
        QTest::newRow("noStock_bareCycle")
            << base + "W=0" << QStringList {kHeader, call, cut, "N000 G87 NAP2", out, kHome, kTab};
        QTest::newRow("negativeStocksLeftOut")
            << base + "U=-0.1 W=-0.2"
            << QStringList {kHeader, call, cut, "N000 G87 NAP2", out, kHome, kTab};
        QTest::newRow("duomillToolData_noHomeLine")
            << base + "duomill toolData"
            << QStringList {kHeader, "NOEX VTLIN[3]=7 VTLFN[3]=1 VTLA1[3]=55",
                   "NOEX VTLA2[3]=5 VTLL[3]=40", "N000 MT=301", "N000 M421",
                   "N000 G00 X44 Z50 TL=030303 M42 S1730 M03 M63 M08", cut, "N000 G87 NAP2 W0.1",
                   out, kG21, kTab};
        QTest::newRow("groupsToolData_otherPositions")
            << base + "groups toolData AppX=150.5 HomeX=450 HomeZ=300"
            << QStringList {kHeader, "NOEX VGRIN[3]=7 VGRFN[3]=1 VGRA1[3]=55",
                   "NOEX VGRA2[3]=5 VGRL[3]=40", "N000 G00 X44 Z50 TG=3 OG=1 M42 S1730 M03 M63 M08",
                   cut, "N000 G87 NAP2 W0.1", "N000 G00 X150.5 G97 S1730 M63", "N000     X450 Z300",
                   kTab};
        QTest::newRow("zeroSpeed_keepsThePreviousSpeed")
            << base + "V=0 speed=1200"
            << QStringList {kHeader, "N000 G00 X44 Z50 T030303 M42 S1200 M03 M63 M08",
                   "NT03     Z2 G96 S0", "N000 G87 NAP2 W0.1", "N000 G00 X200 G97 S1200 M63", kHome,
                   kTab};
        // 1000 x 180 / 3.14 / 41.25 = 1389.7 -> S1380; W floored to three decimals.
        QTest::newRow("bothStocks_fractions_reverseDry")
            << "T=3 V=180 U=0.15 W=0.0555 StartX=35.25 StartZ=-0.5 ccw coolantOff"
            << QStringList {kHeader, "N000 G00 X39.25 Z50 T030303 M42 S1380 M04 M63 M09",
                   "NT03     Z1.5 G96 S180", "N000 G87 NAP2 U0.15 W0.055",
                   "N000 G00 X200 G97 S1380 M63", kHome, kTab};
    }
    void outside() { CheckBlock(BuildFinOd); }

    void inside_data()
    {
        AddGoldenColumns();
        // 1000 x 200 / 3.14 / (30 + 6) = 1769.3 -> S1760; the approach is at StartX itself.
        const QString base = QStringLiteral("T=7 V=200 U=0.2 W=0.05 StartX=30 StartZ=0 ");
        const QString header = QStringLiteral("(-----<  INV.FIN >-----)");
        const QString call = QStringLiteral("N000 G00 X30 Z50 T070707 M42 S1760 M03 M63 M08");
        const QStringList cut = {"NT07     Z2 G96 S200", "N000 G87 NAP3 U0.2 W0.05",
            "N000 G01 X-1 G91", "N000 G00 Z50 G90"};
        const QString home = QStringLiteral("N000     X500 Z500 G97 S1760 M63");
        QTest::newRow("plainTurret")
            << base << QStringList {header, call} + cut + QStringList {home, kTab};
        QTest::newRow("noStock") << base + "U=0 W=0"
                                 << QStringList {header, call, "NT07     Z2 G96 S200",
                                        "N000 G87 NAP3", "N000 G01 X-1 G91", "N000 G00 Z50 G90",
                                        home, kTab};
        // The end Z is not asked: the usable length is StartZ + 20.
        QTest::newRow("toolData_startAboveZero")
            << base + "toolData StartZ=1.5"
            << QStringList {header, "NOEX VTLIN[7]=8 VTLFN[7]=1 VTLA1[7]=60",
                   "NOEX VTLA2[7]=3 VTLD[7]=20 VTLL[7]=21.5", call, "NT07     Z3.5 G96 S200",
                   "N000 G87 NAP3 U0.2 W0.05", "N000 G01 X-1 G91", "N000 G00 Z50 G90", home, kTab};
        QTest::newRow("duomillGroupsToolData")
            << base + "duomill groups toolData macro=M441 AppZ=80"
            << QStringList {header, "NOEX VGRIN[7]=8 VGRFN[7]=1 VGRA1[7]=60",
                   "NOEX VGRA2[7]=3 VGRD[7]=20 VGRL[7]=20", "N000 MT=1 TG=7", "N000 M441",
                   "N000 G00 X30 Z80 TG=7 OG=1 M42 S1760 M03 M63 M08", "NT07     Z2 G96 S200",
                   "N000 G87 NAP3 U0.2 W0.05", "N000 G01 X-1 G91", "N000 G00 Z80 G90",
                   "N000     X200 G97 S1760 M63", kG21, kTab};
    }
    void inside() { CheckBlock(BuildFinId); }

    void face_data()
    {
        AddGoldenColumns();
        // 1000 x 250 / 3.14 / (80 + 6) = 925.8 -> S920.
        const QString base = QStringLiteral("T=3 V=250 U=0 W=0.1 StartX=80 StartZ=0 ");
        const QString header = QStringLiteral("(-----< UTV.FIN PLAN >-----)");
        const QString call = QStringLiteral("N000 G00 X84 Z50 T030303 M42 S920 M03 M63 M08");
        const QString cut = QStringLiteral("NT03     Z2 G96 S250");
        QTest::newRow("plainTurret") << base
                                     << QStringList {header, call, cut, "N000 G87 NAP1 W0.1",
                                            "N000 G00 X500 Z500 G97 S920 M63", kTab};
        QTest::newRow("duomillToolData")
            << base + "duomill toolData"
            << QStringList {header, "NOEX VTLIN[3]=7 VTLFN[3]=1 VTLA1[3]=55",
                   "NOEX VTLA2[3]=5 VTLL[3]=40", "N000 MT=301", "N000 M421",
                   "N000 G00 X84 Z50 TL=030303 M42 S920 M03 M63 M08", cut, "N000 G87 NAP1 W0.1",
                   "N000 G00 X200 G97 S920 M63", kG21, kTab};
        QTest::newRow("groups_stockXOnly")
            << base + "groups U=0.3 W=0"
            << QStringList {header, "N000 G00 X84 Z50 TG=3 OG=1 M42 S920 M03 M63 M08", cut,
                   "N000 G87 NAP1 U0.3", "N000 G00 X500 Z500 G97 S920 M63", kTab};
        QTest::newRow("zeroSpeed_keepsThePreviousSpeed")
            << base + "V=0 speed=500"
            << QStringList {header, "N000 G00 X84 Z50 T030303 M42 S500 M03 M63 M08",
                   "NT03     Z2 G96 S0", "N000 G87 NAP1 W0.1", "N000 G00 X500 Z500 G97 S500 M63",
                   kTab};
    }
    void face() { CheckBlock(BuildFinPlan); }

    void faceAndOutside_data()
    {
        AddGoldenColumns();
        // 1000 x 250 / 3.14 / (60 + 6) = 1206.3 -> S1200; the face pass at StartZ itself.
        const QString base = QStringLiteral("T=3 V=250 F=0.12 U=0 W=0 StartX=60 StartZ=0 EndX=20 ");
        const QString call = QStringLiteral("N000 G00 X64 Z50 T030303 M42 S1200 M03 M63 M08");
        const QStringList end = {"N000 G00 X200 G97 S1200 M63", kHome, kTab};
        QTest::newRow("plainTurret") << base
                                     << QStringList {kHeader, call, "NT03     Z0 G96 S250",
                                            "N000 G01 X20 F0.12", "N000 G00 Z2", "N000 G87 NAP2"}
                + end;
        QTest::newRow("toCentre_withStocks")
            << base + "EndX=0 U=0.1 W=0.05"
            << QStringList {kHeader, call, "NT03     Z0 G96 S250", "N000 G01 X0 G41 I1 F0.12",
                   "N000 G40 I-1", "N000 G00 Z2", "N000 G87 NAP2 U0.1 W0.05"}
                + end;
        QTest::newRow("duomillGroupsToolData")
            << base + "duomill groups toolData"
            << QStringList {kHeader, "NOEX VGRIN[3]=7 VGRFN[3]=1 VGRA1[3]=55",
                   "NOEX VGRA2[3]=5 VGRL[3]=40", "N000 MT=1 TG=3", "N000 M421",
                   "N000 G00 X64 Z50 TG=3 OG=1 M42 S1200 M03 M63 M08", "NT03     Z0 G96 S250",
                   "N000 G01 X20 F0.12", "N000 G00 Z2", "N000 G87 NAP2",
                   "N000 G00 X200 G97 S1200 M63", kG21, kTab};
        // The retract goes to Z2 while the face lies below it, else 2 above the face: a rapid
        // move down to Z2 would cut into the part.
        QTest::newRow("faceBelowZ2_retractToZ2")
            << base + "StartZ=-0.5"
            << QStringList {kHeader, call, "NT03     Z-0.5 G96 S250", "N000 G01 X20 F0.12",
                   "N000 G00 Z2", "N000 G87 NAP2"}
                + end;
        QTest::newRow("faceJustBelowZ2_retractToZ2")
            << base + "StartZ=1.5"
            << QStringList {kHeader, call, "NT03     Z1.5 G96 S250", "N000 G01 X20 F0.12",
                   "N000 G00 Z2", "N000 G87 NAP2"}
                + end;
        QTest::newRow("faceAtZ2_retractAboveTheFace")
            << base + "StartZ=2"
            << QStringList {kHeader, call, "NT03     Z2 G96 S250", "N000 G01 X20 F0.12",
                   "N000 G00 Z4", "N000 G87 NAP2"}
                + end;
        QTest::newRow("faceAboveZ2_retractAboveTheFace")
            << base + "StartZ=3.25 EndX=0"
            << QStringList {kHeader, call, "NT03     Z3.25 G96 S250", "N000 G01 X0 G41 I1 F0.12",
                   "N000 G40 I-1", "N000 G00 Z5.25", "N000 G87 NAP2"}
                + end;
    }
    void faceAndOutside() { CheckBlock(BuildFinPlanOd); }

    // The speed is taken at StartX + 6.
    void zeroReferenceDiameter()
    {
        CheckZeroReferenceDiameter({BuildFinOd, BuildFinId, BuildFinPlan, BuildFinPlanOd},
            QStringLiteral("T=1 V=100 StartX=-6"));
    }
};

QTEST_GUILESS_MAIN(FinishingProcessesTest)
#include "FinishingProcessesTest.moc"
