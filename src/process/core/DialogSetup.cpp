#include "process/core/DialogSetup.h"

#include <QHash>

DialogSetup::DialogSetup(const QString& caption)
    : m_caption(caption)
{ }

DialogSetup& DialogSetup::add(Action action, const char* control, const QString& value)
{
    m_steps.append({action, QString::fromLatin1(control), value, m_afterFill});
    return *this;
}

DialogSetup& DialogSetup::label(const char* control, const QString& caption)
{
    return add(Action::Caption, control, caption);
}

DialogSetup& DialogSetup::hideFields(std::initializer_list<const char*> fields)
{
    for (const char* field : fields) {
        add(Action::Hide, field);
        for (const QString& label : FieldLabels(QString::fromLatin1(field)))
            m_steps.append({Action::Caption, label, QString(), m_afterFill});
    }
    return *this;
}

DialogSetup& DialogSetup::hide(std::initializer_list<const char*> controls)
{
    for (const char* control : controls)
        add(Action::Hide, control);
    return *this;
}

DialogSetup& DialogSetup::show(std::initializer_list<const char*> controls)
{
    for (const char* control : controls)
        add(Action::Show, control);
    return *this;
}

DialogSetup& DialogSetup::toolTip(const char* control, const QString& text)
{
    return add(Action::ToolTip, control, text);
}

DialogSetup& DialogSetup::text(const char* control, const QString& text)
{
    return add(Action::Text, control, text);
}

DialogSetup& DialogSetup::fromTable()
{
    m_afterFill = true;
    return *this;
}

QStringList FieldLabels(const QString& field)
{
    static const QHash<QString, QStringList> labels = {
        {QStringLiteral("ToolNumber"), {QStringLiteral("Label1"), QStringLiteral("Label10")}},
        {QStringLiteral("B"), {QStringLiteral("LabelB"), QStringLiteral("LabelB2")}},
        {QStringLiteral("V"), {QStringLiteral("LabelV"), QStringLiteral("Labelv2")}},
        {QStringLiteral("F"), {QStringLiteral("LabelF"), QStringLiteral("LabelF2")}},
        {QStringLiteral("U"), {QStringLiteral("LabelU"), QStringLiteral("LabelU2")}},
        {QStringLiteral("W"), {QStringLiteral("LabelW"), QStringLiteral("LabelW2")}},
        {QStringLiteral("D"), {QStringLiteral("LabelD"), QStringLiteral("LabelD2")}},
        {QStringLiteral("L"), {QStringLiteral("LabelL"), QStringLiteral("LabelL2")}},
        {QStringLiteral("C"), {QStringLiteral("LabelC"), QStringLiteral("LabelC2")}},
        {QStringLiteral("SZ"), {QStringLiteral("LabelCZ"), QStringLiteral("LabelSZ")}},
        {QStringLiteral("StartX"), {QStringLiteral("LabelStartX")}},
        {QStringLiteral("StartZ"), {QStringLiteral("LabelStartZ")}},
        {QStringLiteral("StartC"), {QStringLiteral("LabelStartC")}},
        {QStringLiteral("EndX"), {QStringLiteral("LabelEndX")}},
        {QStringLiteral("EndZ"), {QStringLiteral("LabelEndZ")}},
        {QStringLiteral("EndC"), {QStringLiteral("LabelEndC")}},
    };
    return labels.value(field);
}

const QStringList& ProcessFieldNames()
{
    static const QStringList names = {QStringLiteral("ToolNumber"), QStringLiteral("B"),
        QStringLiteral("V"), QStringLiteral("F"), QStringLiteral("U"), QStringLiteral("W"),
        QStringLiteral("D"), QStringLiteral("L"), QStringLiteral("C"), QStringLiteral("SZ"),
        QStringLiteral("StartX"), QStringLiteral("StartZ"), QStringLiteral("StartC"),
        QStringLiteral("EndX"), QStringLiteral("EndZ"), QStringLiteral("EndC")};
    return names;
}
