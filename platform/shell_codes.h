// The shell copy's own return codes (the DE_* values of SHFileOperation),
// which winerror.h numbers differently: 0x75, a cancelled copy, is
// ERROR_INVALID_CATEGORY there.
//
// On failure: cannot fail.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The program's text for one of the shell's own codes, with its name
// ("... (DE_OPCANCELLED)"); empty for any other code, which the shell
// passes on from Windows.
std::string ShellCopyCodeText(DWORD code);

}  // namespace platform
