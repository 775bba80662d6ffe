// The install: copies a folder's EUDC font files into the user data folder
// and links them in the registry, all or nothing, even across a crash.
#pragma once

#include <string>

#include "engine/run/eudc_request.h"
#include "engine/report/failure.h"
#include "engine/report/install_counts.h"
#include "engine/paths/folders.h"
#include "engine/links/font_links.h"
#include "engine/install/install_lock.h"
#include "engine/install/recovery.h"
#include "engine/set/set_folder.h"
#include "engine/links/options.h"
#include "engine/report/result.h"
#include "engine/paths/string_list.h"

// The report lines of one install.
struct InstallReport {
    StringList installed;     // "<path>をインストールしました。": a file put into the copy
    StringList missing;       // a file of the folder, or its companion, not found
    StringList unlinked;      // a link not written: its file is not in the user data folder
    StringList characters;    // a line a replaced font: the characters it loses, changes and adds
    RecoveryReport recovery;  // files not put back, staging folders set aside
    StringList tooLong;       // a folder whose paths do not fit
    Failure failure;          // where a failed install stopped, and why
    FontLinkTable registryLinks;  // the registry's table as the install left it
    InstallCounts counts;     // files copied and left alone, characters, the backup
};

// The folder the install's own files go through: the user data folder, or
// its short (8.3) form where the lock or a staged file would not fit below
// the long one. Every process of one folder comes to the same path.
std::string WorkFolder(const std::string& userData);

// The copy step, for the set's links of the faces here: asks (through
// notifier) before going on with non-standard files, skips files not newer than the
// installed ones when asked to, makes the user data folder, claims lock
// there (and keeps it), recovers installs a crash cut off, asks before
// replacing, and replaces the changed files all or nothing. Questions, but
// no outcome message.
Result InstallFiles(const Folders& folders, const Options& options, const SetFolder& set, Notifier& notifier,
                    InstallLock& lock, InstallReport& report);

// The whole install of the target folder: its EUDC.INI (a default one for a
// folder with only EUDC.TTE), the copy, then the registry's links, after
// which the report holds the registry's table as it now is. Tells the
// outcome through the request's notifier.
Result InstallEudc(const EudcRequest& request, InstallReport& report);

// The install with EUDC switched off while the files are replaced, and on
// again afterwards whatever the outcome; command mode and the main window
// both install so.
Result InstallWithEudcOff(const EudcRequest& request, InstallReport& report);

// /undo: takes back the last install that changed anything, from the
// newest backup, after recovering any install a crash cut off: the files
// it replaced come back, the links it changed get their previous values
// and the links it added go. What the undo replaces becomes a backup in
// turn, so that an undo can be undone. backupFolder receives the backup's
// folder (empty when there was none: kNoFilesToInstall). Tells the
// outcome through the request's notifier.
Result UndoLastInstall(const EudcRequest& request, InstallReport& report, std::string& backupFolder);
// The undo with EUDC switched off, as InstallWithEudcOff.
Result UndoWithEudcOff(const EudcRequest& request, InstallReport& report, std::string& backupFolder);
