#include "engine/install/user_data_session.h"

#include <algorithm>

#include "engine/install/backups.h"
#include "engine/install/staging.h"
#include "engine/install/what_changed.h"
#include "engine/links/info_file.h"
#include "engine/paths/folder_tree.h"
#include "engine/paths/paths.h"
#include "engine/set/set_folder.h"
#include "engine/report/operation_texts.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/interaction.h"

namespace {

// Windows' limits for the A functions: a file's path, and a folder's (room
// left for an 8.3 name inside it).
constexpr size_t kLongestPath = MAX_PATH - 1;
constexpr size_t kLongestFolder = MAX_PATH - 13;
// What the install's own names add to the folder they lie in: the lock,
// and a staged file's path inside its staging folder.
constexpr size_t kWorkNameRoom = 16;
// What a backup adds to the folder before a file's name: "backup\",
// its date and time, a number for a second that had one, "\".
constexpr size_t kBackupNameRoom = 7 + 15 + 4 + 1;

// A logon script installs the same set at every logon: a file whose size
// and last-write time equal the installed copy's is not copied again (the
// shell copy keeps the time), as robocopy does. Nor is one of the same
// size and bytes written anew (by an earlier logon script, a roaming
// profile): reading both costs a fraction of a staged copy and its backup.
bool SameAsInstalled(const CopyList::Item& item, std::vector<char>& buffer) {
    platform::FileStamp source, installed;
    if (!platform::ReadFileStamp(item.source, source) || !platform::ReadFileStamp(item.destination, installed))
        return false;
    return platform::SameStamp(source, installed) ||
           (source.size == installed.size && platform::SameFileBytes(item.source, item.destination, buffer));
}

// The files that differ from the installed copies: only they are staged.
CopyList ChangedFiles(const CopyList& copy) {
    CopyList changed;
    std::vector<char> buffer;
    for (const CopyList::Item& item : copy.Items())
        if (!SameAsInstalled(item, buffer)) changed.Add(item.source, item.destination);
    return changed;
}

// The changed files that would replace one the user has.
std::vector<Replacement> Replacements(const CopyList& changed) {
    std::vector<Replacement> replacements;
    for (const CopyList::Item& item : changed.Items())
        if (platform::FileExists(item.destination)) replacements.push_back({item.source, item.destination});
    return replacements;
}

// Whether the file a link value opens is the user data folder's name.
bool LinksTo(const std::string& value, const std::string& name, const Folders& folders, const std::string& work) {
    const std::string file = LinkedFilePath(value, folders);
    return SamePath(file, folders.userData + name) || SamePath(file, work + name);
}

// The links of the table to the files a change replaces or keeps, each by
// its bare name: what the backup of those files links again.
FontLinks LinksOfFiles(const StringList& names, const FontLinkTable& table, const Folders& folders,
                       const std::string& work) {
    FontLinks links;
    for (const FontLink& link : table.links)
        for (const std::string& name : names)
            if (LinksTo(link.file, name, folders, work)) links.push_back({link.face, name});
    return links;
}

// Whether every path the change writes fits: each installed file's, each
// staged file's in the work folder, and each file's in a backup there.
bool PathsFit(const CopyList& changed, const StringList& kept, const std::string& work) {
    size_t longestName = 0;
    for (const CopyList::Item& item : changed.Items()) {
        if (item.destination.size() > kLongestPath) return false;
        longestName = std::max(longestName, paths::FileNamePart(item.destination).size());
    }
    for (const std::string& name : kept) longestName = std::max(longestName, name.size());
    return LongestStagingPath(changed, work) <= kLongestPath &&
           work.size() + kBackupNameRoom + longestName <= kLongestPath;
}

const FontLink* LinkOfFace(const FontLinks& links, const std::string& face) {
    for (const FontLink& link : links)
        if (SamePath(link.face, face)) return &link;
    return nullptr;
}

}  // namespace

std::string WorkFolder(const std::string& userData) {
    if (userData.size() + std::max(kWorkNameRoom, kBackupNameRoom + 12) <= kLongestPath) return userData;
    return AddTrailingBackslash(platform::ShortPath(userData));
}

