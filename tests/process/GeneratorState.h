#pragma once

#include "common/Module1.h"
#include "common/RuntimeError.h"

#include <QHash>
#include <QStringList>
#include <QTest>
#include <QtGlobal>

// The state a generator starts from, written as words: the machine at its usual positions
// (approach X200 Z50, home X500 Z500), turret tool numbers, no tool data, after K500, turret H2,
// ATC macro M421, spindle forward and coolant on; then `words` change it. Flags: duomill, groups
// (tool groups), toolData, beforeK500, H1, ccw, coolantOff; values: macro=M441 and "name=number"
// for the process values (T, V, F, U, W, D, L, C, B, SZ, StartX ... EndC) and the positions AppX,
// AppZ, HomeX, HomeZ, which are kept as text as the settings store gives them; S is the spindle
// speed the previous process left (also "speed"); PZero, OD and InnerDia are the material values.
inline Module1 GeneratorState(const QString& words)
{
    Module1 m;
    m.gAppX = 200.0;
    m.gAppZ = 50.0;
    m.gHomeX = 500.0;
    m.gHomeZ = 500.0;
    m.gDuomill = false;
    m.gTG = false;
    m.gToolFrom = false;
    m.gQCSK500 = true;
    m.gTurretType = 2;
    m.gAtcMacroType = QStringLiteral("M421");
    m.gSpindleCode = QStringLiteral(" M03 M63");
    m.gCoolantCode = QStringLiteral(" M08");
    const QHash<QString, double*> numbers = {{"T", &m.gToolNumber}, {"V", &m.gV}, {"F", &m.gF},
        {"U", &m.gU}, {"W", &m.gW}, {"D", &m.gD}, {"L", &m.gL}, {"C", &m.gC}, {"B", &m.gB},
        {"SZ", &m.gSZ}, {"StartX", &m.gStartX}, {"StartZ", &m.gStartZ}, {"StartC", &m.gStartC},
        {"EndX", &m.gEndX}, {"EndZ", &m.gEndZ}, {"EndC", &m.gEndC}, {"S", &m.gSpindleSpeed},
        {"speed", &m.gSpindleSpeed}, {"PZero", &m.gPZero}, {"OD", &m.gMaterialOD},
        {"InnerDia", &m.gInnerDia}};
    const QHash<QString, Variant*> positions
        = {{"AppX", &m.gAppX}, {"AppZ", &m.gAppZ}, {"HomeX", &m.gHomeX}, {"HomeZ", &m.gHomeZ}};
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        const QString text = word.section(u'=', 1);
        if (name == u"duomill")
            m.gDuomill = true;
        else if (name == u"groups")
            m.gTG = true;
        else if (name == u"toolData")
            m.gToolFrom = true;
        else if (name == u"beforeK500")
            m.gQCSK500 = false;
        else if (name == u"H1")
            m.gTurretType = 1;
        else if (name == u"ccw")
            m.gSpindleCode = QStringLiteral(" M04 M63");
        else if (name == u"coolantOff")
            m.gCoolantCode = QStringLiteral(" M09");
        else if (name == u"macro")
            m.gAtcMacroType = text;
        else if (numbers.contains(name))
            *numbers.value(name) = text.toDouble();
        else if (positions.contains(name))
            *positions.value(name) = text;
        else
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

// Builds the block from the state of the current data row, the inside diameter being 7 before,
// and compares it line for line; `innerDia` is the inside diameter the generator leaves.
inline void CheckBlock(void (*build)(Module1&), double innerDia = 7)
{
    QFETCH(QString, state);
    QFETCH(QStringList, expected);
    Module1 m = GeneratorState(state + QStringLiteral(" InnerDia=7"));
    build(m);
    QCOMPARE(m.gProcessText, NcLines(expected));
    QCOMPARE(m.gInnerDia, innerDia);
}
