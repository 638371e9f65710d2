#pragma once

#include <QRegularExpression>
#include <QString>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The fuzzer's bytes read front to back; past the end every byte is 0.
class FuzzBytes
{
public:
    FuzzBytes(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    { }

    uint64_t take(int count)
    {
        uint64_t v = 0;
        for (int i = 0; i < count; ++i)
            v = v << 8 | (m_at < m_size ? m_data[m_at++] : 0);
        return v;
    }
    bool flag() { return take(1) & 1; }

    // Any double, infinity and NaN included.
    double raw()
    {
        const uint64_t bits = take(8);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

    // Mostly a number as typed into a field (up to eight digits, up to four decimals, a sign),
    // sometimes 0 and sometimes any double.
    double number()
    {
        const unsigned kind = unsigned(take(1));
        if (kind < 24)
            return raw();
        if (kind < 48)
            return 0;
        const double digits = double(take(4) % 1000000000000);
        const double scale[] = {1, 10, 100, 1000, 10000};
        return (kind & 1 ? -digits : digits) / scale[kind % 5];
    }

    // A short text, each byte one Latin-1 character.
    QString text()
    {
        const int length = int(take(1) % 24);
        QString s;
        for (int i = 0; i < length; ++i)
            s += QChar(char16_t(take(1)));
        return s;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

[[noreturn]] inline void FuzzFailure(const char* what, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(text.left(2000)));
    std::abort();
}

// NC text holds numbers as plain decimals: never an exponent, infinity or NaN.
inline void CheckNoOddNumber(const QString& text)
{
    static const QRegularExpression odd(
        QStringLiteral("inf|nan|[0-9.][eE][-+]?[0-9]"), QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch hit = odd.match(text); hit.hasMatch())
        FuzzFailure("odd number in NC text",
            text.mid(std::max<qsizetype>(0, hit.capturedStart() - 60), 120));
}
