#include "common/Module1.h"
#include "common/RuntimeError.h"
#include "process/core/MachineParameters.h"
#include "process/core/ProcessBlock.h"
#include "process/core/ProcessFields.h"

#include <QTest>

// The pieces every generator shares: ATC ready-requests, tool words, pre-fill and read-back of
// the process dialog, the stored machine parameters.
class ProcessFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void atcReadyRequest_data()
    {
        QTest::addColumn<bool>("duomill");
        QTest::addColumn<bool>("toolGroups");
        QTest::addColumn<int>("turretType");
        QTest::addColumn<QString>("macro");
        QTest::addColumn<double>("tool");
        QTest::addColumn<QString>("lTool");
        QTest::addColumn<QString>("mTool");
        QTest::newRow("noDuomill_nothing") << false << false << 2 << "M421" << 5.0 << ""
                                           << "";
        QTest::newRow("noDuomillWithGroups_nothing") << false << true << 1 << "M421" << 5.0 << ""
                                                     << "";
        QTest::newRow("numbers_turretH2")
            << true << false << 2 << "M421" << 5.0 << "N000 MT=501\r\nN000 M421\r\n"
            << "N000 MT=503\r\nN000 M421\r\n";
        QTest::newRow("numbers_turretH1")
            << true << false << 1 << "M441" << 12.0 << "N000 MT=1201\r\nN000 M441\r\n"
            << "N000 MT=1201\r\nN000 M441\r\n";
        QTest::newRow("groups_turretH2")
            << true << true << 2 << "M321" << 7.0 << "N000 MT=1 TG=7\r\nN000 M321\r\n"
            << "N000 MT=3 TG=7\r\nN000 M321\r\n";
        QTest::newRow("groups_turretH1")
            << true << true << 1 << "M421" << 7.0 << "N000 MT=1 TG=7\r\nN000 M421\r\n"
            << "N000 MT=1 TG=7\r\nN000 M421\r\n";
    }
    void atcReadyRequest()
    {
        QFETCH(bool, duomill);
        QFETCH(bool, toolGroups);
        QFETCH(int, turretType);
        QFETCH(QString, macro);
        QFETCH(double, tool);
        QFETCH(QString, lTool);
        QFETCH(QString, mTool);
        Module1 m;
        m.gDuomill = duomill;
        m.gTG = toolGroups;
        m.gTurretType = turretType;
        m.gAtcMacroType = macro;
        m.gToolNumber = tool;
        m.gProcessText = QStringLiteral("x\r\n");
        AppendAtcLTool(m);
        QCOMPARE(m.gProcessText, QStringLiteral("x\r\n") + lTool);
        m.gProcessText.clear();
        AppendAtcMTool(m);
        QCOMPARE(m.gProcessText, mTool);
    }

    void toolWord_data()
    {
        QTest::addColumn<bool>("duomill");
        QTest::addColumn<bool>("toolGroups");
        QTest::addColumn<double>("tool");
        QTest::addColumn<QString>("twice");
        QTest::addColumn<QString>("thrice");
        QTest::newRow("turret") << false << false << 5.0 << " T0505"
                                << " T050505";
        QTest::newRow("duomill") << true << false << 5.0 << " TL=0505"
                                 << " TL=050505";
        QTest::newRow("groupsWithoutDuomill") << false << true << 5.0 << " TG=5 OG=1"
                                              << " TG=5 OG=1";
        QTest::newRow("groupsOnDuomill") << true << true << 15.0 << " TG=15 OG=1"
                                         << " TG=15 OG=1";
        QTest::newRow("twoDigitTool") << false << false << 12.0 << " T1212"
                                      << " T121212";
        QTest::newRow("fractionFloored") << false << false << 3.7 << " T0303"
                                         << " T030303";
    }
    void toolWord()
    {
        QFETCH(bool, duomill);
        QFETCH(bool, toolGroups);
        QFETCH(double, tool);
        QFETCH(QString, twice);
        QFETCH(QString, thrice);
        Module1 m;
        m.gDuomill = duomill;
        m.gTG = toolGroups;
        m.gToolNumber = tool;
        QCOMPARE(ToolWord(m, 2), twice);
        m.gToolNumber = tool;
        QCOMPARE(ToolWord(m, 3), thrice);
    }

    void atcMenuText()
    {
        Module1 m;
        QCOMPARE(AtcRequestText(m, 1), QStringLiteral("N000 MT=1"));
        QCOMPARE(AtcRequestText(m, 3), QStringLiteral("N000 MT=3"));
        m.gTG = true;
        QCOMPARE(AtcRequestText(m, 1), QStringLiteral("N000 MT=1 TG="));
        QCOMPARE(AtcRequestText(m, 3), QStringLiteral("N000 MT=3 TG="));
    }

    void toolDataOnlyWhenToolsComeFromOutside()
    {
        Module1 m;
        m.gToolNumber = 5;
        m.gToolFrom = false;
        AddToolData(m, {{"IN", QStringLiteral("22")}});
        QVERIFY(m.gProcessText.isEmpty());
        m.gToolFrom = true;
        AddToolData(m, {{"IN", QStringLiteral("22")}, {"FN", QStringLiteral("1")}});
        QCOMPARE(m.gProcessText, QStringLiteral("NOEX VTLIN[5]=22 VTLFN[5]=1\r\n"));
    }

    void returnHomeOrByG21()
    {
        Module1 m;
        const Variant homeAsRead(QStringLiteral("450.5")); // as read from the settings store
        m.gHomeX = homeAsRead;
        m.gHomeZ = 300.0;
        m.gAppX = 180.0;
        AddReturn(m, QStringLiteral("N000     X"), QStringLiteral(" M63"));
        QCOMPARE(m.gProcessText, QStringLiteral("N000     X450.5 Z300 M63\r\n"));
        m.gProcessText.clear();
        m.gDuomill = true;
        AddReturn(m, QStringLiteral("N000 G00 X"));
        QCOMPARE(m.gProcessText, QStringLiteral("N000 G00 X180\r\nN000 G21 HP=4 M05 M63 M09\r\n"));
    }

    void preset_data()
    {
        QTest::addColumn<QString>("spindle");
        QTest::addColumn<QString>("coolant");
        QTest::addColumn<bool>("cw");
        QTest::addColumn<bool>("on");
        QTest::newRow("forwardOn") << "0"
                                   << "1" << true << true;
        QTest::newRow("reverseOff") << "1"
                                    << "0" << false << false;
        QTest::newRow("anyNonZeroIsReverse") << "2"
                                             << "1" << false << true;
        QTest::newRow("coolantOnlyOnForOne") << "0"
                                             << "2" << true << false;
        QTest::newRow("decimalsAndBlanks") << " 0.0 "
                                           << "1.0" << true << true;
    }
    void preset()
    {
        QFETCH(QString, spindle);
        QFETCH(QString, coolant);
        QFETCH(bool, cw);
        QFETCH(bool, on);
        Module1 m;
        const QStringList cells
            = {"", "1", "Drill", "9", spindle, coolant, "22", "0.12", "8", "0", "10", "0", "0.5"};
        for (int c = 0; c < 13; ++c)
            m.gCutCond[1][c] = cells[c];
        const ProcessFields p = CutConditionPreset(m, 1);
        QCOMPARE(p.spindleCW, cw);
        QCOMPARE(p.coolantON, on);
        QCOMPARE(p.texts.value("ToolNumber"), QStringLiteral("9"));
        QCOMPARE(p.texts.value("V"), QStringLiteral("22"));
        QCOMPARE(p.texts.value("F"), QStringLiteral("0.12"));
        QCOMPARE(p.texts.value("D"), QStringLiteral("8"));
        QCOMPARE(p.texts.value("L"), QStringLiteral("0"));
        QCOMPARE(p.texts.value("U"), QStringLiteral("10"));
        QCOMPARE(p.texts.value("W"), QStringLiteral("0"));
        QCOMPARE(p.texts.value("C"), QStringLiteral("0.5"));
        QVERIFY(!p.texts.contains("StartZ"));
    }

    void presetErrors_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("spindle");
        QTest::addColumn<QString>("coolant");
        QTest::addColumn<int>("error");
        QTest::newRow("nothingLoaded") << 1 << ""
                                       << "" << 13;
        QTest::newRow("spindleNotANumber") << 1 << "CW"
                                           << "1" << 13;
        QTest::newRow("coolantNotANumber") << 1 << "0"
                                           << "ON" << 13;
        QTest::newRow("rowBeyondTable") << 51 << "0"
                                        << "1" << 9;
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
        try {
            CutConditionPreset(m, row);
            QFAIL("expected a run-time error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), error);
        }
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
        QCOMPARE(m.gToolNumber, 5.0);
        QCOMPARE(m.gV, 20.0);
        QCOMPARE(m.gF, 0.1);
        QCOMPARE(m.gU, 0.0);
        QCOMPARE(m.gD, 0.0); // an empty field counts as 0
        QCOMPARE(m.gStartZ, -2.5);
        QCOMPARE(m.gEndZ, -30.0);
        QCOMPARE(m.gC, 0.5);
        QCOMPARE(m.gB, 45.0);
        QCOMPARE(m.gSZ, 10.0);
        QCOMPARE(m.gSpindleCode, QStringLiteral(" M04 M63"));
        QCOMPARE(m.gCoolantCode, QStringLiteral(" M09"));
        QCOMPARE(m.gSpindleSpeed, 777.0);
        f.spindleCW = true;
        f.coolantON = true;
        ReadProcessFields(m, f);
        QCOMPARE(m.gSpindleCode, QStringLiteral(" M03 M63"));
        QCOMPARE(m.gCoolantCode, QStringLiteral(" M08"));
    }

    void singleValueIsTheTypedDecimal()
    {
        QCOMPARE(SingleValue(1234.1f), 1234.1);
        QCOMPARE(SingleValue(2500.0f), 2500.0);
        QCOMPARE(SingleValue(0.3f), 0.3);
    }
};

QTEST_GUILESS_MAIN(ProcessFrameTest)
#include "ProcessFrameTest.moc"
