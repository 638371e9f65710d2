#include "app/Icons.h"

QIcon ToolBarIcon(const char* themeName, const char* fallback)
{
    const QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(fallback)));
    if (!themeName || !*themeName)
        return bundled;
    return QIcon::fromTheme(QLatin1String(themeName), bundled);
}

QIcon AppIcon()
{
    return QIcon::fromTheme(
        QStringLiteral("corvane"), QIcon(QStringLiteral(":/icons/corvane.svg")));
}

QIcon DocumentIcon()
{
    return QIcon::fromTheme(
        QStringLiteral("text-x-generic"), QIcon(QStringLiteral(":/icons/new.svg")));
}
