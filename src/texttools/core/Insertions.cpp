#include "texttools/core/Insertions.h"

QString DateLine(const QDate& date)
{
    return QStringLiteral("DATE : ") + date.toString(QStringLiteral("yyyy.MM.dd"))
        + QStringLiteral("\r\n");
}
