#include "TestSupport.h"
#include "common/Module1.h"
#include "common/RuntimeError.h"
#include "process/core/ProcessBlock.h"
#include "process/core/ProgramFrame.h"
#include "process/generators/ProcessMenu.h"

#include <QDir>

// Every case of tests/process/golden/*.nc, one data row each: the generator named by its Process
// menu control (or one of the frame's pieces), built from the state in words and compared with
// the text written there line for line. The format is step 4 of src/process/generators/README.md.
struct Golden
{
    QString tag, where, problem; // file:case, file:line of the case line, why the file is wrong
    QString file, control, state, material, call, after;
    QSet<QString> given; // the keywords of its lines
    int error = 0, caret = -1, textLine = 0; // textLine: the file's line of the first text line
    QString text; // the expected lines with their CR LF
};
Q_DECLARE_METATYPE(Golden)

namespace {
Golden Malformed(const QString& file, int line, const QString& why)
{
    Golden g;
    g.tag = g.where = file + u':' + QString::number(line);
    g.problem = g.where + u": "_qs + why;
    return g;
}

// The cases of one file; the first line the format does not allow ends the file with a case that
// fails there.
QList<Golden> ReadGoldenFile(const QString& path)
{
    const QString file = QFileInfo(path).fileName();
    const QList<QByteArray> lines = ReadBytes(path).split('\n');
    QList<Golden> cases;
    Golden c;
    const QHash<QString, QString*> texts
        = {{"state", &c.state}, {"material", &c.material}, {"call", &c.call}, {"after", &c.after}};
    bool open = false, inText = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = QString::fromUtf8(lines[i]);
        const bool crLf = line.endsWith(u'\r') && i + 1 < lines.size();
        line.chop(line.endsWith(u'\r') ? 1 : 0);
        if (inText && line != u"end") {
            if (!crLf)
                return cases << Malformed(file, i + 1, u"a line without CR LF"_qs);
            c.text += line + u"\r\n"_qs;
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QString key = line.section(u' ', 0, 0), value = line.section(u' ', 1);
        QString why;
        if (key == u"case") {
            const QStringList words = value.split(u' ', Qt::SkipEmptyParts);
            if (open)
                why = u"the case before has no end"_qs;
            else if (words.size() != 2)
                why = u"a case line is \"case <name> <control>\""_qs;
            else if (std::any_of(cases.begin(), cases.end(),
                         [&](const Golden& o) { return o.tag == file + u':' + words[0]; }))
                why = u"a second case of that name"_qs;
            c = Golden();
            c.tag = file + u':' + words.value(0);
            c.where = file + u':' + QString::number(i + 1);
            c.control = words.value(1);
            c.file = file;
            open = true;
        } else if (!open) {
            why = u"\"%1\" outside a case"_qs.arg(key);
        } else if (QString* field = texts.value(key)) {
            *field = value;
        } else if (key == u"error") {
            if ((c.error = value.toInt()) <= 0)
                why = u"an error is a run-time error number"_qs;
        } else if (key == u"caret") {
            if ((c.caret = value.startsWith(u"after line ") ? value.mid(11).toInt() : 0) <= 0)
                why = u"a caret line is \"caret after line <n>\""_qs;
        } else if (key == u"text") {
            inText = true;
            c.textLine = i + 2;
        } else if (key == u"end") {
            inText = open = false;
            if (!c.given.contains(u"state"_qs))
                why = u"the case has no state line"_qs;
            else if (c.given.contains(u"text"_qs) == (c.error != 0))
                why = u"a case expects either a text or an error"_qs;
            else
                cases << c;
        } else {
            why = u"unknown line \"%1\""_qs.arg(line);
        }
        c.given.insert(key);
        if (!why.isEmpty())
            return cases << Malformed(file, i + 1, why);
    }
    if (open || cases.isEmpty())
        cases << Malformed(
            file, int(lines.size()), open ? u"the last case has no end"_qs : u"no cases"_qs);
    return cases;
}

// The numbers a state word names: the process values, the spindle speed the process before
// left, the material values.
QHash<QString, double*> Numbers(Module1& m)
{
    return {{"T", &m.gToolNumber}, {"V", &m.gV}, {"F", &m.gF}, {"U", &m.gU}, {"W", &m.gW},
        {"D", &m.gD}, {"L", &m.gL}, {"C", &m.gC}, {"B", &m.gB}, {"SZ", &m.gSZ},
        {"StartX", &m.gStartX}, {"StartZ", &m.gStartZ}, {"StartC", &m.gStartC}, {"EndX", &m.gEndX},
        {"EndZ", &m.gEndZ}, {"EndC", &m.gEndC}, {"S", &m.gSpindleSpeed}, {"PZero", &m.gPZero},
        {"JawLength", &m.gJawLength}, {"JawPlan", &m.gJawPlan}, {"Length", &m.gMaterialLength},
        {"OD", &m.gMaterialOD}, {"InnerDia", &m.gInnerDia}};
}

// The state in words: the machine at its usual positions (approach X200 Z50, home X500 Z500),
// turret H2, ATC macro M421, after K500, spindle forward and coolant on, without tool groups,
// tool data, Duomill, B turret, panel check, door or measuring; then each word changes it.
// Returns the first word it does not know.
QString ApplyWords(Module1& m, const QString& words)
{
    m.gToolFrom = m.gPanelChk = false;
    m.gSpindleCode = u" M03 M63"_qs;
    m.gCoolantCode = u" M08"_qs;
    const QHash<QString, double*> numbers = Numbers(m);
    // Switches, and the positions as text, as the settings store has them.
    const QHash<QString, Variant*> settings
        = {{"duomill", &m.gDuomill}, {"toolData", &m.gToolFrom}, {"bturret", &m.gBturret},
            {"panel", &m.gPanelChk}, {"door", &m.gAutoDoor}, {"measure", &m.gMeasuer},
            {"AppX", &m.gAppX}, {"AppZ", &m.gAppZ}, {"HomeX", &m.gHomeX}, {"HomeZ", &m.gHomeZ}};
    using Text = const QString&;
    const QHash<QString, std::function<void(Text)>> others = {
        {"groups", [&](Text) { m.gTG = true; }}, {"beforeK500", [&](Text) { m.gQCSK500 = false; }},
        {"H1", [&](Text) { m.gTurretType = 1; }},
        {"ccw", [&](Text) { m.gSpindleCode = u" M04 M63"_qs; }},
        {"coolantOff", [&](Text) { m.gCoolantCode = u" M09"_qs; }},
        {"macro", [&](Text text) { m.gAtcMacroType = text; }},
        {"MaxS", [&](Text text) { m.gMaxS = text.toFloat(); }}};
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0), text = word.section(u'=', 1);
        if (settings.contains(name))
            *settings.value(name) = word.contains(u'=') ? Variant(text) : Variant(true);
        else if (others.contains(name))
            others.value(name)(text);
        else if (numbers.contains(name))
            *numbers.value(name) = text.toDouble();
        else
            return word;
    }
    return {};
}

