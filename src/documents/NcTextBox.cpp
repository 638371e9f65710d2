#include "documents/NcTextBox.h"

#include "app/Shell.h"
#include "common/Module1.h"
#include "documents/NcLexer.h"
#include "documents/ProgramFont.h"
#include "documents/core/AutoNumber.h"
#include "documents/core/TextChanges.h"

#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTextBoundaryFinder>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
QList<QKeySequence>& menuKeys()
{
    static QList<QKeySequence> keys;
    return keys;
}

QKeySequence sequenceOf(const QKeyEvent* e)
{
    return QKeySequence(e->keyCombination());
}

// A load or a whole-text tool on a long program passes through copies of the text many
// megabytes long. Once the command is over and they are gone, the C library is asked to give
// their pages back; on its own it keeps them for later use and the program stays that much larger.
void giveBackFreedMemory()
{
#ifdef __GLIBC__
    QTimer::singleShot(0, [] { malloc_trim(0); });
#endif
}
} // namespace

// What a screen reader sees of the text box. Offsets count UTF-16 code units, as the text box's
// positions do, and come from its line index, so no answer costs more on a long program.
class NcTextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit NcTextBoxAccessible(NcTextBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    { }

    static QAccessibleInterface* factory(const QString& className, QObject* object)
    {
        if (className == QLatin1String("NcTextBox") && object && object->isWidgetType())
            return new NcTextBoxAccessible(static_cast<NcTextBox*>(object));
        return nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !box()->isReadOnly();
        s.multiLine = true;
        return s;
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && selectionCount() == 1) {
            *startOffset = static_cast<int>(box()->SelStart());
            *endOffset = *startOffset + static_cast<int>(box()->SelLength());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { box()->setSelStart(box()->SelStart()); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->SendScintilla(
            QsciScintillaBase::SCI_SETSEL, position(startOffset), position(endOffset));
    }
    int cursorPosition() const override
    {
        return offset(box()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
    }
    void setCursorPosition(int offset) override { box()->setSelStart(offset); }

    QString text(int startOffset, int endOffset) const override
    {
        const long start = position(startOffset);
        const long end = position(endOffset);
        if (end <= start)
            return {};
        return QString::fromUtf8(reinterpret_cast<const char*>(
                                     box()->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER,
                                         static_cast<unsigned long>(start), end - start)),
            end - start);
    }
    int characterCount() const override
    {
        return offset(box()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
        int* endOffset) const override
    {
        const int count = characterCount();
        if (offset == -1 || offset > count)
            offset = count;
        *startOffset = *endOffset = -1;
        if (offset < 0)
            return {};
        if (type == QAccessible::NoBoundary) {
            *startOffset = 0;
            *endOffset = count;
        } else if (type == QAccessible::CharBoundary) {
            const long pos = position(offset);
            *startOffset = offset;
            *endOffset
                = this->offset(box()->SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, pos));
        } else {
            // A line with its line end; words and sentences are found within the line.
            const long pos = position(offset);
            const long line = box()->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, pos);
            const int lineStart
                = this->offset(box()->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
            const int lineEnd = this->offset(
                box()->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1));
            *startOffset = lineStart;
            *endOffset = lineEnd;
            if (type == QAccessible::WordBoundary || type == QAccessible::SentenceBoundary) {
                const QString line = text(lineStart, lineEnd);
                QTextBoundaryFinder finder(type == QAccessible::WordBoundary
                        ? QTextBoundaryFinder::Word
                        : QTextBoundaryFinder::Sentence,
                    line);
                finder.setPosition(offset - lineStart);
                if (!finder.isAtBoundary() || offset - lineStart == line.size())
                    finder.toPreviousBoundary();
                *startOffset = lineStart + static_cast<int>(qMax<qsizetype>(0, finder.position()));
                const qsizetype next = finder.toNextBoundary();
                *endOffset = next < 0 ? lineEnd : lineStart + static_cast<int>(next);
            }
        }
        return text(*startOffset, *endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
        int* endOffset) const override
    {
        int start = 0, end = 0;
        textAtOffset(offset, type, &start, &end);
        if (start <= 0) {
            *startOffset = *endOffset = -1;
            return {};
        }
        return textAtOffset(start - 1, type, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
        int* endOffset) const override
    {
        int start = 0, end = 0;
        textAtOffset(offset, type, &start, &end);
        if (end < 0 || end >= characterCount()) {
            *startOffset = *endOffset = -1;
            return {};
        }
        return textAtOffset(end, type, startOffset, endOffset);
    }

    QRect characterRect(int offset) const override
    {
        const long pos = position(offset);
        const long after = box()->SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, pos);
        const QPoint topLeft(static_cast<int>(box()->SendScintilla(
                                 QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, pos)),
            static_cast<int>(
                box()->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos)));
        const int right = static_cast<int>(
            box()->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, after));
        const int height
            = static_cast<int>(box()->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL, 0L));
        const QRect rect(topLeft, QSize(qMax(1, right - topLeft.x()), height));
        return rect.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint p = box()->viewport()->mapFromGlobal(point);
        const long pos = box()->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
            static_cast<unsigned long>(p.x()), static_cast<long>(p.y()));
        return pos < 0 ? -1 : offset(pos);
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE,
            static_cast<unsigned long>(position(endIndex)), position(startIndex));
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    NcTextBox* box() const { return static_cast<NcTextBox*>(widget()); }
    int offset(long pos) const { return static_cast<int>(box()->indexOf(pos)); }
    long position(int offset) const { return box()->bytePosition(offset); }
};

