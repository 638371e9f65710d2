#pragma once

#include <QDialog>
#include <QPointer>

class frmDocument;

// A calculator window: modeless, unloaded when closed, and writing its results into the
// document that was active when the calculator was opened.
class CalculatorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalculatorDialog(QWidget* parent = nullptr);

    void setTarget(frmDocument* doc);

protected:
    // Inserts a finished text at the target's caret. Without a target (none was open, or it has
    // been closed since) the user is told "Not file open. Can not insert." and false is returned.
    bool insertIntoTarget(const QString& text);

private:
    QPointer<frmDocument> m_target;
};
