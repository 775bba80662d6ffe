#include "ui/code_table/glyph_popup.h"

#include <algorithm>

#include "engine/report/texts.h"
#include "ui/window_texts.h"
#include "ui/visible_colour.h"

namespace {

const ui::WindowClass kClass = {"TGaijiForm", GetSysColorBrush(COLOR_WINDOW), 0};
constexpr int kSide = 50;         // the popup is this square on every showing
constexpr LONG kGlyphHeight = 48;  // cell height of the magnified character

}  // namespace

GlyphPopup::GlyphPopup(HWND owner, const bool& unicodeNumbering) : unicodeNumbering_(unicodeNumbering) {
    Create(kClass, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, WS_POPUP, texts::kGlyphPopupCaption, 0, 0, kSide,
           kSide, owner);
    logFont_ = gdi::MakeLogFont(texts::kFacePGothic, kGlyphHeight, SHIFTJIS_CHARSET);
    font_ = gdi::CreateFontFrom(logFont_);
}

LRESULT GlyphPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // the mouse belongs to the grid beneath
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        gdi::PaintDC paint(Handle());
        Paint(paint.get());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DPICHANGED:
        // Size and font follow the code table's DPI, which it gives.
        return DefWindowProcA(Handle(), message, wParam, lParam);
    default:
        return ui::Window::HandleMessage(message, wParam, lParam);
    }
}

void GlyphPopup::SetFaceName(const std::string& name) {
    lstrcpynA(logFont_.lfFaceName, name.c_str(), LF_FACESIZE);
    font_ = gdi::CreateFontFrom(logFont_);
}

void GlyphPopup::SetScale(const ui::DpiScale& scale) {
    UseScale(scale);
    logFont_.lfHeight = scale(kGlyphHeight);
    font_ = gdi::CreateFontFrom(logFont_);
}

void GlyphPopup::SetGlyphCode(unsigned code) {
    if (unicodeNumbering_) glyphCode = static_cast<WCHAR>(code & 0xFFFF);
}

void GlyphPopup::ShowAt(POINT topLeft) {
    // On top of the code table, which may have come up after the popup.
    SetWindowPos(Handle(), HWND_TOP, topLeft.x, topLeft.y, Scale()(kSide), Scale()(kSide), SWP_NOACTIVATE);
    if (!Showing()) ShowWindow(Handle(), SW_SHOWNA);
}

void GlyphPopup::Hide() { ShowWindow(Handle(), SW_HIDE); }

void GlyphPopup::Paint(HDC dc) {
    const ui::DpiScale& s = Scale();
    // Black on the window colour, unless the colour scheme makes that vanish.
    gdi::Pen frame(CreatePen(PS_SOLID, s(2),
                             ui::VisibleColour(RGB(0, 0, 0), GetSysColor(COLOR_WINDOW), COLOR_WINDOWTEXT)));
    gdi::Selection keepPen(dc, frame.get());
    gdi::Selection keepBrush(dc, GetSysColorBrush(COLOR_WINDOW));
    gdi::Selection keepFont(dc, font_.get());
    Rectangle(dc, 0, 0, s(kSide), s(kSide));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    const int first = s(1), last = s(48);
    RECT text{first, first, last, last};
    if (unicodeNumbering_) {
        DrawTextW(dc, &glyphCode, 1, &text, gdi::kCentredText);
    } else if (!glyphText.empty()) {
        DrawTextA(dc, glyphText.data(), static_cast<int>(std::min<size_t>(glyphText.size(), 2)), &text,
                  gdi::kCentredText);
    } else {
        gdi::Pen grey(CreatePen(PS_SOLID, s(1), RGB(192, 192, 192)));
        gdi::Selection keepGrey(dc, grey.get());
        MoveToEx(dc, last, first, nullptr);
        LineTo(dc, first, last);
        MoveToEx(dc, first, first, nullptr);
        LineTo(dc, last, last);
    }
}
