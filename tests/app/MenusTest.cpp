#include "TestSupport.h"

#include "app/HelpViewer.h"
#include "app/StatusBar.h"
#include "common/ProgramFolder.h"
#include "documents/NcTextBox.h"
#include "documents/core/NcWords.h"
#include "documents/frmDocument.h"
#include <Qsci/qscilexer.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolBar>

// The menu bar, tool bar and status bar as the user meets them, and the Edit, Display and Help
// commands.
class MenusTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    QAction* item(const char* name) const { return m_main->action(QString::fromLatin1(name)); }
    void newDocument(const QString& text = {})
    {
        item("mnuFileNew")->trigger();
        ActiveText()->loadText(text);
    }

    // Each line of the listing with the item whose state it shows: none for a heading or a tip.
    // The Process and code menus' items are those menus' own tests.
    QList<std::pair<QString, QAction*>> listedItems() const
    {
        QList<std::pair<QString, QAction*>> items;
        const auto add = [&](QAction* a, const QString& text) {
            items.append({a && a->isSeparator() ? u"  ---"_qs : text, a});
        };
        for (QAction* top : m_main->menuBar()->actions()) {
            add(top, u'"' + top->text() + u'"');
            if (!QStringList {"Process", "Gcode", "Mcode"}.contains(top->objectName()))
                for (QAction* a : top->menu()->actions()) {
                    const QString key = QKeySequence::listToString(a->shortcuts());
                    add(a,
                        u"  \"%1\"%2%3"_qs.arg(a->text(), key.isEmpty() ? key : " <" + key + '>',
                            a->icon().isNull() ? QString() : " tip \"" + a->toolTip() + '"'));
                }
        }
        add(nullptr, u"Tool bar"_qs);
        for (QAction* a : m_main->toolBar()->actions())
            add(a,
                u"  \"%1\" tip \"%2\"%3"_qs.arg(a->property("Key").toString(), a->toolTip(),
                    a->icon().pixmap(24, 24).isNull() ? u" no icon"_qs : QString()));
        add(nullptr, u"Status bar"_qs);
        for (int i = 1; i <= 6; ++i)
            add(nullptr, u"  tip \"%1\""_qs.arg(m_main->statusPanels()->panel(i)->toolTip()));
        return items;
    }

    static QString state(QAction* a)
    {
        QStringList state;
        if (a && (!a->isVisible() || !a->isEnabled()))
            state << (a->isVisible() ? u"off"_qs : u"hidden"_qs);
        if (a && a->isCheckable())
            state << (a->isChecked() ? u"checked"_qs : u"unchecked"_qs);
        return state.isEmpty() ? u"-"_qs : state.join(u", "_qs);
    }

