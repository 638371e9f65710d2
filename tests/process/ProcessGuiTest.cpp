#include "TestSupport.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "documents/NcTextBox.h"
#include "process/UgcSketch.h"
#include "process/core/CutConditions.h"
#include "process/core/DialogSetup.h"
#include "process/generators/ProcessMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

namespace {
// A started program with a fresh shared state and one new, empty document.
frmMain* StartWithDocument(bool keepSettings = false)
{
    module1() = Module1();
    frmMain* main = StartFresh({}, keepSettings);
    main->action(QStringLiteral("mnuFileNew"))->trigger();
    return main;
}

QString ConditionFile(const QString& name)
{
    return ProgramFolder() + QLatin1String("/ cutting  condition /") + name;
}

template<typename T = QWidget> T* Control(QWidget* form, const QString& name)
{
    T* control = form->findChild<T*>(name);
    if (!control)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(form->objectName()));
    return control;
}

void Type(QWidget* form, const QString& field, const QString& text)
{
    Control<QLineEdit>(form, field)->setText(text);
}

void Click(QWidget* form, const QString& button)
{
    Control<QAbstractButton>(form, button)->click();
}

QString Lines(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

void Trigger(frmMain* main, const QString& item)
{
    QAction* a = main->action(item);
    a ? a->trigger() : qFatal("no menu item %s", qPrintable(item));
}

// Runs the menu item and answers the modal dialog it opens.
void Answer(frmMain* main, const QString& item, const std::function<void(QWidget*)>& step)
{
    ModalScript script;
    script.then(step);
    Trigger(main, item);
    QVERIFY2(script.pendingSteps() == 0, qPrintable(item));
}

// The lines of a data file under process/dialogs, comments left out.
QStringList DataFile(const QString& name)
{
    const QString path = QStringLiteral(CORVANE_TESTS_DIR "/process/dialogs/") + name;
    QStringList lines = QString::fromUtf8(ReadBytes(path)).split(u'\n');
    lines.removeIf([](const QString& line) { return line.startsWith(u'#'); });
    return lines;
}

// The words of a data line before its first quote.
QStringList Words(const QString& line)
{
    return line.section(u'"', 0, 0).split(u' ', Qt::SkipEmptyParts);
}

// The texts of a data line that stand in quotes.
QStringList Quoted(const QString& line)
{
    QStringList texts;
    for (qsizetype i = 1; i < line.count(u'"'); i += 2)
        texts.append(line.section(u'"', i, i));
    return texts;
}

// The quoted texts of the line of menu.txt that starts with these words.
QStringList Listed(const QString& words)
{
    for (const QString& line : DataFile(u"menu.txt"_qs))
        if (line.startsWith(words + u" \""_qs))
            return Quoted(line);
    qFatal("no line %s in menu.txt", qPrintable(words));
}

// The properties menu.txt lists for the window as "shows <name>".
void Shows(QWidget* window, const QString& name)
{
    const QStringList expected = Listed(u"shows "_qs + name);
    QCOMPARE(Properties(window, expected), expected);
}

// The machine parameters in the settings store, as "Key=value" entries.
QStringList storedParameters()
{
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.beginGroup(u"Parameter"_qs);
    QStringList words;
    for (const QString& key : settings.childKeys())
        words << key + u'=' + settings.value(key).toString();
    return words;
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

// What the user sees of the process dialog, as lines of the data files: its caption; every shown
// label with a caption (the spare end caption EndZ2 only where EndZ leaves it uncovered, the
// constant hint left out); every shown field in tab order, with its tool tip when it has one;
// and the texts of all its fields.
QStringList See(QWidget* dialog)
{
    const auto quoted = [](const QString& text) { return u" \""_qs + text + u'"'; };
    QStringList seen = {u"caption"_qs + quoted(dialog->windowTitle())};
    const bool endZShown = Control(dialog, u"EndZ"_qs)->isVisibleTo(dialog);
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        if (label->isVisibleTo(dialog) && !label->text().isEmpty() && name != u"Label2"
            && !(name == u"EndZ2" && endZShown))
            seen.append(u"label "_qs + name + quoted(label->text()));
    }
    QWidget* const first = Control(dialog, u"ToolNumber"_qs);
    QWidget* w = first;
    do {
        if (qobject_cast<QLineEdit*>(w) && w->isVisibleTo(dialog))
            seen.append(u"field "_qs + w->objectName()
                + (w->toolTip().isEmpty() ? QString() : quoted(w->toolTip())));
        w = w->nextInFocusChain();
    } while (w != first);
    for (const QString& name : ProcessFieldNames())
        seen.append(u"text "_qs + name + quoted(Control<QLineEdit>(dialog, name)->text()));
    return seen;
}

// A data line without its quoted text: "text StartX", "field U".
QString key(const QString& line)
{
    return line.section(u'"', 0, 0).trimmed();
}
} // namespace

