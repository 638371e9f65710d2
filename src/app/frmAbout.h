#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

// The About box: title, version, what Corvane is, and the system-information button.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    static QString VersionText();

private:
    void cmdSysInfo_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
