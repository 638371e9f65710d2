#include "process/generators/MeasureProcesses.h"

#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"

namespace {
const QString kInside = QStringLiteral(" INV.MEASURE D");
const QString kOutside = QStringLiteral("UTV.MEASURE D");

QString twoDigitTool(Module1& m)
{
    return FormatTwoDigit(m.gToolNumber);
}

// The probe is called by tool and offset number, with or without tool groups.
QString probeWord(Module1& m)
{
    return (IsDuomill(m) ? QStringLiteral(" TL=") : QStringLiteral(" T")) + twoDigitTool(m)
        + twoDigitTool(m);
}

// The offset the measuring macro corrects: a tool offset number, or the tool group with its
// first offset.
QString correctionWords(Module1& m)
{
    if (m.gTG)
        return QStringLiteral(" ATG=") + FormatTwoDigit(m.gV) + QStringLiteral(" AOG=1");
    return QStringLiteral(" TOFN=") + FormatTwoDigit(m.gV);
}

// The measuring words of the diameter and radius macros after the measured size.
QString gaugeWords(Module1& m)
{
    return QStringLiteral(" APP=3 APPS=2 IMP=1 DOK=") + FormatNc(m.gU) + QStringLiteral(" DNG=")
        + FormatNc(m.gW) + correctionWords(m);
}

// The offsets of the probe's two touches: tool number + 10 and the tool number.
QString touchOffsetWords(Module1& m)
{
    double first = m.gToolNumber + 10;
    return QStringLiteral(" TOF1=") + FormatTwoDigit(first) + QStringLiteral(" TOF2=")
        + twoDigitTool(m);
}

void addReturn(Module1& m)
{
    if (IsDuomill(m))
        AddLine(m, QStringLiteral("N000 G21 HP=4"));
    else
        AddLine(m,
            QStringLiteral("N000     X") + FormatNc(m.gHomeX) + QStringLiteral(" Z")
                + FormatNc(m.gHomeZ));
}

QString callLine(Module1& m, const char* name, const QString& title)
{
    return QStringLiteral("N000 CALL ") + QLatin1String(name) + QStringLiteral(" (") + title
        + FormatNc(m.gEndX) + QLatin1Char(')');
}

// The sub-program up to the probe call: a TAB line, the title, the name, the skip to the end
// when input 32 is off, the ATC ready-request and the approach with the probe.
void startSubProgram(Module1& m, const char* name, const QString& title)
{
    m.gProcessText.clear();
    AddTabLine(m);
    AddLine(m,
        QStringLiteral("----------< ") + title + FormatNc(m.gEndX)
            + QStringLiteral(" >----------"));
    AddLine(m, QLatin1String(name));
    AddLine(m, QStringLiteral("N000 IF[VDIN[32]EQ 0]NRTS"));
    AppendAtcLTool(m);
    AddLine(m,
        QStringLiteral("N000 G00 X") + FormatNc(m.gAppX) + QStringLiteral(" Z") + FormatNc(m.gAppZ)
            + probeWord(m));
}

void endSubProgram(Module1& m)
{
    addReturn(m);
    AddLine(m, QStringLiteral("NRTS RTS"));
}

void addRadiusMacro(Module1& m)
{
    AddLine(m, QStringLiteral("N000 CALL OWMXA MSP=") + FormatNc(m.gEndX) + gaugeWords(m));
}

void addDiameterContinuation(Module1& m)
{
    AddLine(m, QStringLiteral("$         MSP=") + FormatNc(m.gEndX) + gaugeWords(m));
}

DialogSetup measureSetUp(const QString& caption, const QString& sensorCaption,
    const QString& compensationCaption, bool approachPoint)
{
    DialogSetup setUp = DialogSetup(caption)
                            .label("Label1", sensorCaption)
                            .label("LabelV", compensationCaption)
                            .hideFields({"F"})
                            .label("LabelU", QStringLiteral("OK"))
                            .label("LabelW", QStringLiteral("NG"))
                            .hideFields({"D", "L", "C"});
    // Only the outside diameter is approached from a point of its own.
    if (approachPoint)
        setUp.hideFields({"StartC"});
    else
        setUp.hideFields({"StartX", "StartZ", "StartC"}).label("LabelStart", QString());
    return setUp.label("LabelEnd", QStringLiteral("Target position "))
        .hideFields({"EndC"})
        .fromTable();
}
} // namespace

