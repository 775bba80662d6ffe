// The few colours the layouts fix (black lines and frames, a purple link)
// give way to a system colour in a high-contrast scheme, or wherever they
// would not stand out from the background the scheme gives them.
#pragma once

#include <windows.h>

#include <cstdlib>

#include "platform/platform.h"

namespace ui {

// Brightness 0-255 as the eye weighs the three primaries.
inline int Luma(COLORREF c) {
    return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
}

// wanted, unless high contrast is on or wanted is too close in brightness
// to background to be seen: then the system colour systemColour.
inline COLORREF VisibleColour(COLORREF wanted, COLORREF background, int systemColour) {
    constexpr int kLeastDifference = 80;
    const bool faint = std::abs(Luma(wanted) - Luma(background)) < kLeastDifference;
    return faint || platform::HighContrastOn() ? GetSysColor(systemColour) : wanted;
}

}  // namespace ui
