#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Rough turning with the LAP roughing cycle G85. The cycle line names a shape block that follows
// it at once (NAP1 face, G82; NAP2 outside, NAP3 inside, G81; closed by G80), which the
// finishing processes run again later: outside turning ("UTV.GROV "), inside turning
// (" INV.GROV ", whose finished bore becomes the inside diameter later processes start from),
// facing ("UTV.PLAN GROV ") and facing followed by outside turning ("PLAN UTV.GROV ").
DialogSetup SetUpGrovOd(const Module1& m);
void BuildGrovOd(Module1& m);

DialogSetup SetUpGrovId(const Module1& m);
void BuildGrovId(Module1& m);

DialogSetup SetUpGrovPlan(const Module1& m);
void BuildGrovPlan(Module1& m);

DialogSetup SetUpGrovPlanOd(const Module1& m);
void BuildGrovPlanOd(Module1& m);
