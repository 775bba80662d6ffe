// The yardstick of the code table's scroll (figure 4b of scripts/bench): a
// bare window that does at each step only what any window scrolled by
// rows must do: move the drawn rows up (ScrollWindowEx), move the scroll
// bar's thumb (SetScrollInfo) and paint the one row uncovered, one
// DrawTextW a cell, in the grid's font and at the grid's cell places.
#pragma once

#include <windows.h>

#include <vector>

namespace bench {

class BareScrollWindow {
public:
    // cells: the rectangles of one row's data cells; rowPitch: a row's
    // height with its line; rows: how many rows the content has.
    BareScrollWindow(const SIZE& client, HFONT font, const std::vector<RECT>& cells, int rowPitch,
                     int rows);
    ~BareScrollWindow();
    BareScrollWindow(const BareScrollWindow&) = delete;
    BareScrollWindow& operator=(const BareScrollWindow&) = delete;

    bool created() const { return window_ != nullptr; }
    // Back at the top, painted whole.
    void Home();
    // From where it stands down, one row a step, each step painted at once.
    void ScrollThrough(int steps);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void SetTop(int top);

    HWND window_ = nullptr;
    HFONT font_;
    std::vector<RECT> cells_;
    int rowPitch_, rows_, visibleRows_;
    int top_ = 0;
};

}  // namespace bench
