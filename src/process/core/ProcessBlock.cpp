#include "process/core/ProcessBlock.h"

#include "common/FormatNc.h"
#include "common/Module1.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");
}

void StartProcess(Module1& m, const QString& name)
{
    m.gProcessText = QStringLiteral("(-----< ") + name + QStringLiteral(" >-----)") + kLineEnd;
}

void AddLine(Module1& m, const QString& line)
{
    m.gProcessText += line + kLineEnd;
}

namespace {
QString joined(std::initializer_list<QString> words)
{
    QString line;
    for (const QString& word : words)
        line += word;
    return line;
}
} // namespace

void AddLine(Module1& m, std::initializer_list<QString> words)
{
    AddLine(m, joined(words));
}

void AddTabLine(Module1& m)
{
    AddLine(m, QStringLiteral("\t"));
}

QString FormatNc(Variant& v)
{
    double value = v.toNumber();
    const QString text = FormatNc(value);
    v = value;
    return text;
}

bool IsDuomill(const Module1& m)
{
    return m.gDuomill.toBool();
}

void AddToolData(Module1& m, std::initializer_list<ToolDataWord> words)
{
    if (!m.gToolFrom.toBool())
        return;
    const QString prefix = m.gTG ? QStringLiteral(" VGR") : QStringLiteral(" VTL");
    QString line = QStringLiteral("NOEX");
    for (const auto& [name, value] : words) {
        const QString index = QLatin1Char('[') + FormatNc(m.gToolNumber) + QStringLiteral("]=");
        line += prefix + QLatin1String(name) + index + value;
    }
    AddLine(m, line);
}

QString ToolWord(Module1& m, int repeats)
{
    if (m.gTG)
        return QStringLiteral(" TG=") + FormatNc(m.gToolNumber) + QStringLiteral(" OG=1");
    QString word = IsDuomill(m) ? QStringLiteral(" TL=") : QStringLiteral(" T");
    for (int i = 0; i < repeats; ++i)
        word += FormatTwoDigit(m.gToolNumber);
    return word;
}

QString SequenceName(Module1& m)
{
    return QStringLiteral("NT") + FormatTwoDigit(m.gToolNumber);
}

namespace {
void appendAtc(Module1& m, bool typeOne)
{
    if (!IsDuomill(m))
        return;
    if (m.gTG)
        AddLine(m,
            (typeOne ? QStringLiteral("N000 MT=1 TG=") : QStringLiteral("N000 MT=3 TG="))
                + FormatNc(m.gToolNumber));
    else
        AddLine(m,
            QStringLiteral("N000 MT=") + FormatNc(m.gToolNumber)
                + (typeOne ? QStringLiteral("01") : QStringLiteral("03")));
    AddLine(m, QStringLiteral("N000 ") + m.gAtcMacroType);
}
} // namespace

void AppendAtcLTool(Module1& m)
{
    appendAtc(m, true);
}

void AppendAtcMTool(Module1& m)
{
    appendAtc(m, m.gTurretType == 1);
}

QString AtcRequestText(const Module1& m, int toolType)
{
    return QStringLiteral("N000 MT=") + QString::number(toolType)
        + (m.gTG ? QStringLiteral(" TG=") : QString());
}

void AddReturn(Module1& m, const QString& move, const QString& words)
{
    if (IsDuomill(m)) {
        AddLine(m, move + FormatNc(m.gAppX) + words);
        AddLine(m, QStringLiteral("N000 G21 HP=4 M05 M63 M09"));
    } else {
        AddLine(m, move + FormatNc(m.gHomeX) + QStringLiteral(" Z") + FormatNc(m.gHomeZ) + words);
    }
}

void AddReturnAfterRetract(Module1& m)
{
    if (IsDuomill(m))
        AddLine(m, QStringLiteral("N000 G21 HP=4 M05 M63 M09"));
    else
        AddLine(m,
            QStringLiteral("N000     X") + FormatNc(m.gHomeX) + QStringLiteral(" Z")
                + FormatNc(m.gHomeZ));
}

