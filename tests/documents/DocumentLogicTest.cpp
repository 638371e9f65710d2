#include "documents/core/AutoNumber.h"
#include "documents/core/PrintLayout.h"
#include "documents/core/TextFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <QTest>

namespace {
// A printer font whose every character is 2 mm wide.
const TextWidth kTwoMm = [](QStringView text) { return 2.0 * text.size(); };

// A4 portrait, 200 mm by 287 mm printable, 5 mm lines, left margin 10.
PrintGeometry a4(bool twoColumns = false)
{
    return PrintSetupGeometry(5, 200, 287, 10, 0, twoColumns ? 2 : 1);
}

QStringList texts(const PrintedPage& page)
{
    QStringList out;
    for (const PrintedText& t : page)
        out.append(t.text);
    return out;
}

QString numberedLines(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += u"L%1\r\n"_qs.arg(i);
    return text;
}
} // namespace

// Program files byte for byte, the auto-number rule and the layout of printed pages.
class DocumentLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripIsByteExact_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("encoding");
        QTest::newRow("crlf") << QByteArray("O1\r\nN000 G00 X0\r\n") << QByteArray("UTF-8");
        QTest::newRow("loneLfAndCr") << QByteArray("A\nB\rC\r\n\n") << QByteArray("UTF-8");
        QTest::newRow("noFinalLineEnd") << QByteArray("M02") << QByteArray("UTF-8");
        QTest::newRow("utf8Bom") << QByteArray("\xEF\xBB\xBFO1\r\n") << QByteArray("UTF-8");
        QTest::newRow("utf8Japanese")
            << QByteArray("(\xE5\xA4\x96\xE5\xBE\x84)\r\n") << QByteArray("UTF-8");
        // "(外径)" as the Japanese desktop writes it.
        QTest::newRow("shiftJis") << QByteArray("(\x8A\x4F\x8C\x61)\r\n")
                                  << QByteArray("windows-31j");
        QTest::newRow("halfWidthKana")
            << QByteArray("\xBC\xBD\xC3\xD1\r\n") << QByteArray("windows-31j");
        QTest::newRow("strayBytes")
            << QByteArray("\xFF\xFE\x80\x00\x81") << QByteArray("ISO-8859-1");
        QTest::newRow("nulInside") << QByteArray("A\0B", 3) << QByteArray("UTF-8");
        QTest::newRow("empty") << QByteArray() << QByteArray("UTF-8");
    }
    void roundTripIsByteExact()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, encoding);
        const DecodedText decoded = DecodeProgramText(bytes);
        QCOMPARE(decoded.encoding, encoding);
        QByteArray used;
        QCOMPARE(EncodeProgramText(decoded.text, decoded.encoding, &used), bytes);
        QCOMPARE(used, encoding);
    }

    void charactersTheEncodingCannotCarryAreNotLost()
    {
        const DecodedText decoded = DecodeProgramText(QByteArray("\xFF\r\n"));
        const QString edited = decoded.text + u"(外径)"_qs;
        QByteArray used;
        const QByteArray bytes = EncodeProgramText(edited, decoded.encoding, &used);
        QCOMPARE(used, QByteArray("UTF-8"));
        QCOMPARE(QString::fromUtf8(bytes), edited);
    }

    void missingFileIsCreatedEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"NEW.MIN"_qs);
        const FileContents contents = ReadOrCreateFile(path);
        QCOMPARE(contents.status, ReadStatus::Ok);
        QVERIFY(contents.bytes.isEmpty());
        QVERIFY(QFile::exists(path));
    }

    void unreadablePathsReportCannotOpen()
    {
        QTemporaryDir dir;
        QCOMPARE(ReadOrCreateFile(dir.path()).status, ReadStatus::CannotOpen);
        QCOMPARE(ReadOrCreateFile(dir.filePath(u"no/such/folder/A.MIN"_qs)).status,
            ReadStatus::CannotOpen);
    }

    void failedWriteLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"KEEP.MIN"_qs);
        QVERIFY(WriteFileAtomically(path, "old\r\n"));
        QFile::setPermissions(path, QFile::ReadOwner);
        // A read-only program is not replaced, even where the folder would allow it.
        QVERIFY(!WriteFileAtomically(path, "new\r\n"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old\r\n"));
        QVERIFY(!WriteFileAtomically(dir.filePath(u"missing/X.MIN"_qs), "x"));
        QVERIFY(!WriteFileAtomically(dir.path(), "x"));
    }

    void autoNumberPrefix()
    {
        QCOMPARE(AutoNumberPrefix(u'G'), u"N000 "_qs);
        QCOMPARE(AutoNumberPrefix(u'I'), u"N000 "_qs);
        QCOMPARE(AutoNumberPrefix(u'C'), u"N000 "_qs);
        QCOMPARE(AutoNumberPrefix(u'X'), u"N000     "_qs);
        QCOMPARE(AutoNumberPrefix(u'g'), u"N000     "_qs); // upper case only
        QCOMPARE(AutoNumberPrefix(u'('), QString());
        QCOMPARE(AutoNumberPrefix(u'N'), QString());
        QCOMPARE(AutoNumberPrefix(u'\t'), QString());
        QVERIFY(AtStartOfFollowingLine(u'\r', u'\n', 2));
        QVERIFY(!AtStartOfFollowingLine(u'\r', u'\n', 1));
        QVERIFY(!AtStartOfFollowingLine(u'A', u'\n', 5));
        QVERIFY(!AtStartOfFollowingLine(QChar(), QChar(), 0));
    }

    void setupRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("heightOfA");
        QTest::addColumn<double>("printableWidth");
        QTest::addColumn<int>("rightMerge");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("right");
        QTest::newRow("a4Portrait") << 4.51 << 200.0 << 0 << 5 << 57 << 200;
        QTest::newRow("heightHalfDown") << 4.5 << 200.0 << 0 << 4 << 71 << 200;
        QTest::newRow("heightHalfUp") << 5.5 << 200.0 << 0 << 6 << 47 << 200;
        QTest::newRow("rightMarginTaken") << 4.6 << 200.4 << 15 << 5 << 57 << 185;
        QTest::newRow("rightHalfToEven") << 4.6 << 200.5 << 0 << 5 << 57 << 200;
        QTest::newRow("rightHalfUpToEven") << 4.6 << 201.5 << 0 << 5 << 57 << 202;
        QTest::newRow("tinyFontStillMoves") << 0.3 << 200.0 << 0 << 1 << 287 << 200;
    }
    void setupRoundsHalvesToEven()
    {
        QFETCH(double, heightOfA);
        QFETCH(double, printableWidth);
        QFETCH(int, rightMerge);
        QFETCH(int, lineHeight);
        QFETCH(int, lines);
        QFETCH(int, right);
        const PrintGeometry g
            = PrintSetupGeometry(heightOfA, printableWidth, 287, 10, rightMerge, 1);
        QCOMPARE(g.lineHeight, lineHeight);
        QCOMPARE(g.lines, lines);
        QCOMPARE(g.right, right);
    }

    void columns()
    {
        QCOMPARE(ColumnWidth(a4()), 190);
        QCOMPARE(ColumnWidth(a4(true)), 94);
        QCOMPARE(SecondColumnX(a4(true)), 111);
        // 201 mm: (191 / 2 - 1) = 94.5 and 100.5 + 11 = 111.5 both go to the even neighbour.
        const PrintGeometry odd = PrintSetupGeometry(5, 201, 287, 10, 0, 2);
        QCOMPARE(ColumnWidth(odd), 94);
        QCOMPARE(SecondColumnX(odd), 112);
        // Any number of columns but 2 is one column.
        QVERIFY(!PrintSetupGeometry(5, 200, 287, 10, 0, 3).twoColumns);
    }

    void wrapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("twoColumns");
        QTest::addColumn<QStringList>("printed");
        const auto row = [](const char* name, const QString& text, bool twoColumns,
                             const QStringList& printed) {
            QTest::newRow(name) << text << twoColumns << printed;
        };
        const QString ninety(90, u'A');
        row("exactlyWidthMinusReserve_whole", ninety + "\r\n", false, {ninety});
        row("oneMore_wrapsThatCharacter", ninety + "B\r\n", false, {ninety, "B"});
        row("lastLineWithoutLineEnd_wrapsToo", "X\r\n" + ninety + "BC", false, {"X", ninety, "BC"});
        const QString fortyTwo(42, u'C');
        row("twoColumns_42PerLine", fortyTwo + fortyTwo + "D\r\n", true, {fortyTwo, fortyTwo, "D"});
        row("finalLineEnd_noEmptyLine", "A\r\nB\r\n", false, {"A", "B"});
        row("emptyLinesKept", "A\r\n\r\nB", false, {"A", "", "B"});
        row("loneLineEnds", "A\nB\rC\r\rD", false, {"A", "B", "C", "", "D"});
        row("tabsToEights", "\t\r\nAB\tC", false, {"        ", "AB      C"});
        row("emptyText", "", false, {});
    }
    void wrapping()
    {
        QFETCH(QString, text);
        QFETCH(bool, twoColumns);
        const QList<PrintedPage> pages = PaginateText(text, a4(twoColumns), kTwoMm);
        QCOMPARE(pages.size(), 1);
        QTEST(texts(pages[0]), "printed");
    }

    void longLine_wrapsIntoEqualPieces()
    {
        const QString line = QString(1000, u'N');
        const QList<PrintedPage> pages = PaginateText(line, a4(true), kTwoMm);
        const QStringList printed = texts(pages[0]);
        QCOMPARE(printed.size(), 24); // 23 of 42 characters and the last 34
        QCOMPARE(printed.first().size(), 42);
        QCOMPARE(printed.last().size(), 34);
        QCOMPARE(printed.join(QString()), line);
    }

    void narrowColumn_atLeastOneCharacterAndItEnds_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QStringList>("printed");
        // 15 mm wide: two characters and the reserve fit.
        QTest::newRow("twoFit") << 25 << QStringList {"AB", "C"};
        // 10 mm wide: not even one character fits; one is printed anyway.
        QTest::newRow("noneFits") << 20 << QStringList {"A", "B", "C"};
        // Margins crossed: a negative width.
        QTest::newRow("negativeWidth") << 5 << QStringList {"A", "B", "C"};
    }
    void narrowColumn_atLeastOneCharacterAndItEnds()
    {
        QFETCH(int, right);
        const PrintGeometry g = PrintSetupGeometry(5, right, 287, 10, 0, 1);
        QTEST(texts(PaginateText(u"ABC"_qs, g, kTwoMm).value(0)), "printed");
    }

    void surrogatePairsStayTogether()
    {
        const PrintGeometry g = PrintSetupGeometry(5, 20, 287, 10, 0, 1);
        const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
        QCOMPARE(texts(PaginateText(smile + "A", g, kTwoMm).value(0)), (QStringList {smile, "A"}));
    }

    void pages_oneColumn()
    {
        // Lines at y = 20, 25 ... 280 = (57 - 1) * 5: 53 lines a page.
        const QList<PrintedPage> pages = PaginateText(numberedLines(107), a4(), kTwoMm);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0].size(), 53);
        QCOMPARE(pages[0].first().y, 20.0);
        QCOMPARE(pages[0].last().y, 280.0);
        QCOMPARE(pages[0].last().text, u"L53"_qs);
        QCOMPARE(pages[1].first().text, u"L54"_qs);
        QCOMPARE(pages[1].first().y, 20.0);
        QCOMPARE(pages[1].first().x, 10.0);
        QCOMPARE(pages[2].size(), 1);
        QCOMPARE(pages[2].first().text, u"L107"_qs);
    }

    void pages_fullPageStartsNoEmptyOne()
    {
        QCOMPARE(PaginateText(numberedLines(53), a4(), kTwoMm).size(), 1);
    }

    void pages_twoColumns()
    {
        const QList<PrintedPage> pages = PaginateText(numberedLines(107), a4(true), kTwoMm);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].size(), 106);
        QCOMPARE(pages[0][52].x, 10.0);
        QCOMPARE(pages[0][53].text, u"L54"_qs);
        QCOMPARE(pages[0][53].x, 111.0);
        QCOMPARE(pages[0][53].y, 20.0);
        QCOMPARE(pages[0][105].y, 280.0);
        QCOMPARE(pages[1].first().text, u"L107"_qs);
        QCOMPARE(pages[1].first().x, 10.0);
    }

    void pages_fontTooLargeForTheBodyStillEnds()
    {
        // Four lines of 80 mm: the body starts below the limit, so the first page keeps only its
        // header and every further page takes one line.
        const PrintGeometry g = PrintSetupGeometry(80, 200, 330, 10, 0, 2);
        const QList<PrintedPage> pages = PaginateText(u"A\r\nB\r\nC"_qs, g, kTwoMm);
        QCOMPARE(pages.size(), 4);
        QVERIFY(pages[0].isEmpty());
        QCOMPARE(texts(pages[3]), QStringList {"C"});
    }

    void header()
    {
        const PageHeader h = PrintHeaderLayout(u"2024.03.07"_qs, u"PROG"_qs, 3, a4(), kTwoMm);
        QCOMPARE(h.texts.size(), 3);
        QCOMPARE(h.texts[0].text, u"2024.03.07"_qs);
        QCOMPARE(h.texts[0].x, 10.0);
        QCOMPARE(h.texts[0].y, 5.0);
        QCOMPARE(h.texts[1].x, (200 - 8) / 2.0 + 10);
        QCOMPARE(h.texts[2].text, u"Page 3"_qs);
        QCOMPARE(h.texts[2].x, 200.0 - 12);
        QCOMPARE(h.rule, QLineF(10, 11, 200, 11));
    }
};

QTEST_GUILESS_MAIN(DocumentLogicTest)
#include "DocumentLogicTest.moc"
