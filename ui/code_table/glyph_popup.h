// GlyphPopup: the borderless popup that shows the EUDC character under the
// mouse magnified, in the face chosen in the code table. It takes no
// input: clicks and mouse moves pass through to the grid beneath.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dpi_scale.h"
#include "ui/gdi.h"
#include "ui/window.h"

class GlyphPopup final : public ui::Window {
public:
    // Created hidden, owned by owner; draws in the numbering that
    // unicodeNumbering tells (true: Unicode), which its owner keeps.
    GlyphPopup(HWND owner, const bool& unicodeNumbering);

    // The character shown in Unicode numbering (one UTF-16 unit).
    WCHAR glyphCode = 0;
    // The two-byte character shown in Shift-JIS numbering; empty: the
    // position holds no character and a grey cross is shown.
    std::string glyphText;

    void SetFaceName(const std::string& name);
    // Size, font and lines for the DPI of the code table it shows over.
    void SetScale(const ui::DpiScale& scale);
    // Takes the low 16 bits of code, only in Unicode numbering.
    void SetGlyphCode(unsigned code);

    // Shows the popup at a screen position, 50 x 50, without activating it.
    void ShowAt(POINT topLeft);
    void Hide();
    const LOGFONTA& Font() const { return logFont_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Paints the popup into dc.
    void Paint(HDC dc);

    const bool& unicodeNumbering_;
    LOGFONTA logFont_{};
    gdi::Font font_;
};