UserDataSession::UserDataSession(const Folders& folders) : folders_(folders) {
    platform::EnableEudc(platform::kEudcOff);
}

UserDataSession::~UserDataSession() {
    lock_.Release();
    platform::EnableEudc(platform::kEudcOn);
}

Result UserDataSession::Open(InstallReport& report) {
    if (const platform::Outcome made = CreateFolderTree(folders_.userData); !made) {
        report.failure.Note(steps::kUserDataFolder, made, folders_.userData);
        if (RemoveTrailingBackslash(folders_.userData).size() > kLongestFolder)
            report.tooLong.push_back(texts::Format(texts::kFolderTooLong, {folders_.userData}));
        return Result::kNoUserDataFolder;
    }
    work_ = WorkFolder(folders_.userData);
    if (const platform::Outcome locked = lock_.Claim(work_); !locked) {
        report.failure.Note(steps::kLock, locked, work_);
        return Result::kInstallFailed;
    }
    // An install cut off by a crash has the user's previous files in its
    // staging folder: put back or finished before anything is compared.
    if (const platform::Outcome recovered = RecoverInterruptedInstalls(work_, report.recovery); !recovered) {
        report.failure.Note(steps::kRecovery, recovered, work_);
        return Result::kInstallFailed;
    }
    stored_ = ReadStoredFontLinks();
    table_ = ReadFontLinks(folders_.windows);
    return Result::kOk;
}

// A file taken back onto a name that a face outside the change links
// would change what that face opens: it goes to a free name instead, and
// the change's links follow it.
void UserDataSession::TakeBackToFreeNames(ChangePlan& plan) const {
    StringList taken;  // linked by a face the change leaves alone, with its companion
    for (const FontLink& link : table_.links) {
        if (LinkOfFace(plan.links, link.face)) continue;
        const std::string file = LinkedFilePath(link.file, folders_);
        if (!SamePath(paths::FolderPart(file), folders_.userData) && !SamePath(paths::FolderPart(file), work_))
            continue;
        taken.push_back(paths::FileNamePart(file));
        taken.push_back(CompanionOf(paths::FileNamePart(file)));
    }
    const auto among = [](const StringList& names, const std::string& name) {
        return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SamePath(n, name); });
    };
    const auto used = [&](const std::string& name) {
        return among(taken, name) || platform::FileExists(folders_.userData + name);
    };
    // Fonts first, then companions, which follow their font's new stem.
    std::vector<std::pair<std::string, std::string>> renamed;  // stems: old, new
    CopyList files;
    for (const bool companions : {false, true})
        for (const CopyList::Item& item : plan.files.Items()) {
            const std::string name = paths::FileNamePart(item.destination);
            if (SamePath(paths::ExtensionOf(name), info_file::kCompanionExtension) != companions) continue;
            const std::string stem = paths::ChangeExtension(name, ""), extension = paths::ExtensionOf(name);
            std::string free = name;
            for (const auto& stems : renamed)
                if (companions && SamePath(stems.first, stem)) free = stems.second + extension;
            for (int n = 2; !companions && among(taken, name) && (free == name || used(free) || used(CompanionOf(free)));
                 ++n)
                free = stem + "-" + std::to_string(n) + extension;
            files.Add(item.source, folders_.userData + free);
            taken.push_back(free);
            if (SamePath(free, name)) continue;
            renamed.push_back({stem, paths::ChangeExtension(free, "")});
            for (FontLink& link : plan.links)
                if (LinksTo(link.file, name, folders_, work_)) link.file = folders_.userData + free;
        }
    plan.files = files;
}

// Moves the kept files into the backup, which is made first (its EUDC.INI
// linking them for their faces) when no staging made it.
Result UserDataSession::KeepFiles(const StringList& kept, const BackupPlan& backup, bool made,
                                  InstallReport& report) {
    if (kept.empty()) return Result::kOk;
    const std::string folder = BackupFolder(work_, backup.name);
    if (!made) {
        if (const platform::Outcome prepared = PrepareBackup(work_, backup); !prepared) {
            report.failure.Note(steps::kBackup, prepared, folder);
            RemoveUnfinishedBackup(work_, backup.name);
            return Result::kInstallFailed;
        }
        PruneBackups(work_, backup.name);
    }
    report.counts.backup = folder;
    for (const std::string& name : kept) {
        if (const platform::Outcome moved = platform::MoveOneFile(folders_.userData + name, folder + name); !moved) {
            report.failure.Note(steps::kBackup, moved, folders_.userData + name);
            return Result::kInstallFailed;
        }
        report.kept.push_back(texts::Format(texts::kRemoveFileKept, {folders_.userData + name, folder}));
    }
    return Result::kOk;
}

