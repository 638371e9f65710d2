#pragma once

#include "process/core/DialogSetup.h"

struct Module1;

// Thread cutting with a turning tool at a constant spindle speed: tool call, one multiple
// thread-cutting cycle, retract and return. Face thread ("PLAN Thread ", G72), outside thread
// ("UTV.Thread ", G71 to the root diameter) and inside thread (" INV.Thread ", G71 to the nominal
// diameter).
DialogSetup SetUpThreadPlan(const Module1& m);
void BuildThreadPlan(Module1& m);

DialogSetup SetUpThreadOd(const Module1& m);
void BuildThreadOd(Module1& m);

DialogSetup SetUpThreadId(const Module1& m);
void BuildThreadId(Module1& m);
