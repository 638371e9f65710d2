#pragma once

#include <QPointer>
#include <QStatusBar>

class QLabel;
class QTimer;
class NcTextBox;

// The six panels: a memo text, the insert-key state, Caps Lock, Num Lock, the date and the time;
// in the memo's free space the line and column of the caret. The panels keep themselves current;
// no command writes to them.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    QLabel* panel(int index) const; // 1 to 6
    void followTextBox(NcTextBox* text);
    void refresh();
    // "Line N, Col M" of the followed text box's caret, both from 1; empty without one.
    QString caretPosition() const;

private:
    QList<QLabel*> m_panels;
    QPointer<NcTextBox> m_text;
    QMetaObject::Connection m_connection;
    QMetaObject::Connection m_caretConnection;
    QLabel* m_caret;
    QTimer* m_clock;
};
