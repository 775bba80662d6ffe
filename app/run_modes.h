// The start-up of minamo: creates the run parameters, refuses to run from
// the user data folder, then runs one command-mode action or the window.
#pragma once

#include <cstdint>
#include <string>

#include "command/param.h"

// The command-mode result; becomes the exit code.
extern uint8_t ResultCode;

// Runs the whole program with the given executable path and arguments
// (after the program path) and returns the process exit code.
int RunMinamo(const std::string& executablePath, const StringList& args);

// Window mode: the main window and its message loop; returns when it closed.
int RunWindowMode();

class TMinamoForm;
// The message loop of window mode, until form's window is gone or the
// thread is asked to quit.
void RunMessageLoop(TMinamoForm& form);
