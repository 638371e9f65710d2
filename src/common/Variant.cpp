#include "common/Variant.h"

#include "common/Basic.h"
#include "common/RuntimeError.h"

double Variant::toNumber() const
{
    if (const auto* number = std::get_if<double>(&m_value))
        return *number;
    if (const auto* flag = std::get_if<bool>(&m_value))
        return *flag ? -1 : 0;
    if (const auto* text = std::get_if<QString>(&m_value)) {
        double value = 0;
        if (!ParseNumber(*text, &value))
            throw RuntimeError(errTypeMismatch);
        return value;
    }
    return 0;
}

bool Variant::toBool() const
{
    if (const auto* flag = std::get_if<bool>(&m_value))
        return *flag;
    if (const auto* number = std::get_if<double>(&m_value))
        return *number != 0;
    if (const auto* text = std::get_if<QString>(&m_value)) {
        const QString t = text->trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        double value = 0;
        if (!ParseNumber(t, &value))
            throw RuntimeError(errTypeMismatch);
        return value != 0;
    }
    return false;
}

QString Variant::toText() const
{
    if (const auto* text = std::get_if<QString>(&m_value))
        return *text;
    if (const auto* flag = std::get_if<bool>(&m_value))
        return *flag ? QStringLiteral("True") : QStringLiteral("False");
    if (const auto* number = std::get_if<double>(&m_value))
        return NumberText(*number);
    return {};
}
