#pragma once

#include <QByteArrayView>
#include <QList>

// One replaced span: the bytes [oldStart, oldStart + oldLength) of the old text give way to the
// bytes [newStart, newStart + newLength) of the new one.
struct TextChange
{
    qsizetype oldStart = 0;
    qsizetype oldLength = 0;
    qsizetype newStart = 0;
    qsizetype newLength = 0;
};

// The spans that turn the old UTF-8 text into the new one, left to right and not touching each
// other, so that a whole-text tool writes back only what it changed. The common beginning and end
// (whole lines) are left alone. Between them, when both have the same number of lines, only the
// runs of changed lines are replaced, runs less than 96 bytes apart being one span (which costs
// the editor's history less than two); otherwise the middle is replaced in pieces. No span is much
// longer than 64 KB, so that no single insertion outgrows the editor's free room and moves the
// whole text, and each is narrowed to where its bytes differ. Spans start and end on whole
// characters and never between CR and LF. Linear in the texts; equal texts give none.
QList<TextChange> ChangedSpans(QByteArrayView before, QByteArrayView after);
