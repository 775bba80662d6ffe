// Registering the program's window classes once per process.
#pragma once

#include <windows.h>

#include "res/resource.h"

// Registers an ANSI window class of this module unless it exists already.
inline void RegisterWindowClass(const char* name, WNDPROC proc, HBRUSH background, UINT style) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, name, &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // The program's icon in the caption; none where the module has no
    // resources (a test program), which leaves the system's.
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MINAMO));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}
