// A grey picture, ink on white, drawn onto a device context.
#pragma once

#include <windows.h>

#include <vector>

namespace platform {

// size x size values of ink (0: white, 1: black), rows from the top,
// drawn with its top left at (x, y), one pixel each.
void DrawGreyImage(HDC dc, int x, int y, int size, const std::vector<float>& ink);

}  // namespace platform
