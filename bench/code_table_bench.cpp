// Figure 4 of scripts/bench: the code table in Unicode numbering, repainted
// whole and then scrolled row by row through all its rows, each step painted
// at once; against a bare loop that draws the same cells' characters with
// DrawTextW, in the same font, into a DC of the same grid window.
//   code_table_bench RUNS    prints "GRID_MS BARE_MS RATIO" (medians; the
//                            ratio is the median of the paired rounds')
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/figures.h"
#include "platform/platform.h"
#include "ui/code_table/code_numbering.h"
#include "ui/code_table/code_table_window.h"

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::unique_ptr<CodeTableWindow> OpenUnicodeTable(const RunParameters& run) {
    std::unique_ptr<CodeTableWindow> table = CodeTableWindow::Create(nullptr, 0, run, nullptr);
    RECT outer{0, 0, 482, 234};  // the size the main window docks it at
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    SetWindowPos(table->Handle(), nullptr, 40, 40, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER);
    table->Show();
    SendMessageA(table->numberingBox, CB_SETCURSEL, 1, 0);
    table->SwitchNumbering();
    Pump();
    return table;
}

// The grid: one whole repaint, then every top row in turn, painted at once.
double TimeGrid(CellGrid& grid) {
    const double start = Now();
    grid.SetTopRow(1);
    grid.Repaint();
    for (int top = 2; top < grid.RowCount(); ++top) {
        grid.SetTopRow(top);
        UpdateWindow(grid.Handle());
    }
    return Now() - start;
}

// The data cells' rectangles of the visible rows, from the top.
std::vector<std::vector<RECT>> VisibleCells(CellGrid& grid) {
    grid.SetTopRow(1);
    std::vector<std::vector<RECT>> rows;
    for (int row = 1; row < grid.RowCount(); ++row) {
        std::vector<RECT> cells;
        for (int col = 1; col < grid.ColCount(); ++col) {
            RECT rect = grid.CellRect(col, row);
            if (!IsRectEmpty(&rect)) cells.push_back(rect);
        }
        if (cells.empty()) break;
        rows.push_back(cells);
    }
    return rows;
}

// The same steps as TimeGrid, as bare DrawTextW calls of the same cells.
double TimeBare(CellGrid& grid, const std::vector<std::vector<RECT>>& visible) {
    const int rows = grid.RowCount() - 1;
    const int steps = 1 + (rows - static_cast<int>(visible.size()));
    const double start = Now();
    for (int step = 0; step < steps; ++step) {
        HDC dc = GetDC(grid.Handle());
        HGDIOBJ old = SelectObject(dc, grid.FontHandle());
        SetBkMode(dc, TRANSPARENT);
        for (size_t i = 0; i < visible.size(); ++i) {
            for (size_t c = 0; c < visible[i].size(); ++c) {
                WCHAR ch = static_cast<WCHAR>(
                    numbering::UnicodeCodeAt(static_cast<int>(c) + 1, step + static_cast<int>(i) + 1));
                RECT r = visible[i][c];
                DrawTextW(dc, &ch, 1, &r, kTextFormat);
            }
        }
        SelectObject(dc, old);
        ReleaseDC(grid.Handle(), dc);
    }
    GdiFlush();
    return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    RunParameters run(platform::ExecutablePath());
    std::unique_ptr<CodeTableWindow> table = OpenUnicodeTable(run);
    CellGrid& grid = *table->grid;
    const auto visible = VisibleCells(grid);
    if (grid.RowCount() != 401 || visible.empty()) {
        std::fprintf(stderr, "the Unicode table has %d rows, %zu visible\n", grid.RowCount() - 1,
                     visible.size());
        return 1;
    }
    bench::Samples gridMs, bareMs, ratios;
    for (int round = 0; round < runs; ++round) {
        double g, b;
        if (round % 2 == 0) g = TimeGrid(grid), b = TimeBare(grid, visible);
        else b = TimeBare(grid, visible), g = TimeGrid(grid);
        gridMs.push_back(g), bareMs.push_back(b), ratios.push_back(g / b);
        Pump();
    }
    std::fprintf(stderr, "  %zu rows of %d cells visible\n  grid ms: %s\n  bare ms: %s\n",
                 visible.size(), grid.ColCount() - 1, bench::Listed(gridMs).c_str(),
                 bench::Listed(bareMs).c_str());
    std::printf("%.1f %.1f %.3f\n", bench::Median(gridMs), bench::Median(bareMs), bench::Median(ratios));
    return 0;
}
