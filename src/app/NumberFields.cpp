#include "app/NumberFields.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

bool CheckNumberFields(QWidget* form, const QList<NumberField>& fields)
{
    for (const NumberField& field : fields) {
        const QString message = NumberFieldMessage(field.caption, field.box->text(), field.rule);
        if (message.isEmpty())
            continue;
        QMessageBox box(
            QMessageBox::Warning, QStringLiteral("Corvane"), message, QMessageBox::Ok, form);
        box.exec();
        // Again once the event at hand is done: refused while the focus moves on (a calculator
        // checks when a field is left), the box would lose it to where it was going.
        const auto refocus = [box = QPointer<QLineEdit>(field.box)] {
            if (box) {
                box->setFocus(Qt::OtherFocusReason);
                box->selectAll();
            }
        };
        refocus();
        QTimer::singleShot(0, field.box, refocus);
        return false;
    }
    return true;
}
