#include "ui/main/disp_registry_form.h"

#include "engine/texts.h"
#include "ui/client_size.h"
#include "ui/controls.h"
#include "ui/modal.h"

namespace {
const ui::WindowClass kClass = {"TDispRegistryForm", GetSysColorBrush(COLOR_BTNFACE), 0};
const DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kFontHeight = 11;
}  // namespace

TDispRegistryForm::TDispRegistryForm(HWND owner, RunParameters& run) : owner_(owner), run_(run) {
    CreateLaidOut(kClass, 0, kStyle, texts::kDispRegFormCaption, 0, 0, 446, 303, owner);
    font_ = ui::MakeFont(texts::kDispRegFontFace, Scale()(kFontHeight));
    const SIZE client = ui::ClientSize(Handle());
    // No horizontal scrolling: long paths wrap at the box's width.
    Memo1 = ui::CreateControl(Handle(), "EDIT", texts::kDispRegPlaceholder,
                              WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
                              client.cx, client.cy, 1, font_.get());
}

void TDispRegistryForm::DpiChanged() {
    const gdi::Font oldFont = std::move(font_);  // until the text box holds the new one
    font_ = ui::MakeFont(texts::kDispRegFontFace, Scale()(kFontHeight));
    SendMessageA(Memo1, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

// The text box goes before the font it shows.
TDispRegistryForm::~TDispRegistryForm() { DestroyNow(); }

void TDispRegistryForm::ShowModal() {
    ui::CenterIn(Handle(), ui::ScreenRect());
    FormShow();
    const bool never = false;  // the loop ends when the window is destroyed
    ui::RunModal(Handle(), owner_, never);
}

// An install or an outside change since the last showing is reflected.
void TDispRegistryForm::FormShow() {
    run_.fontLinks = ReadFontLinks(run_.folders.windows);
    SetWindowTextA(Memo1, FontLinkText(run_.fontLinks).c_str());
}

void TDispRegistryForm::FormClose() { DestroyWindow(Handle()); }

LRESULT TDispRegistryForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (Memo1) MoveWindow(Memo1, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        // The text, not the frame: the keys scroll it at once.
        if (Memo1) SetFocus(Memo1);
        return 0;
    case WM_CLOSE:
        // The owner takes the activation back before this window goes.
        EnableWindow(owner_, TRUE);
        FormClose();
        return 0;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}
