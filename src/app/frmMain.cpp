#include "app/frmMain.h"

#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/Icons.h"
#include "app/Shell.h"
#include "app/ShellMenus.h"
#include "app/StatusBar.h"
#include "app/ToolBarButtons.h"
#include "app/WindowCommands.h"
#include "calc/CalcCommands.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/PrintCommands.h"
#include "pathview/PathView.h"
#include "process/ProcessCommands.h"
#include "process/ProcessMenus.h"
#include "texttools/CodeMenus.h"
#include "texttools/TextToolCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>

static void initResources()
{
    // The pictures live in this static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(icons);
}

namespace {
frmMain*& mainForm()
{
    static frmMain* form = nullptr;
    return form;
}

// The main window as the commands see it. A child of the window, it stays while the window's
// documents and tools go away with it.
class MainShell : public QObject, public Shell
{
public:
    explicit MainShell(frmMain* main)
        : QObject(main)
        , m_main(main)
    { }

    QWidget* mainWindow() override { return m_main; }
    QAction* action(const QString& control) const override { return m_main->action(control); }
    frmDocument* activeDocument() const override { return m_main->activeDocument(); }
    QList<frmDocument*> documents() const override { return m_main->documents(); }
    frmDocument* createDocument(const QString& caption) override
    {
        return m_main->createDocument(caption);
    }
    void ShowDocumentMenus() override { m_main->ShowDocumentMenus(); }
    void EnableDocumentCommands() override { m_main->EnableDocumentCommands(); }
    void ArrangeWindows() override { m_main->ArrangeWindows(); }

private:
    frmMain* m_main;
};
} // namespace

frmMain* MainForm()
{
    return mainForm();
}

Shell* TheShell()
{
    return mainForm() ? mainForm()->shell() : nullptr;
}

QWidget* ShellWindow()
{
    return mainForm();
}

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
    , m_mdi(new QMdiArea(this))
{
    initResources();
    m_shell = new MainShell(this);
    mainForm() = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Corvane Ver.2.20 for Miltrop"));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    m_files = new FileCommands(m_shell);
    m_edits = new EditCommands(m_shell);
    m_windows = new WindowCommands(m_shell, m_mdi);
    m_help = new HelpCommands(m_shell);
    m_process = new ProcessCommands(m_shell);

    buildMenus();
    buildToolBar();
    m_status = new StatusBar(this);
    setStatusBar(m_status);

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        m_status->followTextBox(activeDocument() ? activeDocument()->txtText() : nullptr);
        emit activeDocumentChanged();
    });
    connect(this, &frmMain::activeDocumentChanged, m_edits, &EditCommands::followActiveDocument);
    // The path view sits beside the documents and shows the one being worked on.
    m_path = new PathView(m_shell);
    addDockWidget(Qt::RightDockWidgetArea, m_path);
    connect(this, &frmMain::activeDocumentChanged, m_path, &PathView::followActiveDocument);
    NcTextBox::setMenuShortcuts(menuShortcuts());

    m_files->connectTo(m_shell);
    m_edits->connectTo(m_shell);
    m_windows->connectTo(m_shell, m_toolBar, m_status);
    m_help->connectTo(m_shell);
    m_process->connectTo(m_shell);
    (new TextToolCommands(m_shell))->connectTo(m_shell);
    (new PrintCommands(m_shell))->connectTo(m_shell);
    (new CalcCommands(m_shell))->connectTo(m_shell);
    m_path->connectTo(m_shell);
}

frmMain::~frmMain()
{
    // Nothing of the main window may run from the base destructors: the area's resize filter and
    // the window switch come off, and the document area and its windows go while the main window
    // is still whole.
    m_shuttingDown = true;
    m_mdi->viewport()->removeEventFilter(m_windows);
    disconnect(m_mdi, nullptr, this, nullptr);
    delete m_mdi;
    if (mainForm() == this)
        mainForm() = nullptr;
}

