#include "process/core/MachineParameters.h"

#include "common/Basic.h"
#include "common/Module1.h"

#include <charconv>
#include <cstdlib>

namespace {
QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString numberText(const Variant& v)
{
    return NumberText(v.toNumber());
}
} // namespace

double SingleValue(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *result.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

QList<QPair<QString, QString>> MachineParameterSettings(const Module1& m)
{
    return {
        {QStringLiteral("MaxS"), NumberText(SingleValue(m.gMaxS))},
        {QStringLiteral("HomeX"), numberText(m.gHomeX)},
        {QStringLiteral("HomeZ"), numberText(m.gHomeZ)},
        {QStringLiteral("AppX"), numberText(m.gAppX)},
        {QStringLiteral("AppZ"), numberText(m.gAppZ)},
        {QStringLiteral("TG"), booleanText(m.gTG)},
        {QStringLiteral("QCSK500"), booleanText(m.gQCSK500.toBool())},
        {QStringLiteral("Duomill"), booleanText(m.gDuomill.toBool())},
        {QStringLiteral("Bturret"), booleanText(m.gBturret.toBool())},
        {QStringLiteral("Measuer"), booleanText(m.gMeasuer.toBool())},
        {QStringLiteral("PanelChk"), booleanText(m.gPanelChk.toBool())},
        {QStringLiteral("AutoDoor"), booleanText(m.gAutoDoor.toBool())},
        {QStringLiteral("TurretType"),
            m.gTurretType == 1 ? QStringLiteral("1") : QStringLiteral("2")},
        {QStringLiteral("AtcMacroType"), m.gAtcMacroType},
        {QStringLiteral("ToolFrom"), booleanText(m.gToolFrom.toBool())},
        {QStringLiteral("LoadMoniter"), booleanText(m.gLoadMoniter)},
    };
}
