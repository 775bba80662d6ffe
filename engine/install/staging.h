// Replacing installed files all or nothing, even across a crash.
#pragma once

#include <string>
#include <vector>

#include "engine/install/copy_list.h"

// Each install stages its files in a folder of its own inside the user data
// folder, named with this prefix, the process id and a number: a leftover
// that cannot be removed never stands in a later install's way. (Earlier
// builds used "~minamo-staging" alone, without a journal; such a folder is
// left as it is.)
constexpr const char* kStagingPrefix = "~minamo-staging-";
constexpr const char* kJournalName = "journal";

// Copies the list's sources with one shell copy into a new staging folder
// inside folder, checks that every file arrived whole, then moves them over
// the destinations (all in folder), each step in the journal before it is
// taken. On a failure the destinations are put back as they were; a saved
// file that cannot be put back stays in the staging folder, with a report
// line in notRestored. True when every file was installed.
bool StagedInstall(const CopyList& copy, const std::string& folder,
                   std::vector<std::string>& notRestored);