LockKeyState& lockKeyState()
{
    static LockKeyState state;
    return state;
}

NcTextBox::NcTextBox(QWidget* parent)
    : QsciScintilla(parent)
{
    setObjectName(QStringLiteral("txtText"));
    setUtf8(true);
    setEolMode(EolWindows);
    setEolVisibility(false);
    setWrapMode(WrapNone);
    SendScintilla(SCI_SETPASTECONVERTENDINGS, 0L);
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, static_cast<long>(SC_LINECHARACTERINDEX_UTF16));
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1L);
    setMarginType(0, NumberMargin);
    setMarginLineNumbers(0, true);
    connect(this, &QsciScintilla::linesChanged, this, &NcTextBox::updateLineNumberMargin);
    connect(this, &QsciScintilla::textChanged, this, &NcTextBox::historyChanged);

    // The editor's own accessibility answers in characters counted from the start of the text
    // and would do so after every edit and every paint: on a long program each key would wait
    // for it. The text box answers a screen reader itself, and the editor is told of edits only
    // before they happen; the signals of the edit follow once it is done (finishChange).
    static const bool accessible
        = (QAccessible::installFactory(NcTextBoxAccessible::factory), true);
    Q_UNUSED(accessible);
    // A notification is sent when any of its flags is in the mask, so the mask names the kinds
    // wanted and none of the flags an insertion or a removal carries.
    SendScintilla(SCI_SETMODEVENTMASK,
        static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE | SC_MOD_CHANGEMARKER
            | SC_MOD_CHANGEFOLD | SC_MOD_CHANGEANNOTATION | SC_MOD_CONTAINER));
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
        [this](int pos, int type, const char* text, int length, int, int, int, int, int, int) {
            aboutToChange(pos, type, text, length);
        });
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &NcTextBox::caretMoved);
    releaseMenuKeys();
    updateLineNumberMargin();
    followPalette();
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (!m_matchText.isEmpty() && (updated & (SC_UPDATE_CONTENT | SC_UPDATE_V_SCROLL)))
            markVisibleMatches();
    });
}

void NcTextBox::followPalette()
{
    // A colour of `weight` parts b to one part t.
    const auto mix = [](const QColor& b, const QColor& t, int weight) {
        const auto part = [weight](int x, int y) { return (x * weight + y) / (weight + 1); };
        return QColor(part(b.red(), t.red()), part(b.green(), t.green()), part(b.blue(), t.blue()));
    };
    const QPalette& colours = palette();
    const QColor base = colours.color(QPalette::Base);
    const bool dark = base.lightness() < 128;
    // The current line: a tint of the selection colour over the base, stronger on a dark base,
    // where an eighth would not be seen.
    setCaretLineVisible(true);
    // Each window of a tiled set keeps showing where its caret is.
    SendScintilla(SCI_SETCARETLINEVISIBLEALWAYS, 1L);
    setCaretLineBackgroundColor(mix(base, colours.color(QPalette::Highlight), dark ? 2 : 7));
    setCaretForegroundColor(colours.color(QPalette::Text));
    // The line numbers on the window's ground, in the text colour softened towards it: light on
    // a dark palette, dark on a light one, as the words are coloured.
    const QColor ground = colours.color(QPalette::Window);
    setMarginsBackgroundColor(ground);
    setMarginsForegroundColor(mix(colours.color(QPalette::Text), ground, 2));
    const unsigned long indicator = kMatchIndicator;
    SendScintilla(SCI_INDICSETSTYLE, indicator, static_cast<long>(INDIC_ROUNDBOX));
    SendScintilla(SCI_INDICSETFORE, indicator, QColor(255, 170, 0));
    SendScintilla(SCI_INDICSETALPHA, indicator, 110L);
    SendScintilla(SCI_INDICSETOUTLINEALPHA, indicator, 200L);
    SendScintilla(SCI_INDICSETUNDER, indicator, 1L);
}

