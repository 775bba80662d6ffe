#include "engine/install/install.h"

#include <algorithm>

#include "engine/paths/folder_tree.h"
#include "engine/set/font_characters.h"
#include "engine/links/info_file.h"
#include "engine/set/set_folder.h"
#include "engine/install/backups.h"
#include "engine/install/user_data_session.h"
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

// The links the install writes for the set's links: each whose file it
// puts, or finds in the user data folder, pointing there, under the face's
// name in this Windows' registry.
// A link whose file will not be there would break the face: it gets a
// line in unlinked instead.
LinkWrites PlannedWrites(const FontLinks& links, const Folders& folders, const CopyList& copy, StringList& unlinked) {
    LinkWrites writes;
    for (const FontLink& link : links) {
        const std::string destination = folders.userData + link.file;
        if (!IsInstallableName(link.file) || (!copy.HoldsDestination(destination) && !platform::FileExists(destination))) {
            unlinked.push_back(texts::Format(texts::kLinkSkipped, {link.face, link.file}));
            continue;
        }
        writes.push_back({RegistryFaceName(link.face, folders.MajorVersion()), destination});
    }
    return writes;
}

}  // namespace

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

// The set's files and links as one change of the user data folder, which
// session opens (made, locked, recovered) first.
Result InstallFiles(const Folders& folders, const Options& options, const SetFolder& set, Notifier& notifier,
                    UserDataSession& session, InstallReport& report) {
    if (!set.Links().standard && !notifier.GoesOn(NonStandardQuestion(Operation::kInstall)))
        return Result::kCancelled;
    report = InstallReport();
    report.missing = set.Missing();
    if (const Result opened = session.Open(report); opened != Result::kOk) return opened;
    InstallCopy install(folders, options, set, report);
    for (const SetFolder::File& file : set.Files()) install.AddFile(file);
    if (install.Copy().Empty())
        return install.NotNewer() ? Result::kInstalledIsNewer : Result::kNoFilesToInstall;
    ChangePlan plan;
    plan.files = install.Copy();
    plan.links = PlannedWrites(set.Links().links, folders, install.Copy(), report.unlinked);
    return session.Apply(plan, options, notifier, report);
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

Result InstallEudc(const EudcRequest& request, InstallReport& report) {
    const Folders& folders = request.folders;
    const std::string& folder = request.target.Folder();
    // A folder that cannot be spelled: the target is a missing folder, the
    // user data folder one that cannot be made.
    if (!CheckSpelled(folder, request.notifier)) return Result::kNoFilesToInstall;
    if (!CheckSpelled(folders.userData, request.notifier)) return Result::kNoUserDataFolder;
    SetFolder set(folder, false);
    Result result = Result::kOk;
    bool busy = false;
    {
        UserDataSession session(folders);
        result = ReadTargetSet(set, report.failure);
        if (result == Result::kOk) result = InstallFiles(folders, request.options, set, request.notifier, session, report);
        busy = session.Busy();
    }
    // The registry's table as this install leaves it, for the windows.
    if (report.registryLinks.links.empty()) report.registryLinks = ReadFontLinks(folders.windows);
    // The lock is let go, and EUDC on again, before any message waits for
    // the user.
    request.notifier.Notify(InstallMessage(result, folders, report, busy, texts::CrLines),
                            InstallMessage(result, folders, report, busy, texts::ShownCrLines));
    return result;
}
