#pragma once

#include "documents/frmDocument.h"

#include <QHash>
#include <QMainWindow>

class QMdiArea;
class QMenu;
class QToolBar;
class QActionGroup;
class StatusBar;
class FileCommands;
class EditCommands;
class WindowCommands;
class HelpCommands;
class ProcessCommands;
class PathView;
class Shell;

// The main window: the document area, the menu bar, the tool bar and the status bar. The commands
// live in small controllers, one per menu.
class frmMain : public QMainWindow, public DocumentHost
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    QAction* action(const QString& control) const;
    QMenu* menu(const QString& control) const;
    QAction* toolBarButton(const QString& key) const;
    QToolBar* toolBar() const { return m_toolBar; }
    StatusBar* statusPanels() const { return m_status; }
    QMdiArea* mdiArea() const { return m_mdi; }

    frmDocument* activeDocument() const;
    QList<frmDocument*> documents() const;
    frmDocument* createDocument(const QString& caption);

    // The main window as the commands reach it.
    Shell* shell() const { return m_shell; }
    FileCommands* files() const { return m_files; }
    WindowCommands* windows() const { return m_windows; }
    PathView* pathView() const { return m_path; }

    void HideDocumentMenus();
    void ShowDocumentMenus();
    void EnableDocumentCommands();
    void ArrangeWindows();

    // Every key a menu item owns: the text box leaves these to the menus.
    QList<QKeySequence> menuShortcuts() const;

    // DocumentHost
    bool queryUnload(frmDocument* doc) override;
    void documentUnloaded(frmDocument* doc) override;
    void documentFocused(frmDocument* doc) override;

signals:
    void activeDocumentChanged();

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void buildMenus();
    void openDropped(const QList<QUrl>& urls);
    void buildToolBar();
    void tbToolBar_ButtonClick(const QString& key);
    void rebuildWindowList();
    void setDocumentMenusVisible(bool visible);

    QMdiArea* m_mdi;
    Shell* m_shell = nullptr;
    QToolBar* m_toolBar = nullptr;
    StatusBar* m_status = nullptr;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QAction*> m_buttons;
    QList<QAction*> m_windowList;
    FileCommands* m_files;
    EditCommands* m_edits;
    WindowCommands* m_windows;
    HelpCommands* m_help;
    ProcessCommands* m_process;
    PathView* m_path;
    bool m_shuttingDown = false;
};

// The running program's main window, or null.
frmMain* MainForm();
