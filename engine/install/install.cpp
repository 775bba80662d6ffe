#include "engine/install/install.h"

#include <algorithm>

#include "engine/paths/folder_tree.h"
#include "engine/set/font_characters.h"
#include "engine/links/info_file.h"
#include "engine/set/set_folder.h"
#include "engine/install/backups.h"
#include "engine/install/install_steps.h"
#include "engine/install/link_changes.h"
#include "engine/install/what_changed.h"
#include "engine/set/copy_list.h"
#include "engine/install/recovery.h"
#include "engine/install/staging.h"
#include "engine/report/operation_texts.h"
#include "engine/paths/paths.h"
#include "engine/paths/sorted_names.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "platform/text.h"

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
// shell copy keeps the time), as robocopy does.
bool SameAsInstalled(const CopyList::Item& item) {
    platform::FileStamp source, installed;
    return platform::ReadFileStamp(item.source, source) &&
           platform::ReadFileStamp(item.destination, installed) && platform::SameStamp(source, installed);
}

// The last-write time in whole milliseconds, which /d compares; false when
// the file cannot be read.
bool LastWriteMilliseconds(const std::string& path, unsigned long long& milliseconds) {
    platform::FileStamp stamp;
    if (!platform::ReadFileStamp(path, stamp)) return false;
    const unsigned long long ticks =
        (static_cast<unsigned long long>(stamp.written.dwHighDateTime) << 32) | stamp.written.dwLowDateTime;
    milliseconds = ticks / 10000;  // 100-nanosecond ticks
    return true;
}

// /d: the source is newer than the installed file, to the millisecond; a
// file not installed yet is always older.
bool NewerThanInstalled(const std::string& source, const std::string& installed) {
    unsigned long long sourceTime = 0, installedTime = 0;
    if (!LastWriteMilliseconds(installed, installedTime)) return true;
    return LastWriteMilliseconds(source, sourceTime) && sourceTime > installedTime;
}

// What an install copies: each file the set puts (only those newer than
// the installed ones, when asked), with its companion.
class InstallCopy {
public:
    InstallCopy(const Folders& folders, const Options& options, const SetFolder& set, InstallReport& report)
        : folders_(folders), options_(options), set_(set), report_(report) {}

    void AddFile(const SetFolder::File& file) {
        const std::string source = set_.Folder() + file.name;
        const std::string destination = folders_.userData + file.name;
        if (options_.onlyNewer && !NewerThanInstalled(source, destination)) {
            notNewer_ = true;
            return;
        }
        Put(source, destination);
        if (!options_.copyCompanions) return;
        if (file.companionThere)
            Put(set_.Folder() + file.companion, folders_.userData + file.companion);
        else
            report_.missing.push_back(set_.Folder() + file.companion + texts::kNotFoundLine);
    }

    const CopyList& Copy() const { return copy_; }
    // A file was left out for not being newer than the installed one.
    bool NotNewer() const { return notNewer_; }

private:
    // A file goes in once, however many links or companions name it.
    void Put(const std::string& source, const std::string& destination) {
        if (copy_.Add(source, destination)) report_.installed.push_back(destination + texts::kInstalledLine);
    }

    const Folders& folders_;
    const Options& options_;
    const SetFolder& set_;
    InstallReport& report_;
    CopyList copy_;
    bool notNewer_ = false;
};

// The files that differ from the installed copies: only they are staged.
CopyList ChangedFiles(const CopyList& copy) {
    CopyList changed;
    for (const CopyList::Item& item : copy.Items())
        if (!SameAsInstalled(item)) changed.Add(item.source, item.destination);
    return changed;
}

// The changed files that would replace one the user has.
std::vector<Replacement> Replacements(const CopyList& changed) {
    std::vector<Replacement> replacements;
    for (const CopyList::Item& item : changed.Items())
        if (platform::FileExists(item.destination)) replacements.push_back({item.source, item.destination});
    return replacements;
}

// The registry's links to the files an install replaces, each by its bare
// name: what the backup of those files links again.
FontLinks LinksOfReplacedFiles(const std::vector<Replacement>& replaced, const Folders& folders,
                               const std::string& work) {
    FontLinks links;
    for (const FontLink& link : ReadFontLinks(folders.windows).links) {
        const std::string linked = platform::UpperCaseText(link.file);
        for (const Replacement& file : replaced) {
            const std::string name = paths::FileNamePart(file.installed);
            if (linked == platform::UpperCaseText(folders.userData + name) ||
                linked == platform::UpperCaseText(work + name))
                links.push_back({link.face, name});
        }
    }
    return links;
}

// Keeps what an install changes without replacing a file: its previous
// links, and copies of the fonts they opened outside the user data folder.
Result BackUpLinksOnly(const BackupPlan& backup, const std::string& work, InstallReport& report) {
    if (const platform::Outcome made = PrepareBackup(work, backup); !made) {
        report.failure.Note(steps::kBackup, made);
        RemoveUnfinishedBackup(work, backup.name);
        return Result::kInstallFailed;
    }
    PruneBackups(work, backup.name);
    return Result::kOk;
}

