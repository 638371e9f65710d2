// The path reader against hand-worked cases (tests/pathview/*.txt, their format told at the top of
// Moves.txt), and corvane --plot as a user runs it.
#include "pathview/core/PathModel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace path;

namespace {

struct Case
{
    QString name;
    PathSettings settings;
    bool defaultSettings = true;
    QString program;
    QString summary;
    QStringList checks; // element, elements, stock and notdrawn lines
};

QList<Case> readCases(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    QList<Case> cases;
    Case c;
    enum { Outside, Program, Summary, Checks } part = Outside;
    for (const QString& line : lines) {
        if (part == Program) {
            if (line == u"summary")
                part = Summary;
            else
                c.program += line + QStringLiteral("\r\n");
            continue;
        }
        if (part == Outside) {
            if (line.startsWith(u"case "))
                c = Case {line.mid(5), {}, true, {}, {}, {}};
            else if (line.startsWith(u"settings ")) {
                c.defaultSettings = false;
                for (const QString& pair : line.mid(9).split(u' ', Qt::SkipEmptyParts)) {
                    const QString key = pair.section(u'=', 0, 0);
                    const double v = pair.section(u'=', 1).toDouble();
                    if (key == u"homeX")
                        c.settings.homeX = v;
                    else if (key == u"homeZ")
                        c.settings.homeZ = v;
                    else if (key == u"rapid")
                        c.settings.rapidMmPerMin = v;
                    else if (key == u"change")
                        c.settings.toolChangeSeconds = v;
                    else if (key == u"maxSpeed")
                        c.settings.maxSpeed = v;
                    else
                        qFatal("unknown setting %s", qPrintable(key));
                }
            } else if (line == u"program")
                part = Program;
            continue;
        }
        if (line == u"end") {
            cases.append(c);
            part = Outside;
        } else if (part == Summary && !line.startsWith(u"element") && !line.startsWith(u"stock ")
            && !line.startsWith(u"notdrawn ") && !line.startsWith(u"points ")) {
            c.summary += line + u'\n';
        } else {
            part = Checks;
            c.checks.append(line);
        }
    }
    return cases;
}

} // namespace

Q_DECLARE_METATYPE(Case)

