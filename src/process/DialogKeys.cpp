#include "process/DialogKeys.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
class FocusSelector : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            // After the mouse press that brought the focus has placed the caret.
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus() && !box->text().isEmpty())
                    box->selectAll();
            });
        }
        return false;
    }
};

class EnterFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (auto* button
            = qobject_cast<QAbstractButton*>(static_cast<QWidget*>(watched)->focusWidget()))
            button->click();
        return true;
    }
};
} // namespace

void SelectWholeTextOnFocus(QLineEdit* box)
{
    box->installEventFilter(new FocusSelector(box));
}

void EnterPressesOnlyFocusedButton(QDialog* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    dialog->installEventFilter(new EnterFilter(dialog));
}
