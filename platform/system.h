// The process, its command line and environment, the Windows version, the
// machine's and user's names, the clock, and the shell's "open".
//
// On failure: each function says what it gives when Windows refused;
// nothing is thrown and nothing is shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// The running executable's full path, spelled by SpellPath on the NT family.
std::string ExecutablePath();
// The command-line arguments after the program path, split by
// SplitCommandLine (command_line_split.h): from the wide command line (the
// NT family) or from the ANSI one (Windows 98 and Me).
std::vector<std::wstring> CommandLineArgumentsW();
std::vector<std::string> CommandLineArgumentsA();
// The Windows NT family, where the wide functions work; on Windows 98 and
// Me most of them are stubs that fail.
bool IsNtPlatform();
// An environment variable that holds a folder, read wide and spelled by
// SpellPath on the NT family; false when it is unset or empty.
bool EnvironmentFolder(const char* name, std::string& path);
DWORD CurrentProcessId();
// Sleep: other processes run meanwhile.
void Pause(DWORD milliseconds);
// GetVersionExA with the size field set to 148; the result is not examined,
// so a failure leaves the record zero but for its size.
void ReadOsVersion(OSVERSIONINFOA& info);
// GetWindowsDirectoryA; "C:\WINDOWS" when it fails.
std::string SystemWindowsFolder();
// This computer's NetBIOS name and the signed-in user's name; empty when
// the system does not say.
std::string ComputerName();
std::string UserName();
// The local date and time now.
SYSTEMTIME LocalTimeNow();
// Whether the processor has SSE2 and the system keeps its registers:
// kernel32's IsProcessorFeaturePresent, loaded at run time (Windows 98 and
// Me lack it; NT 4.0 does not know the feature and says no).
bool ProcessorRunsSse2();
// uxtheme's IsThemeActive, loaded at run time; false where it is missing.
bool IsThemeActive();
// comctl32's InitCommonControlsEx for the given ICC_* classes, loaded at run
// time: importing comctl32 would load it, and with it the theming and the
// display connection, in command mode too, which needs no window. False
// when comctl32 or the function is missing or the call failed.
bool InitCommonControlsAtRunTime(DWORD classes);
// ShellExecuteA(owner, "open", target, "", "", SW_SHOWNORMAL); the result
// is ignored.
void OpenWithShell(HWND owner, const std::string& target);

}  // namespace platform
