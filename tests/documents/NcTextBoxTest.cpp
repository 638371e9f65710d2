#include "TestSupport.h"

#include "documents/core/NcWords.h"
#include "texttools/core/NumberArrange.h"
#include <functional>

#include <QAccessible>

#include <functional>

namespace {
using In = const QStringList&;
using Out = QStringList;

const QHash<QString, DataRule> rules = {
    {"Select",
        [](In in) -> Out {
            NcTextBox box;
            box.loadText(in[0]);
            box.setSelStart(in[1].toInt());
            box.setSelLength(in[2].toInt());
            const bool kept = box.Text() == in[0] && !box.DataChanged();
            return {box.SelText(), QString::number(box.SelStart()),
                QString::number(box.SelLength()), kept ? "kept" : "changed"};
        }},
    {"Type",
        [](In in) -> Out {
            module1().gAutoSeqNo = in[0] == u"on";
            NcTextBox box;
            box.show();
            box.loadText(in[1]);
            box.setSelStart(in[2].toInt());
            if (in[3] == u"<Return>" || in[3] == u"<Backspace>")
                QTest::keyClick(&box, in[3] == u"<Return>" ? Qt::Key_Return : Qt::Key_Backspace);
            else
                QTest::keyClicks(&box, in[3]);
            module1().gAutoSeqNo = false;
            return {box.Text()};
        }},
    {"Reader",
        [](In in) -> Out {
            NcTextBox box;
            box.show();
            box.loadText(in[0]);
            box.setSelStart(in[1].toInt());
            QAccessibleTextInterface* reader
                = QAccessible::queryAccessibleInterface(&box)->textInterface();
            int start = 0, end = 0;
            const QString line = reader->textAtOffset(
                reader->cursorPosition(), QAccessible::LineBoundary, &start, &end);
            const Out before = {reader->text(0, reader->characterCount()),
                QString::number(reader->cursorPosition()),
                QString::number(reader->characterCount()), line};
            if (in[2] == u"<Backspace>")
                QTest::keyClick(&box, Qt::Key_Backspace);
            else
                QTest::keyClicks(&box, in[2]);
            return before
                + Out {reader->text(0, reader->characterCount()),
                    QString::number(reader->cursorPosition())};
        }},
};
// A shown, coloured text box holding a 3000-line program, line n as given; returns the program.
QString showColoured(NcTextBox& box, const std::function<QString(int)>& line)
{
    box.resize(400, 300);
    box.setColouring(true);
    box.show();
    QString text;
    for (int n = 0; n < 3000; ++n)
        text += line(n);
    box.loadText(text);
    return text;
}
} // namespace

