#include "TestSupport.h"

#include "app/frmMain.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFontDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
// The output of pdftotext for one page, or a region of it (in points), line by line.
QStringList pdfLines(const QString& pdf, int page, QRectF region = {})
{
    QStringList args
        = {u"-layout"_qs, u"-f"_qs, QString::number(page), u"-l"_qs, QString::number(page)};
    if (!region.isNull())
        args << u"-x"_qs << QString::number(int(region.x())) << u"-y"_qs
             << QString::number(int(region.y())) << u"-W"_qs << QString::number(int(region.width()))
             << u"-H"_qs << QString::number(int(region.height()));
    args << pdf << u"-"_qs;
    QProcess p;
    p.start(u"pdftotext"_qs, args);
    p.waitForFinished();
    QStringList lines;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith(u'\f'))
            lines.append(line.trimmed());
    return lines;
}

// A line of pdfinfo's report, such as "Pages" or "Page size".
QString pdfInfo(const QString& pdf, const QString& key)
{
    QProcess p;
    p.start(u"pdfinfo"_qs, {pdf});
    p.waitForFinished();
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(key + u':'))
            return line.mid(key.size() + 1).trimmed();
    return {};
}

int pdfPages(const QString& pdf)
{
    return pdfInfo(pdf, u"Pages"_qs).toInt();
}

// A program of numbered blocks with one comment too long for a printed line.
QStringList programLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(
            u"N%1 G01 X%2 Z-%3 F0.2"_qs.arg(i, 4, 10, QLatin1Char('0')).arg(i * 1.5).arg(i));
    lines[40] = u"N0041 ("_qs + QString(160, u'L') + u')';
    return lines;
}

QString today()
{
    return QDate::currentDate().toString(u"yyyy.MM.dd"_qs);
}

// The printed body lines must be the program's lines in order, the long one in several pieces.
void compareBody(const QStringList& printed, const QStringList& program)
{
    qsizetype at = 0;
    for (const QString& line : program) {
        QString joined;
        while (joined.size() < line.size() && at < printed.size())
            joined += printed[at++];
        QCOMPARE(joined, line);
    }
    QCOMPARE(at, printed.size());
}

void clickLater(QWidget* form, const char* button)
{
    QMetaObject::invokeMethod(
        form->findChild<QPushButton*>(QString::fromLatin1(button)), "click", Qt::QueuedConnection);
}
} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;
    QTemporaryDir m_dir;

    QString printToPdf(const QString& name)
    {
        const QString pdf = m_dir.filePath(name);
        ModalScript script;
        script.chooseFile(pdf);
        m_main->action(u"mnuFilePrint"_qs)->trigger();
        return QFile::exists(pdf) ? pdf : QString();
    }

    void newProgram(const QStringList& lines)
    {
        m_main->action(u"mnuFileNew"_qs)->trigger();
        ActiveText()->setWholeText(lines.join(u"\r\n"_qs) + u"\r\n"_qs);
    }

