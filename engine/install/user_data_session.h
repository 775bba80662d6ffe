// The one owner of a change to the user data folder. The install, /undo
// and /remove each build a ChangePlan from what they read and hand it to a
// session; none makes or locks the folder, recovers, or switches EUDC on
// its own.
#pragma once

#include <string>

#include "engine/install/install.h"
#include "engine/install/install_lock.h"
#include "engine/install/link_changes.h"
#include "engine/links/font_links.h"
#include "engine/links/options.h"
#include "engine/paths/folders.h"
#include "engine/paths/string_list.h"
#include "engine/report/notifier.h"
#include "engine/report/result.h"
#include "engine/set/copy_list.h"

// What one change does to the user data folder.
struct ChangePlan {
    // Files put into the user data folder, each to its destination there.
    CopyList files;
    // Values written into the link table, faces as the registry names them
    // (a full path, or a value as a backup recorded it); an empty value
    // removes the face's link.
    LinkWrites links;
    // Files of the user data folder (bare names) moved into the backup: a
    // removed set's files that no link names any more.
    StringList kept;
    // Whether the characters the change takes away are compared, asked
    // about and held by /keep: an install's and an undo's are, a removal's
    // (the characters the user asked to take off) are not.
    bool comparesCharacters = true;
};

class UserDataSession {
public:
    // Switches EUDC off until the session ends: an install replaces the
    // files the system holds open while EUDC is on.
    explicit UserDataSession(const Folders& folders);
    // The lock let go and EUDC on again, however the run ends.
    ~UserDataSession();
    UserDataSession(const UserDataSession&) = delete;
    UserDataSession& operator=(const UserDataSession&) = delete;

    // Makes the user data folder, claims its lock, recovers every install
    // a crash cut off, and reads the link table once (StoredLinks, Table).
    // kNoUserDataFolder, or kInstallFailed with the step in the report's
    // failure (Busy: another install held the lock).
    Result Open(InstallReport& report);
    bool Busy() const { return lock_.Busy(); }
    // The spelling of the user data folder for the install's own files.
    const std::string& Work() const { return work_; }
    // The link table as this run read it at Open: its stored values (as a
    // backup writes them back) and as read (values expanded).
    const FontLinks& StoredLinks() const { return stored_; }
    const FontLinkTable& Table() const { return table_; }

    // Applies plan: the characters compared, /keep and the question; then
    // the files staged and put in place with the backup of everything the
    // change replaces (files, link values, copies of fonts outside the user
    // data folder), the kept files moved into it, the links written and
    // the table read back once into the report. Nothing when nothing would
    // change. The report's counts tell what was done.
    Result Apply(const ChangePlan& plan, const Options& options, Notifier& notifier, InstallReport& report);

    // For files taken back from a backup (an undo's, a removal's): each
    // whose name a face outside the change links goes to a free name (its
    // companion with it), and the plan's links follow, so that no face the
    // change leaves alone opens other bytes afterwards.
    void TakeBackToFreeNames(ChangePlan& plan) const;

private:
    Result KeepFiles(const StringList& kept, const BackupPlan& backup, bool made, InstallReport& report);

    const Folders& folders_;
    InstallLock lock_;
    std::string work_;
    FontLinks stored_;
    FontLinkTable table_;
};