Result UserDataSession::Apply(const ChangePlan& plan, const Options& options, Notifier& notifier, InstallReport& report) {
    const CopyList changed = ChangedFiles(plan.files);
    report.counts.unchanged = plan.files.Items().size() - changed.Items().size();
    const std::vector<PreviousLink> changedLinks = ChangedLinks(plan.links, stored_);
    report.counts.nothingChanged = changed.Empty() && changedLinks.empty() && plan.kept.empty();
    report.registryLinks = table_;
    if (report.counts.nothingChanged) return Result::kOk;
    if (!PathsFit(changed, plan.kept, work_)) {
        report.tooLong.push_back(texts::Format(texts::kFolderTooLong, {folders_.userData}));
        report.failure.Note(steps::kPathLength, platform::Outcome::Failure(ERROR_FILENAME_EXCED_RANGE),
                            folders_.userData);
        return Result::kInstallFailed;
    }
    const std::vector<Replacement> replaced = Replacements(changed);
    CharacterReport characters;
    if (plan.comparesCharacters) {
        std::vector<Replacement> compared = replaced;
        for (const Replacement& left : FontsLinksLeave(changedLinks, plan.links, folders_, changed))
            compared.push_back(left);
        characters = CompareReplacedFonts(compared);
        report.characters = CharacterLines(characters);
        CountCharacters(characters, report.counts);
        if (options.keepCharacters && characters.LosesOrChanges()) return Result::kCharactersKept;
        // Asked only when something of the user's would go: a character, or
        // a file that is no font.
        const bool loses = characters.byBytesOnly || characters.LosesOrChanges();
        if (loses && !notifier.GoesOn(ReplaceQuestion(report.characters, folders_.userData)))
            return Result::kCancelled;
    }
    StringList keptOrReplaced = plan.kept;
    for (const Replacement& file : replaced) keptOrReplaced.push_back(paths::FileNamePart(file.installed));
    BackupPlan backup{NewBackupName(work_), LinksOfFiles(keptOrReplaced, table_, folders_, work_), {}, {}};
    PlanLinkBackup(changedLinks, folders_, work_, backup);
    report.counts.backup = BackupFolder(work_, backup.name);
    bool made = false;
    if (!changed.Empty()) {
        // The shell writes into a staging folder; the user's EUDC files are
        // replaced only when every new file arrived whole.
        if (!StagedInstall(changed, work_, backup, report.recovery, report.failure)) return Result::kInstallFailed;
        made = platform::FileExists(BackupFolder(work_, backup.name) + info_file::kFileName);
        report.counts.copied = changed.Items().size();
        if (plan.comparesCharacters) report.characters = CharacterLines(characters, true);
    } else if (plan.kept.empty()) {
        // Only links change: their backup is made before they are written.
        if (const platform::Outcome prepared = PrepareBackup(work_, backup); !prepared) {
            report.failure.Note(steps::kBackup, prepared, report.counts.backup);
            RemoveUnfinishedBackup(work_, backup.name);
            return Result::kInstallFailed;
        }
        PruneBackups(work_, backup.name);
        made = true;
        // Only links change (a second /undo, say): the report tells what happened too.
        if (plan.comparesCharacters) report.characters = CharacterLines(characters, true);
    }
    if (const Result kept = KeepFiles(plan.kept, backup, made, report); kept != Result::kOk) return kept;
    if (!made && plan.kept.empty()) report.counts.backup.clear();
    if (changedLinks.empty()) {
        report.registryLinks = ReadFontLinks(folders_.windows);
        return Result::kOk;
    }
    return WriteStoredFontLinks(plan.links, folders_, report.registryLinks, report.failure);
}
