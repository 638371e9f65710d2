#include "app/SettingsStore.h"
#include "app/StartUp.h"
#include "common/Module1.h"
#include "documents/core/TextFile.h"
#include "pathview/PathSettingsStore.h"
#include "pathview/core/PathModel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

void setNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.2.0"));
}

int complain(const QString& message)
{
    std::fputs(qPrintable(QStringLiteral("corvane: ") + message + u'\n'), stderr);
    return 1;
}

// corvane --plot PROGRAM [--svg PICTURE.svg]: the tool path's summary on standard output, the
// picture when asked, no window.
int plot(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    setNames();
    const QStringList args = app.arguments().mid(2);
    const QString usage = QStringLiteral("usage: corvane --plot PROGRAM [--svg PICTURE.svg]");
    if (args.size() != 1 && !(args.size() == 3 && args[1] == u"--svg"))
        return complain(usage);
    const QString program = args[0];
    const FileContents file = ReadExistingFile(program);
    if (file.status != ReadStatus::Ok)
        return complain(QStringLiteral("cannot read %1").arg(program));
    Module1 m;
    LoadSettings(m);
    const path::PathResult result
        = path::ReadPath(DecodeProgramText(file.bytes).text, LoadPathSettings(m));
    if (args.size() == 3) {
        QString reason;
        if (!WriteFileAtomically(args[2], path::PathSvg(result).toUtf8(), &reason))
            return complain(QStringLiteral("cannot write %1: %2").arg(args[2], reason));
    }
    std::fputs(path::PlotSummary(result).toUtf8().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // The command line's plot is decided before any window exists.
    if (argc > 1 && std::strcmp(argv[1], "--plot") == 0)
        return plot(argc, argv);
    QApplication app(argc, argv);
    setNames();
    QApplication::setDesktopFileName(QStringLiteral("corvane"));
    // The command line is the program's arguments joined by blanks.
    StartUp(app.arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
