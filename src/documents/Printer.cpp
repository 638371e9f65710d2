#include "documents/Printer.h"

#include "app/FileDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace {
const QString kPdfFilter = QStringLiteral("PDF File (*.pdf)|*.pdf");

// What the user chose during this run: the printer and the page set-up.
struct PrinterChoice
{
    QString printerName;
    std::optional<QPageLayout> layout;
};

PrinterChoice& choice()
{
    static PrinterChoice c;
    return c;
}

// A printer with the choices made so far; a PDF file gets an A4 page with the 5 mm margins a
// printer keeps unprintable, so that it matches what paper would show.
std::unique_ptr<QPrinter> makePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (PrinterInstalled()) {
        printer->setOutputFormat(QPrinter::NativeFormat);
        if (!choice().printerName.isEmpty())
            printer->setPrinterName(choice().printerName);
    } else {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    }
    if (choice().layout)
        printer->setPageLayout(*choice().layout);
    return printer;
}
} // namespace

bool PrinterInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

int ShowPrinterSetup(QWidget* parent, int orientation)
{
    const std::unique_ptr<QPrinter> printer = makePrinter();
    printer->setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog dialog(printer.get(), parent);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    if (dialog.exec() != QDialog::Accepted)
        return orientation;
    choice().layout = printer->pageLayout();
    return printer->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

std::unique_ptr<QPrinter> ChoosePrinter(
    QWidget* parent, const QString& folder, const QString& suggestedName)
{
    std::unique_ptr<QPrinter> printer = makePrinter();
    if (printer->outputFormat() == QPrinter::NativeFormat) {
        QPrintDialog dialog(printer.get(), parent);
        dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        if (printer->outputFormat() == QPrinter::NativeFormat)
            choice().printerName = printer->printerName();
        return printer;
    }
    QString name = ShowSaveDialog(parent, folder, kPdfFilter, suggestedName);
    if (name.isEmpty())
        return nullptr;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".pdf");
    printer->setOutputFileName(name);
    return printer;
}
