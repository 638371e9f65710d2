#include "common/NumberRules.h"

#include "common/Basic.h"

#include <cmath>

NumberRule ParseNumberRule(QString word)
{
    NumberRule rule;
    if (word.endsWith(u'?')) {
        rule.mayBeEmpty = true;
        word.chop(1);
    }
    if (word == u"+")
        rule.range = NumberRule::Range::AboveZero;
    else if (word == u"!")
        rule.range = NumberRule::Range::NotZero;
    else if (word.startsWith(u'#')) {
        rule.range = NumberRule::Range::Whole;
        rule.largest = word.mid(1).toInt();
    }
    return rule;
}

bool IsCompleteNumber(const QString& typed)
{
    const QString text = typed.trimmed();
    qsizetype i = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

namespace {
QString wanted(const NumberRule& rule)
{
    switch (rule.range) {
    case NumberRule::Range::AboveZero:
        return QStringLiteral("a number above 0");
    case NumberRule::Range::NotZero:
        return QStringLiteral("a number other than 0");
    case NumberRule::Range::Whole:
        return QStringLiteral("a whole number from 1 to %1").arg(rule.largest);
    case NumberRule::Range::Any:
        break;
    }
    return QStringLiteral("a number");
}

bool inRange(double v, const NumberRule& rule)
{
    if (std::fabs(v) > kLargestNumber)
        return false;
    switch (rule.range) {
    case NumberRule::Range::AboveZero:
        return v > 0;
    case NumberRule::Range::NotZero:
        return v != 0;
    case NumberRule::Range::Whole:
        return v == std::floor(v) && v >= 1 && v <= rule.largest;
    case NumberRule::Range::Any:
        break;
    }
    return true;
}
} // namespace

QString NumberFieldMessage(const QString& caption, const QString& text, const NumberRule& rule)
{
    const QString field = caption.simplified();
    if (text.trimmed().isEmpty()) {
        if (rule.mayBeEmpty && inRange(0, rule))
            return {};
        return field + QStringLiteral(" is empty. Enter ") + wanted(rule) + u'.';
    }
    if (!IsCompleteNumber(text))
        return field + QStringLiteral(": '") + text + QStringLiteral("' is not a number. Enter ")
            + wanted(rule)
            + QStringLiteral(", written as digits with an optional sign and at most one point.");
    const double value = Val(text);
    if (!inRange(value, rule))
        return field + QStringLiteral(": ") + text.trimmed()
            + QStringLiteral(" is out of range. Enter ") + wanted(rule)
            + (std::fabs(value) > kLargestNumber
                    ? QStringLiteral(" of at most 8 digits before the point.")
                    : QStringLiteral("."));
    return {};
}
