// The program's own command line, in the ANSI code page the run parameters
// speak.
#pragma once

#include <string>

#include "engine/paths/string_list.h"

// The arguments after the program path. On the NT family they come from the
// wide command line: an argument that Shift-JIS spells stays as typed; any
// other can only name a folder, or the run log's file after "/log:", since
// every switch is ASCII, and is spelled through its full path (below
// programFolder unless absolute) by platform::SpellPath. Windows 98 and Me
// give the ANSI command line as it is.
StringList ProgramArguments(const std::string& programFolder);

// Length of the run log's switch ("/log:" or "-log:", any letter case) at
// the start of an argument; 0 for any other argument.
size_t LogSwitchLength(const std::string& argument);
