#include "process/generators/MTapProcesses.h"

#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"
#include "process/generators/InclinedPlane.h"

namespace {
// Pitches of the metric coarse threads, a hint on the feed field (the feed of G178 is the pitch).
const QString kPitchHint = QStringLiteral(
    "M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5 M24=3");

DialogSetup faceOrSideSetUp(const QString& caption)
{
    return DialogSetup(caption)
        .label("LabelU", QStringLiteral("Diameter "))
        .label("LabelU2", QStringLiteral("M"))
        .hideFields({"W"})
        .label("LabelD", QStringLiteral(" thread  angle "))
        .hideFields({"L"})
        .label("LabelC", QStringLiteral(" Tap  number "))
        .label("LabelC2", QStringLiteral("Q"));
}

// The tool data, the ATC ready-request and the tool line `head` after the header; the spindle
// speed is taken at the tool diameter. `length` is the usable length of the tool data.
void startTap(
    Module1& m, const char* kind, double length, const char* head, const QString& bAngle = {})
{
    AddToolData(m, {{"IN", QString::fromLatin1(kind)}, {"FN", QStringLiteral("1")}});
    AddToolData(m, {{"D", FormatNc(m.gU)}, {"L", FormatNc(length)}});
    AppendAtcMTool(m);
    AddMToolCall(m, QString::fromLatin1(head), bAngle);
}

// "(-----< PLAN TAP M10*P1.5 >-----)"
void startThread(Module1& m, const char* work)
{
    m.gSpindleSpeed = SpindleSpeed(m.gV, m.gU);
    StartProcess(m, QString::fromLatin1(work) + " TAP M" + FormatNc(m.gU) + "*P" + FormatNc(m.gF));
}

// G178 drives the tool: the start line has no spindle start.
void addFaceOrSideStart(Module1& m)
{
    AddLine(m,
        {SequenceName(m), " G00 X", FormatNc(m.gAppX), " Z", FormatNc(m.gAppZ),
            " SB=", FormatNc(m.gSpindleSpeed), m.gCoolantCode});
}

// The thread angle when given, the pitch as feed, and the number of taps when given.
QString angleFeedAndCount(Module1& m)
{
    QString words;
    if (m.gD > 0)
        words += QStringLiteral(" D") + FormatNc(m.gD);
    words += QStringLiteral(" F") + FormatNc(m.gF);
    if (m.gC > 0)
        words += QStringLiteral(" Q") + FormatNc(m.gC);
    return words;
}
} // namespace

DialogSetup SetUpMTapPlan(const Module1&)
{
    return faceOrSideSetUp(QStringLiteral("M Tap  PLAN "))
        .hideFields({"EndX", "EndC"})
        .toolTip("F", kPitchHint)
        .fromTable()
        .text("StartZ", QStringLiteral("0"))
        .text("StartC", QStringLiteral("0"));
}

void BuildMTapPlan(Module1& m)
{
    const double length = m.gStartZ - m.gEndZ + 20;
    startThread(m, "PLAN");
    startTap(m, "32", length, "N000 G95 M110");
    addFaceOrSideStart(m);
    AddLine(m,
        {"N000 G178 C", FormatNc(m.gStartC), " X", FormatNc(m.gStartX), " Z", FormatNc(m.gEndZ),
            " K", FormatNc(m.gAppZ.toNumber() - m.gStartZ - 5), angleFeedAndCount(m)});
    AddLine(m, QStringLiteral("N000 G180"));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    AddMToolReturn(m, true, false);
    AddTabLine(m);
}

DialogSetup SetUpMTapSide(const Module1&)
{
    return faceOrSideSetUp(QStringLiteral("M Tap  Side "))
        .hideFields({"EndZ", "EndC"})
        .toolTip("F", kPitchHint)
        .fromTable()
        .text("StartC", QStringLiteral("0"));
}

void BuildMTapSide(Module1& m)
{
    const double length = (m.gStartX - m.gEndX) / 2 + 20;
    startThread(m, "SIDE");
    startTap(m, "31", length, "N000 G95 M110", QStringLiteral("90"));
    addFaceOrSideStart(m);
    AddLine(m,
        {"N000 G178 C", FormatNc(m.gStartC), " X", FormatNc(m.gEndX), " Z", FormatNc(m.gStartZ),
            " I", FormatNc(m.gAppX.toNumber() - m.gStartX - 10), angleFeedAndCount(m), " M136"});
    AddLine(m, QStringLiteral("N000 G180"));
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gAppX));
    AddMToolReturn(m, false, false);
    AddTabLine(m);
}

DialogSetup SetUpMTapSlant(const Module1& m)
{
    DialogSetup setUp = InclinedPlaneSetUp(QStringLiteral("M Tap  Slant "))
                            .label("LabelU", QStringLiteral("Diameter "))
                            .label("LabelU2", QStringLiteral("M"))
                            .hide({"LabelW", "LabelW2", "W"})
                            .hideFields({"D", "L"});
    ZeroShiftFields(setUp, QStringLiteral(" zero  movement  amount "),
        QStringLiteral(" attention :X axis は radius  command です . "));
    PlanePointFields(setUp, QStringLiteral(" master  angle "), QStringLiteral("C"));
    setUp.toolTip("F", kPitchHint).fromTable();
    return PreviousPlane(setUp, m);
}

