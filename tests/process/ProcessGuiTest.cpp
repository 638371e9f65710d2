#include "ProcessGuiSupport.h"
#include "app/SettingsStore.h"
#include "documents/NcTextBox.h"
#include "process/UgcSketch.h"
#include "process/frmProcess.h"
#include "process/generators/ProcessMenu.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

namespace {
QStringList captions(QMenu* menu)
{
    QStringList list;
    for (QAction* a : menu->actions())
        list.append(a->text());
    return list;
}

// The machine parameters in the settings store, as "Key=value" words.
QString storedParameters()
{
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    QStringList words;
    for (const char* key :
        {"MaxS", "HomeX", "HomeZ", "AppX", "AppZ", "TG", "QCSK500", "Duomill", "Bturret", "Measuer",
            "PanelChk", "AutoDoor", "TurretType", "AtcMacroType", "ToolFrom", "LoadMoniter"})
        words << QLatin1String(key) + u'='
                + settings.value(u"Parameter/"_qs + QLatin1String(key)).toString();
    return words.join(u' ');
}

// The blank of the material input: P-Zero 0, jaw length 20 and plan 15, 100 long, 60 across.
void typeBlank(QWidget* w)
{
    Type(w, "Text9", "0");
    Type(w, "Text1", "20");
    Type(w, "Text2", "15");
    Type(w, "Text3", "100");
    Type(w, "Text5", "60");
}

SketchLine* sketchLine(QWidget* dialog, int number)
{
    return Control<UgcSketch>(dialog, "Sketch")->line(number);
}

const char* const kAtcMachineItems[] = {"ProcessMT", "ProcessMDrillSlant", "ProcessMTapSlant",
    "ProcessMKeySlant", "ProcessMCircle", "ProcessMPlanetTap"};
} // namespace

// The Process menu and its dialogs on a real document: the machine parameters and what they do
// to the menu and the settings store, the material input with its program frame and graphic
// data, and the drilling generators through the process dialog.
class ProcessGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    bool shown(const char* control) const
    {
        return m_main->action(QLatin1String(control))->isVisible();
    }

    // The drilling tests work on the carbon-steel table with P-Zero at 2.
    static void useSteelTable()
    {
        LoadConditionFile(u"S45C.CSV"_qs);
        module1().gPZero = 2;
    }

    // Runs the command and answers the modal dialog it opens.
    void answer(const QString& command, const std::function<void(QWidget*)>& step)
    {
        ModalScript script;
        script.then(step);
        Trigger(m_main, command);
        QVERIFY2(script.pendingSteps() == 0, qPrintable(command));
    }

