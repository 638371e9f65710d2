#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"
#include "process/UgcSketch.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QTimer>

namespace {
// The machine parameters in the settings store, as "Key=value" words.
QString storedParameters()
{
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.beginGroup(u"Parameter"_qs);
    QStringList words;
    for (const QString& key : settings.childKeys())
        words << key + u'=' + settings.value(key).toString();
    return words.join(u' ');
}

// The blank of the material input: P-Zero 0, jaw length 20 and plan 15, 100 long, 60 across.
void typeBlank(QWidget* w)
{
    for (const auto& [box, text] : {std::pair {"Text9", "0"}, {"Text1", "20"}, {"Text2", "15"},
             {"Text3", "100"}, {"Text5", "60"}})
        Type(w, box, text);
}

SketchLine* sketchLine(QWidget* dialog, int number)
{
    return Control<UgcSketch>(dialog, "Sketch")->line(number);
}
} // namespace

// The Process menu on a real document: its items, the machine parameters and what they do to the
// menu and the settings store, the ATC ready-requests, and the material input with its program
// frame and graphic data, followed by a generator.
class ProcessGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    // The items only an ATC machine has follow the machine type; at start-up the last two stay
    // shown, only the parameters dialog hides them.
    void checkAtcItems(bool duomill, bool atStartUp)
    {
        const char* const items[] = {"ProcessMT", "ProcessMDrillSlant", "ProcessMTapSlant",
            "ProcessMKeySlant", "ProcessMCircle", "ProcessMPlanetTap"};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(m_main->action(QLatin1String(items[i]))->isVisible()
                    == (duomill || (atStartUp && i >= 4)),
                items[i]);
    }

