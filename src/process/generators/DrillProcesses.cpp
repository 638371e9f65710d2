#include "process/generators/DrillProcesses.h"

#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"

namespace {
DialogSetup drillSetUp(const Module1& m, const QString& caption, const QString& diameterCaption)
{
    return DialogSetup(caption)
        .label("LabelU", diameterCaption)
        .label("LabelD2", QStringLiteral("D"))
        .hideFields({"C", "W", "StartX", "StartC", "EndX", "EndC"})
        .fromTable()
        .text("StartZ", NumberText(m.gPZero));
}

// Everything up to the tool call, the same for both drills: the drill diameter becomes the
// bore the inside processes start from, and the spindle speed is taken at the drill diameter.
void startDrill(Module1& m, const char* kind, const char* angle)
{
    FormatNc(m.gU);
    m.gInnerDia = m.gU;
    m.gSpindleSpeed = SpindleSpeed(m.gV, m.gU);
    StartProcess(m, QStringLiteral("DRILL D") + FormatNc(m.gU));
    AddToolData(m,
        {{"IN", QString::fromLatin1(kind)}, {"FN", QStringLiteral("1")},
            {"A1", QString::fromLatin1(angle)}});
    AddToolData(m, {{"D", FormatNc(m.gU)}, {"L", FormatNc((m.gStartZ - m.gEndZ) + 20)}});
    AppendAtcLTool(m);
    AddToolCall(m, QStringLiteral("0"), 2, QStringLiteral(" M42 S"));
}
} // namespace

DialogSetup SetUpDrillHss(const Module1& m)
{
    return drillSetUp(m, QStringLiteral("Hss Drill "), QStringLiteral("Drill diameter "));
}

void BuildDrillHss(Module1& m)
{
    startDrill(m, "22", "118");
    const double k = (m.gAppZ.toNumber() - m.gStartZ) - 3;
    // Without a peck depth the peck is longer than the hole: one plunge.
    const QString peck
        = m.gD > 0 ? FormatNc(m.gD) : FormatNc(DecimalFloor((m.gStartZ - m.gEndZ) + 4, 0));
    QString cycle = SequenceName(m) + QStringLiteral(" G74 X0 Z") + FormatNc(m.gEndZ)
        + QStringLiteral(" K") + FormatNc(k) + QStringLiteral(" D") + peck;
    if (m.gL > 0)
        cycle += QStringLiteral(" L") + FormatNc(m.gL);
    AddLine(m, cycle + QStringLiteral(" F") + FormatNc(m.gF));
    AddReturn(m, QStringLiteral("N000 G00 X"));
    AddTabLine(m);
}

DialogSetup SetUpDrillU(const Module1& m)
{
    return drillSetUp(m, QStringLiteral("Corbyte Drill "), QStringLiteral(" Drill  diameter "))
        .label("LabelD", QStringLiteral("App."))
        .label("LabelL", QStringLiteral("Thre"));
}

void BuildDrillU(Module1& m)
{
    startDrill(m, "23", "180");
    AddLine(m, SequenceName(m) + QStringLiteral("     Z") + FormatNc(m.gStartZ + 3));
    const QString feed = QStringLiteral(" F") + FormatNc(m.gF);
    const QString halfFeed = QStringLiteral(" F") + FormatNc(m.gF * 0.5);
    // Half feed over the entry length D and the breakthrough length L, full feed between.
    QString move = QStringLiteral("N000 G01 Z");
    if (m.gD > 0) {
        AddLine(m, move + FormatNc(m.gStartZ - m.gD) + halfFeed);
        move = QStringLiteral("N000     Z");
    }
    if (m.gL > 0) {
        AddLine(m, move + FormatNc(m.gEndZ + m.gL) + feed);
        AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gEndZ) + halfFeed);
    } else {
        AddLine(m, move + FormatNc(m.gEndZ) + feed);
    }
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    AddReturn(m, QStringLiteral("N000     X"));
    AddTabLine(m);
}
