#pragma once

#include "common/Variant.h"

#include <QObject>
#include <QPointer>
#include <QString>

// The state the whole program shares. The running program has one instance (module1()); pure
// functions take the state they read and write by reference, so a test builds its own.
struct Module1
{
    // Settings, section "Settings".
    QString gOpenPathName;
    QString gInsertPathName;
    QString gSavePathName;
    QString gScreenFontName;
    int gScreenFontSize = 14;
    QString gPrintFontName;
    int gPrintFontSize = 11;
    int gPrinterOrientation = 1;
    int gLeftMerge = 10;
    int gRightMerge = 0;
    int gPrintLineNo = 1;

    // Machine parameters, section "Parameter".
    float gMaxS = 2500;
    Variant gHomeX = 500.0;
    Variant gHomeZ = 500.0;
    Variant gAppX = 200.0;
    Variant gAppZ = 50.0;
    bool gTG = false;
    Variant gQCSK500 = true;
    Variant gDuomill = false;
    Variant gBturret = false;
    Variant gMeasuer = false;
    Variant gPanelChk = true;
    Variant gAutoDoor = false;
    int gTurretType = 2;
    QString gAtcMacroType = QStringLiteral("M421");
    Variant gToolFrom = true;
    bool gLoadMoniter = false;
    QString gCsvPathName;
    QString gCsvFileName;

    // Shell.
    QPointer<QObject> gMainForm;
    QPointer<QObject> gActiveDoc; // a frmDocument
    double gPi = 3.14159265398;
    bool gDocClosed = false;
    QString gFileName;
    QString gLastEditAction;
    bool gAutoSeqNo = false;

    // Search state.
    QString gSearchText;

    // Printing: the measures of the print job under way, in millimetres.
    int gPrintLineHeight = 0;
    int gPrintRight = 0;
    int gPrintLines = 0;
    int gPrintPage = 0;
};

// The running program's shared state.
Module1& module1();
