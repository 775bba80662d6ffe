#include "ui/hints.h"

#include <commctrl.h>

namespace ui {

namespace {

// The record that names a control of owner to the tooltip control.
TOOLINFOA Tool(HWND owner, HWND control, const char* text) {
    TOOLINFOA tool = {};
    // The record size every comctl32 knows, from 4.00 on: older versions
    // refuse a larger record.
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    return tool;
}

}  // namespace

void Hints::Create(HWND owner, int wrapWidth) {
    owner_ = owner;
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    if (wrapWidth > 0) SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, wrapWidth);
}

void Hints::Add(HWND control, const char* text) {
    TOOLINFOA tool = Tool(owner_, control, text);
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Hints::SetText(HWND control, const char* text) {
    TOOLINFOA tool = Tool(owner_, control, text);
    SendMessageA(tips_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Hints::Activate(bool on) { SendMessageA(tips_, TTM_ACTIVATE, on ? TRUE : FALSE, 0); }

}  // namespace ui
