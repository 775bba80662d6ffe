#include "ui/hints.h"

#include <commctrl.h>

namespace ui {

void Hints::Create(HWND owner) {
    owner_ = owner;
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    // Long hints wrap instead of running off the screen.
    SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void Hints::Add(HWND control, const char* text) {
    TOOLINFOA tool = {};
    // The record size every comctl32 knows, from 4.00 on: older versions
    // refuse a larger record.
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Hints::Activate(bool on) { SendMessageA(tips_, TTM_ACTIVATE, on ? TRUE : FALSE, 0); }

}  // namespace ui
