#include "process/generators/FinishingProcesses.h"

#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"

namespace {
const QString kRange = QStringLiteral(" M42 S");

// The finishing dialog asks for the tool, the speed, the stock to remove and the start point.
DialogSetup finishingSetUp(const QString& caption)
{
    return DialogSetup(caption)
        .hideFields({"F", "D", "L", "C", "StartC", "EndX", "EndZ", "EndC"})
        .label("LabelEnd", QString())
        .hide({"EndZ2"});
}

// The finishing cycle over a shape block; a stock of 0 or less leaves its word out.
void addFinishingCycle(Module1& m, const char* shape)
{
    QString line = QStringLiteral("N000 G87 ") + QLatin1String(shape);
    if (m.gU > 0)
        line += QStringLiteral(" U") + FormatNc(m.gU);
    if (m.gW > 0)
        line += QStringLiteral(" W") + FormatNc(m.gW);
    AddLine(m, line);
}

// The opening and the finishing cycle over `shape`, for the members without a face pass: the
// approach at approachX, then to 2 before the face.
void finishShape(Module1& m, const QString& name, const char* kind, const char* angle,
    const char* a2, double approachX, const char* shape)
{
    StartTurningProcess(m, name, kind, angle, a2);
    AddToolCall(m, FormatNc(approachX), 3, kRange);
    AddFirstTurningCut(m, m.gStartZ + 2);
    addFinishingCycle(m, shape);
}

// Out to the approach diameter at a fixed speed, then home (or the Duomill's G21 return).
void addReturnOverApproach(Module1& m)
{
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gAppX) + FixedSpeedWords(m));
    if (IsDuomill(m))
        AddLine(m, QStringLiteral("N000 G21 HP=4 M05 M63 M09"));
    else
        AddLine(m,
            QStringLiteral("N000     X") + FormatNc(m.gHomeX) + QStringLiteral(" Z")
                + FormatNc(m.gHomeZ));
    AddTabLine(m);
}
} // namespace

DialogSetup SetUpFinOd(const Module1&)
{
    return finishingSetUp(QStringLiteral("UTV.FIN "));
}

void BuildFinOd(Module1& m)
{
    finishShape(m, QStringLiteral("UTV.FIN"), "7", "55", "5", m.gStartX + 4, "NAP2");
    addReturnOverApproach(m);
}

DialogSetup SetUpFinId(const Module1& m)
{
    return finishingSetUp(QStringLiteral(" INV.FIN "))
        .fromTable()
        .text("StartX", NumberText(m.gInnerDia))
        .text("StartZ", QStringLiteral("0"));
}

void BuildFinId(Module1& m)
{
    finishShape(m, QStringLiteral(" INV.FIN"), "8", "60", nullptr, m.gStartX, "NAP3");
    // Off the bore wall before leaving the bore along the axis.
    AddLine(m, QStringLiteral("N000 G01 X-1 G91"));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ) + QStringLiteral(" G90"));
    AddReturn(m, QStringLiteral("N000     X"), FixedSpeedWords(m));
    AddTabLine(m);
}

DialogSetup SetUpFinPlan(const Module1&)
{
    return finishingSetUp(QStringLiteral("UTV.  PLAN  FIN "));
}

void BuildFinPlan(Module1& m)
{
    finishShape(m, QStringLiteral("UTV.FIN PLAN"), "7", "55", "5", m.gStartX + 4, "NAP1");
    AddReturn(m, QStringLiteral("N000 G00 X"), FixedSpeedWords(m));
    AddTabLine(m);
}

DialogSetup SetUpFinPlanOd(const Module1& m)
{
    // The feed and the end diameter of the face pass are asked besides the finishing fields.
    return DialogSetup(QStringLiteral("PLAN UTV. FIN "))
        .hideFields({"D", "L", "C", "StartC", "EndZ", "EndC"})
        .label("LabelC", QStringLiteral("PLAN "))
        .hide({"EndZ2"})
        .fromTable()
        .text("EndX", NumberText(m.gInnerDia))
        .text("StartZ", QStringLiteral("0"));
}

void BuildFinPlanOd(Module1& m)
{
    StartTurningProcess(m, QStringLiteral("UTV.FIN"), "7", "55", "5");
    AddToolCall(m, FormatNc(m.gStartX + 4), 3, kRange);
    AddFirstTurningCut(m, m.gStartZ);
    const QString feed = QStringLiteral(" F") + FormatNc(m.gF);
    if (m.gEndX == 0)
        AddFaceToCentre(m, feed);
    else
        AddLine(m, QStringLiteral("N000 G01 X") + FormatNc(m.gEndX) + feed);
    // Away from the face just cut: 2 above the end Z (the field is not asked, so Z2), or 2 above
    // the face where that lies at Z2 or higher, which a rapid move to Z2 would cut into.
    double retract = m.gEndZ + 2;
    if (retract <= m.gStartZ)
        retract = m.gStartZ + 2;
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(retract));
    addFinishingCycle(m, "NAP2");
    addReturnOverApproach(m);
}
