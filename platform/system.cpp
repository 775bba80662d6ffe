// Process, environment, version and shell folders.
#include "platform/platform.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

namespace platform {

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

DWORD CurrentProcessId() { return GetCurrentProcessId(); }

void Pause(DWORD milliseconds) { Sleep(milliseconds); }

std::vector<std::string> CommandLineArguments() {
    // Split the wide command line the system's way, then hand each argument
    // over in the ANSI code page the rest of the program speaks.
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(ToMultiByte(CP_ACP, argv[i]));
    LocalFree(argv);
    return args;
}

bool GetEnvironment(const char* name, std::string& value) {
    std::string buffer(256, '\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        DWORD n = GetEnvironmentVariableA(name, &buffer[0], static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            value.clear();
            return GetLastError() != ERROR_ENVVAR_NOT_FOUND;
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            value = buffer;
            return true;
        }
        buffer.resize(n);  // n counts the terminating NUL here
    }
}

void ReadOsVersion(OSVERSIONINFOA& info) {
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = 148;
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    GetVersionExA(&info);
}

bool ShellFolderPath(int csidl, std::string& path) {
    char buffer[MAX_PATH] = {};
    HRESULT hr = SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer);
    path = buffer;
    return SUCCEEDED(hr) && !path.empty();
}

std::string SystemWindowsFolder() {
    char buffer[MAX_PATH] = {};
    UINT n = GetWindowsDirectoryA(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string("C:\\WINDOWS");
}

bool IsThemeActive() {
    HMODULE theme = LoadLibraryA("uxtheme.dll");
    if (!theme) return false;
    using Fn = BOOL(WINAPI*)();
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(theme, "IsThemeActive")));
    bool active = fn && fn();
    FreeLibrary(theme);
    return active;
}

bool InitCommonControlsAtRunTime(DWORD classes) {
    // Loaded under the manifest's activation context: version 6. Kept
    // loaded, since the windows use its classes until the process ends.
    HMODULE controls = LoadLibraryA("comctl32.dll");
    if (!controls) return false;
    using Fn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(controls, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof icc;
    icc.dwICC = classes;
    return fn && fn(&icc);
}

void OpenWithShell(HWND owner, const std::string& target) {
    ShellExecuteA(owner, "open", target.c_str(), "", "", SW_SHOWNORMAL);
}

}  // namespace platform
