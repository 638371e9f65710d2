#include "texttools/core/FindReplace.h"

#include <QTest>

class FindReplaceTest : public QObject
{
    Q_OBJECT

private slots:
    void findPosition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<qsizetype>("expected");
        QTest::newRow("lowerCaseDoesNotFindUpper") << "G01 X5"
                                                   << "g01" << qsizetype(0) << qsizetype(-1);
        QTest::newRow("exactCaseFound") << "g01 G01"
                                        << "G01" << qsizetype(0) << qsizetype(4);
        QTest::newRow("matchAtFromIsFound") << "ababab"
                                            << "ab" << qsizetype(2) << qsizetype(2);
        QTest::newRow("matchBeforeFromIsNot") << "ababab"
                                              << "ab" << qsizetype(5) << qsizetype(-1);
        QTest::newRow("fromAtEnd") << "ab"
                                   << "ab" << qsizetype(2) << qsizetype(-1);
        QTest::newRow("fromPastEnd") << "ab"
                                     << "ab" << qsizetype(9) << qsizetype(-1);
        QTest::newRow("emptyFindTextNeverFound") << "ab"
                                                 << "" << qsizetype(0) << qsizetype(-1);
        QTest::newRow("lineEndInFindText") << "A\r\nB"
                                           << "\r\nB" << qsizetype(0) << qsizetype(1);
        QTest::newRow("beyond16Bits") << QString(40000, u'x') + "G99"
                                      << "G99" << qsizetype(100) << qsizetype(40000);
    }
    void findPosition()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(qsizetype, from);
        QFETCH(qsizetype, expected);
        QCOMPARE(FindPosition(text, what, from), expected);
    }

    void foundAt()
    {
        QVERIFY(FoundAt(u"G01 X5", u"X5", 4));
        QVERIFY(!FoundAt(u"G01 X5", u"X5", 3));
        QVERIFY(!FoundAt(u"G01 X5", u"X5", 5)); // runs past the end
        QVERIFY(!FoundAt(u"G01 X5", u"", 0));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<qsizetype>("count");
        QTest::addColumn<qsizetype>("findPos");
        QTest::newRow("replacementHoldingFindTextNotSearchedAgain")
            << "a-a"
            << "a"
            << "aa" << qsizetype(0) << "aa-aa" << qsizetype(2) << qsizetype(5);
        QTest::newRow("searchResumesBehindReplacement")
            << "abab"
            << "ab"
            << "b" << qsizetype(0) << "bb" << qsizetype(2) << qsizetype(2);
        QTest::newRow("overlapReplacedOnce")
            << "aaa"
            << "aa"
            << "b" << qsizetype(0) << "ba" << qsizetype(1) << qsizetype(1);
        QTest::newRow("onlyFromPosition")
            << "X1 X2 X3"
            << "X"
            << "U" << qsizetype(3) << "X1 U2 U3" << qsizetype(2) << qsizetype(7);
        QTest::newRow("caseSensitive")
            << "g01 G01"
            << "G01"
            << "G1" << qsizetype(0) << "g01 G1" << qsizetype(1) << qsizetype(6);
        QTest::newRow("nothingFoundKeepsFindPos")
            << "G00 X1"
            << "G01"
            << "G02" << qsizetype(2) << "G00 X1" << qsizetype(0) << qsizetype(2);
        QTest::newRow("lineEnds") << "A\r\nB\r\n"
                                  << "\r\n"
                                  << ";" << qsizetype(0) << "A;B;" << qsizetype(2) << qsizetype(4);
        QTest::newRow("moreThan32767Replacements")
            << QString(40000, u'x') << "x"
            << "yy" << qsizetype(0) << QString(80000, u'y') << qsizetype(40000) << qsizetype(80000);
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(qsizetype, from);
        const ReplaceAllResult result = ReplaceAll(text, find, replacement, from);
        QTEST(result.text, "expected");
        QTEST(result.count, "count");
        QTEST(result.findPos, "findPos");
    }
};

QTEST_GUILESS_MAIN(FindReplaceTest)
#include "FindReplaceTest.moc"
