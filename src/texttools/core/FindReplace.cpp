#include "texttools/core/FindReplace.h"

#include <algorithm>

qsizetype FindPosition(QStringView text, QStringView what, qsizetype from)
{
    from = std::max<qsizetype>(from, 0);
    if (what.isEmpty() || from > text.size())
        return -1;
    return text.indexOf(what, from, Qt::CaseSensitive);
}

bool FoundAt(QStringView text, QStringView what, qsizetype p)
{
    return !what.isEmpty() && p >= 0 && p <= text.size() - what.size()
        && text.sliced(p, what.size()) == what;
}

ReplaceAllResult ReplaceAll(
    const QString& text, const QString& find, const QString& replacement, qsizetype from)
{
    ReplaceAllResult result;
    result.findPos = from;
    qsizetype p = FindPosition(text, find, from);
    if (p < 0) {
        result.text = text;
        return result;
    }
    const QStringView source(text);
    QString& out = result.text;
    out.reserve(text.size() + std::max<qsizetype>(0, replacement.size() - find.size()) * 64);
    qsizetype copied = 0;
    while (p >= 0) {
        out.append(source.sliced(copied, p - copied));
        out.append(replacement);
        ++result.count;
        result.findPos = out.size();
        copied = p + find.size();
        p = source.indexOf(find, copied, Qt::CaseSensitive);
    }
    out.append(source.sliced(copied));
    return result;
}
