#pragma once

#include <QString>

struct Module1;

// The per-user settings store: application "Corvane", sections and keys as text.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);

// Reads the "Settings" keys after the window placement and the "Parameter" keys into the shared
// state. A stored value that cannot be converted to its variable's type gives the default.
void LoadSettings(Module1& m);
// Writes the "Settings" keys after the window placement and the two cutting-condition keys.
void SaveShutdownSettings(const Module1& m);

// Conversions of stored text with a fallback.
double SettingNumber(const QString& section, const QString& key, double defaultValue);
QString BooleanText(bool value);

// Writes what is pending to disk.
void FlushSettings();
