// The [MINAMO] settings of an EUDC.INI: beside the program at start-up, in
// the chosen folder in window mode. Readers only: nothing is written or
// reported. A missing file, section or key gives the default.
#pragma once

#include <string>

#include "engine/links/options.h"
#include "engine/run/target.h"

// The settings of a folder's EUDC.INI that the main window follows.
struct FolderSettings {
    bool copyCompanions = true;  // CopyEUF
    bool onlyNewer = false;      // CheckDate
    bool silent = false;         // Silet
};

// The settings beside the program, before any argument: AutoRun, CopyEUF,
// CheckDate, Silet, the run log (LogFile) and the target (TargetFolder).
// Returns autoRun.
bool ReadStartupSettings(const std::string& programFolder, Options& options, Target& target);
// A chosen folder's settings: CopyEUF, CheckDate and Silet, nothing else.
FolderSettings ReadFolderSettings(const std::string& folder);
