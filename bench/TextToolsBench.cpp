// Times the text tools on a large CAM program beside a plain one-pass loop over the same text
// that does the same job without the rules: the floor no editor can beat. Goal: each tool
// under one second and within ten times its floor.

#include "texttools/core/DataChange.h"
#include "texttools/core/FindReplace.h"
#include "texttools/core/NumberArrange.h"

#include "BenchProgram.h"

#include <QElapsedTimer>
#include <QString>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {
constexpr int kLines = 400000;
constexpr int kRuns = 3;

// The floors: one loop over the characters, each written or compared once.

QString renumberFloor(const QString& text)
{
    QString out(text.size() + kLines * 6, Qt::Uninitialized);
    QChar* o = out.data();
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    int n = 1;
    bool lineStart = true;
    while (p < end) {
        if (lineStart) {
            *o++ = u'N';
            for (int divisor = 1000; divisor > 0; divisor /= 10)
                *o++ = QChar(static_cast<char16_t>(u'0' + n / divisor % 10));
            *o++ = u' ';
            n = n % 9999 + 1;
        }
        lineStart = *p == u'\n';
        *o++ = *p++;
    }
    out.truncate(o - out.constData());
    return out;
}

QString replaceFloor(const QString& text, qsizetype* count)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* o = out.data();
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    *count = 0;
    while (p < end) {
        if (p[0] == u'M' && end - p >= 3 && p[1] == u'0' && p[2] == u'8') {
            *o++ = u'M';
            *o++ = u'8';
            p += 3;
            ++*count;
        } else {
            *o++ = *p++;
        }
    }
    out.truncate(o - out.constData());
    return out;
}

QString dataChangeFloor(const QString& text, qsizetype* count)
{
    QString out(text.size() + text.size() / 4, Qt::Uninitialized);
    QChar* o = out.data();
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    *count = 0;
    while (p < end) {
        *o = *p++;
        if (*o++ != u'X')
            continue;
        // Read the value in thousandths, add 10 and write it back with its decimals trimmed.
        bool negative = p < end && *p == u'-';
        p += negative;
        long long thousandths = 0;
        int decimals = -1;
        const QChar* digits = p;
        for (; p < end && ((*p >= u'0' && *p <= u'9') || *p == u'.'); ++p) {
            if (*p == u'.') {
                decimals = 0;
            } else if (decimals < 3) {
                thousandths = thousandths * 10 + (p->unicode() - u'0');
                decimals += decimals >= 0;
            }
        }
        if (p == digits)
            continue;
        for (int d = decimals < 0 ? 0 : decimals; d < 3; ++d)
            thousandths *= 10;
        long long value = (negative ? -thousandths : thousandths) + 10000;
        if (value < 0) {
            *o++ = u'-';
            value = -value;
        }
        char buffer[24];
        const int length = std::snprintf(buffer, sizeof buffer, "%lld", value / 1000);
        for (int i = 0; i < length; ++i)
            *o++ = QChar(buffer[i]);
        if (long long fraction = value % 1000) {
            *o++ = u'.';
            for (int divisor = 100; fraction != 0; divisor /= 10) {
                *o++ = QChar(static_cast<char16_t>(u'0' + fraction / divisor));
                fraction %= divisor;
            }
        }
        ++*count;
    }
    out.truncate(o - out.constData());
    return out;
}

qsizetype searchFloor(const QString& text, const QString& word)
{
    const QChar* p = text.constData();
    const qsizetype n = text.size() - word.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (p[i] != word[0])
            continue;
        qsizetype k = 1;
        while (k < word.size() && p[i + k] == word[k])
            ++k;
        if (k == word.size())
            return i;
    }
    return -1;
}

// The best of a few runs, in milliseconds.
double best(const std::function<void()>& pass)
{
    double fastest = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        pass();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

bool report(const char* tool, double ms, double floorMs, const QString& detail)
{
    const double ratio = ms / floorMs;
    const bool met = ms < 1000 && ratio <= 10;
    std::printf("%-26s %9.1f ms %9.1f ms %7.1fx   %-4s %s\n", tool, ms, floorMs, ratio,
        met ? "ok" : "SLOW", qPrintable(detail));
    return met;
}
} // namespace

int main()
{
    const QString program = GenerateProgram(kLines);
    std::printf("Program: %lld characters, %d lines; best of %d runs each\n\n",
        static_cast<long long>(program.size()), kLines, kRuns);
    std::printf("%-26s %12s %12s %8s\n", "tool", "time", "floor", "ratio");

    bool allMet = true;
    ArrangeResult arranged;
    QString floorText;
    const double arrangeMs = best([&] { arranged = ArrangeNumbers(program, 0, ArrangeOptions()); });
    const double arrangeFloorMs = best([&] { floorText = renumberFloor(program); });
    allMet &= report("sequence number arrange", arrangeMs, arrangeFloorMs,
        QStringLiteral("%1 -> %2 characters").arg(program.size()).arg(arranged.text.size()));

    ReplaceAllResult replaced;
    qsizetype floorCount = 0;
    const double replaceMs = best(
        [&] { replaced = ReplaceAll(program, QStringLiteral("M08"), QStringLiteral("M8"), 0); });
    const double replaceFloorMs = best([&] { floorText = replaceFloor(program, &floorCount); });
    allMet &= report("All Change M08 -> M8", replaceMs, replaceFloorMs,
        QStringLiteral("%1 replaced (floor %2)").arg(replaced.count).arg(floorCount));

    ShiftAllResult shifted;
    const double shiftMs
        = best([&] { shifted = ShiftAll(program, 0, QStringLiteral("X"), QStringLiteral("10")); });
    const double shiftFloorMs = best([&] { floorText = dataChangeFloor(program, &floorCount); });
    allMet &= report("data change X + 10", shiftMs, shiftFloorMs,
        QStringLiteral("%1 changed (floor %2)").arg(shifted.count).arg(floorCount));

    qsizetype found = 0;
    const QString absent = QStringLiteral("G999");
    const double findMs = best([&] { found = FindPosition(program, absent, 0); });
    const double findFloorMs = best([&] { floorCount = searchFloor(program, absent); });
    allMet &= report("search for absent G999", findMs, findFloorMs,
        QStringLiteral("found at %1 (floor %2)").arg(found).arg(floorCount));

    std::printf("\n%s\n", allMet ? "All tools meet the goal." : "Some tool misses the goal.");
    return 0;
}
