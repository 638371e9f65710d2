#include "common/Module1.h"
#include "common/RuntimeError.h"
#include "process/core/ProcessBlock.h"
#include "process/core/ProgramFrame.h"
#include "process/generators/ProcessMenu.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

// Every case of tests/process/golden/*.nc, one data row each: the generator named by its Process
// menu control (or one of the frame's pieces), built from the state in words and compared with
// the text written there line for line. The format is step 4 of src/process/generators/README.md.
struct Golden
{
    QString tag; // file:case
    QString where; // file:line of the case line, for the messages
    QString problem; // a file the format does not allow fails with this
    QString file, control, state, material, call, after;
    QSet<QString> given; // the keywords of its lines
    int error = 0; // the run-time error expected instead of a text
    int caret = -1; // program frame: the lines before the caret
    int textLine = 0; // the file's line of the first expected line
    QString text; // the expected lines with their CR LF
};
Q_DECLARE_METATYPE(Golden)

namespace {
Golden Malformed(const QString& file, int line, const QString& why)
{
    Golden g;
    g.tag = g.where = file + u':' + QString::number(line);
    g.problem = g.where + QStringLiteral(": ") + why;
    return g;
}

// The cases of one file; the first line the format does not allow ends the file with a case that
// fails there.
QList<Golden> ReadGoldenFile(const QString& path)
{
    const QString file = QFileInfo(path).fileName();
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {Malformed(file, 0, QStringLiteral("cannot be read"))};
    const QList<QByteArray> lines = in.readAll().split('\n');
    QList<Golden> cases;
    Golden c;
    const QHash<QString, QString*> texts = {{"state", &c.state}, {"material", &c.material},
        {"call", &c.call}, {"after", &c.after}}; // the lines that give words
    bool open = false, inText = false;
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QString line = QString::fromUtf8(lines[i]);
        const bool crLf = line.endsWith(u'\r') && i + 1 < lines.size();
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (inText && line != u"end") {
            if (!crLf)
                return cases << Malformed(file, number, QStringLiteral("a line without CR LF"));
            c.text += line + QStringLiteral("\r\n");
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QString key = line.section(u' ', 0, 0);
        const QString value = line.section(u' ', 1);
        const QStringList words = value.split(u' ', Qt::SkipEmptyParts);
        QString why;
        if (key == u"case") {
            if (open)
                why = QStringLiteral("the case before has no end");
            else if (words.size() != 2)
                why = QStringLiteral("a case line is \"case <name> <control>\"");
            c = Golden();
            c.tag = file + u':' + words.value(0);
            c.where = file + u':' + QString::number(number);
            c.control = words.value(1);
            c.file = file;
            open = true;
        } else if (!open) {
            why = QStringLiteral("\"%1\" outside a case").arg(key);
        } else if (QString* field = texts.value(key)) {
            *field = value;
        } else if (key == u"error") {
            c.error = value.toInt();
            if (c.error <= 0)
                why = QStringLiteral("an error is a run-time error number");
        } else if (key == u"caret") {
            c.caret = value.startsWith(u"after line ") ? value.mid(11).toInt() : 0;
            if (c.caret <= 0)
                why = QStringLiteral("a caret line is \"caret after line <n>\"");
        } else if (key == u"text") {
            inText = true;
            c.textLine = number + 1;
        } else if (key == u"end") {
            inText = open = false;
            if (!c.given.contains(QStringLiteral("state")))
                why = QStringLiteral("the case has no state line");
            else if (c.given.contains(QStringLiteral("text")) == (c.error != 0))
                why = QStringLiteral("a case expects either a text or an error");
            else
                cases << c;
        } else {
            why = QStringLiteral("unknown line \"%1\"").arg(line);
        }
        c.given.insert(key);
        if (!why.isEmpty())
            return cases << Malformed(file, number, why);
    }
    if (open)
        cases << Malformed(file, int(lines.size()), QStringLiteral("the last case has no end"));
    else if (cases.isEmpty())
        cases << Malformed(file, 0, QStringLiteral("no cases"));
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
    m.gToolFrom = false;
    m.gPanelChk = false;
    m.gSpindleCode = QStringLiteral(" M03 M63");
    m.gCoolantCode = QStringLiteral(" M08");
    const QHash<QString, double*> numbers = Numbers(m);
    // Switches, and the positions as text, as the settings store has them.
    const QHash<QString, Variant*> settings
        = {{"duomill", &m.gDuomill}, {"toolData", &m.gToolFrom}, {"bturret", &m.gBturret},
            {"panel", &m.gPanelChk}, {"door", &m.gAutoDoor}, {"measure", &m.gMeasuer},
            {"AppX", &m.gAppX}, {"AppZ", &m.gAppZ}, {"HomeX", &m.gHomeX}, {"HomeZ", &m.gHomeZ}};
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        const QString text = word.section(u'=', 1);
        if (settings.contains(name))
            *settings.value(name) = word.contains(u'=') ? Variant(text) : Variant(true);
        else if (name == u"groups")
            m.gTG = true;
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
        else if (name == u"MaxS")
            m.gMaxS = text.toFloat();
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
    const QHash<QString, int> field
        = {{"JawLength", 1}, {"JawPlan", 2}, {"Length", 3}, {"MaterialID", 4}, {"MaterialOD", 5},
            {"CenterHoleD", 6}, {"CenterD", 7}, {"CenterLength", 8}, {"PZero", 9}};
    MaterialFields f;
    const QHash<QString, bool*> choices
        = {{"sub", &f.subSpindle}, {"tailstock", &f.tailstock}, {"plan", &f.planDrawing}};
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = word.section(u'=', 0, 0);
        if (field.contains(name))
            f.text[field.value(name)] = word.section(u'=', 1);
        else if (choices.contains(name) || name == u"inside")
            *choices.value(name, &f.gripOutside) = name != u"inside";
        else
            unknown = word;
    }
    return f;
}

