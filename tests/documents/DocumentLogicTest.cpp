#include "TestSupport.h"

#include "documents/core/AutoNumber.h"
#include "documents/core/NcWords.h"
#include "documents/core/PrintLayout.h"
#include "documents/core/TextChanges.h"
#include "documents/core/TextFile.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {
// A printer font whose every character is 2 mm wide.
const TextWidth kTwoMm = [](QStringView text) { return 2.0 * text.size(); };

// 287 mm printable height, 5 mm lines, left margin 10.
PrintGeometry geometry(double right, int columns = 1)
{
    return PrintSetupGeometry(5, right, 287, 10, 0, columns);
}

// A printed text as "text x,y".
QString at(const PrintedText& t)
{
    return u"%1 %2,%3"_qs.arg(t.text).arg(t.x).arg(t.y);
}

// "<90 A>" in a row stands for 90 letters A; runs of ten and more are written back that way.
QString expanded(QString text)
{
    static const QRegularExpression run(u"<(\\d+) (.)>"_qs);
    for (QRegularExpressionMatch m; (m = run.match(text)).hasMatch();)
        text.replace(m.capturedStart(), m.capturedLength(),
            QString(m.captured(1).toInt(), m.captured(2)[0]));
    return text;
}
QString compressed(QString text)
{
    static const QRegularExpression run(u"(.)\\1{9,}"_qs);
    for (QRegularExpressionMatch m; (m = run.match(text)).hasMatch();)
        text.replace(m.capturedStart(), m.capturedLength(),
            u"<%1 %2>"_qs.arg(m.capturedLength()).arg(m.captured(1)));
    return text;
}

