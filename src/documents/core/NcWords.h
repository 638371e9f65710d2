#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The kinds of words of a lathe program, as the text box colours them.
enum class NcStyle : char {
    Plain, // spaces between words
    Sequence, // N000, N0010, NT05, NAP1, NRTS, NMAX
    GCode,
    MCode,
    Address, // axis and cycle words: X100. Z-2 U0.4 K47 D5 A135 ...
    FeedSpeedTool, // F0.2 S750 T0505 TL=191919 TG=19 OG=1 SB=990
    Comment, // (...) up to the closing parenthesis or the line end, and dashed headings
    Variable, // NOEX, VTLIN[5]=22, F=SB*0.04, CALL OUGC and the other mnemonics
    Marker, // %, O numbers and program names, $ continuations, lines of tabs only
    Unknown,
};
constexpr int kNcStyleCount = static_cast<int>(NcStyle::Unknown) + 1;

// One style per character of a line (without its line end). Each line stands on its own: no word
// of the dialect goes on over a line end, so a change restyles only the lines it touched.
QByteArray NcLineStyles(QStringView line);

// The style's name as the tests and the developer read it: "sequence", "g", "comment" ...
QString NcStyleName(NcStyle style);
