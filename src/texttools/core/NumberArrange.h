#pragma once

#include <QString>

// Sequence number arrange: the N-words at the beginning of the lines are renumbered in one pass.

enum class BlankMode {
    None = 0, // N001X100
    One = 1, // N001 X100
    Five = 5, // N001     X100 before an X, Y or Z word, else one blank
};

struct ArrangeOptions
{
    double digits = 3; // the number is padded with zeros to this many digits
    double start = 1;
    double add = 1;
    bool fromTop = true; // else from the line after the caret's line
    bool stopAtProgramEnd = false; // stop behind the first line that ends a program
    bool continuous = false; // count on across program ends instead of starting again
    BlankMode blanks = BlankMode::Five;
};

// Sequence numbers are whole numbers of at most 15 digits, exact in a double.
constexpr int kMostDigits = 15;
constexpr double kLargestNumber = 999999999999999.0;

enum class ArrangeInputError { None, Digits, Start, Add };

// The first value that cannot make a sequence number: digits must be whole, 0 to 15; start and
// increment whole, 0 to kLargestNumber.
ArrangeInputError CheckArrangeInput(const ArrangeOptions& options);

struct ArrangeResult
{
    QString text;
    // Where the run left the search position and the line feed it worked behind (1-based, 0 for
    // the first line), as the shared search state keeps them.
    qsizetype findPos = 0;
    qsizetype lineFeed = 0;
};

// Renumbers the text. Lines beginning with CR, LF, TAB, "-", "<", "&", "$", "(", "%" or "O" are
// left alone and take no number. "N" with an upper-case letter behind it starts a named sequence
// (NAP1, NT01), whose word stays but uses up a number; any other N-word is replaced; other lines
// get the number in front, in place of their leading blanks. The blanks behind the number follow
// the blank mode. A line holding M02, M2, M30 or RTS as a word ends a program: the numbering
// starts again behind it, goes on (continuous) or stops there. After the largest number of the
// digits the numbering goes on at the increment. Input must have passed CheckArrangeInput.
ArrangeResult ArrangeNumbers(const QString& text, qsizetype caret, const ArrangeOptions& options);
