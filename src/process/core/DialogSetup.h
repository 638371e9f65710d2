#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

// How a generator configures the process dialog before it is shown: its caption, then steps on
// the dialog's controls (named by their control names) in the order the generator gives them.
// Steps given before fromTable() run before the dialog is filled from the cutting-condition row;
// steps given after it run after the fill (the defaults that come from the material input or from
// the previous dialog).
class DialogSetup
{
public:
    enum class Action { Caption, Text, ToolTip, Hide, Show };
    struct Step
    {
        Action action;
        QString control;
        QString value;
        bool afterFill;
    };

    explicit DialogSetup(const QString& caption = {});

    // The caption of a label (or another captioned control).
    DialogSetup& label(const char* control, const QString& caption);
    // Hides fields and blanks the captions of their labels.
    DialogSetup& hideFields(std::initializer_list<const char*> fields);
    DialogSetup& hide(std::initializer_list<const char*> controls);
    DialogSetup& show(std::initializer_list<const char*> controls);
    DialogSetup& toolTip(const char* control, const QString& text);
    // The text of a field.
    DialogSetup& text(const char* control, const QString& text);
    // Marks where the fill from the cutting-condition row comes; later steps follow it.
    DialogSetup& fromTable();

    const QString& caption() const { return m_caption; }
    const QList<Step>& steps() const { return m_steps; }

private:
    DialogSetup& add(Action action, const char* control, const QString& value = {});

    QString m_caption;
    QList<Step> m_steps;
    bool m_afterFill = false;
};

// The labels that belong to a field of the process dialog: its caption and its letter.
QStringList FieldLabels(const QString& field);

// The sixteen fields of the process dialog in tab order.
const QStringList& ProcessFieldNames();
