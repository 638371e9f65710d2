#include "app/FileCommands.h"

#include "app/FileDialogs.h"
#include "app/Messages.h"
#include "app/SettingsStore.h"
#include "app/Shell.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/core/TextFile.h"
#include "documents/frmDocument.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
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
} // namespace

FileCommands::FileCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
{ }

void FileCommands::connectTo(Shell* shell)
{
    const auto on = [shell, this](const char* name, void (FileCommands::*slot)()) {
        connect(shell->action(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("mnuFileNew", &FileCommands::mnuFileNew_Click);
    on("mnuFileOpen", &FileCommands::mnuFileOpen_Click);
    on("mnuFileClose", &FileCommands::mnuFileClose_Click);
    on("mnuFileSave", &FileCommands::mnuFileSave_Click);
    on("mnuFileSaveAs", &FileCommands::mnuFileSaveAs_Click);
    on("mnuFileExit", &FileCommands::mnuFileExit_Click);
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
    if (name.isEmpty() || !QFileInfo::exists(name))
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
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    FileContents contents;
    {
        WaitCursor wait;
        contents = ReadOrCreateFile(fullPath);
    }
    if (contents.status != ReadStatus::Ok) {
        ShowMessage(path + QStringLiteral("  file が Open けません."));
        return false;
    }
    frmDocument* doc = m_shell->createDocument(fullPath.toUpper());
    doc->setFilePath(fullPath);
    module1().gActiveDoc = doc;
    m_shell->ArrangeWindows();
    module1().gSearchText.clear();
    {
        WaitCursor wait;
        DecodedText decoded = DecodeProgramText(contents.bytes);
        doc->txtText()->loadText(decoded.text);
        doc->setEncoding(decoded.encoding);
    }
    m_shell->EnableDocumentCommands();
    doc->txtText()->setDataChanged(false);
    AddRecentFile(fullPath);
    return true;
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
    AddRecentFile(m.gFileName);
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

bool FileCommands::FileWrite(const QString& path, frmDocument* doc)
{
    bool written = false;
    QByteArray encoding;
    {
        WaitCursor wait;
        const QByteArray bytes
            = EncodeProgramText(doc->txtText()->Text(), doc->encoding(), &encoding);
        written = WriteFileAtomically(path, bytes);
    }
    if (!written) {
        ShowMessage(QStringLiteral("Can not save."));
        module1().gSavePathName = QDir::currentPath();
        return false;
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

void FileCommands::AddRecentFile(const QString& path)
{
    for (int i = kRecentFiles; i >= 2; --i) {
        QAction* item = m_shell->action(QStringLiteral("mnuFileRecentFile(%1)").arg(i));
        const QAction* previous
            = m_shell->action(QStringLiteral("mnuFileRecentFile(%1)").arg(i - 1));
        const QString previousPath = previous->data().toString();
        item->setData(previousPath);
        item->setText(previousPath.isEmpty() ? QStringLiteral("RecentFile%1").arg(i)
                                             : escapedCaption(previousPath));
        if (!previousPath.isEmpty())
            item->setVisible(true);
    }
    QAction* first = m_shell->action(QStringLiteral("mnuFileRecentFile(1)"));
    first->setData(path);
    first->setText(escapedCaption(path));
    first->setVisible(true);
}

void FileCommands::LoadRecentFiles()
{
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = GetSetting(
            QStringLiteral("Settings"), QStringLiteral("RecentFile%1").arg(i), QString());
        if (path.isEmpty())
            continue;
        QAction* item = m_shell->action(QStringLiteral("mnuFileRecentFile(%1)").arg(i));
        item->setData(path);
        item->setText(escapedCaption(path));
        item->setVisible(true);
    }
}

void FileCommands::SaveSettingsAtShutdown()
{
    const QString settings = QStringLiteral("Settings");
    const QWidget* main = m_shell->mainWindow();
    if (!main->isMinimized()) {
        // Twips, as the settings have always been kept: 15 to a pixel.
        const QRect frame = main->isMaximized() || main->isFullScreen() ? main->normalGeometry()
                                                                        : main->geometry();
        const QPoint origin
            = main->isMaximized() || main->isFullScreen() ? frame.topLeft() : main->pos();
        SaveSetting(settings, QStringLiteral("MainLeft"), QString::number(origin.x() * 15));
        SaveSetting(settings, QStringLiteral("MainTop"), QString::number(origin.y() * 15));
        SaveSetting(settings, QStringLiteral("MainWidth"), QString::number(frame.width() * 15));
        SaveSetting(settings, QStringLiteral("MainHeight"), QString::number(frame.height() * 15));
        SaveShutdownSettings(module1());
    }
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = recentFile(i);
        if (!path.isEmpty())
            SaveSetting(settings, QStringLiteral("RecentFile%1").arg(i), path);
    }
    FlushSettings();
}