void NcTextBox::showMatches(const QString& text)
{
    if (text == m_matchText)
        return;
    m_matchText = text;
    markVisibleMatches();
}

void NcTextBox::markVisibleMatches()
{
    // Only the lines on the screen are searched, so a long program costs no more than a short one.
    SendScintilla(SCI_SETINDICATORCURRENT, kMatchIndicator);
    SendScintilla(SCI_INDICATORCLEARRANGE, 0UL, SendScintilla(SCI_GETLENGTH));
    if (m_matchText.isEmpty())
        return;
    const QByteArray what = m_matchText.toUtf8();
    const long first
        = SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE));
    const long last = first + SendScintilla(SCI_LINESONSCREEN) + 1;
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(last));
    const long targetStart = SendScintilla(SCI_GETTARGETSTART);
    const long targetEnd = SendScintilla(SCI_GETTARGETEND);
    const long flags = SendScintilla(SCI_GETSEARCHFLAGS);
    SendScintilla(SCI_SETSEARCHFLAGS, static_cast<long>(SCFIND_MATCHCASE));
    long from = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(first));
    while (from < end) {
        SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), end);
        const long found = SendScintilla(
            SCI_SEARCHINTARGET, static_cast<unsigned long>(what.size()), what.constData());
        if (found < 0)
            break;
        SendScintilla(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(found),
            static_cast<long>(what.size()));
        from = found + what.size();
    }
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(targetStart), targetEnd);
    SendScintilla(SCI_SETSEARCHFLAGS, flags);
}

void NcTextBox::setMenuShortcuts(const QList<QKeySequence>& keys)
{
    menuKeys() = keys;
}

void NcTextBox::releaseMenuKeys()
{
    // The editor's own bindings (Ctrl+Z undo, Ctrl+X cut ...) would bypass the menu commands.
    for (QsciCommand* command : standardCommands()->commands()) {
        for (const QKeySequence& key : menuKeys()) {
            const int k = key[0].toCombined();
            if (command->key() == k)
                command->setKey(0);
            if (command->alternateKey() == k)
                command->setAlternateKey(0);
        }
    }
}

bool NcTextBox::event(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange) {
        // A new desktop theme: the colours of the words, the margin and the current line follow.
        if (lexer()) {
            setColouring(false);
            setColouring(true);
        }
        followPalette();
    }
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* ke = static_cast<QKeyEvent*>(e);
        if (menuKeys().contains(sequenceOf(ke))) {
            // Leave the key to the menu's shortcut.
            e->ignore();
            return true;
        }
    }
    const bool handled = QsciScintilla::event(e);
    finishChange();
    return handled;
}

bool NcTextBox::viewportEvent(QEvent* e)
{
    const bool handled = QsciScintilla::viewportEvent(e);
    finishChange();
    return handled;
}

void NcTextBox::undo()
{
    QsciScintilla::undo();
    finishChange();
}

void NcTextBox::redo()
{
    QsciScintilla::redo();
    finishChange();
}

void NcTextBox::aboutToChange(int pos, int type, const char* text, int length)
{
    const bool inserting = type & SC_MOD_BEFOREINSERT;
    if (!inserting && !(type & SC_MOD_BEFOREDELETE))
        return;
    if (!m_changePending) {
        m_changePending = true;
        // Edits made outside the text box's own calls and events end with the event loop.
        QMetaObject::invokeMethod(this, &NcTextBox::finishChange, Qt::QueuedConnection);
    }
    if (!QAccessible::isActive())
        return;
    if (inserting && !text)
        return;
    const char* bytes = inserting ? text
                                  : reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER,
                                      static_cast<unsigned long>(pos), static_cast<long>(length)));
    m_textEvents.append(
        {inserting, static_cast<int>(indexOf(pos)), QString::fromUtf8(bytes, length)});
}

