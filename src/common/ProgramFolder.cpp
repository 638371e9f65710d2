#include "common/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
struct Override
{
    QString folder;
    bool installed = false;
};

Override& overrideFolder()
{
    static Override folder;
    return folder;
}

bool isBuildTree(const QString& exeFolder)
{
    return QFileInfo(exeFolder + QLatin1String("/help")).isDir();
}

bool programFolderIsInstalled()
{
    if (!overrideFolder().folder.isEmpty())
        return overrideFolder().installed;
    return !isBuildTree(QCoreApplication::applicationDirPath());
}

// The name relative to the program folder of the files a user may change: Comment.txt, the
// cutting-condition folder and the files in it; empty for any other path.
QString userDataName(const QString& path)
{
    static const QString conditions = QStringLiteral(" cutting  condition ");
    if (path.isEmpty())
        return {};
    const QString folder = ProgramFolder() + u'/';
    const QString cleaned = QDir::cleanPath(path);
    if (!cleaned.startsWith(folder))
        return {};
    const QString name = cleaned.mid(folder.size());
    if (name == QLatin1String("Comment.txt") || name == conditions
        || (name.startsWith(conditions + u'/') && name.count(u'/') == 1))
        return name;
    return {};
}
} // namespace

QString ProgramFolder()
{
    if (!overrideFolder().folder.isEmpty())
        return overrideFolder().folder;
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (isBuildTree(exeFolder))
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

void SetProgramFolder(const QString& folder, bool installed)
{
    overrideFolder() = {folder.isEmpty() ? QString() : QDir::cleanPath(folder), installed};
}

QString UserDataFolder()
{
    // QStandardPaths follows XDG_DATA_HOME and falls back to ~/.local/share as the XDG rules say.
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QLatin1String("/Corvane"));
}

QString ReadableDataFile(const QString& relative)
{
    return PreferUserCopy(ProgramFolder() + u'/' + relative);
}

QString WritableDataFile(const QString& relative)
{
    const QString user = UserDataFolder() + u'/' + relative;
    if (QFileInfo::exists(user))
        return user;
    if (!programFolderIsInstalled())
        return ProgramFolder() + u'/' + relative;
    QDir().mkpath(QFileInfo(user).absolutePath());
    const QString installed = ProgramFolder() + u'/' + relative;
    if (QFileInfo(installed).isDir())
        QDir().mkpath(user);
    else if (QFile::copy(installed, user))
        // The copy is the user's: writable whatever the installed file's mode.
        QFile::setPermissions(user, QFile::permissions(user) | QFile::WriteOwner);
    return user;
}

QString PreferUserCopy(const QString& path)
{
    const QString name = userDataName(path);
    if (name.isEmpty())
        return path;
    const QString user = UserDataFolder() + u'/' + name;
    return QFileInfo::exists(user) ? user : path;
}

QString WritablePath(const QString& path)
{
    const QString name = userDataName(path);
    return name.isEmpty() ? path : WritableDataFile(name);
}
