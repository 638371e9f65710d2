#pragma once

#include "texttools/ReplaceFlow.h"

#include <memory>

namespace Ui {
class frmSizeShift;
}

// The calculation data change: the replace dialog with the replacement computed from the number
// behind the address letters found.
class frmSizeShift : public ReplaceFlow
{
    Q_OBJECT

public:
    explicit frmSizeShift(QWidget* parent);
    ~frmSizeShift() override;

protected:
    void changeSelected(NcTextBox* box) override;
    bool changeAll(NcTextBox* box) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::unique_ptr<Ui::frmSizeShift> ui;
};
