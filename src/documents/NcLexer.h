#pragma once

#include <Qsci/qscilexercustom.h>

class QPalette;

// Colours the words of a lathe program in the text box. Scintilla asks for the lines it is about
// to show or that changed; each line is classified on its own (NcLineStyles), so neither typing
// nor scrolling restyles more than those lines, and the text itself is never touched.
class NcLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    // The colours suit the palette: dark words on a light window, light words on a dark one.
    NcLexer(const QPalette& palette, const QFont& font, QObject* parent = nullptr);

    const char* language() const override;
    QString description(int style) const override;
    void styleText(int start, int end) override;
};
