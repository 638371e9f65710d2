#include "texttools/TextToolCommands.h"

#include "app/Messages.h"
#include "app/Shell.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"
#include "texttools/InsertCommands.h"
#include "texttools/SearchSteps.h"
#include "texttools/frmFind.h"
#include "texttools/frmGoTo.h"
#include "texttools/frmNumberArrange.h"
#include "texttools/frmReplace.h"
#include "texttools/frmSizeShift.h"

#include <QAction>
#include <QLineEdit>

TextToolCommands::TextToolCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
    , m_inserts(new InsertCommands(shell, this))
{ }

void TextToolCommands::connectTo(Shell* shell)
{
    ConnectCommands(shell, this,
        {{"mnuSearchFind", &TextToolCommands::mnuSearchFind_Click},
            {"mnuSearchNextFind", &TextToolCommands::mnuSearchNextFind_Click},
            {"mnuSearchReplace", &TextToolCommands::mnuSearchReplace_Click},
            {"mnuSearchGoTo", &TextToolCommands::mnuSearchGoTo_Click},
            {"mnuToolsSizeShift", &TextToolCommands::mnuToolsSizeShift_Click},
            {"mnuToolsNumberArrange", &TextToolCommands::mnuToolsNumberArrange_Click},
            {"mnuToolsAutoNo", &TextToolCommands::mnuToolsAutoNo_Click}});
    m_inserts->connectTo(shell);
}

frmDocument* TextToolCommands::startSearch()
{
    frmDocument* doc = m_shell->activeDocument();
    if (!doc) {
        ReportError(errNoDocument);
        return nullptr;
    }
    module1().gFindPos = doc->txtText()->SelStart();
    return doc;
}

template<typename Form> Form* TextToolCommands::load(QPointer<Form>& form)
{
    // A dialog that is still open keeps its boxes; a closed one comes back as designed.
    if (!form)
        form = new Form(m_shell->mainWindow());
    return form;
}

namespace {
template<typename Form> void showModeless(Form* form, frmDocument* doc)
{
    form->setTarget(doc);
    form->show();
    form->raise();
    form->activateWindow();
}
} // namespace

template<typename Form> void TextToolCommands::openSearchDialog(QPointer<Form>& form)
{
    frmDocument* doc = startSearch();
    if (!doc)
        return;
    Form* dialog = load(form);
    // The selected text is what to find; without a selection the box is emptied.
    dialog->findBox()->setText(doc->txtText()->SelText());
    showModeless(dialog, doc);
}

void TextToolCommands::mnuSearchFind_Click()
{
    openSearchDialog(m_find);
}

void TextToolCommands::mnuSearchNextFind_Click()
{
    Module1& m = module1();
    // Nothing searched for yet: there is nothing to repeat.
    if (m.gFindText.isEmpty())
        return;
    frmDocument* doc = startSearch();
    if (!doc)
        return;
    NcTextBox* box = doc->txtText();
    // One behind the selection start, so that the text found last is not found again.
    m.gFindPos = box->SelStart() + 1;
    if (SearchStep(box, [box] { return FindNext(box); }))
        return;
    const QString text = m.gChangeCount != 0
        ? QString::number(m.gChangeCount) + QStringLiteral(" time  change しました . ")
        : QLatin1Char('"') + m.gFindText + QStringLiteral("\"は見つかりませんでした . ");
    ShowMessage(text, QMessageBox::NoIcon, QMessageBox::Ok, QStringLiteral(" Fund "));
}

void TextToolCommands::mnuSearchReplace_Click()
{
    openSearchDialog(m_replace);
}

void TextToolCommands::mnuSearchGoTo_Click()
{
    frmDocument* doc = m_shell->activeDocument();
    if (!doc) {
        ReportError(errNoDocument);
        return;
    }
    auto* dialog = new frmGoTo(m_shell->mainWindow());
    dialog->setTarget(doc);
    dialog->open();
}

void TextToolCommands::mnuToolsSizeShift_Click()
{
    openSearchDialog(m_sizeShift);
}

void TextToolCommands::mnuToolsNumberArrange_Click()
{
    frmDocument* doc = startSearch();
    if (!doc)
        return;
    module1().gActiveDoc = doc;
    showModeless(load(m_arrange), doc);
}

void TextToolCommands::mnuToolsAutoNo_Click()
{
    Module1& m = module1();
    m.gAutoSeqNo = !m.gAutoSeqNo;
    // The tool bar's button follows the item's check mark.
    m_shell->action(QStringLiteral("mnuToolsAutoNo"))->setChecked(m.gAutoSeqNo);
}
