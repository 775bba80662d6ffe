// System DLLs, never one planted beside the program: minamo.exe runs from
// sticks and logon shares, where anyone may drop a DLL beside it.
//
// On failure: false, an empty path or a null module; the caller goes on
// without what the DLL offers.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// Restricts every later DLL search of the process, the system's own on the
// program's behalf included, to the system folder (SetDefaultDllDirectories,
// resolved at run time); false where Windows lacks it. Called first thing.
bool RestrictDllSearchToSystemFolder();
// The full path of a DLL in the system folder; empty when it is unknown.
std::string SystemDllPath(const char* name);
// LoadLibraryA by that full path, on every Windows. The caller owns the
// module (UniqueModule) or keeps it loaded for good.
HMODULE LoadSystemLibrary(const char* name);
// comctl32.dll: version 6 through the manifest's activation context where
// it redirects the name, else the system folder's by full path. Kept loaded
// until the process ends.
HMODULE LoadCommonControls();

}  // namespace platform
