// The install: copies a folder's EUDC font files into the user data folder
// and links them in the registry, all or nothing, even across a crash.
#pragma once

#include <string>

#include "engine/run/eudc_request.h"
#include "engine/report/failure.h"
#include "engine/report/install_counts.h"
#include "engine/paths/folders.h"
#include "engine/links/font_links.h"
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
    StringList kept;          // a removal's file moved into its backup
    Failure failure;          // where a failed install stopped, and why
    FontLinkTable registryLinks;  // the registry's table as the install left it
    InstallCounts counts;     // files copied and left alone, characters, the backup
};

// The folder the install's own files go through: the user data folder, or
// its short (8.3) form where the lock or a staged file would not fit below
// the long one. Every process of one folder comes to the same path.
std::string WorkFolder(const std::string& userData);

// The whole install of the target folder: its EUDC.INI (a default one for a
// folder with only EUDC.TTE), then a change of the user data folder
// (user_data_session.h): the set's files and links, after which the report
// holds the registry's table as it now is. EUDC is off meanwhile. Tells
// the outcome through the request's notifier.
Result InstallEudc(const EudcRequest& request, InstallReport& report);

// /undo: takes back the last install that changed anything, from the
// newest backup, after recovering any install a crash cut off: the files
// it replaced come back, the links it changed get their previous values
// and the links it added go. What the undo replaces becomes a backup in
// turn, so that an undo can be undone. backupFolder receives the backup's
// folder (empty when there was none: kNoFilesToInstall). Tells the
// outcome through the request's notifier.
Result UndoLastInstall(const EudcRequest& request, InstallReport& report, std::string& backupFolder);

// What the install, the undo and the removal tell the user: its report, or
// the message of its result; then each staging folder it had to set aside.
// busy: another install held the lock. lines joins each list: whole for
// the run log, shortened for a box.
std::string InstallMessage(Result result, const Folders& folders, const InstallReport& report, bool busy,
                           std::string (*lines)(const StringList&));
