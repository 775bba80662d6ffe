// The yardstick of the code table's scroll (figure 4b of scripts/bench): a
// bare window that does at each step only what any window scrolled by
// rows must do: move the drawn rows up (ScrollWindowEx), move the scroll
// bar's thumb (SetScrollInfo) and paint the one row uncovered, one
// DrawTextW a cell, in the grid's font and at the grid's cell places. It
// derives from the program's window base, as the grid does, so that both
// sides pay the same for each message.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/window.h"

namespace bench {

class BareScrollWindow final : public ui::Window {
public:
    // cells: the rectangles of one row's data cells; rowPitch: a row's
    // height with its line; rows: how many rows the content has.
    BareScrollWindow(const SIZE& client, HFONT font, const std::vector<RECT>& cells, int rowPitch,
                     int rows);

    bool created() const { return Handle() != nullptr; }
    // Back at the top, painted whole.
    void Home();
    // From where it stands down, one row a step, each step painted at once.
    void ScrollThrough(int steps);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void SetTop(int top);

    HFONT font_;
    std::vector<RECT> cells_;
    int rowPitch_, rows_, visibleRows_;
    int top_ = 0;
};

}  // namespace bench