// The text box as the text tools see it: positions in characters, CR LF as two, every byte kept.
class NcTextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data() { AddDataRows(u"documents/Typing.txt"_qs); }
    void rules() { RunDataRow(::rules); }

    void selTextReplacesSelectionAndWholeTextIsOneUndoStep()
    {
        NcTextBox box;
        box.loadText(u"N000 G00 M08\r\n"_qs);
        box.setSelStart(9);
        box.setSelLength(3);
        box.setSelText(u"M09"_qs);
        QCOMPARE(box.Text(), u"N000 G00 M09\r\n"_qs);
        QCOMPARE(box.SelStart(), 12);
        QCOMPARE(box.SelLength(), 0);
        QVERIFY(box.DataChanged());
        box.setWholeText(u"two\r\nthree\r\n"_qs);
        QCOMPARE(box.Text(), u"two\r\nthree\r\n"_qs);
        box.undo();
        QCOMPARE(box.Text(), u"N000 G00 M09\r\n"_qs);
        box.redo();
        QCOMPARE(box.Text(), u"two\r\nthree\r\n"_qs);
    }

    // A renumbering writes back only what it changed, in one step that Undo takes back exactly
    // and Redo does again; wherever each leaves the view, no word in it is left plain.
    void colouringSurvivesARenumberingAndItsUndo()
    {
        NcTextBox box;
        const QString text = showColoured(box, [](int n) {
            return n % 10 == 7 ? u"(外径 %1)\r\n"_qs.arg(n) : u"N000 G01 X%1\r\n"_qs.arg(n);
        });
        box.setFirstVisibleLine(1495);
        // The kinds of the characters in view, spaces and line ends left out.
        const auto kindsInView = [&box] {
            QCoreApplication::processEvents();
            box.repaint();
            const long first = box.firstVisibleLine();
            const long from = box.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, first);
            const long to = box.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE,
                first + box.SendScintilla(QsciScintilla::SCI_LINESONSCREEN));
            QStringList kinds;
            for (long pos = from; pos < to; ++pos) {
                const auto c = box.SendScintilla(QsciScintilla::SCI_GETCHARAT, pos);
                const QString kind
                    = NcStyleName(NcStyle(box.SendScintilla(QsciScintilla::SCI_GETSTYLEAT, pos)));
                if (c != ' ' && c != '\r' && c != '\n' && !kinds.contains(kind))
                    kinds << kind;
            }
            kinds.sort();
            return kinds.join(u' ');
        };
        const QString coloured = u"address comment g sequence"_qs;
        QCOMPARE(kindsInView(), coloured);
        const QString renumbered = ArrangeNumbers(text, 0, ArrangeOptions()).text;
        box.setWholeText(renumbered);
        QCOMPARE(box.Text(), renumbered);
        QCOMPARE(kindsInView(), coloured);
        box.undo();
        QCOMPARE(box.Text(), text);
        QCOMPARE(kindsInView(), coloured);
        QVERIFY(!box.isUndoAvailable());
        box.redo();
        QCOMPARE(box.Text(), renumbered);
        QCOMPARE(kindsInView(), coloured);
    }

    // On a dark palette the line numbers are light on a dark ground, as the words are; a new
    // palette while the program is open turns the margin and the words with it.
    void marginAndWordsFollowThePalette()
    {
        NcTextBox box;
        box.setColouring(true);
        box.loadText(u"N0010 G00 X86\r\n"_qs);
        const auto lightness = [&box](int message, long style) {
            const long bgr = box.SendScintilla(message, style);
            return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff).lightness();
        };
        const auto shown = [&] {
            using S = QsciScintilla;
            return QList<bool> {lightness(S::SCI_STYLEGETBACK, S::STYLE_LINENUMBER) < 128,
                lightness(S::SCI_STYLEGETFORE, S::STYLE_LINENUMBER) < 128,
                lightness(S::SCI_STYLEGETBACK, long(NcStyle::GCode)) < 128,
                lightness(S::SCI_STYLEGETFORE, long(NcStyle::GCode)) < 128};
        };
        QPalette dark = box.palette();
        for (auto [role, colour] :
            {std::pair {QPalette::Window, QColor(45, 45, 48)}, {QPalette::Base, QColor(30, 30, 30)},
                {QPalette::Text, QColor(220, 220, 220)}, {QPalette::Button, QColor(45, 45, 48)}})
            dark.setColor(role, colour);
        const QPalette light = box.palette();
        QCOMPARE(shown(), (QList {false, true, false, true}));
        box.setPalette(dark);
        QCOMPARE(shown(), (QList {true, false, true, false}));
        box.setPalette(light);
        QCOMPARE(shown(), (QList {false, true, false, true}));
        QCOMPARE(box.Text(), u"N0010 G00 X86\r\n"_qs);
    }

    // A jump to the end of a long program colours the lines in view, not those passed over; they
    // are coloured once scrolled into view, and the text is left as it was.
    void colouringFollowsTheView()
    {
        NcTextBox box;
        const QString text = showColoured(box, [](int n) { return u"N%1 G01 X%1\r\n"_qs.arg(n); });
        const auto styleOfLine = [&box](long line) {
            QCoreApplication::processEvents();
            box.repaint();
            return box.SendScintilla(QsciScintilla::SCI_GETSTYLEAT,
                box.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line) + 6);
        };
        box.SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
        QCOMPARE(styleOfLine(2990), long(NcStyle::GCode));
        QCOMPARE(styleOfLine(1500), long(NcStyle::Plain));
        box.setFirstVisibleLine(1495);
        QCOMPARE(styleOfLine(1500), long(NcStyle::GCode));
        QCOMPARE(box.Text(), text);
        // A text tool's change out of view is coloured when it is shown again.
        box.SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
        styleOfLine(2990);
        const long g01 = box.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, 1500L) + 6;
        box.SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, g01, g01 + 3);
        box.SendScintilla(QsciScintilla::SCI_REPLACETARGET, -1L, "M01");
        box.setFirstVisibleLine(1495);
        QCOMPARE(styleOfLine(1500), long(NcStyle::MCode));
    }
};

CORVANE_TEST_MAIN(NcTextBoxTest)
#include "NcTextBoxTest.moc"
