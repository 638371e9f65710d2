#pragma once

#include <QHash>
#include <QString>

struct Module1;

// What the process dialog holds: the texts of its fields by control name and its two option
// choices.
struct ProcessFields
{
    QHash<QString, QString> texts;
    bool spindleCW = true;
    bool coolantON = true;
};

// The pre-fill of the dialog from one row of gCutCond: ToolNumber, V, F, D, L, U, W and C take
// the cells as they stand; the spindle turns backwards when column 4 is not 0 and the coolant is
// on when column 5 is 1. A row outside the table is the subscript error; a spindle or coolant
// cell that is not a number (an empty row, before any file was loaded) is the type-mismatch
// error.
ProcessFields CutConditionPreset(const Module1& m, int row);

// Takes the dialog's input into the process values: every field by the leading-number rule, the
// spindle code " M03 M63" or " M04 M63", the coolant code " M08" or " M09".
void ReadProcessFields(Module1& m, const ProcessFields& fields);
