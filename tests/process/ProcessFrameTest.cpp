#include "TestSupport.h"

#include "common/Module1.h"
#include "process/core/ProcessBlock.h"
#include "process/core/ProcessFields.h"
#include "process/core/ProgramFrame.h"
#include "process/generators/MillProcesses.h"

#include <QTest>

Q_DECLARE_METATYPE(MaterialFields)

namespace {
QString lines(const QStringList& list)
{
    return list.isEmpty() ? QString() : list.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

// The machine options as words: bturret duomill panel door measure groups, and turret=, macro=
// and tool= for the turret type, the ATC macro and the tool number.
Module1 machine(const QString& options)
{
    Module1 m;
    const QStringList o = options.split(u' ', Qt::SkipEmptyParts);
    m.gBturret = o.contains(u"bturret");
    m.gDuomill = o.contains(u"duomill");
    m.gPanelChk = o.contains(u"panel");
    m.gAutoDoor = o.contains(u"door");
    m.gMeasuer = o.contains(u"measure");
    m.gTG = o.contains(u"groups");
    for (const QString& word : o) {
        if (word.startsWith(u"turret="))
            m.gTurretType = word.mid(7).toInt();
        else if (word.startsWith(u"macro="))
            m.gAtcMacroType = word.mid(6);
        else if (word.startsWith(u"tool="))
            m.gToolNumber = word.mid(5).toDouble();
    }
    return m;
}

// The material dialog: P-Zero, jaw length, jaw plan, length, outside and inside diameter, and
// for the tailstock its length and two diameters; the choices as words: inside sub tailstock plan.
MaterialFields material(const QStringList& texts, const QString& choices = {})
{
    MaterialFields f;
    const int field[] = {9, 1, 2, 3, 5, 4, 8, 7, 6};
    for (int i = 0; i < texts.size(); ++i)
        f.text[field[i]] = texts[i];
    f.gripOutside = !choices.contains(u"inside");
    f.subSpindle = choices.contains(u"sub");
    f.tailstock = choices.contains(u"tailstock");
    f.planDrawing = choices.contains(u"plan");
    return f;
}
} // namespace

// The pieces every generator shares: the program frame and graphic data of the material input,
// ATC ready-requests, tool words, the return home and the pre-fill and read-back of the process
// dialog.
class ProcessFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void frame_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<QStringList>("rest");
        const auto row
            = [](const char* name, const char* options, QStringList start, QStringList rest) {
                  QTest::newRow(name) << QString::fromLatin1(options) << start << rest;
              };
        row("panelCheckOnly", "panel",
            {"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)",
                "N000 CALL OUGC  (GRAPHIC DATA)", "\t"},
            {"\t", "NEND M02"});
        row("nothing", "",
            {"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"},
            {"\t", "NEND M02"});
        row("duomillStartsByG21_doorOpens", "duomill door",
            {"NMAX G50 S2500", "N000 G21 HP=4 M109 M90", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"},
            {"\t", "N000 M91", "NEND M02"});
        row("measuringAndToolGroups", "measure groups",
            {"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"},
            {"\t", "N000 CALL OMSSF", "N000 CALL OCNCK", "N000 M100", "N000 TLID", "NEND M02"});
        row("twoSaddles", "bturret panel",
            {"G13 (-----< A:TURRET >-----)", "NMAX G50 S2500", "N000 G00 X500 Z500",
                "N000 CALL OPCHK (PANEL CHECK)", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"},
            {"\t", "\t", "G14 (-----< B:TURRET >-----)", "NMAX G50 S2500", "N000 G00 X500 Z500",
                "N000 CALL OPCHK (PANEL CHECK)", "", "", "\t", "NEND M02"});
        // The B turret goes home by coordinates even on a Duomill machine.
        row("everything", "bturret duomill panel door measure groups",
            {"G13 (-----< A:TURRET >-----)", "NMAX G50 S2500", "N000 G21 HP=4 M109 M90",
                "N000 CALL OPCHK (PANEL CHECK)", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"},
            {"\t", "\t", "N000 CALL OMSSF", "N000 M100", "N000 TLID", "\t",
                "G14 (-----< B:TURRET >-----)", "NMAX G50 S2500", "N000 G00 X500 Z500 M90",
                "N000 CALL OPCHK (PANEL CHECK)", "", "", "\t", "N000 CALL OMSSF", "N000 CALL OCNCK",
                "N000 M100", "N000 TLID", "N000 M91", "NEND M02"});
        row("twoSaddlesWithoutPanelCheck", "bturret door",
            {"G13 (-----< A:TURRET >-----)", "NMAX G50 S2500", "N000 G00 X500 Z500 M90",
                "N000 CALL OUGC  (GRAPHIC DATA)", "\t"},
            {"\t", "\t", "G14 (-----< B:TURRET >-----)", "NMAX G50 S2500", "N000 G00 X500 Z500 M90",
                "", "", "\t", "N000 M91", "NEND M02"});
    }
    void frame()
    {
        QFETCH(QString, options);
        Module1 m = machine(options);
        const ProgramFrameText frame = BuildProgramFrame(m);
        QFETCH(QStringList, start);
        QFETCH(QStringList, rest);
        QCOMPARE(frame.start, lines(start));
        QCOMPARE(frame.rest, lines(rest));
    }

    void speedLimitAndHomeKeepTheirDecimals()
    {
        Module1 m = machine(QString());
        m.gMaxS = 1234.1f;
        m.gHomeX = 450.25;
        m.gHomeZ = -12.5;
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
        QTest::addColumn<QStringList>("expected"); // between the head and the end of OUGC
        QTest::newRow("outsideGripMainSpindle")
            << material({"0", "20", "15", "100", "60", ""})
            << QStringList {"NOEX VCHKX=60 VCHKZ=-100", "NOEX VCHKD=15 VCHKL=20", "NOEX VWKR=9999",
                   "N000 CLEAR", "N000 DEF WORK", "N000 PS RC,[0,0],[100,60]", "N000 END"};
        // Length and diameters are taken as whole numbers; gripping inside chucks on the bore.
        QTest::newRow("insideGripSubSpindlePlanDrawing")
            << material({"2.5", "25.5", "10", "80.9", "70.6", "30.7"}, "inside sub plan")
            << QStringList {"NOEX VCHKX=30 VCHKZ=-77.5", "NOEX VCHKD=10 VCHKL=25.5", "N000 CLEAR",
                   "N000 DEF WORK[S]", "N000 PS RC,[2,0],[80,70]", "N000 PS RC,[2.5,0],[80,30],0",
                   "N000 END", "N000 DEF WORKF[S]", "N000 PF 0,[0,0],70,D",
                   "N000 PF 0,[0,0],30,D,0", "N000 PO [0,15]", "N000 CI [0,0],[0,-15],R,0",
                   "N000 END"};
        QTest::newRow("tailstock")
            << material({"0", "30", "12", "200", "50mm", "", "30", "40", "6.5"}, "tailstock")
            << QStringList {"NOEX VCHKX=50 VCHKZ=-200", "NOEX VCHKD=12 VCHKL=30",
                   "NOEX VTSDA=6.5 VTSDB=40", "NOEX VTSL=30 VWKR=0", "N000 CLEAR", "N000 DEF WORK",
                   "N000 PS RC,[0,0],[200,50]", "N000 END"};
        QTest::newRow("tailstockOnSubSpindle_negativeZero")
            << material({"-1.5", "30", "12", "200", "50mm", "", "30", "40", "6.5"}, "tailstock sub")
            << QStringList {"NOEX VCHKX=50 VCHKZ=-201.5", "NOEX VCHKD=12 VCHKL=30",
                   "NOEX VTSDA=6.5 VTSDB=40", "NOEX VTSL=30 VWKR=-1.5", "N000 CLEAR",
                   "N000 DEF WORK[S]", "N000 PS RC,[-1,0],[200,50]", "N000 END"};
        QTest::newRow("subSpindleNoTailstock_noVwkr_noBore")
            << material({"0.1", "20", "15", "50", "40", "0"}, "sub plan")
            << QStringList {"NOEX VCHKX=40 VCHKZ=-49.9", "NOEX VCHKD=15 VCHKL=20", "N000 CLEAR",
                   "N000 DEF WORK[S]", "N000 PS RC,[0,0],[50,40]", "N000 END", "N000 DEF WORKF[S]",
                   "N000 PF 0,[0,0],40,D", "N000 END"};
        QTest::newRow("oddBoreRadiusTruncated")
            << material({"0", "20", "15", "60", "45", "25"}, "plan")
            << QStringList {"NOEX VCHKX=45 VCHKZ=-60", "NOEX VCHKD=15 VCHKL=20", "NOEX VWKR=9999",
                   "N000 CLEAR", "N000 DEF WORK", "N000 PS RC,[0,0],[60,45]",
                   "N000 PS RC,[0,0],[60,25],0", "N000 END", "N000 DEF WORKF",
                   "N000 PF 0,[0,0],45,D", "N000 PF 0,[0,0],25,D,0", "N000 PO [0,12]",
                   "N000 CI [0,0],[0,-12],R,0", "N000 END"};
    }
    void graphicData()
    {
        QFETCH(MaterialFields, fields);
        QFETCH(QStringList, expected);
        Module1 m;
        ReadMaterialFields(m, fields);
        BuildGraphicData(m, fields);
        QCOMPARE(m.gProcessText,
            lines(QStringList {"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC"}
                + expected + QStringList {"N000 DRAW", "NRTS RTS"}));
    }

    void materialValues()
    {
        Module1 m;
        ReadMaterialFields(m, material({"-2.75", "30.5", "12.25", "120.9", "65.99", "20.5x"}));
        QCOMPARE((QList<double> {m.gPZero, m.gJawLength, m.gJawPlan, m.gMaterialLength,
                     m.gMaterialOD, m.gInnerDia}),
            (QList<double> {-2.75, 30.5, 12.25, 120, 65, 20}));
    }

    void atcReadyRequest_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("lTool");
        QTest::addColumn<QString>("mTool");
        const auto row
            = [](const char* name, const char* options, const char* lTool, const char* mTool) {
                  QTest::newRow(name) << QString::fromLatin1(options) << QString::fromLatin1(lTool)
                                      << QString::fromLatin1(mTool);
              };
        row("noDuomill_nothing", "turret=2 macro=M421 tool=5", "", "");
        row("noDuomillWithGroups_nothing", "groups turret=1 macro=M421 tool=5", "", "");
        row("numbers_turretH2", "duomill turret=2 macro=M421 tool=5",
            "N000 MT=501\r\nN000 M421\r\n", "N000 MT=503\r\nN000 M421\r\n");
        row("numbers_turretH1", "duomill turret=1 macro=M441 tool=12",
            "N000 MT=1201\r\nN000 M441\r\n", "N000 MT=1201\r\nN000 M441\r\n");
        row("groups_turretH2", "duomill groups turret=2 macro=M321 tool=7",
            "N000 MT=1 TG=7\r\nN000 M321\r\n", "N000 MT=3 TG=7\r\nN000 M321\r\n");
        row("groups_turretH1", "duomill groups turret=1 macro=M421 tool=7",
            "N000 MT=1 TG=7\r\nN000 M421\r\n", "N000 MT=1 TG=7\r\nN000 M421\r\n");
    }
    void atcReadyRequest()
    {
        QFETCH(QString, options);
        Module1 m = machine(options);
        m.gProcessText = u"x\r\n"_qs;
        AppendAtcLTool(m);
        QTEST(m.gProcessText.mid(3), "lTool");
        QVERIFY(m.gProcessText.startsWith(u"x\r\n"));
        m.gProcessText.clear();
        AppendAtcMTool(m);
        QTEST(m.gProcessText, "mTool");
    }

    void atcMenuText()
    {
        Module1 m;
        QCOMPARE(AtcRequestText(m, 1), u"N000 MT=1"_qs);
        QCOMPARE(AtcRequestText(m, 3), u"N000 MT=3"_qs);
        m.gTG = true;
        QCOMPARE(AtcRequestText(m, 1), u"N000 MT=1 TG="_qs);
        QCOMPARE(AtcRequestText(m, 3), u"N000 MT=3 TG="_qs);
    }

    void toolWord_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("twice");
        QTest::addColumn<QString>("thrice");
        const auto row
            = [](const char* name, const char* options, const char* twice, const char* thrice) {
                  QTest::newRow(name) << QString::fromLatin1(options) << QString::fromLatin1(twice)
                                      << QString::fromLatin1(thrice);
              };
        row("turret", "tool=5", " T0505", " T050505");
        row("duomill", "duomill tool=5", " TL=0505", " TL=050505");
        row("groupsWithoutDuomill", "groups tool=5", " TG=5 OG=1", " TG=5 OG=1");
        row("groupsOnDuomill", "duomill groups tool=15", " TG=15 OG=1", " TG=15 OG=1");
        row("twoDigitTool", "tool=12", " T1212", " T121212");
        row("fractionFloored", "tool=3.7", " T0303", " T030303");
    }
    void toolWord()
    {
        QFETCH(QString, options);
        Module1 m = machine(options);
        QTEST(ToolWord(m, 2), "twice");
        m = machine(options);
        QTEST(ToolWord(m, 3), "thrice");
    }

