#include "process/core/ProcessFields.h"

#include "common/Basic.h"
#include "common/Module1.h"
#include "common/RuntimeError.h"

ProcessFields CutConditionPreset(const Module1& m, int row)
{
    if (row < 0 || row >= Module1::kCutCondRows)
        throw RuntimeError(errSubscript);
    const auto& cells = m.gCutCond[row];
    ProcessFields preset;
    preset.texts.insert(QStringLiteral("ToolNumber"), cells[3]);
    preset.spindleCW = Variant(cells[4]).toNumber() == 0;
    preset.coolantON = Variant(cells[5]).toNumber() == 1;
    const char* columns[] = {"V", "F", "D", "L", "U", "W", "C"};
    for (int i = 0; i < 7; ++i)
        preset.texts.insert(QString::fromLatin1(columns[i]), cells[6 + i]);
    return preset;
}

void ReadProcessFields(Module1& m, const ProcessFields& fields)
{
    const auto value
        = [&](const char* field) { return Val(fields.texts.value(QString::fromLatin1(field))); };
    m.gToolNumber = value("ToolNumber");
    m.gV = value("V");
    m.gF = value("F");
    m.gU = value("U");
    m.gW = value("W");
    m.gD = value("D");
    m.gL = value("L");
    m.gC = value("C");
    m.gB = value("B");
    m.gSZ = value("SZ");
    m.gStartX = value("StartX");
    m.gStartZ = value("StartZ");
    m.gStartC = value("StartC");
    m.gEndX = value("EndX");
    m.gEndZ = value("EndZ");
    m.gEndC = value("EndC");
    m.gSpindleCode = fields.spindleCW ? QStringLiteral(" M03 M63") : QStringLiteral(" M04 M63");
    m.gCoolantCode = fields.coolantON ? QStringLiteral(" M08") : QStringLiteral(" M09");
}
