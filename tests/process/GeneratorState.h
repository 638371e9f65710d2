#pragma once

#include "common/Module1.h"

#include <QStringList>
#include <QTest>

#include <utility>

// The state a generator's golden case starts from: the machine at its usual positions (approach
// X200 Z50, home X500 Z500), turret tool numbers, no tool data, ATC macro M421, spindle forward,
// coolant on. `changes` adds words: the flags duomill, groups, toolData, ccw and coolantOff, and
// "name=value" for macro, the dialog values T, V, F, U, W, D, L, C, StartX, StartZ, EndX, EndZ,
// the positions AppX, AppZ, HomeX, HomeZ and S, the spindle speed the previous process left.
inline Module1 GeneratorState(const QString& changes)
{
    Module1 m;
    m.gAppX = 200.0;
    m.gAppZ = 50.0;
    m.gHomeX = 500.0;
    m.gHomeZ = 500.0;
    m.gDuomill = false;
    m.gTG = false;
    m.gToolFrom = false;
    m.gAtcMacroType = QStringLiteral("M421");
    m.gSpindleCode = QStringLiteral(" M03 M63");
    m.gCoolantCode = QStringLiteral(" M08");
    const std::pair<const char*, double Module1::*> numbers[]
        = {{"T", &Module1::gToolNumber}, {"V", &Module1::gV}, {"F", &Module1::gF},
            {"U", &Module1::gU}, {"W", &Module1::gW}, {"D", &Module1::gD}, {"L", &Module1::gL},
            {"C", &Module1::gC}, {"StartX", &Module1::gStartX}, {"StartZ", &Module1::gStartZ},
            {"EndX", &Module1::gEndX}, {"EndZ", &Module1::gEndZ}, {"S", &Module1::gSpindleSpeed}};
    const std::pair<const char*, Variant Module1::*> positions[] = {{"AppX", &Module1::gAppX},
        {"AppZ", &Module1::gAppZ}, {"HomeX", &Module1::gHomeX}, {"HomeZ", &Module1::gHomeZ}};
    for (const QString& word : changes.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        const QString text = word.section(u'=', 1);
        bool known = true;
        if (name == u"duomill")
            m.gDuomill = true;
        else if (name == u"groups")
            m.gTG = true;
        else if (name == u"toolData")
            m.gToolFrom = true;
        else if (name == u"ccw")
            m.gSpindleCode = QStringLiteral(" M04 M63");
        else if (name == u"coolantOff")
            m.gCoolantCode = QStringLiteral(" M09");
        else if (name == u"macro")
            m.gAtcMacroType = text;
        else
            known = false;
        for (const auto& [key, member] : numbers) {
            if (name == QLatin1String(key)) {
                m.*member = text.toDouble();
                known = true;
            }
        }
        for (const auto& [key, member] : positions) {
            if (name == QLatin1String(key)) {
                m.*member = text; // kept as read from the settings store
                known = true;
            }
        }
        if (!known)
            qFatal("unknown state word %s", qPrintable(name));
    }
    return m;
}

// Lines joined with the CR LF each of them ends with.
inline QString NcLines(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

// The columns of a golden case: the state words and the lines expected.
inline void AddGoldenColumns()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("expected");
}

// Builds the current golden case with a generator's builder and compares the whole block.
inline void CompareGolden(void (*build)(Module1&))
{
    QFETCH(QString, state);
    QFETCH(QStringList, expected);
    Module1 m = GeneratorState(state);
    build(m);
    QCOMPARE(m.gProcessText, NcLines(expected));
}
