#include "ui/gcode/follow_move.h"

POINT FollowPosition(const RECT& dragged, SIZE partner, int dockGap, SIZE screen) {
    POINT at{dragged.left, dragged.top - partner.cy - dockGap};
    if (at.x < 0) at.x = 0;
    if (at.y < 0) at.y = 0;
    if (at.x + partner.cx > screen.cx) at.x = screen.cx - partner.cx;
    if (at.y + partner.cy > screen.cy) at.y = screen.cy - partner.cy;
    return at;
}

void MovePartnerAbove(HWND partner, const RECT& dragged, int dockGap) {
    if (!partner || !IsWindow(partner)) return;
    RECT outer{};
    GetWindowRect(partner, &outer);
    SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    POINT at = FollowPosition(dragged, size, dockGap, screen);
    SetWindowPos(partner, nullptr, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