// The Process menu on a real document: its items; the machine parameters and what they do to
// the menu and the settings store; the ATC ready-requests; the material input with its program
// frame and graphic data; and the generator dialogs. What each generator dialog shows, pre-fills
// and carries on, and the first lines of what it inserts, are the blocks of the files in
// process/dialogs (see the README there).
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

    // Opens the item's dialog on a program with the caret after its first line and compares what
    // it shows with the block's lines: all its labels and fields where the lines list fields,
    // else the labels they name. Types and clicks as the "type" and "click" lines say and presses
    // OK, or Cancel when there are none. Whatever was inserted must stand at the caret, the caret
    // after it, start with the "inserts" lines and end with the tab line; nothing else may
    // change, and one undo takes it back.
    void checkDialog(const QString& item, const QStringList& lines)
    {
        const QString program = u"O0001\r\nNEND M02\r\n"_qs;
        NcTextBox* text = ActiveText();
        text->loadText(program);
        text->setSelStart(7);
        QStringList expected, keys, shown, head;
        bool whole = false, ok = false;
        for (const QString& line : lines) {
            const QString kind = Words(line).value(0);
            QVERIFY2(QStringList({"caption", "label", "field", "text", "type", "click", "inserts"})
                         .contains(kind),
                qPrintable(line));
            const bool acts = kind == u"type" || kind == u"click";
            ok = ok || acts;
            whole = whole || kind == u"field";
            if (kind == u"inserts")
                head.append(Quoted(line).value(0));
            else if (!acts)
                expected.append(line), keys.append(key(line));
        }
        Answer(m_main, item, [&](QWidget* w) {
            for (const QString& line : See(w))
                if (keys.contains(key(line))
                    || (whole && (line.startsWith(u"label ") || line.startsWith(u"field "))))
                    shown.append(line);
            for (const QString& line : lines) {
                if (line.startsWith(u"type "))
                    Type(w, Words(line)[1], Quoted(line).value(0));
                else if (line.startsWith(u"click "))
                    Click(w, Words(line)[1]);
            }
            Click(w, ok ? "Command1" : "Command2");
        });
        QCOMPARE(shown, expected);
        const QString inserted = text->Text().mid(7, text->SelStart() - 7);
        QCOMPARE(text->Text(), program.left(7) + inserted + program.mid(7));
        QCOMPARE(text->DataChanged(), ok);
        QCOMPARE(inserted.isEmpty(), !ok);
        QVERIFY2(
            inserted.startsWith(head.isEmpty() ? QString() : Lines(head)), qPrintable(inserted));
        QVERIFY(head.isEmpty() || inserted.endsWith(u"\r\n\t\r\n"_qs));
        text->undo();
        QCOMPARE(text->Text(), program);
    }

    // A program with its second line selected, no undo history.
    static QString selected() { return u"O0001\r\nN001 G00 X100\r\nNEND M02\r\n"_qs; }
    static NcTextBox* programWithSelection()
    {
        NcTextBox* text = ActiveText();
        text->loadText(selected());
        text->setSelStart(7);
        text->setSelLength(13);
        return text;
    }

