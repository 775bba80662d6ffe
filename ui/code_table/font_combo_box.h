// FontComboBox: an editable, sorted combo box listing the installed
// TrueType fonts of the Shift-JIS character set, so that the code table can
// draw its cells in the face the user picks or types.
#pragma once

#include <windows.h>

#include <string>

class FontComboBox {
public:
    // A child of parent with the given control id; the parent gets the
    // ordinary CBN_* notifications.
    FontComboBox(HWND parent, int id);
    FontComboBox(const FontComboBox&) = delete;
    FontComboBox& operator=(const FontComboBox&) = delete;

    HWND Handle() const { return window_; }

    // Appends the full names of the TrueType Shift-JIS families that dc
    // offers (vertical-writing "@" faces left out); the list is not
    // cleared first.
    void FillFonts(HDC dc);
    // Selects the first item equal to name byte for byte; without one,
    // shows name in the field with no item selected.
    void SelectFont(const std::string& name);

    // The text in the field. While CBN_SELCHANGE is handled the field
    // still shows the old text: read Item(ItemIndex()) there.
    std::string Text() const;
    int ItemCount() const;
    std::string Item(int index) const;
    int ItemIndex() const;

private:
    // EnumFontFamiliesA's callback: adds one family to the combo box.
    static int CALLBACK AddFontProc(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType,
                                    LPARAM combo);

    HWND window_;
};
