#include "process/generators/InclinedPlane.h"

#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "process/core/ProcessBlock.h"

DialogSetup InclinedPlaneSetUp(const QString& caption)
{
    return DialogSetup(caption).show({"LabelB", "LabelB2", "B"});
}

DialogSetup& ZeroShiftFields(DialogSetup& setUp, const QString& caption, const QString& attention)
{
    return setUp.label("LabelC", caption)
        .label("LabelC2", QStringLiteral("X"))
        .label("LabelCZ", caption)
        .label("LabelAttn", attention)
        .show({"LabelSZ", "SZ"});
}

DialogSetup& PlanePointFields(
    DialogSetup& setUp, const QString& endCaption, const QString& endLetter)
{
    return setUp.label("LabelStartZ", QStringLiteral("Y"))
        .label("LabelStartC", QStringLiteral("Z"))
        .label("LabelEnd", endCaption)
        .label("LabelEndX", endLetter)
        .hide({"LabelEndZ", "EndZ"})
        .show({"EndZ2"})
        .label("LabelEndC", QStringLiteral("Z"));
}

DialogSetup& PreviousPlane(DialogSetup& setUp, const Module1& m)
{
    return setUp.text("B", NumberText(m.gB)).text("C", QString()).text("SZ", NumberText(m.gSZ));
}

void AddInclinedPlane(Module1& m)
{
    AddLine(m, QStringLiteral("N000 G138"));
    AddLine(m, {"N000 G174 SX=", FormatNc(m.gC), " SZ=", FormatNc(m.gSZ)});
    AddLine(m, QStringLiteral("N000 G127 B") + FormatNc(m.gB));
}

QString PlaneStart(Module1& m, double& masterAngle)
{
    QString line = SequenceName(m) + QStringLiteral(" G00 C") + FormatNc(masterAngle);
    line += QStringLiteral(" X") + FormatNc(m.gAppX);
    line += QStringLiteral(" Z") + FormatNc(m.gAppZ);
    return line + QStringLiteral(" SB=") + FormatNc(m.gSpindleSpeed);
}

void AddPlaneApproach(Module1& m)
{
    AddLine(m,
        {"N000 G00  X", FormatNc(m.gStartX), " Y", FormatNc(m.gStartZ), " Z", FormatNc(m.gAppZ)});
}

void AddLeavePlane(Module1& m)
{
    AddLine(m, QStringLiteral("N000 G180"));
    AddLine(m, QStringLiteral("N000 G00 Z") + FormatNc(m.gAppZ));
    for (const char* code : {"G175", "G126", "G136"})
        AddLine(m, QStringLiteral("N000 ") + QLatin1String(code));
}
