#pragma once

#include <QAction>
#include <QList>

#include <initializer_list>
#include <utility>

class QAction;
class QString;
class QWidget;
class frmDocument;

// What the commands ask of the main window. The main window (frmMain) provides the program's one
// shell; the menu commands, the tools and the message boxes reach it only through here, so none
// of them depends on the main window itself.
class Shell
{
public:
    virtual ~Shell() = default;

    // The main window as the owner of dialogs and tool windows.
    virtual QWidget* mainWindow() = 0;
    // The menu item of that objectName; null for a name no menu has.
    virtual QAction* action(const QString& control) const = 0;
    // The document window being worked on; null without one.
    virtual frmDocument* activeDocument() const = 0;
    virtual QList<frmDocument*> documents() const = 0;

    // What the File menu does with the document windows. A new window has that caption, the
    // screen font and the whole document area, and comes to the front.
    virtual frmDocument* createDocument(const QString& caption) = 0;
    virtual void ShowDocumentMenus() = 0;
    virtual void EnableDocumentCommands() = 0;
    // Arranges the document windows as the Display menu has it checked.
    virtual void ArrangeWindows() = 0;
};

// The running program's shell, or null before start-up and once the main window is gone.
Shell* TheShell();
// The shell's main window, or null without one.
QWidget* ShellWindow();

// Connects each menu item, found by its objectName, to the receiver's command for it.
template<typename Receiver>
void ConnectCommands(Shell* shell, Receiver* receiver,
    std::initializer_list<std::pair<const char*, void (Receiver::*)()>> commands)
{
    for (const auto& [control, command] : commands)
        QObject::connect(
            shell->action(QString::fromLatin1(control)), &QAction::triggered, receiver, command);
}
