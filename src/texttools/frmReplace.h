#pragma once

#include "texttools/ReplaceFlow.h"

#include <memory>

namespace Ui {
class frmReplace;
}

// The replace dialog: replaces the text to find by the replacement, one occurrence at a time
// ("Change", "Skip") or all at once ("All Change").
class frmReplace : public ReplaceFlow
{
    Q_OBJECT

public:
    explicit frmReplace(QWidget* parent);
    ~frmReplace() override;

protected:
    void changeSelected(NcTextBox* box) override;
    bool changeAll(NcTextBox* box) override;

private:
    std::unique_ptr<Ui::frmReplace> ui;
};
