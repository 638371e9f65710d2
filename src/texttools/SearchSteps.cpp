#include "texttools/SearchSteps.h"

#include "app/Messages.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"
#include "texttools/core/DataChange.h"
#include "texttools/core/FindReplace.h"

namespace {
// Replaces characters of the text box in one undoable step; the caret goes to the start of the
// text, as after every change of the search tools.
void writeRange(NcTextBox* box, qsizetype start, qsizetype length, const QString& text)
{
    Module1& m = module1();
    box->setSelStart(start);
    box->setSelLength(length);
    box->setSelText(text);
    m.gSearchText.replace(start, length, text);
    box->setSelStart(0);
}

void writeWhole(NcTextBox* box, const QString& text)
{
    box->setWholeText(text);
    module1().gSearchText = text;
    box->setSelStart(0);
}
} // namespace

NcTextBox* TargetText(frmDocument* target)
{
    if (!target) {
        ReportError(errNoDocument);
        return nullptr;
    }
    return target->txtText();
}

void ForgetMatches(frmDocument* target, const QString& findText)
{
    if (target && target->txtText()->matchesShown() != findText)
        target->txtText()->showMatches({});
}

bool SearchStep(NcTextBox* box, const std::function<bool()>& step)
{
    Module1& m = module1();
    m.gSearchText = box->Text();
    struct Release
    {
        ~Release() { module1().gSearchText = QString(); }
    } release;
    return step();
}

bool FindNext(NcTextBox* box)
{
    Module1& m = module1();
    const qsizetype p = FindPosition(m.gSearchText, m.gFindText, m.gFindPos);
    if (p < 0)
        return false;
    box->setSelStart(p);
    box->setSelLength(m.gFindText.size());
    box->showMatches(m.gFindText);
    m.gFindPos = p + m.gFindText.size();
    return true;
}

void ReplaceSelected(NcTextBox* box)
{
    Module1& m = module1();
    const qsizetype p = box->SelStart();
    // After a hand edit the caret may stand anywhere: only the found text itself is replaced.
    if (!FoundAt(m.gSearchText, m.gFindText, p))
        return;
    writeRange(box, p, m.gFindText.size(), m.gReplaceText);
    m.gFindPos = p + m.gReplaceText.size();
    ++m.gChangeCount;
}

void ShiftSelected(NcTextBox* box, const QString& calculation)
{
    Module1& m = module1();
    const qsizetype p = box->SelStart();
    if (!FoundAt(m.gSearchText, m.gFindText, p))
        return;
    const OccurrenceChange change
        = ChangeOccurrence(m.gSearchText, p, m.gFindText, ParseCalculation(calculation));
    if (change.changed) {
        writeRange(box, p, change.end - p, change.replacement);
        ++m.gChangeCount;
    }
    m.gFindPos = p + 1;
}

void ReplaceAllFromFindPos(NcTextBox* box)
{
    Module1& m = module1();
    ReplaceAllResult result = ReplaceAll(m.gSearchText, m.gFindText, m.gReplaceText, m.gFindPos);
    if (result.count > 0)
        writeWhole(box, result.text);
    m.gFindPos = result.findPos;
    m.gChangeCount += result.count;
}

bool ShiftAllFromFindPos(NcTextBox* box, const QString& calculation)
{
    Module1& m = module1();
    const ShiftAllResult result = ShiftAll(m.gSearchText, m.gFindPos, m.gFindText, calculation);
    if (result.endless) {
        ShowMessage(QLatin1Char('"') + m.gFindText
                + QStringLiteral(
                    "\" turns up again in every value written for it: nothing changed."),
            QMessageBox::Warning, QMessageBox::Ok, QStringLiteral("Size Shift"));
        return false;
    }
    if (result.count > 0)
        writeWhole(box, result.text);
    if (result.lastFound >= 0 && !result.lastFoundChanged) {
        // The last occurrence had no number: it stays selected, as the search left it.
        box->setSelStart(result.lastFound);
        box->setSelLength(m.gFindText.size());
    }
    m.gFindPos = result.findPos;
    m.gChangeCount += result.count;
    return true;
}
