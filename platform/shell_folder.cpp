// The shell's special folders, found at run time: shell32 exports
// SHGetFolderPath from Windows 2000 on, and importing it would keep the
// program from starting on NT 4.0 and Windows 98.
#include "platform/shell_folder.h"

#include "platform/module_function.h"
#include "platform/spelled_path.h"
#include "platform/system.h"

#include <shlobj.h>

namespace platform {

namespace {

template <typename Fn>
Fn Shell32Function(const char* name) {
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) shell = LoadLibraryA("shell32.dll");  // a KnownDLL: never one beside the program
    return ModuleFunction<Fn>(shell, name);
}

using GetFolderPathW = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
using GetFolderPathA = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

}  // namespace

bool ShellFolderPath(int csidl, std::string& path) {
    path.clear();
    // Wide where it works: a profile named with characters Shift-JIS lacks
    // reaches the A function as a path of "?".
    auto wide = IsNtPlatform() ? Shell32Function<GetFolderPathW>("SHGetFolderPathW") : nullptr;
    if (wide) {
        wchar_t buffer[MAX_PATH] = {};
        if (FAILED(wide(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer)) || !buffer[0]) return false;
        path = SpellPath(buffer);
        return true;
    }
    auto ansi = Shell32Function<GetFolderPathA>("SHGetFolderPathA");
    char buffer[MAX_PATH] = {};
    if (!ansi || FAILED(ansi(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return false;
    path = buffer;
    return !path.empty();
}

}  // namespace platform
