// The run log: with /s the exit code is all an administrator learns from a
// thousand PCs, so each command-mode run can append one line to a file that
// /log:FILE or the key LogFile beside the program names.
#pragma once

#include <optional>
#include <string>

#include "engine/report/failure.h"
#include "engine/report/install_counts.h"
#include "engine/report/result.h"
#include "engine/paths/string_list.h"

// One command-mode run as the log records it.
struct RunRecord {
    // "/g", "/p", "/p (AutoRun)", "/v", "/undo", "true", "false" or "/h"
    std::string action;
    std::string target;  // the target folder; empty for the switch and the help
    Result result = Result::kOk;
    std::string fingerprint;  // the set's (set_fingerprint.h); empty when none
    Failure failure;          // where a failed run stopped, and why
    // The fingerprint of what this PC has after the run
    // (installed_fingerprint.h); empty for the help and the switch.
    std::string installed;
    // /v: how many ways the PC differs from the set, and the first one's
    // kind and file.
    std::optional<size_t> differences;
    std::string differenceKind, differenceFile;
    // A run that installs: what it copied, left alone, did to the
    // characters, and the backup it made.
    std::optional<InstallCounts> counts;
};

// The log's first line, naming the fields: written by the run that makes
// the file.
extern const char* const kRunLogHeader;

// One line in Shift-JIS ending in CR LF, its fields separated by tabs: the
// local date and time ("2026/05/01 08:30:12"), the computer, the user, the
// action, the target folder, the result code, every text the run's
// Notifier was given (reports) with their lines joined by " / ", the set's
// fingerprint, and for a failure the step, the Windows error code and the
// system's text for it; then what the PC has, what /v found, and what an
// install did (install_counts.h). Fields are only ever added at the end.
std::string RunLogLine(const RunRecord& run, const StringList& reports);

// Appends the run's line to logFile (taken below programFolder unless
// absolute) when one is set, in one write; a new file gets the header with
// it, as does one that is there but empty. A log that cannot be written is given up quietly: it never changes
// the run's result.
void AppendRunLog(const std::string& logFile, const std::string& programFolder, const RunRecord& run,
                  const StringList& reports);
