// The steps an install and an undo share, inside install/: the user data
// folder claimed, the files and links replaced with their backup, the
// message, and EUDC switched off for the while.
#pragma once

#include <string>

#include "engine/install/install.h"
#include "engine/install/link_changes.h"
#include "engine/set/copy_list.h"
#include "platform/interaction.h"

// The user data folder made, locked and recovered, ready for an install
// through work, its spelling for the install's own files.
Result ClaimUserData(const Folders& folders, InstallLock& lock, InstallReport& report, std::string& work);

// Replaces what changed among the copy's files and plans what changes
// among the links (writes), after the comparison of the characters, /keep
// and the question, with a backup of both; nothing when nothing changes.
// The links themselves are the caller's to write.
Result ReplaceFilesFor(const Folders& folders, const Options& options, const CopyList& copy, const LinkWrites& writes,
                       const std::string& work, Notifier& notifier, InstallReport& report);

// What the install tells the user: its report, or the message of its
// result; then each staging folder it had to set aside. busy: another
// install held the lock. lines joins each list: whole for the run log,
// shortened for a box.
std::string InstallMessage(Result result, const Folders& folders, const InstallReport& report, bool busy,
                           std::string (*lines)(const StringList&));

// EUDC off while it lives, on again when it goes, whatever ends the run.
class EudcOff {
public:
    EudcOff() { platform::EnableEudc(platform::kEudcOff); }
    ~EudcOff() { platform::EnableEudc(platform::kEudcOn); }
    EudcOff(const EudcOff&) = delete;
    EudcOff& operator=(const EudcOff&) = delete;
};
