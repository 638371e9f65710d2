#include "process/frmUGC.h"

#include "app/NumberFields.h"
#include "app/core/FileFilter.h"
#include "common/Module1.h"
#include "process/DialogKeys.h"
#include "process/UgcSketch.h"
#include "process/core/CutConditions.h"
#include "ui_frmUGC.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>

namespace {
const QString kCsvFilter = QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*.*");
const QColor kHighlight(255, 0, 255);
} // namespace

frmUGC::frmUGC(Module1& m, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::frmUGC)
    , m_state(m)
{
    ui->setupUi(this);
    for (int i = 1; i <= 9; ++i)
        box(i)->installEventFilter(this);
    EnterPressesOnlyFocusedButton(this);
    connect(ui->Material, &QPushButton::clicked, this, &frmUGC::Material_Click);
    connect(ui->Check1, &QCheckBox::clicked, this, &frmUGC::Check1_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmUGC::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmUGC::Command2_Click);
    ui->CsvFile->setText(m.gCsvFileName);
}

frmUGC::~frmUGC()
{
    delete ui;
}

QLineEdit* frmUGC::box(int number) const
{
    return findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
}

UgcSketch* frmUGC::sketch() const
{
    return ui->Sketch;
}

int frmUGC::dimensionLine(int box) const
{
    static const int lines[] = {0, 6, 7, 3, 19, 2, 19, 17, 13, 18};
    return lines[box];
}

MaterialFields frmUGC::fields() const
{
    MaterialFields f;
    for (int i = 1; i <= 9; ++i)
        f.text[i] = box(i)->text();
    f.gripOutside = ui->OD->isChecked();
    f.subSpindle = ui->SubSpindle->isChecked();
    f.tailstock = ui->Check1->isChecked();
    f.planDrawing = ui->Check2->isChecked();
    return f;
}

void frmUGC::Material_Click()
{
    QFileDialog dialog(this, QString(), m_state.gCsvPathName, DialogFilter(kCsvFilter));
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Cancel keeps the file in use: an empty name would stop every generator until the next
    // choice, and would be saved so.
    if (dialog.exec() != Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    m_state.gCsvPathName = QFileInfo(path).absolutePath();
    m_state.gCsvFileName = path;
    ui->CsvFile->setText(path);
    LoadCuttingConditions(m_state);
}

void frmUGC::Check1_Click()
{
    const bool tailstock = ui->Check1->isChecked();
    ui->Text4->setEnabled(!tailstock);
    for (QLineEdit* b : {ui->Text6, ui->Text7, ui->Text8})
        b->setEnabled(tailstock);
    for (int number : {10, 13, 15, 16, 17})
        ui->Sketch->line(number)->setVisible(tailstock);
    ui->Sketch->line(5)->setVisible(!tailstock);
}

void frmUGC::Command1_Click()
{
    accept();
}

void frmUGC::Command2_Click()
{
    reject();
}

// The dimensions only describe the blank and the chuck, and a frame may be written before they
// are known: an empty box counts as 0, but text that is not a number is refused. A box the
// tailstock choice disables is not asked.
bool frmUGC::checkFields()
{
    const NumberRule emptyIsZero = ParseNumberRule(QStringLiteral("?"));
    QList<NumberField> checks;
    for (const auto& [box, label] : {std::pair {ui->Text9, ui->LabelPZero},
             {ui->Text1, ui->LabelJawLength}, {ui->Text2, ui->LabelJawPlan},
             {ui->Text3, ui->LabelLength}, {ui->Text5, ui->LabelMaterialOD},
             {ui->Text4, ui->LabelMaterialID}, {ui->Text8, ui->LabelCenterLength},
             {ui->Text7, ui->LabelCenterD}, {ui->Text6, ui->LabelCenterHoleD}})
        if (box->isEnabled())
            checks.append({box, label->text(), emptyIsZero});
    return CheckNumberFields(this, checks);
}

void frmUGC::done(int result)
{
    if (result == Accepted && !checkFields())
        return;
    if (result == Accepted) {
        const MaterialFields f = fields();
        ReadMaterialFields(m_state, f);
        BuildGraphicData(m_state, f);
    }
    m_state.gProcessOk = result == Accepted;
    QDialog::done(result);
}

bool frmUGC::eventFilter(QObject* watched, QEvent* e)
{
    for (int i = 1; i <= 9; ++i) {
        if (watched != box(i))
            continue;
        SketchLine* line = ui->Sketch->line(dimensionLine(i));
        if (e->type() == QEvent::FocusIn) {
            line->setBorderWidth(2);
            line->setBorderColor(kHighlight);
        } else if (e->type() == QEvent::FocusOut) {
            line->setBorderWidth(1);
            line->setBorderColor(palette().color(QPalette::WindowText));
        } else if (i == 1 && e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !ui->Text1->text().isEmpty())
                ui->Text2->setFocus();
        }
    }
    return QDialog::eventFilter(watched, e);
}
