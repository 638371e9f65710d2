#include "app/FileCommands.h"

#include "app/FileDialogs.h"
#include "app/Messages.h"
#include "app/SettingsStore.h"
#include "app/Shell.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "documents/NcTextBox.h"
#include "documents/core/TextFile.h"
#include "documents/frmDocument.h"

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QWidget>

namespace {
const QString kOpenFilter
    = QStringLiteral("All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb");
const QString kSaveFilter
    = QStringLiteral("Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|All Files (*.*)|*.*");
constexpr qint64 kOpenLimit = 65000;
constexpr int kRecentFiles = 5;

class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

QString escapedCaption(const QString& path)
{
    QString caption = path;
    return caption.replace(u'&', QLatin1String("&&"));
}

QString fullPathOf(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// One file under two spellings of its path (a link, "..") is the same file.
bool sameFile(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return fullPathOf(a) == fullPathOf(b)
        || (!canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath());
}
} // namespace

FileCommands::FileCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
{ }

void FileCommands::connectTo(Shell* shell)
{
    ConnectCommands(shell, this,
        {{"mnuFileNew", &FileCommands::mnuFileNew_Click},
            {"mnuFileOpen", &FileCommands::mnuFileOpen_Click},
            {"mnuFileClose", &FileCommands::mnuFileClose_Click},
            {"mnuFileSave", &FileCommands::mnuFileSave_Click},
            {"mnuFileSaveAs", &FileCommands::mnuFileSaveAs_Click},
            {"mnuFileExit", &FileCommands::mnuFileExit_Click}});
    for (int i = 1; i <= kRecentFiles; ++i)
        connect(shell->action(QStringLiteral("mnuFileRecentFile(%1)").arg(i)), &QAction::triggered,
            this, [this, i] { mnuFileRecentFile_Click(i); });
}

frmDocument* FileCommands::activeOrReport() const
{
    frmDocument* doc = m_shell->activeDocument();
    if (!doc)
        ReportError(errNoDocument);
    return doc;
}

void FileCommands::mnuFileNew_Click()
{
    LoadNewDoc();
    m_shell->ShowDocumentMenus();
    m_shell->ArrangeWindows();
    if (frmDocument* doc = m_shell->activeDocument())
        doc->txtText()->setDataChanged(false);
    m_shell->EnableDocumentCommands();
}

void FileCommands::LoadNewDoc()
{
    ++m_newCount;
    frmDocument* doc = m_shell->createDocument(QStringLiteral("Untitled%1").arg(m_newCount));
    module1().gActiveDoc = doc;
}

void FileCommands::mnuFileOpen_Click()
{
    Module1& m = module1();
    const QString name = ShowOpenDialog(m_shell->mainWindow(), m.gOpenPathName, kOpenFilter);
    m.gOpenPathName = QDir::currentPath();
    if (!name.isEmpty())
        OpenChosenFile(name);
}

void FileCommands::OpenChosenFile(const QString& name)
{
    if (!QFileInfo::exists(name))
        return;
    if (QFileInfo(name).size() > kOpenLimit) {
        ShowMessage(QStringLiteral("This file size is too big, can not open."));
        return;
    }
    if (OpenFile(name))
        m_shell->ShowDocumentMenus();
}

bool FileCommands::OpenFile(const QString& path)
{
    const QString fullPath = fullPathOf(path);
    for (frmDocument* open : m_shell->documents()) {
        if (!open->isUntitled() && sameFile(open->filePath(), fullPath)) {
            // A second copy would let one save overwrite the other's changes.
            open->mdiArea()->setActiveSubWindow(open);
            open->txtText()->setFocus();
            AddRecentFile(open->filePath());
            return true;
        }
    }
    if (!QFileInfo::exists(fullPath)) {
        reportMissing(fullPath);
        return false;
    }
    FileContents contents;
    {
        WaitCursor wait;
        contents = ReadExistingFile(fullPath);
    }
    if (contents.status != ReadStatus::Ok) {
        ShowMessage(path + QStringLiteral("  file が Open けません."));
        return false;
    }
    frmDocument* doc = m_shell->createDocument(fullPath);
    doc->setFilePath(fullPath);
    module1().gActiveDoc = doc;
    m_shell->ArrangeWindows();
    module1().gSearchText.clear();
    {
        WaitCursor wait;
        // A UTF-8 (or plain ASCII) program goes to the text box as it is, without a decoded copy.
        if (IsExactUtf8(contents.bytes)) {
            doc->txtText()->loadUtf8(contents.bytes);
            doc->setEncoding(QByteArrayLiteral("UTF-8"));
        } else {
            const DecodedText decoded = DecodeProgramText(contents.bytes);
            doc->txtText()->loadText(decoded.text);
            doc->setEncoding(decoded.encoding);
        }
        contents = {};
    }
    m_shell->EnableDocumentCommands();
    doc->txtText()->setDataChanged(false);
    AddRecentFile(fullPath);
    return true;
}

void FileCommands::reportMissing(const QString& fullPath)
{
    QStringList recent = recentFiles();
    const auto isIt = [&fullPath](const QString& entry) { return fullPathOf(entry) == fullPath; };
    if (std::none_of(recent.cbegin(), recent.cend(), isIt)) {
        ShowMessage(fullPath + QStringLiteral(" not found."), QMessageBox::Warning);
        return;
    }
    const auto answer = ShowMessage(
        fullPath + QStringLiteral(" not found.\r\nRemove it from the recent file list ?"),
        QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    recent.removeIf(isIt);
    setRecentFiles(recent);
}

void FileCommands::mnuFileSave_Click()
{
    if (frmDocument* doc = activeOrReport())
        save(doc, doc->isUntitled());
}

void FileCommands::mnuFileSaveAs_Click()
{
    if (frmDocument* doc = activeOrReport())
        save(doc, true);
}

bool FileCommands::save(frmDocument* doc, bool askForName)
{
    Module1& m = module1();
    m.gFileName = doc->caption();
    if (!askForName)
        return FileWrite(doc->filePath(), doc);
    m.gFileName = SaveAsDialog(doc->filePath());
    if (m.gFileName.isEmpty())
        return false;
    if (!FileWrite(m.gFileName, doc))
        return false;
    AddRecentFile(doc->filePath());
    return true;
}

QString FileCommands::SaveAsDialog(const QString& suggestion)
{
    Module1& m = module1();
    const QString name
        = ShowSaveDialog(m_shell->mainWindow(), m.gSavePathName, kSaveFilter, suggestion);
    m.gSavePathName = QDir::currentPath();
    return name;
}

bool FileCommands::FileWrite(const QString& name, frmDocument* doc)
{
    // The installed comment file and cutting-condition tables are saved as the user's copies.
    const QString path = WritablePath(name);
    bool written = false;
    QString reason;
    QByteArray encoding;
    {
        WaitCursor wait;
        // The text box holds UTF-8: a UTF-8 program is written from its bytes as they are.
        const bool utf8 = doc->encoding() == "UTF-8";
        if (utf8)
            encoding = doc->encoding();
        const QByteArray bytes = utf8
            ? doc->txtText()->utf8Text()
            : EncodeProgramText(doc->txtText()->Text(), doc->encoding(), &encoding);
        written = WriteFileAtomically(path, bytes, &reason);
    }
    if (!written) {
        module1().gSavePathName = QDir::currentPath();
        // The text stays in the window, changed; another file may take it.
        const auto answer = ShowMessage(QStringLiteral("Can not save.\r\n") + reason
                + QStringLiteral("\r\n\r\nSave it as another file ?"),
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
        const QString other = SaveAsDialog(path);
        if (other.isEmpty() || !FileWrite(other, doc))
            return false;
        AddRecentFile(doc->filePath());
        return true;
    }
    doc->setEncoding(encoding);
    doc->setFilePath(QFileInfo(path).absoluteFilePath());
    doc->txtText()->setDataChanged(false);
    return true;
}

void FileCommands::mnuFileClose_Click()
{
    frmDocument* doc = activeOrReport();
    if (!doc)
        return;
    if (doc->txtText()->DataChanged()) {
        const auto answer = ShowMessage(QStringLiteral("The data is changed. Do you want save ?"),
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        // A save that failed or was cancelled keeps the window and its text.
        if (answer == QMessageBox::Yes && !save(doc, doc->isUntitled()))
            return;
    }
    doc->close();
}

bool FileCommands::QueryUnload(frmDocument* doc)
{
    if (!doc->txtText()->DataChanged())
        return true;
    const auto answer = ShowMessage(
        QLatin1Char('[') + doc->caption() + QStringLiteral("] is changed,\r\n Do you want save ?"),
        QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        m_shell->mainWindow()->windowTitle());
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    Module1& m = module1();
    m.gFileName = doc->isUntitled() ? SaveAsDialog(QString()) : doc->filePath();
    // Cancelling the save dialog or a failed write keeps the window: its text is not lost.
    return !m.gFileName.isEmpty() && FileWrite(m.gFileName, doc);
}

void FileCommands::mnuFileExit_Click()
{
    m_shell->mainWindow()->close();
}

void FileCommands::mnuFileRecentFile_Click(int index)
{
    const QString path = recentFile(index);
    if (!path.isEmpty() && OpenFile(path))
        m_shell->ShowDocumentMenus();
}

QString FileCommands::recentFile(int index) const
{
    const QAction* item = m_shell->action(QStringLiteral("mnuFileRecentFile(%1)").arg(index));
    return item ? item->data().toString() : QString();
}

QStringList FileCommands::recentFiles() const
{
    QStringList paths;
    for (int i = 1; i <= kRecentFiles; ++i)
        if (const QString path = recentFile(i); !path.isEmpty())
            paths << path;
    return paths;
}

void FileCommands::setRecentFiles(const QStringList& paths)
{
    QStringList listed;
    for (const QString& path : paths)
        if (!path.isEmpty() && !listed.contains(path))
            listed << path;
    for (int i = 1; i <= kRecentFiles; ++i) {
        QAction* item = m_shell->action(QStringLiteral("mnuFileRecentFile(%1)").arg(i));
        const QString path = listed.value(i - 1);
        item->setData(path);
        item->setText(
            path.isEmpty() ? QStringLiteral("RecentFile%1").arg(i) : escapedCaption(path));
        item->setVisible(!path.isEmpty());
    }
}

void FileCommands::AddRecentFile(const QString& path)
{
    setRecentFiles(QStringList {path} + recentFiles());
}

void FileCommands::LoadRecentFiles()
{
    QStringList paths;
    for (int i = 1; i <= kRecentFiles; ++i)
        paths << GetSetting(
            QStringLiteral("Settings"), QStringLiteral("RecentFile%1").arg(i), QString());
    setRecentFiles(paths);
}

void FileCommands::SaveSettingsAtShutdown()
{
    const QString settings = QStringLiteral("Settings");
    const QWidget* main = m_shell->mainWindow();
    if (!main->isMinimized()) {
        // Twips, as the settings have always been kept: 15 to a pixel.
        const QRect frame = main->isMaximized() || main->isFullScreen() ? main->normalGeometry()
                                                                        : main->geometry();
        // The position is the frame's, as a window is moved by it.
        const QPoint origin = main->isMaximized() || main->isFullScreen()
            ? frame.topLeft() - (main->geometry().topLeft() - main->pos())
            : main->pos();
        SaveSetting(settings, QStringLiteral("MainLeft"), QString::number(origin.x() * 15));
        SaveSetting(settings, QStringLiteral("MainTop"), QString::number(origin.y() * 15));
        SaveSetting(settings, QStringLiteral("MainWidth"), QString::number(frame.width() * 15));
        SaveSetting(settings, QStringLiteral("MainHeight"), QString::number(frame.height() * 15));
        SaveSetting(settings, QStringLiteral("MainMaximized"), BooleanText(main->isMaximized()));
        SaveShutdownSettings(module1());
    }
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString key = QStringLiteral("RecentFile%1").arg(i);
        const QString path = recentFile(i);
        // A slot emptied by a removed entry is emptied in the store too.
        if (!path.isEmpty() || !GetSetting(settings, key, QString()).isEmpty())
            SaveSetting(settings, key, path);
    }
    FlushSettings();
}
