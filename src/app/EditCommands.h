#pragma once

#include <QMetaObject>
#include <QObject>

class Shell;
class NcTextBox;

// Undo and Redo over the active document's own history, and Cut, Copy, Paste through the
// clipboard.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    explicit EditCommands(Shell* shell);
    void connectTo(Shell* shell);

    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();

    // Undo and Redo follow the history of the document that is now active.
    void followActiveDocument();

private:
    NcTextBox* target() const;
    void showHistory();

    Shell* m_shell;
    QMetaObject::Connection m_followed;
};
