#include "TestSupport.h"

#include <QDate>
#include <QFontDialog>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>

namespace {
// The non-empty lines a poppler tool prints for the file, trimmed.
QStringList poppler(const QString& tool, QStringList args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished();
    QStringList lines;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith(u'\f'))
            lines.append(line.trimmed());
    return lines;
}

// The text of one page, or a region of it (in points), line by line.
QStringList pdfLines(const QString& pdf, int page, QRectF r = {})
{
    QStringList args
        = {u"-layout"_qs, u"-f"_qs, QString::number(page), u"-l"_qs, QString::number(page)};
    if (!r.isNull())
        for (const auto& [option, value] :
            {std::pair {"-x", r.x()}, {"-y", r.y()}, {"-W", r.width()}, {"-H", r.height()}})
            args << QString::fromLatin1(option) << QString::number(int(value));
    return poppler(u"pdftotext"_qs, args << pdf << u"-"_qs);
}

// A line of pdfinfo's report, such as "Pages" or "Page size".
QString pdfInfo(const QString& pdf, const QString& key)
{
    return poppler(u"pdfinfo"_qs, {pdf})
        .filter(QRegularExpression(u'^' + key + u':'))
        .value(0)
        .section(u':', 1)
        .trimmed();
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

void chooseFont(QWidget* dialog, const QFont& font)
{
    auto* fonts = qobject_cast<QFontDialog*>(dialog);
    QVERIFY(fonts);
    fonts->setCurrentFont(font);
    fonts->accept();
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
    void cleanup() { CloseMainDiscardingChanges(); }

    // Ctrl+P with the dialog cancelled prints nothing. Every page has the date, the caption and
    // its number in the header; the empty program is one page with its header.
    void oneColumn_everyLineAndHeaderOnEveryPage()
    {
        const QStringList program = programLines(120);
        newProgram(program);
        ModalScript script;
        script.chooseFile(QString());
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QTest::keyClick(ActiveText(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(script.pendingSteps(), 0);
        QVERIFY(script.messages().isEmpty());
        QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).filter(u"Untitled"_qs).isEmpty());
        const QString pdf = printToPdf(u"one.pdf"_qs);
        const int pages = pdfInfo(pdf, u"Pages"_qs).toInt();
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QStringList body;
        for (int page = 1; page <= pages; ++page) {
            const QString header = pdfLines(pdf, page).value(0);
            QVERIFY(header.startsWith(QDate::currentDate().toString(u"yyyy.MM.dd"_qs)));
            QVERIFY(header.contains(QLatin1String("Untitled1")));
            QVERIFY(header.endsWith(u"Page %1"_qs.arg(page)));
            body += pdfLines(pdf, page).mid(1);
        }
        compareBody(body, program);

        ActiveText()->setWholeText(QString());
        const QString empty = printToPdf(u"empty.pdf"_qs);
        QCOMPARE(pdfInfo(empty, u"Pages"_qs), u"1"_qs);
        QCOMPARE(pdfLines(empty, 1).size(), 1);
        QVERIFY(pdfLines(empty, 1).value(0).endsWith(QLatin1String("Page 1")));
    }

    void twoColumns_columnOneThenColumnTwo()
    {
        module1().gPrintLineNo = 2; // two columns: the print settings' test shows the way there
        const QStringList program = programLines(150);
        newProgram(program);
        const QString pdf = printToPdf(u"two.pdf"_qs);
        const int pages = pdfInfo(pdf, u"Pages"_qs).toInt();
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

    // Margins typed (not a number is 0, halves to the even neighbour) and the column choice are
    // kept with OK (Command3) and dropped with Cancel (Command4).
    void printSettingMarginsAndColumns()
    {
        const QStringList design = {"PrintSetting.windowTitle=Printer setting",
            "Option1.checked=true", "Text1.text=10", "Text2.text=0"};
        for (const auto& [left, right, option, button, stored] :
            {std::tuple {"15", "5", "Option2", "Command3", QList<int> {15, 5, 2}},
                {"abc", "7mm", "Option1", "Command3", {0, 7, 1}},
                {"12.5", "3.5", "Option1", "Command3", {12, 4, 1}},
                {"33", "44", "Option2", "Command4", {10, 0, 1}}}) {
            StartFresh();
            ModalScript script;
            script.then([&](QWidget* form) {
                QCOMPARE(Properties(form, design), design);
                form->findChild<QLineEdit*>(u"Text1"_qs)->setText(QString::fromLatin1(left));
                form->findChild<QLineEdit*>(u"Text2"_qs)->setText(QString::fromLatin1(right));
                form->findChild<QRadioButton*>(QString::fromLatin1(option))->setChecked(true);
                clickLater(form, button);
            });
            MainForm()->action(u"mnuFilePrinterSetup"_qs)->trigger();
            QCOMPARE(script.pendingSteps(), 0);
            const Module1& m = module1();
            QCOMPARE((QList<int> {m.gLeftMerge, m.gRightMerge, m.gPrintLineNo}), stored);
        }
    }

    // The font (Command2) and the page set-up (Command1) are kept even when the form is then
    // cancelled; the next print comes out landscape, and both survive a restart.
    void printSettingFontAndOrientationStayAfterCancel()
    {
        ModalScript script;
        script.then([](QWidget* form) { clickLater(form, "Command2"); })
            .then([](QWidget* dialog) { chooseFont(dialog, QFont(u"DejaVu Serif"_qs, 13)); })
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

        newProgram({u"N0001 G00 X100"_qs});
        const QString pdf = printToPdf(u"landscape.pdf"_qs);
        QVERIFY2(pdfInfo(pdf, u"Page size"_qs).startsWith(QLatin1String("842 x 595")),
            qPrintable(pdfInfo(pdf, u"Page size"_qs)));
        QVERIFY(pdfLines(pdf, 1).contains(u"N0001 G00 X100"_qs));
        CloseMainDiscardingChanges();
        m_main = StartFresh(QString(), true);
        QCOMPARE(module1().gPrintFontName, u"DejaVu Serif"_qs);
        QCOMPARE(module1().gPrinterOrientation, 2);
    }

    // The screen font reaches every open document (the family, size and style chosen) and new
    // ones (the family and size kept); Cancel changes nothing.
    void screenFont_everyOpenDocumentAndNewOnes()
    {
        newProgram({u"A"_qs});
        NcTextBox* first = ActiveText();
        newProgram({u"B"_qs});
        NcTextBox* second = ActiveText();
        ModalScript script;
        script.then([](QWidget* dialog) {
            QFont font(u"DejaVu Sans Mono"_qs, 16);
            font.setBold(true);
            chooseFont(dialog, font);
        });
        m_main->action(u"mnuFileFont"_qs)->trigger();
        const auto look = [](NcTextBox* text) {
            const QFont f = text->font();
            return f.family() + u' ' + QString::number(f.pointSize()) + (f.bold() ? " bold" : "");
        };
        QCOMPARE(module1().gScreenFontName + u' ' + QString::number(module1().gScreenFontSize),
            u"DejaVu Sans Mono 16"_qs);
        newProgram({u"C"_qs});
        QCOMPARE((QStringList {look(first), look(second), look(ActiveText())}),
            (QStringList {
                "DejaVu Sans Mono 16 bold", "DejaVu Sans Mono 16 bold", "DejaVu Sans Mono 16"}));

        script.then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        m_main->action(u"mnuFileFont"_qs)->trigger();
        QCOMPARE(module1().gScreenFontSize, 16);
        QCOMPARE(look(first), u"DejaVu Sans Mono 16 bold"_qs);
    }
};

CORVANE_TEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
