// Times what the operator waits for through the real main window, on a 10 MB program beside a
// 2 KB one: the open with its first paint, keys, Ctrl+End, each text tool from the click to the
// painted text, Next Find and the save; and the memory the 10 MB program takes, in bytes per byte
// of the file. The 10 MB program is run with the colouring on and again with it off.
//
//   corvane_editor_bench               the table
//   corvane_editor_bench --write FILE  writes the 10 MB program to FILE and ends
//   (tools/open-bench.sh)

#include "BenchProgram.h"

#include "app/FileCommands.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <vector>

namespace {
constexpr int kSmallLines = 80; // about 2 KB
constexpr int kBigLines = 400'000; // about 10 MB
constexpr int kKeys = 15;
constexpr int kSmallRuns = 5;

QByteArray programBytes(int lines)
{
    // The program ends as a program does, so Next Find from the top runs through all of it.
    return (GenerateProgram(lines) + QStringLiteral("M30\r\n")).toUtf8();
}

// A field of /proc/self/status in bytes (VmRSS, VmHWM).
double statusBytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').value(0).toDouble() * 1024;
    }
    return 0;
}

// Starts the peak (VmHWM) afresh from the present use.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double since(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Answers every message box as soon as it is shown, as an operator's OK.
class MessageAnswerer : public QObject
{
public:
    MessageAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(QMessageBox::Ok);
        });
        m_timer.start(1);
    }

private:
    QTimer m_timer;
};

struct Figures
{
    double open = 0, typeEnd = 0, typeMiddle = 0, ctrlEnd = 0, renumber = 0, allChange = 0,
           dataChange = 0, findNext = 0, save = 0;
    double memoryOpen = 0, memoryTools = 0, memoryPeak = 0;
};
constexpr double Figures::*kFields[]
    = {&Figures::open, &Figures::typeEnd, &Figures::typeMiddle, &Figures::ctrlEnd,
        &Figures::renumber, &Figures::allChange, &Figures::dataChange, &Figures::findNext,
        &Figures::save, &Figures::memoryOpen, &Figures::memoryTools, &Figures::memoryPeak};

class Bench
{
public:
    explicit Bench(frmMain* main)
        : m_main(main)
    { }

    // One pass over a program file; memory is counted against the use before the open.
    Figures run(const QString& path, double fileBytes)
    {
        Figures f;
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const double before = statusBytes("VmRSS:");
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        m_main->files()->OpenFile(path);
        m_box = m_main->activeDocument()->txtText();
        paint();
        f.open = since(timer);
        f.memoryOpen = (statusBytes("VmRSS:") - before) / fileBytes;

        const qint64 end = m_box->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        f.typeEnd = keys([&] { m_box->setSelStart(end); },
            [&] { press(Qt::Key_X, Qt::NoModifier, QStringLiteral("X")); });
        f.typeMiddle = keys([&] { m_box->setSelStart(end / 2); },
            [&] { press(Qt::Key_X, Qt::NoModifier, QStringLiteral("X")); });
        f.ctrlEnd = keys(
            [&] {
                m_box->setSelStart(0);
                paint();
            },
            [&] { press(Qt::Key_End, Qt::ControlModifier); });

        f.renumber = tool("mnuToolsNumberArrange", "frmNumberArrange", {}, {}, "Command1");
        f.allChange = tool("mnuSearchReplace", "frmReplace",
            {{"txtFind", "M08"}, {"txtReplace", "M09"}}, {"Check1"}, "AllChange");
        f.dataChange = tool("mnuToolsSizeShift", "frmSizeShift",
            {{"txtFind", "X"}, {"txtValue", "10"}}, {"Check1"}, "AllChange");
        f.memoryTools = (statusBytes("VmRSS:") - before) / fileBytes;
        f.findNext = tool("mnuSearchFind", "frmFind", {{"txtFind", "M30"}}, {"Check1"}, "NextFind");

        timer.restart();
        m_main->action(QStringLiteral("mnuFileSave"))->trigger();
        f.save = since(timer);
        f.memoryPeak = (statusBytes("VmHWM:") - before) / fileBytes;

        m_main->activeDocument()->close();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        return f;
    }

private:
    void paint()
    {
        QApplication::processEvents();
        m_box->viewport()->repaint();
    }

