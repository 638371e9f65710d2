#pragma once

#include "calc/CalculatorDialog.h"
#include <memory>

namespace Ui {
class frmLineAngle;
}
struct LineAngleFields;

// The line and angle calculator: from a start point, an angle and one end-point coordinate it
// completes the other, or from both points it gives the angle; the buttons write the X, Z or A
// word into the document at the caret.
class frmLineAngle : public CalculatorDialog
{
    Q_OBJECT

public:
    explicit frmLineAngle(QWidget* parent = nullptr);
    ~frmLineAngle() override;

    void Text4_LostFocus();
    void Text5_LostFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

private:
    LineAngleFields fields() const;
    void writeFields(const LineAngleFields& fields);
    bool checkFields();
    void complete(void (*completion)(LineAngleFields&));
    void insertAndUnload(const QString& text);
    void drawSketch();

    std::unique_ptr<Ui::frmLineAngle> ui;
    // The fields as the last completion left them. Leaving a field with nothing changed since
    // does not complete again: that would compute back from the value just cut to three decimals
    // and overwrite what the user typed (an X2 of 40 would become 39.999).
    std::unique_ptr<LineAngleFields> m_completed;
    bool m_checking = false;
};
