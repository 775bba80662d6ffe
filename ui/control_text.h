// Reading the texts of controls, shared by all windows of the program.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The window's text (a control's caption or an edit's content).
inline std::string WindowText(HWND hwnd) {
    int n = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    n = GetWindowTextA(hwnd, &text[0], n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

// The text of a combo box's list item; empty for no such item (CB_ERR).
inline std::string ComboItemText(HWND combo, LRESULT index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace ui
