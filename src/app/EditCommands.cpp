#include "app/EditCommands.h"

#include "app/Messages.h"
#include "app/Shell.h"
#include "common/Module1.h"
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
    connect(shell->action(QStringLiteral("mnuEditUndo")), &QAction::triggered, this,
        &EditCommands::mnuEditUndo_Click);
    connect(shell->action(QStringLiteral("mnuEditCut")), &QAction::triggered, this,
        &EditCommands::mnuEditCut_Click);
    connect(shell->action(QStringLiteral("mnuEditCopy")), &QAction::triggered, this,
        &EditCommands::mnuEditCopy_Click);
    connect(shell->action(QStringLiteral("mnuEditPaste")), &QAction::triggered, this,
        &EditCommands::mnuEditPaste_Click);
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

void EditCommands::setUndoAvailable(bool available, const QString& action)
{
    m_shell->action(QStringLiteral("mnuEditUndo"))->setEnabled(available);
    if (available)
        module1().gLastEditAction = action;
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
    setUndoAvailable(true, QStringLiteral("Cut"));
}

void EditCommands::mnuEditPaste_Click()
{
    NcTextBox* text = target();
    if (!text)
        return;
    text->setSelText(QGuiApplication::clipboard()->text());
    setUndoAvailable(true, QStringLiteral("Paste"));
}

void EditCommands::mnuEditUndo_Click()
{
    NcTextBox* text = target();
    if (!text)
        return;
    if (module1().gLastEditAction == u"Cut")
        text->setSelText(QGuiApplication::clipboard()->text());
    else
        text->setSelText(QString());
    setUndoAvailable(false, QString());
}
