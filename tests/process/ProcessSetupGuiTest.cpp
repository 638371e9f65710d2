#include "ProcessGuiSupport.h"
#include "app/SettingsStore.h"
#include "documents/NcTextBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>

// The Process menu, the machine parameters dialog and what the parameters do to the menu and to
// the settings store.
class ProcessSetupGuiTest : public QObject
{
    Q_OBJECT

    static QStringList captions(QMenu* menu)
    {
        QStringList list;
        for (QAction* a : menu->actions())
            list.append(a->text());
        return list;
    }

    static QString stored(const char* key)
    {
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        return settings.value(QStringLiteral("Parameter/") + QLatin1String(key)).toString();
    }

    static bool shown(frmMain* main, const char* control)
    {
        return main->action(QLatin1String(control))->isVisible();
    }

private slots:
    void processMenuStructure()
    {
        frmMain* main = StartWithDocument();
        QMenu* process = main->menu(QStringLiteral("Process"));
        QCOMPARE(process->title(), QStringLiteral("Process(&P)"));
        QCOMPARE(captions(process),
            QStringList({" Material Input ", " Drill ", " GROV ", " FIN ", " Groove ", " Thread ",
                " M-axis  Drill ", " M-axis  Tap ", " M-axis planet Tap ", " M-axis  Key way ",
                " M-axis milling", " M-axis endmill circle ", "In-process  measurement ",
                "ATC  Ready-request ", "Prosess setting "}));
        QCOMPARE(captions(main->action("ProcessDrill")->menu()), QStringList({"Hiss", "corbyte"}));
        QCOMPARE(captions(main->action("ProcessGROV")->menu()),
            QStringList({" UTV. ", "  INV. ", " PLAN ", " PLAN + UTV. "}));
        QCOMPARE(captions(main->action("ProcessMPlanetTap")->menu()),
            QStringList({" PLAN ", " Side ", " Slant "}));
        QCOMPARE(captions(main->action("ProcessMeasuer")->menu()),
            QStringList({"  INV.  measurement ", " UTV.  measurement ", "Zero  setting ",
                " post-process gauging "}));
        QCOMPARE(captions(main->action("ProcessMeasuerZero")->menu()),
            QStringList({" C-axis ", " Z-axis "}));
        QCOMPARE(captions(main->action("ProcessMT")->menu()), QStringList({"L Tool", "M Tool"}));
        for (const char* on : {"ProcessUGC", "ProcessDrillHss", "ProcessDrillU", "ProcessMT1",
                 "ProcessMT3", "ProcessSetup", "ProcessGroovePLAN", "ProcessGrooveOD",
                 "ProcessGrooveID", "ProcessThreadPLAN", "ProcessThreadOD", "ProcessThreadID"})
            QVERIFY2(main->action(QLatin1String(on))->isEnabled(), on);
        // The items that never have an action.
        for (const char* off : {"ProcessMPlanetTapPLAN", "ProcessMPlanetTapSide",
                 "ProcessMCirclePLAN", "ProcessMCircleSide"})
            QVERIFY2(!main->action(QLatin1String(off))->isEnabled(), off);
    }

