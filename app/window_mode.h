// Window mode: the main window and its message loop.
#pragma once

#include "engine/param.h"

// Runs the main window on run until it closes; closing it ends the program
// (exit code 0).
int RunWindowMode(TminamoParam& run);
