// The folders the run works with, and the Windows version that decides
// where they are. Fixed once the program has started.
#pragma once

#include <windows.h>

#include <string>

struct Folders {
    // GetVersionExA's record (size field 148): major and minor version and
    // the platform; zero but for the size when Windows did not say.
    OSVERSIONINFOA os = {};
    std::string windows;   // windir
    std::string profile;   // USERPROFILE; NT family only
    std::string appData;   // the local application-data folder; NT family only
    // Where an install puts the EUDC files and where the links point: the
    // NT family's appData + "minamo\", else the Windows folder.
    std::string userData;
    std::string program;  // the folder of minamo.exe

    bool IsNtFamily() const { return os.dwPlatformId == VER_PLATFORM_WIN32_NT; }
    DWORD MajorVersion() const { return os.dwMajorVersion; }
};

// Where Windows reads a font link that names no full path from: its fonts
// folder on the NT family, the Windows folder itself on 98 and Me.
std::string FontsFolder(const Folders& folders);

// Reads the Windows version and finds every folder; each ends in a
// backslash.
Folders ResolveFolders(const std::string& executablePath);
