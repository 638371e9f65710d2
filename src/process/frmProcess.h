#pragma once

#include "common/NumberRules.h"
#include "process/core/DialogSetup.h"
#include "process/core/ProcessFields.h"

#include <QDialog>

namespace Ui {
class frmProcess;
}
struct Module1;

// The one parameter dialog every generator shows. Each opening starts from the designer state;
// the generator sets captions and visibility (applySetUp) and the pre-fill from its row of the
// cutting-condition table. OK takes the input into the process values and sets gProcessOk;
// Cancel, Esc and the window's close box clear gProcessOk and change nothing else.
class frmProcess : public QDialog
{
    Q_OBJECT

public:
    frmProcess(Module1& m, QWidget* parent);
    ~frmProcess() override;

    // The steps of a set-up that belong before (afterFill false) or after the pre-fill.
    void applySetUp(const DialogSetup& setUp, bool afterFill);
    void FillProcessDialog(int row);
    void ReadProcessDialog();

    ProcessFields fields() const;
    // What the fields must hold; OK refuses a shown field that breaks its rule.
    void setFieldRules(const QHash<QString, NumberRule>& rules) { m_rules = rules; }

    void Command1_Click();
    void Command2_Click();

protected:
    void done(int result) override;

private:
    bool checkFields();

    Ui::frmProcess* ui;
    Module1& m_state;
    QHash<QString, NumberRule> m_rules;
};
