#include "ui/docking.h"

namespace ui {

void MoveDockedPartner(HWND partner, const RECT& dragged, Dock side, int gap) {
    if (!partner || !IsWindow(partner)) return;
    RECT outer{};
    GetWindowRect(partner, &outer);
    const LONG width = outer.right - outer.left, height = outer.bottom - outer.top;
    POINT at{dragged.left, side == Dock::kBelow ? dragged.bottom + gap : dragged.top - height - gap};
    if (at.x < 0) at.x = 0;
    if (at.y < 0) at.y = 0;
    const LONG screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (at.x + width > screenWidth) at.x = screenWidth - width;
    if (at.y + height > screenHeight) at.y = screenHeight - height;
    SetWindowPos(partner, nullptr, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace ui
