// Window mode: the main window and its message loop.
#pragma once

#include "engine/run_parameters.h"

// Runs the main window on run until it closes; closing it ends the program
// (exit code 0).
int RunWindowMode(RunParameters& run);
