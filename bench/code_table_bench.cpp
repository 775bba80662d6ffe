// Figure 4 of scripts/bench: the code table in Unicode numbering, in two
// parts, each against its yardstick in the same process, in turns:
//   4a. whole repaints of the visible grid, against a bare loop that draws
//       the text of the same cells with DrawTextW, in the same fonts (the
//       headers' and the characters'), into a DC of the same grid window;
//   4b. a scroll through all its rows, one row a step, each step painted at
//       once, against a bare scrolled window (bare_scroll_window.h).
//   code_table_bench RUNS    prints two lines "GRID_MS BARE_MS RATIO"
//                            (medians; the ratio is the median of the
//                            paired rounds'), 4a first
//   code_table_bench RUNS repaint    4a alone (one line)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "bench/bare_scroll_window.h"
#include "bench/figures.h"
#include "platform/platform.h"
#include "ui/code_table/code_numbering.h"
#include "ui/code_table/code_table_window.h"
#include "ui/gdi.h"

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

constexpr int kRepaints = 20;  // a round of 4a: one repaint is too short to time alone

double TimeGridRepaints(CellGrid& grid) {
    grid.SetTopRow(1);
    const double start = Now();
    for (int i = 0; i < kRepaints; ++i) grid.Repaint();
    return Now() - start;
}

// The data cells' rectangles of the rows in view, from the top, the last
// one's cut off by the grid's bottom edge included: the cells a repaint
// draws.
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

// How many of those rows are in view whole: a scroll ends when the last
// row of the table is one of them.
int WholeRows(CellGrid& grid, const std::vector<std::vector<RECT>>& visible) {
    RECT client{};
    GetClientRect(grid.Handle(), &client);
    int whole = 0;
    for (const std::vector<RECT>& row : visible)
        if (row[0].bottom < client.bottom) ++whole;
    return whole;
}

// What the bare loop draws of one cell in view: its text, in the header
// font or in the grid's.
struct BareCell {
    RECT rect;
    std::wstring text;
    bool header;
};

std::wstring Hex(unsigned value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%X", value);
    return text;
}

// Every cell a repaint at the top draws a text into: the column and row
// headers and the characters (the corner cell stays empty).
std::vector<BareCell> CellsInView(CellGrid& grid, const std::vector<std::vector<RECT>>& visible) {
    std::vector<BareCell> cells;
    for (size_t c = 0; c < visible[0].size(); ++c)
        cells.push_back({grid.CellRect(static_cast<int>(c) + 1, 0), Hex(static_cast<unsigned>(c)), true});
    for (size_t r = 0; r < visible.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        cells.push_back({grid.CellRect(0, row), Hex(numbering::UnicodeCodeAt(1, row)), true});
        for (size_t c = 0; c < visible[r].size(); ++c)
            cells.push_back({visible[r][c],
                             std::wstring(1, static_cast<wchar_t>(numbering::UnicodeCodeAt(static_cast<int>(c) + 1, row))),
                             false});
    }
    return cells;
}

// The same repaints as bare DrawTextW calls of the same cells' texts.
double TimeBareRepaints(CellGrid& grid, const std::vector<BareCell>& cells, HFONT headerFont) {
    const double start = Now();
    for (int i = 0; i < kRepaints; ++i) {
        const gdi::WindowDC dc(grid.Handle());
        gdi::Selection keepFont(dc.get(), headerFont);
        SetBkMode(dc.get(), TRANSPARENT);
        for (const bool header : {true, false}) {
            SelectObject(dc.get(), header ? headerFont : grid.FontHandle());
            for (const BareCell& cell : cells) {
                if (cell.header != header) continue;
                RECT r = cell.rect;
                DrawTextW(dc.get(), cell.text.data(), static_cast<int>(cell.text.size()), &r, kTextFormat);
            }
        }
    }
    GdiFlush();
    return Now() - start;
}

// Every top row in turn from the first, painted at once: the steps a
// user's scroll through the whole table takes.
double TimeGridScroll(CellGrid& grid, int steps) {
    grid.SetTopRow(1);
    grid.Repaint();
    const double start = Now();
    for (int top = 2; top <= steps + 1; ++top) {
        grid.SetTopRow(top);
        UpdateWindow(grid.Handle());
    }
    return Now() - start;
}

double TimeBareScroll(bench::BareScrollWindow& bare, int steps) {
    bare.Home();
    const double start = Now();
    bare.ScrollThrough(steps);
    GdiFlush();
    return Now() - start;
}

// One figure: rounds in turns, the measured side first in every other one.
struct Paired {
    bench::Samples measured, baseline, ratios;
    template <class Measured, class Baseline>
    void Round(bool measuredFirst, Measured measure, Baseline base) {
        double m, b;
        if (measuredFirst) m = measure(), b = base();
        else b = base(), m = measure();
        measured.push_back(m), baseline.push_back(b), ratios.push_back(m / b);
        Pump();
    }
    void Print(const char* name) const {
        std::fprintf(stderr, "  %s grid ms: %s\n  %s bare ms: %s\n", name, bench::Listed(measured).c_str(),
                     name, bench::Listed(baseline).c_str());
        std::printf("%.1f %.1f %.3f\n", bench::Median(measured), bench::Median(baseline),
                    bench::Median(ratios));
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    RunParameters run(platform::ExecutablePath());
    std::unique_ptr<CodeTableWindow> table = OpenUnicodeTable(run);
    CellGrid& grid = *table->grid;
    const auto visible = VisibleCells(grid);
    const int rows = grid.RowCount() - 1;
    if (rows != 400 || visible.empty()) {
        std::fprintf(stderr, "the Unicode table has %d rows, %zu visible\n", rows, visible.size());
        return 1;
    }
    const int steps = rows - WholeRows(grid, visible);
    RECT client{};
    GetClientRect(grid.Handle(), &client);
    bench::BareScrollWindow bare(SIZE{client.right, client.bottom}, grid.FontHandle(), visible[0],
                                 grid.RowHeight() + 1, rows);
    if (!bare.created()) return 1;
    const bool withScroll = !(argc > 2 && std::strcmp(argv[2], "repaint") == 0);
    // The headers' font as the code table makes it at 96 DPI.
    LOGFONTA headerLog = grid.Font();
    headerLog.lfHeight = 14;
    const gdi::Font headerFont = gdi::CreateFontFrom(headerLog);
    const std::vector<BareCell> cells = CellsInView(grid, visible);
    Paired repaint, scroll;
    for (int round = 0; round < runs; ++round) {
        const bool gridFirst = round % 2 == 0;
        repaint.Round(gridFirst, [&] { return TimeGridRepaints(grid); },
                      [&] { return TimeBareRepaints(grid, cells, headerFont.get()); });
        if (withScroll)
            scroll.Round(gridFirst, [&] { return TimeGridScroll(grid, steps); },
                         [&] { return TimeBareScroll(bare, steps); });
    }
    std::fprintf(stderr, "  %zu rows of %zu cells in view, %d scroll steps\n", visible.size(),
                 visible[0].size(), steps);
    repaint.Print("repaint");
    if (withScroll) scroll.Print("scroll");
    return 0;
}
