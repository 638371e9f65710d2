#include "texttools/core/DataChange.h"

#include "common/Basic.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {
// Characters read behind the letters.
constexpr qsizetype kScanLength = 10;
// Bounds of a run of changes that keeps finding its letters in the values it has just written.
// Real address letters never do; letters made of digits can do so for ever.
constexpr int kLongestChain = 10000;
constexpr qsizetype kLargestWindow = 4096;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

Calculation ParseCalculation(const QString& text)
{
    Calculation calculation;
    if (text.startsWith(u'*')) {
        calculation.op = Calculation::Multiply;
        calculation.operand = Val(text.mid(1));
    } else if (text.startsWith(u'/')) {
        calculation.op = Calculation::Divide;
        calculation.operand = Val(text.mid(1));
    } else {
        calculation.operand = Val(text);
    }
    return calculation;
}

std::optional<double> Calculate(const Calculation& calculation, double value)
{
    double result = value + calculation.operand;
    if (calculation.op == Calculation::Multiply) {
        result = value * calculation.operand;
    } else if (calculation.op == Calculation::Divide) {
        if (calculation.operand == 0)
            return std::nullopt;
        result = value / calculation.operand;
    }
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

namespace {
// Appends a value as FormatShifted writes it.
void appendShifted(QString& out, double value)
{
    // Nine decimals hold every typed number exactly and drop the binary noise of the arithmetic;
    // the rounding is then done on those decimal digits.
    char buffer[400];
    buffer[0] = '0'; // room for a carry
    const auto converted = std::to_chars(
        buffer + 1, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 9);
    char* point = std::find(buffer + 1, converted.ptr, '.');
    char* last = point + 3; // the third decimal
    if (point[4] >= '5') {
        // Half away from zero; a carry may run into a new leading digit.
        char* digit = last;
        for (; *digit == '9' || *digit == '.'; --digit)
            if (*digit == '9')
                *digit = '0';
        ++*digit;
    }
    const char* first = buffer[0] == '1' ? buffer : buffer + 1;
    while (*last == '0')
        --last;
    if (last == point)
        --last;
    if (value < 0 && !(last == first && *first == '0'))
        out.append(u'-');
    out.append(QLatin1StringView(first, last + 1 - first));
}

// The number behind the letters: at most ten characters, blanks before it skipped, "="
// remembered, a sign only first, then digits and points.
struct NumberScan
{
    qsizetype end = 0;
    bool equals = false;
    bool digit = false;
    char text[kScanLength + 1] = {};
    int length = 0;
};

NumberScan scanNumber(QStringView text, qsizetype start)
{
    NumberScan scan;
    const qsizetype limit = std::min(text.size(), start + kScanLength);
    qsizetype i = start;
    for (; i < limit; ++i) {
        const QChar c = text[i];
        if (c == u' ' && scan.length == 0)
            continue;
        if (c == u'=') {
            scan.equals = true;
        } else if (c == u'+' || c == u'-') {
            if (scan.length != 0)
                break;
            scan.text[scan.length++] = static_cast<char>(c.unicode());
        } else if (c == u'.' || isDigit(c)) {
            scan.digit = scan.digit || c != u'.';
            scan.text[scan.length++] = static_cast<char>(c.unicode());
        } else {
            break;
        }
    }
    scan.end = i;
    return scan;
}

// The value of the number text by the leading-number rule (the text holds no blanks).
double numberValue(const NumberScan& scan)
{
    const char* first = scan.text + (scan.text[0] == '+');
    double value = 0;
    std::from_chars(first, scan.text + scan.length, value);
    return value;
}

// The new value of the occurrence at p; none when it has no number or no result.
std::optional<double> newValue(QStringView text, qsizetype p, qsizetype letters,
    const Calculation& calculation, NumberScan& scan)
{
    scan = scanNumber(text, p + letters);
    // A sign or a point alone is no value either.
    if (!scan.digit)
        return std::nullopt;
    return Calculate(calculation, numberValue(scan));
}

void appendReplacement(QString& out, QStringView letters, bool equals, double value)
{
    out.append(letters);
    if (equals)
        out.append(u'=');
    appendShifted(out, value);
}
} // namespace

QString FormatShifted(double value)
{
    QString text;
    appendShifted(text, value);
    return text;
}

OccurrenceChange ChangeOccurrence(
    QStringView text, qsizetype p, QStringView letters, const Calculation& calculation)
{
    OccurrenceChange change;
    NumberScan scan;
    const std::optional<double> value = newValue(text, p, letters.size(), calculation, scan);
    change.end = scan.end;
    if (value) {
        appendReplacement(change.replacement, letters, scan.equals, *value);
        change.changed = true;
    }
    return change;
}

ShiftAllResult ShiftAll(
    const QString& text, qsizetype from, const QString& letters, const QString& calculation)
{
    ShiftAllResult result;
    result.findPos = from;
    from = std::max<qsizetype>(from, 0);
    const qsizetype length = letters.size();
    if (length == 0 || from > text.size()) {
        result.text = text;
        return result;
    }
    const Calculation calc = ParseCalculation(calculation);
    const QStringView source(text);
    // The text as the step-by-step changes leave it is out + window + source[next...]: out is
    // final, the window holds what the last change left behind the search position (only there
    // can an occurrence begin inside written text), and the rest is still the original.
    QString& out = result.text;
    out.reserve(text.size() + text.size() / 8 + 64);
    out.append(source.first(from));
    QString window;
    qsizetype written = 0; // leading characters of the window that a change wrote
    qsizetype next = from;
    int chain = 0;
    // Buffers used again for every occurrence.
    QString probe;
    QString local;
    QString changed;
    NumberScan scan;
    for (;;) {
        local.truncate(0);
        qsizetype writtenInLocal = 0;
        if (!window.isEmpty()) {
            // An occurrence may begin in the window and run on into the original.
            probe.truncate(0);
            probe.append(window);
            probe.append(source.sliced(next, std::min(length - 1, source.size() - next)));
            const qsizetype q = probe.indexOf(letters);
            if (q >= 0) {
                chain = q < written ? chain + 1 : 0;
                writtenInLocal = std::max<qsizetype>(0, written - q);
                out.append(QStringView(window).first(q));
                local.append(QStringView(window).sliced(q));
            } else {
                out.append(window);
            }
            window.truncate(0);
        }
        if (local.isEmpty()) {
            const qsizetype q = source.indexOf(letters, next);
            if (q < 0)
                break;
            chain = 0;
            out.append(source.sliced(next, q - next));
            next = q;
        }
        if (chain > kLongestChain || local.size() > kLargestWindow) {
            result = ShiftAllResult();
            result.text = text;
            result.findPos = from;
            result.endless = true;
            return result;
        }
        const qsizetype wanted = length + kScanLength - local.size();
        if (wanted > 0) {
            const qsizetype taken = std::min(wanted, source.size() - next);
            local.append(source.sliced(next, taken));
            next += taken;
        }
        result.lastFound = out.size();
        const std::optional<double> value = newValue(local, 0, length, calc, scan);
        result.lastFoundChanged = value.has_value();
        if (value) {
            changed.truncate(0);
            appendReplacement(changed, letters, scan.equals, *value);
            writtenInLocal = changed.size() + std::max<qsizetype>(0, writtenInLocal - scan.end);
            changed.append(QStringView(local).sliced(scan.end));
            std::swap(local, changed);
            ++result.count;
        }
        // The next search starts one character behind the start of this occurrence.
        out.append(local[0]);
        result.findPos = out.size();
        window.append(QStringView(local).sliced(1));
        written = std::max<qsizetype>(0, writtenInLocal - 1);
    }
    out.append(source.sliced(next));
    return result;
}
