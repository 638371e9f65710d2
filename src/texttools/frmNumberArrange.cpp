#include "texttools/frmNumberArrange.h"
#include "ui_frmNumberArrange.h"

#include "app/Messages.h"
#include "common/Basic.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "texttools/SearchSteps.h"
#include "texttools/core/NumberArrange.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

frmNumberArrange::frmNumberArrange(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmNumberArrange>())
{
    ui->setupUi(this);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    connect(ui->Command1, &QPushButton::clicked, this, &frmNumberArrange::Command1_Click);
    connect(ui->Cancel, &QPushButton::clicked, this, &frmNumberArrange::Cancel_Click);
    connect(ui->StopM02, &QCheckBox::toggled, this, &frmNumberArrange::StopM02_Click);
    for (QLineEdit* box : {ui->DigitNo, ui->StartNo, ui->AddNo}) {
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 18);
        box->installEventFilter(this);
    }
}

frmNumberArrange::~frmNumberArrange() = default;

void frmNumberArrange::StopM02_Click()
{
    ui->Continue->setEnabled(!ui->StopM02->isChecked());
}

bool frmNumberArrange::eventFilter(QObject* watched, QEvent* e)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && e->type() == QEvent::FocusIn && !box->text().isEmpty()) {
        // After a click the line edit places the caret itself; select once it has done so.
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
    } else if (box && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QWidget* next = box == ui->DigitNo ? static_cast<QWidget*>(ui->StartNo)
                : box == ui->StartNo           ? static_cast<QWidget*>(ui->AddNo)
                                               : static_cast<QWidget*>(ui->Command1);
            next->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

ArrangeOptions frmNumberArrange::options() const
{
    ArrangeOptions o;
    o.digits = Val(ui->DigitNo->text());
    o.start = Val(ui->StartNo->text());
    o.add = Val(ui->AddNo->text());
    o.fromTop = ui->FromTop->isChecked();
    o.stopAtProgramEnd = ui->StopM02->isChecked();
    o.continuous = ui->Continue->isChecked();
    o.blanks = ui->With1Space->isChecked() ? BlankMode::One
        : ui->With5Space->isChecked()      ? BlankMode::Five
                                           : BlankMode::None;
    return o;
}

bool frmNumberArrange::checkInput(const ArrangeOptions& options)
{
    const QString largest = QString::number(static_cast<qint64>(kLargestNumber));
    QLineEdit* box = nullptr;
    QString message;
    switch (CheckArrangeInput(options)) {
    case ArrangeInputError::None:
        return true;
    case ArrangeInputError::Digits:
        box = ui->DigitNo;
        message
            = QStringLiteral("Digit Number must be a whole number from 0 to %1.").arg(kMostDigits);
        break;
    case ArrangeInputError::Start:
        box = ui->StartNo;
        message = QStringLiteral("Start Number must be a whole number from 0 to %1.").arg(largest);
        break;
    case ArrangeInputError::Add:
        box = ui->AddNo;
        message = QStringLiteral("Add Value must be a whole number from 0 to %1.").arg(largest);
        break;
    }
    ShowMessage(message, QMessageBox::Warning);
    box->setFocus();
    return false;
}

void frmNumberArrange::Command1_Click()
{
    const ArrangeOptions o = options();
    if (!checkInput(o))
        return;
    const QPointer<frmDocument> target = m_target;
    accept();
    NcTextBox* box = TargetText(target);
    if (!box)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The text as it stands now: edits made while the dialog was open are kept.
    const QString text = box->Text();
    const ArrangeResult result = ArrangeNumbers(text, o.fromTop ? 0 : box->SelStart(), o);
    Module1& m = module1();
    m.gFindPos = result.findPos;
    m.gLineFeed = result.lineFeed;
    if (result.text != text)
        box->setWholeText(result.text);
    box->setSelStart(result.text.size());
    QGuiApplication::restoreOverrideCursor();
}

void frmNumberArrange::Cancel_Click()
{
    reject();
}
