#pragma once

#include <Qsci/qsciscintilla.h>

#include <QKeySequence>
#include <QList>

// The text box of a document window (objectName "txtText"). It offers the text as the text tools
// use it: positions count QString characters, CR LF counts as two, and every line end and byte of
// the loaded text is kept.
class NcTextBox : public QsciScintilla
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setWholeText)
    Q_PROPERTY(qint64 SelStart READ SelStart WRITE setSelStart)
    Q_PROPERTY(qint64 SelLength READ SelLength WRITE setSelLength)
    Q_PROPERTY(QString SelText READ SelText WRITE setSelText)
    Q_PROPERTY(bool DataChanged READ DataChanged WRITE setDataChanged)

public:
    explicit NcTextBox(QWidget* parent = nullptr);

    QString Text() const;
    // The text as the editor holds it, in UTF-8.
    QByteArray utf8Text() const;
    // Replaces the whole text in one undoable step. Only the spans that differ are written, so
    // the history keeps what changed, not two copies of the program.
    void setWholeText(const QString& text);
    // Puts a freshly loaded text in: no undo history, not changed.
    void loadText(const QString& text);
    // The same with the text in UTF-8 bytes, taken as they are.
    void loadUtf8(QByteArrayView bytes);

    qint64 SelStart() const;
    void setSelStart(qint64 start);
    qint64 SelLength() const;
    void setSelLength(qint64 length);
    QString SelText() const;
    // Replaces the selection; the caret ends behind the new text with nothing selected.
    void setSelText(const QString& text);

    bool DataChanged() const;
    void setDataChanged(bool changed);

    void setScreenFont(const QString& family, int pointSize);
    void setScreenFont(const QFont& font);
    // Colours the words of the program (Display -> Colouring) or shows them all in the text colour.
    void setColouring(bool on);

    // Keys the main window's menus own: the editor neither binds nor swallows them.
    static void setMenuShortcuts(const QList<QKeySequence>& keys);

    // The context menu: the editor's own, with Undo and Redo being the Edit menu's items.
    QMenu* contextMenu();

    void undo() override;
    void redo() override;
    // Marks every occurrence of the text in the lines on the screen, again after each scroll or
    // edit, until it is called with another text or Escape is pressed; empty removes the marks.
    void showMatches(const QString& text);
    QString matchesShown() const { return m_matchText; }
    // The indicator that marks the matches.
    static constexpr int kMatchIndicator = 9;

signals:
    // The insert/overwrite state, Caps Lock or Num Lock may have changed.
    void keyStateChanged();
    // What can be undone or redone may have changed: an edit, an undo or redo, a load.
    void historyChanged();

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    friend class NcTextBoxAccessible;

    void aboutToChange(int pos, int type, const char* text, int length);
    void finishChange();
    void caretMoved();
    long bytePosition(qint64 index) const;
    qint64 indexOf(long bytePos) const;
    void releaseMenuKeys();
    void updateLineNumberMargin();
    // The current line, the caret, the line numbers and the match marks in the palette's colours.
    void followPalette();
    void markVisibleMatches();

    bool m_forcedChanged = false;
    // An edit announced by the editor whose signals are still to be sent, and what it told a
    // screen reader: inserted or removed text at a character offset.
    bool m_changePending = false;
    struct TextEvent
    {
        bool inserted;
        int offset;
        QString text;
    };
    QList<TextEvent> m_textEvents;
    int m_lines = 1;
    qint64 m_caretOffset = -1;
    QString m_matchText;
};

// Caps Lock and Num Lock as last seen in the keys typed into any text box.
struct LockKeyState
{
    bool caps = false;
    bool num = true;
};
LockKeyState& lockKeyState();
