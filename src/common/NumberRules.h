#pragma once

#include <QString>

// What a numeric input field must hold. Every field takes one complete number as typed: an
// optional sign, digits and at most one point, nothing else and no blanks inside (blanks around
// it are left out). The rule adds whether the field may stay empty (it then counts as 0) and the
// range of values the machine can use.
struct NumberRule
{
    enum class Range {
        Any, // any number
        AboveZero, // a speed, a feed
        NotZero, // a diameter a division uses
        Whole, // a whole number from 1 to `largest` (tool and offset numbers)
    };
    Range range = Range::Any;
    bool mayBeEmpty = false;
    int largest = 99;
};

// A rule written as a word: "" any number, "+" above 0, "!" not 0, "#89" a whole number from 1 to
// 89; a trailing "?" lets the field stay empty.
NumberRule ParseNumberRule(QString word);

// True when the text is one complete number as typed.
bool IsCompleteNumber(const QString& text);

// The largest magnitude a field takes: eight digits before the point, as NC text writes them.
inline constexpr double kLargestNumber = 99999999.999;

// Checks a field's text against its rule: an empty text when it passes, else the message that
// names the field by its caption and says what it must hold.
QString NumberFieldMessage(const QString& caption, const QString& text, const NumberRule& rule);