void frmMain::buildMenus()
{
    for (const ShellMenu& m : ShellMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf16(m.caption));
        menu->setObjectName(QString::fromLatin1(m.control));
        menu->menuAction()->setObjectName(QString::fromLatin1(m.control));
        m_menus.insert(menu->objectName(), menu);
    }
    for (const ShellItem& item : ShellItems()) {
        QMenu* menu = m_menus.value(QString::fromLatin1(item.menu));
        QAction* a = (item.flags & Separator) ? menu->addSeparator()
                                              : menu->addAction(QString::fromUtf16(item.caption));
        a->setObjectName(QString::fromLatin1(item.control));
        if (*item.shortcut)
            a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(item.shortcut)));
        a->setCheckable(item.flags & Checkable);
        a->setChecked(item.flags & StartsChecked);
        a->setEnabled(!(item.flags & StartsDisabled));
        a->setVisible(!(item.flags & StartsHidden));
        m_actions.insert(a->objectName(), a);
    }
    BuildCodeMenus(m_menus.value(QStringLiteral("Gcode")), m_menus.value(QStringLiteral("Mcode")),
        [this](QAction* a) { m_actions.insert(a->objectName(), a); });
    BuildProcessMenu(m_menus.value(QStringLiteral("Process")),
        [this](QAction* a) { m_actions.insert(a->objectName(), a); });
    connect(m_menus.value(QStringLiteral("mnuView")), &QMenu::aboutToShow, this,
        &frmMain::rebuildWindowList);
}

void frmMain::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("tbToolBar"));
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setMovable(false);
    int index = 0;
    for (const ToolBarButton& b : ToolBarButtons()) {
        ++index;
        QAction* button;
        if (!b.key) {
            button = m_toolBar->addSeparator();
        } else {
            const QString key = QString::fromUtf16(b.key);
            button = m_toolBar->addAction(ToolBarIcon(b.themeIcon, b.fallback), key.trimmed());
            button->setToolTip(QString::fromUtf16(b.toolTip));
            button->setProperty("Key", key);
            QAction* command = action(QString::fromLatin1(b.command));
            const auto mirror = [button, command] {
                button->setEnabled(command->isEnabled());
                button->setCheckable(command->isCheckable());
                button->setChecked(command->isChecked());
            };
            mirror();
            connect(command, &QAction::changed, button, mirror);
            connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
            m_buttons.insert(key, button);
        }
        button->setObjectName(QStringLiteral("tbToolBar(%1)").arg(index));
        button->setProperty("visibleWithoutDocuments", b.visibleWithoutDocuments);
    }
}

void frmMain::tbToolBar_ButtonClick(const QString& key)
{
    for (const ToolBarButton& b : ToolBarButtons()) {
        if (b.key && key == QString::fromUtf16(b.key)) {
            QAction* command = action(QString::fromLatin1(b.command));
            if (command && command->isEnabled()) {
                command->trigger();
                // A checkable command's button shows the command's state, not its own toggle.
                if (QAction* button = m_buttons.value(key))
                    button->setChecked(command->isChecked());
            }
            return;
        }
    }
}

QAction* frmMain::action(const QString& control) const
{
    return m_actions.value(control);
}

QMenu* frmMain::menu(const QString& control) const
{
    return m_menus.value(control);
}

QAction* frmMain::toolBarButton(const QString& key) const
{
    return m_buttons.value(key);
}

frmDocument* frmMain::activeDocument() const
{
    return qobject_cast<frmDocument*>(m_mdi->currentSubWindow());
}

QList<frmDocument*> frmMain::documents() const
{
    QList<frmDocument*> docs;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (auto* doc = qobject_cast<frmDocument*>(w))
            docs.append(doc);
    return docs;
}

frmDocument* frmMain::createDocument(const QString& caption)
{
    auto* doc = new frmDocument(this);
    doc->setCaption(caption);
    doc->setWindowIcon(DocumentIcon());
    const Module1& m = module1();
    doc->txtText()->setScreenFont(m.gScreenFontName, m.gScreenFontSize);
    // Files dropped on the text open as documents; the text box takes only dropped text.
    connect(doc->txtText(), &QsciScintillaBase::SCN_URIDROPPED, this,
        [this](const QUrl& url) { openDropped({url}); });
    doc->txtText()->setColouring(m.gColouring);
    m_mdi->addSubWindow(doc);
    doc->resize(m_mdi->viewport()->size()); // a new program gets the whole area to work in
    doc->show();
    m_mdi->setActiveSubWindow(doc);
    doc->txtText()->setFocus();
    return doc;
}

