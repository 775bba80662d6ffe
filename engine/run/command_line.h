// The command line: the settings beside the program first, then the
// switches from left to right; anything that is not a switch names the
// target.
#pragma once

#include <string>

#include "engine/links/options.h"
#include "engine/paths/string_list.h"
#include "engine/run/target.h"

// Reads the settings beside the program and the arguments (after the
// program path) into options and target. True for command mode: a switch,
// or AutoRun; a folder name alone leaves window mode.
bool ParseCommandLine(const StringList& args, const std::string& programFolder, Options& options,
                      Target& target);

// Whether an argument was meant as a switch: it starts with / or -, or with
// their full-width forms. Any other argument names a folder.
bool LooksLikeSwitch(const std::string& argument);
