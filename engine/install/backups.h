// What an install changes is kept: the files it replaces, copies of the
// files outside the user data folder that it stops linking, and the link
// values it overwrites or adds become a set folder, backup\<date>-<time>
// in the user data folder, with an EUDC.INI of its own, so that it
// installs like any set and /undo can put every link back as it was. The
// replaced files are moved there, never copied; a file outside the user
// data folder is copied and stays where it is. The five newest are kept.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/links/font_links.h"
#include "engine/install/journal.h"
#include "engine/install/recovery.h"
#include "platform/outcome.h"

namespace backup_file {
// EUDC.INI's section of a backup's own: when it was made, and every link
// value the install wrote over, as the registry held it ("face=" for a
// face it added).
constexpr const char* kSection = "BACKUP";
constexpr const char* kMadeKey = "Made";
constexpr const char* kPreviousSection = "PREVIOUS932";
}  // namespace backup_file

// A link an install writes, and what the registry held for it before.
struct PreviousLink {
    std::string face;   // as the registry names it
    std::string value;  // the registry's own text; empty when the face had no link
};

// Where an install keeps what it changes.
struct BackupPlan {
    std::string name;  // the backup folder's name below backup\ (a bare name)
    FontLinks links;   // the kept files' links: face, bare file name in the backup
    std::vector<PreviousLink> previous;
    // Files outside the user data folder the install stops linking: their
    // path, and the bare name of their copy in the backup.
    std::vector<std::pair<std::string, std::string>> copies;

    // Whether the install changes a link, so that an undo has something to
    // take back even where no file is replaced.
    bool ChangesLinks() const { return !previous.empty(); }
};

// A backup as /undo reads it.
struct Backup {
    std::string folder;  // full path, with a trailing backslash; empty for none
    // The previous link values, when the backup recorded them; a backup of
    // an earlier build did not, and links only what it holds.
    bool recordsLinks = false;
    std::vector<PreviousLink> previous;
};

constexpr int kBackupsKept = 5;

// folder\backup\name\ (or folder\~minamo-backup\name\ where a file, not
// the program's folder, is named backup).
std::string BackupFolder(const std::string& folder, const std::string& name);
// A name for a new backup in folder, never one in use: the local date and
// time, with "-02", "-03", ... when that is taken.
std::string NewBackupName(const std::string& folder);
// Makes the backup folder, its EUDC.INI with the time it is made (later
// than every backup there, whatever the clock says) and the previous
// links, and the copies, before the install commits.
platform::Outcome PrepareBackup(const std::string& folder, const BackupPlan& plan);
// Moves the saved files of a committed install into its backup; a file
// that does not move stays where it is.
void MoveSavedFilesToBackup(const std::vector<JournalRecord>& records, const StagingPlaces& places,
                            const std::string& name);
// Removes a backup prepared for an install that did not commit: its
// EUDC.INI and copies, and the folder when nothing else is in it.
void RemoveUnfinishedBackup(const std::string& folder, const std::string& name);
// Removes all but the five newest backups that recorded when they were
// made; never keep (the one just made), never a folder without that time
// (a folder made by hand, or a backup of an earlier build).
void PruneBackups(const std::string& folder, const std::string& keep);
// The newest backup of folder: ordered by the time recorded in each, those
// of earlier builds (no time) below them by name.
Backup NewestBackup(const std::string& folder);
// The link values a backup's EUDC.INI (infoFile) recorded as they were
// before its install, in file order; none for a backup of an earlier build.
std::vector<PreviousLink> ReadPreviousLinks(const std::string& infoFile);
// Every backup of folder that holds its EUDC.INI, newest first (in the
// order NewestBackup goes by), as full paths with a trailing backslash.
std::vector<std::string> BackupsNewestFirst(const std::string& folder);
