#pragma once

#include "documents/frmDocument.h"

#include <QDialog>
#include <QPointer>
#include <memory>

namespace Ui {
class frmGoTo;
}

// Go to line: shows how many lines the document has and puts the caret at the start of the line
// typed, with that line scrolled into view. A line number that is not a whole number from 1 to
// the count is refused with a message and nothing moves.
class frmGoTo : public QDialog
{
    Q_OBJECT

public:
    explicit frmGoTo(QWidget* parent);
    ~frmGoTo() override;

    void setTarget(frmDocument* doc);

    void OK_Click();

private:
    std::unique_ptr<Ui::frmGoTo> ui;
    QPointer<frmDocument> m_target;
};
