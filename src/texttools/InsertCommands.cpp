#include "texttools/InsertCommands.h"

#include "app/FileDialogs.h"
#include "app/Messages.h"
#include "app/Shell.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "documents/core/TextFile.h"
#include "texttools/InsertAtCaret.h"
#include "texttools/core/Insertions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace {
// The run-time error of a file that cannot be opened (path/file access).
constexpr int kFileAccessError = 75;
const QString kSubProgramFilter
    = QStringLiteral("All Files (*.*)|*.*|LIB File (*.lib)|*.lib|System Sub (*.ssb)|*.ssb");

class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

InsertCommands::InsertCommands(Shell* shell, QObject* parent)
    : QObject(parent)
    , m_shell(shell)
{ }

void InsertCommands::connectTo(Shell* shell)
{
    ConnectCommands(shell, this,
        {{"mnuInsertComment", &InsertCommands::mnuInsertComment_Click},
            {"mnuInsertFile", &InsertCommands::mnuInsertFile_Click},
            {"mnuInsertDate", &InsertCommands::mnuInsertDate_Click}});
}

void InsertCommands::mnuInsertComment_Click()
{
    RunReportingErrors([] {
        // The user's comment file, else the installed one; a missing one is created the user's.
        const QString comment = ReadableDataFile(QStringLiteral("Comment.txt"));
        const FileContents contents = ReadOrCreateFile(
            QFileInfo::exists(comment) ? comment : WritableDataFile(QStringLiteral("Comment.txt")));
        if (contents.status != ReadStatus::Ok)
            throw RuntimeError(kFileAccessError);
        InsertAtCaret(DecodeProgramText(contents.bytes).text);
    });
}

void InsertCommands::mnuInsertFile_Click()
{
    Module1& m = module1();
    const QString name
        = ShowOpenDialog(m_shell->mainWindow(), m.gInsertPathName, kSubProgramFilter);
    m.gInsertPathName = QDir::currentPath();
    if (name.isEmpty())
        return;
    const QFileInfo info(name);
    if (info.size() > kSubProgramLimit) {
        ShowMessage(
            QStringLiteral(" this  file は size が big きすぎるため Open ことが can not do  . "));
        return;
    }
    QByteArray bytes;
    {
        WaitCursor wait;
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            return;
        bytes = file.readAll();
    }
    // Without a document the command ends quietly.
    if (frmDocument* doc = m_shell->activeDocument())
        InsertAtCaret(DecodeProgramText(bytes).text, doc);
}

void InsertCommands::mnuInsertDate_Click()
{
    InsertOrReport(DateLine(QDate::currentDate()));
}
