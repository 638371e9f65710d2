#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Drilling with a rotating (M) tool and the C axis joined: holes on the face ("M Drill PLAN "),
// on the circumference ("M Drill  Side ") and on an inclined plane with the B axis tilted
// ("M Drill Slant "), each one cycle G181 (drill) or G183 (with pecks or a dwell), cancelled by
// G180.
DialogSetup SetUpMDrillPlan(const Module1& m);
void BuildMDrillPlan(Module1& m);

DialogSetup SetUpMDrillSide(const Module1& m);
void BuildMDrillSide(Module1& m);

DialogSetup SetUpMDrillSlant(const Module1& m);
void BuildMDrillSlant(Module1& m);
