#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Grooving with a turning tool whose grooving insert cuts with both edges: a multiple grooving
// cycle roughs the groove, then one finishing pass along each wall enters over a 45 degree
// chamfer under the offset of the edge that cuts that wall. Face groove ("PLAN Groove ", G74),
// outside groove ("UTV.Groove ", G73) and inside groove (" INV.Groove ", G73).
DialogSetup SetUpGroovePlan(const Module1& m);
void BuildGroovePlan(Module1& m);

DialogSetup SetUpGrooveOd(const Module1& m);
void BuildGrooveOd(Module1& m);

DialogSetup SetUpGrooveId(const Module1& m);
void BuildGrooveId(Module1& m);
