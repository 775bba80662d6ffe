// The shell's special folders (CSIDL_*), found at run time.
//
// On failure: false and an empty path.
#pragma once

#include <string>

namespace platform {

// SHGetFolderPathW(no window, csidl, no token, SHGFP_TYPE_CURRENT), spelled
// by SpellPath (SHGetFolderPathA where the wide one is missing), both found
// at run time: shell32 has them from Windows 2000 on. Call it on major
// version 5 or later; false when the shell has no such folder.
bool ShellFolderPath(int csidl, std::string& path);

}  // namespace platform
