#include "TestSupport.h"

#include "app/HelpViewer.h"
#include "app/StatusBar.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "documents/NcTextBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolBar>

// The menu bar, tool bar and status bar as the user meets them, and the Edit, Display and Help
// commands.
class MenusTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    QAction* item(const char* name) const { return m_main->action(QString::fromLatin1(name)); }
    QStringList visibleMenus() const
    {
        QStringList captions;
        for (QAction* a : m_main->menuBar()->actions())
            if (a->isVisible())
                captions << a->text();
        return captions;
    }
    QStringList visibleButtons() const
    {
        QStringList keys;
        for (QAction* a : m_main->toolBar()->actions())
            if (a->isVisible())
                keys << (a->isSeparator() ? u"|"_qs : a->property("Key").toString());
        return keys;
    }
    void newDocument(const QString& text = {})
    {
        item("mnuFileNew")->trigger();
        ActiveText()->loadText(text);
    }

private slots:
    void init() { m_main = StartFresh(); }
    void cleanup() { CloseMainDiscardingChanges(); }

    void withoutDocumentsOnlyFileDisplayAndHelpShow()
    {
        QCOMPARE(visibleMenus(), (QStringList {"File(&F)", "Display(&V)", "Help(&H)"}));
        QCOMPARE(visibleButtons(), (QStringList {" New ", " Open ", "|", "|", "|"}));
        for (const char* off : {"mnuFileClose", "mnuFileSave", "mnuFileSaveAs", "mnuFilePrint",
                 "mnuEditUndo", "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuSearchFind",
                 "mnuSearchNextFind", "mnuSearchReplace", "mnuToolsSizeShift"})
            QVERIFY2(!item(off)->isEnabled(), off);
        QVERIFY(item("mnuViewToolbar")->isChecked() && item("mnuViewStatusBar")->isChecked());
        QVERIFY(!item("mnuWindowCascade")->isChecked());
        // Our own pictures are SVG: without the SVG image support they would all be blank.
        for (QAction* a : m_main->toolBar()->actions())
            if (!a->isSeparator())
                QVERIFY2(
                    !a->icon().pixmap(24, 24).isNull(), qPrintable(a->property("Key").toString()));
    }

    void fileMenuReadsAsDesigned()
    {
        QStringList captions;
        for (QAction* a : m_main->menu(u"mnuFile"_qs)->actions())
            captions << (a->isSeparator() ? u"-"_qs : a->text());
        QCOMPARE(captions,
            (QStringList {"New (&N)", "Open (&O)", "Close (&C)", "-", "Save (&S)",
                "As Save (&A)...", "-", "Printer Setup ", "Print (&P)...", "-",
                "Screen Font (&F)...", "-", "RecentFile1", "RecentFile2", "RecentFile3",
                "RecentFile4", "RecentFile5", "-", " Corvane Exit (&X)"}));
        QCOMPARE(item("mnuFileOpen")->shortcut(), QKeySequence(u"Ctrl+O"_qs));
        QCOMPARE(item("mnuSearchNextFind")->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(item("mnuEditPaste")->text(), u" Past (&P)"_qs);
        QCOMPARE(item("mnuHelpAbout")->text(), u"Abut Corvane(&A)"_qs);
    }

    void newShowsEveryMenuAndEnablesTheDocumentCommands()
    {
        // The tool bar button runs its menu command.
        m_main->toolBarButton(u" New "_qs)->trigger();
        QCOMPARE(m_main->activeDocument()->caption(), u"Untitled1"_qs);
        QCOMPARE(visibleMenus(),
            (QStringList {"File(&F)", "Edit(&E)", "Insert ", "Process(&P)", "Tool(&T)",
                "Point calculation(&C)", "G-code(&G)", "M-code(&M)", "Display(&V)", "Help(&H)"}));
        QCOMPARE(visibleButtons().size(), 16);
        QVERIFY(item("mnuFileSave")->isEnabled() && item("mnuEditCut")->isEnabled());
        QVERIFY(!item("mnuEditUndo")->isEnabled());
        QCOMPARE(m_main->toolBarButton(u" Auto Sequence No.  Insert "_qs)->toolTip(),
            u" Auto N000  Insert "_qs);
        QCOMPARE(
            m_main->toolBarButton(u" Data Calculation "_qs)->toolTip(), u"Calculation Replace"_qs);
        // Closing the last document keeps the document state.
        m_main->activeDocument()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleMenus().size(), 10);
        QVERIFY(item("mnuFileSave")->isEnabled());
    }

    void cutUndoPasteAndCopy()
    {
        newDocument(u"N001 G00 X100\r\n"_qs);
        ActiveText()->setSelStart(5);
        ActiveText()->setSelLength(4);
        item("mnuEditCut")->trigger();
        QCOMPARE(ActiveText()->Text(), u"N001 X100\r\n"_qs);
        QCOMPARE(QApplication::clipboard()->text(), u"G00 "_qs);
        QVERIFY(item("mnuEditUndo")->isEnabled());
        ActiveText()->setSelStart(0);
        item("mnuEditUndo")->trigger();
        QCOMPARE(ActiveText()->Text(), u"G00 N001 X100\r\n"_qs);
        QVERIFY(!item("mnuEditUndo")->isEnabled());
        // Paste keeps the line ends; Undo without a selection changes nothing.
        ActiveText()->loadText(u"AB"_qs);
        QApplication::clipboard()->setText(u"X\r\nY\nZ"_qs);
        ActiveText()->setSelStart(1);
        item("mnuEditPaste")->trigger();
        QCOMPARE(ActiveText()->Text(), u"AX\r\nY\nZB"_qs);
        item("mnuEditUndo")->trigger();
        QCOMPARE(ActiveText()->Text(), u"AX\r\nY\nZB"_qs);
        QVERIFY(!item("mnuEditUndo")->isEnabled());
        // A copy of nothing pastes nothing.
        ActiveText()->setSelStart(1);
        item("mnuEditCopy")->trigger();
        item("mnuEditPaste")->trigger();
        QCOMPARE(ActiveText()->Text(), u"AX\r\nY\nZB"_qs);
    }

    void menuShortcutsWinOverTheTextBox()
    {
        newDocument(u"N001 G00\r\n"_qs);
        m_main->activateWindow();
        ActiveText()->setFocus();
        QApplication::setActiveWindow(m_main);
        ActiveText()->setSelStart(5);
        ActiveText()->setSelLength(3);
        QTest::keyClick(ActiveText(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(module1().gLastEditAction, u"Cut"_qs);
        QVERIFY(item("mnuEditUndo")->isEnabled());
        QTest::keyClick(ActiveText(), Qt::Key_Z, Qt::ControlModifier);
        // The menu's Undo puts the cut word back (the editor's own undo would as well, but would
        // leave the menu's Undo enabled).
        QCOMPARE(ActiveText()->Text(), u"N001 G00\r\n"_qs);
        QVERIFY(!item("mnuEditUndo")->isEnabled());
        QTest::keyClick(ActiveText(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(module1().gLastEditAction, u"Paste"_qs);
    }

    void verticalTilingFollowsNewWindowsAndResizes()
    {
        m_main->resize(800, 600);
        newDocument();
        item("mnuWindowTileVertical")->trigger();
        QVERIFY(item("mnuWindowTileVertical")->isChecked());
        QVERIFY(!item("mnuWindowCascade")->isChecked());
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
    }

    void statusBarFollowsTheInsertKeyAndBarsSwitchOff()
    {
        StatusBar* bar = m_main->statusPanels();
        QCOMPARE(bar->panel(2)->text(), u"INS"_qs);
        QStringList tips;
        for (int i = 2; i <= 6; ++i)
            tips << bar->panel(i)->toolTip();
        QCOMPARE(tips, (QStringList {"Insrt Key", "Caps Lock", "Num Lock", "Date", "Time"}));
        QVERIFY(!bar->panel(5)->text().isEmpty());
        newDocument();
        QVERIFY(bar->panel(2)->isEnabled());
        QTest::keyClick(ActiveText(), Qt::Key_Insert);
        QVERIFY(ActiveText()->overwriteMode());
        QVERIFY(!bar->panel(2)->isEnabled());
        // Both bars can be switched off, for this run only.
        item("mnuViewStatusBar")->trigger();
        QVERIFY(!m_main->statusPanels()->isVisible());
        QVERIFY(!item("mnuViewStatusBar")->isChecked());
        item("mnuViewToolbar")->trigger();
        QVERIFY(!m_main->toolBar()->isVisible());
        CloseMainDiscardingChanges();
        m_main = StartFresh(QString(), true);
        QVERIFY(m_main->statusPanels()->isVisible());
        QVERIFY(m_main->toolBar()->isVisible());
    }

    void windowListNamesEveryDocument()
    {
        newDocument();
        newDocument();
        QMenu* view = m_main->menu(u"mnuView"_qs);
        emit view->aboutToShow();
        QStringList listed;
        for (QAction* a : view->actions())
            if (a->text().contains(QLatin1String("Untitled")))
                listed << a->text();
        QCOMPARE(listed, (QStringList {"&1 Untitled1", "&2 Untitled2"}));
        view->actions().at(view->actions().size() - 2)->trigger();
        QCOMPARE(m_main->activeDocument()->caption(), u"Untitled1"_qs);
    }

    void helpShowsThePageOrSaysWhyNot()
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
        QVERIFY(script.messages().value(0).text.contains(QLatin1String("/help/Mnemonic.html")));
        QCOMPARE(script.messages().value(0).title, u"Corvane"_qs);
    }

    void aboutBoxShowsTheVersionAndSaysWhenSystemInformationIsMissing()
    {
        qputenv("PATH", QDir::tempPath().toLocal8Bit()); // no system-information program here
        ModalScript script;
        QStringList shown;
        const auto button = [](QWidget* w, const char* name) {
            return w->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        script
            .then([&](QWidget* w) {
                shown << w->windowTitle() << w->findChild<QLabel*>(u"lblVersion"_qs)->text()
                      << w->findChild<QLabel*>(u"lblDisclaimer"_qs)->text()
                      << button(w, "cmdSysInfo")->text();
                button(w, "cmdSysInfo")->click();
            })
            .answerMessage(QMessageBox::Ok)
            .then([&](QWidget* w) { button(w, "cmdOK")->click(); });
        item("mnuHelpAbout")->trigger();
        QCOMPARE(script.pendingSteps(), 0);
        QCOMPARE(
            shown, (QStringList {" Corvane", "Version 2.2.0", "Atnn.: ", "System info.(&S)..."}));
        QCOMPARE(script.messages().value(0).text, u"現時点ではｼｽﾃﾑ情報を使用できません"_qs);
        QCOMPARE(script.messages().value(0).title, u"Corvane"_qs);
    }
};

CORVANE_TEST_MAIN(MenusTest)
#include "MenusTest.moc"