    void returnHomeOrByG21()
    {
        Module1 m;
        const Variant homeAsRead(u"450.5"_qs); // as read from the settings store
        m.gHomeX = homeAsRead;
        m.gHomeZ = 300.0;
        m.gAppX = 180.0;
        AddReturn(m, u"N000     X"_qs, u" M63"_qs);
        QCOMPARE(m.gProcessText, u"N000     X450.5 Z300 M63\r\n"_qs);
        m.gProcessText.clear();
        m.gDuomill = true;
        AddReturn(m, u"N000 G00 X"_qs);
        QCOMPARE(m.gProcessText, u"N000 G00 X180\r\nN000 G21 HP=4 M05 M63 M09\r\n"_qs);
    }

    void preset_data()
    {
        QTest::addColumn<QString>("spindle");
        QTest::addColumn<QString>("coolant");
        QTest::addColumn<bool>("cw");
        QTest::addColumn<bool>("on");
        const auto row
            = [](const char* name, const char* spindle, const char* coolant, bool cw, bool on) {
                  QTest::newRow(name)
                      << QString::fromLatin1(spindle) << QString::fromLatin1(coolant) << cw << on;
              };
        row("forwardOn", "0", "1", true, true);
        row("reverseOff", "1", "0", false, false);
        row("anyNonZeroIsReverse", "2", "1", false, true);
        row("coolantOnlyOnForOne", "0", "2", true, false);
        row("decimalsAndBlanks", " 0.0 ", "1.0", true, true);
    }
    void preset()
    {
        QFETCH(QString, spindle);
        QFETCH(QString, coolant);
        Module1 m;
        const QStringList cells
            = {"", "1", "Drill", "9", spindle, coolant, "22", "0.12", "8", "0", "10", "0", "0.5"};
        for (int c = 0; c < 13; ++c)
            m.gCutCond[1][c] = cells[c];
        const ProcessFields p = CutConditionPreset(m, 1);
        QTEST(p.spindleCW, "cw");
        QTEST(p.coolantON, "on");
        QStringList texts;
        for (const char* field : {"ToolNumber", "V", "F", "D", "L", "U", "W", "C"})
            texts << p.texts.value(QLatin1String(field));
        QCOMPARE(texts, (QStringList {"9", "22", "0.12", "8", "0", "10", "0", "0.5"}));
        QVERIFY(!p.texts.contains("StartZ"));
    }