private slots:
    void init() { m_main = StartWithDocument(); }

    void processMenuStructure()
    {
        QMenu* process = m_main->menu(u"Process"_qs);
        QCOMPARE(process->title(), u"Process(&P)"_qs);
        QCOMPARE(captions(process),
            QStringList({" Material Input ", " Drill ", " GROV ", " FIN ", " Groove ", " Thread ",
                " M-axis  Drill ", " M-axis  Tap ", " M-axis planet Tap ", " M-axis  Key way ",
                " M-axis milling", " M-axis endmill circle ", "In-process  measurement ",
                "ATC  Ready-request ", "Prosess setting "}));
        const auto sub = [this](const char* item) {
            return captions(m_main->action(QLatin1String(item))->menu());
        };
        QCOMPARE(sub("ProcessDrill"), QStringList({"Hiss", "corbyte"}));
        QCOMPARE(sub("ProcessGROV"), QStringList({" UTV. ", "  INV. ", " PLAN ", " PLAN + UTV. "}));
        QCOMPARE(sub("ProcessMPlanetTap"), QStringList({" PLAN ", " Side ", " Slant "}));
        QCOMPARE(sub("ProcessMeasuer"),
            QStringList({"  INV.  measurement ", " UTV.  measurement ", "Zero  setting ",
                " post-process gauging "}));
        QCOMPARE(sub("ProcessMeasuerZero"), QStringList({" C-axis ", " Z-axis "}));
        QCOMPARE(sub("ProcessMT"), QStringList({"L Tool", "M Tool"}));
        for (const char* on : {"ProcessUGC", "ProcessDrillHss", "ProcessDrillU", "ProcessGROVOD",
                 "ProcessFINID", "ProcessThreadPLAN", "ProcessMDrillPLAN", "ProcessMeasuerOutside",
                 "ProcessMT1", "ProcessMT3", "ProcessSetup"})
            QVERIFY2(m_main->action(QLatin1String(on))->isEnabled(), on);
        // The items that never have an action: triggered anyway, they open nothing.
        for (const char* off : {"ProcessMPlanetTapPLAN", "ProcessMPlanetTapSide",
                 "ProcessMCirclePLAN", "ProcessMCircleSide"}) {
            QVERIFY2(!m_main->action(QLatin1String(off))->isEnabled(), off);
            Trigger(m_main, QLatin1String(off));
            QVERIFY(!QApplication::activeModalWidget());
        }
        QVERIFY(ActiveText()->Text().isEmpty());
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
        SaveSetting(u"Parameter"_qs, u"Duomill"_qs, duomill ? "True" : "False");
        FlushSettings();
        m_main = StartWithDocument(true);
        for (const char* item :
            {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant"})
            QCOMPARE(shown(item), duomill);
        // Only the parameters dialog hides these two.
        QVERIFY(shown("ProcessMCircle") && shown("ProcessMPlanetTap"));
        // The parameters dialog loaded at start-up is laid out for the machine.
        auto* setup = m_main->findChild<QDialog*>(u"frmProcessSetup"_qs);
        QVERIFY(setup);
        QCOMPARE(Control(setup, "txtHomeX")->isVisibleTo(setup), !duomill);
        QCOMPARE(Control(setup, "LabelAppZ")->isVisibleTo(setup), !duomill);
        QCOMPARE(Caption(setup, "LabelAppX"), duomill ? u"G21 HP=4"_qs : u"X"_qs);
    }

    void parametersDialogAndItsDuomillLayout()
    {
        answer("ProcessSetup", [](QWidget* w) {
            const QStringList turret
                = {"frmProcessSetup.windowTitle=Parameter", "LabelApp.text=Turret Index Pos.",
                    "Label1.text=Apploch Position", "LabelAppX.text=X", "Command1.text=O  K",
                    "txtHomeX.visible=true", "txtHomeZ.visible=true", "LabelAppZ.visible=true",
                    "AtcMacro.enabled=false", "H2.enabled=false", "TurretH.enabled=false"};
            QCOMPARE(Properties(w, turret), turret);
            // A box selects its text when it takes the focus.
            auto* maxS = Control<QLineEdit>(w, "txtMaxS");
            maxS->setFocus();
            QTRY_COMPARE(maxS->selectedText(), u"2500"_qs);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), u"txtHomeX"_qs);
            QTRY_COMPARE(Control<QLineEdit>(w, "txtHomeX")->selectedText(), u"500"_qs);
            Click(w, "ChkDuomill");
            const QStringList duomill = {"LabelAppX.text=G21 HP=4", "txtHomeX.visible=false",
                "txtHomeZ.visible=false", "LabelAppZ.visible=false", "AtcMacro.enabled=true",
                "M321.enabled=true", "M441.enabled=true", "TurretH.enabled=true"};
            QCOMPARE(Properties(w, duomill), duomill);
            Click(w, "ChkDuomill");
            QCOMPARE(Properties(w, turret), turret);
            Click(w, "Command2");
        });
    }

    // OK stores every parameter as the dialog holds it. Stored values come back at the next
    // start: the dialog then shows them, and OK stores them unchanged.
    void okStoresEveryParameterAndTheyComeBack_data()
    {
        QTest::addColumn<bool>("changeAll");
        QTest::addColumn<QString>("stored");
        QTest::newRow("defaultsUnchanged")
            << false
            << "MaxS=2500 HomeX=500 HomeZ=500 AppX=200 AppZ=50 TG=False QCSK500=True "
               "Duomill=False Bturret=False Measuer=False PanelChk=True AutoDoor=False "
               "TurretType=2 AtcMacroType=M421 ToolFrom=True LoadMoniter=False";
        QTest::newRow("everythingChanged")
            << true
            << "MaxS=3000.5 HomeX=420 HomeZ=0 AppX=180.25 AppZ=0 TG=True QCSK500=False "
               "Duomill=True Bturret=True Measuer=True PanelChk=False AutoDoor=True "
               "TurretType=1 AtcMacroType=M321 ToolFrom=False LoadMoniter=True";
    }
    void okStoresEveryParameterAndTheyComeBack()
    {
        QFETCH(bool, changeAll);
        QFETCH(QString, stored);
        answer("ProcessSetup", [changeAll](QWidget* w) {
            if (changeAll) {
                Type(w, "txtMaxS", "3000.5");
                Type(w, "txtHomeX", "420");
                Type(w, "txtHomeZ", "abc"); // no number: 0
                Type(w, "txtAppX", "180.25mm");
                Type(w, "txtAppZ", "");
                // Every box changes: PanelChk and QCS were ticked.
                for (const char* box :
                    {"ChkDuomill", "chkToolLife", "ChkBturret", "ChkMeasuer", "ChkDoor", "ChkPanel",
                        "ChkQcs", "ChkToolFrom", "ChkLoadMoniter", "H1", "M321"})
                    Click(w, box);
            }
            Click(w, "Command1");
        });
        QCOMPARE(storedParameters(), stored);
        QVERIFY(module1().gProcessOk);
        // All six ATC-machine items follow the machine type at once.
        for (const char* item : kAtcMachineItems)
            QVERIFY2(shown(item) == changeAll, item);

        m_main = StartWithDocument(true);
        QCOMPARE(shown("ProcessMT"), changeAll);
        const Module1& m = module1();
        if (changeAll) {
            QCOMPARE((QList<double> {m.gMaxS, m.gHomeX.toNumber(), m.gHomeZ.toNumber(),
                         m.gAppX.toNumber(), m.gAppZ.toNumber(), double(m.gTurretType)}),
                (QList<double> {3000.5, 420, 0, 180.25, 0, 1}));
            QCOMPARE((QList<bool> {m.gTG, m.gQCSK500.toBool(), m.gDuomill.toBool(),
                         m.gBturret.toBool(), m.gMeasuer.toBool(), m.gPanelChk.toBool(),
                         m.gAutoDoor.toBool(), m.gToolFrom.toBool(), m.gLoadMoniter}),
                (QList<bool> {true, false, true, true, true, false, true, false, true}));
            QCOMPARE(m.gAtcMacroType, u"M321"_qs);
        }
        ModalScript again;
        again.then([](QWidget* w) { Click(w, "Command1"); });
        Trigger(m_main, "ProcessSetup");
        QCOMPARE(storedParameters(), stored);
    }

    // With the ATC options not selectable the last selected ones are still stored; a macro other
    // than M321 and M421 opens as M441.
    void atcOptionsStoredWhileDisabled()
    {
        module1().gAtcMacroType = u"M999"_qs;
        module1().gTurretType = 5;
        answer("ProcessSetup", [](QWidget* w) {
            const QStringList shown
                = {"AtcMacro.enabled=false", "M441.checked=true", "H2.checked=true"};
            QCOMPARE(Properties(w, shown), shown);
            Click(w, "Command1");
        });
        QVERIFY(storedParameters().contains(QLatin1String("TurretType=2 AtcMacroType=M441")));
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
        module1().gDuomill = true; // in memory only
        answer("ProcessSetup", [closeBox](QWidget* w) {
            Type(w, "txtMaxS", "999");
            Click(w, "ChkDuomill");
            if (closeBox)
                w->close();
            else
                Click(w, "Command2");
        });
        QCOMPARE(module1().gMaxS, 2500.0f);
        QVERIFY(module1().gDuomill.toBool());
        QVERIFY(!module1().gProcessOk);
        QVERIFY(storedParameters().startsWith(QLatin1String("MaxS= ")));
        for (const char* item : kAtcMachineItems)
            QVERIFY2(shown(item), item);
    }

    void atcReadyRequestAtTheCaret_data()
    {
        QTest::addColumn<bool>("toolGroups");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("lTool") << false << "ProcessMT1" << u"N000 MT=1"_qs;
        QTest::newRow("mToolGroups") << true << "ProcessMT3" << u"N000 MT=3 TG="_qs;
    }
    void atcReadyRequestAtTheCaret()
    {
        QFETCH(bool, toolGroups);
        QFETCH(QString, item);
        QFETCH(QString, text);
        module1().gTG = toolGroups;
        ActiveText()->setWholeText(u"AB"_qs);
        ActiveText()->setSelStart(1);
        Trigger(m_main, item);
        QCOMPARE(ActiveText()->Text(), u'A' + text + u'B');
        QCOMPARE(ActiveText()->SelStart(), 1 + text.size());
    }

    void materialInputPutsTheFrameAroundTheCaretAndGraphicDataAtTheEnd()
    {
        NcTextBox* text = ActiveText();
        text->setWholeText(u"O1234\r\n(PART)\r\n"_qs);
        text->setSelStart(7);
        answer("ProcessUGC", [](QWidget* w) {
            const QStringList design = {"frmUGC.windowTitle=User Graphic Command",
                "CsvFile.text=" + ConditionFile("S45C.CSV"), "Command1.text=O K",
                "Material.text=Material select"};
            QCOMPARE(Properties(w, design), design);
            typeBlank(w);
            Click(w, "Command1");
        });
        const QString start = Lines({"NMAX G50 S2500", "N000 G00 X500 Z500",
            "N000 CALL OPCHK (PANEL CHECK)", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"});
        QCOMPARE(text->Text(),
            u"O1234\r\n"_qs + start + Lines({"\t", "NEND M02"}) + u"(PART)\r\n"_qs
                + Lines({"\t", "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                    "NOEX VCHKX=60 VCHKZ=-100", "NOEX VCHKD=15 VCHKL=20", "NOEX VWKR=9999",
                    "N000 CLEAR", "N000 DEF WORK", "N000 PS RC,[0,0],[100,60]", "N000 END",
                    "N000 DRAW", "NRTS RTS"}));
        QCOMPARE(text->SelStart(), 7 + start.size());
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
        // The table came from the default file.
        QCOMPARE(module1().gCutCond[1][3], u"9"_qs);
        QCOMPARE(module1().gMaterialOD, 60.0);
    }

    void materialSelectLoadsTheChosenFileAndCancelKeepsTheOne()
    {
        const QString steel = ConditionFile("S45C.CSV");
        const QString stainless = ConditionFile("SUS304.CSV");
        const auto clickMaterial = [](QWidget* w) {
            QTimer::singleShot(0, Control<QAbstractButton>(w, "Material"), &QAbstractButton::click);
        };
        ModalScript script;
        script.then(clickMaterial)
            .chooseFile(QString())
            .then([&](QWidget* w) {
                QCOMPARE(Control<QLineEdit>(w, "CsvFile")->text(), steel);
                QCOMPARE(module1().gCsvFileName, steel);
                clickMaterial(w);
            })
            .then([stainless](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                QVERIFY(dialog);
                QCOMPARE(dialog->objectName(), u"CommonDialog1"_qs);
                QCOMPARE(
                    dialog->directory().absolutePath(), QDir(ConditionFile({})).absolutePath());
                QVERIFY(dialog->nameFilters().first().startsWith(QLatin1String("CSV Files")));
                AcceptFileDialog(dialog, stainless);
            })
            .then([stainless](QWidget* w) {
                QCOMPARE(Control<QLineEdit>(w, "CsvFile")->text(), stainless);
                Click(w, "Command2");
            });
        Trigger(m_main, "ProcessUGC");
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(module1().gCsvFileName, stainless);
        QCOMPARE(QDir(module1().gCsvPathName).absolutePath(), QFileInfo(stainless).absolutePath());
        QCOMPARE(module1().gCutCond[1][6], u"12"_qs);
        // Cancel of the material input itself inserts nothing.
        QVERIFY(ActiveText()->Text().isEmpty());
        QVERIFY(!module1().gProcessOk);

        // The choice is the default of the next run.
        CloseMain();
        StartWithDocument(true);
        QCOMPARE(module1().gCsvFileName, stainless);
        QCOMPARE(QDir(module1().gCsvPathName).absolutePath(), QFileInfo(stainless).absolutePath());
    }

    void materialKeysSketchAndTailstock()
    {
        answer("ProcessUGC", [](QWidget* w) {
            // Enter in the jaw length moves on once it holds a value, and never closes the dialog.
            auto* jawLength = Control<QLineEdit>(w, "Text1");
            jawLength->setFocus();
            QTest::keyClick(jawLength, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), jawLength);
            jawLength->setText(u"20"_qs);
            QTest::keyClick(jawLength, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), u"Text2"_qs);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(w->isVisible());
            const QColor text = w->palette().color(QPalette::WindowText);
            const QList<QPair<const char*, int>> boxes = {{"Text1", 6}, {"Text2", 7}, {"Text3", 3},
                {"Text4", 19}, {"Text5", 2}, {"Text9", 18}};
            for (const auto& [box, number] : boxes) {
                Control(w, box)->setFocus();
                QCOMPARE(sketchLine(w, number)->borderWidth(), 2);
                QCOMPARE(sketchLine(w, number)->borderColor(), QColor(255, 0, 255));
            }
            // Only the box with the focus keeps its line drawn heavy.
            for (int number : {6, 7, 3, 19, 2}) {
                QCOMPARE(sketchLine(w, number)->borderWidth(), 1);
                QCOMPARE(sketchLine(w, number)->borderColor(), text);
            }
            // The tailstock switch: its boxes and lines instead of the bore's.
            const auto tailstockShown = [w](bool on) {
                QCOMPARE(Control(w, "Text4")->isEnabled(), !on);
                for (const char* box : {"Text6", "Text7", "Text8"})
                    QCOMPARE(Control(w, box)->isEnabled(), on);
                QCOMPARE(sketchLine(w, 5)->isVisible(), !on);
                for (int number : {10, 13, 15, 16, 17})
                    QCOMPARE(sketchLine(w, number)->isVisible(), on);
            };
            tailstockShown(false);
            Click(w, "Check1");
            tailstockShown(true);
            for (const auto& [box, number] :
                {std::pair {"Text6", 19}, {"Text7", 17}, {"Text8", 13}}) {
                Control(w, box)->setFocus();
                QCOMPARE(sketchLine(w, number)->borderWidth(), 2);
            }
            Click(w, "Check1");
            tailstockShown(false);
            // With the tailstock, the graphic data describe the centre.
            Click(w, "Check1");
            typeBlank(w);
            Type(w, "Text8", "30");
            Type(w, "Text7", "40");
            Type(w, "Text6", "6");
            Click(w, "Command1");
        });
        QVERIFY(ActiveText()->Text().endsWith(Lines({"NOEX VCHKD=15 VCHKL=20",
            "NOEX VTSDA=6 VTSDB=40", "NOEX VTSL=30 VWKR=0", "N000 CLEAR", "N000 DEF WORK",
            "N000 PS RC,[0,0],[100,60]", "N000 END", "N000 DRAW", "NRTS RTS"})));
    }

    void materialChoicesReachTheGraphicData()
    {
        answer("ProcessUGC", [](QWidget* w) {
            typeBlank(w);
            Type(w, "Text4", "30");
            Click(w, "ID");
            Click(w, "SubSpindle");
            Click(w, "Check2");
            Click(w, "Command1");
        });
        QVERIFY(ActiveText()->Text().endsWith(Lines({"OUGC", "NOEX VCHKX=30 VCHKZ=-100",
            "NOEX VCHKD=15 VCHKL=20", "N000 CLEAR", "N000 DEF WORK[S]", "N000 PS RC,[0,0],[100,60]",
            "N000 PS RC,[0,0],[100,30],0", "N000 END", "N000 DEF WORKF[S]", "N000 PF 0,[0,0],60,D",
            "N000 PF 0,[0,0],30,D,0", "N000 PO [0,15]", "N000 CI [0,0],[0,-15],R,0", "N000 END",
            "N000 DRAW", "NRTS RTS"})));
        QCOMPARE(module1().gInnerDia, 30.0);
    }

    // A new program as the user writes it: material input, then a drill at the caret.
    void materialInputThenDrill()
    {
        ModalScript script;
        script.then([](QWidget* w) {
            typeBlank(w);
            Type(w, "Text9", "1.5");
            Click(w, "Command1");
        });
        script.then([](QWidget* w) {
            QCOMPARE(Control<QLineEdit>(w, "StartZ")->text(), u"1.5"_qs);
            Type(w, "EndZ", "-30");
            Click(w, "Command1");
        });
        Trigger(m_main, "ProcessUGC");
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
        // Row 1 of the carbon-steel file: tool 9, V 22, F 0.12, peck 8, drill 10;
        // 1000 x 22 / 3.14 / 10 = 700.6 -> S700; K = 50 - 1.5 - 3.
        const QString drill
            = Lines({"(-----< DRILL D10 >-----)", "NOEX VTLIN[9]=22 VTLFN[9]=1 VTLA1[9]=118",
                "NOEX VTLD[9]=10 VTLL[9]=51.5", "N000 G00 X0 Z50 T0909 M42 S700 M03 M63 M08",
                "NT09 G74 X0 Z-30 K45.5 D8 F0.12", "N000 G00 X500 Z500", "\t"});
        QVERIFY(
            ActiveText()->Text().contains(QLatin1String("N000 CALL OUGC  (GRAPHIC DATA)\r\n\t\r\n")
                + drill + QLatin1String("\t\r\nNEND M02\r\n")));
    }

    // What the generator dialogs' table leaves out: the hint, the button, the spindle and
    // coolant switches, the Enter key, the selection on focus and what OK leaves for the next
    // dialog.
    void hssDrillKeysAndSwitches()
    {
        useSteelTable();
        answer("ProcessDrillHss", [](QWidget* w) {
            const QStringList design = {"Label2.text=For change input position useTAB Key",
                "Command1.text=O  K", "SpindleCW.checked=true", "CoolantON.checked=true"};
            QCOMPARE(Properties(w, design), design);
            // Enter walks the first fields only; elsewhere it neither moves nor closes the dialog.
            Control<QLineEdit>(w, "ToolNumber")->setFocus();
            for (const auto& [key, next] : {std::pair {Qt::Key_Return, "V"}, {Qt::Key_Enter, "F"},
                     {Qt::Key_Return, "U"}, {Qt::Key_Return, "U"}}) {
                QTest::keyClick(QApplication::focusWidget(), key);
                QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
            }
            auto* endZ = Control<QLineEdit>(w, "EndZ");
            endZ->setFocus();
            QTest::keyClick(endZ, Qt::Key_Return);
            QVERIFY(w->isVisible());
            QVERIFY(!module1().gProcessOk);
            // A field selects its text when it takes the focus, by key or by mouse.
            auto* v = Control<QLineEdit>(w, "V");
            v->setFocus();
            QTRY_COMPARE(v->selectedText(), u"22"_qs);
            endZ->setFocus(); // empty: nothing to select
            QTest::qWait(10);
            QVERIFY(!endZ->hasSelectedText());
            QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(2, v->height() / 2));
            QTRY_COMPARE(v->selectedText(), u"22"_qs);
            Type(w, "EndZ", "-30");
            Click(w, "Command1");
        });
        QVERIFY(module1().gProcessOk);
        QCOMPARE(module1().gInnerDia, 10.0);
    }

    void prefillOfReverseSpindleAndCoolantOff()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"R.CSV"_qs);
        WriteBytes(path, "h\r\nh\r\n1,Drill,7,1,0,20,0.1,0,0,10,0,0\r\n");
        module1().gCsvFileName = path;
        LoadCuttingConditions(module1());
        answer("ProcessDrillHss", [](QWidget* w) {
            const QStringList reverse = {"SpindleCCW.checked=true", "CoolantOFF.checked=true"};
            QCOMPARE(Properties(w, reverse), reverse);
            Type(w, "EndZ", "-20");
            Click(w, "Command1");
        });
        QVERIFY(ActiveText()->Text().contains(QLatin1String(" T0707 M42 S630 M04 M63 M09\r\n")));
    }

    // Cancel, Esc and the close box all leave the document as it was, even after an accepted
    // dialog before.
    void everyWayOutButOkInsertsNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("cancelButton") << "cancel";
        QTest::newRow("escapeKey") << "escape";
        QTest::newRow("closeBox") << "close";
    }
    void everyWayOutButOkInsertsNothing()
    {
        QFETCH(QString, way);
        useSteelTable();
        module1().gProcessOk = true;
        answer("ProcessDrillHss", [way](QWidget* w) {
            if (way == u"cancel")
                Click(w, "Command2");
            else if (way == u"escape")
                QTest::keyClick(w, Qt::Key_Escape);
            else
                w->close();
        });
        QVERIFY(ActiveText()->Text().isEmpty());
        QVERIFY(!ActiveText()->DataChanged());
        QVERIFY(!module1().gProcessOk);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The designer state every generator starts from, and the controls every set-up names.
    void processDialogDesignerStateAndSetUps()
    {
        frmProcess dialog(module1(), m_main);
        dialog.show();
        QVERIFY(dialog.windowTitle().isEmpty());
        for (const char* hidden : {"B", "SZ", "LabelB", "LabelB2", "LabelSZ"})
            QVERIFY2(!Control(&dialog, hidden)->isVisible(), hidden);
        QStringList order;
        QWidget* w = Control(&dialog, u"ToolNumber"_qs);
        for (int i = 0; i < 16; ++i, w = w->nextInFocusChain()) {
            while (!qobject_cast<QLineEdit*>(w))
                w = w->nextInFocusChain();
            order.append(w->objectName());
        }
        QCOMPARE(order,
            QStringList({"ToolNumber", "B", "V", "F", "U", "W", "D", "L", "C", "SZ", "StartX",
                "StartZ", "StartC", "EndX", "EndZ", "EndC"}));
        // The spare end caption lies under EndZ.
        QVERIFY(Control(&dialog, u"EndZ2"_qs)
                    ->geometry()
                    .intersects(Control(&dialog, u"EndZ"_qs)->geometry()));
        for (const ProcessItem& item : ProcessItems()) {
            if (!item.setUp)
                continue;
            const DialogSetup setUp = item.setUp(module1());
            for (const DialogSetup::Step& step : setUp.steps())
                QVERIFY2(dialog.findChild<QWidget*>(step.control),
                    qPrintable(QString::fromLatin1(item.control) + u' ' + step.control));
        }
    }
};

CORVANE_TEST_MAIN(ProcessGuiTest)
#include "ProcessGuiTest.moc"
