#include "ProcessGuiSupport.h"
#include "documents/NcTextBox.h"
#include "process/generators/ProcessMenu.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

namespace {
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

// The generator dialogs of the Process menu on a real document. What each dialog shows, pre-fills
// and carries on, and the first lines of what it inserts, are the blocks of the files in
// process/dialogs (see the README there); here are the keys, the ways out, the measurement call
// with its sub-program and the errors.
class GeneratorDialogsTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

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
        m.gCsvFileName = ConditionFile(u"S45C.CSV"_qs);
        LoadCuttingConditions(m);
        m.gMaterialOD = 80;
        m.gPZero = 2;
        m.gInnerDia = 20;
        m.gB = 30.5;
        m.gSZ = -2;
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
                   const QStringList design = {"Label2.text=For change input position useTAB Key",
                       "Command1.text=O  K", "SpindleCCW.checked=true", "CoolantOFF.checked=true"};
                   QCOMPARE(Properties(w, design), design);
                   QVERIFY(Control(w, u"EndZ2"_qs)
                               ->geometry()
                               .intersects(Control(w, u"EndZ"_qs)->geometry()));
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
                    Type(w, word.section(u'=', 0, 0), word.section(u'=', 1));
                if (words.contains(u"closeDocument"))
                    CloseActiveDocumentDiscardingChanges();
                Click(w, "Command1");
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
    }
};

CORVANE_TEST_MAIN(GeneratorDialogsTest)
#include "GeneratorDialogsTest.moc"
