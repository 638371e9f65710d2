#include "process/generators/ThreadProcesses.h"

#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"

namespace {
enum class Thread { Plan, Outside, Inside };

DialogSetup threadSetUp(Thread thread, const QString& caption)
{
    DialogSetup setUp(caption);
    // The face thread leaves its allowance in Z, the others in X.
    if (thread == Thread::Plan)
        setUp.hideFields({"U"});
    else
        setUp.hideFields({"W"});
    setUp.label("LabelL", QStringLiteral("Chamfer"))
        .label("LabelD", QStringLiteral("Cutting amount"))
        .label("LabelC", QStringLiteral("Read number"))
        .label("LabelC2", QStringLiteral("J"));
    if (thread != Thread::Plan)
        setUp.label("LabelEnd", QStringLiteral("Diameter "));
    return setUp.hideFields({"EndC"})
        .label("LabelStart", QStringLiteral(" Cycle  master  point "))
        .fromTable()
        .text("StartC", QStringLiteral("0"));
}

// The whole thread runs at one spindle speed, taken at the cycle start X for a face thread and at
// the nominal diameter otherwise; without a usable diameter the previous speed stays.
void threadSpeed(Module1& m, Thread thread)
{
    const double diameter = thread == Thread::Plan ? m.gStartX : m.gEndX;
    if (m.gV > 0 && diameter > 0)
        m.gSpindleSpeed = SpindleSpeed(m.gV, diameter);
}

QString header(Module1& m, Thread thread)
{
    if (thread == Thread::Plan)
        return QStringLiteral("UTV.THREAD PLAN P") + FormatNc(m.gF);
    QString name = thread == Thread::Outside ? QStringLiteral("UTV.THREAD M")
                                             : QStringLiteral(" INV.THREAD M");
    name += FormatNc(m.gEndX);
    return name + QStringLiteral("*P") + FormatNc(m.gF);
}

// The cycle block. The outside thread goes to the root diameter with a thread height of 1.3 times
// the lead in diameter, the inside thread to the nominal diameter with the lead as height, the
// face thread to its end point with 0.65 times the lead.
QString cycle(Module1& m, Thread thread)
{
    QString line;
    if (thread == Thread::Plan) {
        line = QStringLiteral("N000 G72 X") + FormatNc(m.gEndX);
        line += QStringLiteral(" Z") + FormatNc(m.gEndZ);
        line += QStringLiteral(" H") + FormatNc(m.gF * 0.65);
    } else if (thread == Thread::Outside) {
        line = QStringLiteral("N000 G71 X") + FormatNc(m.gEndX - 0.65 * m.gF * 2);
        line += QStringLiteral(" Z") + FormatNc(m.gEndZ);
        line += QStringLiteral(" H") + FormatNc(m.gF * 0.65 * 2);
    } else {
        line = QStringLiteral("N000 G71 X") + FormatNc(m.gEndX);
        line += QStringLiteral(" Z") + FormatNc(m.gEndZ);
        line += QStringLiteral(" H") + FormatNc(m.gF);
    }
    line += QStringLiteral(" D") + FormatNc(m.gD);
    if (thread == Thread::Plan && m.gW > 0)
        line += QStringLiteral(" W") + FormatNc(m.gW);
    if (thread != Thread::Plan && m.gU > 0)
        line += QStringLiteral(" U") + FormatNc(m.gU);
    if (m.gL > 0)
        line += QStringLiteral(" L") + FormatNc(m.gL) + QStringLiteral(" M23");
    // A single-start thread (0 or 1) writes no number of starts.
    if (m.gC > 1)
        line += QStringLiteral(" Q") + FormatNc(m.gC);
    return line + QStringLiteral(" F") + FormatNc(m.gF);
}

void buildThread(Module1& m, Thread thread)
{
    threadSpeed(m, thread);
    StartProcess(m, header(m, thread));
    const char* kind = thread == Thread::Plan ? "15" : thread == Thread::Outside ? "13" : "14";
    AddToolData(m,
        {{"IN", QString::fromLatin1(kind)}, {"FN", QStringLiteral("1")},
            {"A1", QStringLiteral("60")}});
    // The inside threading bar also gets its diameter and the length it needs.
    if (thread == Thread::Inside)
        AddToolData(m, {{"D", QStringLiteral("20")}, {"L", FormatNc(m.gStartZ - m.gEndZ + 20)}});
    else
        AddToolData(m, {{"L", QStringLiteral("40")}});
    AppendAtcLTool(m);
    AddLine(m,
        QStringLiteral("N000 G00 X") + FormatNc(m.gStartX) + QStringLiteral(" Z")
            + FormatNc(m.gAppZ) + ToolWord(m, 3) + QStringLiteral(" M42 S")
            + FormatNc(m.gSpindleSpeed) + m.gSpindleCode + m.gCoolantCode);
    AddLine(m, SequenceName(m) + QStringLiteral("     Z") + FormatNc(m.gStartZ));
    AddLine(m, cycle(m, thread));
    if (thread == Thread::Outside)
        AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gAppX));
    else
        AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    AddReturnAfterRetract(m);
    AddTabLine(m);
}
} // namespace

DialogSetup SetUpThreadPlan(const Module1&)
{
    return threadSetUp(Thread::Plan, QStringLiteral("PLAN Thread "));
}

void BuildThreadPlan(Module1& m)
{
    buildThread(m, Thread::Plan);
}

DialogSetup SetUpThreadOd(const Module1&)
{
    return threadSetUp(Thread::Outside, QStringLiteral("UTV.Thread "));
}

void BuildThreadOd(Module1& m)
{
    buildThread(m, Thread::Outside);
}

DialogSetup SetUpThreadId(const Module1&)
{
    return threadSetUp(Thread::Inside, QStringLiteral(" INV.Thread "));
}

void BuildThreadId(Module1& m)
{
    buildThread(m, Thread::Inside);
}
