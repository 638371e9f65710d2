#pragma once

#include "documents/frmDocument.h"

#include <QDialog>
#include <QPointer>
#include <memory>

namespace Ui {
class frmFind;
}
class QLineEdit;

// The find dialog: searches the document that was active when the find command ran, from where
// the last search stopped ("Find from top" starts once from the beginning).
class frmFind : public QDialog
{
    Q_OBJECT

public:
    explicit frmFind(QWidget* parent);
    ~frmFind() override;

    void setTarget(frmDocument* doc) { m_target = doc; }
    QLineEdit* findBox() const;

    void NextFind_Click();
    void Cancel_Click();

private:
    void txtFind_Change();

    std::unique_ptr<Ui::frmFind> ui;
    QPointer<frmDocument> m_target;
};