private slots:
    void init() { m_main = StartWithDocument(); }

    // The captions of the Process menu and its submenus, and the items never enabled, as
    // process/dialogs/menu.txt has them. The items a test runs are enabled.
    void processMenu()
    {
        for (const QString& line : DataFile(u"menu.txt"_qs)) {
            const QStringList words = Words(line);
            const QString kind = words.value(0);
            QStringList captions;
            if (kind == u"items") {
                QMenu* menu = words[1] == u"Process" ? m_main->menu(words[1])
                                                     : m_main->action(words[1])->menu();
                for (QAction* a : menu->actions())
                    captions.append(a->text());
                QCOMPARE(captions, Quoted(line));
            }
            for (const QString& item : kind == u"disabled" ? words.mid(1) : QStringList()) {
                QVERIFY2(!m_main->action(item)->isEnabled(), qPrintable(item));
                Trigger(m_main, item);
                QVERIFY(!QApplication::activeModalWidget());
            }
        }
        QVERIFY(ActiveText()->Text().isEmpty());
    }

    // The layout follows the Duomill switch; a box selects its text when it takes the focus.
    // Cancel and the close box change and store nothing, but the menus follow the machine type.
    void parametersDialogLayoutAndCancel()
    {
        for (const bool duomill : {true, false}) { // cancelled, then closed by its close box
            module1().gDuomill = duomill; // in memory only
            Answer(m_main, "ProcessSetup", [duomill](QWidget* w) {
                const QStringList duo = {"LabelAppX.text=G21 HP=4", "txtHomeX.visible=false",
                    "txtHomeZ.visible=false", "LabelAppZ.visible=false", "AtcMacro.enabled=true",
                    "M321.enabled=true", "M441.enabled=true", "TurretH.enabled=true"};
                const QStringList turret
                    = {"frmProcessSetup.windowTitle=Parameter", "LabelApp.text=Turret Index Pos.",
                        "Label1.text=Apploch Position", "LabelAppX.text=X", "Command1.text=O  K",
                        "txtHomeX.visible=true", "txtHomeZ.visible=true", "LabelAppZ.visible=true",
                        "AtcMacro.enabled=false", "H2.enabled=false", "TurretH.enabled=false"};
                QCOMPARE(Properties(w, duomill ? duo : turret), duomill ? duo : turret);
                Click(w, "ChkDuomill");
                QCOMPARE(Properties(w, duomill ? turret : duo), duomill ? turret : duo);
                if (duomill) {
                    auto* maxS = Control<QLineEdit>(w, "txtMaxS");
                    maxS->setFocus();
                    QTRY_COMPARE(maxS->selectedText(), u"2500"_qs);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    QCOMPARE(QApplication::focusWidget()->objectName(), u"txtHomeX"_qs);
                    QTRY_COMPARE(Control<QLineEdit>(w, "txtHomeX")->selectedText(), u"500"_qs);
                }
                Type(w, "txtMaxS", "999");
                duomill ? Click(w, "Command2") : void(w->close());
            });
            QCOMPARE(module1().gMaxS, 2500.0f);
            QCOMPARE(module1().gDuomill.toBool(), duomill);
            QCOMPARE(storedParameters(), QString());
            checkAtcItems(duomill, false);
        }
    }

    // OK stores every parameter as the dialog holds it. Stored values come back at the next
    // start: the dialog then shows them, and OK stores them unchanged.
    void okStoresEveryParameterAndTheyComeBack_data()
    {
        QTest::addColumn<bool>("changeAll");
        QTest::addColumn<QString>("stored");
        QTest::newRow("defaultsUnchanged")
            << false
            << "AppX=200 AppZ=50 AtcMacroType=M421 AutoDoor=False Bturret=False Duomill=False "
               "HomeX=500 HomeZ=500 LoadMoniter=False MaxS=2500 Measuer=False PanelChk=True "
               "QCSK500=True TG=False ToolFrom=True TurretType=2";
        QTest::newRow("everythingChanged")
            << true
            << "AppX=180.25 AppZ=0 AtcMacroType=M321 AutoDoor=True Bturret=True Duomill=True "
               "HomeX=420 HomeZ=0 LoadMoniter=True MaxS=3000.5 Measuer=True PanelChk=False "
               "QCSK500=False TG=True ToolFrom=False TurretType=1";
    }
    void okStoresEveryParameterAndTheyComeBack()
    {
        QFETCH(bool, changeAll);
        QFETCH(QString, stored);
        Answer(m_main, "ProcessSetup", [changeAll](QWidget* w) {
            if (changeAll) {
                for (const auto& [box, text] :
                    {std::pair {"txtMaxS", "3000.5"}, {"txtHomeX", "420"}, {"txtHomeZ", "abc"},
                        {"txtAppX", "180.25mm"}, {"txtAppZ", ""}})
                    Type(w, box, text);
                // Every box changes: PanelChk and QCS were ticked.
                for (const char* box :
                    {"ChkDuomill", "chkToolLife", "ChkBturret", "ChkMeasuer", "ChkDoor", "ChkPanel",
                        "ChkQcs", "ChkToolFrom", "ChkLoadMoniter", "H1", "M321"})
                    Click(w, box);
            }
            Click(w, "Command1");
        });
        QCOMPARE(storedParameters(), stored);
        checkAtcItems(changeAll, false); // at once
        m_main = StartWithDocument(true);
        checkAtcItems(changeAll, true);
        Answer(m_main, "ProcessSetup", [](QWidget* w) { Click(w, "Command1"); });
        QCOMPARE(storedParameters(), stored);
    }

    // With the ATC options not selectable the last selected ones are still stored; a macro other
    // than M321 and M421 opens as M441.
    void atcOptionsStoredWhileDisabled()
    {
        module1().gAtcMacroType = u"M999"_qs;
        module1().gTurretType = 5;
        Answer(m_main, "ProcessSetup", [](QWidget* w) {
            const QStringList shown
                = {"AtcMacro.enabled=false", "M441.checked=true", "H2.checked=true"};
            QCOMPARE(Properties(w, shown), shown);
            Click(w, "Command1");
        });
        QVERIFY(storedParameters().contains(QLatin1String("AtcMacroType=M441 ")));
        QVERIFY(storedParameters().endsWith(QLatin1String("TurretType=2")));
    }

    void atcReadyRequestsAtTheCaret()
    {
        ActiveText()->setWholeText(u"AB"_qs);
        ActiveText()->setSelStart(1);
        Trigger(m_main, "ProcessMT1");
        module1().gTG = true;
        Trigger(m_main, "ProcessMT3");
        QCOMPARE(ActiveText()->Text(), u"AN000 MT=1N000 MT=3 TG=B"_qs);
        QCOMPARE(ActiveText()->SelStart(), 23);
    }

    // The file chosen is loaded and is the default of the next run; a cancelled choice keeps the
    // one there was.
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
        QCOMPARE(module1().gCutCond[1][6], u"12"_qs);
        // Cancel of the material input itself inserts nothing.
        QVERIFY(ActiveText()->Text().isEmpty());
        CloseMain();
        StartWithDocument(true);
        QCOMPARE(module1().gCsvFileName, stainless);
        QCOMPARE(QDir(module1().gCsvPathName).absolutePath(), QFileInfo(stainless).absolutePath());
    }

    // Enter, the sketch line of the box with the focus, the tailstock switch and the choices.
    void materialKeysSketchAndChoices()
    {
        Answer(m_main, "ProcessUGC", [](QWidget* w) {
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
            // Only the box with the focus has its line drawn heavy.
            const QColor text = w->palette().color(QPalette::WindowText);
            const QList<QPair<const char*, int>> boxes = {{"Text1", 6}, {"Text2", 7}, {"Text3", 3},
                {"Text4", 19}, {"Text5", 2}, {"Text9", 18}};
            for (const auto& [box, number] : boxes) {
                Control(w, box)->setFocus();
                for (const auto& [other, line] : boxes) {
                    QCOMPARE(sketchLine(w, line)->borderWidth(), line == number ? 2 : 1);
                    QCOMPARE(sketchLine(w, line)->borderColor(),
                        line == number ? QColor(255, 0, 255) : text);
                }
            }
            // The tailstock switch: its boxes and lines instead of the bore's.
            for (const bool on : {true, false}) {
                Click(w, "Check1");
                QCOMPARE(Control(w, "Text4")->isEnabled(), !on);
                QCOMPARE(sketchLine(w, 5)->isVisible(), !on);
                for (int number : {10, 13, 15, 16, 17})
                    QCOMPARE(sketchLine(w, number)->isVisible(), on);
                for (const auto& [box, number] :
                    {std::pair {"Text6", 19}, {"Text7", 17}, {"Text8", 13}}) {
                    QCOMPARE(Control(w, box)->isEnabled(), on);
                    if (on) {
                        Control(w, box)->setFocus();
                        QCOMPARE(sketchLine(w, number)->borderWidth(), 2);
                    }
                }
            }
            // The tailstock, the bore, the grip, the sub-spindle and the plan drawing reach the
            // graphic data.
            typeBlank(w);
            for (const auto& [box, text] :
                {std::pair {"Text4", "30"}, {"Text8", "30"}, {"Text7", "40"}, {"Text6", "6"}})
                Type(w, box, text);
            for (const char* choice : {"Check1", "ID", "SubSpindle", "Check2", "Command1"})
                Click(w, choice);
        });
        QVERIFY(ActiveText()->Text().contains(Lines({"NOEX VCHKX=30 VCHKZ=-100",
            "NOEX VCHKD=15 VCHKL=20", "NOEX VTSDA=6 VTSDB=40", "NOEX VTSL=30 VWKR=0", "N000 CLEAR",
            "N000 DEF WORK[S]", "N000 PS RC,[0,0],[100,60]", "N000 PS RC,[0,0],[100,30],0",
            "N000 END", "N000 DEF WORKF[S]"})));
    }

    // A new program as the user writes it: the material input puts the frame around the caret
    // and the graphic data at the end; a drill then goes in at the caret, starting at the P-Zero
    // given and using the table the material input loaded.
    void materialInputThenDrill()
    {
        NcTextBox* text = ActiveText();
        text->setWholeText(u"O1234\r\n(PART)\r\n"_qs);
        text->setSelStart(7);
        ModalScript script;
        script.then([](QWidget* w) {
            const QStringList design = {"frmUGC.windowTitle=User Graphic Command",
                "CsvFile.text=" + ConditionFile("S45C.CSV"), "Command1.text=O K",
                "Material.text=Material select"};
            QCOMPARE(Properties(w, design), design);
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
        const QString start = Lines({"O1234", "NMAX G50 S2500", "N000 G00 X500 Z500",
            "N000 CALL OPCHK (PANEL CHECK)", "N000 CALL OUGC  (GRAPHIC DATA)", "\t"});
        QCOMPARE(text->SelStart(), start.size());
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
        Trigger(m_main, "ProcessDrillHss");
        QCOMPARE(script.pendingSteps(), 0);
        // Row 1 of the carbon-steel file: tool 9, V 22, peck 8, drill 10; K = 50 - 1.5 - 3.
        QVERIFY(text->Text().startsWith(start + u"(-----< DRILL D10 >-----)\r\n"_qs));
        const QString end = u"NT09 G74 X0 Z-30 K45.5 D8 F0.12\r\nN000 G00 X500 Z500\r\n\t\r\n"_qs;
        QCOMPARE(text->SelStart(), text->Text().indexOf(end) + end.size());
        QVERIFY(text->Text().endsWith(end
            + Lines({"\t", "NEND M02", "(PART)", "\t",
                "----------< USER GRAPHIC COMMAND >----------", "OUGC", "NOEX VCHKX=60 VCHKZ=-98.5",
                "NOEX VCHKD=15 VCHKL=20", "NOEX VWKR=9999", "N000 CLEAR", "N000 DEF WORK",
                "N000 PS RC,[1,0],[100,60]", "N000 END", "N000 DRAW", "NRTS RTS"})));
    }
};

CORVANE_TEST_MAIN(ProcessGuiTest)
#include "ProcessGuiTest.moc"
