#include "TestSupport.h"
#include "texttools/core/DataChange.h"
#include "texttools/core/FindReplace.h"
#include "texttools/core/Insertions.h"
#include "texttools/core/NumberArrange.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {
// Arrange options as words: digits=, start=, add=, blanks=, stop, continuous, and caret=, which
// arranges from the line after the caret's line.
ArrangeOptions arrangeOptions(const QStringList& words, qsizetype* caret)
{
    ArrangeOptions o;
    for (const QString& word : words) {
        const QString name = word.section(u'=', 0, 0);
        const double value = word.section(u'=', 1).toDouble();
        if (name == u"digits")
            o.digits = value;
        else if (name == u"start")
            o.start = value;
        else if (name == u"add")
            o.add = value;
        else if (name == u"blanks")
            o.blanks = static_cast<BlankMode>(int(value));
        else if (name == u"stop")
            o.stopAtProgramEnd = true;
        else if (name == u"continuous")
            o.continuous = true;
        else if (name == u"caret") {
            o.fromTop = false;
            *caret = qsizetype(value);
        } else
            qFatal("unknown option %s", qPrintable(name));
    }
    return o;
}

// What the function gives for the values of a case, written as the data files write it.
QStringList run(const QString& function, const QStringList& in)
{
    const QString a = in.value(0), b = in.value(1), c = in.value(2), d = in.value(3);
    qsizetype caret = 0;
    if (function == u"FindPosition")
        return {QString::number(FindPosition(a, b, c.toLongLong()))};
    if (function == u"FoundAt")
        return {FoundAt(a, b, c.toLongLong()) ? u"yes"_qs : u"no"_qs};
    if (function == u"ReplaceAll") {
        const ReplaceAllResult r = ReplaceAll(a, b, c, d.toLongLong());
        return {r.text, QString::number(r.count), QString::number(r.findPos)};
    }
    if (function == u"FormatShifted")
        return {FormatShifted(a.toDouble())};
    if (function == u"ChangeOccurrence") {
        const qsizetype p = a.indexOf(b);
        const OccurrenceChange change = ChangeOccurrence(a, p, b, ParseCalculation(c));
        return {change.changed ? a.left(p) + change.replacement + a.mid(change.end) : a};
    }
    if (function == u"ShiftAll" || function == u"ShiftAllLastFound") {
        const ShiftAllResult r = ShiftAll(a, b.toLongLong(), c, d);
        if (function == u"ShiftAllLastFound")
            return {QString::number(r.lastFound),
                r.lastFoundChanged ? u"changed"_qs : u"unchanged"_qs, QString::number(r.findPos)};
        return QStringList {r.text, QString::number(r.count)}
        + QStringList(r.endless, u"endless"_qs);
    }
    if (function == u"CheckArrangeInput") {
        const char* names[] = {"None", "Digits", "Start", "Add"};
        return {QString::fromLatin1(names[int(CheckArrangeInput(arrangeOptions(in, &caret)))])};
    }
    if (function == u"DateLine")
        return {DateLine(QDate::fromString(a, Qt::ISODate))};
    const ArrangeOptions options = arrangeOptions(in.mid(1), &caret);
    if (CheckArrangeInput(options) != ArrangeInputError::None)
        return {u"options that make no sequence number"_qs};
    const QString text = ArrangeNumbers(a, caret, options).text;
    if (function == u"ArrangeNumbers")
        return {text};
    if (function == u"ArrangeNumbersLong") // length, first line, last line
        return {QString::number(text.size()), text.section(u"\r\n"_qs, 0, 0),
            text.section(u"\r\n"_qs, -2, -2)};
    return {u"no such function"_qs};
}
} // namespace

// Find and replace, the calculation data change, the sequence number arrange and the inserted
// lines on plain text, case by case from the data files.
class TextToolsLogicTest : public QObject
{
    Q_OBJECT

private slots:
    // One row a case: "[Function]" starts the cases of a function, each line then holds a case's
    // name, the values that go in, "->" and the values that come out; "#" starts a comment.
    void cases_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<QStringList>("out");
        for (const char* file :
            {"FindReplace.txt", "DataChange.txt", "NumberArrange.txt", "Insertions.txt"}) {
            QFile f(QStringLiteral(CORVANE_TESTS_DIR "/texttools/") + QString::fromLatin1(file));
            QVERIFY2(f.open(QIODevice::ReadOnly), file);
            QString function;
            for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
                if (line.startsWith(u'['))
                    function = line.mid(1, line.indexOf(u']') - 1);
                if (line.trimmed().isEmpty() || line.startsWith(u'#') || line.startsWith(u'['))
                    continue;
                QStringList values[2]; // in, out
                int side = 0;
                for (const QString& value : QuotedValues(line)) {
                    if (value == u"->")
                        side = 1;
                    else
                        values[side] << value;
                }
                const QString name = values[0].takeFirst();
                QTest::newRow(qPrintable(function + u'/' + name))
                    << function << values[0] << values[1];
            }
        }
    }
    void cases()
    {
        QFETCH(QString, function);
        QFETCH(QStringList, in);
        QTEST(run(function, in), "out");
    }
};

QTEST_GUILESS_MAIN(TextToolsLogicTest)
#include "TextToolsLogicTest.moc"
