#include "texttools/core/NumberArrange.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace {
const char16_t* const kProgramEnds[] = {u"M02", u"M2", u"M30", u"RTS"};

bool isWhole(double value, double largest)
{
    return value >= 0 && value <= largest && value == std::floor(value);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isWordEdge(QChar c)
{
    return c == u' ' || c == u'\n' || c == u'\r';
}

// Whether the line handled last ends a program: the first occurrence of M02, M2, M30 or RTS in
// text[from, lineFeed) stands as a word of its own (a blank, CR or LF on both sides). One pass
// finds the first occurrence of each code.
bool endsProgram(QStringView text, qsizetype from, qsizetype lineFeed)
{
    if (from < 1 || from >= lineFeed)
        return false;
    qsizetype first[std::size(kProgramEnds)];
    std::fill(std::begin(first), std::end(first), -1);
    for (qsizetype i = from; i < lineFeed; ++i) {
        if (text[i] != u'M' && text[i] != u'R')
            continue;
        for (size_t c = 0; c < std::size(kProgramEnds); ++c) {
            const QStringView code(kProgramEnds[c]);
            if (first[c] < 0 && i + code.size() <= lineFeed && text.sliced(i, code.size()) == code)
                first[c] = i;
        }
    }
    for (size_t c = 0; c < std::size(kProgramEnds); ++c) {
        const qsizetype at = first[c];
        const qsizetype after = at + QStringView(kProgramEnds[c]).size();
        if (at >= 0 && isWordEdge(text[at - 1]) && isWordEdge(text[after]))
            return true;
    }
    return false;
}

bool leftAlone(QStringView line)
{
    if (line.isEmpty())
        return true; // end of the text, or an empty line ended by a lone LF
    switch (line[0].unicode()) {
    case u'\r':
    case u'\t':
    case u'-':
    case u'<':
    case u'&':
    case u'$':
    case u'(':
    case u'%':
    case u'O':
        return true;
    default:
        return false;
    }
}

// The character behind "N" that still belongs to an old N-word. A line end, a comment bracket or
// a letter never does: the number must not swallow them.
bool continuesNumber(QChar c)
{
    return isDigit(c) || c == u' ' || c == u'+' || c == u'-' || c == u'.';
}

void appendNumber(QString& out, double n, int digits)
{
    char buffer[32];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(n));
    const qsizetype length = converted.ptr - buffer;
    out.append(u'N');
    for (qsizetype zeros = digits - length; zeros > 0; --zeros)
        out.append(u'0');
    out.append(QLatin1StringView(buffer, length));
}

// Appends the numbered line (without its line end); false when the line stays as it was.
void appendNumberedLine(
    QString& out, QStringView line, double n, int digits, BlankMode blanks, bool lastInText)
{
    qsizetype replaced = 0;
    if (line[0] == u'N' && line.size() > 1 && line[1] >= u'A' && line[1] <= u'Z') {
        qsizetype end = 2;
        while (end < line.size() && line[end] != u' ' && line[end] != u'\t' && line[end] != u'\r')
            ++end;
        if (end == line.size() && lastInText) {
            // A named sequence that ends the text stays exactly as it is.
            out.append(line);
            return;
        }
        out.append(line.first(end));
        replaced = end;
    } else {
        if (line[0] == u'N') {
            replaced = line.size() > 1 && continuesNumber(line[1]) ? 2 : 1;
            while (replaced < line.size() && isDigit(line[replaced]))
                ++replaced;
        }
        appendNumber(out, n, digits);
    }
    qsizetype rest = replaced;
    while (rest < line.size() && line[rest] == u' ')
        ++rest;
    if (blanks == BlankMode::One) {
        out.append(u' ');
    } else if (blanks == BlankMode::Five) {
        const QChar next = rest < line.size() ? line[rest] : QChar();
        const bool axis = next == u'X' || next == u'Y' || next == u'Z';
        out.append(axis ? QLatin1StringView("     ") : QLatin1StringView(" "));
    }
    out.append(line.sliced(rest));
}
} // namespace

ArrangeInputError CheckArrangeInput(const ArrangeOptions& options)
{
    if (!isWhole(options.digits, kMostDigits))
        return ArrangeInputError::Digits;
    if (!isWhole(options.start, kLargestNumber))
        return ArrangeInputError::Start;
    if (!isWhole(options.add, kLargestNumber))
        return ArrangeInputError::Add;
    return ArrangeInputError::None;
}

ArrangeResult ArrangeNumbers(const QString& text, qsizetype caret, const ArrangeOptions& options)
{
    const QStringView source(text);
    ArrangeResult result;
    QString& out = result.text;
    out.reserve(text.size() + text.size() / 4 + 64);
    const int digits = static_cast<int>(options.digits);
    // Digit number 0 pads nothing; the numbers then run up to the largest there is.
    const double largest = digits == 0 ? kLargestNumber : std::pow(10.0, digits) - 1;
    double n = options.start;

    // The program-end words are looked for in the line handled last, in the text as numbered,
    // from its second character (from the caret for the caret's line) up to its line feed.
    qsizetype checkFrom = 0;
    qsizetype checkLineFeed = 0;
    qsizetype lineStart = 0;
    if (!options.fromTop && caret > 0) {
        const qsizetype lineFeed = source.indexOf(u'\n', caret);
        result.findPos = caret;
        if (lineFeed < 0) {
            out = text;
            return result;
        }
        out.append(source.first(lineFeed + 1));
        checkFrom = caret;
        checkLineFeed = lineFeed;
        lineStart = lineFeed + 1;
        result.lineFeed = lineFeed + 1;
    }

    for (;;) {
        const bool programEnd = endsProgram(out, checkFrom, checkLineFeed);
        if (programEnd && options.stopAtProgramEnd) {
            out.append(source.sliced(lineStart));
            result.findPos = checkFrom;
            break;
        }
        if (programEnd && !options.continuous)
            n = options.start;

        const qsizetype lineFeed = source.indexOf(u'\n', lineStart);
        const qsizetype lineEnd = lineFeed < 0 ? source.size() : lineFeed;
        const QStringView line = source.sliced(lineStart, lineEnd - lineStart);
        const qsizetype lineStartInOut = out.size();
        if (leftAlone(line)) {
            out.append(line);
        } else {
            appendNumberedLine(out, line, n, digits, options.blanks, lineFeed < 0);
            n += options.add;
            if (n > largest)
                n = options.add;
        }
        result.findPos = lineStartInOut + 1;
        if (lineFeed < 0)
            break;
        out.append(u'\n');
        checkFrom = line.isEmpty() ? 0 : lineStartInOut + 1;
        checkLineFeed = out.size() - 1;
        result.lineFeed = out.size();
        lineStart = lineFeed + 1;
    }
    return result;
}
