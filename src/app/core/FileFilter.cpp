#include "app/core/FileFilter.h"

#include <QStringList>

QString DialogFilter(const QString& pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = parts[i + 1] == u"*.*" ? QStringLiteral("*") : parts[i + 1];
        const qsizetype open = description.lastIndexOf(u'(');
        if (open > 0)
            description = description.left(open).trimmed();
        filters.append(QStringLiteral("%1 (%2)").arg(description, pattern));
    }
    return filters.join(QLatin1String(";;"));
}
