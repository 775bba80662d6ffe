// Install: copy a folder's EUDC font files into the user data folder and
// link them in the registry.
#include "command/copy_list.h"
#include "command/folder_tree.h"
#include "command/info_file.h"
#include "command/param.h"
#include "command/paths.h"
#include "command/staging.h"
#include "command/texts.h"
#include "platform/platform.h"

uint8_t TminamoParam::InstallFiles() {
    if (Confirm && !StandardLinks &&
        platform::AskYesNo(texts::Format(texts::kNonStandardQuestion,
                                         {texts::kOperationInstall, "",
                                          texts::kOperationInstall})) == IDNO)
        return kResultCancelled;
    DoneLines.clear();
    MissingLines.clear();
    BuildDistinctFiles();
    bool notNewer = false;
    if (!CreateFolderTree(UserDataFolder)) return kResultNoUserFolder;

    CopyList copy;
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
        copy.Add(source, destination);
        DoneLines.push_back(destination + texts::kInstalledLine);
        if (!CopyEUF) continue;
        const std::string companion = paths::ChangeExtension(source, info_file::kCompanionExtension);
        if (platform::FileExists(companion)) {
            const std::string installed = paths::ChangeExtension(destination, info_file::kCompanionExtension);
            copy.Add(companion, installed);
            DoneLines.push_back(installed + texts::kInstalledLine);
        } else {
            MissingLines.push_back(companion + texts::kNotFoundLine);
        }
    }
    if (copy.Empty()) return notNewer ? kResultAlreadyLatest : kResultNoSourceFiles;

    if (Confirm && !Silent && platform::AskYesNo(texts::kReplaceQuestion) == IDNO)
        return kResultCancelled;
    // The shell writes into a staging folder; the user's EUDC files are
    // replaced only when every new file arrived whole.
    return StagedInstall(copy, UserDataFolder) ? kResultOk : kResultInstallFailed;
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
    const uint8_t copied = InstallFiles();
    switch (copied) {
        case kResultOk: {
            if (WriteFontLinks() != kResultOk) {
                Notify(texts::kRegistryFailed);
                return kResultRegistryError;
            }
            Notify(texts::CrLines(DoneLines) + texts::CrLines(UnlinkedLines) + "\r");
            return kResultOk;
        }
        case kResultAlreadyLatest: Notify(texts::kLatestInstalled); return copied;
        case kResultCancelled: Notify(texts::kInstallCancelled); return copied;
        case kResultNoSourceFiles: Notify(texts::kNoSourceFiles); return copied;
        default:
            Notify(std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource +
                   (IsNtFamily() ? texts::kInstallFailedUserFolder
                                 : texts::kInstallFailedPleaseCheck));
            return copied;
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
