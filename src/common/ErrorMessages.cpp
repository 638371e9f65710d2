#include "common/ErrorMessages.h"

#include "common/Basic.h"
#include "common/RuntimeError.h"

QString ErrorMessage(int number)
{
    switch (number) {
    case 0:
        return {};
    case errDivisionByZero:
        return QStringLiteral("0 error. Tool diameter is 0.");
    case errTypeMismatch:
        return QStringLiteral("Cutting condition error. Pls. Material file select.");
    case errPathNotFound:
        return QStringLiteral("Not fund path.");
    case errNoDocument:
        return QStringLiteral("Not file open. Can not insert.");
    default:
        return QStringLiteral("Error.");
    }
}

QString ErrorTitle(int number)
{
    return QStringLiteral(" error ") + Str(number);
}