    void presetErrors_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("spindle");
        QTest::addColumn<QString>("coolant");
        QTest::addColumn<int>("error");
        const auto row
            = [](const char* name, int row, const char* spindle, const char* coolant, int error) {
                  QTest::newRow(name) << row << QString::fromLatin1(spindle)
                                      << QString::fromLatin1(coolant) << error;
              };
        row("nothingLoaded", 1, "", "", 13);
        row("spindleNotANumber", 1, "CW", "1", 13);
        row("coolantNotANumber", 1, "0", "ON", 13);
        row("rowBeyondTable", 51, "0", "1", 9);
    }
    void presetErrors()
    {
        QFETCH(int, row);
        QFETCH(QString, spindle);
        QFETCH(QString, coolant);
        QFETCH(int, error);
        Module1 m;
        if (row < Module1::kCutCondRows) {
            m.gCutCond[row][4] = spindle;
            m.gCutCond[row][5] = coolant;
        }
        QCOMPARE(RuntimeErrorOf([&] { CutConditionPreset(m, row); }), error);
    }

    // The most depth passes the end-mill circle still builds: one circle a pass and the bottom
    // (one more is run-time error 7, a golden case).
    void circlePassesAreBounded()
    {
        Module1 m;
        m.gV = 80;
        m.gU = m.gEndX = 10;
        m.gD = 0.001;
        m.gEndC = -10.001;
        BuildMCircleSlant(m);
        QCOMPARE(m.gProcessText.count(u"N000 G01 X0 G40"_qs), kMaxCirclePasses + 1);
    }

    void readFields()
    {
        Module1 m;
        m.gSpindleSpeed = 777; // not the dialog's: stays
        ProcessFields f;
        f.texts = {{"ToolNumber", "5"}, {"V", "20m"}, {"F", " 0.1"}, {"U", "abc"},
            {"StartZ", "-2.5"}, {"EndZ", "-30"}, {"C", "0.5"}, {"B", "45"}, {"SZ", "1e1"}};
        f.spindleCW = false;
        f.coolantON = false;
        ReadProcessFields(m, f);
        // An empty field (D) counts as 0.
        QCOMPARE((QList<double> {m.gToolNumber, m.gV, m.gF, m.gU, m.gD, m.gStartZ, m.gEndZ, m.gC,
                     m.gB, m.gSZ, m.gSpindleSpeed}),
            (QList<double> {5, 20, 0.1, 0, 0, -2.5, -30, 0.5, 45, 10, 777}));
        QCOMPARE(m.gSpindleCode + m.gCoolantCode, u" M04 M63 M09"_qs);
        f.spindleCW = true;
        f.coolantON = true;
        ReadProcessFields(m, f);
        QCOMPARE(m.gSpindleCode + m.gCoolantCode, u" M03 M63 M08"_qs);
    }
};

QTEST_GUILESS_MAIN(ProcessFrameTest)
#include "ProcessFrameTest.moc"
