#include "app/StartUp.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral("2.2.0"));
    QApplication::setDesktopFileName(QStringLiteral("corvane"));
    // The command line is the program's arguments joined by blanks.
    StartUp(app.arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
