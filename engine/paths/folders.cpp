#include "engine/paths/folders.h"

#include <shlobj.h>

#include "engine/paths/paths.h"
#include "platform/shell_folder.h"
#include "platform/system.h"

namespace {

// An environment variable as a folder; fallback() when unset or empty.
template <typename Fallback>
std::string EnvironmentFolder(const char* name, Fallback fallback) {
    std::string value;
    if (!platform::EnvironmentFolder(name, value)) value = fallback();
    return AddTrailingBackslash(value);
}

void ResolveNtFolders(Folders& folders) {
    folders.profile = EnvironmentFolder("USERPROFILE", [&folders] {
        std::string profile;
        return folders.MajorVersion() >= 5 && platform::ShellFolderPath(CSIDL_PROFILE, profile)
                   ? profile
                   : folders.windows;
    });
    std::string appData;
    if (folders.MajorVersion() < 5) {
        folders.appData = folders.profile + "Application Data\\";
    } else if (platform::ShellFolderPath(CSIDL_LOCAL_APPDATA, appData)) {
        folders.appData = AddTrailingBackslash(appData);
    } else {
        // Never a relative folder: an install would write into the
        // current directory.
        folders.appData = folders.profile + "Local Settings\\Application Data\\";
    }
    folders.userData = folders.appData + "minamo\\";
}

}  // namespace

Folders ResolveFolders(const std::string& executablePath) {
    Folders folders;
    platform::ReadOsVersion(folders.os);
    folders.windows = EnvironmentFolder("windir", platform::SystemWindowsFolder);
    if (folders.IsNtFamily())
        ResolveNtFolders(folders);
    else
        folders.userData = folders.windows;
    folders.program = AddTrailingBackslash(paths::FolderPart(executablePath));
    return folders;
}

std::string FontsFolder(const Folders& folders) {
    return folders.IsNtFamily() ? folders.windows + "fonts\\" : folders.windows;
}
