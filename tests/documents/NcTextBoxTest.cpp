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

    void typingAndAutoNumber_data() { AddDataRows(u"documents/Typing.txt"_qs); }
    void typingAndAutoNumber()
    {
        QFETCH(QStringList, row);
        module1().gAutoSeqNo = row[0] == u"on";
        NcTextBox box;
        box.show();
        box.loadText(row[1]);
        box.setSelStart(row[2].toInt());
        if (row[3] == u"<Return>" || row[3] == u"<Backspace>")
            QTest::keyClick(&box, row[3] == u"<Return>" ? Qt::Key_Return : Qt::Key_Backspace);
        else
            QTest::keyClicks(&box, row[3]);
        module1().gAutoSeqNo = false;
        QCOMPARE(box.Text(), row[5]);
    }
};

CORVANE_TEST_MAIN(NcTextBoxTest)
#include "NcTextBoxTest.moc"
