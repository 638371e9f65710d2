#include "documents/PrintDocument.h"

#include "app/Messages.h"
#include "app/Shell.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/Printer.h"
#include "documents/ProgramFont.h"
#include "documents/core/PrintLayout.h"
#include "documents/frmDocument.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

namespace {
// The header rule is three printer dots wide, as on a 600 dpi printer.
constexpr double kRuleWidthMm = 3 * 25.4 / 600;

// One print job. The painter works in device units, scaled from millimetres, so that the font
// keeps its exact size (a millimetre-unit painter would round it to whole units).
class PrintJob
{
public:
    PrintJob(QPrinter& printer, frmDocument* doc)
        : m_printer(printer)
        , m_doc(doc)
    { }

    bool run()
    {
        PrintSetup();
        if (!m_painter.begin(&m_printer))
            return false;
        m_painter.setFont(m_font);
        m_metrics = std::make_unique<QFontMetricsF>(m_font, &m_printer);
        measure();
        Module1& m = module1();
        m.gPrintPage = 1;
        PrintHeader(m.gPrintPage);
        PrintBody();
        return m_painter.end();
    }

private:
    void PrintSetup()
    {
        const Module1& m = module1();
        m_printer.setPageOrientation(
            m.gPrinterOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
        m_printer.setFullPage(false);
        m_font = ProgramFont(m.gPrintFontName, m.gPrintFontSize);
        m_dotsPerMm = m_printer.resolution() / 25.4;
    }

    void measure()
    {
        Module1& m = module1();
        const QRectF printable = m_printer.pageLayout().paintRect(QPageLayout::Millimeter);
        m_geometry = PrintSetupGeometry(m_metrics->height() / m_dotsPerMm, printable.width(),
            printable.height(), m.gLeftMerge, m.gRightMerge, m.gPrintLineNo);
        m.gPrintLineHeight = m_geometry.lineHeight;
        m.gPrintLines = m_geometry.lines;
        m.gPrintRight = m_geometry.right;
    }

    double widthMm(QStringView text) const
    {
        return m_metrics->horizontalAdvance(text.toString()) / m_dotsPerMm;
    }

    void printText(const PrintedText& t)
    {
        m_painter.drawText(
            QPointF(t.x * m_dotsPerMm, t.y * m_dotsPerMm + m_metrics->ascent()), t.text);
    }

    void PrintHeader(int page)
    {
        const TextWidth width = [this](QStringView t) { return widthMm(t); };
        const PageHeader header
            = PrintHeaderLayout(QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")),
                m_doc->caption(), page, m_geometry, width);
        for (const PrintedText& t : header.texts)
            printText(t);
        m_painter.save();
        m_painter.setPen(QPen(Qt::black, kRuleWidthMm * m_dotsPerMm));
        const QLineF& rule = header.rule;
        m_painter.drawLine(QLineF(rule.p1() * m_dotsPerMm, rule.p2() * m_dotsPerMm));
        m_painter.restore();
    }

    void PrintBody()
    {
        const TextWidth width = [this](QStringView t) { return widthMm(t); };
        const QList<PrintedPage> pages = PaginateText(m_doc->txtText()->Text(), m_geometry, width);
        Module1& m = module1();
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                m_printer.newPage();
                ++m.gPrintPage;
                PrintHeader(m.gPrintPage);
            }
            for (const PrintedText& t : pages[i])
                printText(t);
        }
    }

    QPrinter& m_printer;
    frmDocument* m_doc;
    QPainter m_painter;
    QFont m_font;
    std::unique_ptr<QFontMetricsF> m_metrics;
    PrintGeometry m_geometry;
    double m_dotsPerMm = 1;
};

QString suggestedPdfName(const frmDocument* doc)
{
    const QString name
        = doc->isUntitled() ? doc->caption() : QFileInfo(doc->filePath()).completeBaseName();
    return name + QLatin1String(".pdf");
}

QString pdfFolder(const frmDocument* doc)
{
    return doc->isUntitled() ? module1().gSavePathName : QFileInfo(doc->filePath()).absolutePath();
}
} // namespace

void PrintDocument()
{
    auto* doc = qobject_cast<frmDocument*>(module1().gActiveDoc.data());
    if (!doc) {
        ReportError(errNoDocument);
        return;
    }
    const std::unique_ptr<QPrinter> printer
        = ChoosePrinter(ShellWindow(), pdfFolder(doc), suggestedPdfName(doc));
    if (!printer)
        return;
    bool printed = false;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        PrintJob job(*printer, doc);
        printed = job.run();
        QGuiApplication::restoreOverrideCursor();
    }
    if (!printed)
        ShowMessage(QStringLiteral("Can not print."), QMessageBox::Warning);
}
