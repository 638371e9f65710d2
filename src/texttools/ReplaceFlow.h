#pragma once

#include "documents/frmDocument.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;
class NcTextBox;

// What the replace dialog and the calculation data change have in common: a modeless dialog
// with a find box and a second box (replacement or calculation), "Change from top", "Skip",
// "Change", "All Change" and "Cancel", working on the shared search state and on the document
// that was active when its command ran.
class ReplaceFlow : public QDialog
{
    Q_OBJECT

public:
    void setTarget(frmDocument* doc) { m_target = doc; }
    frmDocument* target() const { return m_target; }
    // The find box, which the opening command fills.
    QLineEdit* findBox() const { return m_controls.find; }

    void NextFind_Click();
    void Change_Click();
    void AllChange_Click();
    void Cancel_Click();

protected:
    explicit ReplaceFlow(QWidget* parent);

    struct Controls
    {
        QLineEdit* find;
        QLineEdit* second;
        QCheckBox* fromTop;
        QPushButton* skip;
        QPushButton* change;
        QPushButton* allChange;
        QPushButton* cancel;
    };
    // The end messages: a count followed by countText, or the quoted find text followed by
    // notFoundText, under the title.
    struct EndMessage
    {
        QString title;
        QString countText;
        QString notFoundText;
    };
    // Wires the controls and sets the state every opening starts from (Form_Load).
    void setUp(const Controls& controls, const EndMessage& skipOrAll, const EndMessage& change);

    virtual void changeSelected(NcTextBox* box) = 0;
    // False when nothing was done and the sequence goes on.
    virtual bool changeAll(NcTextBox* box) = 0;

    const Controls& controls() const { return m_controls; }

private:
    void boxes_Change();
    NcTextBox* beginStep();
    void endSequence(const EndMessage& message);

    QPointer<frmDocument> m_target;
    Controls m_controls {};
    EndMessage m_skipOrAllEnd;
    EndMessage m_changeEnd;
};
