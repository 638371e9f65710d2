#pragma once

#include <QString>
#include <variant>

// A dynamically typed value: empty, number, text or Boolean. Several shared values are kept as
// they were read and converted where they are used; text that is not a number makes arithmetic
// throw the type-mismatch run-time error.
class Variant
{
public:
    Variant() = default;
    Variant(double number)
        : m_value(number)
    { }
    Variant(int number)
        : m_value(static_cast<double>(number))
    { }
    Variant(bool flag)
        : m_value(flag)
    { }
    Variant(const QString& text)
        : m_value(text)
    { }
    Variant(const char*) = delete;

    // Empty is 0, True is -1, text must be a whole number text.
    double toNumber() const;
    // Empty is False, numbers are True when not 0, text must read True, False or a number.
    bool toBool() const;
    // Empty is "", Booleans read "True" or "False", numbers their shortest decimal text.
    QString toText() const;

    bool operator==(const Variant& other) const { return m_value == other.m_value; }

private:
    std::variant<std::monostate, double, bool, QString> m_value;
};
