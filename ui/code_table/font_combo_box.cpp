#include "ui/code_table/font_combo_box.h"

#include "platform/platform.h"
#include "ui/control_text.h"
#include "ui/controls.h"

FontComboBox::FontComboBox(HWND parent, int id)
    : window_(ui::CreateControl(parent, "COMBOBOX", "",
                                WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL, 0, 0,
                                100, 200, id, nullptr)) {}

int CALLBACK FontComboBox::AddFontProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType,
                                       LPARAM combo) {
    // Exactly TrueType: neither a raster nor a device font.
    if (fontType != TRUETYPE_FONTTYPE || font->lfCharSet != SHIFTJIS_CHARSET) return -1;
    // The full name, which may differ from the face name, is what the list
    // shows and what the code table then sets as its face.
    const auto* record = reinterpret_cast<const ENUMLOGFONTA*>(font);
    char name[LF_FULLFACESIZE + 1] = {};
    memcpy(name, record->elfFullName, LF_FULLFACESIZE);
    if (name[0] == '\0' || name[0] == '@') return -1;
    SendMessageA(reinterpret_cast<HWND>(combo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    return -1;
}

void FontComboBox::FillFonts(HDC dc) {
    platform::EnumerateFontFamilies(dc, reinterpret_cast<FONTENUMPROCA>(AddFontProc),
                                    reinterpret_cast<LPARAM>(window_));
}

void FontComboBox::SelectFont(const std::string& name) {
    for (int i = 0; i < ItemCount(); ++i) {
        if (Item(i) == name) {
            SendMessageA(window_, CB_SETCURSEL, i, 0);
            return;
        }
    }
    SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(window_, name.c_str());
}

int FontComboBox::ItemCount() const { return static_cast<int>(SendMessageA(window_, CB_GETCOUNT, 0, 0)); }

std::string FontComboBox::Item(int index) const { return ui::ComboItemText(window_, index); }

int FontComboBox::ItemIndex() const { return static_cast<int>(SendMessageA(window_, CB_GETCURSEL, 0, 0)); }

std::string FontComboBox::Text() const { return ui::WindowText(window_); }
