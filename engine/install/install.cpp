#include "engine/install/install.h"

#include "engine/install/copy_list.h"
#include "engine/folder_tree.h"
#include "engine/info_file.h"
#include "engine/operation_texts.h"
#include "engine/paths.h"
#include "engine/install/recovery.h"
#include "engine/sorted_names.h"
#include "engine/install/staging.h"
#include "engine/texts.h"
#include "platform/files.h"
#include "platform/interaction.h"

namespace {

// A logon script installs the same set at every logon: a file whose size
// and last-write time equal the installed copy's is not copied again (the
// shell copy keeps the time), as robocopy does.
bool SameAsInstalled(const CopyList::Item& item) {
    platform::FileStamp source, installed;
    return platform::ReadFileStamp(item.source, source) &&
           platform::ReadFileStamp(item.destination, installed) && platform::SameStamp(source, installed);
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

    void TakeFile(const std::string& name) {
        // A name with a folder in it could reach outside the target and the
        // user data folder: it is no file of this folder.
        if (!paths::IsBareFileName(name)) {
            report_.missing.push_back(name + texts::kNotFoundLine);
            return;
        }
        const std::string source = targetFolder_ + name;
        const std::string destination = folders_.userData + name;
        if (!platform::FileExists(source)) {
            report_.missing.push_back(source + texts::kNotFoundLine);
            return;
        }
        if (options_.onlyNewer && !(LastWriteDate(source) > LastWriteDate(destination))) {
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
    return WriteFontLinks(infoLinks.links, folders, registryLinks, report.unlinked);
}

}  // namespace

Result InstallFiles(const Folders& folders, const Options& options, const std::string& targetFolder,
                    const FontLinkTable& infoLinks, InstallLock& lock, InstallReport& report) {
    if (options.confirm && !infoLinks.standard &&
        platform::AnsweredNo(NonStandardQuestion(Operation::kInstall)))
        return Result::kCancelled;
    report = InstallReport();
    const StringList files = FilesToInstall(infoLinks.links);
    if (!CreateFolderTree(folders.userData)) return Result::kNoUserDataFolder;
    if (!lock.Take(folders.userData)) return Result::kInstallFailed;
    // An install cut off by a crash has the user's previous files in its
    // staging folder: put back or finished before anything is compared.
    if (!RecoverInterruptedInstalls(folders.userData, report.notRestored)) return Result::kInstallFailed;

    InstallCopy install(folders, options, targetFolder, report);
    for (const std::string& name : files) install.TakeFile(name);
    if (install.Copy().Empty())
        return install.NotNewer() ? Result::kInstalledIsNewer : Result::kNoFilesToInstall;

    if (options.confirm && !options.silent && platform::AnsweredNo(texts::kReplaceQuestion))
        return Result::kCancelled;
    CopyList changed;
    for (const CopyList::Item& item : install.Copy().Items())
        if (!SameAsInstalled(item)) changed.Add(item.source, item.destination);
    if (changed.Empty()) return Result::kOk;
    // The shell writes into a staging folder; the user's EUDC files are
    // replaced only when every new file arrived whole.
    const bool replaced = StagedInstall(changed, folders.userData, report.notRestored);
    return replaced ? Result::kOk : Result::kInstallFailed;
}

Result InstallEudc(const Folders& folders, const Options& options, Target& target,
                   FontLinkTable& registryLinks, Notifier& notifier, InstallReport& report) {
    target.Resolve();
    // A folder that cannot be spelled: the target is a missing folder, the
    // user data folder one that cannot be made.
    if (!CheckSpelled(target.folder, notifier)) return Result::kNoFilesToInstall;
    if (!CheckSpelled(folders.userData, notifier)) return Result::kNoUserDataFolder;
    FontLinkTable infoLinks;
    Result result = ReadTargetLinks(target.folder, infoLinks);
    bool busy = false;
    if (result == Result::kOk)
        result = CopyAndLink(folders, options, target.folder, infoLinks, registryLinks, report, busy);
    // The lock is let go before any message waits for the user.
    if (result == Result::kOk)
        notifier.Notify(texts::CrLines(report.installed) + texts::CrLines(report.unlinked) + "\r");
    else if (const char* text = ResultText(Operation::kInstall, result))
        notifier.Notify(text);
    else
        notifier.Notify(busy ? std::string(texts::kInstallBusy)
                             : InstallFailureText(folders.IsNtFamily(), report.notRestored));
    return result;
}

Result InstallWithEudcOff(const Folders& folders, const Options& options, Target& target,
                          FontLinkTable& registryLinks, Notifier& notifier, InstallReport& report) {
    platform::EnableEudc(platform::kEudcOff);
    const Result result = InstallEudc(folders, options, target, registryLinks, notifier, report);
    platform::EnableEudc(platform::kEudcOn);
    return result;
}

double LastWriteDate(const std::string& path) {
    SYSTEMTIME t;
    if (!platform::LastWriteLocalTime(path, t)) return 0;
    // Days since 30 December 1899, the time of day as the fraction.
    auto daysFromCivil = [](int y, unsigned m, unsigned d) {
        y -= m <= 2;
        const int era = (y >= 0 ? y : y - 399) / 400;
        const unsigned yoe = static_cast<unsigned>(y - era * 400);
        const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        return era * 146097 + static_cast<int>(doe) - 719468;  // days since 1970-01-01
    };
    const int days = daysFromCivil(t.wYear, t.wMonth, t.wDay) - daysFromCivil(1899, 12, 30);
    const double ms = ((t.wHour * 60.0 + t.wMinute) * 60.0 + t.wSecond) * 1000.0 + t.wMilliseconds;
    return days + ms / 86400000.0;
}
