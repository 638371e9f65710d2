#include "process/NumberFields.h"

#include <QLineEdit>
#include <QMessageBox>

bool CheckNumberFields(QWidget* form, const QList<NumberField>& fields)
{
    for (const NumberField& field : fields) {
        const QString message = NumberFieldMessage(field.caption, field.box->text(), field.rule);
        if (message.isEmpty())
            continue;
        QMessageBox box(
            QMessageBox::Warning, QStringLiteral("Corvane"), message, QMessageBox::Ok, form);
        box.exec();
        field.box->setFocus(Qt::OtherFocusReason);
        field.box->selectAll();
        return false;
    }
    return true;
}
