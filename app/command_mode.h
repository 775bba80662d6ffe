// Command mode: one action, its result the exit code, its line in the run
// log when one is asked for.
#pragma once

#include "engine/report/result.h"
#include "engine/run/run_parameters.h"

// Exactly one action, the first row of its table that applies: a mistyped
// switch, help, the EUDC switch, /map, /v, /remove, /undo, /p (or AutoRun),
// /g; help when none does. Something unforeseen ends the run with the
// failure code of the action that met it.
Result RunCommandMode(RunParameters& run);
