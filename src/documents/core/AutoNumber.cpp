#include "documents/core/AutoNumber.h"

QString AutoNumberPrefix(QChar typed)
{
    if (typed == u'I' || typed == u'G' || typed == u'C')
        return QStringLiteral("N000 ");
    if (typed == u'(' || typed == u'\t' || typed == u'N')
        return {};
    return QStringLiteral("N000     ");
}

bool AtStartOfFollowingLine(QChar twoBefore, QChar oneBefore, qint64 caret)
{
    return caret > 1 && twoBefore == u'\r' && oneBefore == u'\n';
}
