// Times what the operator waits for while typing, through the real text box: one character at
// the end, Enter, Backspace, Left and Ctrl+End, each painted, on a 10 MB program beside a 2 KB
// one. Goal: the big program within three times the small one.

#include "documents/NcTextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int kKeys = 25;

QString generateProgram(qsizetype bytes)
{
    QString text;
    text.reserve(bytes + 64);
    for (int i = 0; text.size() < bytes; ++i) {
        text += i % 7 == 6 ? QStringLiteral("(-----< PROCESS %1 >-----)\r\n").arg(i)
                           : QStringLiteral("N000 G01 X%1.%2 Z-%3.5 F0.2\r\n")
                                 .arg(100 + i % 300)
                                 .arg(i % 1000, 3, 10, QLatin1Char('0'))
                                 .arg(i % 90);
    }
    return text;
}

void press(NcTextBox& box, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&box, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&box, &up);
    box.viewport()->repaint();
}

// The median of kKeys presses, each with its paint, in milliseconds; before runs untimed.
double median(NcTextBox& box, const std::function<void()>& before, const std::function<void()>& key)
{
    std::vector<double> times;
    for (int i = 0; i < kKeys; ++i) {
        before();
        QElapsedTimer timer;
        timer.start();
        key();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    box.setSelStart(box.Text().size());
    return times[times.size() / 2];
}

struct Figures
{
    double type, enter, backspace, left, ctrlEnd;
};

Figures measure(const QString& program)
{
    NcTextBox box;
    box.resize(900, 700);
    box.show();
    QElapsedTimer shown;
    shown.start();
    while (!box.windowHandle()->isExposed() && shown.elapsed() < 2000)
        QApplication::processEvents();
    box.loadText(program);
    box.setFocus();
    const qsizetype end = program.size();
    const auto atEnd = [&] { box.setSelStart(end); };
    Figures f {};
    atEnd();
    box.viewport()->repaint();
    f.type = median(
        box, [] {}, [&] { press(box, Qt::Key_X, Qt::NoModifier, QStringLiteral("X")); });
    f.enter = median(
        box, [] {}, [&] { press(box, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); });
    f.backspace = median(
        box, [] {}, [&] { press(box, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")); });
    f.left = median(
        box, [] {}, [&] { press(box, Qt::Key_Left, Qt::NoModifier); });
    f.ctrlEnd = median(
        box,
        [&] {
            box.setSelStart(0);
            box.viewport()->repaint();
        },
        [&] { press(box, Qt::Key_End, Qt::ControlModifier); });
    return f;
}

bool report(const char* what, double small, double big)
{
    const double ratio = big / small;
    std::printf("%-12s %9.3f ms %9.3f ms %7.1fx   %s\n", what, small, big, ratio,
        ratio <= 3 ? "ok" : "SLOW");
    return ratio <= 3;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString small = generateProgram(2'000);
    const QString big = generateProgram(10'000'000);
    std::printf("Typing at the end: 2 KB beside %lld characters; median of %d keys, painted\n\n",
        static_cast<long long>(big.size()), kKeys);
    const Figures s = measure(small);
    const Figures b = measure(big);
    std::printf("%-12s %12s %12s %8s\n", "key", "2 KB", "10 MB", "ratio");
    bool met = report("character", s.type, b.type);
    met &= report("Enter", s.enter, b.enter);
    met &= report("Backspace", s.backspace, b.backspace);
    met &= report("Left", s.left, b.left);
    met &= report("Ctrl+End", s.ctrlEnd, b.ctrlEnd);
    std::printf("\n%s\n", met ? "Typing meets the goal." : "Typing misses the goal.");
    return 0;
}
