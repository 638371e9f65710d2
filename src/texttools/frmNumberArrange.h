#pragma once

#include "documents/frmDocument.h"

#include <QDialog>
#include <QPointer>
#include <memory>

namespace Ui {
class frmNumberArrange;
}

struct ArrangeOptions;

// The sequence number arrange dialog. "O  K" closes it and renumbers the document that was
// active when the command ran, as that document's text stands at that moment.
class frmNumberArrange : public QDialog
{
    Q_OBJECT

public:
    explicit frmNumberArrange(QWidget* parent);
    ~frmNumberArrange() override;

    void setTarget(frmDocument* doc) { m_target = doc; }

    void Command1_Click();
    void Cancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void StopM02_Click();
    ArrangeOptions options() const;
    // False (after a message, with the focus on the box at fault) when a value cannot make a
    // sequence number.
    bool checkInput(const ArrangeOptions& options);

    std::unique_ptr<Ui::frmNumberArrange> ui;
    QPointer<frmDocument> m_target;
};
