#pragma once

#include <QObject>
#include <QString>

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
    // Opens a path as a new document; a missing file is created empty. False when it could not
    // be read (the message has been shown and no window stays).
    bool OpenFile(const QString& path);
    // Writes the document's text to the path; false (after the message) when that failed.
    bool FileWrite(const QString& path, frmDocument* doc);
    QString SaveAsDialog(const QString& suggestion);
    void AddRecentFile(const QString& path);
    void LoadRecentFiles();
    // The recent-file entry of item 1 to 5; empty for a free slot.
    QString recentFile(int index) const;

    bool QueryUnload(frmDocument* doc);
    void SaveSettingsAtShutdown();

private:
    // Save or Save As of a document; true when the text is on disk afterwards.
    bool save(frmDocument* doc, bool askForName);
    frmDocument* activeOrReport() const;

    Shell* m_shell;
    int m_newCount = 0;
};
