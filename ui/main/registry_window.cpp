#include "ui/main/registry_window.h"

#include "engine/report/texts.h"
#include "ui/window_texts.h"
#include "ui/client_size.h"
#include "ui/controls.h"
#include "ui/modal.h"

namespace {
const ui::WindowClass kClass = {"TDispRegistryForm", GetSysColorBrush(COLOR_BTNFACE), 0};
const DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kFontHeight = 11;
}  // namespace

RegistryWindow::RegistryWindow(HWND owner, const Folders& folders) : owner_(owner), folders_(folders) {
    CreateLaidOut(kClass, 0, kStyle, texts::kRegistryWindowCaption, 0, 0, 446, 303, owner);
    font_ = ui::MakeFont(texts::kRegistryFontFace, Scale()(kFontHeight));
    const SIZE client = ui::ClientSize(Handle());
    // No horizontal scrolling: long paths wrap at the box's width.
    linkText = ui::CreateControl(Handle(), "EDIT", texts::kRegistryPlaceholder,
                                 WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, client.cx,
                                 client.cy, 1, font_.get());
}

void RegistryWindow::DpiChanged() {
    const gdi::Font oldFont = std::move(font_);  // until the text box holds the new one
    font_ = ui::MakeFont(texts::kRegistryFontFace, Scale()(kFontHeight));
    ui::SetFont(linkText, font_.get());
}

// The text box goes before the font it shows.
RegistryWindow::~RegistryWindow() { DestroyNow(); }

void RegistryWindow::ShowModal() {
    ui::CenterIn(Handle(), ui::ScreenRect());
    ShowLinks();
    const bool never = false;  // the loop ends when the window is destroyed
    ui::RunModal(Handle(), owner_, never);
}

// An install or an outside change since the last showing is reflected.
void RegistryWindow::ShowLinks() {
    links_ = ReadFontLinks(folders_.windows);
    SetWindowTextA(linkText, FontLinkText(links_).c_str());
}

LRESULT RegistryWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (linkText) MoveWindow(linkText, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        // The text, not the frame: the keys scroll it at once.
        if (linkText) SetFocus(linkText);
        return 0;
    case WM_CLOSE:
        // The owner takes the activation back before this window goes.
        EnableWindow(owner_, TRUE);
        DestroyWindow(Handle());
        return 0;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}
