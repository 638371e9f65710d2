#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Shell;
class frmDocument;

// The File menu: new, open, close, save, save as, exit, the recent-file list, and the close check
// of every document window.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    explicit FileCommands(Shell* shell);
    void connectTo(Shell* shell);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuFileRecentFile_Click(int index);

    void LoadNewDoc();
    // A file chosen in the Open dialog or dropped on the window: opened as OpenFile does unless
    // it is too big for the editor (a message says so); a path that is gone is passed over.
    void OpenChosenFile(const QString& name);
    // Opens a path as a new document, or brings its window to the front when it is open already.
    // False when it is missing or could not be read (the message has been shown, no window
    // stays); a missing file is never created.
    bool OpenFile(const QString& path);
    // Writes the document's text to the path. When that fails the message says why and offers
    // Save As; false when the text is still not on disk.
    bool FileWrite(const QString& path, frmDocument* doc);
    QString SaveAsDialog(const QString& suggestion);
    void AddRecentFile(const QString& path);
    void LoadRecentFiles();
    // The recent-file entry of item 1 to 5; empty for a free slot.
    QString recentFile(int index) const;
    // The recent-file list, latest first: each path once, at most five.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& paths);

    bool QueryUnload(frmDocument* doc);
    void SaveSettingsAtShutdown();

private:
    // Save or Save As of a document; true when the text is on disk afterwards.
    bool save(frmDocument* doc, bool askForName);
    frmDocument* activeOrReport() const;
    // Says that the file is gone; a listed one may be taken off the recent-file list.
    void reportMissing(const QString& fullPath);

    Shell* m_shell;
    int m_newCount = 0;
};
