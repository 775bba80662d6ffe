// Scaling the windows' 96-DPI layouts to the DPI of the monitor they are
// on: positions, sizes and font heights in the layout are 96-DPI pixels.
#pragma once

#include <windows.h>

#include "platform/platform.h"

// Sent from Windows 8.1 on when a window moves to a monitor of another DPI;
// the headers declare it only for builds that need Windows 7 or later.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace ui {

class DpiScale {
public:
    explicit DpiScale(UINT dpi = platform::kDefaultDpi) : dpi_(dpi) {}
    static DpiScale Of(HWND window) { return DpiScale(platform::WindowDpi(window)); }

    UINT Dpi() const { return dpi_; }
    // A length of the layout in this DPI's pixels.
    int operator()(int length) const {
        return MulDiv(length, static_cast<int>(dpi_), static_cast<int>(platform::kDefaultDpi));
    }
    // Each edge scaled on its own, so that controls that touch in the
    // layout still touch and never overlap through rounding.
    RECT operator()(const RECT& r) const {
        return RECT{(*this)(r.left), (*this)(r.top), (*this)(r.right), (*this)(r.bottom)};
    }

private:
    UINT dpi_;
};

}  // namespace ui
