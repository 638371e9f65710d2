#include "process/generators/GrooveProcesses.h"

#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"

namespace {
DialogSetup grooveSetUp(const QString& caption, const QString& widthCaption,
    const QString& widthLetter, const QString& attention)
{
    return DialogSetup(caption)
        .hideFields({"StartC", "EndC"})
        .label("LabelL", widthCaption)
        .label("LabelL2", widthLetter)
        .label("LabelAttn", attention);
}

DialogSetup sideGrooveSetUp(const QString& caption)
{
    return grooveSetUp(caption, QStringLiteral("Tool width "), QStringLiteral("K"),
        QStringLiteral("Attention :Reference point Z-axis is negative."));
}

// The offsets of the two insert edges. The tool call selects the first edge with its six-digit T
// word (offset, tool and nose-radius offset, two digits each: T050505); the second edge has the
// offset and nose-radius offset 20 above. The cycle block names only the second edge's offset
// (T25). Tool groups name the edges by their group offsets instead.
QString secondEdgeCycleWord(const Module1& m)
{
    return m.gTG ? QStringLiteral(" OG=2") : QStringLiteral(" T") + FormatNc(m.gToolNumber + 20);
}

QString secondEdgeWord(const Module1& m)
{
    return m.gTG ? QStringLiteral(" OG=2")
                 : QStringLiteral(" T") + FormatNc(m.gToolNumber * 10101 + 200020);
}

QString firstEdgeWord(const Module1& m)
{
    return m.gTG ? QStringLiteral(" OG=1") : QStringLiteral(" T") + FormatNc(m.gToolNumber * 10101);
}

// The speed at the groove's reference diameter; without a usable one the previous speed stays.
void grooveSpeed(Module1& m, bool computed, double diameter)
{
    if (computed)
        m.gSpindleSpeed = SpindleSpeed(m.gV, diameter);
}

// Header, tool data and ATC ready-request. The inside grooving bar also gets its diameter and the
// length it needs to reach the groove bottom.
void startGroove(Module1& m, const QString& name, const char* kind, bool inside)
{
    StartProcess(m, name);
    AddToolData(m,
        {{"IN", QString::fromLatin1(kind)}, {"FN", QStringLiteral("1")},
            {"A1", QStringLiteral("180")}});
    if (inside)
        AddToolData(m,
            {{"D", QStringLiteral("20")}, {"W", FormatNc(m.gL)},
                {"L", FormatNc(m.gStartZ - m.gEndZ + 20)}});
    else
        AddToolData(m, {{"W", FormatNc(m.gL)}, {"L", QStringLiteral("40")}});
    AppendAtcLTool(m);
}

void toolCall(Module1& m, const QString& x, const QString& z)
{
    AddLine(m,
        QStringLiteral("N000 G00 X") + x + QStringLiteral(" Z") + z + ToolWord(m, 3)
            + QStringLiteral(" M42 S") + FormatNc(m.gSpindleSpeed) + m.gSpindleCode
            + m.gCoolantCode);
}

QString speedReturnWords(Module1& m)
{
    return QStringLiteral(" G97 S") + FormatNc(m.gSpindleSpeed) + QStringLiteral(" M63");
}

QString feedWord(Module1& m)
{
    return QStringLiteral(" F") + FormatNc(m.gF);
}

// The cut of an outside or inside groove: the grooving cycle plunging toward the axis (outside) or
// away from it (inside), then one pass along each wall. Between the passes the tool stands 2 mm
// (in radius) outside the groove mouth; each pass starts 0.5 mm outside it, beyond the chamfer.
void addSideGrooveCut(Module1& m, bool inside)
{
    const double side = inside ? -1 : 1;
    const QString clear = FormatNc(m.gStartX + 4 * side);
    AddLine(m, QStringLiteral("N000 G96 S") + FormatNc(m.gV));
    AddLine(m,
        QStringLiteral("N000 G73 X") + FormatNc(m.gEndX + m.gU * side) + QStringLiteral(" Z")
            + FormatNc(m.gEndZ - m.gW) + QStringLiteral(" D") + FormatNc(m.gD)
            + QStringLiteral(" K") + FormatNc(m.gL - 0.5) + feedWord(m) + secondEdgeCycleWord(m));
    const QString entry = FormatNc(m.gStartX + side);
    const QString leave = inside ? QStringLiteral(" G40 I1") : QStringLiteral(" G40 I-1");
    // Near wall with the first edge, entering over the chamfer.
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gStartZ - m.gC - 0.5));
    AddLine(m,
        QStringLiteral("N000 G01 X") + entry
            + (inside ? QStringLiteral(" G42 F0.3") : QStringLiteral(" G41 F0.3")));
    AddLine(m,
        QStringLiteral("N000     Z") + FormatNc(m.gStartZ)
            + (inside ? QStringLiteral(" A45") : QStringLiteral(" A-45")) + feedWord(m));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gEndX) + leave);
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gStartZ + m.gW));
    AddLine(m, QStringLiteral("N000 G00 X") + clear);
    // Far wall with the second edge.
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gEndZ + m.gC + 0.5) + secondEdgeWord(m));
    AddLine(m,
        QStringLiteral("N000 G01 X") + entry
            + (inside ? QStringLiteral(" G41 F0.3") : QStringLiteral(" G42 F0.3")));
    AddLine(m,
        QStringLiteral("N000     Z") + FormatNc(m.gEndZ)
            + (inside ? QStringLiteral(" A135") : QStringLiteral(" A-135")) + feedWord(m));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gEndX) + leave);
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gStartZ + m.gW) + firstEdgeWord(m));
}
} // namespace

