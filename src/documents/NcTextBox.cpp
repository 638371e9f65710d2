#include "documents/NcTextBox.h"

#include "app/Shell.h"
#include "common/Module1.h"
#include "documents/NcLexer.h"
#include "documents/ProgramFont.h"
#include "documents/core/AutoNumber.h"

#include <Qsci/qscicommandset.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

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
} // namespace

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
    releaseMenuKeys();
    updateLineNumberMargin();
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
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* ke = static_cast<QKeyEvent*>(e);
        if (menuKeys().contains(sequenceOf(ke))) {
            // Leave the key to the menu's shortcut.
            e->ignore();
            return true;
        }
    }
    return QsciScintilla::event(e);
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
}

QString NcTextBox::Text() const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto* bytes = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(bytes, length);
}

void NcTextBox::setWholeText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    SendScintilla(SCI_TARGETWHOLEDOCUMENT);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.constData());
}

void NcTextBox::loadText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0L);
    setDataChanged(false);
    emit historyChanged();
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
