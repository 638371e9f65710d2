#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Tapping with a rotating (M) tool and the C axis joined, by the synchronized tapping cycle G178
// cancelled by G180: on the face ("M Tap  PLAN "), on the circumference ("M Tap  Side ") and on
// an inclined plane ("M Tap  Slant "). The planet tap ("Planet Tap Slant ") mills the thread on
// an inclined plane along a helix instead.
DialogSetup SetUpMTapPlan(const Module1& m);
void BuildMTapPlan(Module1& m);

DialogSetup SetUpMTapSide(const Module1& m);
void BuildMTapSide(Module1& m);

DialogSetup SetUpMTapSlant(const Module1& m);
void BuildMTapSlant(Module1& m);

DialogSetup SetUpMPlanetTapSlant(const Module1& m);
void BuildMPlanetTapSlant(Module1& m);
