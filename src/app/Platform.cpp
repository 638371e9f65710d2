#include "app/Platform.h"

#include "app/HelpViewer.h"
#include "app/Messages.h"
#include "common/ProgramFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

bool StartFirstProgram(const QStringList& candidates, const QStringList& arguments)
{
    for (const QString& name : candidates) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, arguments))
            return true;
    }
    return false;
}

void StartSysInfo()
{
    static const QStringList tools
        = {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")};
    if (!StartFirstProgram(tools))
        ShowMessage(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
}

QString ResolveHelpFile(const QString& programFolder, const QString& helpFile)
{
    QString path = programFolder + helpFile;
    if (path.endsWith(QLatin1String(".hlp"), Qt::CaseInsensitive) && !QFileInfo::exists(path))
        path = path.left(path.size() - 4) + QLatin1String(".html");
    return path;
}

void ShowHelp(const QString& helpFile)
{
    const QString path = ResolveHelpFile(ProgramFolder(), helpFile);
    if (!QFileInfo(path).isFile()) {
        ShowMessage(QString::fromLocal8Bit(std::strerror(ENOENT)) + QLatin1Char('\n') + path);
        return;
    }
    HelpViewer::show(path);
}