void frmMain::setDocumentMenusVisible(bool visible)
{
    for (const char* name :
        {"mnuEdit", "mnuInsert", "Process", "mnuTools", "ClosPoint", "Gcode", "Mcode"})
        m_menus.value(QString::fromLatin1(name))->menuAction()->setVisible(visible);
    for (QAction* button : m_toolBar->actions())
        if (!button->property("visibleWithoutDocuments").toBool())
            button->setVisible(visible);
}

void frmMain::HideDocumentMenus()
{
    setDocumentMenusVisible(false);
}

void frmMain::ShowDocumentMenus()
{
    setDocumentMenusVisible(true);
}

void frmMain::EnableDocumentCommands()
{
    for (const char* name : DocumentCommands()) {
        QAction* a = action(QString::fromLatin1(name));
        if (a)
            a->setEnabled(true);
    }
}

void frmMain::ArrangeWindows()
{
    m_windows->ArrangeWindows();
}

QList<QKeySequence> frmMain::menuShortcuts() const
{
    QList<QKeySequence> keys;
    for (QAction* a : m_actions)
        keys.append(a->shortcuts());
    return keys;
}

bool frmMain::queryUnload(frmDocument* doc)
{
    return m_files->QueryUnload(doc);
}

void frmMain::documentUnloaded(frmDocument*)
{
    module1().gDocClosed = true;
    // The window is gone once the event loop has removed it from the area; then re-arrange.
    QTimer::singleShot(0, this, [this] {
        if (!m_shuttingDown)
            ArrangeWindows();
        emit activeDocumentChanged();
    });
}

void frmMain::documentFocused(frmDocument*)
{
    Module1& m = module1();
    if (m.gDocClosed && !m_shuttingDown) {
        ArrangeWindows();
        m.gDocClosed = false;
    }
    // The modeless tools stay above the document being worked on.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString name = w->objectName();
        if (w->isVisible()
            && (name == u"frmFind" || name == u"frmReplace" || name == u"frmSizeShift"))
            w->raise();
    }
}

void frmMain::rebuildWindowList()
{
    QMenu* view = menu(QStringLiteral("mnuView"));
    qDeleteAll(m_windowList);
    m_windowList.clear();
    const QList<frmDocument*> docs = documents();
    if (docs.isEmpty())
        return;
    m_windowList.append(view->addSeparator());
    int number = 0;
    for (frmDocument* doc : docs) {
        ++number;
        QString caption = doc->shownCaption();
        caption.replace(u'&', QLatin1String("&&"));
        QAction* a = view->addAction(
            number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption);
        a->setCheckable(true);
        a->setChecked(doc == activeDocument());
        connect(a, &QAction::triggered, this, [this, doc] {
            if (m_mdi->subWindowList().contains(doc)) {
                m_mdi->setActiveSubWindow(doc);
                doc->txtText()->setFocus();
            }
        });
        m_windowList.append(a);
    }
}

void frmMain::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* e)
{
    if (!e->mimeData()->hasUrls())
        return;
    e->acceptProposedAction();
    openDropped(e->mimeData()->urls());
}

void frmMain::openDropped(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            m_files->OpenChosenFile(url.toLocalFile());
}

void frmMain::closeEvent(QCloseEvent* e)
{
    for (frmDocument* doc : documents()) {
        if (!doc->close()) {
            // A close prompt answered Cancel: the program stays as it was.
            e->ignore();
            return;
        }
    }
    m_shuttingDown = true;
    m_files->SaveSettingsAtShutdown();
    e->accept();
    QMainWindow::closeEvent(e);
    // The tools close with the main window; a floating path view is the window's own and stays
    // as it is, remembered as shown.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && w != m_path)
            w->close();
}