    void duomillItemsAtStartUp_data()
    {
        QTest::addColumn<bool>("duomill");
        QTest::newRow("turretLathe") << false;
        QTest::newRow("duomill") << true;
    }
    void duomillItemsAtStartUp()
    {
        QFETCH(bool, duomill);
        StartWithDocument();
        SaveSetting(
            QStringLiteral("Parameter"), QStringLiteral("Duomill"), duomill ? "True" : "False");
        FlushSettings();
        frmMain* main = StartWithDocument(true);
        for (const char* item :
            {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant"})
            QCOMPARE(shown(main, item), duomill);
        // Only the parameters dialog hides these two.
        QVERIFY(shown(main, "ProcessMCircle"));
        QVERIFY(shown(main, "ProcessMPlanetTap"));
        // The parameters dialog loaded at start-up is laid out for the machine.
        auto* setup = main->findChild<QDialog*>(QStringLiteral("frmProcessSetup"));
        QVERIFY(setup);
        QCOMPARE(Control(setup, "txtHomeX")->isVisibleTo(setup), !duomill);
        QCOMPARE(Control(setup, "LabelAppZ")->isVisibleTo(setup), !duomill);
        QCOMPARE(Caption(setup, "LabelAppX"),
            duomill ? QStringLiteral("G21 HP=4") : QStringLiteral("X"));
    }

    void openingShowsTheParameters()
    {
        frmMain* main = StartWithDocument();
        Module1& m = module1();
        m.gMaxS = 3200;
        m.gHomeX = QStringLiteral("450");
        m.gHomeZ = 380.5;
        m.gAppX = 150.0;
        m.gAppZ = 20.0;
        m.gDuomill = true;
        m.gTG = true;
        m.gAutoDoor = true;
        m.gPanelChk = false;
        m.gMeasuer = true;
        m.gBturret = true;
        m.gQCSK500 = false;
        m.gToolFrom = false;
        m.gLoadMoniter = true;
        m.gTurretType = 1;
        m.gAtcMacroType = QStringLiteral("M321");
        ModalScript script;
        script.then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Parameter"));
            QCOMPARE(Control<QLineEdit>(w, "txtMaxS")->text(), QStringLiteral("3200"));
            QCOMPARE(Control<QLineEdit>(w, "txtHomeX")->text(), QStringLiteral("450"));
            QCOMPARE(Control<QLineEdit>(w, "txtHomeZ")->text(), QStringLiteral("380.5"));
            QCOMPARE(Control<QLineEdit>(w, "txtAppX")->text(), QStringLiteral("150"));
            QCOMPARE(Control<QLineEdit>(w, "txtAppZ")->text(), QStringLiteral("20"));
            const QList<QPair<const char*, bool>> boxes
                = {{"ChkDoor", true}, {"ChkPanel", false}, {"ChkMeasuer", true},
                    {"ChkBturret", true}, {"chkToolLife", true}, {"ChkQcs", false},
                    {"ChkDuomill", true}, {"ChkToolFrom", false}, {"ChkLoadMoniter", true}};
            for (const auto& [box, ticked] : boxes)
                QVERIFY2(Control<QCheckBox>(w, box)->isChecked() == ticked, box);
            QVERIFY(Control<QRadioButton>(w, "H1")->isChecked());
            QVERIFY(Control<QRadioButton>(w, "M321")->isChecked());
            QVERIFY(Control(w, "TurretH")->isEnabled());
            QVERIFY(Control(w, "M441")->isEnabled());
            QVERIFY(!Control(w, "txtHomeX")->isVisible());
            QVERIFY(!Control(w, "txtHomeZ")->isVisible());
            QCOMPARE(Caption(w, "LabelAppX"), QStringLiteral("G21 HP=4"));
            QCOMPARE(Caption(w, "LabelApp"), QStringLiteral("Turret Index Pos."));
            QCOMPARE(Caption(w, "Label1"), QStringLiteral("Apploch Position"));
            QCOMPARE(Control<QAbstractButton>(w, "Command1")->text(), QStringLiteral("O  K"));
            Click(w, "Command2");
        });
        Trigger(main, "ProcessSetup");
        QCOMPARE(script.pendingSteps(), 0);
    }

    void duomillSwitchChangesTheLayout()
    {
        frmMain* main = StartWithDocument();
        ModalScript script;
        script.then([](QWidget* w) {
            QVERIFY(Control(w, "txtHomeX")->isVisible());
            QVERIFY(!Control(w, "AtcMacro")->isEnabled());
            QVERIFY(!Control(w, "H2")->isEnabled());
            Click(w, "ChkDuomill");
            QVERIFY(!Control(w, "txtHomeX")->isVisible());
            QVERIFY(!Control(w, "txtHomeZ")->isVisible());
            QVERIFY(!Control(w, "LabelAppZ")->isVisible());
            QCOMPARE(Caption(w, "LabelAppX"), QStringLiteral("G21 HP=4"));
            QVERIFY(Control(w, "AtcMacro")->isEnabled());
            QVERIFY(Control(w, "M321")->isEnabled());
            Click(w, "ChkDuomill");
            QVERIFY(Control(w, "txtHomeX")->isVisible());
            QVERIFY(Control(w, "txtHomeZ")->isVisible());
            QVERIFY(Control(w, "LabelAppZ")->isVisible());
            QCOMPARE(Caption(w, "LabelAppX"), QStringLiteral("X"));
            QVERIFY(!Control(w, "TurretH")->isEnabled());
            Click(w, "Command2");
        });
        Trigger(main, "ProcessSetup");
        QCOMPARE(script.pendingSteps(), 0);
    }

