// A DLL that someone dropped beside minamo.exe under a system DLL's name.
// It does nothing: the planted-DLL test only asks whether Wine's loader
// took it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
