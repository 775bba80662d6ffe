#include "engine/install/install.h"

#include "engine/paths/folder_tree.h"
#include "engine/set/font_characters.h"
#include "engine/links/info_file.h"
#include "engine/install/backups.h"
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

// The files of the links, each once, however many links name it.
StringList FilesToInstall(const FontLinks& links) {
    StringList files;
    for (const FontLink& link : links) files.push_back(link.file);
    return DistinctIgnoringCase(files);
}

// What an install copies: each file of the folder that is there (and newer
// than the installed one, when asked), with its companion.
class InstallCopy {
public:
    InstallCopy(const Folders& folders, const Options& options, const std::string& targetFolder,
                InstallReport& report)
        : folders_(folders), options_(options), targetFolder_(targetFolder), report_(report) {}

    void AddFile(const std::string& name) {
        // A name with a folder in it could reach outside the target and the
        // user data folder: it is no file of this folder.
        if (!paths::IsBareFileName(name)) {
            report_.missing.push_back(name + texts::kNotFoundLine);
            return;
        }
        const std::string source = targetFolder_ + name;
        const std::string destination = folders_.userData + name;
        // A device, or a name the install keeps for itself, is no font
        // file, whatever the folder seems to hold.
        if (!IsInstallableName(name) || !platform::FileExists(source)) {
            report_.missing.push_back(source + texts::kNotFoundLine);
            return;
        }
        if (options_.onlyNewer && !NewerThanInstalled(source, destination)) {
            notNewer_ = true;
            return;
        }
        Put(source, destination);
        if (!options_.copyCompanions) return;
        const std::string companion = paths::ChangeExtension(source, info_file::kCompanionExtension);
        if (platform::FileExists(companion))
            Put(companion, paths::ChangeExtension(destination, info_file::kCompanionExtension));
        else
            report_.missing.push_back(companion + texts::kNotFoundLine);
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
    std::string targetFolder_;
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

// The question before replacing: what it does to the characters, then
// whether to go on.
std::string ReplaceQuestion(const StringList& characterLines) {
    std::string question;
    for (const std::string& line : characterLines) question += line + "\r\n";
    return question + texts::kReplaceQuestion;
}

// Replaces the changed files through a staging folder, after the
// comparison of their characters, /keep and the question allow it.
Result ReplaceChangedFiles(const Folders& folders, const Options& options, const CopyList& changed,
                           const std::string& work, InstallReport& report) {
    const std::vector<Replacement> replaced = Replacements(changed);
    const CharacterReport characters = CompareReplacedFonts(replaced);
    report.characters = CharacterLines(characters);
    CountCharacters(characters, report.counts);
    if (options.keepCharacters && characters.LosesOrChanges()) return Result::kCharactersKept;
    // Asked only when something of the user's would go: a character, or a
    // file that is no font.
    const bool loses = characters.byBytesOnly || characters.LosesOrChanges();
    if (options.Asks() && loses && platform::AnsweredNo(ReplaceQuestion(report.characters)))
        return Result::kCancelled;
    const BackupPlan backup{NewBackupName(work), LinksOfReplacedFiles(replaced, folders, work)};
    // The shell writes into a staging folder; the user's EUDC files are
    // replaced only when every new file arrived whole.
    if (!StagedInstall(changed, work, backup, report.recovery, report.failure)) return Result::kInstallFailed;
    report.counts.copied = changed.Items().size();
    if (!replaced.empty()) report.counts.backup = BackupFolder(work, backup.name);
    return Result::kOk;
}

// Whether every path the install writes fits: each installed file's, and
// each staged file's in the work folder.
bool PathsFit(const CopyList& changed, const std::string& work) {
    for (const CopyList::Item& item : changed.Items())
        if (item.destination.size() > kLongestPath) return false;
    return LongestStagingPath(changed, work) <= kLongestPath;
}

// The target folder's links: from its EUDC.INI, written first as a default
// one for a folder with only EUDC.TTE.
Result ReadTargetLinks(const std::string& folder, FontLinkTable& infoLinks) {
    if (!HoldsEudcData(folder)) return Result::kNoFilesToInstall;
    if (!platform::FileExists(folder + info_file::kFileName) && !WriteDefaultInfoFile(folder))
        return Result::kNoInfoFile;
    return ReadInfoFile(folder, infoLinks);
}

// The copy, then the links, with the user data folder locked from the
// first file to the last link; busy tells that another install held it.
Result CopyAndLink(const Folders& folders, const Options& options, const std::string& targetFolder,
                   const FontLinkTable& infoLinks, FontLinkTable& registryLinks, InstallReport& report,
                   bool& busy) {
    InstallLock lock;
    const Result copied = InstallFiles(folders, options, targetFolder, infoLinks, lock, report);
    busy = lock.Busy();
    if (copied != Result::kOk) return copied;
    const FontLinkTable before = ReadFontLinks(folders.windows);
    const Result linked = WriteFontLinks(infoLinks.links, folders, registryLinks, report.unlinked, report.failure);
    report.counts.nothingChanged = report.counts.copied == 0 && SameLinks(before, registryLinks);
    return linked;
}

// What the install tells the user: its report, or the message of its
// result; then each staging folder it had to set aside.
std::string InstallMessage(Result result, const Folders& folders, const InstallReport& report, bool busy) {
    std::string text;
    if (result == Result::kOk && report.counts.nothingChanged) {
        text = texts::kNothingChanged;
    } else if (result == Result::kOk) {
        text = texts::CrLines(report.installed) + texts::CrLines(report.characters) +
               texts::CrLines(report.unlinked) + "\r";
    } else if (const char* fixed = ResultText(Operation::kInstall, result)) {
        text = fixed;
        if (result == Result::kCharactersKept) text += texts::CrLines(report.characters);
    } else if (busy) {
        text = texts::kInstallBusy;
    } else {
        StringList reasons = report.recovery.notRestored;
        reasons.insert(reasons.end(), report.tooLong.begin(), report.tooLong.end());
        text = InstallFailureText(folders.IsNtFamily(), reasons);
    }
    return text + texts::CrLines(report.recovery.setAside);
}

}  // namespace

std::string WorkFolder(const std::string& userData) {
    if (userData.size() + kWorkNameRoom <= kLongestPath) return userData;
    return AddTrailingBackslash(platform::ShortPath(userData));
}

Result InstallFiles(const Folders& folders, const Options& options, const std::string& targetFolder,
                    const FontLinkTable& infoLinks, InstallLock& lock, InstallReport& report) {
    if (options.Asks() && !infoLinks.standard && platform::AnsweredNo(NonStandardQuestion(Operation::kInstall)))
        return Result::kCancelled;
    report = InstallReport();
    const std::string tooLong = texts::Format(texts::kFolderTooLong, {folders.userData});
    if (const platform::Outcome made = CreateFolderTree(folders.userData); !made) {
        report.failure.Note(steps::kUserDataFolder, made);
        if (RemoveTrailingBackslash(folders.userData).size() > kLongestFolder) report.tooLong.push_back(tooLong);
        return Result::kNoUserDataFolder;
    }
    const std::string work = WorkFolder(folders.userData);
    if (const platform::Outcome locked = lock.Claim(work); !locked) {
        report.failure.Note(steps::kLock, locked);
        return Result::kInstallFailed;
    }
    // An install cut off by a crash has the user's previous files in its
    // staging folder: put back or finished before anything is compared.
    if (const platform::Outcome recovered = RecoverInterruptedInstalls(work, report.recovery); !recovered) {
        report.failure.Note(steps::kRecovery, recovered);
        return Result::kInstallFailed;
    }

    InstallCopy install(folders, options, targetFolder, report);
    for (const std::string& name : FilesToInstall(infoLinks.links)) install.AddFile(name);
    if (install.Copy().Empty())
        return install.NotNewer() ? Result::kInstalledIsNewer : Result::kNoFilesToInstall;

    const CopyList changed = ChangedFiles(install.Copy());
    report.counts.unchanged = install.Copy().Items().size() - changed.Items().size();
    if (changed.Empty()) return Result::kOk;
    if (!PathsFit(changed, work)) {
        report.tooLong.push_back(tooLong);
        report.failure.Note(steps::kPathLength);
        return Result::kInstallFailed;
    }
    return ReplaceChangedFiles(folders, options, changed, work, report);
}

Result InstallEudc(const EudcRequest& request, InstallReport& report) {
    const Folders& folders = request.folders;
    const std::string& folder = request.target.Folder();
    // A folder that cannot be spelled: the target is a missing folder, the
    // user data folder one that cannot be made.
    if (!CheckSpelled(folder, request.notifier)) return Result::kNoFilesToInstall;
    if (!CheckSpelled(folders.userData, request.notifier)) return Result::kNoUserDataFolder;
    FontLinkTable infoLinks;
    Result result = ReadTargetLinks(folder, infoLinks);
    bool busy = false;
    if (result == Result::kOk)
        result = CopyAndLink(folders, request.options, folder, infoLinks, request.registryLinks, report, busy);
    // The lock is let go before any message waits for the user.
    request.notifier.Notify(InstallMessage(result, folders, report, busy));
    return result;
}

Result InstallWithEudcOff(const EudcRequest& request, InstallReport& report) {
    platform::EnableEudc(platform::kEudcOff);
    const Result result = InstallEudc(request, report);
    platform::EnableEudc(platform::kEudcOn);
    return result;
}
