#include "process/frmProcess.h"

#include "app/NumberFields.h"
#include "common/Module1.h"
#include "process/DialogKeys.h"
#include "ui_frmProcess.h"

#include <QAbstractButton>

frmProcess::frmProcess(Module1& m, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::frmProcess)
    , m_state(m)
{
    ui->setupUi(this);
    // The spare caption EndZ2 lies under EndZ and is seen only where EndZ is hidden.
    ui->EndZ->raise();
    for (const QString& name : ProcessFieldNames())
        SelectWholeTextOnFocus(findChild<QLineEdit*>(name));
    connect(ui->Command1, &QPushButton::clicked, this, &frmProcess::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmProcess::Command2_Click);
    EnterPressesOnlyFocusedButton(this);
    // Enter walks the first fields; elsewhere it does nothing (the hint says to use TAB).
    connect(ui->ToolNumber, &QLineEdit::returnPressed, ui->V, qOverload<>(&QWidget::setFocus));
    connect(ui->V, &QLineEdit::returnPressed, ui->F, qOverload<>(&QWidget::setFocus));
    connect(ui->F, &QLineEdit::returnPressed, ui->U, qOverload<>(&QWidget::setFocus));
}

frmProcess::~frmProcess()
{
    delete ui;
}

void frmProcess::applySetUp(const DialogSetup& setUp, bool afterFill)
{
    if (!afterFill)
        setWindowTitle(setUp.caption());
    for (const DialogSetup::Step& step : setUp.steps()) {
        if (step.afterFill != afterFill)
            continue;
        QWidget* control = findChild<QWidget*>(step.control);
        Q_ASSERT_X(control, "frmProcess::applySetUp", qPrintable(step.control));
        if (!control)
            continue;
        switch (step.action) {
        case DialogSetup::Action::Caption:
        case DialogSetup::Action::Text:
            if (auto* label = qobject_cast<QLabel*>(control))
                label->setText(step.value);
            else if (auto* field = qobject_cast<QLineEdit*>(control))
                field->setText(step.value);
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->setText(step.value);
            break;
        case DialogSetup::Action::ToolTip:
            control->setToolTip(step.value);
            break;
        case DialogSetup::Action::Hide:
            control->setVisible(false);
            break;
        case DialogSetup::Action::Show:
            control->setVisible(true);
            break;
        }
    }
}

void frmProcess::FillProcessDialog(int row)
{
    const ProcessFields preset = CutConditionPreset(m_state, row);
    for (auto it = preset.texts.cbegin(); it != preset.texts.cend(); ++it)
        findChild<QLineEdit*>(it.key())->setText(it.value());
    (preset.spindleCW ? ui->SpindleCW : ui->SpindleCCW)->setChecked(true);
    (preset.coolantON ? ui->CoolantON : ui->CoolantOFF)->setChecked(true);
}

ProcessFields frmProcess::fields() const
{
    ProcessFields f;
    for (const QString& name : ProcessFieldNames())
        f.texts.insert(name, findChild<QLineEdit*>(name)->text());
    f.spindleCW = ui->SpindleCW->isChecked();
    f.coolantON = ui->CoolantON->isChecked();
    return f;
}

void frmProcess::ReadProcessDialog()
{
    ReadProcessFields(m_state, fields());
}

void frmProcess::Command1_Click()
{
    accept();
}

void frmProcess::Command2_Click()
{
    reject();
}

// The shown fields in tab order, each named by its caption and letter; a start or end field also
// by the caption of its group ("End Point X").
bool frmProcess::checkFields()
{
    QList<NumberField> checks;
    for (const QString& name : ProcessFieldNames()) {
        auto* box = findChild<QLineEdit*>(name);
        if (!box->isVisibleTo(this) || !m_rules.contains(name))
            continue;
        QStringList caption;
        if (name.startsWith(u"Start"))
            caption << ui->LabelStart->text();
        else if (name.startsWith(u"End"))
            caption << ui->LabelEnd->text();
        for (const QString& label : FieldLabels(name))
            caption << findChild<QLabel*>(label)->text();
        checks.append({box, caption.join(u' '), m_rules.value(name)});
    }
    return CheckNumberFields(this, checks);
}

void frmProcess::done(int result)
{
    if (result == Accepted && !checkFields())
        return;
    // Every way out but OK is Cancel, the close box included.
    if (result == Accepted)
        ReadProcessDialog();
    m_state.gProcessOk = result == Accepted;
    QDialog::done(result);
}
