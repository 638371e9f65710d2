#include "documents/PrintSetting.h"
#include "ui_PrintSetting.h"

#include "app/Messages.h"
#include "common/Basic.h"
#include "common/Module1.h"
#include "documents/Printer.h"
#include "documents/ProgramFont.h"
#include "documents/core/PrintLayout.h"

#include <limits>

namespace {
// The margin typed into a field, by the leading-number rule, rounded to whole millimetres.
bool readMargin(const QString& text, int* margin)
{
    const double value = Val(text);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    *margin = RoundHalfEven(value);
    return true;
}
} // namespace

PrintSetting::PrintSetting(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::PrintSetting>())
{
    ui->setupUi(this);
    const Module1& m = module1();
    ui->Option1->setChecked(m.gPrintLineNo == 1);
    ui->Option2->setChecked(m.gPrintLineNo == 2);
    ui->Text1->setText(QString::number(m.gLeftMerge));
    ui->Text2->setText(QString::number(m.gRightMerge));
    connect(ui->Command1, &QPushButton::clicked, this, &PrintSetting::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &PrintSetting::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &PrintSetting::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &PrintSetting::Command4_Click);
}

PrintSetting::~PrintSetting() = default;

void PrintSetting::Command1_Click()
{
    Module1& m = module1();
    m.gPrinterOrientation = ShowPrinterSetup(this, m.gPrinterOrientation);
}

void PrintSetting::Command2_Click()
{
    Module1& m = module1();
    ChooseFont(this, m.gPrintFontName, m.gPrintFontSize);
}

void PrintSetting::Command3_Click()
{
    int left = 0;
    int right = 0;
    if (!readMargin(ui->Text1->text(), &left) || !readMargin(ui->Text2->text(), &right)) {
        ShowMessage(QStringLiteral("The space is too large."), QMessageBox::Warning);
        return;
    }
    Module1& m = module1();
    m.gLeftMerge = left;
    m.gRightMerge = right;
    if (ui->Option1->isChecked())
        m.gPrintLineNo = 1;
    else if (ui->Option2->isChecked())
        m.gPrintLineNo = 2;
    accept();
}

void PrintSetting::Command4_Click()
{
    reject();
}
