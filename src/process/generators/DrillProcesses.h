#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Centre-line drilling with a drill on the turret: the twist drill ("Hss Drill ", one G74 cycle
// with pecking) and the insert drill ("Corbyte Drill ", G01 moves at half feed on entry and
// breakthrough).
DialogSetup SetUpDrillHss(const Module1& m);
void BuildDrillHss(Module1& m);

DialogSetup SetUpDrillU(const Module1& m);
void BuildDrillU(Module1& m);
