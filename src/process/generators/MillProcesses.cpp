#include "process/generators/MillProcesses.h"

#include "process/generators/InclinedPlane.h"

#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "common/RuntimeError.h"
#include "process/core/ProcessBlock.h"

namespace {
enum class Plane { Plan, Side, Slant };

bool beforeK500(const Module1& m)
{
    return !m.gQCSK500.toBool();
}

// Before K500 the M62 that follows the start of the rotating tool rides on the approach line.
QString m62Word(const Module1& m)
{
    return beforeK500(m) ? QStringLiteral(" M62") : QString();
}

// The slant members carry their M62 on a line of its own.
void addM62Line(Module1& m)
{
    if (beforeK500(m))
        AddLine(m, QStringLiteral("N000     M62"));
}

// Spindle speed, header (the title and the size of the work), tool data, ATC ready-request and
// tool call, the same for all six. The speed is taken at the end-mill diameter as typed, before
// the block is written.
void startMill(Module1& m, Plane plane, const char* title, double size, bool toolData = true)
{
    m.gSpindleSpeed = SpindleSpeed(m.gV, m.gU);
    StartProcess(m, QLatin1String(title) + FormatNc(size));
    if (toolData) {
        const bool side = plane == Plane::Side;
        AddToolData(m,
            {{"IN", side ? QStringLiteral("35") : QStringLiteral("36")},
                {"FN", QStringLiteral("1")}});
        const double length = side ? (m.gStartX - m.gEndX) / 2 + 20 : (m.gStartZ - m.gEndZ) + 20;
        AddToolData(m, {{"D", FormatNc(m.gU)}, {"L", FormatNc(length)}});
    }
    AppendAtcMTool(m);
    QString toolLine = QStringLiteral("N000 G94 M110") + ToolWord(m, 3);
    if (IsDuomill(m) && plane == Plane::Side)
        toolLine += QStringLiteral(" G52 BA=90 M66");
    else if (IsDuomill(m) && plane == Plane::Slant)
        toolLine += QStringLiteral(" G52 BA=") + FormatNc(m.gB) + QStringLiteral(" M66");
    AddLine(m, toolLine);
}

// "NT05 G00" + the C word + the approach and the start of the rotating tool.
void addStartLine(Module1& m, const QString& cWord)
{
    AddLine(m,
        SequenceName(m) + QStringLiteral(" G00") + cWord + QStringLiteral(" X") + FormatNc(m.gAppX)
            + QStringLiteral(" Z") + FormatNc(m.gAppZ) + QStringLiteral(" SB=")
            + FormatNc(m.gSpindleSpeed) + MToolStartWords(m));
}

QString feedWord(Module1& m)
{
    return QStringLiteral(" F=SB*") + FormatNc(m.gF);
}

// The end of the key-way cycle line: the infeed feed, the feed and the count of key ways.
QString keyWayTail(Module1& m)
{
    QString tail = QStringLiteral(" E") + FormatNc(m.gW) + feedWord(m);
    if (m.gC > 0)
        tail += QStringLiteral(" Q") + FormatNc(m.gC);
    return tail + QStringLiteral(" M211 M213");
}

// The face and the circumference are the same work with X and Z exchanged: the face is
// approached in X and cut in Z, the circumference approached in Z and cut in X.
struct Axes
{
    QString across; // the approach axis, "X" on the face
    QString down; // the cutting axis, "Z" on the face
};

Axes axesOf(Plane plane)
{
    if (plane == Plane::Side)
        return {QStringLiteral("Z"), QStringLiteral("X")};
    return {QStringLiteral("X"), QStringLiteral("Z")};
}

// A key way by the cycle G190; its start distance is K (in Z) on the face, I (in X) on the
// circumference, and the finishing stock takes the letter of the cutting axis's stock, W or U.
void buildKeyWay(Module1& m, Plane plane)
{
    const bool side = plane == Plane::Side;
    const Axes axes = axesOf(plane);
    startMill(m, plane, side ? "SIDE KEY W" : "PLAN KEY W", m.gU);
    addStartLine(m, QString());
    AddLine(m,
        QStringLiteral("N000     ") + axes.across + FormatNc(side ? m.gStartZ : m.gStartX)
            + m62Word(m));
    QString cycle = QStringLiteral("N000 G190 C") + FormatNc(m.gStartC) + QStringLiteral(" X")
        + FormatNc(m.gEndX) + QStringLiteral(" Z") + FormatNc(m.gEndZ);
    if (side)
        cycle += QStringLiteral(" I") + FormatNc((m.gAppX.toNumber() - m.gStartX) - 4);
    else
        cycle += QStringLiteral(" K") + FormatNc((m.gAppZ.toNumber() - m.gStartZ) - 2);
    if (m.gL > 0)
        cycle += (side ? QStringLiteral(" U") : QStringLiteral(" W")) + FormatNc(m.gL);
    AddLine(m, cycle + keyWayTail(m));
    AddLine(m, QStringLiteral("N000 G180"));
    AddLine(m, QStringLiteral("N000 G00 ") + axes.down + FormatNc(side ? m.gAppX : m.gAppZ));
    AddMToolReturn(m, false);
    AddTabLine(m);
}

// A slot: a plunge with the C axis clamped, then the C axis unclamped and the move to the end.
void buildSlot(Module1& m, Plane plane)
{
    const bool side = plane == Plane::Side;
    const Axes axes = axesOf(plane);
    startMill(m, plane, side ? "SIDE ENDMILL D" : "PLAN ENDMILL D", m.gU);
    addStartLine(m, QStringLiteral(" C") + FormatNc(m.gStartC));
    AddLine(m,
        QStringLiteral("N000     ") + axes.across + FormatNc(side ? m.gStartZ : m.gStartX)
            + m62Word(m));
    AddLine(m,
        QStringLiteral("N000     ") + axes.down + FormatNc(side ? m.gStartX + 4 : m.gStartZ + 2));
    AddLine(m,
        QStringLiteral("N000 G01 ") + axes.down + FormatNc(side ? m.gEndX : m.gEndZ)
            + QStringLiteral(" M147") + feedWord(m));
    AddLine(m,
        QStringLiteral("N000 G101 C") + FormatNc(m.gEndC) + u' ' + axes.across
            + FormatNc(side ? m.gEndZ : m.gEndX) + QStringLiteral(" M146"));
    AddLine(m, QStringLiteral("N000 G00 ") + axes.down + FormatNc(side ? m.gAppX : m.gAppZ));
    // On the face the Duomill return first leaves the work in X.
    if (IsDuomill(m) && !side)
        AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gAppX));
    AddMToolReturn(m, false);
    AddTabLine(m);
}

