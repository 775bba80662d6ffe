// Loading the system's DLLs where anyone may drop a file beside the program.
//
// minamo.exe runs from sticks and logon shares. Windows looks for a DLL
// loaded by bare name in the program's folder first, so a uxtheme.dll or
// comctl32.dll placed there would run inside the program. Neither is a
// KnownDLL, which the system always takes from its own folder.

// Everything newer than the oldest Windows the program runs on is resolved
// at run time here; the declarations of the activation context come with
// Windows XP.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0501

#include "platform/system_dlls.h"

#include "platform/module_function.h"

namespace platform {

namespace {

template <typename Fn>
Fn KernelFunction(const char* name) {
    return LoadedModuleFunction<Fn>("kernel32.dll", name);
}

// Whether the process's activation context (the manifest's dependency on
// the common controls 6) redirects this name. The redirection comes before
// every folder of the search, the program's own included.
bool RedirectedBySideBySide(const char* name) {
    using FindFn = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCSTR, PACTCTX_SECTION_KEYED_DATA);
    auto find = KernelFunction<FindFn>("FindActCtxSectionStringA");  // Windows XP
    if (!find) return false;
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof data;
    return find(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, name, &data) != FALSE;
}

}  // namespace

bool RestrictDllSearchToSystemFolder() {
    // Windows 8, and 7 or Vista with the update that brought it.
    using SetDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto set = KernelFunction<SetDirectoriesFn>("SetDefaultDllDirectories");
    const DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    return set && set(kSearchSystem32);
}

std::string SystemDllPath(const char* name) {
    char folder[MAX_PATH] = {};
    UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    std::string path(folder, n);
    if (path.back() != '\\') path += '\\';
    return path + name;
}

HMODULE LoadSystemLibrary(const char* name) {
    std::string path = SystemDllPath(name);
    return path.empty() ? nullptr : LoadLibraryA(path.c_str());
}

HMODULE LoadCommonControls() {
    // By full path the side-by-side redirection does not apply, and the
    // windows would get version 5 without visual styles. The bare name is
    // safe where the manifest redirects it; elsewhere (Windows 2000 and
    // older) version 5 in the system folder is the only one there is.
    const char* name = "comctl32.dll";
    return RedirectedBySideBySide(name) ? LoadLibraryA(name) : LoadSystemLibrary(name);
}

}  // namespace platform
