#include "calc/DesktopCalculator.h"

#include "app/Platform.h"

const QStringList& DesktopCalculators()
{
    static const QStringList programs = {QStringLiteral("gnome-calculator"),
        QStringLiteral("kcalc"), QStringLiteral("galculator"), QStringLiteral("mate-calc"),
        QStringLiteral("xcalc"), QStringLiteral("qalculate-gtk")};
    return programs;
}

bool StartDesktopCalculator()
{
    return StartFirstProgram(DesktopCalculators());
}
