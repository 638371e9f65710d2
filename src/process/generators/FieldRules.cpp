#include "process/generators/FieldRules.h"

#include "process/core/DialogSetup.h"

#include <QStringList>

namespace {
// A field that a row does not name holds a number and may not stay empty, except that the tool
// number is a whole number from 1 to 99 (T words write it with two digits) and the feed is above
// 0. A row names a field with its rule after it ("D?", "ToolNumber#79", "EndX+"; see
// ParseNumberRule): "?" where the field's 0 means "none" or the block does not write the field,
// so that it may stay empty.
struct Row
{
    const char* generators;
    const char* rules;
};

// clang-format off
const Row kRows[] = {
    // Drills: without a peck depth (Hiss) or an entry length (corbyte) D the drill goes in at
    // once; L (the Hiss cycle's L word, the corbyte's breakthrough length) is written only when
    // above 0. V with the drill diameter U gives the speed; a diameter of 0 stays the
    // division-by-zero error.
    {"ProcessDrillHss ProcessDrillU", "D? L?"},
    // Rough turning: without V the speed of the process before stays; U W 0 is no finishing
    // stock, C 0 no chamfer; SZ 0 writes no move to SZ.
    {"ProcessGROVOD ProcessGROVID ProcessGROVPLAN ProcessGROVPLANOD", "V? U? W? C? SZ?"},
    // Finishing: no finishing stock; plan and outside: end X 0 faces to the centre.
    {"ProcessFINOD ProcessFINID ProcessFINPLAN ProcessFINPLANOD", "V? U? W? EndX?"},
    // Grooving: the second insert edge has its offsets 20 above the tool number, two digits each,
    // so the tool number goes up to 79; the tool width K is above 0; no finishing stock, no
    // chamfer.
    {"ProcessGroovePLAN ProcessGrooveOD", "ToolNumber#79 V? U? W? C? L+"},
    {"ProcessGrooveID", "V? U? W? C? L+"},
    // Threading: the lead F and the cutting amount D above 0; no finishing stock U W, no chamfer
    // L, a single start (C 0 or 1); the cycle start C is not written. The nominal diameter of an
    // outside or inside thread is above 0.
    {"ProcessThreadPLAN", "V? U? W? L? C? StartC? D+"},
    {"ProcessThreadOD ProcessThreadID", "V? U? W? L? C? StartC? D+ EndX+"},
    // M-axis drills: the peck D, the second peck L and the dwell W are written only when above 0,
    // the hole count C only above 1. On the slant plane C and SZ are the plane's shifts, 0 for
    // none.
    {"ProcessMDrillPLAN ProcessMDrillSide ProcessMDrillSlant", "D? L? W? C? SZ?"},
    // M-axis taps: the thread angle D and the count C only when above 0. On the slant plane C and
    // SZ are the shifts of the plane's zero (G174 SX SZ), 0 for none.
    {"ProcessMTapPLAN ProcessMTapSide ProcessMTapSlant", "D? C? SZ?"},
    // Planet tap: D is the pitch every move is built from, above 0; W is the plane's master
    // angle, written as typed.
    {"ProcessMPlanetTapSlant", "D+ C? SZ?"},
    // Key ways: the count C and the stock L only when above 0; the cutting amount D is not
    // written. On the slant plane C and SZ are the plane's shifts, 0 for none.
    {"ProcessMKeyPLAN ProcessMKeySide ProcessMKeySlant", "C? L? D? SZ?"},
    // End-mill circle: without the step D one cut to the bottom, without L no finishing circle;
    // the plane's shifts C and SZ, 0 for none.
    {"ProcessMCircleSlant", "D? L? C? SZ?"},
    // Measurements: the second touch takes the offset 10 above the tool number (up to 89); V is
    // the offset number the macro corrects, two digits.
    {"ProcessMeasuerInD ProcessMeasuerOutD", "ToolNumber#89 V#99"},
    {"ProcessMeasuerInR ProcessMeasuerOutR", "V#99"},
    // Zero settings: the second approach C is written only when above 0, and on the Z axis the
    // tolerances U and W too; the C axis does not write D.
    {"ProcessMeasuerZeroCaxis", "C? D?"},
    {"ProcessMeasuerZeroZaxis", "U? W? C?"},
};
// clang-format on
} // namespace

QHash<QString, NumberRule> ProcessFieldRules(const QString& generator)
{
    QHash<QString, NumberRule> rules;
    for (const QString& field : ProcessFieldNames())
        rules.insert(field, {});
    rules[QStringLiteral("ToolNumber")] = ParseNumberRule(QStringLiteral("#99"));
    rules[QStringLiteral("F")] = ParseNumberRule(QStringLiteral("+"));
    for (const Row& row : kRows) {
        if (!QString::fromLatin1(row.generators).split(u' ').contains(generator))
            continue;
        for (const QString& word : QString::fromLatin1(row.rules).split(u' ')) {
            qsizetype letters = 0;
            while (letters < word.size() && word[letters].isLetter())
                ++letters;
            Q_ASSERT(rules.contains(word.left(letters)));
            rules[word.left(letters)] = ParseNumberRule(word.mid(letters));
        }
    }
    return rules;
}
