#pragma once

#include <QString>
#include <QStringList>

struct Module1;

// A cutting-condition file: two header lines, then one table row per line, twelve
// comma-separated fields each.
constexpr int kCutConditionFields = 12;
constexpr int kCutConditionFileRows = 34;

// The twelve fields of one data line. Quoted fields may hold commas; unquoted fields are
// trimmed. A line with fewer fields leaves the missing ones empty; fields beyond the twelfth are
// ignored. A line never borrows fields from the next one.
QStringList CutConditionFields(const QString& line);

// Reads the file named by gCsvFileName into rows 1 to 34 of gCutCond. Rows the file does not
// have keep what they held. A file that cannot be read changes nothing and reports nothing.
void LoadCuttingConditions(Module1& m);
