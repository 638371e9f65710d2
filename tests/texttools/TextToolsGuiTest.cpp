#include "TestSupport.h"

#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "documents/NcTextBox.h"
#include "texttools/core/CodeTables.h"
#include "texttools/core/Insertions.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>

namespace {
// Test texts are written with "|" for CR LF.
QString Crlf(const QString& text)
{
    return QString(text).replace(u'|', QLatin1String("\r\n"));
}

template<typename T> T* Control(QWidget* form, const char* name)
{
    T* control = form ? form->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!control)
        qFatal("no control %s", name);
    return control;
}

void Click(QWidget* form, const char* button)
{
    Control<QPushButton>(form, button)->click();
}

void Type(QWidget* form, const char* box, const QString& text)
{
    Control<QLineEdit>(form, box)->setText(text);
}

// Appends text to the document as a hand edit that leaves the selection where it is.
void AppendByHand(NcTextBox* box, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    box->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()),
        bytes.constData());
}

// Windows closed in the last step are gone once their deferred deletion has run.
void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs the step and answers with OK each of the message boxes it shows; what they said.
QList<ModalScript::Message> Answering(const std::function<void()>& step, int messages = 1)
{
    ModalScript script;
    for (int i = 0; i < messages; ++i)
        script.answerMessage(QMessageBox::Ok);
    step();
    return script.messages();
}
} // namespace

// The text tools on a running program: the G-code and M-code menus, the insert commands, find,
// replace, the calculation data change and the sequence number arrange through their dialogs.
class TextToolsGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;
    QTemporaryDir m_folder;

    void trigger(const QString& command) { m_main->action(command)->trigger(); }

    // A new document holding the text, caret at the start.
    NcTextBox* newDocument(const QString& text)
    {
        trigger(u"mnuFileNew"_qs);
        NcTextBox* box = ActiveText();
        box->loadText(text);
        return box;
    }

    QWidget* open(const QString& command, const QString& form)
    {
        trigger(command);
        return ShownWindow(form);
    }

    // Opens a search dialog and fills its two boxes.
    QWidget* openSearch(const QString& command, const QString& form, const QString& find,
        const char* secondBox, const QString& second)
    {
        QWidget* dialog = open(command, form);
        Type(dialog, "txtFind", find);
        Type(dialog, secondBox, second);
        return dialog;
    }
    QWidget* openReplace(const QString& find, const QString& replacement)
    {
        return openSearch(
            u"mnuSearchReplace"_qs, u"frmReplace"_qs, find, "txtReplace", replacement);
    }
    QWidget* openSizeShift(const QString& letters, const QString& calculation)
    {
        return openSearch(
            u"mnuToolsSizeShift"_qs, u"frmSizeShift"_qs, letters, "txtValue", calculation);
    }
    QWidget* openArrange() { return open(u"mnuToolsNumberArrange"_qs, u"frmNumberArrange"_qs); }

    static QStringList captionsOf(const QMenu* menu)
    {
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << a->text();
        return captions;
    }

