#include "app/core/CommandLine.h"

QString CommandLinePath(const QString& commandLine)
{
    QString s = commandLine;
    const qsizetype first = s.indexOf(u'"');
    if (first < 0)
        return s;
    s = s.mid(first + 1);
    const qsizetype second = s.indexOf(u'"');
    return second < 0 ? s : s.left(second);
}
