#include "texttools/frmGoTo.h"
#include "ui_frmGoTo.h"

#include "app/Messages.h"
#include "documents/NcTextBox.h"
#include "texttools/SearchSteps.h"

frmGoTo::frmGoTo(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmGoTo>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->txtLine->setMinimumWidth(ui->txtLine->fontMetrics().averageCharWidth() * 12);
    connect(ui->OK, &QPushButton::clicked, this, &frmGoTo::OK_Click);
    connect(ui->Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmGoTo::~frmGoTo() = default;

void frmGoTo::setTarget(frmDocument* doc)
{
    m_target = doc;
    const int count = doc->txtText()->lines();
    ui->lblCount->setText(QStringLiteral("The document has %1 lines.").arg(count));
    ui->txtLine->setText(
        QString::number(doc->txtText()->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                            doc->txtText()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS))
            + 1));
    ui->txtLine->selectAll();
}

void frmGoTo::OK_Click()
{
    NcTextBox* box = TargetText(m_target);
    if (!box) {
        reject();
        return;
    }
    const QString typed = ui->txtLine->text().trimmed();
    bool whole = !typed.isEmpty();
    for (const QChar c : typed)
        whole = whole && c >= u'0' && c <= u'9';
    const qint64 line = whole ? typed.toLongLong(&whole) : 0;
    const int count = box->lines();
    if (!whole || line < 1 || line > count) {
        ShowMessage(
            QStringLiteral("The line number must be a whole number from 1 to %1.").arg(count),
            QMessageBox::Warning, QMessageBox::Ok, windowTitle());
        ui->txtLine->setFocus();
        ui->txtLine->selectAll();
        return;
    }
    box->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, static_cast<unsigned long>(line - 1));
    box->SendScintilla(QsciScintillaBase::SCI_VERTICALCENTRECARET);
    accept();
    box->setFocus();
}