private slots:
    void init()
    {
        m_main = StartFresh();
        Module1& m = module1();
        m.gFindText.clear();
        m.gReplaceText.clear();
        m.gFindPos = 0;
        m.gChangeCount = 0;
        m.gFirstChange = true;
    }
    void cleanup() { SetProgramFolder(QString()); }

    void codeTableAndMenus()
    {
        QSet<QString> controls;
        int g = 0;
        int m = 0;
        for (const CodeItem& item : CodeItems()) {
            const QString control = QString::fromUtf16(item.control);
            QVERIFY2(!controls.contains(control), qPrintable(control));
            controls.insert(control);
            (QStringView(item.menu) == u"Gcode" ? g : m)++;
            // Spindle and rotating-tool commands always carry M63.
            if (control.startsWith(QLatin1String("McodeSpindle"))
                || control.startsWith(QLatin1String("McodeMspindle")))
                QVERIFY2(item.insertion().endsWith(QLatin1String(" M63")), qPrintable(control));
            // Words appended to a block begin with a blank and never end the line.
            if (QStringView(item.menu) == u"Mcode")
                QVERIFY(item.insertion().startsWith(u' ') && !item.insertion().contains(u'\n'));
        }
        QCOMPARE(g, 54);
        QCOMPARE(m, 54);
        // The menus keep their order and captions.
        QCOMPARE(captionsOf(m_main->menu(u"Gcode"_qs)),
            (QStringList {"Turret  command ", "Main spindle  select ", "Dwell  G04",
                "Tool  diameter  compensation ", "Home  postion ", "Torque  control ", "Thread ",
                "Constant speed control ", " Auto  Chamfer ", "LAP Cycle ",
                "Rotation  Tool  Cycle ", "Tailstock  movement  G152",
                "Main spindle  Tap  Cycle "}));
        QCOMPARE(captionsOf(m_main->menu(u"Mcode"_qs)),
            (QStringList {"Door ", "Coolant", "Air  blow ", "Chuck ", "Tailstock", "Main spindle ",
                "C  axis ", "Rotation  Tool "}));
        QCOMPARE(captionsOf(m_main->findChild<QMenu*>(u"Gcode|Thread "_qs)),
            (QStringList {"PLAN  direction ", "Length direction ", "Not fix Cycle  G34"}));
        QCOMPARE(captionsOf(m_main->findChild<QMenu*>(u"Mcode|Tailstock"_qs)),
            (QStringList {" advance  M56", " retract  M55", " interlock  ignore "}));
        QCOMPARE(m_main->action(u"mnuGcodeMap(6)"_qs)->text(), u"Key way  length 手 G190"_qs);
    }

    void codeInsertion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caret");
        const auto row = [](const char* name, const char* before, int selStart, int selLength,
                             const char* control, const char* after, int caret) {
            QTest::newRow(name) << QString::fromUtf8(before) << selStart << selLength
                                << QString::fromUtf8(control) << QString::fromUtf8(after) << caret;
        };
        row("selectionReplaced", "N001 G00 M08", 9, 3, "McodeCoolantStanderdOff", "N001 G00  M09",
            13);
        row("blockSplitsTheLine", "ABCD", 2, 0, "GcodeG32", "ABN000 G32 X Z F\r\nCD", 18);
        row("dwellWaitsForItsValue", "N001\r\n", 6, 0, "GcodeG04", "N001\r\nG04 F", 11);
        row("subSpindleChuckClose", "", 0, 0, "McodeChuckSubClose", " M249", 5);
        row("subSpindleChuckOpen", "", 0, 0, "McodeChuckSubOpen", " M248", 5);
        row("grooveConditionHasNoNumber", "", 0, 0, "mnuGcodeLap(2)",
            "$    G84 XA= DA= FA= XB= DB= FB=\r\n", 34);
        row("turretB", "", 0, 0, "mnuGcode(14)", "G14\r\n", 5);
        row("compensation", "G01 X10", 3, 0, "mnuGcodeComp(1)", "G01 G41 X10", 7);
        row("rotatingToolStop", "", 0, 0, "McodeMspindleM12", " M12 M63", 8);
        row("orientationWithoutAngle", "", 0, 0, "McodeMspindleM229", " M229 M63", 9);
        row("cycleCancel", "", 0, 0, "mnuGcodeMap(14)", "N000 G180\r\n", 11);
    }
    void codeInsertion()
    {
        QFETCH(QString, before);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, control);
        NcTextBox* text = newDocument(before);
        text->setSelStart(selStart);
        text->setSelLength(selLength);
        trigger(control);
        QTEST(text->Text(), "after");
        QTEST(int(text->SelStart()), "caret");
        QCOMPARE(text->SelLength(), 0);
        QVERIFY(text->DataChanged());
    }

    void commentsShippedAndInserted()
    {
        const QStringList lines
            = QString::fromUtf8(ReadBytes(ProgramFolder() + u"/Comment.txt"_qs)).split(u"\r\n"_qs);
        QVERIFY(lines.size() > 3);
        QVERIFY(lines.last().isEmpty()); // every line ends with CR LF
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(u'(') && lines[i].endsWith(u')'), qPrintable(lines[i]));
        // Inserted whole at the caret; a missing file is created empty.
        SetProgramFolder(m_folder.path());
        const QString comments = m_folder.filePath(u"Comment.txt"_qs);
        QFile::remove(comments);
        NcTextBox* box = newDocument(u"G00"_qs);
        trigger(u"mnuInsertComment"_qs);
        QCOMPARE(box->Text(), u"G00"_qs);
        QVERIFY(QFile::exists(comments));
        WriteBytes(comments, "(A)\r\n(B)\r\n(C \xE6\xB8\xAC)\r\n");
        trigger(u"mnuInsertComment"_qs);
        QCOMPARE(box->Text(), u"(A)\r\n(B)\r\n(C 測)\r\nG00"_qs);
        QCOMPARE(box->SelStart(), 17); // at the start of the line after them
    }

    void subProgramSizeLimit_data()
    {
        QTest::addColumn<int>("size"); // 0: the file dialog is cancelled
        QTest::addColumn<bool>("inserted");
        QTest::newRow("exactly65000") << 65000 << true;
        QTest::newRow("65001") << 65001 << false;
        QTest::newRow("cancelled") << 0 << false;
    }
    void subProgramSizeLimit()
    {
        QFETCH(int, size);
        QFETCH(bool, inserted);
        const QString path = m_folder.filePath(u"SUB.SSB"_qs);
        WriteBytes(path, QByteArray(qMax(size - 2, 0), 'X') + "\r\n");
        NcTextBox* box = newDocument(u"M30"_qs);
        ModalScript script;
        script.chooseFile(size ? path : QString()).answerMessage(QMessageBox::Ok);
        trigger(u"mnuInsertFile"_qs);
        QCOMPARE(box->Text().size(), inserted ? size + 3 : 3);
        QCOMPARE(script.pendingSteps(), size == 65001 ? 0 : 1);
        if (size == 65001)
            QCOMPARE(script.messages()[0].text,
                u" this  file は size が big きすぎるため Open ことが can not do  . "_qs);
        if (size)
            QCOMPARE(QDir(module1().gInsertPathName), QDir(m_folder.path()));
    }

    void dateLine()
    {
        QCOMPARE(DateLine(QDate(2024, 5, 7)), u"DATE : 2024.05.07\r\n"_qs);
        NcTextBox* box = newDocument(u"M30"_qs);
        trigger(u"mnuInsertDate"_qs);
        QCOMPARE(box->Text(), DateLine(QDate::currentDate()) + u"M30"_qs);
    }

    void autoNumberSwitchFromMenuAndButton()
    {
        NcTextBox* box = newDocument(u"G00\r\n"_qs);
        QAction* item = m_main->action(u"mnuToolsAutoNo"_qs);
        QAction* button = m_main->toolBarButton(u" Auto Sequence No.  Insert "_qs);
        QCOMPARE(button->objectName(), u"tbToolBar(12)"_qs);
        const auto on = [&] {
            return QList<bool> {module1().gAutoSeqNo, item->isChecked(), button->isChecked()};
        };
        QCOMPARE(on(), QList<bool>(3, false));
        item->trigger();
        QCOMPARE(on(), QList<bool>(3, true));
        box->setSelStart(5);
        QTest::keyClicks(box, u"X"_qs);
        QCOMPARE(box->Text(), u"G00\r\nN000     X"_qs);
        item->trigger();
        QCOMPARE(on(), QList<bool>(3, false));
        button->trigger();
        QCOMPARE(on(), QList<bool>(3, true));
        button->trigger();
        QCOMPARE(on(), QList<bool>(3, false));
    }

    void findStepsThroughOccurrencesThenSaysNotFound()
    {
        NcTextBox* box = newDocument(u"ababab"_qs);
        box->setSelStart(1);
        // Next Find before any search says nothing and leaves the caret.
        QVERIFY(Answering([&] { trigger(u"mnuSearchNextFind"_qs); }).isEmpty());
        QCOMPARE(box->SelStart(), 1);
        QCOMPARE(box->SelLength(), 0);
        box->setSelStart(0);
        QWidget* form = open(u"mnuSearchFind"_qs, u"frmFind"_qs);
        const QStringList before = {"frmFind.windowTitle=Find", "NextFind.enabled=false"};
        QCOMPARE(Properties(form, before), before);
        Type(form, "txtFind", u"ab"_qs);
        QVERIFY(Control<QPushButton>(form, "NextFind")->isEnabled());
        for (qint64 expected : {0, 2, 4}) {
            Click(form, "NextFind");
            QCOMPARE(box->SelStart(), expected);
            QCOMPARE(box->SelLength(), 2);
        }
        QCOMPARE(Said(Answering([&] { Click(form, "NextFind"); })),
            QStringList {"Find|\"ab\" not find."});
    }

    void findFromTopActsOnceAndIsCaseSensitive()
    {
        NcTextBox* box = newDocument(u"G01 g01 G01"_qs);
        box->setSelStart(8);
        box->setSelLength(3);
        QWidget* form = open(u"mnuSearchFind"_qs, u"frmFind"_qs);
        QCOMPARE(Control<QLineEdit>(form, "txtFind")->text(), u"G01"_qs);
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 8); // the selection itself is searched
        auto* fromTop = Control<QCheckBox>(form, "Check1");
        fromTop->setChecked(true);
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 0);
        QVERIFY(!fromTop->isChecked());
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 8);
    }

    void searchRunsOnTheTextAsEditedByHand()
    {
        NcTextBox* box = newDocument(Crlf(u"G00 X1|G00 X2"_qs));
        QWidget* form = open(u"mnuSearchFind"_qs, u"frmFind"_qs);
        Type(form, "txtFind", u"X2"_qs);
        box->setSelStart(0);
        box->setSelText(u"N001 "_qs); // typed while the dialog is open
        Click(form, "NextFind");
        QCOMPARE(box->SelText(), u"X2"_qs);
        QCOMPARE(box->SelStart(), 17);
    }

    void nextFindRepeatsLastSearchBehindSelection()
    {
        NcTextBox* box = newDocument(u"X1 X2 X3"_qs);
        QWidget* form = open(u"mnuSearchFind"_qs, u"frmFind"_qs);
        Type(form, "txtFind", u"X"_qs);
        Click(form, "NextFind");
        QCOMPARE(box->SelStart(), 0);
        Control<QPushButton>(form, "Cancel")->click();
        trigger(u"mnuSearchNextFind"_qs);
        QCOMPARE(box->SelStart(), 3);
        trigger(u"mnuSearchNextFind"_qs);
        QCOMPARE(box->SelStart(), 6);
        ModalScript script;
        script.answerMessage(QMessageBox::Ok).answerMessage(QMessageBox::Ok);
        trigger(u"mnuSearchNextFind"_qs);
        module1().gChangeCount = 2;
        trigger(u"mnuSearchNextFind"_qs);
        QCOMPARE(script.messages().size(), 2);
        QCOMPARE(Said(script.messages()).value(0), u" Fund |\"X\"は見つかりませんでした . "_qs);
        QCOMPARE(script.messages()[1].text, u"2 time  change しました . "_qs);
        QCOMPARE(module1().gChangeCount, 2);
    }

    void replaceButtonsNeedBothBoxesAndTheReplacementStaysUntilCancel()
    {
        newDocument(u"G01"_qs);
        QWidget* form = open(u"mnuSearchReplace"_qs, u"frmReplace"_qs);
        const QStringList off
            = {"frmReplace.windowTitle=Replace", "Change.enabled=false", "Change.default=false"};
        QCOMPARE(Properties(form, off), off);
        Type(form, "txtFind", u"G01"_qs);
        QVERIFY(!Control<QPushButton>(form, "Change")->isEnabled());
        Type(form, "txtReplace", u"G1"_qs);
        const QStringList on = {"Change.enabled=true", "Change.default=true",
            "NextFind.enabled=true", "AllChange.enabled=true"};
        QCOMPARE(Properties(form, on), on);
        Type(form, "txtFind", QString());
        QCOMPARE(Properties(form, off), off);
        // Opened again, the dialog keeps the replacement until it is cancelled.
        QCOMPARE(open(u"mnuSearchReplace"_qs, u"frmReplace"_qs), form);
        QCOMPARE(Control<QLineEdit>(form, "txtReplace")->text(), u"G1"_qs);
        Click(form, "Cancel");
        Settle();
        form = open(u"mnuSearchReplace"_qs, u"frmReplace"_qs);
        QCOMPARE(Control<QLineEdit>(form, "txtReplace")->text(), QString());
    }

    void changeReplacesWhatThePressBeforeFound()
    {
        NcTextBox* box = newDocument(Crlf(u"G01 X1|G01 X2|G01 X3"_qs));
        QWidget* form = openReplace(u"G01"_qs, u"G1"_qs);
        Click(form, "Change"); // the first press only finds
        QCOMPARE(box->Text(), Crlf(u"G01 X1|G01 X2|G01 X3"_qs));
        QCOMPARE(box->SelStart(), 0);
        Click(form, "Change");
        QCOMPARE(box->SelStart(), 7);
        Click(form, "Change");
        const auto said = Answering([&] { Click(form, "Change"); });
        QCOMPARE(box->Text(), Crlf(u"G1 X1|G1 X2|G1 X3"_qs));
        QCOMPARE(Said(said), QStringList {"Character列Change|3 Time Changeしました."});
        QCOMPARE(box->SelStart(), 0);
        QVERIFY(module1().gFirstChange);
        QCOMPARE(module1().gChangeCount, 0);
    }

    void skipFirstThenChangeDoesNotReplaceSkipped()
    {
        NcTextBox* box = newDocument(u"a a a"_qs);
        QWidget* form = openReplace(u"a"_qs, u"b"_qs);
        Click(form, "NextFind");
        Click(form, "Change");
        QCOMPARE(box->Text(), u"a a a"_qs);
        QCOMPARE(box->SelStart(), 2);
        Click(form, "Change");
        QCOMPARE(box->Text(), u"a b a"_qs);
    }

    void endMessagesWhenNothingFound_data()
    {
        QTest::addColumn<bool>("sizeShift");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("said"); // title|text
        const auto row
            = [](const char* name, bool sizeShift, const char* button, const char* said) {
                  QTest::newRow(name)
                      << sizeShift << QString::fromLatin1(button) << QString::fromUtf8(said);
              };
        row("replaceSkip", false, "NextFind", "Replace|\"Q\" not find.");
        row("replaceChange", false, "Change", "Character列Change|\"Q\" 見つかりませんでした.");
        row("replaceAllChange", false, "AllChange", "Replace|\"Q\" not find.");
        row("sizeShiftSkip", true, "NextFind", "Size Shift|\"Q\" not find.");
        row("sizeShiftChange", true, "Change", "DataChange|\"Q\" 見つかりません.");
        row("sizeShiftAllChange", true, "AllChange", "Size Shift|\"Q\" not find.");
    }
    void endMessagesWhenNothingFound()
    {
        QFETCH(bool, sizeShift);
        QFETCH(QString, button);
        QFETCH(QString, said);
        NcTextBox* box = newDocument(u"G01 X1"_qs);
        QWidget* form = sizeShift ? openSizeShift(u"Q"_qs, u"1"_qs) : openReplace(u"Q"_qs, u"R"_qs);
        QCOMPARE(Said(Answering([&] { Click(form, qPrintable(button)); })), QStringList {said});
        QCOMPARE(box->Text(), u"G01 X1"_qs);
    }

    void allChangeIsOneUndoStepAndLeavesCaretAtTop()
    {
        NcTextBox* box = newDocument(u"a-a"_qs);
        box->setSelStart(3);
        QWidget* form = openReplace(u"a"_qs, u"aa"_qs);
        Control<QCheckBox>(form, "Check1")->setChecked(true);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), u"aa-aa"_qs);
        QCOMPARE(Said(said), QStringList {"Replace|2 times replaced."});
        QCOMPARE(box->SelStart(), 0);
        box->undo();
        QCOMPARE(box->Text(), u"a-a"_qs);
    }

    void changeKeepsEditsMadeByHand()
    {
        NcTextBox* box = newDocument(Crlf(u"G01 X1|G01 X2|G01 X3"_qs));
        QWidget* form = openReplace(u"G01"_qs, u"G1"_qs);
        Click(form, "Change");
        AppendByHand(box, Crlf(u"|M30"_qs));
        Click(form, "Change");
        QCOMPARE(box->Text(), Crlf(u"G1 X1|G01 X2|G01 X3|M30"_qs));
        // The operator clicked elsewhere: the text at the caret is not the text found and stays.
        box->setSelStart(3);
        Click(form, "Change");
        QCOMPARE(box->Text(), Crlf(u"G1 X1|G01 X2|G01 X3|M30"_qs));
        QCOMPARE(box->SelStart(), 15);
        QCOMPARE(box->SelText(), u"G01"_qs);
    }

    void allChangeBeyond16Bits()
    {
        NcTextBox* box = newDocument(QString(40000, u'x'));
        QWidget* form = openReplace(u"x"_qs, u"yy"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), QString(80000, u'y'));
        QCOMPARE(said[0].text, u"40000 times replaced."_qs);
    }

    void dialogWorksOnDocumentActiveAtCommand()
    {
        NcTextBox* first = newDocument(u"A1"_qs);
        QWidget* form = open(u"mnuSearchReplace"_qs, u"frmReplace"_qs);
        NcTextBox* second = newDocument(u"A1"_qs);
        QVERIFY(ActiveText() == second);
        Type(form, "txtFind", u"A"_qs);
        Type(form, "txtReplace", u"B"_qs);
        Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(first->Text(), u"B1"_qs);
        QCOMPARE(second->Text(), u"A1"_qs);
    }

    void sizeShiftDesignState()
    {
        NcTextBox* box = newDocument(u"G00 X100"_qs);
        box->setSelStart(4);
        box->setSelLength(1);
        QWidget* form = open(u"mnuToolsSizeShift"_qs, u"frmSizeShift"_qs);
        const QStringList design = {"frmSizeShift.windowTitle=Calculation Replace",
            "txtFind.text=X", "txtFind.toolTip=Example: X , Z , S , SB , DA ,etc...",
            "txtValue.toolTip=Example: 100 , -10 , *0.8 , /2 , etc...", "Label3.text=(+,-,*,/Only)",
            "NextFind.enabled=false", "Change.enabled=false", "AllChange.enabled=false"};
        QCOMPARE(Properties(form, design), design);
        // Enter walks through the boxes, and from the value to Change once both are filled.
        auto* find = Control<QLineEdit>(form, "txtFind");
        auto* value = Control<QLineEdit>(form, "txtValue");
        find->clear();
        find->setFocus();
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), value);
        QTest::keyClick(value, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), find);
        QTest::keyClicks(find, u"X"_qs);
        QTest::keyClick(find, Qt::Key_Enter);
        QTest::keyClicks(value, u"10"_qs);
        QTest::keyClick(value, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), Control<QPushButton>(form, "Change"));
        QVERIFY(Control<QPushButton>(form, "Change")->isDefault());
        QCOMPARE(module1().gReplaceText, u"10"_qs);
    }

    void sizeShiftAllChangeChangesEveryValueInOneUndoStep()
    {
        const QString original = Crlf(u"G00 X100 Z5|G01 X-15|X Y|SB=2"_qs);
        NcTextBox* box = newDocument(original);
        QWidget* form = openSizeShift(u"X"_qs, u"10"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), Crlf(u"G00 X110 Z5|G01 X-5|X Y|SB=2"_qs));
        QCOMPARE(Said(said), QStringList {"Size Shift|2 times size shifted."});
        QCOMPARE(box->SelText(), u"X"_qs); // the bare X found last stays selected
        box->undo();
        QCOMPARE(box->Text(), original);
    }

    void sizeShiftChangeSequenceAndItsMessage()
    {
        NcTextBox* box = newDocument(u"SB=1000 SB= 30"_qs);
        QWidget* form = openSizeShift(u"SB"_qs, u"/2"_qs);
        Click(form, "Change");
        QCOMPARE(box->Text(), u"SB=1000 SB= 30"_qs);
        Click(form, "Change");
        QCOMPARE(box->Text(), u"SB=500 SB= 30"_qs);
        QCOMPARE(box->SelStart(), 7);
        const auto said = Answering([&] { Click(form, "Change"); });
        QCOMPARE(box->Text(), u"SB=500 SB=15"_qs);
        QCOMPARE(Said(said), QStringList {"DataChange|2 Time DataをChangeしました."});
        QCOMPARE(box->SelStart(), 0);
    }

    void sizeShiftChangesHandEditsToo()
    {
        NcTextBox* box = newDocument(Crlf(u"X1|X2"_qs));
        QWidget* form = openSizeShift(u"X"_qs, u"*3"_qs);
        Click(form, "Change");
        AppendByHand(box, Crlf(u"|X3"_qs));
        Click(form, "Change");
        QCOMPARE(box->Text(), Crlf(u"X3|X2|X3"_qs));
        // All Change goes on behind the occurrence the last Change found and selected.
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), Crlf(u"X3|X2|X9"_qs));
        QCOMPARE(said[0].text, u"2 times size shifted."_qs);
    }

    void sizeShiftRefusesAnEndlessChange()
    {
        NcTextBox* box = newDocument(u"G00 11"_qs);
        QWidget* form = openSizeShift(u"1"_qs, u"*11"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), u"G00 11"_qs);
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].icon, QMessageBox::Warning);
    }

    void sizeShiftLargeDocument()
    {
        NcTextBox* box = newDocument(QString("G01 X1 Z-2\r\n").repeated(40000));
        QWidget* form = openSizeShift(u"X"_qs, u"+0.5"_qs);
        const auto said = Answering([&] { Click(form, "AllChange"); });
        QCOMPARE(box->Text(), QString("G01 X1.5 Z-2\r\n").repeated(40000));
        QCOMPARE(said[0].text, u"40000 times size shifted."_qs);
    }

    void arrangeDesignState()
    {
        newDocument(QString());
        QWidget* form = openArrange();
        const QStringList design = {"frmNumberArrange.windowTitle=Sequence Number Arrange",
            "DigitNo.text=3", "DigitNo.toolTip=3=N000 , 4=N0000...",
            "StartNo.toolTip=100=N100, N101...", "AddNo.toolTip=1=N001, N002...",
            "FromTop.checked=true", "With5Space.checked=true",
            "With5Space.toolTip=N000     X100...", "WithoutSpace.text=non", "Frame1.title=Space",
            "Command1.text=O  K", "StopM02.checked=false", "Continue.enabled=true"};
        QCOMPARE(Properties(form, design), design);
        auto* stop = Control<QCheckBox>(form, "StopM02");
        stop->click();
        QVERIFY(!Control<QCheckBox>(form, "Continue")->isEnabled());
        stop->click();
        QVERIFY(Control<QCheckBox>(form, "Continue")->isEnabled());
        // Enter moves to the next box, whose text is then selected, and never runs the arrange.
        auto* digits = Control<QLineEdit>(form, "DigitNo");
        auto* start = Control<QLineEdit>(form, "StartNo");
        auto* add = Control<QLineEdit>(form, "AddNo");
        digits->setFocus();
        QTest::keyClick(digits, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), start);
        QTRY_COMPARE(start->selectedText(), u"1"_qs);
        QTest::keyClick(start, Qt::Key_Enter);
        QCOMPARE(form->focusWidget(), add);
        QTest::keyClick(add, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), Control<QPushButton>(form, "Command1"));
        QVERIFY(ShownWindow(u"frmNumberArrange"_qs));
    }

    void arrangeOkRenumbersInOneUndoStepAndClosesDialog()
    {
        const QString original = Crlf(u"N000 G00 X100 Z5|G01 Z-10 F0.2|X50"_qs);
        NcTextBox* box = newDocument(original);
        Click(openArrange(), "Command1");
        Settle();
        QVERIFY(!ShownWindow(u"frmNumberArrange"_qs));
        QCOMPARE(box->Text(), Crlf(u"N001 G00 X100 Z5|N002 G01 Z-10 F0.2|N003     X50"_qs));
        QCOMPARE(box->SelStart(), box->Text().size());
        box->undo();
        QCOMPARE(box->Text(), original);
    }

    void arrangeTakesTextAndCaretWhenOkIsPressed()
    {
        NcTextBox* box = newDocument(Crlf(u"G00|G01"_qs));
        QWidget* form = openArrange();
        Control<QCheckBox>(form, "FromTop")->setChecked(false);
        Control<QRadioButton>(form, "With1Space")->setChecked(true);
        Type(form, "StartNo", u"10"_qs);
        AppendByHand(box, Crlf(u"|G02|G03"_qs));
        box->setSelStart(5); // in the second line
        Click(form, "Command1");
        QCOMPARE(box->Text(), Crlf(u"G00|G01|N010 G02|N011 G03"_qs));
    }

    void arrangeBadInputKeepsDialogAndText_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* box, const char* value, const char* message) {
            QTest::newRow(box) << QString::fromLatin1(box) << QString::fromLatin1(value)
                               << QString::fromLatin1(message);
        };
        row("DigitNo", "2.5", "Digit Number must be a whole number from 0 to 15.");
        row("StartNo", "-3", "Start Number must be a whole number from 0 to 999999999999999.");
        row("AddNo", "-1", "Add Value must be a whole number from 0 to 999999999999999.");
    }
    void arrangeBadInputKeepsDialogAndText()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        NcTextBox* text = newDocument(u"G00"_qs);
        QWidget* form = openArrange();
        Type(form, qPrintable(box), value);
        const auto said = Answering([&] { Click(form, "Command1"); });
        QTEST(said[0].text, "message");
        QCOMPARE(ShownWindow(u"frmNumberArrange"_qs), form);
        QCOMPARE(text->Text(), u"G00"_qs);
        QCOMPARE(form->focusWidget(), Control<QLineEdit>(form, qPrintable(box)));
    }

    void arrangeWithItsDocumentClosedSays91()
    {
        newDocument(u"G00"_qs);
        QWidget* form = openArrange();
        CloseActiveDocumentDiscardingChanges();
        const auto said = Answering([&] { Click(form, "Command1"); });
        QCOMPARE(said[0].text, u"Not file open. Can not insert."_qs);
    }

    void arrangeLargeDocument()
    {
        NcTextBox* box = newDocument(QString("N000 G01 X1\r\n").repeated(40000));
        QWidget* form = openArrange();
        Type(form, "DigitNo", u"5"_qs);
        Click(form, "Command1");
        QVERIFY(box->Text().endsWith(u"N39999 G01 X1\r\nN40000 G01 X1\r\n"_qs));
    }
};

CORVANE_TEST_MAIN(TextToolsGuiTest)
#include "TextToolsGuiTest.moc"
