#include "platform/grey_image.h"

#include <algorithm>

namespace platform {

void DrawGreyImage(HDC dc, int x, int y, int size, const std::vector<float>& ink) {
    if (size <= 0 || ink.size() < static_cast<size_t>(size) * size) return;
    std::vector<DWORD> pixels(ink.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        const auto level = static_cast<DWORD>(255 - std::clamp(ink[i], 0.0f, 1.0f) * 255);
        pixels[i] = level << 16 | level << 8 | level;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x, y, size, size, 0, 0, 0, size, pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace platform
