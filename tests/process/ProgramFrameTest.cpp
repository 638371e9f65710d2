#include "process/core/ProgramFrame.h"
#include "common/Module1.h"

#include <QTest>

Q_DECLARE_METATYPE(MaterialFields)

namespace {
QString lines(const QStringList& list)
{
    return list.isEmpty() ? QString() : list.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

// The machine options as words: bturret duomill panel door measure groups.
Module1 machine(const QString& options, float maxS = 2500, double homeX = 500, double homeZ = 500)
{
    Module1 m;
    const QStringList o = options.split(u' ', Qt::SkipEmptyParts);
    m.gBturret = o.contains(u"bturret");
    m.gDuomill = o.contains(u"duomill");
    m.gPanelChk = o.contains(u"panel");
    m.gAutoDoor = o.contains(u"door");
    m.gMeasuer = o.contains(u"measure");
    m.gTG = o.contains(u"groups");
    m.gMaxS = maxS;
    m.gHomeX = homeX;
    m.gHomeZ = homeZ;
    return m;
}

MaterialFields material(const QString& pZero, const QString& jawLength, const QString& jawPlan,
    const QString& length, const QString& outside, const QString& inside)
{
    MaterialFields f;
    f.text[9] = pZero;
    f.text[1] = jawLength;
    f.text[2] = jawPlan;
    f.text[3] = length;
    f.text[5] = outside;
    f.text[4] = inside;
    return f;
}
} // namespace

class ProgramFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void frame_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("panelCheckOnly")
            << "panel"
            << QStringList {"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)",
                   "N000 CALL OUGC  (GRAPHIC DATA)", "\t"}
            << QStringList {"\t", "NEND M02"};
        QTest::newRow("nothing") << ""
                                 << QStringList {"NMAX G50 S2500", "N000 G00 X500 Z500",
                                        "N000 CALL OUGC  (GRAPHIC DATA)", "\t"}
                                 << QStringList {"\t", "NEND M02"};
        QTest::newRow("duomillStartsByG21_doorOpens")
            << "duomill door"
            << QStringList {"NMAX G50 S2500", "N000 G21 HP=4 M109 M90",
                   "N000 CALL OUGC  (GRAPHIC DATA)", "\t"}
            << QStringList {"\t", "N000 M91", "NEND M02"};
        QTest::newRow("measuringAndToolGroups")
            << "measure groups"
            << QStringList {"NMAX G50 S2500", "N000 G00 X500 Z500",
                   "N000 CALL OUGC  (GRAPHIC DATA)", "\t"}
            << QStringList {"\t", "N000 CALL OMSSF", "N000 CALL OCNCK", "N000 M100", "N000 TLID",
                   "NEND M02"};
        QTest::newRow("twoSaddles")
            << "bturret panel"
            << QStringList {"G13 (-----< A:TURRET >-----)", "NMAX G50 S2500", "N000 G00 X500 Z500",
                   "N000 CALL OPCHK (PANEL CHECK)", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"}
            << QStringList {"\t", "\t", "G14 (-----< B:TURRET >-----)", "NMAX G50 S2500",
                   "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)", "", "", "\t", "NEND M02"};
        // The B turret goes home by coordinates even on a Duomill machine.
        QTest::newRow("everything")
            << "bturret duomill panel door measure groups"
            << QStringList {"G13 (-----< A:TURRET >-----)", "NMAX G50 S2500",
                   "N000 G21 HP=4 M109 M90", "N000 CALL OPCHK (PANEL CHECK)",
                   "N000 CALL OUGC  (GRAPHIC DATA)", "\t"}
            << QStringList {"\t", "\t", "N000 CALL OMSSF", "N000 M100", "N000 TLID", "\t",
                   "G14 (-----< B:TURRET >-----)", "NMAX G50 S2500", "N000 G00 X500 Z500 M90",
                   "N000 CALL OPCHK (PANEL CHECK)", "", "", "\t", "N000 CALL OMSSF",
                   "N000 CALL OCNCK", "N000 M100", "N000 TLID", "N000 M91", "NEND M02"};
        QTest::newRow("twoSaddlesWithoutPanelCheck")
            << "bturret door"
            << QStringList {"G13 (-----< A:TURRET >-----)", "NMAX G50 S2500",
                   "N000 G00 X500 Z500 M90", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"}
            << QStringList {"\t", "\t", "G14 (-----< B:TURRET >-----)", "NMAX G50 S2500",
                   "N000 G00 X500 Z500 M90", "", "", "\t", "N000 M91", "NEND M02"};
    }
    void frame()
    {
        QFETCH(QString, options);
        QFETCH(QStringList, start);
        QFETCH(QStringList, rest);
        Module1 m = machine(options);
        const ProgramFrameText frame = BuildProgramFrame(m);
        QCOMPARE(frame.start, lines(start));
        QCOMPARE(frame.rest, lines(rest));
    }

    void speedLimitAndHomeKeepTheirDecimals()
    {
        Module1 m = machine(QString(), 1234.1f, 450.25, -12.5);
        QCOMPARE(BuildProgramFrame(m).start,
            lines({"NMAX G50 S1234.1", "N000 G00 X450.25 Z-12.5", "N000 CALL OUGC  (GRAPHIC DATA)",
                "\t"}));
        // The limit keeps its rounding to three decimals.
        m.gMaxS = 2500.5678f;
        QVERIFY(BuildProgramFrame(m).start.startsWith(QLatin1String("NMAX G50 S2500.567\r\n")));
        QCOMPARE(m.gMaxS, 2500.567f);
    }

    void graphicData_data()
    {
        QTest::addColumn<MaterialFields>("fields");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("outsideGripMainSpindle")
            << material("0", "20", "15", "100", "60", "")
            << QStringList {"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                   "NOEX VCHKX=60 VCHKZ=-100", "NOEX VCHKD=15 VCHKL=20", "NOEX VWKR=9999",
                   "N000 CLEAR", "N000 DEF WORK", "N000 PS RC,[0,0],[100,60]", "N000 END",
                   "N000 DRAW", "NRTS RTS"};

        // Length and diameters are taken as whole numbers; gripping inside chucks on the bore.
        MaterialFields inside = material("2.5", "25.5", "10", "80.9", "70.6", "30.7");
        inside.gripOutside = false;
        inside.subSpindle = true;
        inside.planDrawing = true;
        QTest::newRow("insideGripSubSpindlePlanDrawing")
            << inside
            << QStringList {"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                   "NOEX VCHKX=30 VCHKZ=-77.5", "NOEX VCHKD=10 VCHKL=25.5", "N000 CLEAR",
                   "N000 DEF WORK[S]", "N000 PS RC,[2,0],[80,70]", "N000 PS RC,[2.5,0],[80,30],0",
                   "N000 END", "N000 DEF WORKF[S]", "N000 PF 0,[0,0],70,D",
                   "N000 PF 0,[0,0],30,D,0", "N000 PO [0,15]", "N000 CI [0,0],[0,-15],R,0",
                   "N000 END", "N000 DRAW", "NRTS RTS"};

        MaterialFields tailstock = material("0", "30", "12", "200", "50mm", "");
        tailstock.tailstock = true;
        tailstock.text[8] = "30";
        tailstock.text[7] = "40";
        tailstock.text[6] = "6.5";
        QTest::newRow("tailstock")
            << tailstock
            << QStringList {"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                   "NOEX VCHKX=50 VCHKZ=-200", "NOEX VCHKD=12 VCHKL=30", "NOEX VTSDA=6.5 VTSDB=40",
                   "NOEX VTSL=30 VWKR=0", "N000 CLEAR", "N000 DEF WORK",
                   "N000 PS RC,[0,0],[200,50]", "N000 END", "N000 DRAW", "NRTS RTS"};

        MaterialFields tailstockSub = tailstock;
        tailstockSub.subSpindle = true;
        tailstockSub.text[9] = "-1.5";
        QTest::newRow("tailstockOnSubSpindle_negativeZero")
            << tailstockSub
            << QStringList {"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                   "NOEX VCHKX=50 VCHKZ=-201.5", "NOEX VCHKD=12 VCHKL=30",
                   "NOEX VTSDA=6.5 VTSDB=40", "NOEX VTSL=30 VWKR=-1.5", "N000 CLEAR",
                   "N000 DEF WORK[S]", "N000 PS RC,[-1,0],[200,50]", "N000 END", "N000 DRAW",
                   "NRTS RTS"};

        MaterialFields subWithoutBore = material("0.1", "20", "15", "50", "40", "0");
        subWithoutBore.subSpindle = true;
        subWithoutBore.planDrawing = true;
        QTest::newRow("subSpindleNoTailstock_noVwkr_noBore")
            << subWithoutBore
            << QStringList {"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                   "NOEX VCHKX=40 VCHKZ=-49.9", "NOEX VCHKD=15 VCHKL=20", "N000 CLEAR",
                   "N000 DEF WORK[S]", "N000 PS RC,[0,0],[50,40]", "N000 END", "N000 DEF WORKF[S]",
                   "N000 PF 0,[0,0],40,D", "N000 END", "N000 DRAW", "NRTS RTS"};

        MaterialFields oddBore = material("0", "20", "15", "60", "45", "25");
        oddBore.planDrawing = true;
        QTest::newRow("oddBoreRadiusTruncated")
            << oddBore
            << QStringList {"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                   "NOEX VCHKX=45 VCHKZ=-60", "NOEX VCHKD=15 VCHKL=20", "NOEX VWKR=9999",
                   "N000 CLEAR", "N000 DEF WORK", "N000 PS RC,[0,0],[60,45]",
                   "N000 PS RC,[0,0],[60,25],0", "N000 END", "N000 DEF WORKF",
                   "N000 PF 0,[0,0],45,D", "N000 PF 0,[0,0],25,D,0", "N000 PO [0,12]",
                   "N000 CI [0,0],[0,-12],R,0", "N000 END", "N000 DRAW", "NRTS RTS"};
    }
    void graphicData()
    {
        QFETCH(MaterialFields, fields);
        QFETCH(QStringList, expected);
        Module1 m;
        ReadMaterialFields(m, fields);
        BuildGraphicData(m, fields);
        QCOMPARE(m.gProcessText, lines(expected));
    }

    void materialValues()
    {
        Module1 m;
        ReadMaterialFields(m, material("-2.75", "30.5", "12.25", "120.9", "65.99", "20.5x"));
        QCOMPARE(m.gPZero, -2.75);
        QCOMPARE(m.gJawLength, 30.5);
        QCOMPARE(m.gJawPlan, 12.25);
        QCOMPARE(m.gMaterialLength, 120.0);
        QCOMPARE(m.gMaterialOD, 65.0);
        QCOMPARE(m.gInnerDia, 20.0);
    }
};

QTEST_GUILESS_MAIN(ProgramFrameTest)
#include "ProgramFrameTest.moc"
