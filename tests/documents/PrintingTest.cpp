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
    QStringList args = {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
        QStringLiteral("-l"), QString::number(page)};
    if (!region.isNull())
        args << QStringLiteral("-x") << QString::number(int(region.x())) << QStringLiteral("-y")
             << QString::number(int(region.y())) << QStringLiteral("-W")
             << QString::number(int(region.width())) << QStringLiteral("-H")
             << QString::number(int(region.height()));
    args << pdf << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
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
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished();
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(key + u':'))
            return line.mid(key.size() + 1).trimmed();
    return {};
}

int pdfPages(const QString& pdf)
{
    return pdfInfo(pdf, QStringLiteral("Pages")).toInt();
}

// A program of numbered blocks with one comment too long for a printed line.
QStringList programLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("N%1 G01 X%2 Z-%3 F0.2")
                         .arg(i, 4, 10, QLatin1Char('0'))
                         .arg(i * 1.5)
                         .arg(i));
    lines[40] = QStringLiteral("N0041 (") + QString(160, u'L') + u')';
    return lines;
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd"));
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
        m_main->action(QStringLiteral("mnuFilePrint"))->trigger();
        return QFile::exists(pdf) ? pdf : QString();
    }

    void newProgram(const QStringList& lines)
    {
        m_main->action(QStringLiteral("mnuFileNew"))->trigger();
        ActiveText()->setWholeText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

private slots:
    void initTestCase()
    {
        // The printed PDF files are read back with poppler's tools.
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
                && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(),
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
        const QString pdf = printToPdf(QStringLiteral("one.pdf"));
        QVERIFY(!pdf.isEmpty());
        const int pages = pdfPages(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QStringList body;
        for (int page = 1; page <= pages; ++page) {
            const QStringList lines = pdfLines(pdf, page);
            QVERIFY(lines.value(0).startsWith(today()));
            QVERIFY(lines.value(0).contains(QLatin1String("Untitled1")));
            QVERIFY(lines.value(0).endsWith(QStringLiteral("Page %1").arg(page)));
            body += lines.mid(1);
        }
        compareBody(body, program);
        QCOMPARE(module1().gPrintPage, pages);
    }

    void twoColumns_columnOneThenColumnTwo()
    {
        // Two columns through the print settings.
        ModalScript settings;
        settings.then([](QWidget* form) {
            form->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
            clickLater(form, "Command3");
        });
        m_main->action(QStringLiteral("mnuFilePrinterSetup"))->trigger();
        QCOMPARE(module1().gPrintLineNo, 2);

        const QStringList program = programLines(150);
        newProgram(program);
        const QString pdf = printToPdf(QStringLiteral("two.pdf"));
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
            QVERIFY(pdfLines(pdf, page).value(0).endsWith(QStringLiteral("Page %1").arg(page)));
            for (const QRectF& column :
                {QRectF(0, body, secondColumn - 3, 842), QRectF(secondColumn - 3, body, 300, 842)})
                printed += pdfLines(pdf, page, column);
        }
        compareBody(printed, program);
    }

    void emptyProgram_onePageWithHeader()
    {
        newProgram({});
        ActiveText()->setWholeText(QString());
        const QString pdf = printToPdf(QStringLiteral("empty.pdf"));
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(pdfLines(pdf, 1).value(0).endsWith(QLatin1String("Page 1")));
    }

    void cancelledSaveDialog_printsNothing()
    {
        newProgram({QStringLiteral("N0001")});
        ModalScript script;
        script.chooseFile(QString());
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QTest::keyClick(ActiveText(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(script.pendingSteps(), 0);
        QVERIFY(script.messages().isEmpty());
        QVERIFY(
            QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("Untitled")).isEmpty());
    }

    void withoutDocument_says91()
    {
        newProgram({QStringLiteral("N0001")});
        cleanup();
        QCoreApplication::processEvents();
        QVERIFY(m_main->action(QStringLiteral("mnuFilePrint"))->isEnabled());
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        m_main->toolBarButton(QStringLiteral(" Print "))->trigger();
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].text, QStringLiteral("Not file open. Can not insert."));
        QCOMPARE(script.messages()[0].title, QStringLiteral(" error  91"));
    }

    void printSetting_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("stored"); // left, right, columns
        QTest::newRow("okStores") << "15"
                                  << "5"
                                  << "Option2"
                                  << "Command3" << QList<int> {15, 5, 2};
        QTest::newRow("notANumberIsZero") << "abc"
                                          << "7mm"
                                          << "Option1"
                                          << "Command3" << QList<int> {0, 7, 1};
        QTest::newRow("roundedHalfToEven") << "12.5"
                                           << "3.5"
                                           << "Option1"
                                           << "Command3" << QList<int> {12, 4, 1};
        QTest::newRow("cancelDiscards") << "33"
                                        << "44"
                                        << "Option2"
                                        << "Command4" << QList<int> {10, 0, 1};
    }
    void printSetting()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, option);
        QFETCH(QString, button);
        QFETCH(QList<int>, stored);
        ModalScript script;
        script.then([&](QWidget* form) {
            QCOMPARE(form->objectName(), QStringLiteral("PrintSetting"));
            QCOMPARE(form->windowTitle(), QStringLiteral("Printer setting"));
            QVERIFY(form->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
            QCOMPARE(
                form->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("10"));
            QCOMPARE(
                form->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), QStringLiteral("0"));
            form->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(left);
            form->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(right);
            form->findChild<QRadioButton*>(option)->setChecked(true);
            clickLater(form, qPrintable(button));
        });
        m_main->action(QStringLiteral("mnuFilePrinterSetup"))->trigger();
        QCOMPARE(script.pendingSteps(), 0);
        const Module1& m = module1();
        QCOMPARE((QList<int> {m.gLeftMerge, m.gRightMerge, m.gPrintLineNo}), stored);
    }

    void printSetting_fontAndOrientationStayAfterCancel()
    {
        ModalScript script;
        script.then([](QWidget* form) { clickLater(form, "Command2"); })
            .then([](QWidget* dialog) {
                auto* fonts = qobject_cast<QFontDialog*>(dialog);
                QVERIFY(fonts);
                fonts->setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 13));
                fonts->accept();
            })
            .then([](QWidget* form) { clickLater(form, "Command1"); })
            .then([](QWidget* pageSetup) {
                pageSetup->findChild<QRadioButton*>(QStringLiteral("landscape"))->click();
                QMetaObject::invokeMethod(pageSetup, "accept", Qt::QueuedConnection);
            })
            .then([](QWidget* form) { clickLater(form, "Command4"); });
        m_main->action(QStringLiteral("mnuFilePrinterSetup"))->trigger();
        QCOMPARE(script.pendingSteps(), 0);
        const Module1& m = module1();
        QCOMPARE(m.gPrintFontName, QStringLiteral("DejaVu Serif"));
        QCOMPARE(m.gPrintFontSize, 13);
        QCOMPARE(m.gPrinterOrientation, 2);

        // The next print comes out landscape and survives a restart.
        newProgram({QStringLiteral("N0001 G00 X100")});
        const QString pdf = printToPdf(QStringLiteral("landscape.pdf"));
        QVERIFY2(pdfInfo(pdf, QStringLiteral("Page size")).startsWith(QLatin1String("842 x 595")),
            qPrintable(pdfInfo(pdf, QStringLiteral("Page size"))));
        QVERIFY(pdfLines(pdf, 1).contains(QStringLiteral("N0001 G00 X100")));
        cleanup();
        CloseMain();
        m_main = StartFresh(QString(), true);
        QCOMPARE(module1().gPrintFontName, QStringLiteral("DejaVu Serif"));
        QCOMPARE(module1().gPrinterOrientation, 2);
    }

    void screenFont_everyOpenDocumentAndNewOnes()
    {
        newProgram({QStringLiteral("A")});
        NcTextBox* first = ActiveText();
        newProgram({QStringLiteral("B")});
        NcTextBox* second = ActiveText();
        ModalScript script;
        script.then([](QWidget* dialog) {
            auto* fonts = qobject_cast<QFontDialog*>(dialog);
            QVERIFY(fonts);
            QFont font(QStringLiteral("DejaVu Sans Mono"), 16);
            font.setBold(true);
            fonts->setCurrentFont(font);
            fonts->accept();
        });
        m_main->action(QStringLiteral("mnuFileFont"))->trigger();
        QCOMPARE(module1().gScreenFontName, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(module1().gScreenFontSize, 16);
        for (NcTextBox* text : {first, second}) {
            QCOMPARE(text->font().family(), QStringLiteral("DejaVu Sans Mono"));
            QCOMPARE(text->font().pointSize(), 16);
            QVERIFY(text->font().bold());
        }
        newProgram({QStringLiteral("C")});
        QCOMPARE(ActiveText()->font().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(ActiveText()->font().pointSize(), 16);
        QVERIFY(!ActiveText()->font().bold());

        // Cancel changes nothing.
        ModalScript cancel;
        cancel.then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        m_main->action(QStringLiteral("mnuFileFont"))->trigger();
        QCOMPARE(module1().gScreenFontSize, 16);
        QCOMPARE(first->font().pointSize(), 16);
    }
};

CORVANE_TEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
