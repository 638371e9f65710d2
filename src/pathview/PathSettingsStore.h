#pragma once

#include "pathview/core/PathModel.h"

struct Module1;

// The path view's own settings (section "PathView": RapidRate in mm/min, ToolChangeTime in
// seconds) together with the machine's home position and maximum spindle speed from the shared
// state.
path::PathSettings LoadPathSettings(const Module1& m);
void SavePathSettings(const path::PathSettings& settings);
