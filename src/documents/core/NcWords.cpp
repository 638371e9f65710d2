#include "documents/core/NcWords.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A plain number as the program writes it: 100, -2, 0.24, .5, 100.
const QString kNumber = QStringLiteral("[+-]?(\\d+\\.?\\d*|\\.\\d+)");

bool matches(const QRegularExpression& re, QStringView word)
{
    return re.match(word).hasMatch();
}

NcStyle wordStyle(QStringView word, bool first)
{
    static const QRegularExpression gCode(QStringLiteral("^G\\d+$"));
    static const QRegularExpression mCode(QStringLiteral("^M\\d+$"));
    static const QRegularExpression sequence(QStringLiteral("^N[0-9A-Z]+$"));
    static const QRegularExpression programName(QStringLiteral("^O[0-9A-Z]+$"));
    static const QRegularExpression feedSpeedTool(
        QStringLiteral("^([FST]|TL=|TG=|OG=|SB=|[FST]=)%1$").arg(kNumber));
    static const QRegularExpression address(QStringLiteral("^[A-EHIJKLPQRUVWXYZ]%1$").arg(kNumber));
    static const QRegularExpression assignment(
        QStringLiteral("^[A-Z][A-Z0-9]*(\\[[0-9A-Z]+\\])?=[-+*/.,\\[\\]()0-9A-Z]+$"));
    static const QRegularExpression mnemonic(
        QStringLiteral("^[A-Z]{2,}[0-9]*([,\\[][-+.,\\[\\]0-9A-Z]*)?$"));

    if (first && (word.startsWith(u'%') || word == u"$"))
        return NcStyle::Marker;
    if (first && matches(programName, word))
        return NcStyle::Marker;
    if (word == u"NOEX")
        return NcStyle::Variable;
    if (matches(sequence, word))
        return NcStyle::Sequence;
    if (matches(gCode, word))
        return NcStyle::GCode;
    if (matches(mCode, word))
        return NcStyle::MCode;
    if (matches(feedSpeedTool, word))
        return NcStyle::FeedSpeedTool;
    if (matches(address, word))
        return NcStyle::Address;
    if (matches(assignment, word) || matches(mnemonic, word))
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
