#include "ui/caption_fit.h"

#include <algorithm>

#include "platform/platform.h"
#include "ui/control_text.h"
#include "ui/gdi.h"

namespace ui {

namespace {

bool HasCheckMark(HWND control) {
    char cls[16] = {};
    GetClassNameA(control, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) return false;
    switch (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
        return true;
    default:
        return false;
    }
}

SIZE TextSize(HDC dc, const std::string& text, int wrapWidth) {
    RECT r = {0, 0, wrapWidth, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

SIZE CaptionSize(HWND control, int wrapWidth) {
    gdi::WindowDC dc(control);
    gdi::Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = TextSize(dc.get(), WindowText(control), wrapWidth);
    // The check mark, then a gap of about one digit's width.
    if (HasCheckMark(control))
        size.cx += platform::SystemMetricForDpi(SM_CXMENUCHECK, platform::WindowDpi(control)) +
                   TextSize(dc.get(), "0", 0).cx;
    return size;
}

std::string PhraseLines(HWND control, const char* const* phrases, int width) {
    gdi::WindowDC dc(control);
    gdi::Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    std::string text, line;
    for (const char* const* phrase = phrases; *phrase; ++phrase) {
        if (!line.empty() && TextSize(dc.get(), line + *phrase, 0).cx > width) {
            text += line + "\r\n";
            line.clear();
        }
        line += *phrase;
    }
    return text + line;
}

RECT FitCaption(HWND control, RECT rect, Grow grow, int windowWidth) {
    if (grow == Grow::Upwards) {
        const SIZE need = CaptionSize(control, rect.right - rect.left);
        rect.top = std::min(rect.top, std::max(rect.bottom - need.cy, 0L));
        return rect;
    }
    const SIZE need = CaptionSize(control);
    const LONG missing = need.cx - (rect.right - rect.left);
    if (missing > 0 && grow == Grow::Rightwards)
        rect.right = std::max(rect.right, std::min(rect.right + missing, static_cast<LONG>(windowWidth)));
    else if (missing > 0)
        rect.left = std::min(rect.left, std::max(rect.left - missing, 0L));
    rect.bottom = std::max(rect.bottom, rect.top + need.cy);
    return rect;
}

}  // namespace ui
