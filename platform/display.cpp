// Pixel density and colour scheme of the display: the per-window DPI
// functions looked up in the loaded user32.
#include "platform/display.h"

#include "platform/module_function.h"
#include "platform/unique_handle.h"

namespace platform {

namespace {

// A user32 export, or nullptr where this Windows lacks it.
template <class Fn>
Fn User32Function(const char* name) {
    return LoadedModuleFunction<Fn>("user32.dll", name);
}

}  // namespace

UINT SystemDpi() {
    WindowDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

UINT WindowDpi(HWND window) {
    using Fn = UINT(WINAPI*)(HWND);
    static const Fn fn = User32Function<Fn>("GetDpiForWindow");
    const UINT dpi = fn && window ? fn(window) : 0;
    return dpi ? dpi : SystemDpi();
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    using Fn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const Fn fn = User32Function<Fn>("AdjustWindowRectExForDpi");
    if (!fn || !fn(&rect, style, FALSE, exStyle, dpi)) AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int SystemMetricForDpi(int index, UINT dpi) {
    using Fn = int(WINAPI*)(int, UINT);
    static const Fn fn = User32Function<Fn>("GetSystemMetricsForDpi");
    return fn ? fn(index, dpi) : GetSystemMetrics(index);
}

bool HighContrastOn() {
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace platform