DialogSetup SetUpMeasureInD(const Module1&)
{
    return measureSetUp(QStringLiteral(" INV.diameter measurement "),
        QStringLiteral("Sensor number"), QStringLiteral("Tool compensation "), false);
}

QString MeasureInDCall(Module1& m)
{
    return callLine(m, "OME12", kInside);
}

void BuildMeasureInD(Module1& m)
{
    startSubProgram(m, "OME12", kInside);
    AddLine(m,
        QStringLiteral("NT") + twoDigitTool(m) + QStringLiteral(" CALL ODIAA ZP1=")
            + FormatNc(m.gAppZ) + QStringLiteral(" ZP2=") + FormatNc(m.gEndZ)
            + touchOffsetWords(m));
    addDiameterContinuation(m);
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gAppX));
    endSubProgram(m);
}

DialogSetup SetUpMeasureInR(const Module1&)
{
    return measureSetUp(QStringLiteral(" INV.Radius measurement "),
        QStringLiteral("Sensor number "), QStringLiteral("Tool compensation "), false);
}

QString MeasureInRCall(Module1& m)
{
    return callLine(m, "OME11", kInside);
}

void BuildMeasureInR(Module1& m)
{
    startSubProgram(m, "OME11", kInside);
    AddLine(m,
        QStringLiteral("NT") + twoDigitTool(m) + QStringLiteral("     X") + FormatNc(m.gEndX - 10));
    AddLine(m, QStringLiteral("N000     Z") + FormatNc(m.gEndZ));
    addRadiusMacro(m);
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gAppX));
    endSubProgram(m);
}

DialogSetup SetUpMeasureOutD(const Module1&)
{
    return measureSetUp(QStringLiteral("UTV.Diameter measurement "),
        QStringLiteral("Sensor number "), QStringLiteral("Tool compensation "), true);
}

QString MeasureOutDCall(Module1& m)
{
    return callLine(m, "OME02", kOutside);
}

void BuildMeasureOutD(Module1& m)
{
    startSubProgram(m, "OME02", kOutside);
    AddLine(m,
        QStringLiteral("NT") + twoDigitTool(m) + QStringLiteral(" CALL ODOAA XP1=")
            + FormatNc(m.gStartX) + QStringLiteral(" ZP1=") + FormatNc(m.gStartZ)
            + QStringLiteral(" ZP2=") + FormatNc(m.gEndZ) + touchOffsetWords(m));
    addDiameterContinuation(m);
    endSubProgram(m);
}

DialogSetup SetUpMeasureOutR(const Module1&)
{
    return measureSetUp(QStringLiteral(" UTV.Radius measurement "), QStringLiteral("Sensor number"),
        QStringLiteral("Compensation No"), false);
}

QString MeasureOutRCall(Module1& m)
{
    return callLine(m, "OME01", kOutside);
}

void BuildMeasureOutR(Module1& m)
{
    startSubProgram(m, "OME01", kOutside);
    AddLine(
        m, QStringLiteral("NT") + twoDigitTool(m) + QStringLiteral("     Z") + FormatNc(m.gEndZ));
    addRadiusMacro(m);
    AddLine(m, QStringLiteral("N000 G00 X") + FormatNc(m.gAppX));
    endSubProgram(m);
}