private slots:
    // The machine of a first start (approach X200 Z50, home X500 Z500, after K500, tool data,
    // no Duomill, no tool groups), an 80 mm bar with a 20 mm bore and P-Zero at 2, and the plane
    // of an earlier inclined-plane dialog.
    void init()
    {
        m_main = StartWithDocument();
        Module1& m = module1();
        LoadCuttingConditions(m);
        m.gMaterialOD = 80;
        m.gPZero = 2;
        m.gInnerDia = 20;
        m.gB = 30.5;
        m.gSZ = -2;
    }

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
                Shows(w, duomill ? u"duomill"_qs : u"turret"_qs);
                Click(w, "ChkDuomill");
                Shows(w, duomill ? u"turret"_qs : u"duomill"_qs);
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
            QCOMPARE(storedParameters(), QStringList());
            checkAtcItems(duomill, false);
        }
    }

    // OK stores every parameter as the dialog holds it. Stored values come back at the next
    // start: the dialog then shows them, and OK stores them unchanged.
    void okStoresEveryParameterAndTheyComeBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("defaults") << u"defaults"_qs;
        QTest::newRow("changed") << u"changed"_qs;
    }
    void okStoresEveryParameterAndTheyComeBack()
    {
        QFETCH(QString, name);
        const bool changeAll = name == u"changed";
        const QStringList stored = Listed(u"stored "_qs + name);
        Answer(m_main, "ProcessSetup", [changeAll](QWidget* w) {
            for (const QString& typed : changeAll ? Listed(u"typed changed"_qs) : QStringList())
                Type(w, typed.section(u'=', 0, 0), typed.section(u'=', 1));
            for (const QString& box : changeAll ? Listed(u"clicked changed"_qs) : QStringList())
                Click(w, box);
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
            Shows(w, u"unknownMacro"_qs);
            Click(w, "Command1");
        });
        QVERIFY(storedParameters().contains(u"AtcMacroType=M441"_qs));
        QVERIFY(storedParameters().contains(u"TurretType=2"_qs));
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
        text->loadText(u"O1234\r\n(PART)\r\n"_qs);
        text->setSelStart(7);
        ModalScript script;
        script.then([](QWidget* w) {
            Shows(w, u"material"_qs);
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
        // The drill, then the whole material input, go back one undo each.
        Trigger(m_main, "mnuEditUndo");
        Trigger(m_main, "mnuEditUndo");
        QCOMPARE(text->Text(), u"O1234\r\n(PART)\r\n"_qs);
    }
    // One row per block of the data files but menu.txt.
    void dialogs_data()
    {
        QTest::addColumn<QStringList>("block");
        const QStringList files = QDir(QStringLiteral(CORVANE_TESTS_DIR "/process/dialogs"))
                                      .entryList({QStringLiteral("*.txt")});
        for (const QString& file : files) {
            QStringList block; // the newline ending the file ends its last block
            for (const QString& line : DataFile(file)) {
                if (!line.isEmpty())
                    block.append(line);
                else if (!block.isEmpty() && file != u"menu.txt")
                    QTest::newRow(qPrintable(file + u' ' + block[0])) << block;
                if (line.isEmpty())
                    block.clear();
            }
        }
    }
    void dialogs()
    {
        QFETCH(QStringList, block);
        // A block is its name and at least one dialog.
        QVERIFY(block.takeFirst().startsWith(u'[')
            && !block.filter(QRegularExpression(u"^open "_qs)).isEmpty());
        Module1& m = module1();
        for (const QString& word : Words(block.filter(QRegularExpression("^machine ")).value(0))) {
            m.gDuomill = m.gDuomill.toBool() || word == u"duomill";
            m.gTG = m.gTG || word == u"groups";
            m.gTurretType = word == u"H1" ? 1 : m.gTurretType;
            m.gToolFrom = m.gToolFrom.toBool() && word != u"noToolData";
            m.gAtcMacroType = word == u"M441" ? word : m.gAtcMacroType;
        }
        block.append(u"open"_qs); // ends the last dialog
        QString item;
        QStringList lines;
        for (const QString& line : block) {
            if (!line.startsWith(u"open")) {
                lines.append(line);
                continue;
            }
            if (!item.isEmpty())
                checkDialog(item, lines);
            item = Words(line).value(1);
            lines.clear();
        }
    }

    // What the pictures leave out: the hint, the button and the switches, here pre-filled from a
    // table row for reverse spindle and no coolant; the spare end caption under EndZ; Enter and
    // the selection on focus. Esc and the close box insert nothing, as Cancel does in the
    // pictures, even after an accepted dialog before.
    void keysSwitchesAndWaysOut()
    {
        QTemporaryDir dir;
        module1().gCsvFileName = dir.filePath(u"R.CSV"_qs);
        WriteBytes(module1().gCsvFileName, "h\r\nh\r\n1,Drill,7,1,0,20,0.1,0,0,10,0,0\r\n");
        LoadCuttingConditions(module1());
        const std::function<void(QWidget*)> ways[]
            = {[](QWidget* w) {
                   Shows(w, u"reverseDry"_qs);
                   QVERIFY(Control(w, u"EndZ2"_qs)
                               ->geometry()
                               .intersects(Control(w, u"EndZ"_qs)->geometry()));
                   // A set-up naming a control the dialog lacks would change nothing, unseen.
                   for (const ProcessItem& item : ProcessItems())
                       for (const DialogSetup::Step& step :
                           item.setUp ? item.setUp(module1()).steps() : QList<DialogSetup::Step>())
                           QVERIFY2(w->findChild<QWidget*>(step.control), item.control);
                   // Enter walks the first fields only; elsewhere it neither moves nor closes the
                   // dialog.
                   Control<QLineEdit>(w, "ToolNumber")->setFocus();
                   for (const auto& [key, next] : {std::pair {Qt::Key_Return, "V"},
                            {Qt::Key_Enter, "F"}, {Qt::Key_Return, "U"}, {Qt::Key_Return, "U"}}) {
                       QTest::keyClick(QApplication::focusWidget(), key);
                       QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
                   }
                   auto* endZ = Control<QLineEdit>(w, "EndZ");
                   endZ->setFocus();
                   QTest::keyClick(endZ, Qt::Key_Return);
                   QVERIFY(w->isVisible());
                   // A field selects its text when it takes the focus, by key or by mouse.
                   auto* v = Control<QLineEdit>(w, "V");
                   v->setFocus();
                   QTRY_COMPARE(v->selectedText(), u"20"_qs);
                   endZ->setFocus(); // empty: nothing to select
                   QTest::qWait(10);
                   QVERIFY(!endZ->hasSelectedText());
                   QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(2, v->height() / 2));
                   QTRY_COMPARE(v->selectedText(), u"20"_qs);
                   Type(w, "EndZ", "-20");
                   Click(w, "Command1");
               },
                [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, &QWidget::close};
        for (const auto& way : ways)
            Answer(m_main, "ProcessDrillHss", way);
        NcTextBox* text = ActiveText();
        QVERIFY(text->Text().contains(QLatin1String(" T0707 M42 S630 M04 M63 M09\r\n")));
        text->undo();
        QVERIFY(text->Text().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The call replaces the selection, the sub-program follows the last line, the caret stays
    // before the call, and one undo takes both back.
    void measurementReplacesTheSelection()
    {
        NcTextBox* text = programWithSelection();
        Answer(m_main, "ProcessMeasuerInD", [](QWidget* w) {
            Type(w, "EndX", "30");
            Type(w, "EndZ", "-20");
            Click(w, "Command1");
        });
        QVERIFY(text->Text().startsWith(
            u"O0001\r\nN000 CALL OME12 ( INV.MEASURE D30)\r\nNEND M02\r\n"
            "\t\r\n----------<  INV.MEASURE D30 >----------\r\nOME12\r\n"_qs));
        QVERIFY(text->Text().endsWith(u"\r\nNRTS RTS\r\n"_qs));
        QCOMPARE(text->SelStart(), 7);
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
        text->undo();
        QCOMPARE(text->Text(), selected());
        QVERIFY(!text->isUndoAvailable());
        // Post-process gauging replaces the selection without a dialog.
        programWithSelection();
        Trigger(m_main, "ProcessMeasuerOutside");
        QCOMPARE(text->Text(), u"O0001\r\nN000 CALL OXMS\r\n\r\nNEND M02\r\n"_qs);
        QCOMPARE(text->SelStart(), 23);
    }

    // One warning, and the program, its selection and its changed flag stay as they were.
    void errors_data() { AddDataRows(u"process/ProcessErrors.txt"_qs); }
    void errors()
    {
        QFETCH(QStringList, row);
        const QStringList words = row[0].split(u' ');
        NcTextBox* text = programWithSelection();
        if (words.contains(u"noTable"))
            module1().gCutCond = Module1().gCutCond;
        if (words.contains(u"approachNoNumber"))
            module1().gAppX = QStringLiteral("25O");
        if (words.contains(u"noDocument"))
            CloseActiveDocumentDiscardingChanges();
        ModalScript script;
        if (!words.contains(u"noTable")) {
            script.then([&](QWidget* w) {
                for (const QString& word : words.filter(u"="_qs))
                    if (!word.startsWith(u"refuses="))
                        Type(w, word.section(u'=', 0, 0), word.section(u'=', 1));
                if (words.contains(u"closeDocument"))
                    CloseActiveDocumentDiscardingChanges();
                Click(w, "Command1");
                // A refused field has the focus with its text selected; Cancel then leaves.
                if (const QString field = words.filter(u"refuses="_qs).value(0); !field.isEmpty()) {
                    auto* box = Control<QLineEdit>(w, field.section(u'=', 1));
                    QCOMPARE(w->focusWidget(), box);
                    QCOMPARE(box->selectedText(), box->text());
                    Click(w, "Command2");
                }
            });
        }
        script.answerMessage(QMessageBox::Ok);
        Trigger(m_main, words[0]);
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(Said(script.messages()).join(u'\n'), row.last());
        QCOMPARE(script.messages()[0].icon, QMessageBox::Warning);
        if (words.contains(u"noDocument") || words.contains(u"closeDocument"))
            return;
        QCOMPARE(text->Text(), selected());
        QVERIFY(!text->DataChanged());
        QCOMPARE(text->SelStart(), 7);
        QCOMPARE(text->SelLength(), 13);
        QCOMPARE(storedParameters(), QStringList());
        QCOMPARE(module1().gMaxS, 2500.0f);
    }
};

CORVANE_TEST_MAIN(ProcessGuiTest)
#include "ProcessGuiTest.moc"
