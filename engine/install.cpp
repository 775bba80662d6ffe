// Install: copy a folder's EUDC font files into the user data folder and
// link them in the registry.
#include "engine/copy_list.h"
#include "engine/folder_tree.h"
#include "engine/info_file.h"
#include "engine/install_lock.h"
#include "engine/param.h"
#include "engine/paths.h"
#include "engine/recovery.h"
#include "engine/staging.h"
#include "engine/texts.h"
#include "platform/platform.h"

namespace {

// A logon script installs the same set at every logon: a file whose size
// and last-write time equal the installed copy's is not copied again (the
// shell copy keeps the time), as robocopy does.
bool SameAsInstalled(const CopyList::Item& item) {
    platform::FileStamp source, installed;
    return platform::ReadFileStamp(item.source, source) &&
           platform::ReadFileStamp(item.destination, installed) && platform::SameStamp(source, installed);
}

}  // namespace

uint8_t TminamoParam::InstallFiles(InstallLock& lock) {
    if (Confirm && !StandardLinks &&
        platform::AskYesNo(texts::Format(texts::kNonStandardQuestion,
                                         {texts::kOperationInstall, "",
                                          texts::kOperationInstall})) == IDNO)
        return kResultCancelled;
    DoneLines.clear();
    MissingLines.clear();
    NotRestoredLines.clear();
    BuildDistinctFiles();
    bool notNewer = false;
    if (!CreateFolderTree(UserDataFolder)) return kResultNoUserFolder;
    if (!lock.Acquire(UserDataFolder)) return kResultInstallFailed;
    // An install cut off by a crash has the user's previous files in its
    // staging folder: put back or finished before anything is compared.
    if (!RecoverInterruptedInstalls(UserDataFolder, NotRestoredLines)) return kResultInstallFailed;

    CopyList install;
    // A file goes in once, however many links or companions name it.
    auto put = [&](const std::string& source, const std::string& destination) {
        if (install.Add(source, destination)) DoneLines.push_back(destination + texts::kInstalledLine);
    };
    for (const std::string& name : DistinctFiles) {
        // A name with a folder in it could reach outside the target and the
        // user data folder: it is no file of this folder.
        if (!paths::IsBareFileName(name)) {
            MissingLines.push_back(name + texts::kNotFoundLine);
            continue;
        }
        const std::string source = TargetFolder + name;
        const std::string destination = UserDataFolder + name;
        if (!platform::FileExists(source)) {
            MissingLines.push_back(source + texts::kNotFoundLine);
            continue;
        }
        if (CheckDate && !(FileDate(source) > FileDate(destination))) {
            notNewer = true;
            continue;
        }
        put(source, destination);
        if (!CopyEUF) continue;
        const std::string companion = paths::ChangeExtension(source, info_file::kCompanionExtension);
        if (platform::FileExists(companion))
            put(companion, paths::ChangeExtension(destination, info_file::kCompanionExtension));
        else
            MissingLines.push_back(companion + texts::kNotFoundLine);
    }
    if (install.Empty()) return notNewer ? kResultAlreadyLatest : kResultNoSourceFiles;

    if (Confirm && !Silent && platform::AskYesNo(texts::kReplaceQuestion) == IDNO)
        return kResultCancelled;
    CopyList changed;
    for (const CopyList::Item& item : install.Items())
        if (!SameAsInstalled(item)) changed.Add(item.source, item.destination);
    if (changed.Empty()) return kResultOk;
    // The shell writes into a staging folder; the user's EUDC files are
    // replaced only when every new file arrived whole.
    return StagedInstall(changed, UserDataFolder, NotRestoredLines) ? kResultOk : kResultInstallFailed;
}

uint8_t TminamoParam::PutEudc() {
    ResolveTarget();
    // A folder that cannot be spelled: the target is a missing folder, the
    // user data folder one that cannot be made.
    if (!CheckSpelled(TargetFolder)) return kResultNoSourceFiles;
    if (!CheckSpelled(UserDataFolder)) return kResultNoUserFolder;
    const std::string info = TargetFolder + info_file::kFileName;
    if (!platform::FileExists(info)) {
        if (!platform::FileExists(TargetFolder + info_file::kDefaultFontFile)) {
            Notify(texts::kNoSourceFiles);
            return kResultNoSourceFiles;
        }
        if (!WriteDefaultInfoFile()) {
            Notify(texts::kInfoMissing);
            return kResultInfoMissing;
        }
    }
    switch (ReadInfoFile()) {
        case kResultNoLinkFont: Notify(texts::kNoLinkFont); return kResultNoLinkFont;
        case kResultInfoIncomplete: Notify(texts::kInfoIncomplete); return kResultInfoIncomplete;
        default: break;
    }
    uint8_t result;
    bool busy;
    {
        // Held from the first file to the last link, and let go before any
        // message waits for the user.
        InstallLock lock;
        result = InstallFiles(lock);
        busy = lock.Busy();
        if (result == kResultOk && WriteFontLinks() != kResultOk) result = kResultRegistryError;
    }
    switch (result) {
        case kResultOk:
            Notify(texts::CrLines(DoneLines) + texts::CrLines(UnlinkedLines) + "\r");
            return result;
        case kResultRegistryError: Notify(texts::kRegistryFailed); return result;
        case kResultAlreadyLatest: Notify(texts::kLatestInstalled); return result;
        case kResultCancelled: Notify(texts::kInstallCancelled); return result;
        case kResultNoSourceFiles: Notify(texts::kNoSourceFiles); return result;
        default:
            if (busy) {
                Notify(texts::kInstallBusy);
                return result;
            }
            Notify(std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource +
                   (IsNtFamily() ? texts::kInstallFailedUserFolder
                                 : texts::kInstallFailedPleaseCheck) +
                   texts::CrLines(NotRestoredLines));
            return result;
    }
}

double TminamoParam::FileDate(const std::string& path) {
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