void NcTextBox::finishChange()
{
    if (!m_changePending)
        return;
    m_changePending = false;
    const QList<TextEvent> events = std::exchange(m_textEvents, {});
    for (const TextEvent& change : events) {
        if (change.inserted) {
            QAccessibleTextInsertEvent ev(this, change.offset, change.text);
            QAccessible::updateAccessibility(&ev);
        } else {
            QAccessibleTextRemoveEvent ev(this, change.offset, change.text);
            QAccessible::updateAccessibility(&ev);
        }
    }
    emit textChanged();
    if (lines() != m_lines) {
        m_lines = lines();
        emit linesChanged();
    }
}

void NcTextBox::caretMoved()
{
    if (!QAccessible::isActive())
        return;
    const qint64 caret = indexOf(SendScintilla(SCI_GETCURRENTPOS));
    if (caret == m_caretOffset)
        return;
    m_caretOffset = caret;
    QAccessibleTextCursorEvent ev(this, static_cast<int>(caret));
    QAccessible::updateAccessibility(&ev);
}

QMenu* NcTextBox::contextMenu()
{
    QMenu* menu = createStandardContextMenu();
    // One undo history, offered as the Edit menu offers it, with its keys and its state.
    const Shell* shell = TheShell();
    const std::pair<QString, const char*> items[] = {
        {QsciScintilla::tr("&Undo"), "mnuEditUndo"}, {QsciScintilla::tr("&Redo"), "mnuEditRedo"}};
    for (const auto& [caption, control] : items) {
        QAction* program = shell ? shell->action(QLatin1String(control)) : nullptr;
        for (QAction* own : menu->actions()) {
            if (own->text() != caption)
                continue;
            if (program)
                menu->insertAction(own, program);
            menu->removeAction(own);
        }
    }
    return menu;
}

void NcTextBox::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = contextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void NcTextBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape)
        showMatches({});
    const QString typed = e->text();
    if (typed.size() == 1 && typed[0].isLetter()) {
        const bool shifted = e->modifiers() & Qt::ShiftModifier;
        if (typed[0].isUpper() != typed[0].isLower())
            lockKeyState().caps = typed[0].isUpper() != shifted;
    }
    if (e->modifiers() & Qt::KeypadModifier) {
        if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9)
            lockKeyState().num = true;
        else if (e->key() == Qt::Key_Home || e->key() == Qt::Key_End || e->key() == Qt::Key_Insert
            || (e->key() >= Qt::Key_Left && e->key() <= Qt::Key_PageDown))
            lockKeyState().num = false;
    }

    const bool printable = typed.size() == 1 && (typed[0].isPrint() || typed[0] == u'\t')
        && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (module1().gAutoSeqNo && printable && typed[0] != u'\b') {
        const long caret = SendScintilla(SCI_GETSELECTIONSTART);
        const qint64 p = indexOf(caret);
        const QChar twoBefore = caret >= 2
            ? QChar(static_cast<char16_t>(SendScintilla(SCI_GETCHARAT, caret - 2)))
            : QChar();
        const QChar oneBefore = caret >= 1
            ? QChar(static_cast<char16_t>(SendScintilla(SCI_GETCHARAT, caret - 1)))
            : QChar();
        if (AtStartOfFollowingLine(twoBefore, oneBefore, p)) {
            const QString prefix = AutoNumberPrefix(typed[0]);
            if (!prefix.isEmpty()) {
                beginUndoAction();
                setSelText(prefix);
                QsciScintilla::keyPressEvent(e);
                endUndoAction();
                emit keyStateChanged();
                return;
            }
        }
    }
    QsciScintilla::keyPressEvent(e);
    emit keyStateChanged();
}

void NcTextBox::updateLineNumberMargin()
{
    const QString widest = QString(QString::number(qMax(1, lines())).size() + 1, u'9');
    setMarginWidth(0, widest);
}

void NcTextBox::setScreenFont(const QString& family, int pointSize)
{
    setScreenFont(ProgramFont(family, pointSize));
}

void NcTextBox::setScreenFont(const QFont& font)
{
    // With the words coloured, the styles carry the font and Scintilla leaves the widget's alone.
    if (QsciLexer* colours = lexer()) {
        colours->setFont(font, -1);
        QWidget::setFont(font);
    }
    setFont(font);
    setMarginsFont(font);
    updateLineNumberMargin();
}

