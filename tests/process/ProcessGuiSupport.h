#pragma once

#include "TestSupport.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "process/core/CutConditions.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <functional>

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

inline QString Lines(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

inline void Trigger(frmMain* main, const QString& item)
{
    QAction* a = main->action(item);
    if (!a)
        qFatal("no menu item %s", qPrintable(item));
    a->trigger();
}

// Runs the menu item and answers the modal dialog it opens.
inline void Answer(frmMain* main, const QString& item, const std::function<void(QWidget*)>& step)
{
    ModalScript script;
    script.then(step);
    Trigger(main, item);
    QVERIFY2(script.pendingSteps() == 0, qPrintable(item));
}

// The lines of a data file under process/dialogs, comments left out.
inline QStringList DataFile(const QString& name)
{
    const QString path = QStringLiteral(CORVANE_TESTS_DIR "/process/dialogs/") + name;
    QStringList lines = QString::fromUtf8(ReadBytes(path)).split(u'\n');
    lines.removeIf([](const QString& line) { return line.startsWith(u'#'); });
    return lines;
}

// The words of a data line before its first quote.
inline QStringList Words(const QString& line)
{
    return line.section(u'"', 0, 0).split(u' ', Qt::SkipEmptyParts);
}

// The texts of a data line that stand in quotes.
inline QStringList Quoted(const QString& line)
{
    QStringList texts;
    for (qsizetype i = 1; i < line.count(u'"'); i += 2)
        texts.append(line.section(u'"', i, i));
    return texts;
}
