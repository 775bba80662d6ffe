// Replacing installed files all or nothing, even across a crash.
#pragma once

#include <string>

#include "engine/report/failure.h"
#include "engine/install/backups.h"
#include "engine/set/copy_list.h"
#include "engine/install/recovery.h"

// Each install stages its files in a folder of its own inside the user data
// folder (work_names.h): the first free "~s<n>", so that a leftover that
// cannot be removed never stands in a later install's way.

// The staged copy of the i-th file, and the saved previous file, by
// position: never by the file's own name, which could be any name the two
// kinds use.
std::string StagedName(size_t i);
std::string SavedName(size_t i);

// The longest path StagedInstall writes for copy in folder: every install
// whose paths fit works.
size_t LongestStagingPath(const CopyList& copy, const std::string& folder);

// Copies the list's sources with one shell copy into a new staging folder
// inside folder, checks that every file arrived whole, then moves them over
// the destinations (all in folder), each step in the journal before it is
// made; the files it replaces go to the backup the plan names. On a failure
// the destinations are put back as they were; a saved file that cannot be
// put back stays in the staging folder, with a line in report. True when
// every file was installed; failure says where it stopped otherwise.
bool StagedInstall(const CopyList& copy, const std::string& folder, const BackupPlan& backup, RecoveryReport& report,
                   Failure& failure);
