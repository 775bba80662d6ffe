// Replacing installed files all or nothing.
#pragma once

#include <string>

#include "command/copy_list.h"

// Copies the list's sources with one shell copy into a staging folder
// inside folder, checks that every file arrived whole, then moves them over
// the destinations. On any failure the destinations are as they were and
// the staging folder is gone. True when every file was installed.
bool StagedInstall(const CopyList& copy, const std::string& folder);
