// The generators under the fuzzer: the process values, the material input and the machine
// parameters come from the fuzzer's bytes, then one builder runs (a Process menu generator, the
// program frame or the graphic data). It either stops with a run-time error or writes a block of
// bounded size whose numbers are plain decimals.
#include "FuzzBytes.h"

#include "common/Module1.h"
#include "common/RuntimeError.h"
#include "process/core/ProgramFrame.h"
#include "process/generators/ProcessMenu.h"

#include <vector>

namespace {
// The longest block a generator may write: the deepest circle pocket, ten thousand passes.
constexpr qsizetype kMaxBlock = 4'000'000;

void fill(Module1& m, FuzzBytes& b)
{
    for (double* v :
        {&m.gToolNumber, &m.gV, &m.gF, &m.gU, &m.gW, &m.gD, &m.gL, &m.gC, &m.gB, &m.gSZ, &m.gStartX,
            &m.gStartZ, &m.gStartC, &m.gEndX, &m.gEndZ, &m.gEndC, &m.gSpindleSpeed, &m.gInnerDia,
            &m.gPZero, &m.gJawLength, &m.gJawPlan, &m.gMaterialOD, &m.gMaterialLength})
        *v = b.number();
    // The machine parameters as the settings store keeps them: numbers, or text as stored.
    for (Variant* v : {&m.gHomeX, &m.gHomeZ, &m.gAppX, &m.gAppZ})
        *v = b.flag() ? Variant(b.number()) : Variant(b.text());
    for (Variant* v : {&m.gQCSK500, &m.gDuomill, &m.gBturret, &m.gMeasuer, &m.gPanelChk,
             &m.gAutoDoor, &m.gToolFrom})
        *v = b.flag();
    m.gTG = b.flag();
    m.gLoadMoniter = b.flag();
    m.gTurretType = b.flag() ? 1 : 2;
    const float maxS[] = {2500, 0, -1, 0.5f, 99999, 3.4e38f};
    m.gMaxS = maxS[b.take(1) % 6];
    m.gAtcMacroType = b.flag() ? QStringLiteral("M421") : QStringLiteral("M321");
    m.gSpindleCode = b.flag() ? QStringLiteral(" M03 M63") : QStringLiteral(" M04 M63");
    m.gCoolantCode = b.flag() ? QStringLiteral(" M08") : QStringLiteral(" M09");
}

MaterialFields material(FuzzBytes& b)
{
    MaterialFields f;
    for (int i = 1; i < 10; ++i)
        f.text[i] = b.flag() ? QString::number(b.number(), 'g', 17) : b.text();
    f.gripOutside = b.flag();
    f.subSpindle = b.flag();
    f.tailstock = b.flag();
    f.planDrawing = b.flag();
    return f;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<const ProcessItem*> generators = [] {
        std::vector<const ProcessItem*> list;
        for (const ProcessItem& i : ProcessItems())
            if (i.build)
                list.push_back(&i);
        return list;
    }();
    FuzzBytes b(data, size);
    const size_t choice = size_t(b.take(1)) % (generators.size() + 2);
    Module1 m;
    fill(m, b);
    QString text;
    try {
        const MaterialFields fields = material(b);
        if (b.flag())
            ReadMaterialFields(m, fields);
        if (choice < generators.size()) {
            const ProcessItem& item = *generators[choice];
            if (item.callLine)
                text = item.callLine(m);
            item.build(m);
            text += m.gProcessText;
        } else if (choice == generators.size()) {
            const ProgramFrameText frame = BuildProgramFrame(m);
            text = frame.start + frame.rest;
        } else {
            BuildGraphicData(m, fields);
            text = m.gProcessText;
        }
    } catch (const RuntimeError&) {
        return 0; // reported as one message, nothing inserted
    }
    if (text.size() > kMaxBlock)
        FuzzFailure("block too long", text.left(200));
    CheckNoOddNumber(text);
    return 0;
}
