#include "TestSupport.h"

#include "common/Module1.h"
#include "process/core/ProcessBlock.h"
#include "process/core/ProcessFields.h"
#include "process/generators/MillProcesses.h"

#include <QTest>

// The pieces every generator shares, beyond the golden cases (tests/process/golden): the ATC menu
// text, tool words, the return home and the pre-fill and read-back of the process dialog.
class ProcessFrameTest : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::addColumn<bool>("duomill");
        QTest::addColumn<bool>("groups");
        QTest::addColumn<double>("tool");
        QTest::addColumn<QString>("twice");
        QTest::addColumn<QString>("thrice");
        const auto row = [](const char* name, bool duomill, bool groups, double tool,
                             const char* twice, const char* thrice) {
            QTest::newRow(name) << duomill << groups << tool << QString::fromLatin1(twice)
                                << QString::fromLatin1(thrice);
        };
        row("turret", false, false, 5, " T0505", " T050505");
        row("duomill", true, false, 5, " TL=0505", " TL=050505");
        row("groupsWithoutDuomill", false, true, 5, " TG=5 OG=1", " TG=5 OG=1");
        row("groupsOnDuomill", true, true, 15, " TG=15 OG=1", " TG=15 OG=1");
        row("twoDigitTool", false, false, 12, " T1212", " T121212");
        row("fractionFloored", false, false, 3.7, " T0303", " T030303");
    }
    void toolWord()
    {
        QFETCH(bool, duomill);
        QFETCH(bool, groups);
        QFETCH(double, tool);
        for (const int repeats : {2, 3}) {
            Module1 m; // afresh: the word floors the tool number in place
            m.gDuomill = duomill;
            m.gTG = groups;
            m.gToolNumber = tool;
            QTEST(ToolWord(m, repeats), repeats == 2 ? "twice" : "thrice");
        }
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

    // A cutting-condition row into the process dialog: the spindle turns backwards unless column 4
    // reads 0, the coolant is on when column 5 reads 1; cells that are no numbers (nothing
    // loaded) are the type-mismatch error, a row beyond the table the subscript error.
    void preset_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("spindle");
        QTest::addColumn<QString>("coolant");
        QTest::addColumn<QString>("choices"); // or the error number
        const auto row = [](const char* name, int row, const char* spindle, const char* coolant,
                             const char* choices) {
            QTest::newRow(name) << row << QString::fromLatin1(spindle)
                                << QString::fromLatin1(coolant) << QString::fromLatin1(choices);
        };
        row("forwardOn", 1, "0", "1", "cw on");
        row("reverseOff", 1, "1", "0", "ccw off");
        row("anyNonZeroIsReverse", 1, "2", "1", "ccw on");
        row("coolantOnlyOnForOne", 1, "0", "2", "cw off");
        row("decimalsAndBlanks", 1, " 0.0 ", "1.0", "cw on");
        row("nothingLoaded", 1, "", "", "13");
        row("spindleNotANumber", 1, "CW", "1", "13");
        row("coolantNotANumber", 1, "0", "ON", "13");
        row("rowBeyondTable", 51, "0", "1", "9");
    }
    void preset()
    {
        QFETCH(int, row);
        QFETCH(QString, spindle);
        QFETCH(QString, coolant);
        QFETCH(QString, choices);
        Module1 m;
        const QStringList cells
            = {"", "1", "Drill", "9", spindle, coolant, "22", "0.12", "8", "0", "10", "0", "0.5"};
        for (int c = 0; row < Module1::kCutCondRows && c < Module1::kCutCondColumns; ++c)
            m.gCutCond[row][c] = cells[c];
        ProcessFields p;
        const int error = RuntimeErrorOf([&] { p = CutConditionPreset(m, row); });
        if (error) {
            QCOMPARE(QString::number(error), choices);
            return;
        }
        QCOMPARE(
            QStringLiteral("%1 %2").arg(p.spindleCW ? "cw" : "ccw", p.coolantON ? "on" : "off"),
            choices);
        QStringList texts;
        for (const char* field : {"ToolNumber", "V", "F", "D", "L", "U", "W", "C"})
            texts << p.texts.value(QLatin1String(field));
        QCOMPARE(texts, (QStringList {"9", "22", "0.12", "8", "0", "10", "0", "0.5"}));
        QVERIFY(!p.texts.contains("StartZ"));
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
