#include "process/generators/RoughTurningProcesses.h"

#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"

namespace {
const QString kOutsideRange = QStringLiteral(" M41 S");
const QString kInsideRange = QStringLiteral(" M42 S");

// The length-direction roughing cycle and the opening of its shape block.
void addLengthCycle(Module1& m, const QString& shape)
{
    const QString depth = QStringLiteral(" D") + FormatNc(m.gD);
    const QString stockX = QStringLiteral(" U") + FormatNc(m.gU);
    const QString stockZ = QStringLiteral(" W") + FormatNc(m.gW);
    AddLine(m,
        QStringLiteral("N000 G85 ") + shape + depth + stockX + stockZ + QStringLiteral(" F")
            + FormatNc(m.gF));
    AddLine(m, shape + QStringLiteral(" G81"));
}

// The face-direction roughing cycle, L deep a pass, and the opening of its shape block.
void addFaceCycle(Module1& m, const QString& feed)
{
    const QString depth = QStringLiteral(" D") + FormatNc(m.gL);
    AddLine(
        m, QStringLiteral("N000 G85 NAP1") + depth + QStringLiteral(" W") + FormatNc(m.gW) + feed);
    AddLine(m, QStringLiteral("NAP1 G82"));
}

// The rest of the shape block: a diameter from the front face (StartX, StartZ) to the shoulder
// at EndZ, up (outside) or down (inside) to EndX, with a chamfer of C at both corners.
void addDiameterShape(Module1& m, bool inside)
{
    const double chamfer = 2 * m.gC;
    const QString corner = inside ? QStringLiteral(" A-135") : QStringLiteral(" A135");
    AddLine(m,
        QStringLiteral("N000 G00 X")
            + FormatNc(inside ? m.gStartX + (chamfer + 1) : m.gStartX - (chamfer + 1)));
    AddLine(m,
        QStringLiteral("N000 G01 Z") + FormatNc(m.gStartZ + 0.5)
            + (inside ? QStringLiteral(" G41") : QStringLiteral(" G42"))
            + QStringLiteral(" F0.15"));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gStartX) + corner);
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gEndZ));
    AddLine(
        m, QStringLiteral("N000     X") + FormatNc(inside ? m.gEndX + chamfer : m.gEndX - chamfer));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gEndX) + corner);
    AddLine(m, QStringLiteral("N000 G40 K-1"));
    AddLine(m, QStringLiteral("N000 G80"));
}

// From the tool call to the end of the shape block of a diameter turned outside or inside.
void roughDiameter(Module1& m, bool inside)
{
    AddToolCall(m, FormatNc(m.gEndX), 3, inside ? kInsideRange : kOutsideRange);
    AddFirstTurningCut(m, m.gStartZ + 2);
    addLengthCycle(m, inside ? QStringLiteral("NAP3") : QStringLiteral("NAP2"));
    addDiameterShape(m, inside);
}

void finishRoughing(Module1& m, const QString& move)
{
    AddReturn(m, move, FixedSpeedWords(m));
    AddTabLine(m);
}
} // namespace

DialogSetup SetUpGrovOd(const Module1& m)
{
    return DialogSetup(QStringLiteral("UTV.GROV "))
        .label("LabelD", QStringLiteral("Cutting amount"))
        .hideFields({"L", "StartC", "EndC"})
        .fromTable()
        .text("EndX", NumberText(m.gMaterialOD))
        .text("StartZ", QStringLiteral("0"));
}

void BuildGrovOd(Module1& m)
{
    StartTurningProcess(m, QStringLiteral("UTV.GROV"), "1", "55", "3");
    roughDiameter(m, false);
    finishRoughing(m, QStringLiteral("N000 G00 X"));
}

DialogSetup SetUpGrovId(const Module1& m)
{
    return DialogSetup(QStringLiteral(" INV.GROV "))
        .label("LabelD", QStringLiteral("Cutting amount "))
        .hideFields({"L", "StartC", "EndC"})
        .fromTable()
        .text("EndX", NumberText(m.gInnerDia))
        .text("StartZ", QStringLiteral("0"));
}