// Replaces the changed files through a staging folder, after the
// comparison of their characters, and of the fonts the changed links open
// today, /keep and the question allow it. The backup keeps what the
// install replaces and the links it changes.
Result ReplaceChangedFiles(const Folders& folders, const Options& options, const CopyList& changed,
                           const LinkWrites& writes, const std::vector<PreviousLink>& changedLinks,
                           const std::string& work, Notifier& notifier, InstallReport& report) {
    const std::vector<Replacement> replaced = Replacements(changed);
    std::vector<Replacement> compared = replaced;
    for (const Replacement& left : FontsLinksLeave(changedLinks, writes, folders, changed)) compared.push_back(left);
    const CharacterReport characters = CompareReplacedFonts(compared);
    report.characters = CharacterLines(characters);
    CountCharacters(characters, report.counts);
    if (options.keepCharacters && characters.LosesOrChanges()) return Result::kCharactersKept;
    // Asked only when something of the user's would go: a character, or a
    // file that is no font.
    const bool loses = characters.byBytesOnly || characters.LosesOrChanges();
    if (loses && !notifier.GoesOn(ReplaceQuestion(report.characters, folders.userData)))
        return Result::kCancelled;
    BackupPlan backup{NewBackupName(work), LinksOfReplacedFiles(replaced, folders, work), {}, {}};
    PlanLinkBackup(changedLinks, folders, work, backup);
    report.counts.backup = BackupFolder(work, backup.name);
    if (changed.Empty()) {
        // Only links change (a second /undo, say): the report tells what happened too.
        const Result kept = BackUpLinksOnly(backup, work, report);
        if (kept == Result::kOk) report.characters = CharacterLines(characters, true);
        return kept;
    }
    // The shell writes into a staging folder; the user's EUDC files are
    // replaced only when every new file arrived whole.
    if (!StagedInstall(changed, work, backup, report.recovery, report.failure)) return Result::kInstallFailed;
    report.characters = CharacterLines(characters, true);  // the report tells what happened
    report.counts.copied = changed.Items().size();
    return Result::kOk;
}

// Whether every path the install writes fits: each installed file's, each
// staged file's in the work folder, and each file's in a backup there.
bool PathsFit(const CopyList& changed, const std::string& work) {
    size_t longestName = 0;
    for (const CopyList::Item& item : changed.Items()) {
        if (item.destination.size() > kLongestPath) return false;
        longestName = std::max(longestName, paths::FileNamePart(item.destination).size());
    }
    return LongestStagingPath(changed, work) <= kLongestPath &&
           work.size() + kBackupNameRoom + longestName <= kLongestPath;
}

// The links the install writes for the set's links: each whose file it
// puts, or finds in the user data folder, pointing there, under the face's
// name in this Windows' registry.
LinkWrites PlannedWrites(const FontLinks& links, const Folders& folders, const CopyList& copy) {
    LinkWrites writes;
    for (const FontLink& link : links) {
        if (!IsInstallableName(link.file)) continue;
        const std::string destination = folders.userData + link.file;
        if (!copy.HoldsDestination(destination) && !platform::FileExists(destination)) continue;
        writes.push_back({RegistryFaceName(link.face, folders.MajorVersion()), destination});
    }
    return writes;
}

}  // namespace

std::string WorkFolder(const std::string& userData) {
    if (userData.size() + std::max(kWorkNameRoom, kBackupNameRoom + 12) <= kLongestPath) return userData;
    return AddTrailingBackslash(platform::ShortPath(userData));
}

// Replaces what changed among the copy's files and plans what changes
// among the links, with a backup of both; nothing when nothing changes.
Result ReplaceFilesFor(const Folders& folders, const Options& options, const CopyList& copy, const LinkWrites& writes,
                       const std::string& work, Notifier& notifier, InstallReport& report) {
    const CopyList changed = ChangedFiles(copy);
    report.counts.unchanged = copy.Items().size() - changed.Items().size();
    const std::vector<PreviousLink> changedLinks = ChangedLinks(writes, ReadStoredFontLinks());
    if (changed.Empty() && changedLinks.empty()) return Result::kOk;
    if (!PathsFit(changed, work)) {
        report.tooLong.push_back(texts::Format(texts::kFolderTooLong, {folders.userData}));
        report.failure.Note(steps::kPathLength, platform::Outcome::Failure(ERROR_FILENAME_EXCED_RANGE),
                            folders.userData);
        return Result::kInstallFailed;
    }
    return ReplaceChangedFiles(folders, options, changed, writes, changedLinks, work, notifier, report);
}

