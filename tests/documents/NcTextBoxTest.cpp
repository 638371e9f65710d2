#include "TestSupport.h"

#include "common/Module1.h"
#include "documents/NcTextBox.h"

#include <QApplication>

// The text box as the text tools see it: positions in characters, CR LF as two, every byte kept.
class NcTextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void textKeepsEveryLineEndAndNul()
    {
        NcTextBox box;
        const QString text = u"O1\r\nA\nB\rC\r\n\r\n"_qs + QChar(0) + u"B\r\n"_qs;
        box.loadText(text);
        QCOMPARE(box.Text(), text);
        QVERIFY(!box.DataChanged());
        box.setSelStart(13);
        box.setSelLength(3);
        QCOMPARE(box.SelText(), text.mid(13, 3));
    }

    void positionsCountCharactersNotBytes()
    {
        NcTextBox box;
        // Japanese comment (3 bytes a character) and a character outside the BMP (two UTF-16
        // units).
        box.loadText(u"(外径)\r\nX\U0001F600Z\r\nEND"_qs);
        box.setSelStart(7);
        box.setSelLength(2);
        QCOMPARE(box.SelText(), u"\U0001F600"_qs);
        QCOMPARE(box.SelStart(), 7);
        box.setSelStart(10);
        box.setSelLength(2);
        QCOMPARE(box.SelText(), u"\r\n"_qs);
        box.setSelStart(12);
        box.setSelLength(100);
        QCOMPARE(box.SelText(), u"END"_qs);
        QCOMPARE(box.SelLength(), 3);
    }

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
    }

    // The prefix itself is the auto-number rule's test; here the key press and the caret.
    void typingAndAutoNumber_data()
    {
        QTest::addColumn<bool>("autoNumber");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key"); // 0: type the text
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, bool autoNumber, const char* before, int caret,
                             int key, const char* typed, const char* after) {
            QTest::newRow(name) << autoNumber << QString::fromLatin1(before) << caret << key
                                << QString::fromLatin1(typed) << QString::fromLatin1(after);
        };
        row("enterInsertsCrLf", false, "AB", 1, Qt::Key_Return, "", "A\r\nB");
        row("addressGetsShortPrefix", true, "O1\r\n", 4, 0, "G", "O1\r\nN000 G");
        row("firstLineGetsNothing", true, "", 0, 0, "G", "G");
        row("midLineGetsNothing", true, "O1\r\nG0", 6, 0, "X", "O1\r\nG0X");
        row("switchedOffNumbersNothing", false, "O1\r\n", 4, 0, "G", "O1\r\nG");
        row("backspaceNumbersNothing", true, "O1\r\nG", 4, Qt::Key_Backspace, "", "O1G");
    }
    void typingAndAutoNumber()
    {
        QFETCH(bool, autoNumber);
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(QString, typed);
        module1().gAutoSeqNo = autoNumber;
        NcTextBox box;
        box.show();
        box.loadText(before);
        box.setSelStart(caret);
        if (key)
            QTest::keyClick(&box, Qt::Key(key));
        else
            QTest::keyClicks(&box, typed);
        module1().gAutoSeqNo = false;
        QTEST(box.Text(), "after");
    }
};

CORVANE_TEST_MAIN(NcTextBoxTest)
#include "NcTextBoxTest.moc"
