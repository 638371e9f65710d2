#pragma once

#include <QString>
#include <QStringView>

// Searching and replacing in a copy of a document's text. Positions count QString characters
// (CR LF is two) and are 0-based; the comparison is exact and case-sensitive.

// The first occurrence of `what` that begins at `from` or later; -1 when there is none. An empty
// text to find is never found.
qsizetype FindPosition(QStringView text, QStringView what, qsizetype from);

// True when `what` stands in the text at position p.
bool FoundAt(QStringView text, QStringView what, qsizetype p);

struct ReplaceAllResult
{
    QString text;
    qsizetype count = 0;
    // Where the next search begins: directly behind the last replacement (`from` when nothing
    // was replaced).
    qsizetype findPos = 0;
};

// "All Change": from `from` on, each occurrence of `find` is replaced by `replacement`, left to
// right. The search resumes directly behind each replacement, so a replacement is never searched
// again and a replacement that contains the text to find does not loop.
ReplaceAllResult ReplaceAll(
    const QString& text, const QString& find, const QString& replacement, qsizetype from);
