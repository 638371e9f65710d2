#include "documents/core/TextChanges.h"

#include <algorithm>

namespace {
// Unchanged runs shorter than this are replaced with their neighbours: each span costs the
// editor's history about two hundred bytes of its own.
constexpr qsizetype kJoinGap = 96;
// A span is written as a removal and an insertion; kept well below the editor's free room, the
// insertion never makes it move the whole text to a larger block.
constexpr qsizetype kLongestSpan = 64 * 1024;

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The end of the line that starts at `from` (behind its LF, or the end of the text).
qsizetype lineEnd(QByteArrayView text, qsizetype from)
{
    const qsizetype lf = text.indexOf('\n', from);
    return lf < 0 ? text.size() : lf + 1;
}

// p moved back to a character's start, and not between CR and LF.
qsizetype pieceEnd(QByteArrayView text, qsizetype p)
{
    while (p > 0 && p < text.size()
        && (isContinuation(text[p]) || (text[p - 1] == '\r' && text[p] == '\n')))
        --p;
    return p;
}

qsizetype countLines(QByteArrayView text)
{
    return text.count('\n') + (text.isEmpty() || text.back() == '\n' ? 0 : 1);
}

// Narrows a span to where its bytes differ, on whole characters and not inside a CR LF.
TextChange narrowed(QByteArrayView before, QByteArrayView after, TextChange c)
{
    const qsizetype shorter = std::min(c.oldLength, c.newLength);
    qsizetype head = 0;
    while (head < shorter && before[c.oldStart + head] == after[c.newStart + head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head
        && before[c.oldStart + c.oldLength - 1 - tail]
            == after[c.newStart + c.newLength - 1 - tail])
        ++tail;
    const auto splits = [&](qsizetype oldPos, qsizetype newPos) {
        const auto at
            = [](QByteArrayView text, qsizetype p) { return p < text.size() ? text[p] : '\0'; };
        return isContinuation(at(before, oldPos)) || isContinuation(at(after, newPos))
            || (oldPos > 0 && before[oldPos - 1] == '\r'
                && (at(before, oldPos) == '\n' || at(after, newPos) == '\n'))
            || (newPos > 0 && after[newPos - 1] == '\r'
                && (at(before, oldPos) == '\n' || at(after, newPos) == '\n'));
    };
    while (head > 0 && splits(c.oldStart + head, c.newStart + head))
        --head;
    while (tail > 0 && splits(c.oldStart + c.oldLength - tail, c.newStart + c.newLength - tail))
        --tail;
    return {
        c.oldStart + head, c.oldLength - head - tail, c.newStart + head, c.newLength - head - tail};
}
} // namespace

QList<TextChange> ChangedSpans(QByteArrayView before, QByteArrayView after)
{
    QList<TextChange> spans;
    if (before == after)
        return spans;
    // The common beginning and end, cut back to whole lines.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (
        tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const auto lineStart
        = [](QByteArrayView text, qsizetype p) { return p == 0 || text[p - 1] == '\n'; };
    while (!lineStart(before, head))
        --head;
    while (tail > 0
        && (!lineStart(before, before.size() - tail) || !lineStart(after, after.size() - tail)))
        --tail;
    const QByteArrayView oldMiddle = before.sliced(head, before.size() - tail - head);
    const QByteArrayView newMiddle = after.sliced(head, after.size() - tail - head);

    const auto add = [&](TextChange c) {
        c = narrowed(
            before, after, {head + c.oldStart, c.oldLength, head + c.newStart, c.newLength});
        if (c.oldLength > 0 || c.newLength > 0)
            spans.append(c);
    };
    if (countLines(oldMiddle) != countLines(newMiddle)) {
        // The lines do not pair up: the middle is replaced as a whole, in pieces of about
        // kLongestSpan, each old piece by the new piece at the same share of the middle.
        const qsizetype pieces = std::max<qsizetype>(
            1, (std::max(oldMiddle.size(), newMiddle.size()) + kLongestSpan - 1) / kLongestSpan);
        qsizetype o = 0, n = 0;
        for (qsizetype i = 1; i <= pieces; ++i) {
            const qsizetype oe = pieceEnd(oldMiddle, oldMiddle.size() * i / pieces);
            const qsizetype ne = pieceEnd(newMiddle, newMiddle.size() * i / pieces);
            add({o, oe - o, n, ne - n});
            o = oe;
            n = ne;
        }
        return spans;
    }
    // Line by line; a run of changed lines grows over unchanged stretches shorter than kJoinGap.
    bool inRun = false;
    TextChange run;
    qsizetype runEnd = 0; // behind the last changed line of the run, in the old text
    for (qsizetype o = 0, n = 0; o < oldMiddle.size();) {
        const qsizetype oe = lineEnd(oldMiddle, o);
        const qsizetype ne = lineEnd(newMiddle, n);
        if (oldMiddle.sliced(o, oe - o) != newMiddle.sliced(n, ne - n)) {
            if (!inRun)
                run = {o, 0, n, 0};
            inRun = true;
            run.oldLength = oe - run.oldStart;
            run.newLength = ne - run.newStart;
            runEnd = oe;
        } else if (inRun && oe - runEnd >= kJoinGap) {
            add(run);
            inRun = false;
        }
        if (inRun && run.oldLength >= kLongestSpan) {
            add(run);
            inRun = false;
        }
        o = oe;
        n = ne;
    }
    if (inRun)
        add(run);
    return spans;
}
