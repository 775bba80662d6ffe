// minamo.exe: carries a PC's EUDC environment to another PC.
#include <windows.h>

#include "app/run_modes.h"
#include "app/window_mode.h"
#include "engine/run/arguments.h"
#include "engine/paths/paths.h"
#include "platform/platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything loads a DLL: the program's folder may be a share.
    platform::RestrictDllSearchToSystemFolder();
    const std::string executable = platform::ExecutablePath();
    return RunMinamo(executable, ProgramArguments(paths::FolderPart(executable)), RunWindowMode);
}
