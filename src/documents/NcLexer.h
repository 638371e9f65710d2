#pragma once

#include <Qsci/qscilexercustom.h>

class QPalette;

// Colours the words of a lathe program in the text box. Scintilla asks for the lines it is about
// to show or that changed; each line is classified on its own (NcLineStyles), so neither typing
// nor scrolling nor a jump to the end of a big program restyles more than the lines in view, and
// the text itself is never touched.
class NcLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    // The colours suit the palette: dark words on a light window, light words on a dark one.
    NcLexer(const QPalette& palette, const QFont& font, QObject* parent = nullptr);

    // The screen font for every style (style -1), comments in its italic.
    void setFont(const QFont& font, int style = -1) override;
    const char* language() const override;
    QString description(int style) const override;
    void setEditor(QsciScintilla* box) override;
    void styleText(int start, int end) override;

private:
    long lineStart(long line) const;
    // Classifies whole lines, styling from the start of the first.
    void colourLines(long first, long last);
    // Colours the shown lines that styleText passed over above an earlier view.
    void colourShownLines();
};