    void press(int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(m_box, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(m_box, &up);
        m_box->viewport()->repaint();
    }

    // The median of kKeys presses, each painted; before runs untimed.
    double keys(const std::function<void()>& before, const std::function<void()>& key)
    {
        std::vector<double> times;
        for (int i = 0; i < kKeys; ++i) {
            before();
            QElapsedTimer timer;
            timer.start();
            key();
            times.push_back(since(timer));
        }
        return median(times);
    }

    // Opens a dialog by its menu item, fills its boxes, checks its boxes and times the click on
    // the button until the text box is painted, the message answered included; then closes it.
    double tool(const char* item, const char* form,
        const std::vector<std::pair<const char*, const char*>>& boxes,
        const std::vector<const char*>& checks, const char* button)
    {
        m_box->setSelStart(0);
        m_main->action(QLatin1String(item))->trigger();
        QDialog* dialog = nullptr;
        for (QDialog* d : m_main->findChildren<QDialog*>(QLatin1String(form)))
            if (d->isVisible())
                dialog = d;
        if (!dialog)
            return -1;
        for (const auto& [name, text] : boxes)
            dialog->findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
        for (const char* name : checks)
            dialog->findChild<QAbstractButton*>(QLatin1String(name))->setChecked(true);
        QElapsedTimer timer;
        timer.start();
        dialog->findChild<QAbstractButton*>(QLatin1String(button))->click();
        paint();
        const double ms = since(timer);
        if (dialog->isVisible())
            dialog->reject();
        QApplication::processEvents();
        return ms;
    }

    frmMain* m_main;
    NcTextBox* m_box = nullptr;
};

Figures medianOf(const std::vector<Figures>& runs)
{
    Figures m;
    for (double Figures::*field : kFields) {
        std::vector<double> values;
        for (const Figures& f : runs)
            values.push_back(f.*field);
        m.*field = median(values);
    }
    return m;
}

// One process per program and colouring, so that each starts from a fresh heap: prints the
// medians of `runs` passes as one line of numbers.
int runPasses(const QString& path, bool coloured, int runs, int argc, char** argv)
{
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray original = file.readAll();
    file.close();
    frmMain* main = StartUp(QString());
    main->resize(1024, 768);
    if (!coloured)
        main->action(QStringLiteral("mnuViewColouring"))->trigger();
    MessageAnswerer answerer;
    Bench bench(main);
    std::vector<Figures> passes;
    for (int i = 0; i < runs; ++i) {
        // Each pass saves its changes: the next one starts from the program as written.
        if (!file.open(QIODevice::WriteOnly) || file.write(original) != original.size())
            return 1;
        file.close();
        passes.push_back(bench.run(path, original.size()));
    }
    const Figures m = medianOf(passes);
    for (double Figures::*field : kFields)
        std::printf("%.4f ", m.*field);
    std::printf("\n");
    return 0;
}

bool row(const char* what, double small, double big, double plain, double goal = 0)
{
    const double ratio = big / small;
    const bool met = goal == 0 || ratio <= goal;
    std::printf("%-26s %9.2f ms %10.1f ms %8.0fx %10.1f ms %8.2fx   %s\n", what, small, big, ratio,
        plain, big / plain, goal == 0 ? "" : (met ? "ok" : "SLOW"));
    return met;
}

bool memoryRow(const char* what, double on, double off, double goal)
{
    const bool met = on <= goal && off <= goal;
    std::printf(
        "%-44s %8.2f %8.2f   at most %.0f   %s\n", what, on, off, goal, met ? "ok" : "OVER");
    return met;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--write") == 0) {
        QFile out(QString::fromLocal8Bit(argv[2]));
        return out.open(QIODevice::WriteOnly) && out.write(programBytes(kBigLines)) > 0 ? 0 : 1;
    }
    if (argc == 5 && qstrcmp(argv[1], "--run") == 0)
        return runPasses(QString::fromLocal8Bit(argv[2]), qstrcmp(argv[3], "coloured") == 0,
            atoi(argv[4]), argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const auto pass = [&](int lines, const char* colouring, int runs, double* bytes) {
        const QString path = folder.filePath(QStringLiteral("PROGRAM%1.NC").arg(lines));
        const QByteArray program = programBytes(lines);
        *bytes = program.size();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(program) != program.size())
            return Figures {};
        file.close();
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--run"), path, QLatin1String(colouring), QString::number(runs)});
        child.waitForFinished(-1);
        const QList<QByteArray> numbers = child.readAllStandardOutput().simplified().split(' ');
        Figures f;
        for (std::size_t i = 0; i < std::size(kFields); ++i)
            f.*kFields[i] = numbers.value(static_cast<qsizetype>(i)).toDouble();
        return f;
    };
    double smallBytes = 0, bigBytes = 0;
    const Figures s = pass(kSmallLines, "coloured", kSmallRuns, &smallBytes);
    const Figures b = pass(kBigLines, "coloured", 1, &bigBytes);
    const Figures p = pass(kBigLines, "plain", 1, &bigBytes);

    std::printf("Through the main window: a %.0f-byte program beside a %.0f-byte one (%d lines).\n"
                "2 KB: median of %d passes; 10 MB: one pass coloured, one plain, each in a fresh\n"
                "process. Keys: median of %d presses, each painted; a tool: from the click on its\n"
                "button to the painted text, its closing message answered at once.\n\n",
        smallBytes, bigBytes, kBigLines + 1, kSmallRuns, kKeys);
    std::printf("%-26s %12s %13s %9s %13s %9s\n", "what", "2 KB", "10 MB", "ratio", "10 MB plain",
        "colour");
    bool met = true;
    row("open + first paint", s.open, b.open, p.open);
    met &= row("character at the end", s.typeEnd, b.typeEnd, p.typeEnd, 3);
    met &= row("character in the middle", s.typeMiddle, b.typeMiddle, p.typeMiddle, 3);
    met &= row("Ctrl+End", s.ctrlEnd, b.ctrlEnd, p.ctrlEnd, 3);
    row("renumbering (Arrange)", s.renumber, b.renumber, p.renumber);
    row("All Change M08 -> M09", s.allChange, b.allChange, p.allChange);
    row("data change X + 10", s.dataChange, b.dataChange, p.dataChange);
    row("Next Find M30 from top", s.findNext, b.findNext, p.findNext);
    row("save", s.save, b.save, p.save);

    std::printf(
        "\nMemory of the 10 MB program in bytes per byte of the file: the process's resident\n"
        "size against the one just before the open (VmRSS; the peak is VmHWM).\n%-44s %8s %8s\n",
        "", "coloured", "plain");
    met &= memoryRow("after the open", b.memoryOpen, p.memoryOpen, 4);
    met &= memoryRow("after renumbering, All Change, data change", b.memoryTools, p.memoryTools, 8);
    std::printf(
        "%-44s %8.2f %8.2f\n", "peak, from the open to the save", b.memoryPeak, p.memoryPeak);
    std::printf("\n%s\n", met ? "The 10 MB program meets the goals." : "Some goal is missed.");
    return 0;
}
