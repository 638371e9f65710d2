#include "texttools/InsertAtCaret.h"

#include "app/Messages.h"
#include "app/Shell.h"
#include "common/RuntimeError.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"

void InsertAtCaret(const QString& text, frmDocument* target)
{
    if (!target)
        throw RuntimeError(errNoDocument);
    target->txtText()->setSelText(text);
}

void InsertAtCaret(const QString& text)
{
    const Shell* shell = TheShell();
    InsertAtCaret(text, shell ? shell->activeDocument() : nullptr);
}

void InsertAtCaretAndAppend(const QString& atCaret, const QString& atEnd, frmDocument* target)
{
    if (!target)
        throw RuntimeError(errNoDocument);
    NcTextBox* text = target->txtText();
    const qint64 caret = text->SelStart();
    text->beginUndoAction();
    text->setSelText(atCaret);
    text->setSelStart(text->Text().size());
    text->setSelText(atEnd);
    text->setSelStart(caret);
    text->endUndoAction();
    text->ensureCursorVisible();
}

void InsertAtCaretAndAppend(const QString& atCaret, const QString& atEnd)
{
    const Shell* shell = TheShell();
    InsertAtCaretAndAppend(atCaret, atEnd, shell ? shell->activeDocument() : nullptr);
}

void InsertOrReport(const QString& text)
{
    RunReportingErrors([&] { InsertAtCaret(text); });
}