const ProcessItem* GeneratorOf(const QString& control)
{
    for (const ProcessItem& item : ProcessItems())
        if (control == QLatin1String(item.control) && item.build)
            return &item;
    return nullptr;
}

// The first line that differs, as "file:line: expected ..., written ...", or nothing.
QString FirstDifference(const Golden& c, const QString& written)
{
    const QStringList want = c.text.split(QStringLiteral("\r\n"));
    const QStringList got = written.split(QStringLiteral("\r\n"));
    const QString none = QStringLiteral("(no more lines)");
    for (qsizetype i = 0; i < qMax(want.size(), got.size()); ++i)
        if (want.value(i, none) != got.value(i, none))
            return QStringLiteral("%1:%2: expected \"%3\", written \"%4\"")
                .arg(c.file, QString::number(c.textLine + i), want.value(i, none),
                    got.value(i, none));
    return {};
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
        QSet<QString> tags;
        for (const QString& file : dir.entryList({QStringLiteral("*.nc")}, QDir::Files))
            for (Golden c : ReadGoldenFile(dir.filePath(file))) {
                if (tags.contains(c.tag))
                    c = Malformed(c.file, c.where.section(u':', 1).toInt(),
                        QStringLiteral("a second case of that name"));
                tags.insert(c.tag);
                QTest::newRow(qPrintable(c.tag)) << c;
            }
        if (tags.isEmpty())
            QTest::newRow("none") << Malformed(dir.path(), 0, QStringLiteral("no golden files"));
    }

    void golden()
    {
        QFETCH(Golden, c);
        QVERIFY2(c.problem.isEmpty(), qPrintable(c.problem));
        const ProcessItem* item = GeneratorOf(c.control);
        static const QStringList pieces = {QStringLiteral("ProgramFrame"),
            QStringLiteral("GraphicData"), QStringLiteral("AtcLTool"), QStringLiteral("AtcMTool")};
        QVERIFY2(item || pieces.contains(c.control),
            qPrintable(c.where + QStringLiteral(": no generator ") + c.control));
        QVERIFY2(!item || bool(item->callLine) == c.given.contains(QStringLiteral("call")),
            qPrintable(c.where + QStringLiteral(": a call line for a measurement, none else")));
        Module1 m;
        QString unknown = ApplyWords(m, c.state);
        const MaterialFields fields = MaterialWords(c.material, unknown);
        QVERIFY2(unknown.isEmpty(), qPrintable(c.where + QStringLiteral(": unknown ") + unknown));
        if (!c.material.isEmpty())
            ReadMaterialFields(m, fields);
        m.gProcessText = QStringLiteral("left over\r\n"); // a block replaces the one before
        QString call;
        int caret = -1;
        int error = 0;
        try {
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
        } catch (const RuntimeError& e) {
            error = e.number();
        }
        QCOMPARE(error, c.error);
        QCOMPARE(call, c.call);
        const QString difference = FirstDifference(c, m.gProcessText);
        if (!error) // on an error the frame inserts nothing, whatever was begun
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        if (c.caret >= 0)
            QCOMPARE(caret, c.caret);
        for (const QString& word : c.after.split(u' ', Qt::SkipEmptyParts)) {
            const bool maxS = word.startsWith(u"MaxS="); // kept in single precision
            const double want = maxS ? word.mid(5).toFloat() : word.section(u'=', 1).toDouble();
            const double* value = Numbers(m).value(word.section(u'=', 0, 0));
            const double left = maxS ? m.gMaxS : value ? *value : qQNaN();
            QVERIFY2(left == want || qFuzzyCompare(left, want),
                qPrintable(c.where + QStringLiteral(": after ") + word + QStringLiteral(", left ")
                    + QString::number(left, 'g', 10)));
        }
    }
};

QTEST_GUILESS_MAIN(GoldenTest)
#include "GoldenTest.moc"
