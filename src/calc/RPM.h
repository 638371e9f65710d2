#pragma once

#include "calc/CalculatorDialog.h"
#include <memory>

namespace Ui {
class RPM;
}

// The spindle speed calculator: a cutting speed and a diameter give the spindle speed, which
// Enter in the diameter writes into the document at the caret.
class RPM : public CalculatorDialog
{
    Q_OBJECT

public:
    explicit RPM(QWidget* parent = nullptr);
    ~RPM() override;

    void V_KeyPress();
    void Diameter_KeyPress();

private:
    std::unique_ptr<Ui::RPM> ui;
};