DialogSetup keyWaySetUp(const QString& caption, bool side)
{
    return DialogSetup(caption)
        .label("LabelU", QStringLiteral("Endmill diameter "))
        .label("LabelU2", QStringLiteral("D"))
        .label("LabelC", side ? QStringLiteral("Key number") : QStringLiteral("Key number "))
        .label("LabelC2", QStringLiteral("Q"))
        .label("LabelW", QStringLiteral("Infeed speed "))
        .label("LabelW2", QStringLiteral("E"))
        .label("LabelL", QStringLiteral("FIN stock"))
        .label("LabelL2", side ? QStringLiteral("U") : QStringLiteral("W"))
        .label("LabelD", QStringLiteral("Cutting amount "))
        .label("LabelEndC", QString())
        .hide({"EndC"})
        .fromTable();
}

DialogSetup millSetUp(const QString& caption, const QString& diameterCaption)
{
    return DialogSetup(caption)
        .label("LabelU", diameterCaption)
        .label("LabelU2", QStringLiteral("D"))
        .hideFields({"C", "D", "W", "L"})
        .fromTable();
}

// The fields the slant members take over from the previous accepted dialog.
DialogSetup& carryOverSlantFields(DialogSetup& setUp, const Module1& m)
{
    return setUp.text("B", NumberText(m.gB)).text("C", QString()).text("SZ", NumberText(m.gSZ));
}
} // namespace

DialogSetup SetUpMKeyPlan(const Module1&)
{
    return keyWaySetUp(QStringLiteral("M Key way PLAN "), false);
}

void BuildMKeyPlan(Module1& m)
{
    buildKeyWay(m, Plane::Plan);
}