QString MToolStartWords(const Module1& m)
{
    return (m.gQCSK500.toBool() ? QStringLiteral(" M13 M63") : QStringLiteral(" M13 M64"))
        + m.gCoolantCode;
}

void AddToolCall(Module1& m, const QString& x, int toolRepeats, const QString& range)
{
    const QString approach
        = QStringLiteral("N000 G00 X") + x + QStringLiteral(" Z") + FormatNc(m.gAppZ);
    const QString tool = ToolWord(m, toolRepeats);
    AddLine(
        m, approach + tool + range + FormatNc(m.gSpindleSpeed) + m.gSpindleCode + m.gCoolantCode);
}

void SetTurningSpeed(Module1& m, double diameter)
{
    if (m.gV > 0)
        m.gSpindleSpeed = SpindleSpeed(m.gV, diameter);
}

QString FixedSpeedWords(Module1& m)
{
    return QStringLiteral(" G97 S") + FormatNc(m.gSpindleSpeed) + QStringLiteral(" M63");
}

void StartTurningProcess(
    Module1& m, const QString& name, const char* kind, const char* angle, const char* a2)
{
    SetTurningSpeed(m, m.gStartX + 6);
    StartProcess(m, name);
    AddToolData(m,
        {{"IN", QString::fromLatin1(kind)}, {"FN", QStringLiteral("1")},
            {"A1", QString::fromLatin1(angle)}});
    if (a2)
        AddToolData(m, {{"A2", QString::fromLatin1(a2)}, {"L", QStringLiteral("40")}});
    else
        AddToolData(m,
            {{"A2", QStringLiteral("3")}, {"D", QStringLiteral("20")},
                {"L", FormatNc((m.gStartZ - m.gEndZ) + 20)}});
    AppendAtcLTool(m);
}

void AddFirstTurningCut(Module1& m, double z)
{
    const QString name = SequenceName(m);
    const QString to = QStringLiteral("     Z") + FormatNc(z);
    AddLine(m, name + to + QStringLiteral(" G96 S") + FormatNc(m.gV));
}

void AddFaceToCentre(Module1& m, const QString& feed)
{
    AddLine(m, QStringLiteral("N000 G01 X0 G41 I1") + feed);
    AddLine(m, QStringLiteral("N000 G40 I-1"));
}

namespace {
bool afterK500(const Module1& m)
{
    return m.gQCSK500.toBool();
}

void addM62Line(Module1& m)
{
    if (!afterK500(m))
        AddLine(m, QStringLiteral("N000     M62"));
}
} // namespace

void AddMToolCall(Module1& m, const QString& head, const QString& bAngle)
{
    QString line = head + ToolWord(m, 3);
    if (IsDuomill(m) && !bAngle.isEmpty())
        line += QStringLiteral(" G52 BA=") + bAngle + QStringLiteral(" M66");
    AddLine(m, line);
}

void AddMToolStart(Module1& m, std::initializer_list<QString> words)
{
    AddLine(m, {joined(words), afterK500(m) ? " M13 M63" : " M13 M64", m.gCoolantCode});
    addM62Line(m);
}

void AddMToolReturn(Module1& m, bool approachX, bool stopSpindle)
{
    if (IsDuomill(m)) {
        if (approachX)
            AddLine(m, QStringLiteral("N000     X") + FormatNc(m.gAppX));
        AddLine(m, QStringLiteral("N000 G21 HP=4 M12 M63 M09"));
        return;
    }
    QString stop;
    if (stopSpindle)
        stop = afterK500(m) ? QStringLiteral(" M12 M63") : QStringLiteral(" M12 M64");
    AddLine(m, {"N000     X", FormatNc(m.gHomeX), " Z", FormatNc(m.gHomeZ), stop});
    if (stopSpindle)
        addM62Line(m);
}
