#include "ui/gcode/gaiji_form.h"

#include <algorithm>

#include "engine/texts.h"
#include "ui/visible_colour.h"

namespace {

const ui::WindowClass kClass = {"TGaijiForm", GetSysColorBrush(COLOR_WINDOW), 0};
constexpr int kSide = 50;         // the popup is this square on every showing
constexpr LONG kGlyphHeight = 48;  // cell height of the magnified character
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

}  // namespace

TGaijiForm::TGaijiForm(HWND owner, const bool& unicodeMode) : unicodeMode_(unicodeMode) {
    Create(kClass, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, WS_POPUP, texts::kGlyphPopupCaption, 0, 0, kSide,
           kSide, owner);
    FormCreate();
}

void TGaijiForm::FormCreate() {
    logFont_ = gdi::MakeLogFont(texts::kFacePGothic, kGlyphHeight, SHIFTJIS_CHARSET);
    font_ = gdi::CreateFontFrom(logFont_);
}

LRESULT TGaijiForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // the mouse belongs to the grid beneath
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        gdi::PaintDC paint(Handle());
        FormPaint(paint.get());
        return 0;
    }
    case WM_PRINTCLIENT:
        FormPaint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DPICHANGED:
        // Size and font follow the code table's DPI, which it gives.
        return DefWindowProcA(Handle(), message, wParam, lParam);
    default:
        return ui::Window::HandleMessage(message, wParam, lParam);
    }
}

void TGaijiForm::SetFaceName(const std::string& name) {
    lstrcpynA(logFont_.lfFaceName, name.c_str(), LF_FACESIZE);
    font_ = gdi::CreateFontFrom(logFont_);
}

void TGaijiForm::SetScale(const ui::DpiScale& scale) {
    UseScale(scale);
    logFont_.lfHeight = scale(kGlyphHeight);
    font_ = gdi::CreateFontFrom(logFont_);
}

void TGaijiForm::SetGlyphCode(unsigned code) {
    if (unicodeMode_) GlyphCode = static_cast<WCHAR>(code & 0xFFFF);
}

void TGaijiForm::ShowAt(POINT topLeft) {
    // On top of the code table, which may have come up after the popup.
    SetWindowPos(Handle(), HWND_TOP, topLeft.x, topLeft.y, Scale()(kSide), Scale()(kSide), SWP_NOACTIVATE);
    if (!Showing()) ShowWindow(Handle(), SW_SHOWNA);
}

void TGaijiForm::Hide() { ShowWindow(Handle(), SW_HIDE); }

void TGaijiForm::FormPaint(HDC dc) {
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
    if (unicodeMode_) {
        DrawTextW(dc, &GlyphCode, 1, &text, kTextFormat);
    } else if (!GlyphText.empty()) {
        DrawTextA(dc, GlyphText.data(), static_cast<int>(std::min<size_t>(GlyphText.size(), 2)), &text,
                  kTextFormat);
    } else {
        gdi::Pen grey(CreatePen(PS_SOLID, s(1), RGB(192, 192, 192)));
        gdi::Selection keepGrey(dc, grey.get());
        MoveToEx(dc, last, first, nullptr);
        LineTo(dc, first, last);
        MoveToEx(dc, first, first, nullptr);
        LineTo(dc, last, last);
    }
}
