#include "documents/NcLexer.h"

#include "documents/core/NcWords.h"

#include <Qsci/qsciscintilla.h>

#include <QPalette>

namespace {
struct StyleColours
{
    NcStyle style;
    const char* onLight;
    const char* onDark;
};

// Axis words are the bulk of a program and keep the text colour; the rest stand out from them.
const StyleColours kColours[] = {
    {NcStyle::Sequence, "#795548", "#c8b6ae"},
    {NcStyle::GCode, "#0d47a1", "#82aaff"},
    {NcStyle::MCode, "#7b1fa2", "#d7a6ff"},
    {NcStyle::FeedSpeedTool, "#8d6e00", "#e6c86e"},
    {NcStyle::Comment, "#2e7d32", "#8fce72"},
    {NcStyle::Variable, "#00838f", "#5fd3d8"},
    {NcStyle::Marker, "#d84315", "#ffab70"},
    {NcStyle::Unknown, "#c62828", "#ff7b7b"},
};

int utf8Length(QChar c)
{
    return c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3;
}

long send(QsciScintilla* box, unsigned int message, long value = 0)
{
    return box->SendScintilla(message, value);
}
} // namespace

NcLexer::NcLexer(const QPalette& palette, const QFont& font, QObject* parent)
    : QsciLexerCustom(parent)
{
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    setDefaultFont(font);
    setDefaultColor(palette.color(QPalette::Text));
    setDefaultPaper(palette.color(QPalette::Base));
    setFont(font, -1);
    setColor(palette.color(QPalette::Text), -1);
    setPaper(palette.color(QPalette::Base), -1);
    for (const StyleColours& c : kColours)
        setColor(
            QColor(QString::fromLatin1(dark ? c.onDark : c.onLight)), static_cast<int>(c.style));
    // Text the dialect does not know is marked on a tinted ground as well, so it is seen in a
    // glance.
    setPaper(dark ? QColor(0x4a, 0x22, 0x22) : QColor(0xff, 0xeb, 0xee),
        static_cast<int>(NcStyle::Unknown));
}

void NcLexer::setFont(const QFont& font, int style)
{
    if (style >= 0) {
        QsciLexerCustom::setFont(font, style);
        return;
    }
    // Comments lean, so that they stand apart from the green-blue of the variables.
    for (int each = 0; each < kNcStyleCount; ++each) {
        QFont styled = font;
        styled.setItalic(each == static_cast<int>(NcStyle::Comment));
        QsciLexerCustom::setFont(styled, each);
    }
}

const char* NcLexer::language() const
{
    return "NC";
}

QString NcLexer::description(int style) const
{
    return style >= 0 && style < kNcStyleCount ? NcStyleName(static_cast<NcStyle>(style))
                                               : QString();
}

void NcLexer::setEditor(QsciScintilla* box)
{
    if (editor())
        disconnect(editor(), nullptr, this, nullptr);
    QsciLexerCustom::setEditor(box);
    if (box)
        connect(box, &QsciScintillaBase::SCN_UPDATEUI, this, &NcLexer::colourShownLines);
}

void NcLexer::styleText(int start, int end)
{
    QsciScintilla* box = editor();
    if (!box)
        return;
    // Scintilla asks for everything from the last styled line to the end of the view. Lines more
    // than a screen above the view (a jump to the end of a big program) are passed over: they
    // keep the styles that moved with their text, text put in since is plain, and
    // colourShownLines colours them when they come into view.
    const long first = send(box, QsciScintilla::SCI_LINEFROMPOSITION, start);
    const long last = send(box, QsciScintilla::SCI_LINEFROMPOSITION, end);
    const long shown = send(box, QsciScintilla::SCI_GETFIRSTVISIBLELINE)
        - send(box, QsciScintilla::SCI_LINESONSCREEN);
    const long from = qBound(first, shown, last + 1);
    startStyling(static_cast<int>(lineStart(from)));
    colourLines(from, last);
}

long NcLexer::lineStart(long line) const
{
    QsciScintilla* box = editor();
    return line < box->lines() ? send(box, QsciScintilla::SCI_POSITIONFROMLINE, line)
                               : send(box, QsciScintilla::SCI_GETLENGTH);
}

void NcLexer::colourLines(long first, long last)
{
    QsciScintilla* box = editor();
    for (long line = first; line <= last; ++line) {
        const long from = lineStart(line);
        const long to = send(box, QsciScintilla::SCI_GETLINEENDPOSITION, line);
        QByteArray bytes(to - from + 1, '\0'); // room for the closing NUL
        box->SendScintilla(QsciScintilla::SCI_GETTEXTRANGE, from, to, bytes.data());
        const QString text = QString::fromUtf8(bytes.constData(), to - from);
        const QByteArray styles = NcLineStyles(text);
        // Runs of one style, measured in the document's UTF-8 bytes.
        qsizetype i = 0;
        while (i < text.size()) {
            const char style = styles[i];
            int length = 0;
            for (; i < text.size() && styles[i] == style; ++i)
                length += text[i].isSurrogate() ? 2 : utf8Length(text[i]);
            setStyling(length, style);
        }
        if (const long next = lineStart(line + 1); next > to)
            setStyling(static_cast<int>(next - to), static_cast<int>(NcStyle::Plain));
    }
}

void NcLexer::colourShownLines()
{
    // A coloured line has no plain character but its spaces and tabs, so a shown line with one
    // was passed over by styleText, or changed while it was out of view.
    QsciScintilla* box = editor();
    const long styled = send(box, QsciScintilla::SCI_GETENDSTYLED);
    const long first = send(box, QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const long last = qMin(first + send(box, QsciScintilla::SCI_LINESONSCREEN),
        send(box, QsciScintilla::SCI_LINEFROMPOSITION, styled) - 1);
    if (last < first)
        return;
    const long from = lineStart(first);
    const long to = lineStart(last + 1);
    QByteArray cells(2 * (to - from) + 2, '\0'); // character and style, then two NULs
    box->SendScintilla(QsciScintilla::SCI_GETSTYLEDTEXT, from, to, cells.data());
    for (qsizetype i = 0; i < to - from; ++i) {
        const char c = cells[2 * i];
        if (cells[2 * i + 1] == static_cast<char>(NcStyle::Plain) && c != ' ' && c != '\t'
            && c != '\r' && c != '\n') {
            const long line = send(box, QsciScintilla::SCI_LINEFROMPOSITION, from + i);
            startStyling(static_cast<int>(lineStart(line)));
            colourLines(line, last);
            return;
        }
    }
}
