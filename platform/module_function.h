// Functions that only some Windows versions export, looked up at run time
// where the program's version branch uses them: an import of one would
// keep the program from starting on every Windows that lacks it.
//
// On failure: nullptr, when the module is not there or lacks the function.
#pragma once

#include <windows.h>

namespace platform {

// The export name of module as a pointer of type Fn.
template <typename Fn>
Fn ModuleFunction(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The same from a DLL the process has loaded already (kernel32, user32,
// gdi32: every program of this kind loads them at start).
template <typename Fn>
Fn LoadedModuleFunction(const char* module, const char* name) {
    return ModuleFunction<Fn>(GetModuleHandleA(module), name);
}

}  // namespace platform
