// What one install did, in numbers, for the run log.
#pragma once

#include <cstddef>
#include <string>

struct InstallCounts {
    size_t copied = 0;     // files put in: new, or other than the installed copies
    size_t unchanged = 0;  // files left alone: the same as the installed copies
    // Characters of the replaced fonts that are gone, drawn otherwise, new.
    size_t lost = 0, changed = 0, added = 0;
    std::string backup;  // the backup folder made for what was replaced; empty when none
    // No file copied and no link written other than it was: the PC already
    // had the set.
    bool nothingChanged = false;
};