void BuildGrovId(Module1& m)
{
    StartTurningProcess(m, QStringLiteral(" INV.GROV"), "2", "60", nullptr);
    // The roughed bore is what later inside processes start from.
    m.gInnerDia = DecimalFloor(m.gStartX, 3);
    roughDiameter(m, true);
    // Out of the bore along the axis first.
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    finishRoughing(m, QStringLiteral("N000     X"));
}

DialogSetup SetUpGrovPlan(const Module1& m)
{
    return DialogSetup(QStringLiteral("UTV.PLAN GROV "))
        .label("LabelL", QStringLiteral("PLAN cutting amount "))
        .label("LabelL2", QStringLiteral("Z"))
        .hideFields({"C", "U", "D", "StartC", "EndC"})
        .fromTable()
        .text("StartX", NumberText(m.gMaterialOD))
        .text("StartZ", NumberText(m.gPZero))
        .text("EndX", NumberText(m.gInnerDia))
        .text("EndZ", QStringLiteral("0"));
}

void BuildGrovPlan(Module1& m)
{
    StartTurningProcess(m, QStringLiteral("UTV.GROV PLAN"), "1", "80", "5");
    AddToolCall(m, FormatNc(m.gStartX + 6), 3, kOutsideRange);
    AddFirstTurningCut(m, m.gStartZ);
    addFaceCycle(m, QStringLiteral(" F") + FormatNc(m.gF));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gEndZ));
    AddLine(m, QStringLiteral("N000 G01 X") + FormatNc(m.gStartX) + QStringLiteral(" G41 F0.15"));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gEndX));
    AddLine(m, QStringLiteral("N000 G40 I-1"));
    AddLine(m, QStringLiteral("N000 G80"));
    finishRoughing(m, QStringLiteral("N000 G00 X"));
}

DialogSetup SetUpGrovPlanOd(const Module1& m)
{
    return DialogSetup(QStringLiteral("PLAN UTV.GROV "))
        .label("LabelD", QStringLiteral("Cutting amount"))
        .label("LabelD2", QStringLiteral("X"))
        .label("LabelCZ", QStringLiteral("PLAN end point"))
        .label("LabelSZ", QStringLiteral("X"))
        .label("LabelL", QStringLiteral("PLAN cutting amount"))
        .label("LabelL2", QStringLiteral("Z"))
        .hideFields({"StartC", "EndC"})
        .show({"SZ", "LabelSZ"})
        .fromTable()
        .text("EndX", NumberText(m.gMaterialOD))
        .text("StartZ", QStringLiteral("0"))
        // Facing ends just inside the bore, or at the centre of a solid blank.
        .text("SZ", m.gInnerDia != 0 ? NumberText(m.gInnerDia - 3) : QStringLiteral("0"));
}

void BuildGrovPlanOd(Module1& m)
{
    StartTurningProcess(m, QStringLiteral("UTV.GROV"), "1", "80", "5");
    AddToolCall(m, FormatNc(m.gMaterialOD + 6), 3, kOutsideRange);
    // The face stock and the facing depth compared as typed: a stock of 1.1 - 0.2 equals a depth
    // of 0.9.
    const double faceStock = DecimalFloor(m.gPZero - m.gStartZ, 9);
    const QString faceFeed = QStringLiteral(" F") + FormatNc(m.gF * 0.8);
    if (faceStock <= m.gL) {
        // One facing pass leaving the Z stock.
        AddFirstTurningCut(m, m.gStartZ + m.gW);
        if (m.gSZ != 0)
            AddLine(m, QStringLiteral("N000 G01 X") + FormatNc(m.gSZ) + faceFeed);
        else
            AddFaceToCentre(m, faceFeed);
    } else {
        AddFirstTurningCut(m, m.gPZero);
        addFaceCycle(m, faceFeed);
        AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gStartZ));
        if (m.gSZ == 0)
            AddFaceToCentre(m, QString());
        else
            AddLine(m, QStringLiteral("N000 G01 X") + FormatNc(m.gSZ));
        AddLine(m, QStringLiteral("N000 G80"));
    }
    AddLine(m,
        QStringLiteral("N000 G00 X") + FormatNc(m.gMaterialOD) + QStringLiteral(" Z")
            + FormatNc(m.gStartZ + 2));
    addLengthCycle(m, QStringLiteral("NAP2"));
    addDiameterShape(m, false);
    finishRoughing(m, QStringLiteral("N000 G00 X"));
}
