#include "ui/modal.h"

namespace ui {

void RunModal(HWND dialog, HWND owner, const bool& done) {
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    MSG msg;
    while (!done && IsWindow(dialog)) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (owner)
                SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            if (done || !IsWindow(dialog)) break;
            if (GetMessageA(&msg, nullptr, 0, 0) <= 0) msg.message = WM_QUIT;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The owner takes the activation back before the dialog disappears.
    if (owner) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) ShowWindow(dialog, SW_HIDE);
    if (owner) SetActiveWindow(owner);
}

}  // namespace ui
