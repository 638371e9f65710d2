#pragma once

#include <QString>

class frmMain;

// Creates and shows the main window: settings read, window placed, menus in their state without
// documents, recent files listed, and the file named on the command line opened.
frmMain* StartUp(const QString& commandLine);
