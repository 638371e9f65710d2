#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// End-mill work with a rotating (M) tool and the C axis joined: key ways by the key-way cycle
// G190 on the face, the circumference or an inclined plane; straight slots by a plunge and a
// C-axis move G101 on the face or the circumference; a circle milled on an inclined plane in
// depth passes.
DialogSetup SetUpMKeyPlan(const Module1& m);
void BuildMKeyPlan(Module1& m);

DialogSetup SetUpMKeySide(const Module1& m);
void BuildMKeySide(Module1& m);

DialogSetup SetUpMKeySlant(const Module1& m);
void BuildMKeySlant(Module1& m);

DialogSetup SetUpMMillPlan(const Module1& m);
void BuildMMillPlan(Module1& m);

DialogSetup SetUpMMillSide(const Module1& m);
void BuildMMillSide(Module1& m);

DialogSetup SetUpMCircleSlant(const Module1& m);
void BuildMCircleSlant(Module1& m);

// One full circle around (gStartX, gStartZ) of radius gEndX in the inclined plane: two
// counter-clockwise half circles entered and left radially from the centre under cutter
// compensation, after a roughing circle gL inside it when gL > 0.
void AppendCirclePath(Module1& m);

// More depth passes than this are refused (run-time error 7) rather than building a block no
// program could hold.
constexpr int kMaxCirclePasses = 10000;
