#pragma once

#include <QObject>

class Shell;
class NcTextBox;

// Cut, Copy, Paste through the clipboard, and the one-level Undo that puts a cut text back or
// takes away what is selected after a paste.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    explicit EditCommands(Shell* shell);
    void connectTo(Shell* shell);

    void mnuEditUndo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();

private:
    NcTextBox* target() const;
    void setUndoAvailable(bool available, const QString& action);

    Shell* m_shell;
};
