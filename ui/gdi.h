// GDI for the windows' fonts and painting: each object frees or restores
// what it took, so no exit path leaks a pen or leaves a font selected into a
// borrowed device context.
#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace gdi {

// Fonts, pens, brushes and window DCs are owned by the types of
// platform/unique_handle.h, under the names the windows use.
using Font = platform::UniqueFont;
using Pen = platform::UniquePen;
using Brush = platform::UniqueBrush;
using WindowDC = platform::WindowDC;

// DrawText's format for a character in the middle of its cell: one line,
// centred both ways.
constexpr UINT kCentredText = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

// Selects an object into a device context and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint for WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A font with a face, a LOGFONT height and a character set; everything
// else at the mapper's defaults.
inline LOGFONTA MakeLogFont(const std::string& face, LONG height, BYTE charSet) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charSet;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return font;
}

inline Font CreateFontFrom(const LOGFONTA& font) { return Font(CreateFontIndirectA(&font)); }

}  // namespace gdi
