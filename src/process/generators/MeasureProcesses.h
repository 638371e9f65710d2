#pragma once

#include "process/core/DialogSetup.h"

#include <QString>

struct Module1;

// Calls of the control's measuring macros for a touch probe held in the turret as a turning tool.
//
// A diameter or radius measurement is a local sub-program: its call line goes in at the caret
// (the ...Call functions) and the sub-program built in gProcessText (the Build... functions) at
// the end of the document. The zero settings of the C and Z axes are ordinary blocks at the
// caret, post-process gauging one fixed line without a dialog.
DialogSetup SetUpMeasureInD(const Module1& m);
QString MeasureInDCall(Module1& m);
void BuildMeasureInD(Module1& m);

DialogSetup SetUpMeasureInR(const Module1& m);
QString MeasureInRCall(Module1& m);
void BuildMeasureInR(Module1& m);

DialogSetup SetUpMeasureOutD(const Module1& m);
QString MeasureOutDCall(Module1& m);
void BuildMeasureOutD(Module1& m);

DialogSetup SetUpMeasureOutR(const Module1& m);
QString MeasureOutRCall(Module1& m);
void BuildMeasureOutR(Module1& m);

DialogSetup SetUpZeroCAxis(const Module1& m);
void BuildZeroCAxis(Module1& m);

DialogSetup SetUpZeroZAxis(const Module1& m);
void BuildZeroZAxis(Module1& m);

void BuildPostProcessGauging(Module1& m);
