#include "calc/RPM.h"
#include "ui_RPM.h"

#include "app/NumberFields.h"
#include "calc/CalcSupport.h"
#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/RuntimeError.h"

#include <cmath>

RPM::RPM(QWidget* parent)
    : CalculatorDialog(parent)
    , ui(std::make_unique<Ui::RPM>())
{
    ui->setupUi(this);
    OnEnter(ui->V, [this] { V_KeyPress(); });
    OnEnter(ui->Diameter, [this] { Diameter_KeyPress(); });
    ui->V->setFocus();
}

RPM::~RPM() = default;

void RPM::V_KeyPress()
{
    ui->Diameter->setFocus();
}

void RPM::Diameter_KeyPress()
{
    if (ui->V->text().isEmpty()) {
        ui->V->setFocus();
        return;
    }
    // The diameter divides: it must be above 0.
    if (!CheckNumberFields(this,
            {{ui->V, ui->Label1->text() + u' ' + ui->Label3->text(), {}},
                {ui->Diameter, ui->Label2->text() + u' ' + ui->Label4->text(),
                    ParseNumberRule(QStringLiteral("+"))}}))
        return;
    const double speed = SpindleSpeed(Val(ui->V->text()), Val(ui->Diameter->text()));
    if (std::isfinite(speed))
        insertIntoTarget(NumberText(speed));
    close();
}
