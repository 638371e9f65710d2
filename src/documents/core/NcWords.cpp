#include "documents/core/NcWords.h"

#include <algorithm>

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isUpper(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool allOf(QStringView text, bool (*test)(QChar))
{
    return std::all_of(text.begin(), text.end(), test);
}

bool isUpperOrDigit(QChar c)
{
    return isUpper(c) || isDigit(c);
}

// A plain number as the program writes it: 100, -2, 0.24, .5, 100.
bool isNumber(QStringView text)
{
    if (text.startsWith(u'+') || text.startsWith(u'-'))
        text = text.mid(1);
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    return whole.size() + fraction.size() > 0 && allOf(whole, isDigit) && allOf(fraction, isDigit);
}

// A letter (or the letters given) followed by what the test accepts, at least one character.
bool letterThen(QStringView word, QStringView letters, bool (*rest)(QChar))
{
    return word.size() > 1 && letters.contains(word[0]) && allOf(word.mid(1), rest);
}

bool isFeedSpeedTool(QStringView word)
{
    for (const char16_t* prefix : {u"TL=", u"TG=", u"OG=", u"SB="})
        if (word.startsWith(prefix))
            return isNumber(word.mid(3));
    if (word.size() < 2 || !QStringView(u"FST").contains(word[0]))
        return false;
    return isNumber(word.mid(1)) || (word[1] == u'=' && isNumber(word.mid(2)));
}

// NAME=value or NAME[index]=value, the value a number or an expression: VTLIN[5]=22, F=SB*0.04.
bool isAssignment(QStringView word)
{
    const qsizetype equals = word.indexOf(u'=');
    if (equals < 1 || !isUpper(word[0]) || equals + 1 == word.size())
        return false;
    QStringView name = word.left(equals);
    if (name.endsWith(u']')) {
        const qsizetype open = name.indexOf(u'[');
        if (open < 0 || open + 2 >= name.size()
            || !allOf(name.mid(open + 1, name.size() - open - 2), isUpperOrDigit))
            return false;
        name = name.left(open);
    }
    return allOf(name, isUpperOrDigit) && allOf(word.mid(equals + 1), [](QChar c) {
        return isUpperOrDigit(c) || QStringView(u"-+*/.,[]()").contains(c);
    });
}

// CALL, OPCHK, RTS, DEF WORK, RC,[1,0],[60,80]: two or more letters, digits, then an argument
// list.
bool isMnemonic(QStringView word)
{
    qsizetype i = 0;
    while (i < word.size() && isUpper(word[i]))
        ++i;
    if (i < 2)
        return false;
    while (i < word.size() && isDigit(word[i]))
        ++i;
    if (i == word.size())
        return true;
    return (word[i] == u',' || word[i] == u'[') && allOf(word.mid(i + 1), [](QChar c) {
        return isUpperOrDigit(c) || QStringView(u"-+.,[]").contains(c);
    });
}

NcStyle wordStyle(QStringView word, bool first)
{
    if (first && (word.startsWith(u'%') || word == u"$"))
        return NcStyle::Marker;
    if (first && letterThen(word, u"O", isUpperOrDigit))
        return NcStyle::Marker;
    if (word == u"NOEX")
        return NcStyle::Variable;
    if (letterThen(word, u"N", isUpperOrDigit))
        return NcStyle::Sequence;
    if (letterThen(word, u"G", isDigit))
        return NcStyle::GCode;
    if (letterThen(word, u"M", isDigit))
        return NcStyle::MCode;
    if (isFeedSpeedTool(word))
        return NcStyle::FeedSpeedTool;
    if (!word.isEmpty() && QStringView(u"ABCDEHIJKLPQRUVWXYZ").contains(word[0])
        && isNumber(word.mid(1)))
        return NcStyle::Address;
    if (isAssignment(word) || isMnemonic(word))
        return NcStyle::Variable;
    return NcStyle::Unknown;
}
} // namespace

QByteArray NcLineStyles(QStringView line)
{
    const qsizetype n = line.size();
    QByteArray styles(n, static_cast<char>(NcStyle::Plain));
    const auto fill = [&styles](qsizetype from, qsizetype to, NcStyle style) {
        std::fill(styles.begin() + from, styles.begin() + to, static_cast<char>(style));
    };
    // A line of tabs (and spaces) parts the blocks of a program.
    if (n > 0 && line.contains(u'\t') && std::all_of(line.begin(), line.end(), isBlank)) {
        fill(0, n, NcStyle::Marker);
        return styles;
    }
    // The headings of the measuring blocks: ----------< UTV.MEASURE D60 >----------
    if (line.startsWith(u"--")) {
        fill(0, n, NcStyle::Comment);
        return styles;
    }
    bool first = true;
    for (qsizetype i = 0; i < n;) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == u'(') {
            const qsizetype close = line.indexOf(u')', i);
            const qsizetype end = close < 0 ? n : close + 1;
            fill(i, end, NcStyle::Comment);
            i = end;
            continue;
        }
        qsizetype end = i;
        while (end < n && !isBlank(line[end]) && line[end] != u'(')
            ++end;
        fill(i, end, wordStyle(line.mid(i, end - i), first));
        first = false;
        i = end;
    }
    return styles;
}

QString NcStyleName(NcStyle style)
{
    static const char* const names[kNcStyleCount] = {"plain", "sequence", "g", "m", "address",
        "feed", "comment", "variable", "marker", "unknown"};
    return QString::fromLatin1(names[static_cast<int>(style)]);
}
