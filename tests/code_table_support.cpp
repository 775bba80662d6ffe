#include "tests/code_table_support.h"

#include <algorithm>
#include <cstdlib>

#include "platform/platform.h"
#include "tests/support/test_support.h"
#include "ui/client_size.h"
#include "ui/gdi.h"

namespace code_table_testing {

const char* const kShapesFace = "EUDCTest";
const char* const kPatternFace = "EUDCPattern";

void LoadTestFonts() {
    static bool loaded = false;
    if (loaded) return;
    for (const char* file : {"EUDCTEST.TTF", "EUDCPATTERN.TTF"}) {
        std::string path = testing_support::TestFontsFolder() + file;
        ASSERT_GT(AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr), 0) << path;
    }
    loaded = true;
}

HWND CreateStandInMain(int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CodeTableStandInMain";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "main", WS_OVERLAPPEDWINDOW, 100, 100, width, height,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

void CodeTableTest::SetUp() {
    LoadTestFonts();
    run.folders.os.dwMajorVersion = 6;
    run.fontLinks.links.clear();
    main = CreateStandInMain(500, 300);
    OpenTable();
    ASSERT_NE(table, nullptr);
    SetClientSize(482, 234);
    table->Show();
}

void CodeTableTest::TearDown() {
    table.reset();
    DestroyWindow(main);
}

void CodeTableTest::OpenTable() {
    table = CodeTableWindow::Create(main, 0, run, [this] { table.reset(); });
}

void CodeTableTest::SetClientSize(int width, int height) { ui::SetClientSize(table->Handle(), width, height); }

void CodeTableTest::PickCode(int item) { testing_support::SelectItem(table->numberingBox, item); }

void CodeTableTest::Select(int col, int row) {
    table->grid->SetRow(row);
    table->grid->SetCol(col);
}

Picture::Picture(int width, int height, const std::function<void(HDC)>& paint) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const platform::WindowDC screen(nullptr);
    const platform::UniqueMemoryDC memory(CreateCompatibleDC(screen.get()));
    const platform::UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const gdi::Selection selected(memory.get(), bitmap.get());
    paint(memory.get());
    GdiFlush();
    pixels_.assign(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width_ * height_);
}

Picture::Picture(HWND window)
    : Picture(ui::ClientSize(window).cx, ui::ClientSize(window).cy, [window](HDC dc) {
          SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
      }) {}

COLORREF Picture::At(int x, int y) const {
    DWORD p = pixels_[y * width_ + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Picture::IsInk(int x, int y, COLORREF background) const {
    COLORREF c = At(x, y);
    int d = std::abs(GetRValue(c) - GetRValue(background)) + std::abs(GetGValue(c) - GetGValue(background)) +
            std::abs(GetBValue(c) - GetBValue(background));
    return d > 3 * 100;
}

int Picture::InkCount(const RECT& area, COLORREF background) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += IsInk(x, y, background);
    return count;
}

int DecodePattern(const Picture& picture, const RECT& whole) {
    // Inside the focus rectangle that marks the current cell.
    RECT cell = whole;
    InflateRect(&cell, -2, -2);
    COLORREF background = picture.At(cell.left, cell.top);
    int left = cell.right, top = cell.bottom, right = cell.left - 1, bottom = cell.top - 1;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x)
            if (picture.IsInk(x, y, background)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right - left < 8 || bottom - top < 8) return -1;
    const int grid = 5;
    auto ink = [&](int gx, int gy) {
        double w = (right - left + 1) / double(grid), h = (bottom - top + 1) / double(grid);
        return picture.IsInk(left + int(w * (gx + 0.5)), top + int(h * (gy + 0.5)), background);
    };
    if (!ink(0, 0) || !ink(grid - 1, 0) || !ink(0, grid - 1) || !ink(grid - 1, grid - 1)) return -1;
    int code = 0, bit = 0;
    for (int gy = 0; gy < grid && bit < 16; ++gy)
        for (int gx = 0; gx < grid && bit < 16; ++gx) {
            bool corner = (gx == 0 || gx == grid - 1) && (gy == 0 || gy == grid - 1);
            if (corner) continue;
            if (ink(gx, gy)) code |= 1 << bit;
            ++bit;
        }
    return code;
}

}  // namespace code_table_testing
