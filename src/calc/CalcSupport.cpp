#include "calc/CalcSupport.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {
class FieldFilter : public QObject
{
public:
    FieldFilter(QWidget* field, QEvent::Type type, std::function<void()> action)
        : QObject(field)
        , m_type(type)
        , m_action(std::move(action))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != m_type)
            return false;
        if (m_type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter)
                return false;
            m_action();
            return true;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_action();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_action;
};
} // namespace

void OnEnter(QWidget* field, std::function<void()> action)
{
    new FieldFilter(field, QEvent::KeyPress, std::move(action));
}

void OnLostFocus(QWidget* field, std::function<void()> action)
{
    new FieldFilter(field, QEvent::FocusOut, std::move(action));
}
