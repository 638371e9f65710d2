#include "common/Basic.h"

#include "common/RuntimeError.h"

#include <algorithm>
#include <cmath>

double Val(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (
            i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
            ++i;
    };
    skipBlanks();
    QString number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        number += text[i];
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            digits = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
        } else if (c == u' ' || c == u'\t') {
            continue; // the leading-number rule ignores blanks inside the number
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only when digits follow it.
    if (i + 1 < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += text[j++];
        const qsizetype first = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            exponent += text[j++];
        if (j > first)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

double Int(double value)
{
    return std::floor(value);
}

double Fix(double value)
{
    return std::trunc(value);
}

QString NumberText(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(errOverflow);
    if (value == 0)
        return QStringLiteral("0");
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    QString text = QString::number(value, 'f', std::max(0, 14 - magnitude));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}

QString Str(double value)
{
    const QString text = NumberText(value);
    return value < 0 ? text : QLatin1Char(' ') + text;
}

bool ParseNumber(const QString& text, double* value)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

double Divide(double numerator, double denominator)
{
    if (denominator == 0)
        throw RuntimeError(errDivisionByZero);
    const double quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        throw RuntimeError(errOverflow);
    return quotient;
}
