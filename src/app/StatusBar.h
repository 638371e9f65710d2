#pragma once

#include <QPointer>
#include <QStatusBar>

class QLabel;
class QTimer;
class NcTextBox;

// The six panels: a memo text, the insert-key state, Caps Lock, Num Lock, the date and the time.
// The panels keep themselves current; no command writes to them.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    QLabel* panel(int index) const; // 1 to 6
    void followTextBox(NcTextBox* text);
    void refresh();

private:
    QList<QLabel*> m_panels;
    QPointer<NcTextBox> m_text;
    QMetaObject::Connection m_connection;
    QTimer* m_clock;
};