DialogSetup SetUpGroovePlan(const Module1&)
{
    return grooveSetUp(QStringLiteral("PLAN Groove "), QStringLiteral(" tool  width "),
        QStringLiteral("W"), QStringLiteral("Attention : reference point X axis diameter."));
}

void BuildGroovePlan(Module1& m)
{
    grooveSpeed(m, m.gV > 0 && m.gStartX > 0, m.gStartX);
    startGroove(m, QStringLiteral("UTV.GROOVE PLAN"), "21", false);
    toolCall(m, FormatNc(m.gStartX + m.gU), FormatNc(m.gAppZ));
    AddLine(m,
        SequenceName(m) + QStringLiteral("     Z") + FormatNc(m.gStartZ + 2)
            + QStringLiteral(" G96 S") + FormatNc(m.gV));
    AddLine(m,
        QStringLiteral("N000 G74 X") + FormatNc(m.gEndX - m.gU) + QStringLiteral(" Z")
            + FormatNc(m.gEndZ + m.gW) + QStringLiteral(" D") + FormatNc(m.gD)
            + QStringLiteral(" I") + FormatNc(m.gL - 0.5) + feedWord(m) + secondEdgeCycleWord(m));
    // Near wall with the first edge, entering over the chamfer.
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gStartX - 2 * (m.gC + 0.5)));
    AddLine(
        m, QStringLiteral("N000 G01 Z") + FormatNc(m.gStartZ + 0.5) + QStringLiteral(" G42 F0.3"));
    AddLine(m,
        QStringLiteral("N000     X") + FormatNc(m.gStartX) + QStringLiteral(" A135") + feedWord(m));
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gEndZ) + QStringLiteral(" G40 K-1"));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gStartX + m.gU));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gStartZ + 2));
    // Far wall with the second edge.
    AddLine(
        m, QStringLiteral("N000     X") + FormatNc(m.gEndX + 2 * (m.gC + 0.5)) + secondEdgeWord(m));
    AddLine(
        m, QStringLiteral("N000 G01 Z") + FormatNc(m.gStartZ + 0.5) + QStringLiteral(" G41 F0.3"));
    AddLine(m,
        QStringLiteral("N000     X") + FormatNc(m.gEndX) + QStringLiteral(" A-135") + feedWord(m));
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gEndZ) + QStringLiteral(" G40 K-1"));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gStartX + m.gU) + firstEdgeWord(m));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    AddReturn(m, QStringLiteral("N000     X"), speedReturnWords(m));
    AddTabLine(m);
}

DialogSetup SetUpGrooveOd(const Module1&)
{
    return sideGrooveSetUp(QStringLiteral("UTV.Groove "));
}

void BuildGrooveOd(Module1& m)
{
    grooveSpeed(m, m.gV > 0, m.gStartX + 4);
    startGroove(m, QStringLiteral("UTV.GROOVE"), "19", false);
    toolCall(m, FormatNc(m.gAppX), FormatNc(m.gStartZ + m.gW));
    AddLine(m, SequenceName(m) + QStringLiteral("     X") + FormatNc(m.gStartX + 4));
    addSideGrooveCut(m, false);
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gAppX) + speedReturnWords(m));
    AddReturnAfterRetract(m);
    AddTabLine(m);
}

DialogSetup SetUpGrooveId(const Module1&)
{
    return sideGrooveSetUp(QStringLiteral(" INV.Groove "));
}

void BuildGrooveId(Module1& m)
{
    grooveSpeed(m, m.gV > 0, m.gStartX - 4);
    startGroove(m, QStringLiteral(" INV.GROOVE"), "20", true);
    toolCall(m, FormatNc(m.gStartX - 4), FormatNc(m.gAppZ));
    AddLine(m, SequenceName(m) + QStringLiteral("     Z") + FormatNc(m.gStartZ + m.gW));
    addSideGrooveCut(m, true);
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gStartX - 4));
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gAppZ) + speedReturnWords(m));
    AddReturn(m, QStringLiteral("N000     X"));
    AddTabLine(m);
}
