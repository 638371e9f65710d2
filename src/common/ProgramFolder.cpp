#include "common/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
}

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeFolder + QLatin1String("/help")).isDir())
        return exeFolder;
    const QString installed = QDir::cleanPath(QStringLiteral(CORVANE_DATADIR));
    if (QFileInfo(installed).isDir())
        return installed;
    return exeFolder;
}

void SetProgramFolder(const QString& folder)
{
    QString cleaned = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
    overrideFolder() = cleaned;
}
