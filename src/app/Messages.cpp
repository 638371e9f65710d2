#include "app/Messages.h"

#include "app/Shell.h"
#include "common/ErrorMessages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QStyle>

QMessageBox::StandardButton ShowMessage(const QString& text, QMessageBox::Icon icon,
    QMessageBox::StandardButtons buttons, const QString& title)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = ShellWindow();
    QMessageBox box(icon, title, text, buttons, owner);
    box.setObjectName(QStringLiteral("MsgBox"));
    // The box sizes itself to its text; a short text would leave too little of the frame for the
    // title (" Find" showed as "F…d"). Room for the title in a bold title-bar font, the window
    // icon and three frame buttons, as a width the box's layout has to keep.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int buttonWidth = box.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + 4 * buttonWidth + 32;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
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
