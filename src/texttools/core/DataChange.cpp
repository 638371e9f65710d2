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

QString FormatShifted(double value)
{
    // Nine decimals hold every typed number exactly and drop the binary noise of the arithmetic;
    // the rounding is then done on those decimal digits.
    char buffer[400];
    const auto converted = std::to_chars(
        buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 9);
    const std::string_view text(buffer, static_cast<size_t>(converted.ptr - buffer));
    const size_t point = text.find('.');
    std::string digits(text.substr(0, point));
    digits.append(text.substr(point + 1, 3));
    if (text[point + 4] >= '5') {
        auto i = static_cast<std::ptrdiff_t>(digits.size()) - 1;
        for (; i >= 0 && digits[size_t(i)] == '9'; --i)
            digits[size_t(i)] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[size_t(i)];
    }
    std::string decimals = digits.substr(digits.size() - 3);
    digits.resize(digits.size() - 3);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        digits += '.' + decimals;
    if (value < 0 && digits != "0")
        digits.insert(digits.begin(), '-');
    return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
}

OccurrenceChange ChangeOccurrence(
    QStringView text, qsizetype p, QStringView letters, const Calculation& calculation)
{
    OccurrenceChange change;
    const qsizetype start = p + letters.size();
    const qsizetype limit = std::min(text.size(), start + kScanLength);
    QString number;
    bool equals = false;
    bool digit = false;
    qsizetype i = start;
    for (; i < limit; ++i) {
        const QChar c = text[i];
        if (c == u' ' && number.isEmpty())
            continue;
        if (c == u'=') {
            equals = true;
        } else if (c == u'+' || c == u'-') {
            if (!number.isEmpty())
                break;
            number += c;
        } else if (c == u'.' || isDigit(c)) {
            digit = digit || c != u'.';
            number += c;
        } else {
            break;
        }
    }
    change.end = i;
    // A sign or a point alone is no value either.
    if (!digit)
        return change;
    const std::optional<double> value = Calculate(calculation, Val(number));
    if (!value)
        return change;
    change.replacement.reserve(letters.size() + 1 + 12);
    change.replacement.append(letters);
    if (equals)
        change.replacement.append(u'=');
    change.replacement.append(FormatShifted(*value));
    change.changed = true;
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
    // final, the window holds what the last change wrote behind the search position (only there
    // can an occurrence begin inside written text), and the rest is still the original.
    QString& out = result.text;
    out.reserve(text.size() + text.size() / 8 + 64);
    out.append(source.first(from));
    QString window;
    qsizetype written = 0; // leading characters of the window that a change wrote
    qsizetype next = from;
    int chain = 0;
    QString local;
    for (;;) {
        local.clear();
        qsizetype writtenInLocal = 0;
        if (!window.isEmpty()) {
            // An occurrence may begin in the window and run on into the original.
            QString probe = window;
            probe.append(source.sliced(next, std::min(length - 1, source.size() - next)));
            const qsizetype q = probe.indexOf(letters);
            if (q >= 0) {
                chain = q < written ? chain + 1 : 0;
                writtenInLocal = std::max<qsizetype>(0, written - q);
                out.append(QStringView(window).first(q));
                local = window.sliced(q);
            } else {
                out.append(window);
            }
            window.clear();
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
        const OccurrenceChange change = ChangeOccurrence(local, 0, letters, calc);
        result.lastFoundChanged = change.changed;
        if (change.changed) {
            writtenInLocal
                = change.replacement.size() + std::max<qsizetype>(0, writtenInLocal - change.end);
            local.replace(0, change.end, change.replacement);
            ++result.count;
        }
        // The next search starts one character behind the start of this occurrence.
        out.append(local[0]);
        result.findPos = out.size();
        window = local.sliced(1);
        written = std::max<qsizetype>(0, writtenInLocal - 1);
    }
    out.append(source.sliced(next));
    return result;
}