// The user data folder made, locked and recovered, ready for an install
// through work, its spelling for the install's own files.
Result ClaimUserData(const Folders& folders, InstallLock& lock, InstallReport& report, std::string& work) {
    if (const platform::Outcome made = CreateFolderTree(folders.userData); !made) {
        report.failure.Note(steps::kUserDataFolder, made, folders.userData);
        if (RemoveTrailingBackslash(folders.userData).size() > kLongestFolder)
            report.tooLong.push_back(texts::Format(texts::kFolderTooLong, {folders.userData}));
        return Result::kNoUserDataFolder;
    }
    work = WorkFolder(folders.userData);
    if (const platform::Outcome locked = lock.Claim(work); !locked) {
        report.failure.Note(steps::kLock, locked, work);
        return Result::kInstallFailed;
    }
    // An install cut off by a crash has the user's previous files in its
    // staging folder: put back or finished before anything is compared.
    if (const platform::Outcome recovered = RecoverInterruptedInstalls(work, report.recovery); !recovered) {
        report.failure.Note(steps::kRecovery, recovered, work);
        return Result::kInstallFailed;
    }
    return Result::kOk;
}

namespace {

// The set's links for this PC, a default EUDC.INI written first for a
// folder with only EUDC.TTE.
Result ReadTargetSet(SetFolder& set, Failure& failure) {
    const Result read = set.ReadForThisPc();
    if (read != Result::kOk || set.HasInfoFile()) return read;
    if (const platform::Outcome written = WriteDefaultInfoFile(set.Folder()); !written) {
        failure.Note(steps::kInfoFile, written, set.Folder() + info_file::kFileName);
        return Result::kNoInfoFile;
    }
    return read;
}

// The copy, then the links, with the user data folder locked from the
// first file to the last link; busy tells that another install held it.
Result CopyAndLink(const Folders& folders, const Options& options, const SetFolder& set, Notifier& notifier,
                   InstallReport& report, bool& busy) {
    InstallLock lock;
    const Result copied = InstallFiles(folders, options, set, notifier, lock, report);
    busy = lock.Busy();
    if (copied != Result::kOk) return copied;
    const FontLinkTable before = ReadFontLinks(folders.windows);
    const Result linked =
        WriteFontLinks(set.Links().links, folders, report.registryLinks, report.unlinked, report.failure);
    report.counts.nothingChanged = report.counts.copied == 0 && SameLinks(before, report.registryLinks);
    return linked;
}

}  // namespace

// What the install tells the user: its report, or the message of its
// result; then each staging folder it had to set aside. lines joins each
// list: whole for the run log, shortened for a box.
std::string InstallMessage(Result result, const Folders& folders, const InstallReport& report, bool busy,
                           std::string (*lines)(const StringList&)) {
    std::string text;
    if (result == Result::kOk && report.counts.nothingChanged) {
        text = texts::kNothingChanged;
    } else if (result == Result::kOk) {
        text = lines(report.installed) + lines(report.characters) + lines(report.unlinked) + "\r";
    } else if (const char* fixed = ResultText(Operation::kInstall, result)) {
        text = fixed;
        if (result == Result::kCharactersKept) text += lines(report.characters);
    } else if (busy) {
        text = texts::kInstallBusy;
    } else {
        StringList reasons = report.recovery.notRestored;
        reasons.insert(reasons.end(), report.tooLong.begin(), report.tooLong.end());
        text = InstallFailureText(folders.IsNtFamily(), reasons, report.failure);
    }
    return text + lines(report.recovery.setAside);
}

Result InstallFiles(const Folders& folders, const Options& options, const SetFolder& set, Notifier& notifier,
                    InstallLock& lock, InstallReport& report) {
    if (!set.Links().standard && !notifier.GoesOn(NonStandardQuestion(Operation::kInstall)))
        return Result::kCancelled;
    report = InstallReport();
    report.missing = set.Missing();
    std::string work;
    if (const Result claimed = ClaimUserData(folders, lock, report, work); claimed != Result::kOk) return claimed;

    InstallCopy install(folders, options, set, report);
    for (const SetFolder::File& file : set.Files()) install.AddFile(file);
    if (install.Copy().Empty())
        return install.NotNewer() ? Result::kInstalledIsNewer : Result::kNoFilesToInstall;
    return ReplaceFilesFor(folders, options, install.Copy(), PlannedWrites(set.Links().links, folders, install.Copy()),
                           work, notifier, report);
}

Result InstallEudc(const EudcRequest& request, InstallReport& report) {
    const Folders& folders = request.folders;
    const std::string& folder = request.target.Folder();
    // A folder that cannot be spelled: the target is a missing folder, the
    // user data folder one that cannot be made.
    if (!CheckSpelled(folder, request.notifier)) return Result::kNoFilesToInstall;
    if (!CheckSpelled(folders.userData, request.notifier)) return Result::kNoUserDataFolder;
    SetFolder set(folder, false);
    Result result = ReadTargetSet(set, report.failure);
    bool busy = false;
    if (result == Result::kOk)
        result = CopyAndLink(folders, request.options, set, request.notifier, report, busy);
    // The registry's table as this install leaves it, for the windows.
    if (report.registryLinks.links.empty()) report.registryLinks = ReadFontLinks(folders.windows);
    // The lock is let go before any message waits for the user.
    request.notifier.Notify(InstallMessage(result, folders, report, busy, texts::CrLines),
                            InstallMessage(result, folders, report, busy, texts::ShownCrLines));
    return result;
}

Result InstallWithEudcOff(const EudcRequest& request, InstallReport& report) {
    const EudcOff off;
    return InstallEudc(request, report);
}
