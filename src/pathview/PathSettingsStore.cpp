#include "pathview/PathSettingsStore.h"

#include "app/SettingsStore.h"
#include "common/Module1.h"

namespace {
const QString kSection = QStringLiteral("PathView");
const QString kRapid = QStringLiteral("RapidRate");
const QString kChange = QStringLiteral("ToolChangeTime");
} // namespace

path::PathSettings LoadPathSettings(const Module1& m)
{
    path::PathSettings s;
    const double rapid = SettingNumber(kSection, kRapid, s.rapidMmPerMin);
    if (rapid > 0)
        s.rapidMmPerMin = rapid;
    const double change = SettingNumber(kSection, kChange, s.toolChangeSeconds);
    if (change >= 0)
        s.toolChangeSeconds = change;
    s.homeX = m.gHomeX.toNumber();
    s.homeZ = m.gHomeZ.toNumber();
    s.maxSpeed = m.gMaxS;
    return s;
}

void SavePathSettings(const path::PathSettings& settings)
{
    SaveSetting(kSection, kRapid, QString::number(settings.rapidMmPerMin));
    SaveSetting(kSection, kChange, QString::number(settings.toolChangeSeconds));
}
