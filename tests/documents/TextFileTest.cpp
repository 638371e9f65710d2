#include "documents/core/TextFile.h"
#include "documents/core/AutoNumber.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TextFileTest : public QObject
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
        const QString edited = decoded.text + QStringLiteral("(外径)");
        QByteArray used;
        const QByteArray bytes = EncodeProgramText(edited, decoded.encoding, &used);
        QCOMPARE(used, QByteArray("UTF-8"));
        QCOMPARE(QString::fromUtf8(bytes), edited);
    }

    void missingFileIsCreatedEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("NEW.MIN"));
        const FileContents contents = ReadOrCreateFile(path);
        QCOMPARE(contents.status, ReadStatus::Ok);
        QVERIFY(contents.bytes.isEmpty());
        QVERIFY(QFile::exists(path));
    }

    void unreadablePathsReportCannotOpen()
    {
        QTemporaryDir dir;
        QCOMPARE(ReadOrCreateFile(dir.path()).status, ReadStatus::CannotOpen);
        QCOMPARE(ReadOrCreateFile(dir.filePath(QStringLiteral("no/such/folder/A.MIN"))).status,
            ReadStatus::CannotOpen);
    }

    void failedWriteLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("KEEP.MIN"));
        QVERIFY(WriteFileAtomically(path, "old\r\n"));
        QFile::setPermissions(path, QFile::ReadOwner);
        // A read-only program is not replaced, even where the folder would allow it.
        QVERIFY(!WriteFileAtomically(path, "new\r\n"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old\r\n"));
        QVERIFY(!WriteFileAtomically(dir.filePath(QStringLiteral("missing/X.MIN")), "x"));
        QVERIFY(!WriteFileAtomically(dir.path(), "x"));
    }

    void autoNumberPrefix()
    {
        QCOMPARE(AutoNumberPrefix(u'G'), QStringLiteral("N000 "));
        QCOMPARE(AutoNumberPrefix(u'I'), QStringLiteral("N000 "));
        QCOMPARE(AutoNumberPrefix(u'C'), QStringLiteral("N000 "));
        QCOMPARE(AutoNumberPrefix(u'X'), QStringLiteral("N000     "));
        QCOMPARE(AutoNumberPrefix(u'g'), QStringLiteral("N000     ")); // upper case only
        QCOMPARE(AutoNumberPrefix(u'('), QString());
        QCOMPARE(AutoNumberPrefix(u'N'), QString());
        QCOMPARE(AutoNumberPrefix(u'\t'), QString());
        QVERIFY(AtStartOfFollowingLine(u'\r', u'\n', 2));
        QVERIFY(!AtStartOfFollowingLine(u'\r', u'\n', 1));
        QVERIFY(!AtStartOfFollowingLine(u'A', u'\n', 5));
        QVERIFY(!AtStartOfFollowingLine(QChar(), QChar(), 0));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "TextFileTest.moc"