DialogSetup SetUpMKeySide(const Module1&)
{
    return keyWaySetUp(QStringLiteral("M Key way Side "), true);
}

void BuildMKeySide(Module1& m)
{
    buildKeyWay(m, Plane::Side);
}

DialogSetup SetUpMKeySlant(const Module1& m)
{
    DialogSetup setUp
        = DialogSetup(QStringLiteral("M Key way Slant "))
              .show({"LabelB", "LabelB2", "B"})
              .label("LabelU", QStringLiteral("Endmill diameter "))
              .label("LabelU2", QStringLiteral("D"))
              .label("LabelD", QStringLiteral("Cutting amount "))
              .label("LabelW", QStringLiteral("Cutting speed "))
              .label("LabelW2", QStringLiteral("E"))
              .label("LabelL", QStringLiteral("FIN stock"))
              .label("LabelL2", QStringLiteral("U"))
              .label("LabelC", QStringLiteral("Zero movement amount"))
              .label("LabelC2", QStringLiteral("X"))
              .label("LabelCZ", QStringLiteral("Zero movement amount"))
              .label("LabelAttn", QStringLiteral("Attention :X axis is radius command."))
              .show({"LabelSZ", "SZ"})
              .label("LabelStartZ", QStringLiteral("Y"))
              .label("LabelStartC", QStringLiteral("Z"))
              .label("LabelEnd", QStringLiteral("End point"))
              .label("LabelEndX", QStringLiteral("X"))
              .label("LabelEndZ", QStringLiteral("Y"))
              .label("LabelEndC", QStringLiteral("Z"))
              .fromTable();
    return carryOverSlantFields(setUp, m);
}

void BuildMKeySlant(Module1& m)
{
    // The slant key way writes no tool data, whatever gToolFrom says.
    startMill(m, Plane::Slant, "SLANT KEY W", m.gU, false);
    addStartLine(m, QStringLiteral(" C0"));
    addM62Line(m);
    AddInclinedPlane(m);
    AddLine(m,
        QStringLiteral("N000 G00  X") + FormatNc(m.gStartX) + QStringLiteral(" Y")
            + FormatNc(m.gStartZ) + QStringLiteral(" Z") + FormatNc(m.gAppZ));
    AddLine(m, QStringLiteral("N000      Z") + FormatNc(m.gStartC + 2));
    QString cycle = QStringLiteral("N000 G190 X") + FormatNc(m.gEndX) + QStringLiteral(" Y")
        + FormatNc(m.gEndZ) + QStringLiteral(" Z") + FormatNc(m.gEndC) + QStringLiteral(" K0");
    if (m.gL > 0)
        cycle += QStringLiteral(" W") + FormatNc(m.gL);
    AddLine(m,
        cycle + QStringLiteral(" E=SB*") + FormatNc(m.gW) + feedWord(m)
            + QStringLiteral(" M211 M213"));
    AddLine(m, QStringLiteral("N000 G180"));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    for (const char* line : {"N000 G175", "N000 G126", "N000 G136"})
        AddLine(m, QString::fromLatin1(line));
    AddMToolReturn(m, false);
    AddTabLine(m);
}

DialogSetup SetUpMMillPlan(const Module1&)
{
    return millSetUp(QStringLiteral("M cutting  PLAN "), QStringLiteral(" end ﾐﾙ diameter "));
}

void BuildMMillPlan(Module1& m)
{
    buildSlot(m, Plane::Plan);
}

DialogSetup SetUpMMillSide(const Module1&)
{
    return millSetUp(QStringLiteral("M cutting  Side "), QStringLiteral("Endmill diameter "));
}

void BuildMMillSide(Module1& m)
{
    buildSlot(m, Plane::Side);
}

