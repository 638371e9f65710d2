#pragma once

#include <QDialog>

namespace Ui {
class frmProcessSetup;
}
struct Module1;

// The machine parameters ("Parameter"): opened from the variables, saved to the settings store on
// OK. On a Duomill machine the tool returns by G21 instead of to the turret index position, so
// that position is not asked, and the ATC options become selectable.
class frmProcessSetup : public QDialog
{
    Q_OBJECT

public:
    frmProcessSetup(Module1& m, QWidget* parent);
    ~frmProcessSetup() override;

    // Shows the variables in the controls.
    void loadValues();
    // The layout for a Duomill machine (true) or not.
    void applyDuomillLayout(bool duomill);

    void ChkDuomill_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void done(int result) override;

private:
    bool checkValues();
    void saveValues();

    Ui::frmProcessSetup* ui;
    Module1& m_state;
};