using In = const QStringList&;
using Out = QStringList;
const QHash<QString, DataRule> rules = {
    {"RoundTrip",
        [](In in) -> Out {
            const DecodedText decoded = DecodeProgramText(in[0].toLatin1());
            QByteArray used;
            const QByteArray bytes = EncodeProgramText(decoded.text, decoded.encoding, &used);
            const bool same = bytes == in[0].toLatin1() && used == decoded.encoding;
            return {decoded.encoding, same ? "same" : used + ' ' + bytes.toHex()};
        }},
    {"Edited",
        [](In in) -> Out {
            const DecodedText decoded = DecodeProgramText(in[0].toLatin1());
            QByteArray used;
            const QByteArray bytes
                = EncodeProgramText(decoded.text + in[1], decoded.encoding, &used);
            return {used, QString::fromUtf8(bytes)};
        }},
    {"Utf8",
        [](In in) -> Out {
            // Taken as UTF-8 exactly when decoding and encoding again gives the bytes back.
            const QByteArray bytes = in[0].toLatin1();
            QStringDecoder decoder(QStringConverter::Utf8);
            const QString text = decoder.decode(bytes);
            const bool exact = !decoder.hasError() && text.toUtf8() == bytes;
            return {
                IsExactUtf8(bytes) ? "yes" : "no", exact == IsExactUtf8(bytes) ? "" : "differs"};
        }},
    {"Spans",
        [](In in) -> Out {
            const QByteArray before = expanded(in[0]).toUtf8();
            const QByteArray after = expanded(in[1]).toUtf8();
            QStringList spans;
            QByteArray applied = before;
            qsizetype moved = 0;
            for (const TextChange& c : ChangedSpans(before, after)) {
                const QByteArray inserted = after.mid(c.newStart, c.newLength);
                spans << u"%1,%2,%3"_qs.arg(c.oldStart)
                             .arg(c.oldLength)
                             .arg(QString::fromUtf8(inserted));
                applied.replace(c.oldStart + moved, c.oldLength, inserted);
                moved += c.newLength - c.oldLength;
            }
            return {spans.join(u" ; "_qs), applied == after ? "after" : "wrong"};
        }},
    {"AutoNumberPrefix", [](In in) -> Out { return {AutoNumberPrefix(in[0][0])}; }},
    {"AtStartOfFollowingLine",
        [](In in) -> Out {
            return {AtStartOfFollowingLine(in[0][0], in[1][0], in[2].toInt()) ? "true" : "false"};
        }},
    {"PrintSetup",
        [](In in) -> Out {
            const PrintGeometry g
                = PrintSetupGeometry(in[0].toDouble(), in[1].toDouble(), 287, 10, in[2].toInt(), 1);
            return {
                QString::number(g.lineHeight), QString::number(g.lines), QString::number(g.right)};
        }},
    {"Columns",
        [](In in) -> Out {
            const PrintGeometry g = geometry(in[0].toDouble(), in[1].toInt());
            Out out {QString::number(ColumnWidth(g))};
            if (g.twoColumns)
                out << QString::number(SecondColumnX(g));
            return out;
        }},
    // Each page as its number of lines, then the first and last line of every column.
    {"Pages",
        [](In in) -> Out {
            QString text;
            for (int i = 1; i <= in[3].toInt(); ++i)
                text += u"L%1\r\n"_qs.arg(i);
            const PrintGeometry g
                = PrintSetupGeometry(in[0].toDouble(), 200, in[1].toDouble(), 10, 0, in[2].toInt());
            Out out;
            for (const PrintedPage& page : PaginateText(text, g, kTwoMm)) {
                QStringList runs {QString::number(page.size())};
                for (qsizetype i = 0; i < page.size(); ++i)
                    if (i == 0 || page[i].x != page[i - 1].x)
                        runs << at(page[i]);
                    else if (i + 1 == page.size() || page[i + 1].x != page[i].x)
                        runs << u".."_qs << at(page[i]);
                out << runs.join(u' ');
            }
            return out;
        }},
    {"Header",
        [](In in) -> Out {
            const PageHeader h
                = PrintHeaderLayout(in[0], in[1], in[2].toInt(), geometry(200), kTwoMm);
            Out out;
            for (const PrintedText& t : h.texts)
                out << at(t);
            return out << u"rule %1,%2 %3,%4"_qs.arg(h.rule.x1())
                              .arg(h.rule.y1())
                              .arg(h.rule.x2())
                              .arg(h.rule.y2());
        }},
    // A line as its runs of one style, "style:text", the spaces between words left out.
    {"Colours",
        [](In in) -> Out {
            const QByteArray styles = NcLineStyles(in[0]);
            QStringList runs;
            for (qsizetype i = 0, end = 0; i < styles.size(); i = end) {
                for (end = i; end < styles.size() && styles[end] == styles[i];)
                    ++end;
                if (styles[i] != static_cast<char>(NcStyle::Plain))
                    runs << NcStyleName(NcStyle(styles[i])) + u':' + in[0].mid(i, end - i);
            }
            return runs.isEmpty() ? Out {} : Out {runs.join(u' ')};
        }},
    {"Wrap",
        [](In in) -> Out {
            const QList<PrintedPage> pages
                = PaginateText(expanded(in[2]), geometry(in[0].toDouble(), in[1].toInt()), kTwoMm);
            Out printed;
            for (const PrintedText& t : pages.value(0))
                printed << compressed(t.text);
            if (pages.size() != 1)
                printed << u"(%1 pages)"_qs.arg(pages.size());
            return printed;
        }},
};
} // namespace

// Program files byte for byte, the auto-number rule and the layout of printed pages.
class DocumentLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data() { AddDataRows(u"documents/DocumentRows.txt"_qs); }
    void rules() { RunDataRow(::rules); }

    void filesAreCreatedReadAndReplacedWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"NEW.MIN"_qs);
        const FileContents contents = ReadOrCreateFile(path);
        QCOMPARE(contents.status, ReadStatus::Ok);
        QVERIFY(contents.bytes.isEmpty() && QFile::exists(path));
        QCOMPARE(ReadOrCreateFile(dir.path()).status, ReadStatus::CannotOpen);
        QCOMPARE(ReadOrCreateFile(dir.filePath(u"no/such/folder/A.MIN"_qs)).status,
            ReadStatus::CannotOpen);

        // A failed write leaves the old file; a read-only program is not replaced, even where
        // the folder would allow it.
        QVERIFY(WriteFileAtomically(path, "old\r\n"));
        QFile::setPermissions(path, QFile::ReadOwner);
        QVERIFY(!WriteFileAtomically(path, "new\r\n"));
        QCOMPARE(ReadBytes(path), QByteArray("old\r\n"));
        QVERIFY(!WriteFileAtomically(dir.filePath(u"missing/X.MIN"_qs), "x"));
        QVERIFY(!WriteFileAtomically(dir.path(), "x"));
    }
};

QTEST_GUILESS_MAIN(DocumentLogicTest)
#include "DocumentLogicTest.moc"
