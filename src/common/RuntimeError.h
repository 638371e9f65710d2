#pragma once

#include <QString>
#include <exception>

// The run-time errors the product reports by number. Helpers throw them; the generator frame and
// the insertion commands catch them and turn them into one message.
enum ErrorNumber {
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errPathNotFound = 76,
    errNoDocument = 91,
};

class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(int number)
        : m_number(number)
    { }
    int number() const { return m_number; }
    const char* what() const noexcept override { return "Corvane run-time error"; }

private:
    int m_number;
};
