#pragma once

#include "common/Module1.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QtGlobal>

// The state a generator starts from, described in words: the machine at its usual positions
// (approach X200 Z50, home X500 Z500), a turret lathe after K500 with turret H2 and macro M421,
// no tool groups, no tool data, spindle forward, coolant on, every process value 0. Each word
// changes that: a flag ("duomill", "groups", "toolData", "beforeK500", "H1", "coolantOff"), the
// ATC macro ("macro=M441"), or a value by the name of its dialog field or machine parameter
// ("T=5", "U=6.8", "StartX=40", "AppZ=100").
inline Module1 GeneratorState(const QString& words)
{
    static const QHash<QString, double Module1::*> fields = {{"T", &Module1::gToolNumber},
        {"V", &Module1::gV}, {"F", &Module1::gF}, {"U", &Module1::gU}, {"W", &Module1::gW},
        {"D", &Module1::gD}, {"L", &Module1::gL}, {"C", &Module1::gC}, {"B", &Module1::gB},
        {"SZ", &Module1::gSZ}, {"StartX", &Module1::gStartX}, {"StartZ", &Module1::gStartZ},
        {"StartC", &Module1::gStartC}, {"EndX", &Module1::gEndX}, {"EndZ", &Module1::gEndZ},
        {"EndC", &Module1::gEndC}};
    static const QHash<QString, Variant Module1::*> machine = {{"AppX", &Module1::gAppX},
        {"AppZ", &Module1::gAppZ}, {"HomeX", &Module1::gHomeX}, {"HomeZ", &Module1::gHomeZ}};
    Module1 m;
    m.gAppX = 200.0;
    m.gAppZ = 50.0;
    m.gHomeX = 500.0;
    m.gHomeZ = 500.0;
    m.gQCSK500 = true;
    m.gDuomill = false;
    m.gTG = false;
    m.gToolFrom = false;
    m.gTurretType = 2;
    m.gAtcMacroType = QStringLiteral("M421");
    m.gSpindleCode = QStringLiteral(" M03 M63");
    m.gCoolantCode = QStringLiteral(" M08");
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        const QString value = word.section(u'=', 1);
        if (fields.contains(name))
            m.*fields.value(name) = value.toDouble();
        else if (machine.contains(name))
            m.*machine.value(name) = value.toDouble();
        else if (name == u"duomill")
            m.gDuomill = true;
        else if (name == u"groups")
            m.gTG = true;
        else if (name == u"toolData")
            m.gToolFrom = true;
        else if (name == u"beforeK500")
            m.gQCSK500 = false;
        else if (name == u"H1")
            m.gTurretType = 1;
        else if (name == u"coolantOff")
            m.gCoolantCode = QStringLiteral(" M09");
        else if (name == u"macro")
            m.gAtcMacroType = value;
        else
            qFatal("unknown state word %s", qPrintable(word));
    }
    return m;
}

// Lines joined with CR LF, the last one ended too.
inline QString GoldenText(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

// The columns of a golden test: the state in words and the lines expected.
inline void AddGoldenColumns()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("expected");
}

// Builds the current row's state with `build` and compares the block with the expected lines.
inline void CheckGolden(void (*build)(Module1&))
{
    QFETCH(QString, state);
    QFETCH(QStringList, expected);
    Module1 m = GeneratorState(state);
    build(m);
    QCOMPARE(m.gProcessText, GoldenText(expected));
}