    void okSavesEveryKeyAndSurvivesARestart()
    {
        frmMain* main = StartWithDocument();
        ModalScript script;
        script.then([](QWidget* w) {
            Type(w, "txtMaxS", "3000.5");
            Type(w, "txtHomeX", "420");
            Type(w, "txtHomeZ", "abc"); // no number: 0
            Type(w, "txtAppX", "180.25mm");
            Type(w, "txtAppZ", "");
            Click(w, "ChkDuomill");
            Click(w, "chkToolLife");
            Click(w, "ChkBturret");
            Click(w, "ChkMeasuer");
            Click(w, "ChkDoor");
            Click(w, "ChkPanel"); // was ticked
            Click(w, "ChkQcs"); // was ticked
            Click(w, "ChkToolFrom");
            Click(w, "ChkLoadMoniter");
            Click(w, "H1");
            Click(w, "M441");
            Click(w, "Command1");
        });
        Trigger(main, "ProcessSetup");
        QCOMPARE(script.pendingSteps(), 0);
        const QList<QPair<const char*, const char*>> keys = {{"MaxS", "3000.5"}, {"HomeX", "420"},
            {"HomeZ", "0"}, {"AppX", "180.25"}, {"AppZ", "0"}, {"TG", "True"}, {"QCSK500", "False"},
            {"Duomill", "True"}, {"Bturret", "True"}, {"Measuer", "True"}, {"PanelChk", "False"},
            {"AutoDoor", "True"}, {"TurretType", "1"}, {"AtcMacroType", "M441"},
            {"ToolFrom", "False"}, {"LoadMoniter", "True"}};
        for (const auto& [key, value] : keys)
            QCOMPARE(stored(key), QString::fromLatin1(value));
        QVERIFY(module1().gProcessOk);
        // All six ATC-machine items follow the new machine type at once.
        for (const char* item : {"ProcessMT", "ProcessMDrillSlant", "ProcessMTapSlant",
                 "ProcessMKeySlant", "ProcessMCircle", "ProcessMPlanetTap"})
            QVERIFY2(shown(main, item), item);

        main = StartWithDocument(true);
        const Module1& m = module1();
        QCOMPARE(m.gMaxS, 3000.5f);
        QCOMPARE(m.gHomeX.toNumber(), 420.0);
        QCOMPARE(m.gHomeZ.toNumber(), 0.0);
        QCOMPARE(m.gAppX.toNumber(), 180.25);
        QCOMPARE(m.gAppZ.toNumber(), 0.0);
        QVERIFY(m.gTG);
        QVERIFY(!m.gQCSK500.toBool());
        QVERIFY(m.gDuomill.toBool());
        QVERIFY(m.gBturret.toBool());
        QVERIFY(m.gMeasuer.toBool());
        QVERIFY(!m.gPanelChk.toBool());
        QVERIFY(m.gAutoDoor.toBool());
        QCOMPARE(m.gTurretType, 1);
        QCOMPARE(m.gAtcMacroType, QStringLiteral("M441"));
        QVERIFY(!m.gToolFrom.toBool());
        QVERIFY(m.gLoadMoniter);
        QVERIFY(shown(main, "ProcessMT"));
    }

    void okWithoutChangesRewritesTheSameValues()
    {
        frmMain* main = StartWithDocument();
        ModalScript script;
        script.then([](QWidget* w) { Click(w, "Command1"); });
        Trigger(main, "ProcessSetup");
        const QList<QPair<const char*, const char*>> defaults = {{"MaxS", "2500"}, {"HomeX", "500"},
            {"HomeZ", "500"}, {"AppX", "200"}, {"AppZ", "50"}, {"TG", "False"}, {"QCSK500", "True"},
            {"Duomill", "False"}, {"Bturret", "False"}, {"Measuer", "False"}, {"PanelChk", "True"},
            {"AutoDoor", "False"}, {"TurretType", "2"}, {"AtcMacroType", "M421"},
            {"ToolFrom", "True"}, {"LoadMoniter", "False"}};
        for (const auto& [key, value] : defaults)
            QCOMPARE(stored(key), QString::fromLatin1(value));
    }

