// Process, command line, environment and version.
#include "platform/system.h"

#include "platform/command_line_split.h"
#include "platform/module_function.h"
#include "platform/spelled_path.h"
#include "platform/system_dlls.h"
#include "platform/unique_handle.h"

#include <commctrl.h>
#include <shellapi.h>

namespace platform {

namespace {
// GetModuleFileName into a buffer that grows until the path fits.
template <typename Char, typename Get>
std::basic_string<Char> ModulePath(Get get) {
    std::basic_string<Char> path(MAX_PATH, Char(0));
    for (;;) {
        DWORD n = get(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

template <typename Char>
std::vector<std::basic_string<Char>> WithoutProgramPath(std::vector<std::basic_string<Char>> args) {
    if (!args.empty()) args.erase(args.begin());
    return args;
}
}  // namespace

DWORD CurrentProcessId() { return GetCurrentProcessId(); }

void Pause(DWORD milliseconds) { Sleep(milliseconds); }

bool IsNtPlatform() {
    // Asked once: every move and path of an install asks again.
    static const bool nt = [] {
        OSVERSIONINFOA info;
        ReadOsVersion(info);
        return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    }();
    return nt;
}

std::string ExecutablePath() {
    // Windows 98 and Me: the wide functions are stubs.
    if (!IsNtPlatform()) return ModulePath<char>(GetModuleFileNameA);
    return SpellPath(ModulePath<wchar_t>(GetModuleFileNameW));
}

std::vector<std::wstring> CommandLineArgumentsW() {
    return WithoutProgramPath(SplitCommandLine(std::wstring(GetCommandLineW())));
}

std::vector<std::string> CommandLineArgumentsA() {
    return WithoutProgramPath(SplitCommandLine(std::string(GetCommandLineA())));
}

bool EnvironmentFolder(const char* name, std::string& path) {
    path.clear();
    if (IsNtPlatform()) {
        const std::wstring wideName(name, name + std::char_traits<char>::length(name));  // ASCII
        std::wstring value(GetEnvironmentVariableW(wideName.c_str(), nullptr, 0), L'\0');
        if (value.empty()) return false;
        value.resize(GetEnvironmentVariableW(wideName.c_str(), &value[0], static_cast<DWORD>(value.size())));
        if (!value.empty()) path = SpellPath(value);
        return !path.empty();
    }
    std::string buffer(256, '\0');
    for (;;) {
        DWORD n = GetEnvironmentVariableA(name, &buffer[0], static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            path = buffer.substr(0, n);
            return !path.empty();
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

std::string SystemWindowsFolder() {
    char buffer[MAX_PATH] = {};
    UINT n = GetWindowsDirectoryA(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string("C:\\WINDOWS");
}

std::string ComputerName() {
    char buffer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD n = sizeof buffer;
    return GetComputerNameA(buffer, &n) ? std::string(buffer, n) : std::string();
}

std::string UserName() {
    char buffer[257] = {};  // UNLEN + 1
    DWORD n = sizeof buffer;
    return GetUserNameA(buffer, &n) ? std::string(buffer) : std::string();
}

SYSTEMTIME LocalTimeNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

bool ProcessorRunsSse2() {
    constexpr DWORD kSse2Feature = 10;  // PF_XMMI64_INSTRUCTIONS_AVAILABLE, which older headers lack
    using Fn = BOOL(WINAPI*)(DWORD);
    auto fn = LoadedModuleFunction<Fn>("kernel32.dll", "IsProcessorFeaturePresent");
    return fn && fn(kSse2Feature);
}

bool IsThemeActive() {
    const UniqueModule theme(LoadSystemLibrary("uxtheme.dll"));
    if (!theme) return false;
    using Fn = BOOL(WINAPI*)();
    auto fn = ModuleFunction<Fn>(theme.get(), "IsThemeActive");
    return fn && fn();
}

bool InitCommonControlsAtRunTime(DWORD classes) {
    // Loaded under the manifest's activation context: version 6. Kept
    // loaded, since the windows use its classes until the process ends.
    using Fn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto fn = ModuleFunction<Fn>(LoadCommonControls(), "InitCommonControlsEx");
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof icc;
    icc.dwICC = classes;
    return fn && fn(&icc);
}

void OpenWithShell(HWND owner, const std::string& target) {
    ShellExecuteA(owner, "open", target.c_str(), "", "", SW_SHOWNORMAL);
}

}  // namespace platform
