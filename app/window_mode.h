// Window mode: the main window and its message loop.
#pragma once

#include "engine/run/run_parameters.h"

class MainWindow;

// Runs the main window on run until it closes; closing it ends the program
// (exit code 0). A main window that cannot be made is a failure: a message
// with Windows' reason, and 2, the code of a window mode that fails.
int RunWindowMode(RunParameters& run);
// The message loop of window mode, until window's window is gone or the
// thread is asked to quit.
void RunMessageLoop(MainWindow& window);
