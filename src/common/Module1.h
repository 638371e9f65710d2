#pragma once

#include "common/Variant.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

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
    QPointer<QObject> gActiveDoc; // a frmDocument
    double gPi = 3.14159265398;
    bool gDocClosed = false;
    QString gFileName;
    bool gAutoSeqNo = false;
    bool gColouring = true;

    // Search state.
    QString gSearchText;

    // Process generators: the cutting-condition table, the process values of the last accepted
    // process dialog, the block under construction and the material values. Values the product
    // keeps in single precision are held as doubles here, so a typed 10.2 stays 10.2.
    static constexpr int kCutCondRows = 51;
    static constexpr int kCutCondColumns = 13;
    std::array<std::array<QString, kCutCondColumns>, kCutCondRows> gCutCond;
    double gToolNumber = 0;
    double gV = 0;
    double gF = 0;
    double gU = 0;
    double gW = 0;
    double gD = 0;
    double gL = 0;
    double gC = 0;
    double gB = 0;
    double gSZ = 0;
    double gStartX = 0;
    double gStartZ = 0;
    double gStartC = 0;
    double gEndX = 0;
    double gEndZ = 0;
    double gEndC = 0;
    QString gSpindleCode;
    QString gCoolantCode;
    bool gProcessOk = false;
    QString gProcessText;
    double gSpindleSpeed = 0;
    double gInnerDia = 0;
    double gPZero = 0;
    double gJawLength = 0;
    double gJawPlan = 0;
    double gMaterialOD = 0;
    double gMaterialLength = 0;

    // Text tools: the rest of the search state that find, replace and the calculation data
    // change share, and the line feed the sequence number arrange works behind. Positions and
    // counts are 64-bit: documents of any length.
    QString gFindText;
    QString gReplaceText;
    qint64 gFindPos = 0;
    qint64 gChangeCount = 0;
    bool gFirstChange = true;
    qint64 gLineFeed = 0;

    // Printing: the measures of the print job under way, in millimetres.
    int gPrintLineHeight = 0;
    int gPrintRight = 0;
    int gPrintLines = 0;
    int gPrintPage = 0;
};

// The running program's shared state.
Module1& module1();