void NcTextBox::setColouring(bool on)
{
    if (on == (lexer() != nullptr))
        return;
    QsciLexer* old = lexer();
    const QFont shown = QWidget::font();
    setLexer(on ? new NcLexer(palette(), shown, this) : nullptr);
    delete old;
    setScreenFont(shown);
    followPalette();
}

QString NcTextBox::Text() const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto* bytes = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(bytes, length);
}

QByteArray NcTextBox::utf8Text() const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    return QByteArray(
        reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER)), length);
}

void NcTextBox::setWholeText(const QString& text)
{
    const QByteArray after = text.toUtf8();
    const QList<TextChange> spans = ChangedSpans(
        QByteArrayView(reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER)),
            SendScintilla(SCI_GETLENGTH)),
        after);
    // The spans are in the old text's positions; each one written moves those after it. A span
    // that takes out lines above the view would scroll it: the view is kept where it was.
    const long top = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    beginUndoAction();
    qsizetype moved = 0;
    for (const TextChange& span : spans) {
        const unsigned long start = static_cast<unsigned long>(span.oldStart + moved);
        SendScintilla(SCI_SETTARGETRANGE, start, static_cast<long>(start + span.oldLength));
        SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(span.newLength),
            after.constData() + span.newStart);
        moved += span.newLength - span.oldLength;
    }
    endUndoAction();
    SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(top));
    // As after a replacement of the whole text: the caret at the start, nothing selected.
    SendScintilla(SCI_SETEMPTYSELECTION, 0L);
    finishChange();
    giveBackFreedMemory();
}

void NcTextBox::loadText(const QString& text)
{
    loadUtf8(text.toUtf8());
}

void NcTextBox::loadUtf8(QByteArrayView bytes)
{
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    // Room for the first edits: without it the first key makes the editor move the text and its
    // styles to blocks a sixth larger than the program.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(bytes.size() + 64 * 1024));
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0L);
    setDataChanged(false);
    finishChange();
    emit historyChanged();
    giveBackFreedMemory();
}

long NcTextBox::bytePosition(qint64 index) const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    if (index <= 0)
        return 0;
    const long line = SendScintilla(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(index),
        static_cast<long>(SC_LINECHARACTERINDEX_UTF16));
    const long lineIndex = SendScintilla(SCI_INDEXPOSITIONFROMLINE,
        static_cast<unsigned long>(line), static_cast<long>(SC_LINECHARACTERINDEX_UTF16));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long offset = static_cast<long>(index) - lineIndex;
    if (offset <= 0)
        return lineStart;
    const long pos = SendScintilla(
        SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(lineStart), offset);
    return pos == 0 ? length : pos;
}

qint64 NcTextBox::indexOf(long bytePos) const
{
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(bytePos));
    const long lineIndex = SendScintilla(SCI_INDEXPOSITIONFROMLINE,
        static_cast<unsigned long>(line), static_cast<long>(SC_LINECHARACTERINDEX_UTF16));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return lineIndex
        + SendScintilla(SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), bytePos);
}

qint64 NcTextBox::SelStart() const
{
    return indexOf(SendScintilla(SCI_GETSELECTIONSTART));
}

void NcTextBox::setSelStart(qint64 start)
{
    const long pos = bytePosition(start);
    SendScintilla(SCI_SETSEL, pos, pos);
}

qint64 NcTextBox::SelLength() const
{
    return indexOf(SendScintilla(SCI_GETSELECTIONEND)) - SelStart();
}

void NcTextBox::setSelLength(qint64 length)
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = bytePosition(indexOf(start) + qMax<qint64>(0, length));
    SendScintilla(SCI_SETSEL, start, end);
}

QString NcTextBox::SelText() const
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long length = SendScintilla(SCI_GETSELECTIONEND) - start;
    if (length <= 0)
        return {};
    const auto* bytes = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), length));
    return QString::fromUtf8(bytes, length);
}

void NcTextBox::setSelText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.constData());
    const long end = SendScintilla(SCI_GETTARGETEND);
    SendScintilla(SCI_SETSEL, end, end);
    SendScintilla(SCI_SCROLLCARET);
    finishChange();
}

bool NcTextBox::DataChanged() const
{
    return m_forcedChanged || isModified();
}

void NcTextBox::setDataChanged(bool changed)
{
    m_forcedChanged = changed;
    if (!changed)
        setModified(false);
}
