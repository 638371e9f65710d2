#include "calc/CalculatorDialog.h"

#include "app/Messages.h"
#include "documents/frmDocument.h"
#include "texttools/InsertAtCaret.h"

CalculatorDialog::CalculatorDialog(QWidget* parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void CalculatorDialog::setTarget(frmDocument* doc)
{
    m_target = doc;
}

bool CalculatorDialog::insertIntoTarget(const QString& text)
{
    bool inserted = false;
    RunReportingErrors([&] {
        InsertAtCaret(text, m_target.data());
        inserted = true;
    });
    return inserted;
}
