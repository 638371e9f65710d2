#include "texttools/InsertAtCaret.h"

#include "app/Messages.h"
#include "app/frmMain.h"
#include "common/RuntimeError.h"
#include "documents/NcTextBox.h"

void InsertAtCaret(const QString& text, frmDocument* target)
{
    if (!target)
        throw RuntimeError(errNoDocument);
    target->txtText()->setSelText(text);
}

void InsertAtCaret(const QString& text)
{
    const frmMain* main = MainForm();
    InsertAtCaret(text, main ? main->activeDocument() : nullptr);
}

void InsertOrReport(const QString& text)
{
    RunReportingErrors([&] { InsertAtCaret(text); });
}
