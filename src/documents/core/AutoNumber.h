#pragma once

#include <QChar>
#include <QString>

// What the automatic sequence number puts in front of a character typed at the start of a line:
// "N000 " before an address that begins a block ("I", "G", "C"), nothing before a comment, a TAB
// or an own sequence number, and "N000" with five blanks before anything else.
QString AutoNumberPrefix(QChar typed);

// True when a caret at the given position stands at the start of a line that follows another
// (just after a CR LF). The first line never gets a number.
bool AtStartOfFollowingLine(QChar twoBefore, QChar oneBefore, qint64 caret);
