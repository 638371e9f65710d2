#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class PrintSetting;
}

// The print settings: one or two columns, the left and right margins in millimetres, the
// printer's orientation and the print font. Orientation and font take effect on their buttons;
// columns and margins on "O K".
class PrintSetting : public QDialog
{
    Q_OBJECT

public:
    explicit PrintSetting(QWidget* parent = nullptr);
    ~PrintSetting() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    std::unique_ptr<Ui::PrintSetting> ui;
};
