// What an install does to the registry's links: which values it writes
// over or adds, and the fonts those links open today, wherever they lie
// (the user data folder, the fonts folder by full path, "%SystemRoot%\...",
// a bare name), so that their characters are compared before anything
// changes and the backup can take every link back.
#pragma once

#include <string>
#include <vector>

#include "engine/install/backups.h"
#include "engine/links/font_links.h"
#include "engine/paths/folders.h"
#include "engine/set/copy_list.h"
#include "engine/set/font_characters.h"

// The links an install will write: each face as the registry names it,
// with the value it gets (empty: the value is removed).
using LinkWrites = FontLinks;

// The writes that change the registry, each with the value it has now
// (empty for a face without a link), from the table as stored.
std::vector<PreviousLink> ChangedLinks(const LinkWrites& writes, const FontLinks& stored);

// The fonts the changed links open today that an install stops linking
// for a face, each with the file that face will open instead (the copy's
// source where the copy puts that file). A file the copy replaces in place
// is left out: it is compared as a replacement.
std::vector<Replacement> FontsLinksLeave(const std::vector<PreviousLink>& changed, const LinkWrites& writes,
                                         const Folders& folders, const CopyList& copy);

// What the backup of an install keeps besides the files it replaces: the
// previous link values, and a copy of each file outside the user data
// folder (userData and work, its short form) that a changed link opened,
// linked for its face under a name of its own.
void PlanLinkBackup(const std::vector<PreviousLink>& changed, const Folders& folders, const std::string& work,
                    BackupPlan& plan);

// What /undo puts back from a backup: the link values it writes (those
// recorded, or for a backup of an earlier build its own links into the
// user data folder) and the names of the backup's files it puts into the
// user data folder. A copy of a font outside the user data folder goes
// back there only when that font no longer holds the copy's bytes: the
// link then opens the copy.
struct UndoPlan {
    LinkWrites writes;
    StringList files;
    StringList refused;  // a line for each recorded value not restored
};

// Whether a link value a backup recorded may be written back: none (the
// face had no link), or a file an install could have read: one that
// exists, on a drive of this PC (no share), reached without "..", no
// device. A backup is a folder anyone may have changed.
bool RestorableValue(const std::string& value, const Folders& folders);
UndoPlan PlanUndo(const Backup& backup, const Folders& folders);
