#include "process/frmProcessSetup.h"

#include "app/NumberFields.h"
#include "app/SettingsStore.h"
#include "common/Basic.h"
#include "common/Module1.h"
#include "process/DialogKeys.h"
#include "process/core/MachineParameters.h"
#include "ui_frmProcessSetup.h"

frmProcessSetup::frmProcessSetup(Module1& m, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::frmProcessSetup)
    , m_state(m)
{
    ui->setupUi(this);
    for (QLineEdit* box : {ui->txtMaxS, ui->txtHomeX, ui->txtHomeZ, ui->txtAppX, ui->txtAppZ})
        SelectWholeTextOnFocus(box);
    connect(ui->ChkDuomill, &QCheckBox::clicked, this, &frmProcessSetup::ChkDuomill_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmProcessSetup::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmProcessSetup::Command2_Click);
}

frmProcessSetup::~frmProcessSetup()
{
    delete ui;
}

void frmProcessSetup::loadValues()
{
    Module1& m = m_state;
    ui->txtMaxS->setText(NumberText(SingleValue(m.gMaxS)));
    ui->txtHomeX->setText(m.gHomeX.toText());
    ui->txtHomeZ->setText(m.gHomeZ.toText());
    ui->txtAppX->setText(m.gAppX.toText());
    ui->txtAppZ->setText(m.gAppZ.toText());
    ui->ChkDoor->setChecked(m.gAutoDoor.toBool());
    ui->ChkPanel->setChecked(m.gPanelChk.toBool());
    ui->ChkMeasuer->setChecked(m.gMeasuer.toBool());
    ui->ChkBturret->setChecked(m.gBturret.toBool());
    ui->chkToolLife->setChecked(m.gTG);
    ui->ChkQcs->setChecked(m.gQCSK500.toBool());
    ui->ChkDuomill->setChecked(m.gDuomill.toBool());
    applyDuomillLayout(m.gDuomill.toBool());
    (m.gTurretType == 1 ? ui->H1 : ui->H2)->setChecked(true);
    if (m.gAtcMacroType == u"M321")
        ui->M321->setChecked(true);
    else if (m.gAtcMacroType == u"M421")
        ui->M421->setChecked(true);
    else
        ui->M441->setChecked(true);
    ui->ChkToolFrom->setChecked(m.gToolFrom.toBool());
    ui->ChkLoadMoniter->setChecked(m.gLoadMoniter);
}

void frmProcessSetup::applyDuomillLayout(bool duomill)
{
    ui->txtHomeX->setVisible(!duomill);
    ui->txtHomeZ->setVisible(!duomill);
    ui->LabelAppZ->setVisible(!duomill);
    ui->LabelAppX->setText(duomill ? QStringLiteral("G21 HP=4") : QStringLiteral("X"));
    for (QWidget* w : std::initializer_list<QWidget*> {
             ui->TurretH, ui->AtcMacro, ui->H1, ui->H2, ui->M441, ui->M421, ui->M321})
        w->setEnabled(duomill);
}

void frmProcessSetup::ChkDuomill_Click()
{
    applyDuomillLayout(ui->ChkDuomill->isChecked());
}

void frmProcessSetup::Command1_Click()
{
    accept();
}

void frmProcessSetup::Command2_Click()
{
    reject();
}

void frmProcessSetup::saveValues()
{
    Module1& m = m_state;
    m.gMaxS = static_cast<float>(Val(ui->txtMaxS->text()));
    m.gHomeX = Val(ui->txtHomeX->text());
    m.gHomeZ = Val(ui->txtHomeZ->text());
    m.gAppX = Val(ui->txtAppX->text());
    m.gAppZ = Val(ui->txtAppZ->text());
    m.gAutoDoor = ui->ChkDoor->isChecked();
    m.gPanelChk = ui->ChkPanel->isChecked();
    m.gMeasuer = ui->ChkMeasuer->isChecked();
    m.gTG = ui->chkToolLife->isChecked();
    m.gBturret = ui->ChkBturret->isChecked();
    m.gQCSK500 = ui->ChkQcs->isChecked();
    m.gDuomill = ui->ChkDuomill->isChecked();
    applyDuomillLayout(ui->ChkDuomill->isChecked());
    m.gTurretType = ui->H1->isChecked() ? 1 : 2;
    m.gAtcMacroType = ui->M321->isChecked() ? QStringLiteral("M321")
        : ui->M421->isChecked()             ? QStringLiteral("M421")
                                            : QStringLiteral("M441");
    m.gToolFrom = ui->ChkToolFrom->isChecked();
    m.gLoadMoniter = ui->ChkLoadMoniter->isChecked();

    const QString section = QStringLiteral("Parameter");
    for (const auto& [key, value] : MachineParameterSettings(m))
        SaveSetting(section, key, value);
    FlushSettings();
}

// Every shown box takes one complete number; the maximum speed must be above 0. A box the Duomill
// layout hides is not asked and keeps its text.
bool frmProcessSetup::checkValues()
{
    const auto caption
        = [](const QLabel* row, const QLabel* axis) { return row->text() + u' ' + axis->text(); };
    QList<NumberField> fields
        = {{ui->txtMaxS, ui->Label4->text(), ParseNumberRule(QStringLiteral("+"))},
            {ui->txtHomeX, caption(ui->LabelApp, ui->LabelAppX), {}},
            {ui->txtHomeZ, caption(ui->LabelApp, ui->LabelAppZ), {}},
            {ui->txtAppX, caption(ui->Label1, ui->Label2), {}},
            {ui->txtAppZ, caption(ui->Label1, ui->Label3), {}}};
    fields.removeIf([this](const NumberField& f) { return !f.box->isVisibleTo(this); });
    return CheckNumberFields(this, fields);
}

void frmProcessSetup::done(int result)
{
    if (result == Accepted && !checkValues())
        return;
    if (result == Accepted)
        saveValues();
    m_state.gProcessOk = result == Accepted;
    QDialog::done(result);
}