DialogSetup SetUpMCircleSlant(const Module1& m)
{
    DialogSetup setUp
        = DialogSetup(QStringLiteral("Endmill circle Slant "))
              .show({"LabelB", "LabelB2", "B"})
              .label("LabelU", QStringLiteral(" end ﾐﾙ diameter "))
              .label("LabelU2", QStringLiteral("D"))
              .label("LabelW", QStringLiteral(" master  angle "))
              .label("LabelW2", QStringLiteral("C"))
              .label("LabelC", QStringLiteral(" zero  movement  amount "))
              .label("LabelC2", QStringLiteral("X"))
              .label("LabelCZ", QStringLiteral(" zero  movement  amount "))
              .label("LabelAttn", QStringLiteral(" attention :X axis は radius  command "))
              .show({"LabelSZ", "SZ"})
              .label("LabelD", QStringLiteral(" cutting  amount "))
              .label("LabelD2", QStringLiteral("t"))
              .label("LabelL", QStringLiteral(" FIN 代"))
              .label("LabelL2", QStringLiteral("U"))
              .label("LabelStartZ", QStringLiteral("Y"))
              .label("LabelStartC", QStringLiteral("Z"))
              .label("LabelEnd", QStringLiteral(" radius "))
              .label("LabelEndX", QStringLiteral("R"))
              .hide({"LabelEndZ", "EndZ"})
              .show({"EndZ2"})
              .label("LabelEndC", QStringLiteral("Z"))
              .fromTable();
    return carryOverSlantFields(setUp, m);
}

void BuildMCircleSlant(Module1& m)
{
    startMill(m, Plane::Slant, "SLANT CIRCLE D", 2 * m.gEndX);
    addStartLine(m, QStringLiteral(" C") + FormatNc(m.gW));
    addM62Line(m);
    AddInclinedPlane(m);
    AddLine(m, QStringLiteral("N000 G17"));
    AddLine(m,
        QStringLiteral("N000 G00 X") + FormatNc(m.gStartX) + QStringLiteral(" Y")
            + FormatNc(m.gStartZ) + QStringLiteral(" Z") + FormatNc(m.gAppZ));
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gStartC + 2) + QStringLiteral(" M147"));
    if (m.gD > 0) {
        AddLine(m, QStringLiteral("N000 G01 Z") + FormatNc(m.gStartC) + feedWord(m));
        double z = m.gStartC;
        for (int passes = 0;; ++passes) {
            // Each step is decimal, as typed: 0 - 0.7 - 0.7 - 0.7 reaches -2.1, not a binary
            // neighbour above it that would mill the bottom twice.
            z = DecimalFloor(z - m.gD, 9);
            if (z <= m.gEndC)
                break;
            if (passes == kMaxCirclePasses)
                throw RuntimeError(errOutOfMemory);
            AddLine(m, QStringLiteral("N000     Z") + FormatNc(z));
            AppendCirclePath(m);
        }
        AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gEndC));
    } else {
        AddLine(m, QStringLiteral("N000 G01 Z") + FormatNc(m.gEndC) + feedWord(m));
    }
    AppendCirclePath(m); // the circle at the bottom
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    for (const char* line : {"N000 G126 M146", "N000 G175", "N000 G136"})
        AddLine(m, QString::fromLatin1(line));
    AddMToolReturn(m, false);
    AddTabLine(m);
}

void AppendCirclePath(Module1& m)
{
    double x0 = m.gStartX;
    double y0 = m.gStartZ;
    const double r = m.gEndX;
    const double s = m.gL;
    // Each word is written in turn: the radius word floors the radius the next half circle uses.
    const auto halfCircles = [&](double radius) {
        QString line = QStringLiteral("N000 G03 X") + FormatNc(x0 - radius);
        line += QStringLiteral(" Y") + FormatNc(y0);
        AddLine(m, line + QStringLiteral(" L") + FormatNc(radius));
        line = QStringLiteral("N000     X") + FormatNc(x0 + radius);
        line += QStringLiteral(" Y") + FormatNc(y0);
        AddLine(m, line + QStringLiteral(" L") + FormatNc(radius));
    };
    if (s > 0) {
        AddLine(m, QStringLiteral("N000     X") + FormatNc(x0 + r - s) + QStringLiteral(" G41"));
        halfCircles(r - s);
        AddLine(m, QStringLiteral("N000 G01 X") + FormatNc(x0 + r));
    } else {
        AddLine(m, QStringLiteral("N000     X") + FormatNc(x0 + r) + QStringLiteral(" G41"));
    }
    halfCircles(r);
    AddLine(m, QStringLiteral("N000 G01 X") + FormatNc(x0) + QStringLiteral(" G40"));
}
