// The names the install keeps for itself in the user data folder: its lock,
// its staging folders and the folders it sets aside. No EUDC set may bring
// a file of one of these names.
#pragma once

#include <string>

namespace work_names {

constexpr const char* kLock = "~minamo.lock";
// A staging folder: "~s" and a number, short so that an install works
// wherever its files' own paths fit. Its staged files are "<i>.n", the
// files it saves "<i>.o", its journal "j".
constexpr const char* kStagingPrefix = "~s";
constexpr const char* kJournal = "j";
// The staging folders of earlier builds: "~minamo-staging-<pid>-<n>".
constexpr const char* kOldStagingPrefix = "~minamo-staging-";
// A staging folder whose journal could not be read whole, kept as it was
// under this prefix and a number: nothing in it is ever deleted.
constexpr const char* kSetAsidePrefix = "~minamo-damaged-";
// The folder that keeps what installs replaced (backups.h).
constexpr const char* kBackupFolder = "backup";
// Where backups go while a file, not the program's folder, is named backup.
constexpr const char* kSpareBackupFolder = "~minamo-backup";

// Whether a folder name is a staging folder's, of this build or an earlier.
bool IsStagingFolder(const std::string& name);
// Whether a bare file name is one the install keeps for itself (letter
// case ignored, and trailing dots and blanks, which Windows drops from a
// name): the lock, the backup folder, and anything named "~minamo..." or
// like a staging folder.
bool IsWorkName(const std::string& name);

}  // namespace work_names
