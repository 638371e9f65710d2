#include "app/EditCommands.h"

#include "app/Icons.h"
#include "app/Messages.h"
#include "app/Shell.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

EditCommands::EditCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
{ }

void EditCommands::connectTo(Shell* shell)
{
    QAction* undo = shell->action(QStringLiteral("mnuEditUndo"));
    QAction* redo = shell->action(QStringLiteral("mnuEditRedo"));
    undo->setIcon(ToolBarIcon("edit-undo", "undo"));
    undo->setToolTip(QStringLiteral(" Undo "));
    redo->setIcon(ToolBarIcon("edit-redo", "redo"));
    redo->setToolTip(QStringLiteral(" Redo "));
    ConnectCommands(shell, this,
        {{"mnuEditUndo", &EditCommands::mnuEditUndo_Click},
            {"mnuEditRedo", &EditCommands::mnuEditRedo_Click},
            {"mnuEditCut", &EditCommands::mnuEditCut_Click},
            {"mnuEditCopy", &EditCommands::mnuEditCopy_Click},
            {"mnuEditPaste", &EditCommands::mnuEditPaste_Click}});
}

NcTextBox* EditCommands::target() const
{
    frmDocument* doc = m_shell->activeDocument();
    if (!doc) {
        ReportError(errNoDocument);
        return nullptr;
    }
    return doc->txtText();
}

void EditCommands::followActiveDocument()
{
    disconnect(m_followed);
    frmDocument* doc = m_shell->activeDocument();
    if (doc)
        m_followed
            = connect(doc->txtText(), &NcTextBox::historyChanged, this, &EditCommands::showHistory);
    showHistory();
}

void EditCommands::showHistory()
{
    const frmDocument* doc = m_shell->activeDocument();
    m_shell->action(QStringLiteral("mnuEditUndo"))
        ->setEnabled(doc && doc->txtText()->isUndoAvailable());
    m_shell->action(QStringLiteral("mnuEditRedo"))
        ->setEnabled(doc && doc->txtText()->isRedoAvailable());
}

void EditCommands::mnuEditCopy_Click()
{
    NcTextBox* text = target();
    if (!text)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString selected = text->SelText();
    if (!selected.isEmpty())
        clipboard->setText(selected);
}

void EditCommands::mnuEditCut_Click()
{
    NcTextBox* text = target();
    if (!text)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString selected = text->SelText();
    if (!selected.isEmpty())
        clipboard->setText(selected);
    text->setSelText(QString());
}

void EditCommands::mnuEditPaste_Click()
{
    NcTextBox* text = target();
    if (!text)
        return;
    text->setSelText(QGuiApplication::clipboard()->text());
}

void EditCommands::mnuEditUndo_Click()
{
    if (NcTextBox* text = target())
        text->undo();
}

void EditCommands::mnuEditRedo_Click()
{
    if (NcTextBox* text = target())
        text->redo();
}
