#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// The printer as the program sees it: the desktop's printers when one is installed, otherwise a
// PDF file the user names. The page set-up chosen once holds for the rest of the run.

bool PrinterInstalled();

// The printer set-up dialog, preset to an orientation (1 portrait, 2 landscape); returns the
// orientation chosen, or the preset one when the dialog was cancelled.
int ShowPrinterSetup(QWidget* parent, int orientation);

// A printer ready for one job: the printer the user chooses in the print dialog, or without an
// installed printer a PDF file named in a save dialog (suggestedName without its folder).
// Null when the user cancelled.
std::unique_ptr<QPrinter> ChoosePrinter(
    QWidget* parent, const QString& folder, const QString& suggestedName);