DialogSetup SetUpZeroCAxis(const Module1&)
{
    return DialogSetup(QStringLiteral("C-axis Auto zero offset"))
        .label("Label1", QStringLiteral("Sensor number "))
        .label("LabelV", QStringLiteral("Applochi distance "))
        .label("LabelF", QStringLiteral("Shift angle "))
        .hideFields({"U"})
        .label("LabelW", QStringLiteral("Groove angle "))
        .label("LabelD", QStringLiteral("Applochi angle"))
        .hideFields({"L"})
        .label("LabelC", QStringLiteral("2 times touch"))
        .toolTip("C", QStringLiteral(" omit  possible "))
        .hideFields({"StartC"})
        .label("LabelEnd", QStringLiteral("Target position "))
        .hideFields({"EndX"})
        .fromTable();
}

namespace {
// The zero settings up to the measuring call: approach with the probe, then to the start point.
void approachStart(Module1& m)
{
    AddLine(m,
        QStringLiteral("N000 G00 X") + FormatNc(m.gAppX) + QStringLiteral(" Z") + FormatNc(m.gAppZ)
            + probeWord(m));
    AddLine(
        m, QStringLiteral("NT") + twoDigitTool(m) + QStringLiteral("     Z") + FormatNc(m.gStartZ));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gStartX));
}

void leaveStart(Module1& m)
{
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gStartZ));
    AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gAppX));
    addReturn(m);
}

QString secondTouchWord(Module1& m)
{
    return m.gC > 0 ? QStringLiteral(" APPS=") + FormatNc(m.gC) : QString();
}
} // namespace

void BuildZeroCAxis(Module1& m)
{
    StartProcess(m, QStringLiteral("C-AXIS ZERO OFFSET"));
    AppendAtcLTool(m);
    AddLine(m, QStringLiteral("N000 G94 M110 M15"));
    approachStart(m);
    AddLine(m,
        QStringLiteral("N000 CALL OCPFI MSP=") + FormatNc(m.gEndZ) + QStringLiteral(" APP=")
            + FormatNc(m.gV) + QStringLiteral(" CFW=") + FormatNc(m.gF) + QStringLiteral(" COF=")
            + FormatNc(m.gEndC));
    AddLine(m,
        QStringLiteral("N000 CALL OZOFD COF=") + FormatNc(m.gEndC) + QStringLiteral(" CMW=")
            + FormatNc(m.gW) + secondTouchWord(m));
    leaveStart(m);
    AddLine(m, QStringLiteral("N000 G95 M109"));
    AddTabLine(m);
}

DialogSetup SetUpZeroZAxis(const Module1&)
{
    return DialogSetup(QStringLiteral("Z-axis Auto zero offset "))
        .label("Label1", QStringLiteral("Sensor number "))
        .hideFields({"V", "F"})
        .label("LabelU", QStringLiteral("OK"))
        .toolTip("U", QStringLiteral(" omit  possible "))
        .label("LabelW", QStringLiteral("NG"))
        .toolTip("W", QStringLiteral(" omit  possible "))
        .label("LabelD", QStringLiteral("App. amount "))
        .label("LabelL", QStringLiteral("Over amount "))
        .label("LabelC", QStringLiteral("2 times touch"))
        .toolTip("C", QStringLiteral("Omit  possible "))
        .hideFields({"StartC", "EndX", "EndC"})
        .label("LabelEnd", QStringLiteral("Target position "))
        .fromTable();
}

void BuildZeroZAxis(Module1& m)
{
    StartProcess(m, QStringLiteral("Z-AXIS ZERO OFFSET"));
    AppendAtcLTool(m);
    approachStart(m);
    QString call = QStringLiteral("N000 CALL OZOFA MSP=") + FormatNc(m.gEndZ)
        + QStringLiteral(" APP=") + FormatNc(m.gD) + secondTouchWord(m) + QStringLiteral(" IMP=")
        + FormatNc(m.gL);
    if (m.gU > 0)
        call += QStringLiteral(" DOK=") + FormatNc(m.gU);
    if (m.gW > 0)
        call += QStringLiteral(" DNG=") + FormatNc(m.gW);
    AddLine(m, call);
    leaveStart(m);
    AddTabLine(m);
}

void BuildPostProcessGauging(Module1& m)
{
    m.gProcessText.clear();
    AddLine(m, QStringLiteral("N000 CALL OXMS"));
}
