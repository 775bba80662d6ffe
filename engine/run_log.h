// The run log: with /s the exit code is all an administrator learns from a
// thousand PCs, so each command-mode run can append one line to a file that
// /log:FILE or the key LogFile beside the program names.
#pragma once

#include <cstdint>
#include <string>

#include "engine/param.h"

// One line in Shift-JIS ending in CR LF, its fields separated by tabs: the
// local date and time ("2026/05/01 08:30:12"), the computer, the user, the
// action, the target folder, the result code, and every text Notify was
// given in the run, its lines joined by " / ".
std::string RunLogLine(const TminamoParam& param, const std::string& action,
                       const std::string& target, uint8_t result);

// Appends the run's line to param.LogFile (taken below the program's folder
// unless absolute) when one is set. A log that cannot be written is given
// up quietly: it never changes the run's result.
void AppendRunLog(const TminamoParam& param, const std::string& action, const std::string& target,
                  uint8_t result);
