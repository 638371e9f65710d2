#include "process/generators/MDrillProcesses.h"

#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"
#include "process/generators/InclinedPlane.h"

namespace {
// Tap-drill diameters of the metric coarse threads, a hint on the diameter field.
const QString kTapDrillHint
    = QStringLiteral("M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3");

DialogSetup& drillFields(DialogSetup& setUp, const QString& diameterCaption)
{
    return setUp.label("LabelU", diameterCaption)
        .label("LabelU2", QStringLiteral("D"))
        .label("LabelW", QStringLiteral("End point dwell "))
        .label("LabelW2", QStringLiteral("E"));
}

DialogSetup& holeNumber(DialogSetup& setUp)
{
    return setUp.label("LabelC", QStringLiteral("Hole number "))
        .label("LabelC2", QStringLiteral("Q"));
}

// The header, the tool data, the ATC ready-request and the tool line; the spindle speed is taken
// at the drill diameter. `length` is the usable length of the tool data.
void startMDrill(
    Module1& m, const char* work, const char* kind, double length, const QString& bAngle = {})
{
    m.gSpindleSpeed = SpindleSpeed(m.gV, m.gU);
    StartProcess(m, QLatin1String(work) + QStringLiteral(" DRILL D") + FormatNc(m.gU));
    AddToolData(m,
        {{"IN", QString::fromLatin1(kind)}, {"FN", QStringLiteral("1")},
            {"A1", QStringLiteral("118")}});
    AddToolData(m, {{"D", FormatNc(m.gU)}, {"L", FormatNc(length)}});
    AppendAtcMTool(m);
    AddMToolCall(m, QStringLiteral("N000 G94 M110"), bAngle);
}

// G181 drills in one go; pecks or a dwell at the bottom need G183.
QString cycleCode(const Module1& m)
{
    return m.gD == 0 && m.gW == 0 ? QStringLiteral("N000 G181") : QStringLiteral("N000 G183");
}

// The peck depth, the second peck value and the dwell, each when given; then the feed.
QString peckDwellAndFeed(Module1& m)
{
    QString words;
    if (m.gD > 0)
        words += QStringLiteral(" D") + FormatNc(m.gD);
    if (m.gL > 0)
        words += QStringLiteral(" L") + FormatNc(m.gL);
    if (m.gW > 0)
        words += QStringLiteral(" E") + FormatNc(m.gW);
    return words + QStringLiteral(" F=SB*") + FormatNc(m.gF);
}

// One hole needs no count.
QString holeCount(Module1& m)
{
    return m.gC > 1 ? QStringLiteral(" Q") + FormatNc(m.gC) : QString();
}

void addFaceOrSideStart(Module1& m)
{
    AddMToolStart(m,
        {SequenceName(m), " G00 X", FormatNc(m.gAppX), " Z", FormatNc(m.gAppZ),
            " SB=", FormatNc(m.gSpindleSpeed)});
}
} // namespace

DialogSetup SetUpMDrillPlan(const Module1&)
{
    DialogSetup setUp(QStringLiteral("M Drill PLAN "));
    drillFields(setUp, QStringLiteral("Drill diameter "));
    return holeNumber(setUp).hideFields({"EndX", "EndC"}).toolTip("U", kTapDrillHint).fromTable();
}

void BuildMDrillPlan(Module1& m)
{
    startMDrill(m, "PLAN", "28", m.gStartZ - m.gEndZ + 20);
    addFaceOrSideStart(m);
    AddLine(m,
        {cycleCode(m), " C", FormatNc(m.gStartC), " X", FormatNc(m.gStartX), " Z",
            FormatNc(m.gEndZ), " K", FormatNc(m.gAppZ.toNumber() - m.gStartZ - 2),
            peckDwellAndFeed(m), holeCount(m)});
    AddLine(m, QStringLiteral("N000 G180"));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    AddMToolReturn(m, true);
    AddTabLine(m);
}

DialogSetup SetUpMDrillSide(const Module1&)
{
    DialogSetup setUp(QStringLiteral("M Drill  Side "));
    drillFields(setUp, QStringLiteral("Drill diameter"));
    return holeNumber(setUp)
        .hideFields({"EndZ"})
        .label("EndZ2", QString())
        .hideFields({"EndC"})
        .toolTip("U", kTapDrillHint)
        .fromTable();
}

void BuildMDrillSide(Module1& m)
{
    startMDrill(m, "SIDE", "27", (m.gStartX - m.gEndX) / 2 + 20, QStringLiteral("90"));
    addFaceOrSideStart(m);
    AddLine(m,
        {cycleCode(m), " C", FormatNc(m.gStartC), " X", FormatNc(m.gEndX), " Z",
            FormatNc(m.gStartZ), " I", FormatNc(m.gAppX.toNumber() - m.gStartX - 4),
            peckDwellAndFeed(m), holeCount(m), " M136"});
    AddLine(m, QStringLiteral("N000 G180"));
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gAppX));
    AddMToolReturn(m, false);
    AddTabLine(m);
}

DialogSetup SetUpMDrillSlant(const Module1& m)
{
    DialogSetup setUp = InclinedPlaneSetUp(QStringLiteral("M Drill Slant "));
    drillFields(setUp, QStringLiteral("Drill diameter "));
    ZeroShiftFields(setUp, QStringLiteral("Zero movement amount "),
        QStringLiteral("Attention :X axis is radius command."));
    PlanePointFields(setUp, QStringLiteral(" master  angle "), QStringLiteral("C"));
    setUp.toolTip("U", kTapDrillHint).fromTable();
    return PreviousPlane(setUp, m);
}

// EndZ is not shown on the inclined plane and reads 0: the usable length is taken from the
// plane's Y as it stands.
void BuildMDrillSlant(Module1& m)
{
    startMDrill(m, "SLANT", "28", m.gStartZ - m.gEndZ + 20, FormatNc(m.gB));
    AddMToolStart(m, {PlaneStart(m, m.gEndX)});
    AddInclinedPlane(m);
    AddPlaneApproach(m);
    AddLine(m,
        {cycleCode(m), " X", FormatNc(m.gStartX), " Y", FormatNc(m.gStartZ), " Z",
            FormatNc(m.gEndC), " K", FormatNc(m.gAppZ.toNumber() - m.gStartC - 2),
            peckDwellAndFeed(m)});
    AddLeavePlane(m);
    AddMToolReturn(m, false);
    AddTabLine(m);
}
