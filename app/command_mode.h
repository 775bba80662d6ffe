// Command mode: one action, its result the exit code, its line in the run
// log when one is asked for.
#pragma once

#include "engine/report/result.h"
#include "engine/run/run_parameters.h"

// Exactly one action, the first that applies: help beats everything, then
// the EUDC switch, /v, /remove, /undo, /p (or AutoRun), /g.
Result RunCommandMode(RunParameters& run);
