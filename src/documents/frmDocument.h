#pragma once

#include <QByteArray>
#include <QMdiSubWindow>

class NcTextBox;
class frmDocument;

// What a document window asks of the main window when it is about to close.
class DocumentHost
{
public:
    virtual ~DocumentHost() = default;
    // The close check: true lets the window close.
    virtual bool queryUnload(frmDocument* doc) = 0;
    virtual void documentUnloaded(frmDocument* doc) = 0;
    virtual void documentFocused(frmDocument* doc) = 0;
};

// One program being edited: a child window of the main window holding the text box txtText.
// The caption is the document's identity: "Untitled" + counter, or the file's path as it is
// spelled. While the text has unsaved changes the window shows "*" after it.
class frmDocument : public QMdiSubWindow
{
    Q_OBJECT

public:
    frmDocument(DocumentHost* host, QWidget* parent = nullptr);

    NcTextBox* txtText() const { return m_text; }

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The caption as the window shows it: with "*" behind while there are unsaved changes.
    QString shownCaption() const;

    // Empty for a document that was never saved.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    bool isUntitled() const { return m_filePath.isEmpty(); }

    QByteArray encoding() const { return m_encoding; }
    void setEncoding(const QByteArray& encoding) { m_encoding = encoding; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    DocumentHost* m_host;
    NcTextBox* m_text;
    QString m_caption;
    QString m_filePath;
    QByteArray m_encoding = "UTF-8";
};