// The material input dialog: its fields by their labels and the choices inside, sub, tailstock
// and plan.
MaterialFields MaterialWords(const QString& words, QString& unknown)
{
    const QStringList fields = {"", "JawLength", "JawPlan", "Length", "MaterialID", "MaterialOD",
        "CenterHoleD", "CenterD", "CenterLength", "PZero"};
    MaterialFields f;
    const QHash<QString, bool*> choices
        = {{"sub", &f.subSpindle}, {"tailstock", &f.tailstock}, {"plan", &f.planDrawing}};
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        if (fields.indexOf(name) > 0)
            f.text[fields.indexOf(name)] = word.section(u'=', 1);
        else if (choices.contains(name) || name == u"inside")
            *choices.value(name, &f.gripOutside) = name != u"inside";
        else
            unknown = word;
    }
    return f;
}
} // namespace

class GoldenTest : public QObject
{
    Q_OBJECT

private slots:
    void golden_data()
    {
        QTest::addColumn<Golden>("c");
        const QDir dir(QStringLiteral(CORVANE_TESTS_DIR "/process/golden"));
        for (const QString& file : dir.entryList({u"*.nc"_qs}, QDir::Files))
            for (const Golden& c : ReadGoldenFile(dir.filePath(file)))
                QTest::newRow(qPrintable(c.tag)) << c;
    }

    void golden()
    {
        QFETCH(Golden, c);
        QVERIFY2(c.problem.isEmpty(), qPrintable(c.problem));
        static const QStringList pieces = {"ProgramFrame", "GraphicData", "AtcLTool", "AtcMTool"};
        const ProcessItem* item = nullptr;
        for (const ProcessItem& i : ProcessItems())
            item = c.control == QLatin1String(i.control) && i.build ? &i : item;
        QVERIFY2(item || pieces.contains(c.control),
            qPrintable(c.where + u": no generator "_qs + c.control));
        Module1 m;
        QString unknown = ApplyWords(m, c.state);
        const MaterialFields fields = MaterialWords(c.material, unknown);
        QVERIFY2(unknown.isEmpty(), qPrintable(c.where + u": unknown "_qs + unknown));
        if (!c.material.isEmpty())
            ReadMaterialFields(m, fields);
        m.gProcessText = u"left over\r\n"_qs; // a block replaces the one before
        QString call;
        int caret = -1;
        const int error = RuntimeErrorOf([&] {
            if (item && item->callLine)
                call = item->callLine(m);
            if (item) {
                item->build(m);
            } else if (c.control == u"ProgramFrame") {
                const ProgramFrameText frame = BuildProgramFrame(m);
                m.gProcessText = frame.start + frame.rest;
                caret = int(frame.start.count(u'\n'));
            } else if (c.control == u"GraphicData") {
                BuildGraphicData(m, fields);
            } else {
                m.gProcessText.clear();
                (c.control == u"AtcLTool" ? AppendAtcLTool : AppendAtcMTool)(m);
            }
        });
        QCOMPARE(error, c.error);
        QCOMPARE(call, c.call);
        // On an error the frame inserts nothing, whatever was begun.
        const QStringList want = c.text.split(u"\r\n"_qs), got = m.gProcessText.split(u"\r\n"_qs);
        const QString none = u"(no more lines)"_qs;
        for (qsizetype i = 0; !error && i < qMax(want.size(), got.size()); ++i)
            QVERIFY2(want.value(i, none) == got.value(i, none),
                qPrintable(u"%1:%2: expected \"%3\", written \"%4\""_qs.arg(c.file,
                    QString::number(c.textLine + i), want.value(i, none), got.value(i, none))));
        if (c.caret >= 0)
            QCOMPARE(caret, c.caret);
        for (const QString& word : c.after.split(u' ', Qt::SkipEmptyParts)) {
            const bool maxS = word.startsWith(u"MaxS="); // kept in single precision
            const double want = maxS ? word.mid(5).toFloat() : word.section(u'=', 1).toDouble();
            const double* value = Numbers(m).value(word.section(u'=', 0, 0));
            const double left = maxS ? m.gMaxS : value ? *value : qQNaN();
            QVERIFY2(left == want || qFuzzyCompare(left, want),
                qPrintable(c.where + u": after "_qs + word + u", left "_qs
                    + QString::number(left, 'g', 10)));
        }
    }
};

QTEST_GUILESS_MAIN(GoldenTest)
#include "GoldenTest.moc"
