#include "texttools/frmFind.h"
#include "ui_frmFind.h"

#include "app/Messages.h"
#include "common/Module1.h"
#include "texttools/SearchSteps.h"

frmFind::frmFind(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmFind>())
{
    ui->setupUi(this);
    ui->txtFind->setMinimumWidth(ui->txtFind->fontMetrics().averageCharWidth() * 32);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    connect(ui->txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
    connect(ui->NextFind, &QPushButton::clicked, this, &frmFind::NextFind_Click);
    connect(ui->Cancel, &QPushButton::clicked, this, &frmFind::Cancel_Click);
    module1().gFirstChange = true;
    ui->NextFind->setEnabled(false);
}

frmFind::~frmFind() = default;

QLineEdit* frmFind::findBox() const
{
    return ui->txtFind;
}

void frmFind::txtFind_Change()
{
    ui->NextFind->setEnabled(!ui->txtFind->text().isEmpty());
    module1().gFindText = ui->txtFind->text();
    ForgetMatches(m_target, module1().gFindText);
}

void frmFind::NextFind_Click()
{
    NcTextBox* box = TargetText(m_target);
    if (!box)
        return;
    Module1& m = module1();
    if (ui->Check1->isChecked()) {
        m.gFindPos = 0;
        ui->Check1->setChecked(false);
    }
    // Not found is said whatever count an unfinished replace sequence left behind: the count is
    // that dialog's business.
    if (!SearchStep(box, [box] { return FindNext(box); }))
        ShowMessage(QLatin1Char('"') + m.gFindText + QStringLiteral("\" not find."),
            QMessageBox::NoIcon, QMessageBox::Ok, QStringLiteral("Find"));
}

void frmFind::Cancel_Click()
{
    reject();
}
