#include "app/Messages.h"

#include "app/Shell.h"
#include "common/ErrorMessages.h"

#include <QApplication>

QMessageBox::StandardButton ShowMessage(const QString& text, QMessageBox::Icon icon,
    QMessageBox::StandardButtons buttons, const QString& title)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = ShellWindow();
    QMessageBox box(icon, title, text, buttons, owner);
    box.setObjectName(QStringLiteral("MsgBox"));
    if (buttons & QMessageBox::Yes)
        box.setDefaultButton(QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ReportError(int number)
{
    const QString message = ErrorMessage(number);
    if (!message.isEmpty())
        ShowMessage(message, QMessageBox::Warning, QMessageBox::Ok, ErrorTitle(number));
}
