// The run parameters as the windows reach them: set by window mode for as
// long as the main window runs, empty otherwise.
#pragma once

#include "engine/run_parameters.h"

extern RunParameters* RunParam;
