// Construction, folders, version, messages, the EUDC switch and the target.
#include "engine/param.h"

#include <shlobj.h>

#include "engine/paths.h"
#include "engine/texts.h"
#include "platform/platform.h"

TminamoParam* RunParam = nullptr;

TminamoParam::TminamoParam(const std::string& executablePath)
    : executablePath_(executablePath) {
    ResolveFolders();
}

void TminamoParam::ReadOsVersion() { platform::ReadOsVersion(OsVersion); }

namespace {
// An environment variable as a folder; fallback() when unset or empty.
template <typename Fallback>
std::string EnvironmentFolder(const char* name, Fallback fallback) {
    std::string value;
    if (!platform::EnvironmentFolder(name, value)) value = fallback();
    return AddTrailingBackslash(value);
}
}  // namespace

void TminamoParam::ResolveFolders() {
    ReadOsVersion();
    WindowsFolder = EnvironmentFolder("windir", platform::SystemWindowsFolder);
    if (IsNtFamily()) {
        ProfileFolder = EnvironmentFolder("USERPROFILE", [this] {
            std::string profile;
            return OsVersion.dwMajorVersion >= 5 && platform::ShellFolderPath(CSIDL_PROFILE, profile)
                       ? profile
                       : WindowsFolder;
        });
        std::string appData;
        if (OsVersion.dwMajorVersion < 5) {
            AppDataFolder = ProfileFolder + "Application Data\\";
        } else if (platform::ShellFolderPath(CSIDL_LOCAL_APPDATA, appData)) {
            AppDataFolder = AddTrailingBackslash(appData);
        } else {
            // Never a relative folder: an install would write into the
            // current directory.
            AppDataFolder = ProfileFolder + "Local Settings\\Application Data\\";
        }
        UserDataFolder = AppDataFolder + "minamo\\";
    } else {
        UserDataFolder = WindowsFolder;
    }
    ProgramFolder = AddTrailingBackslash(paths::FolderPart(executablePath_));
    ReadFontLinks();
}

void TminamoParam::Notify(const std::string& text) const {
    Reports.push_back(text);
    if (!Silent) platform::ShowMessage(text);
}

bool TminamoParam::CheckSpelled(const std::string& folder) const {
    if (paths::IsSpelled(folder)) return true;
    Notify(texts::Format(texts::kFolderUnspelled, {paths::ShownPath(folder)}));
    return false;
}

void TminamoParam::SwitchEudc() {
    if (EudcSwitch == kSwitchNone) return;
    platform::EnableEudc(EudcSwitch == kSwitchOn ? platform::kEudcOn : platform::kEudcOff);
    const char* state = EudcSwitch == kSwitchOn ? texts::kStateOn : texts::kStateOff;
    Notify(texts::Format(texts::kEudcSwitched, {state}));
}

void TminamoParam::SetTarget(const std::string& name) {
    TargetName = name;
    TargetFolder.clear();
    TargetValid = false;
    TargetAbsolute = false;
    if (name.empty()) return;
    // A share and the root of a stick name their folder by themselves.
    const bool absolute = paths::IsAbsolutePath(name);
    std::string folder = absolute ? name : ProgramFolder + name;
    if (!platform::DirectoryExists(folder)) return;
    TargetFolder = folder;
    TargetValid = true;
    TargetAbsolute = absolute;
}

void TminamoParam::ResolveTarget() {
    // A folder not there yet is still the one the user named: an absolute
    // one is never put below the program's folder.
    if (!TargetValid) TargetFolder = paths::IsAbsolutePath(TargetName) ? TargetName : ProgramFolder + TargetName;
}

void TminamoParam::SetOptions(bool copyEuf, bool confirm, bool checkDate) {
    CopyEUF = copyEuf;
    Confirm = confirm;
    CheckDate = checkDate;
}
