// Pixel density and colour scheme of the display. The per-window DPI
// functions came with Windows 10 (1607): they are looked up in the loaded
// user32 at run time, so that the program still starts on old Windows,
// where the system DPI stands in for them.
//
// On failure: the density all layouts are drawn for (kDefaultDpi), the
// system DPI or the plain frame sizes; no high contrast.
#pragma once

#include <windows.h>

namespace platform {

// The density all layouts are drawn for: 100 % scaling.
constexpr UINT kDefaultDpi = 96;
// The screen's DPI as the process sees it (LOGPIXELSY of the screen);
// kDefaultDpi when the screen cannot be asked.
UINT SystemDpi();
// The DPI of the monitor a window is on (GetDpiForWindow); the system DPI
// where Windows has no per-window DPI.
UINT WindowDpi(HWND window);
// AdjustWindowRectEx (no menu) with the frame sizes of the given DPI; the
// system DPI's frames where Windows lacks the per-DPI call.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);
// GetSystemMetrics for the given DPI; for the system DPI where Windows
// lacks the per-DPI call.
int SystemMetricForDpi(int index, UINT dpi);
// The user chose a high-contrast colour scheme; false when Windows does not
// say.
bool HighContrastOn();

}  // namespace platform