private slots:
    void initTestCase()
    {
        // The printed PDF files are read back with poppler's tools.
        QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty()
                && !QStandardPaths::findExecutable(u"pdfinfo"_qs).isEmpty(),
            "pdftotext and pdfinfo (Debian package poppler-utils) are needed");
    }

    void init() { m_main = StartFresh(); }

    void cleanup()
    {
        for (frmDocument* doc : m_main->documents()) {
            doc->txtText()->setDataChanged(false);
            doc->close();
        }
    }

    void oneColumn_everyLineAndHeaderOnEveryPage()
    {
        const QStringList program = programLines(120);
        newProgram(program);
        const QString pdf = printToPdf(u"one.pdf"_qs);
        QVERIFY(!pdf.isEmpty());
        const int pages = pdfPages(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QStringList body;
        for (int page = 1; page <= pages; ++page) {
            const QStringList lines = pdfLines(pdf, page);
            QVERIFY(lines.value(0).startsWith(today()));
            QVERIFY(lines.value(0).contains(QLatin1String("Untitled1")));
            QVERIFY(lines.value(0).endsWith(u"Page %1"_qs.arg(page)));
            body += lines.mid(1);
        }
        compareBody(body, program);
        QCOMPARE(module1().gPrintPage, pages);
    }

    void twoColumns_columnOneThenColumnTwo()
    {
        module1().gPrintLineNo = 2; // two columns: the print settings' test shows the way there
        const QStringList program = programLines(150);
        newProgram(program);
        const QString pdf = printToPdf(u"two.pdf"_qs);
        QVERIFY(!pdf.isEmpty());
        const int pages = pdfPages(pdf);
        QVERIFY(pages >= 2);
        // A4 with the 5 mm printable margin: column 2 starts 111 mm into the printable area, the
        // body four lines down, below the header and its rule.
        const auto points = [](double mm) { return mm * 72 / 25.4; };
        const double secondColumn = points(5 + 111);
        const double body = points(5 + 3.5 * module1().gPrintLineHeight);
        QStringList printed;
        for (int page = 1; page <= pages; ++page) {
            QVERIFY(pdfLines(pdf, page).value(0).endsWith(u"Page %1"_qs.arg(page)));
            for (const QRectF& column :
                {QRectF(0, body, secondColumn - 3, 842), QRectF(secondColumn - 3, body, 300, 842)})
                printed += pdfLines(pdf, page, column);
        }
        compareBody(printed, program);
    }

    void emptyProgram_cancelledDialogPrintsNothing_elseOnePageWithHeader()
    {
        newProgram({});
        ActiveText()->setWholeText(QString());
        ModalScript script;
        script.chooseFile(QString());
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QTest::keyClick(ActiveText(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(script.pendingSteps(), 0);
        QVERIFY(script.messages().isEmpty());
        QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).filter(u"Untitled"_qs).isEmpty());
        const QString pdf = printToPdf(u"empty.pdf"_qs);
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(pdfLines(pdf, 1).value(0).endsWith(QLatin1String("Page 1")));
    }

    void printSetting_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("stored"); // left, right, columns
        const auto row = [](const char* name, const char* left, const char* right,
                             const char* option, const char* button, QList<int> stored) {
            QTest::newRow(name) << QString::fromLatin1(left) << QString::fromLatin1(right)
                                << QString::fromLatin1(option) << QString::fromLatin1(button)
                                << stored;
        };
        row("okStores", "15", "5", "Option2", "Command3", {15, 5, 2});
        row("notANumberIsZero", "abc", "7mm", "Option1", "Command3", {0, 7, 1});
        row("roundedHalfToEven", "12.5", "3.5", "Option1", "Command3", {12, 4, 1});
        row("cancelDiscards", "33", "44", "Option2", "Command4", {10, 0, 1});
    }
    void printSetting()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, option);
        QFETCH(QString, button);
        ModalScript script;
        script.then([&](QWidget* form) {
            const QStringList design = {"PrintSetting.windowTitle=Printer setting",
                "Option1.checked=true", "Text1.text=10", "Text2.text=0"};
            QCOMPARE(Properties(form, design), design);
            form->findChild<QLineEdit*>(u"Text1"_qs)->setText(left);
            form->findChild<QLineEdit*>(u"Text2"_qs)->setText(right);
            form->findChild<QRadioButton*>(option)->setChecked(true);
            clickLater(form, qPrintable(button));
        });
        m_main->action(u"mnuFilePrinterSetup"_qs)->trigger();
        QCOMPARE(script.pendingSteps(), 0);
        const Module1& m = module1();
        QTEST((QList<int> {m.gLeftMerge, m.gRightMerge, m.gPrintLineNo}), "stored");
    }

    void printSetting_fontAndOrientationStayAfterCancel()
    {
        ModalScript script;
        script.then([](QWidget* form) { clickLater(form, "Command2"); })
            .then([](QWidget* dialog) {
                auto* fonts = qobject_cast<QFontDialog*>(dialog);
                QVERIFY(fonts);
                fonts->setCurrentFont(QFont(u"DejaVu Serif"_qs, 13));
                fonts->accept();
            })
            .then([](QWidget* form) { clickLater(form, "Command1"); })
            .then([](QWidget* pageSetup) {
                pageSetup->findChild<QRadioButton*>(u"landscape"_qs)->click();
                QMetaObject::invokeMethod(pageSetup, "accept", Qt::QueuedConnection);
            })
            .then([](QWidget* form) { clickLater(form, "Command4"); });
        m_main->action(u"mnuFilePrinterSetup"_qs)->trigger();
        QCOMPARE(script.pendingSteps(), 0);
        const Module1& m = module1();
        QCOMPARE((QStringList {m.gPrintFontName, QString::number(m.gPrintFontSize),
                     QString::number(m.gPrinterOrientation)}),
            (QStringList {"DejaVu Serif", "13", "2"}));

        // The next print comes out landscape and survives a restart.
        newProgram({u"N0001 G00 X100"_qs});
        const QString pdf = printToPdf(u"landscape.pdf"_qs);
        QVERIFY2(pdfInfo(pdf, u"Page size"_qs).startsWith(QLatin1String("842 x 595")),
            qPrintable(pdfInfo(pdf, u"Page size"_qs)));
        QVERIFY(pdfLines(pdf, 1).contains(u"N0001 G00 X100"_qs));
        cleanup();
        CloseMain();
        m_main = StartFresh(QString(), true);
        QCOMPARE(module1().gPrintFontName, u"DejaVu Serif"_qs);
        QCOMPARE(module1().gPrinterOrientation, 2);
    }

    void screenFont_everyOpenDocumentAndNewOnes()
    {
        newProgram({u"A"_qs});
        NcTextBox* first = ActiveText();
        newProgram({u"B"_qs});
        NcTextBox* second = ActiveText();
        ModalScript script;
        script.then([](QWidget* dialog) {
            auto* fonts = qobject_cast<QFontDialog*>(dialog);
            QVERIFY(fonts);
            QFont font(u"DejaVu Sans Mono"_qs, 16);
            font.setBold(true);
            fonts->setCurrentFont(font);
            fonts->accept();
        });
        m_main->action(u"mnuFileFont"_qs)->trigger();
        const auto look = [](NcTextBox* text) {
            const QFont f = text->font();
            return f.family() + u' ' + QString::number(f.pointSize()) + (f.bold() ? " bold" : "");
        };
        QCOMPARE(module1().gScreenFontName + u' ' + QString::number(module1().gScreenFontSize),
            u"DejaVu Sans Mono 16"_qs);
        QCOMPARE(look(first), u"DejaVu Sans Mono 16 bold"_qs);
        QCOMPARE(look(second), u"DejaVu Sans Mono 16 bold"_qs);
        newProgram({u"C"_qs});
        QCOMPARE(look(ActiveText()), u"DejaVu Sans Mono 16"_qs);

        // Cancel changes nothing.
        ModalScript cancel;
        cancel.then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        m_main->action(u"mnuFileFont"_qs)->trigger();
        QCOMPARE(module1().gScreenFontSize, 16);
        QCOMPARE(look(first), u"DejaVu Sans Mono 16 bold"_qs);
    }
};

CORVANE_TEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
