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
} // namespace

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeFolder + QLatin1String("/help")).isDir())
        return exeFolder;
    // Installed: <prefix>/bin/corvane with its files in <prefix>/share/corvane, wherever the prefix
    // is.
    for (const QString& installed :
        {QDir::cleanPath(exeFolder + QLatin1String("/../share/corvane")),
            QDir::cleanPath(QStringLiteral(CORVANE_DATADIR))})
        if (QFileInfo(installed + QLatin1String("/help")).isDir())
            return installed;
    return exeFolder;
}

void SetProgramFolder(const QString& folder)
{
    QString cleaned = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
    overrideFolder() = cleaned;
}
