#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Finishing with the LAP finishing cycle G87, which runs again the shape block a roughing
// process wrote (NAP1 face, NAP2 outside, NAP3 inside) and removes the stock it left: outside
// ("UTV.FIN "), inside (" INV.FIN "), face ("UTV.  PLAN  FIN ") and a face pass followed by the
// outside ("PLAN UTV. FIN "). The feed comes from the shape block.
DialogSetup SetUpFinOd(const Module1& m);
void BuildFinOd(Module1& m);

DialogSetup SetUpFinId(const Module1& m);
void BuildFinId(Module1& m);

DialogSetup SetUpFinPlan(const Module1& m);
void BuildFinPlan(Module1& m);

DialogSetup SetUpFinPlanOd(const Module1& m);
void BuildFinPlanOd(Module1& m);