private slots:
    void init() { m_main = StartFresh(); }
    void cleanup() { CloseMainDiscardingChanges(); }

    // Without a document, with one (the tool bar button runs its menu command) and after the
    // last one is closed: closing keeps the document menus.
    void menusToolBarAndStatusBarAsDesigned()
    {
        const QList<std::pair<QString, QAction*>> items = listedItems();
        QList<QStringList> states(items.size());
        const auto note = [&] {
            for (qsizetype i = 0; i < items.size(); ++i)
                states[i] << state(items[i].second);
        };
        note();
        m_main->toolBarButton(u" New "_qs)->trigger();
        note();
        CloseActiveDocumentDiscardingChanges();
        note();
        QStringList lines;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QString s
                = states[i].count(states[i][0]) == 3 ? states[i][0] : states[i].join(u" | "_qs);
            lines << items[i].first + (s == u"-" ? QString() : u" : "_qs + s);
        }
        CompareWithFile(lines, u"app/Menus.txt"_qs);
    }

    // One undo history per document, worked by the menu's keys and the context menu, shown by
    // Undo and Redo through switches and closes: typing over the whole program is taken back and
    // done again. Paste keeps the line ends, and a copy of nothing pastes nothing.
    void undoAndRedoByTheirKeys()
    {
        const QString program = u"N001 G00 X100\r\n"_qs;
        newDocument(program);
        QApplication::setActiveWindow(m_main);
        ActiveText()->setFocus();
        const auto press = [](std::initializer_list<QKeyCombination> keys) {
            for (QKeyCombination key : keys)
                QTest::keyClick(ActiveText(), key.key(), key.keyboardModifiers());
        };
        const auto now = [this] {
            return ActiveText()->Text() + (item("mnuEditUndo")->isEnabled() ? " undo" : " -")
                + (item("mnuEditRedo")->isEnabled() ? " redo" : " -");
        };
        press({Qt::CTRL | Qt::Key_A, Qt::Key_G, Qt::CTRL | Qt::Key_Z});
        QCOMPARE(now(), program + " - redo");
        press({Qt::CTRL | Qt::Key_Y});
        QCOMPARE(now(), u"g undo -"_qs);
        press({Qt::CTRL | Qt::Key_Z});
        ActiveText()->setSelStart(5);
        ActiveText()->setSelLength(4);
        press({Qt::CTRL | Qt::Key_X});
        ActiveText()->setSelStart(0);
        press({Qt::CTRL | Qt::Key_V});
        QCOMPARE(now(), u"G00 N001 X100\r\n undo -"_qs);
        QMenu* menu = ActiveText()->contextMenu();
        QCOMPARE(menu->actions().mid(0, 2), (QList {item("mnuEditUndo"), item("mnuEditRedo")}));
        delete menu;
        item("mnuEditUndo")->trigger();
        QCOMPARE(now(), u"N001 X100\r\n undo redo"_qs);

        newDocument(u"AB"_qs);
        QApplication::clipboard()->setText(u"X\r\nY\nZ"_qs);
        ActiveText()->setSelStart(1);
        press({Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V});
        QCOMPARE(now(), u"AX\r\nY\nZB undo -"_qs);
        m_main->mdiArea()->activatePreviousSubWindow();
        QCOMPARE(now(), u"N001 X100\r\n undo redo"_qs);
        CloseActiveDocumentDiscardingChanges();
        QCOMPARE(now(), u"AX\r\nY\nZB undo -"_qs);
    }

    // Vertical tiling follows new windows and resizes; the Display menu lists every window.
    void windowsTileAndAreListed()
    {
        m_main->resize(800, 600);
        newDocument();
        item("mnuWindowTileVertical")->trigger();
        QVERIFY(
            item("mnuWindowTileVertical")->isChecked() && !item("mnuWindowCascade")->isChecked());
        newDocument();
        newDocument();
        const QRect area = m_main->mdiArea()->viewport()->rect();
        int width = 0;
        for (frmDocument* doc : m_main->documents()) {
            QCOMPARE(doc->geometry().height(), area.height());
            width += doc->geometry().width();
        }
        QCOMPARE(width, area.width());
        m_main->resize(640, 480);
        QCoreApplication::processEvents();
        QCOMPARE(m_main->documents().first()->geometry().height(),
            m_main->mdiArea()->viewport()->height());
        item("mnuWindowCascade")->trigger();
        QVERIFY(!item("mnuWindowTileVertical")->isChecked());
        QMenu* view = m_main->menu(u"mnuView"_qs);
        emit view->aboutToShow();
        QStringList listed;
        for (QAction* a : view->actions())
            if (a->text().contains(QLatin1String("Untitled")))
                listed << a->text();
        QCOMPARE(listed, (QStringList {"&1 Untitled1", "&2 Untitled2", "&3 Untitled3"}));
        view->actions().at(view->actions().size() - 3)->trigger();
        QCOMPARE(m_main->activeDocument()->caption(), u"Untitled1"_qs);
    }

    void statusBarFollowsTheInsertKeyAndTheCaretAndBarsSwitchOffForThisRun()
    {
        StatusBar* bar = m_main->statusPanels();
        QCOMPARE(bar->panel(2)->text(), u"INS"_qs);
        QVERIFY(!bar->panel(5)->text().isEmpty());
        newDocument();
        QVERIFY(bar->panel(2)->isEnabled());
        ActiveText()->setSelText(u"N1\r\nXÉ1"_qs);
        QTRY_COMPARE(bar->findChild<QLabel*>(u"Caret"_qs)->text(), u"Line 2, Col 4"_qs);
        QTest::keyClick(ActiveText(), Qt::Key_Insert);
        QVERIFY(ActiveText()->overwriteMode() && !bar->panel(2)->isEnabled());
        item("mnuViewStatusBar")->trigger();
        item("mnuViewToolbar")->trigger();
        QVERIFY(!bar->isVisible() && !item("mnuViewStatusBar")->isChecked());
        QVERIFY(!m_main->toolBar()->isVisible());
        CloseMainDiscardingChanges();
        m_main = StartFresh(QString(), true);
        QVERIFY(m_main->statusPanels()->isVisible() && m_main->toolBar()->isVisible());
    }

    // Colouring is on at first, styles the words in the screen font, follows an undone whole-text
    // change, switches every open program and is kept for the next run.
    void colouringSwitchesEveryProgramAndIsKept()
    {
        newDocument(u"N0010 G00 X86 (A)\r\n"_qs);
        NcTextBox* box = ActiveText();
        const auto styleAt = [&box](long pos) {
            box->SendScintilla(QsciScintilla::SCI_COLOURISE, 0L, -1L);
            return box->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, pos);
        };
        QVERIFY(item("mnuViewColouring")->isChecked() && box->lexer());
        QCOMPARE(styleAt(6), long(NcStyle::GCode));
        box->setWholeText(u"N0020 M03\r\n"_qs);
        QCOMPARE(styleAt(6), long(NcStyle::MCode));
        box->undo();
        QCOMPARE(styleAt(14), long(NcStyle::Comment));
        box->setScreenFont(QFont(u"Monospace"_qs, 21));
        QCOMPARE(box->lexer()->font(int(NcStyle::GCode)).pointSize(), 21);

        newDocument();
        item("mnuViewColouring")->trigger();
        for (frmDocument* doc : m_main->documents())
            QVERIFY(!doc->txtText()->lexer());
        QCOMPARE(box->font().pointSize(), 21);
        QCOMPARE(box->Text(), u"N0010 G00 X86 (A)\r\n"_qs);
        CloseMainDiscardingChanges();
        QVERIFY(ReadBytes(SettingsFile()).contains("Colouring=False"));
        m_main = StartFresh(QString(), true);
        newDocument();
        QVERIFY(!item("mnuViewColouring")->isChecked() && !ActiveText()->lexer());
    }

    // A help page is shown, or the message says which file is missing.
    void helpMenu()
    {
        item("GcodeHelp")->trigger();
        auto* viewer = m_main->findChild<HelpViewer*>(u"frmHelp"_qs);
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->browser()->toPlainText().contains(QLatin1String("G04")));
        viewer->close();

        const QString folder = ProgramFolder();
        SetProgramFolder(QDir::tempPath() + u"/corvane-no-help"_qs);
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        item("MnemonicHelp")->trigger();
        SetProgramFolder(folder);
        QCOMPARE(script.messages().value(0).title, u"Corvane"_qs);
        QVERIFY(script.messages().value(0).text.contains(QLatin1String("/help/Mnemonic.html")));

        // The about box shows the version and says when system information is missing.
        qputenv("PATH", QDir::tempPath().toLocal8Bit()); // no system-information program here
        QStringList shown;
        script
            .then([&](QWidget* w) {
                shown = Properties(w,
                    {"frmAbout.windowTitle", "lblVersion.text", "lblDisclaimer.text",
                        "cmdSysInfo.text"});
                w->findChild<QAbstractButton*>(u"cmdSysInfo"_qs)->click();
            })
            .answerMessage(QMessageBox::Ok)
            .then([&](QWidget* w) { w->findChild<QAbstractButton*>(u"cmdOK"_qs)->click(); });
        item("mnuHelpAbout")->trigger();
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(shown,
            (QStringList {"frmAbout.windowTitle= Corvane", "lblVersion.text=Version 2.2.0",
                "lblDisclaimer.text=Atnn.: ", "cmdSysInfo.text=System info.(&S)..."}));
        QCOMPARE(Said(script.messages().mid(1)),
            QStringList {"Corvane|現時点ではｼｽﾃﾑ情報を使用できません"});
    }
};

CORVANE_TEST_MAIN(MenusTest)
#include "MenusTest.moc"
