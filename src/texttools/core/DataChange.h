#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The calculation data change: the number written behind address letters (X100, SB=1000) is
// changed by arithmetic and written back in place.

// The operator's calculation: "*" multiplies by the number that follows it, "/" divides by it,
// and any other text adds its leading number ("100", "+100", "-10"). Text that is not a number
// counts as 0.
struct Calculation
{
    enum Op { Add, Multiply, Divide };
    Op op = Add;
    double operand = 0;
};
Calculation ParseCalculation(const QString& text);

// The new value; none when the calculation divides by zero or overflows, in which case the value
// is left as it is.
std::optional<double> Calculate(const Calculation& calculation, double value);

// A changed value as it is written: rounded half away from zero to three decimals, without
// trailing zeros, trailing point, plus sign or leading blank, with a leading zero below 1
// (110, 12.5, 0.25, -0.5, 33.333).
QString FormatShifted(double value);

struct OccurrenceChange
{
    bool changed = false;
    // The characters [p, end) are replaced by `replacement`; end is where the number ends.
    qsizetype end = 0;
    QString replacement;
};

// The change of the occurrence of `letters` standing at p: at most ten characters behind the
// letters are read (blanks before the number skipped, "=" remembered, a sign only first, digits
// and points), and the letters, the "=" and the new value replace them. No change when no digit
// follows or the calculation has no result.
OccurrenceChange ChangeOccurrence(
    QStringView text, qsizetype p, QStringView letters, const Calculation& calculation);

struct ShiftAllResult
{
    QString text;
    qsizetype count = 0;
    // Where the next search begins: one character behind the start of the last occurrence.
    qsizetype findPos = 0;
    // The last occurrence found (-1 for none) and whether it was changed: a change puts the caret
    // at the start of the text, an occurrence left alone stays selected.
    qsizetype lastFound = -1;
    bool lastFoundChanged = false;
    // Letters that turn up again and again in the values written for them (letters made of
    // digits, say) would change the text without end; then nothing is changed.
    bool endless = false;
};

// "All Change": from `from` on, every occurrence is changed in turn; the search for the next one
// starts one character behind the start of the previous one, in the text as changed so far.
ShiftAllResult ShiftAll(
    const QString& text, qsizetype from, const QString& letters, const QString& calculation);