namespace {

const char* const kKinds[] = {"rapid", "feed", "arc", "contour", "region", "rotating"};
const char* const kStockKinds[] = {"blank", "bore", "jaw", "tailstock"};

bool near(const QPointF& a, const QString& text)
{
    const double z = text.section(u',', 0, 0).toDouble(), r = text.section(u',', 1).toDouble();
    return std::abs(a.x() - z) < 1e-3 && std::abs(a.y() - r) < 1e-3;
}

// The listed points in order; "..." stands for any number of points between.
bool pointsMatch(const QList<QPointF>& points, const QStringList& wanted)
{
    qsizetype at = 0;
    bool skipping = false;
    for (const QString& w : wanted) {
        if (w == u"...") {
            skipping = true;
            continue;
        }
        while (skipping && at < points.size() && !near(points[at], w))
            ++at;
        if (at >= points.size() || !near(points[at], w))
            return false;
        ++at;
        skipping = false;
    }
    return at == points.size();
}

QString toolName(const PathResult& r, int tool)
{
    return tool < 0 ? QStringLiteral("-") : r.tools[tool].name;
}

QString describe(const PathResult& r)
{
    QString s;
    for (const PathElement& e : r.elements) {
        s += QStringLiteral("  %1 %2 %3")
                 .arg(e.line + 1)
                 .arg(kKinds[int(e.kind)], toolName(r, e.tool));
        for (const QPointF& p : e.points)
            s += QStringLiteral(" %1,%2").arg(p.x()).arg(p.y());
        s += u'\n';
    }
    return s;
}

void checkCase(const Case& c, const PathResult& r)
{
    QCOMPARE(PlotSummary(r), c.summary);
    QStringList notDrawn;
    QStringList wantedNotDrawn;
    for (const NotDrawn& n : r.notDrawn)
        notDrawn.append(QStringLiteral("%1 %2").arg(n.line + 1).arg(n.reason));
    for (const QString& check : c.checks) {
        QStringList w = check.split(u' ', Qt::SkipEmptyParts);
        const QString what = w.takeFirst();
        if (what == u"notdrawn") {
            wantedNotDrawn.append(check.mid(9));
        } else if (what == u"elements") {
            QVERIFY2(r.elements.size() == w[0].toInt(), qPrintable(describe(r)));
        } else if (what == u"element") {
            const int line = w.takeFirst().toInt() - 1;
            const QString kind = w.takeFirst(), tool = w.takeFirst();
            bool found = false;
            for (const PathElement& e : r.elements)
                found = found
                    || (e.line == line && kind == QLatin1String(kKinds[int(e.kind)])
                        && tool == toolName(r, e.tool) && pointsMatch(e.points, w));
            QVERIFY2(found, qPrintable(check + QStringLiteral("\nnot among\n") + describe(r)));
        } else if (what == u"points") {
            const int line = w[0].toInt() - 1;
            qsizetype count = 0;
            for (const PathElement& e : r.elements)
                if (e.line == line)
                    count += e.points.size();
            QVERIFY2(count == w[1].toInt(), qPrintable(check + u'\n' + describe(r)));
        } else if (what == u"stock") {
            const int line = w.takeFirst().toInt() - 1;
            const QString kind = w.takeFirst();
            bool found = false;
            for (const StockShape& s : r.stock)
                found = found
                    || (s.line == line && kind == QLatin1String(kStockKinds[int(s.kind)])
                        && pointsMatch(s.outline, w));
            QVERIFY2(found, qPrintable(check));
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown check: ") + check));
        }
    }
    QCOMPARE(notDrawn, wantedNotDrawn);
}

QString corvane()
{
    return QStringLiteral(CORVANE_BINARY);
}

// corvane --plot with a settings store of its own, empty: the defaults.
struct Run
{
    int status = -1;
    QString out, err;
};

Run runCorvane(const QStringList& args, const QString& home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(corvane(), args);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
        QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class PathTest : public QObject
{
    Q_OBJECT

private slots:
    void cases_data()
    {
        QTest::addColumn<Case>("c");
        const QDir dir(QStringLiteral(CORVANE_TESTS_DIR "/pathview"));
        for (const QString& file : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
            for (const Case& c : readCases(dir.filePath(file)))
                QTest::newRow(qPrintable(file + u':' + c.name)) << c;
    }

    void cases()
    {
        QFETCH(Case, c);
        checkCase(c, ReadPath(c.program, c.settings));
    }

    // The command line prints the same summary for every case read with the default settings,
    // without a display, and writes the picture when asked.
    void plotCommand_data()
    {
        QTest::addColumn<Case>("c");
        const QDir dir(QStringLiteral(CORVANE_TESTS_DIR "/pathview"));
        for (const QString& file : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
            for (const Case& c : readCases(dir.filePath(file)))
                if (c.defaultSettings)
                    QTest::newRow(qPrintable(file + u':' + c.name)) << c;
    }

    void plotCommand()
    {
        QFETCH(Case, c);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("PROGRAM.MIN"));
        QFile f(program);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(c.program.toLatin1());
        f.close();
        const QString picture = dir.filePath(QStringLiteral("path.svg"));
        const Run run = runCorvane(
            {QStringLiteral("--plot"), program, QStringLiteral("--svg"), picture}, dir.path());
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, c.summary);
        QFile svg(picture);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.startsWith("<?xml"));
        QVERIFY(text.contains("<svg") && text.trimmed().endsWith("</svg>"));
    }

    void plotCommandRefusals()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("NONE.MIN"));
        Run run = runCorvane({QStringLiteral("--plot"), missing}, dir.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QStringLiteral("corvane: cannot read %1\n").arg(missing));

        const QString usage
            = QStringLiteral("corvane: usage: corvane --plot PROGRAM [--svg PICTURE.svg]\n");
        for (const QStringList& args : {QStringList {QStringLiteral("--plot")},
                 QStringList {QStringLiteral("--plot"), missing, QStringLiteral("--png"),
                     QStringLiteral("x.png")}}) {
            run = runCorvane(args, dir.path());
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, usage);
        }
    }

    // The example program shipped with Corvane: five tools in the order they are called, the one
    // line not drawn is the panel check's call.
    void plotExampleProgram()
    {
        QTemporaryDir dir;
        const Run run
            = runCorvane({QStringLiteral("--plot"),
                             QStringLiteral(CORVANE_SOURCE_DIR "/data/Program/SAMPLE.MIN")},
                dir.path());
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(u'\n');
        QCOMPARE(lines.size(), 8);
        const QStringList tools
            = {QStringLiteral("T01"), QStringLiteral("T05"), QStringLiteral("T07"),
                QStringLiteral("T03"), QStringLiteral("T08"), QStringLiteral("total")};
        const QRegularExpression form(QStringLiteral(
            "^(\\S+)  feed \\d+\\.\\d mm  rapid \\d+\\.\\d mm  time \\d+:\\d\\d\\.\\d$"));
        for (int i = 0; i < tools.size(); ++i) {
            const QRegularExpressionMatch m = form.match(lines[i]);
            QVERIFY2(m.hasMatch(), qPrintable(lines[i]));
            QCOMPARE(m.captured(1), tools[i]);
        }
        QCOMPARE(lines[6], QStringLiteral("lines not drawn: 1"));
    }

    void cancelStopsTheReading()
    {
        const std::atomic<bool> cancel {true};
        const PathResult r = ReadPath(u"G00 X10 Z10\r\nG01 Z0", {}, &cancel);
        QVERIFY(r.cancelled);
        QVERIFY(r.elements.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PathTest)
#include "PathTest.moc"
