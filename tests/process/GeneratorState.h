#pragma once

#include "common/Module1.h"
#include "common/RuntimeError.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <initializer_list>

// The state a generator starts from: the machine at its usual positions (approach 200/50, home
// 500/500), turret tool numbering, no tool data, ATC macro M421, spindle forward, coolant on.
// `changes` sets further values as words: the switches duomill, groups, toolData, ccw and
// coolantOff, macro=M441, and name=value for the process values (T, V, F, U, W, D, L, C, SZ,
// StartX, StartZ, EndX, EndZ), the machine positions (AppX, AppZ, HomeX, HomeZ; kept as text, as
// they are read from the settings store), the material (PZero, OD, InnerDia) and the spindle speed
// of the process before (speed).
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
    const std::pair<const char*, double Module1::*> numbers[] = {{"T", &Module1::gToolNumber},
        {"V", &Module1::gV}, {"F", &Module1::gF}, {"U", &Module1::gU}, {"W", &Module1::gW},
        {"D", &Module1::gD}, {"L", &Module1::gL}, {"C", &Module1::gC}, {"SZ", &Module1::gSZ},
        {"StartX", &Module1::gStartX}, {"StartZ", &Module1::gStartZ}, {"EndX", &Module1::gEndX},
        {"EndZ", &Module1::gEndZ}, {"PZero", &Module1::gPZero}, {"OD", &Module1::gMaterialOD},
        {"InnerDia", &Module1::gInnerDia}, {"speed", &Module1::gSpindleSpeed}};
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
        else if (name == u"macro")
            m.gAtcMacroType = text;
        else if (name == u"ccw")
            m.gSpindleCode = QStringLiteral(" M04 M63");
        else if (name == u"coolantOff")
            m.gCoolantCode = QStringLiteral(" M09");
        else
            known = false;
        for (const auto& [key, member] : numbers)
            if (name == QLatin1String(key)) {
                m.*member = text.toDouble();
                known = true;
            }
        for (const auto& [key, member] : positions)
            if (name == QLatin1String(key)) {
                m.*member = text;
                known = true;
            }
        if (!known)
            qFatal("unknown state word %s", qPrintable(name));
    }
    return m;
}

// The text of a block: each line ended by CR LF.
inline QString BlockLines(const QStringList& list)
{
    return list.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

// A reference diameter of 0 for the spindle speed stops each generator with the division error,
// and the speed of the process before stays; without a cutting speed there is nothing to divide.
inline void CheckZeroReferenceDiameter(
    std::initializer_list<void (*)(Module1&)> builders, const QString& state)
{
    for (void (*build)(Module1&) : builders) {
        Module1 m = GeneratorState(state + QStringLiteral(" speed=400"));
        try {
            build(m);
            QFAIL("a reference diameter of 0 must stop the generator");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 11);
        }
        QCOMPARE(m.gSpindleSpeed, 400.0);
        m.gV = 0;
        build(m);
        QVERIFY(m.gProcessText.contains(QLatin1String(" S400")));
    }
}

// The columns of a golden block test: the state in words and the lines expected.
inline void AddBlockColumns()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("expected");
}

// Builds the block from the state of the current data row, the inside diameter being 7 before,
// and compares it line for line; `innerDia` is the inside diameter the generator leaves.
inline void CheckBlock(void (*build)(Module1&), double innerDia = 7)
{
    QFETCH(QString, state);
    QFETCH(QStringList, expected);
    Module1 m = GeneratorState(state + QStringLiteral(" InnerDia=7"));
    build(m);
    QCOMPARE(m.gProcessText, BlockLines(expected));
    QCOMPARE(m.gInnerDia, innerDia);
}
