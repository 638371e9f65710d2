// Times the path reader on the generated 10 MB program beside a plain pass over the same text
// that reads every number of every word and does nothing with them, and on a 65 KB program.
// Goals: 10 MB read within 1.5 s, 65 KB read and turned into a picture within 50 ms.

#include "pathview/core/PathModel.h"

#include "BenchProgram.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
constexpr int kRuns = 3;

double best(const std::function<void()>& work)
{
    double fastest = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

// The floor: each line split off, each number read into a double, nothing kept.
double plainPass(const QString& text, qsizetype* lines)
{
    double sum = 0, value = 0;
    bool inNumber = false;
    qsizetype count = 1;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            value = value * 10 + (u - u'0');
            inNumber = true;
        } else if (inNumber && u != u'.') {
            sum += value;
            value = 0;
            inNumber = false;
        }
        if (u == u'\n')
            ++count;
    }
    *lines = count;
    return sum;
}
} // namespace

int main()
{
    const QString program = GenerateProgram(400000);
    const path::PathSettings settings;
    std::printf("Program: %lld characters; best of %d runs each\n\n",
        static_cast<long long>(program.size()), kRuns);

    path::PathResult result;
    const double readMs = best([&] { result = path::ReadPath(program, settings); });
    qsizetype lines = 0;
    volatile double sink = 0;
    const double floorMs = best([&] { sink = sink + plainPass(program, &lines); });
    const bool bigMet = readMs < 1500;
    std::printf("%-30s %9.1f ms  floor %7.1f ms  %6.1fx  %-4s %lld elements, %lld lines not "
                "drawn of %lld\n",
        "10 MB read", readMs, floorMs, readMs / floorMs, bigMet ? "ok" : "SLOW",
        static_cast<long long>(result.elements.size()),
        static_cast<long long>(result.notDrawn.size()), static_cast<long long>(lines));

    // 65 KB: the generated program's beginning, cut at a line end.
    const QString small = program.left(program.lastIndexOf(u'\n', 65'000) + 1);
    QString picture;
    const double smallMs = best([&] {
        result = path::ReadPath(small, settings);
        picture = path::PathSvg(result);
    });
    const bool smallMet = smallMs < 50;
    std::printf("%-30s %9.1f ms  %-4s %lld elements, picture %lld characters\n",
        "65 KB read and drawn as SVG", smallMs, smallMet ? "ok" : "SLOW",
        static_cast<long long>(result.elements.size()), static_cast<long long>(picture.size()));

    std::printf(
        "\n%s\n", bigMet && smallMet ? "The path meets its goals." : "The path misses a goal.");
    return 0;
}