// EndZ is not shown on the inclined plane and reads 0: the usable length is taken from the
// plane's Y as it stands.
void BuildMTapSlant(Module1& m)
{
    const double length = m.gStartZ - m.gEndZ + 20;
    m.gSpindleSpeed = SpindleSpeed(m.gV, m.gU);
    StartProcess(m, QStringLiteral("SLANT TAP M") + FormatNc(m.gU));
    startTap(m, "32", length, "N000 G95 M110", FormatNc(m.gB));
    AddLine(m, {PlaneStart(m, m.gEndX), m.gCoolantCode});
    AddInclinedPlane(m);
    AddPlaneApproach(m);
    AddLine(m,
        {"N000 G178 X", FormatNc(m.gStartX), " Y", FormatNc(m.gStartZ), " Z", FormatNc(m.gEndC),
            " K", FormatNc(m.gAppZ.toNumber() - m.gStartC - 2), " F", FormatNc(m.gF)});
    AddLeavePlane(m);
    AddMToolReturn(m, false, false);
    AddTabLine(m);
}

DialogSetup SetUpMPlanetTapSlant(const Module1& m)
{
    DialogSetup setUp = InclinedPlaneSetUp(QStringLiteral("Planet Tap Slant "))
                            .label("LabelU", QStringLiteral("Tap diameter "))
                            .label("LabelU2", QStringLiteral("D"))
                            .label("LabelW", QStringLiteral("Master angle "))
                            .label("LabelW2", QStringLiteral("C"));
    ZeroShiftFields(setUp, QStringLiteral("Zero movement amount"),
        QStringLiteral("Attention :X axis is radius."))
        .label("LabelD", QStringLiteral("Thread pitch"))
        .label("LabelD2", QStringLiteral("P"))
        .hideFields({"L"});
    PlanePointFields(setUp, QStringLiteral(" radius "), QStringLiteral("R")).fromTable();
    return PreviousPlane(setUp, m);
}

// A thread mill of diameter gU cuts the thread of radius R = gEndX and pitch P = gD around the
// hole centre (x0, y0) = (gStartX, gStartZ) upwards from the bottom z0 = gEndC: an entry arc of
// radius R - P, two counter-clockwise half turns of radius R under cutter compensation, each
// rising P / 2, and an exit arc of radius R - P; 1.5 P in all. The words of each line are written
// in order, so a value floored in place is floored for the words and lines after it.
void BuildMPlanetTapSlant(Module1& m)
{
    double& r = m.gEndX;
    double& p = m.gD;
    double& x0 = m.gStartX;
    double& y0 = m.gStartZ;
    double& z0 = m.gEndC;
    const double length = m.gStartZ - m.gEndZ + 20;
    m.gSpindleSpeed = SpindleSpeed(m.gV, m.gU);
    StartProcess(m, QStringLiteral("PLANET TAP M") + FormatNc(2 * r) + " P" + FormatNc(p));
    startTap(m, "32", length, "N000 G94 M110", FormatNc(m.gB));
    AddMToolStart(m, {PlaneStart(m, m.gW)});
    AddInclinedPlane(m);
    AddLine(m, QStringLiteral("N000 G17"));
    AddLine(m, {"N000 G00 X", FormatNc(x0), " Y", FormatNc(y0), " Z", FormatNc(m.gAppZ)});
    AddLine(m, {"N000     Z", FormatNc(m.gStartC + 2), " M147"});
    AddLine(m, {"N000 G01 Z", FormatNc(z0), " F=SB*", FormatNc(m.gF * 10)});
    AddLine(m,
        {"N000     X", FormatNc(x0 - p), " Y", FormatNc(y0 + r - p), " F=SB*", FormatNc(m.gF),
            " G41"});
    AddLine(m,
        {"N000 G03 X", FormatNc(x0 - r), " Y", FormatNc(y0), " Z", FormatNc(z0 + 0.25 * p), " L",
            FormatNc(r - p)});
    AddLine(m,
        {"N000     X", FormatNc(x0 + r), " Y", FormatNc(y0), " Z", FormatNc(z0 + 0.75 * p), " L",
            FormatNc(r)});
    AddLine(m,
        {"N000     X", FormatNc(x0 - r), " Y", FormatNc(y0), " Z", FormatNc(z0 + 1.25 * p), " L",
            FormatNc(r)});
    AddLine(m,
        {"N000     X", FormatNc(x0 - p), " Y", FormatNc(y0 - r + p), " Z", FormatNc(z0 + 1.5 * p),
            " L", FormatNc(r - p)});
    AddLine(
        m, {"N000 G01 X", FormatNc(x0), " Y", FormatNc(y0), " F=SB*", FormatNc(m.gF * 10), " G40"});
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    AddLine(m, QStringLiteral("N000 G126 M146"));
    AddLine(m, QStringLiteral("N000 G175"));
    AddLine(m, QStringLiteral("N000 G136"));
    AddMToolReturn(m, false);
    AddTabLine(m);
}