    // With the ATC options not selectable the last selected ones are still stored; a macro other
    // than M321 and M421 opens as M441.
    void atcOptionsStoredWhileDisabled()
    {
        frmMain* main = StartWithDocument();
        module1().gAtcMacroType = QStringLiteral("M999");
        module1().gTurretType = 5;
        ModalScript script;
        script.then([](QWidget* w) {
            QVERIFY(!Control(w, "AtcMacro")->isEnabled());
            QVERIFY(Control<QRadioButton>(w, "M441")->isChecked());
            QVERIFY(Control<QRadioButton>(w, "H2")->isChecked());
            Click(w, "Command1");
        });
        Trigger(main, "ProcessSetup");
        QCOMPARE(stored("AtcMacroType"), QStringLiteral("M441"));
        QCOMPARE(stored("TurretType"), QStringLiteral("2"));
    }

    void cancelAndCloseBoxChangeNothingButReapplyTheMenus_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("cancelButton") << false;
        QTest::newRow("closeBox") << true;
    }
    void cancelAndCloseBoxChangeNothingButReapplyTheMenus()
    {
        QFETCH(bool, closeBox);
        frmMain* main = StartWithDocument();
        module1().gDuomill = true; // in memory only
        ModalScript script;
        script.then([closeBox](QWidget* w) {
            Type(w, "txtMaxS", "999");
            Click(w, "ChkDuomill");
            if (closeBox)
                w->close();
            else
                Click(w, "Command2");
        });
        Trigger(main, "ProcessSetup");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(module1().gMaxS, 2500.0f);
        QVERIFY(module1().gDuomill.toBool());
        QVERIFY(!module1().gProcessOk);
        QVERIFY(stored("MaxS").isEmpty());
        for (const char* item :
            {"ProcessMT", "ProcessMCircle", "ProcessMPlanetTap", "ProcessMKeySlant"})
            QVERIFY2(shown(main, item), item);
    }

    void boxesSelectTheirTextOnFocus()
    {
        frmMain* main = StartWithDocument();
        ModalScript script;
        script.then([](QWidget* w) {
            auto* maxS = Control<QLineEdit>(w, "txtMaxS");
            maxS->setFocus();
            QTRY_COMPARE(maxS->selectedText(), QStringLiteral("2500"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtHomeX"));
            QTRY_COMPARE(Control<QLineEdit>(w, "txtHomeX")->selectedText(), QStringLiteral("500"));
            Click(w, "Command2");
        });
        Trigger(main, "ProcessSetup");
        QCOMPARE(script.pendingSteps(), 0);
    }

    void atcReadyRequestItems_data()
    {
        QTest::addColumn<bool>("toolGroups");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("lTool") << false << "ProcessMT1"
                               << "N000 MT=1";
        QTest::newRow("mTool") << false << "ProcessMT3"
                               << "N000 MT=3";
        QTest::newRow("lToolGroups") << true << "ProcessMT1"
                                     << "N000 MT=1 TG=";
        QTest::newRow("mToolGroups") << true << "ProcessMT3"
                                     << "N000 MT=3 TG=";
    }
    void atcReadyRequestItems()
    {
        QFETCH(bool, toolGroups);
        QFETCH(QString, item);
        QFETCH(QString, text);
        frmMain* main = StartWithDocument();
        module1().gTG = toolGroups;
        ActiveText()->setWholeText(QStringLiteral("AB"));
        ActiveText()->setSelStart(1);
        Trigger(main, item);
        QCOMPARE(ActiveText()->Text(), QLatin1Char('A') + text + QLatin1Char('B'));
        QCOMPARE(ActiveText()->SelStart(), 1 + text.size());
    }

    void atcReadyRequestWithoutDocument()
    {
        frmMain* main = StartWithDocument();
        CloseActiveDocumentDiscardingChanges();
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        Trigger(main, "ProcessMT1");
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].title, QStringLiteral(" error  91"));
        QCOMPARE(script.messages()[0].text, QStringLiteral("Not file open. Can not insert."));
    }
};

CORVANE_TEST_MAIN(ProcessSetupGuiTest)
#include "ProcessSetupGuiTest.moc"
