#pragma once

#include "TestSupport.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "process/core/CutConditions.h"
#include "process/core/DialogSetup.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>

// A started program with a fresh shared state and one new, empty document.
inline frmMain* StartWithDocument(bool keepSettings = false)
{
    module1() = Module1();
    frmMain* main = StartFresh({}, keepSettings);
    main->action(QStringLiteral("mnuFileNew"))->trigger();
    return main;
}

inline QString ConditionFile(const QString& name)
{
    return ProgramFolder() + QLatin1String("/ cutting  condition /") + name;
}

// Loads one of the shipped cutting-condition files into the running program's table.
inline void LoadConditionFile(const QString& name)
{
    module1().gCsvFileName = ConditionFile(name);
    LoadCuttingConditions(module1());
}

template<typename T = QWidget> T* Control(QWidget* form, const QString& name)
{
    T* control = form->findChild<T*>(name);
    if (!control)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(form->objectName()));
    return control;
}

inline void Type(QWidget* form, const QString& field, const QString& text)
{
    Control<QLineEdit>(form, field)->setText(text);
}

inline void Click(QWidget* form, const QString& button)
{
    Control<QAbstractButton>(form, button)->click();
}

inline QString Caption(QWidget* form, const QString& label)
{
    return Control<QLabel>(form, label)->text();
}

inline QString Lines(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

inline void Trigger(frmMain* main, const QString& control)
{
    QAction* a = main->action(control);
    if (!a)
        qFatal("no menu item %s", qPrintable(control));
    a->trigger();
}

// The fields of the process dialog a user sees, in the order TAB walks them.
inline QStringList VisibleFieldsInTabOrder(QWidget* dialog)
{
    QStringList order;
    QWidget* start = Control(dialog, QStringLiteral("ToolNumber"));
    QWidget* w = start;
    do {
        if (qobject_cast<QLineEdit*>(w) && w->isVisibleTo(dialog))
            order.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != start);
    return order;
}

// What the user sees of the process dialog: its caption; every shown label with a caption as
// "LabelU=Drill diameter " (the spare end caption EndZ2 only where EndZ leaves it uncovered, the
// constant hint left out), then every shown field in tab order, with "~" and its tool tip when it
// has one; and the texts of all its fields.
struct SeenDialog
{
    QString caption;
    QStringList picture;
    QHash<QString, QString> texts;
};

inline SeenDialog See(QWidget* dialog)
{
    SeenDialog seen {dialog->windowTitle(), {}, {}};
    const bool endZShown = Control(dialog, QStringLiteral("EndZ"))->isVisibleTo(dialog);
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        if (label->isVisibleTo(dialog) && !label->text().isEmpty() && name != u"Label2"
            && !(name == u"EndZ2" && endZShown))
            seen.picture.append(name + u'=' + label->text());
    }
    for (const QString& name : VisibleFieldsInTabOrder(dialog)) {
        const QString tip = Control(dialog, name)->toolTip();
        seen.picture.append(tip.isEmpty() ? name : name + u'~' + tip);
    }
    for (const QString& name : ProcessFieldNames())
        seen.texts.insert(name, Control<QLineEdit>(dialog, name)->text());
    return seen;
}
