#include "TestSupport.h"

#include "app/core/CommandLine.h"
#include "app/core/FileFilter.h"
#include "app/core/WindowPlacement.h"
#include "app/core/WindowTiling.h"
#include "common/ProgramFolder.h"

#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>

namespace {
QRect rect(const QString& text)
{
    const QStringList a = text.split(u' ');
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

QString text(const QRect& r)
{
    return u"%1 %2 %3 %4"_qs.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QMargins margins(const QString& text)
{
    const QRect r = rect(text);
    return QMargins(r.x(), r.y(), r.width(), r.height());
}

using In = const QStringList&;
using Out = QStringList;
const QHash<QString, DataRule> rules = {
    {"CommandLinePath", [](In in) -> Out { return {CommandLinePath(in[0])}; }},
    {"DialogFilter", [](In in) -> Out { return {DialogFilter(in[0])}; }},
    {"TileRects",
        [](In in) -> Out {
            Out rects;
            for (const QRect& r : TileRects(in[0].toInt(), rect(in[1]),
                     in[2] == u"Vertical" ? Tiling::Vertical : Tiling::Horizontal))
                rects << text(r);
            return rects;
        }},
    {"FirstPlacement",
        [](In in) -> Out { return {text(FirstPlacement(rect(in[0]), margins(in[1])))}; }},
    {"FitOnScreen",
        [](In in) -> Out { return {text(FitOnScreen(rect(in[0]), margins(in[1]), rect(in[2])))}; }},
    {"PlaceOnScreens",
        [](In in) -> Out {
            return {text(PlaceOnScreens(
                rect(in[0]), {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)}))};
        }},
};
} // namespace

class ShellLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data() { AddDataRows(u"app/ShellRows.txt"_qs); }
    void rules() { RunDataRow(::rules); }

    // Installed under any prefix, the program finds its files in <prefix>/share/corvane; in the
    // build tree the files beside it win. A copy of this test under <prefix>/bin checks it.
    void programFolderBesideTheProgram()
    {
        const QString expected = qEnvironmentVariable("CORVANE_EXPECT_FOLDER");
        if (!expected.isEmpty()) {
            QCOMPARE(ProgramFolder(), expected);
            return;
        }
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(u"bin"_qs));
        const QString copy = prefix.filePath(u"bin/ShellLogicTest"_qs);
        std::error_code linked;
        std::filesystem::create_hard_link(
            QCoreApplication::applicationFilePath().toStdString(), copy.toStdString(), linked);
        QVERIFY(!linked || QFile::copy(QCoreApplication::applicationFilePath(), copy));
        for (const QString& folder : {u"share/corvane"_qs, u"bin"_qs}) {
            QVERIFY(QDir(prefix.path()).mkpath(folder + u"/help"_qs));
            QProcess run;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"CORVANE_EXPECT_FOLDER"_qs, prefix.filePath(folder));
            run.setProcessEnvironment(env);
            run.start(copy, {u"programFolderBesideTheProgram"_qs});
            QVERIFY(run.waitForFinished());
            QVERIFY2(run.exitCode() == 0, run.readAllStandardOutput().constData());
        }
    }
};

QTEST_GUILESS_MAIN(ShellLogicTest)
#include "ShellLogicTest.moc"
