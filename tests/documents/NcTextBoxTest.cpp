#include "TestSupport.h"

#include "common/Module1.h"
#include "documents/NcTextBox.h"

#include <QApplication>

// The text box as the text tools see it: positions in characters, CR LF as two, every byte kept.
class NcTextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void textKeepsEveryLineEnd()
    {
        NcTextBox box;
        const QString text = QStringLiteral("O1\r\nA\nB\rC\r\n\r\n");
        box.loadText(text);
        QCOMPARE(box.Text(), text);
        QVERIFY(!box.DataChanged());
    }

    void positionsCountCharactersNotBytes()
    {
        NcTextBox box;
        // Japanese comment (3 bytes a character) and a character outside the BMP (two UTF-16
        // units).
        box.loadText(QStringLiteral("(外径)\r\nX\U0001F600Z\r\nEND"));
        box.setSelStart(7);
        box.setSelLength(2);
        QCOMPARE(box.SelText(), QStringLiteral("\U0001F600"));
        QCOMPARE(box.SelStart(), 7);
        box.setSelStart(10);
        box.setSelLength(2);
        QCOMPARE(box.SelText(), QStringLiteral("\r\n"));
        box.setSelStart(12);
        box.setSelLength(100);
        QCOMPARE(box.SelText(), QStringLiteral("END"));
        QCOMPARE(box.SelLength(), 3);
    }

    void selTextReplacesSelectionAndLeavesCaretBehind()
    {
        NcTextBox box;
        box.loadText(QStringLiteral("N000 G00 M08\r\n"));
        box.setSelStart(9);
        box.setSelLength(3);
        box.setSelText(QStringLiteral("M09"));
        QCOMPARE(box.Text(), QStringLiteral("N000 G00 M09\r\n"));
        QCOMPARE(box.SelStart(), 12);
        QCOMPARE(box.SelLength(), 0);
        QVERIFY(box.DataChanged());
    }

    void nulCharactersSurviveLoadAndSelection()
    {
        NcTextBox box;
        const QString text = QStringLiteral("A") + QChar(0) + QStringLiteral("B\r\n");
        box.loadText(text);
        QCOMPARE(box.Text(), text);
        box.setSelStart(0);
        box.setSelLength(3);
        QCOMPARE(box.SelText(), text.left(3));
    }

    void wholeTextWriteIsOneUndoStep()
    {
        NcTextBox box;
        box.loadText(QStringLiteral("one\r\n"));
        box.setWholeText(QStringLiteral("two\r\nthree\r\n"));
        QCOMPARE(box.Text(), QStringLiteral("two\r\nthree\r\n"));
        box.undo();
        QCOMPARE(box.Text(), QStringLiteral("one\r\n"));
    }

    void enterInsertsCrLf()
    {
        NcTextBox box;
        box.show();
        box.loadText(QStringLiteral("AB"));
        box.setSelStart(1);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.Text(), QStringLiteral("A\r\nB"));
    }

    void autoNumberWhileTyping_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("addressGetsShortPrefix") << "O1\r\n"
                                                << 4 << "G"
                                                << "O1\r\nN000 G";
        QTest::newRow("otherGetsFiveBlanks") << "O1\r\n"
                                             << 4 << "X"
                                             << "O1\r\nN000     X";
        QTest::newRow("commentGetsNothing") << "O1\r\n"
                                            << 4 << "("
                                            << "O1\r\n(";
        QTest::newRow("ownNumberGetsNothing") << "O1\r\n"
                                              << 4 << "N"
                                              << "O1\r\nN";
        QTest::newRow("firstLineGetsNothing") << "" << 0 << "G"
                                              << "G";
        QTest::newRow("midLineGetsNothing") << "O1\r\nG0" << 6 << "X"
                                            << "O1\r\nG0X";
        QTest::newRow("lowerCaseIsOther") << "O1\r\n"
                                          << 4 << "g"
                                          << "O1\r\nN000     g";
    }
    void autoNumberWhileTyping()
    {
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        module1().gAutoSeqNo = true;
        NcTextBox box;
        box.show();
        box.loadText(before);
        box.setSelStart(caret);
        QTest::keyClicks(&box, typed);
        module1().gAutoSeqNo = false;
        QCOMPARE(box.Text(), after);
    }

    void backspaceAndSwitchedOffNumberNothing()
    {
        NcTextBox box;
        box.show();
        box.loadText(QStringLiteral("O1\r\n"));
        box.setSelStart(4);
        QTest::keyClicks(&box, QStringLiteral("G"));
        QCOMPARE(box.Text(), QStringLiteral("O1\r\nG"));
        module1().gAutoSeqNo = true;
        box.setSelStart(4);
        QTest::keyClick(&box, Qt::Key_Backspace);
        module1().gAutoSeqNo = false;
        QCOMPARE(box.Text(), QStringLiteral("O1G"));
    }
};

CORVANE_TEST_MAIN(NcTextBoxTest)
#include "NcTextBoxTest.moc"
