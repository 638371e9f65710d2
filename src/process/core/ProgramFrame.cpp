#include "process/core/ProgramFrame.h"

#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/MachineParameters.h"
#include "process/core/ProcessBlock.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

QString line(const QString& text)
{
    return text + kLineEnd;
}

// The spindle-speed limit line; the limit keeps its rounding.
QString speedLimit(Module1& m)
{
    double maxS = SingleValue(m.gMaxS);
    const QString text = QStringLiteral("NMAX G50 S") + FormatNc(maxS);
    m.gMaxS = static_cast<float>(maxS);
    return line(text);
}

QString homeLine(Module1& m)
{
    return QStringLiteral("N000 G00 X") + FormatNc(m.gHomeX) + QStringLiteral(" Z")
        + FormatNc(m.gHomeZ);
}
} // namespace

void ReadMaterialFields(Module1& m, const MaterialFields& f)
{
    m.gPZero = Val(f.text[9]);
    m.gJawLength = Val(f.text[1]);
    m.gJawPlan = Val(f.text[2]);
    m.gMaterialOD = Fix(Val(f.text[5]));
    m.gMaterialLength = Fix(Val(f.text[3]));
    m.gInnerDia = Fix(Val(f.text[4]));
}

void BuildGraphicData(Module1& m, const MaterialFields& f)
{
    const double chuck = f.gripOutside ? m.gMaterialOD : m.gInnerDia;
    const QString subSpindle = f.subSpindle ? QStringLiteral("[S]") : QString();
    QString& t = m.gProcessText;
    t = line(QStringLiteral("\t"));
    t += line(QStringLiteral("----------< USER GRAPHIC COMMAND >----------"));
    t += line(QStringLiteral("OUGC"));
    t += line(QStringLiteral("NOEX VCHKX=") + FormatNc(chuck) + QStringLiteral(" VCHKZ=")
        + FormatNc(m.gPZero - m.gMaterialLength));
    t += line(QStringLiteral("NOEX VCHKD=") + FormatNc(m.gJawPlan) + QStringLiteral(" VCHKL=")
        + FormatNc(m.gJawLength));
    if (f.tailstock) {
        t += line(QStringLiteral("NOEX VTSDA=") + FormatNc(Val(f.text[6]))
            + QStringLiteral(" VTSDB=") + FormatNc(Val(f.text[7])));
        t += line(QStringLiteral("NOEX VTSL=") + FormatNc(Val(f.text[8])) + QStringLiteral(" VWKR=")
            + FormatNc(m.gPZero));
    } else if (!f.subSpindle) {
        t += line(QStringLiteral("NOEX VWKR=9999"));
    }
    t += line(QStringLiteral("N000 CLEAR"));
    t += line(QStringLiteral("N000 DEF WORK") + subSpindle);
    t += line(QStringLiteral("N000 PS RC,[") + FormatNc(Fix(m.gPZero)) + QStringLiteral(",0],[")
        + FormatNc(m.gMaterialLength) + u',' + FormatNc(m.gMaterialOD) + u']');
    if (m.gInnerDia > 0)
        t += line(QStringLiteral("N000 PS RC,[") + FormatNc(m.gPZero) + QStringLiteral(",0],[")
            + FormatNc(m.gMaterialLength) + u',' + FormatNc(m.gInnerDia) + QStringLiteral("],0"));
    t += line(QStringLiteral("N000 END"));
    if (f.planDrawing) {
        t += line(QStringLiteral("N000 DEF WORKF") + subSpindle);
        t += line(
            QStringLiteral("N000 PF 0,[0,0],") + FormatNc(m.gMaterialOD) + QStringLiteral(",D"));
        if (m.gInnerDia > 0) {
            const QString radius = FormatNc(Fix(m.gInnerDia / 2));
            t += line(QStringLiteral("N000 PF 0,[0,0],") + FormatNc(m.gInnerDia)
                + QStringLiteral(",D,0"));
            t += line(QStringLiteral("N000 PO [0,") + radius + u']');
            t += line(QStringLiteral("N000 CI [0,0],[0,-") + radius + QStringLiteral("],R,0"));
        }
        t += line(QStringLiteral("N000 END"));
    }
    t += line(QStringLiteral("N000 DRAW"));
    t += line(QStringLiteral("NRTS RTS"));
}

ProgramFrameText BuildProgramFrame(Module1& m)
{
    const QString door = m.gAutoDoor.toBool() ? QStringLiteral(" M90") : QString();
    const QString panelCheck
        = m.gPanelChk.toBool() ? line(QStringLiteral("N000 CALL OPCHK (PANEL CHECK)")) : QString();
    const bool measure = m.gMeasuer.toBool();
    ProgramFrameText frame;

    QString& a = frame.start;
    if (m.gBturret.toBool())
        a += line(QStringLiteral("G13 (-----< A:TURRET >-----)"));
    a += speedLimit(m);
    a += line((IsDuomill(m) ? QStringLiteral("N000 G21 HP=4 M109") : homeLine(m)) + door);
    a += panelCheck;
    a += line(QStringLiteral("N000 CALL OUGC  (GRAPHIC DATA)"));
    a += line(QStringLiteral("\t"));

    QString& b = frame.rest;
    if (m.gBturret.toBool()) {
        b += line(QStringLiteral("\t")) + line(QStringLiteral("\t"));
        if (measure)
            b += line(QStringLiteral("N000 CALL OMSSF"));
        if (m.gTG)
            b += line(QStringLiteral("N000 M100")) + line(QStringLiteral("N000 TLID"))
                + line(QStringLiteral("\t"));
        b += line(QStringLiteral("G14 (-----< B:TURRET >-----)"));
        b += speedLimit(m);
        b += line(homeLine(m) + door);
        b += panelCheck;
        b += kLineEnd + kLineEnd;
    }
    b += line(QStringLiteral("\t"));
    if (measure)
        b += line(QStringLiteral("N000 CALL OMSSF")) + line(QStringLiteral("N000 CALL OCNCK"));
    if (m.gTG)
        b += line(QStringLiteral("N000 M100")) + line(QStringLiteral("N000 TLID"));
    if (m.gAutoDoor.toBool())
        b += line(QStringLiteral("N000 M91"));
    b += line(QStringLiteral("NEND M02"));
    return frame;
}
