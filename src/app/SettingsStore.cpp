#include "app/SettingsStore.h"

#include "common/Basic.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "common/RuntimeError.h"

#include <QDir>
#include <QSettings>

#include <cmath>
#include <limits>

namespace {
const QString kSettings = QStringLiteral("Settings");
const QString kParameter = QStringLiteral("Parameter");

QSettings& store()
{
    static QSettings settings(QStringLiteral("Corvane"), QStringLiteral("Corvane"));
    return settings;
}

QString keyPath(const QString& section, const QString& key)
{
    return section + u'/' + key;
}

int settingInteger(const QString& section, const QString& key, int defaultValue)
{
    const double value = SettingNumber(section, key, defaultValue);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(std::lround(value));
}

bool settingBoolean(const QString& section, const QString& key, bool defaultValue)
{
    try {
        return Variant(GetSetting(section, key, BooleanText(defaultValue))).toBool();
    } catch (const RuntimeError&) {
        return defaultValue;
    }
}

// A value kept as it was read, once it is known to be a number.
Variant settingNumberText(const QString& section, const QString& key, double defaultValue)
{
    const QString text = GetSetting(section, key, NumberText(defaultValue));
    double value = 0;
    return ParseNumber(text, &value) ? Variant(text) : Variant(defaultValue);
}

QString homeFolder()
{
    return QDir::homePath();
}
} // namespace

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    const QVariant value = store().value(keyPath(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void SaveSetting(const QString& section, const QString& key, const QString& value)
{
    store().setValue(keyPath(section, key), value);
}

double SettingNumber(const QString& section, const QString& key, double defaultValue)
{
    double value = 0;
    return ParseNumber(GetSetting(section, key, NumberText(defaultValue)), &value) ? value
                                                                                   : defaultValue;
}

QString BooleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void LoadSettings(Module1& m)
{
    store().sync();
    const QString folder = ProgramFolder();
    m.gOpenPathName = GetSetting(kSettings, QStringLiteral("OpenPathName"), homeFolder());
    m.gInsertPathName = GetSetting(
        kSettings, QStringLiteral("InsertPathName"), folder + QLatin1String("/Program"));
    m.gSavePathName = GetSetting(kSettings, QStringLiteral("SavePathName"), homeFolder());
    m.gScreenFontName
        = GetSetting(kSettings, QStringLiteral("ScreenFontName"), QStringLiteral("Terminal"));
    m.gScreenFontSize = settingInteger(kSettings, QStringLiteral("ScreenFontSize"), 14);
    m.gPrintFontName
        = GetSetting(kSettings, QStringLiteral("PrintFontName"), QStringLiteral("MS 明朝"));
    m.gPrintFontSize = settingInteger(kSettings, QStringLiteral("PrintFontSize"), 11);
    m.gPrinterOrientation = settingInteger(kSettings, QStringLiteral("PrinterOrientation"), 1);
    m.gLeftMerge = settingInteger(kSettings, QStringLiteral("LeftMerge"), 10);
    m.gRightMerge = settingInteger(kSettings, QStringLiteral("RightMerge"), 0);
    m.gPrintLineNo = settingInteger(kSettings, QStringLiteral("PrintLineNo"), 1);
    m.gColouring = settingBoolean(kSettings, QStringLiteral("Colouring"), true);

    // A stored speed that a single cannot hold is read as the default, as a bad integer is.
    const double maxS = SettingNumber(kParameter, QStringLiteral("MaxS"), 2500);
    m.gMaxS
        = std::fabs(maxS) <= std::numeric_limits<float>::max() ? static_cast<float>(maxS) : 2500;
    m.gHomeX = settingNumberText(kParameter, QStringLiteral("HomeX"), 500);
    m.gHomeZ = settingNumberText(kParameter, QStringLiteral("HomeZ"), 500);
    m.gAppX = settingNumberText(kParameter, QStringLiteral("AppX"), 200);
    m.gAppZ = settingNumberText(kParameter, QStringLiteral("AppZ"), 50);
    m.gTG = settingBoolean(kParameter, QStringLiteral("TG"), false);
    m.gQCSK500 = settingBoolean(kParameter, QStringLiteral("QCSK500"), true);
    m.gDuomill = settingBoolean(kParameter, QStringLiteral("Duomill"), false);
    m.gBturret = settingBoolean(kParameter, QStringLiteral("Bturret"), false);
    m.gMeasuer = settingBoolean(kParameter, QStringLiteral("Measuer"), false);
    m.gPanelChk = settingBoolean(kParameter, QStringLiteral("PanelChk"), true);
    m.gAutoDoor = settingBoolean(kParameter, QStringLiteral("AutoDoor"), false);
    m.gTurretType = settingInteger(kParameter, QStringLiteral("TurretType"), 2);
    m.gAtcMacroType
        = GetSetting(kParameter, QStringLiteral("AtcMacroType"), QStringLiteral("M421"));
    m.gToolFrom = settingBoolean(kParameter, QStringLiteral("ToolFrom"), true);
    m.gLoadMoniter = settingBoolean(kParameter, QStringLiteral("LoadMoniter"), false);
    // The installed tables stand for the user's copies once the user has them.
    m.gCsvPathName = PreferUserCopy(GetSetting(kParameter, QStringLiteral("CsvPathName"),
        folder + QLatin1String("/ cutting  condition ")));
    m.gCsvFileName = PreferUserCopy(GetSetting(kParameter, QStringLiteral("CsvFileName"),
        folder + QLatin1String("/ cutting  condition /S45C.CSV")));
}

void SaveShutdownSettings(const Module1& m)
{
    SaveSetting(kSettings, QStringLiteral("OpenPathName"), m.gOpenPathName);
    SaveSetting(kSettings, QStringLiteral("InsertPathName"), m.gInsertPathName);
    SaveSetting(kSettings, QStringLiteral("SavePathName"), m.gSavePathName);
    SaveSetting(kSettings, QStringLiteral("ScreenFontName"), m.gScreenFontName);
    SaveSetting(kSettings, QStringLiteral("ScreenFontSize"), QString::number(m.gScreenFontSize));
    SaveSetting(kSettings, QStringLiteral("PrintFontName"), m.gPrintFontName);
    SaveSetting(kSettings, QStringLiteral("PrintFontSize"), QString::number(m.gPrintFontSize));
    SaveSetting(
        kSettings, QStringLiteral("PrinterOrientation"), QString::number(m.gPrinterOrientation));
    SaveSetting(kSettings, QStringLiteral("LeftMerge"), QString::number(m.gLeftMerge));
    SaveSetting(kSettings, QStringLiteral("RightMerge"), QString::number(m.gRightMerge));
    SaveSetting(kSettings, QStringLiteral("PrintLineNo"), QString::number(m.gPrintLineNo));
    SaveSetting(kSettings, QStringLiteral("Colouring"), BooleanText(m.gColouring));
    SaveSetting(kParameter, QStringLiteral("CsvPathName"), m.gCsvPathName);
    SaveSetting(kParameter, QStringLiteral("CsvFileName"), m.gCsvFileName);
}

void FlushSettings()
{
    store().sync();
}
