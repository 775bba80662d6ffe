// A second yardstick for start-up: a WinMain that returns at once and, unlike
// empty_app, imports nothing beyond kernel32 and the C runtime. It shows
// what loading user32 alone costs a Windows program under Wine.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
