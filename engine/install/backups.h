// What an install replaces is kept: the previous files and their links
// become a set folder, backup\YYYYMMDD-HHMMSS\ in the user data folder,
// with an EUDC.INI of its own, so that it installs like any set. The
// saved files are moved there, never copied. The five newest are kept.
#pragma once

#include <string>
#include <vector>

#include "engine/links/font_links.h"
#include "engine/install/journal.h"
#include "engine/install/recovery.h"
#include "platform/outcome.h"

// Where an install keeps what it replaces.
struct BackupPlan {
    std::string name;  // the backup folder's name below backup\ (a bare name)
    FontLinks links;   // the previous links of the replaced files: face, bare file name
};

constexpr int kBackupsKept = 5;

// folder\backup\name\ .
std::string BackupFolder(const std::string& folder, const std::string& name);
// A name for a new backup in folder: the local date and time, with "-02",
// "-03", ... when an install of the same second made one already.
std::string NewBackupName(const std::string& folder);
// Makes the backup folder and its EUDC.INI, before the install commits.
platform::Outcome PrepareBackup(const std::string& folder, const BackupPlan& plan);
// Moves the saved files of a committed install into its backup; a file
// that does not move stays where it is.
void MoveSavedFilesToBackup(const std::vector<JournalRecord>& records, const StagingPlaces& places,
                            const std::string& name);
// Removes a backup prepared for an install that did not commit: its
// EUDC.INI, and the folder when nothing else is in it.
void RemoveUnfinishedBackup(const std::string& folder, const std::string& name);
// Removes all but the newest backups.
void PruneBackups(const std::string& folder);
// The newest backup of folder as a full path with a trailing backslash;
// empty when there is none.
std::string NewestBackup(const std::string& folder);
// Every backup of folder that holds its EUDC.INI, newest first, as full
// paths with a trailing backslash.
std::vector<std::string> BackupsNewestFirst(const std::string& folder);
