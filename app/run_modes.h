// The start-up of minamo: creates the run parameters, refuses to run from
// the user data folder, then runs one command-mode action or the window.
#pragma once

#include <string>

#include "engine/run/run_parameters.h"
#include "engine/paths/string_list.h"

// Window mode on the run's parameters, until the main window closes; its
// exit code. The entry takes it from its caller, so that command mode (and
// the tests of it) links without any window.
using WindowMode = int (*)(RunParameters& run);

// Runs the whole program with the given executable path and arguments
// (after the program path) and returns the process exit code: in command
// mode the action's result.
int RunMinamo(const std::string& executablePath, const StringList& args, WindowMode runWindowMode);
