// CellGrid: an owner-drawn grid control. Windows has none, so this one
// does what the code table needs: one fixed header row and column that stay
// put while the rest scrolls by whole cells, 1-pixel grid lines, both
// scroll bars, single-cell selection by click and arrow keys with a focus
// rectangle, mouse move and mouse leave, and cell painting through
// OnDrawCell for the visible cells only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/code_table/code_numbering.h"
#include "ui/gdi.h"
#include "ui/window.h"

class CellGrid final : public ui::Window {
public:
    struct CellState {
        bool fixed;     // header row or column
        bool selected;  // the current cell
        bool focused;   // the grid has the keyboard focus
    };
    // Called for each cell being painted, after the grid has selected its
    // font, filled the cell and left its brush and the normal line pen
    // selected into dc. It may select another font; the brush and the
    // text colours it leaves as they are, for the cells after it.
    std::function<void(HDC dc, int col, int row, const RECT& rect, CellState state)> OnDrawCell;
    // The current cell changed to (col, row): click, keys or row count.
    std::function<void(int col, int row)> OnSelectCell;
    // Enter or a double click on the current cell.
    std::function<void(int col, int row)> OnOpenCell;
    // The mouse moved to (x, y), client coordinates.
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void()> OnMouseLeave;

    // A child window of parent; fonts are given by SetFont.
    CellGrid(HWND parent, int id, int colCount, int rowCount);

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return rowCount_; }
    // A current row beyond the new count moves to the last row, reported
    // through OnSelectCell like any other move.
    void SetRowCount(int count);
    int ColWidth(int col) const { return colWidths_[col]; }
    void SetColWidth(int col, int width);
    // Every column width and the row height (for the window's DPI).
    void SetCellSizes(int colWidth, int rowHeight);
    int RowHeight() const { return rowHeight_; }

    int Col() const { return col_; }
    int Row() const { return row_; }
    // Moves the current cell (kept within the data cells), scrolls it into
    // view and reports it through OnSelectCell.
    void SetCol(int col) { MoveTo(col, row_); }
    void SetRow(int row) { MoveTo(col_, row); }
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);

    const LOGFONTA& Font() const { return logFont_; }
    HFONT FontHandle() const { return font_.get(); }
    void SetFont(const LOGFONTA& font);
    void SetFaceName(const std::string& face);

    // The cell under a client position; {-1, -1} when there is none.
    numbering::Cell MouseToCell(int x, int y) const;
    // A cell's rectangle in client coordinates without its grid lines;
    // empty when the cell is scrolled out of view.
    RECT CellRect(int col, int row) const;
    // Paints the cells that meet area into dc.
    void Paint(HDC dc, const RECT& area);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void MoveTo(int col, int row);
    void ScrollIntoView();
    void SetLeftCol(int col);
    void OnKey(WPARAM key);
    void OnWheel(int delta);
    void OnScroll(int bar, WORD request);
    void UpdateScrollBars();
    void ScrollRows(int delta);
    void SetBar(int bar, int max, int page, int pos);
    void InvalidateCell(int col, int row);
    int FullyVisibleRows() const;
    int FullyVisibleCols() const;
    int MaxTopRow() const;
    int MaxLeftCol() const;
    SIZE ClientSize() const;
    // A column or row in view (index: its number) and where it lies across
    // or down, its line left out.
    struct Span {
        int index, begin, end;
    };
    // The columns and rows in view, the headers first.
    void SpansInView(const SIZE& client, std::vector<Span>& cols, std::vector<Span>& rows) const;
    void FillBackgrounds(HDC dc, const RECT& area, const std::vector<Span>& cols,
                         const std::vector<Span>& rows) const;
    void PaintLines(HDC dc, const RECT& area, const std::vector<Span>& cols,
                    const std::vector<Span>& rows) const;
    // focused: the grid has the keyboard focus (asked once per paint);
    // colours: the background whose brush and text colours dc holds (-1:
    // none yet), kept up to date for the next cell.
    void PaintCell(HDC dc, int col, int row, const RECT& rect, bool focused, int& colours);

    std::vector<int> colWidths_;
    int rowCount_;
    int rowHeight_ = 24;
    int col_ = 1, row_ = 1;
    int topRow_ = 1, leftCol_ = 1;
    bool tracking_ = false;
    // Wheel movement not yet turned into whole rows.
    int wheelRest_ = 0;
    bool updatingBars_ = false;
    // What each scroll bar was last given (SB_HORZ, SB_VERT).
    struct BarState {
        bool known = false;
        int max = 0, page = 0, pos = 0;
    };
    BarState bars_[2];
    LOGFONTA logFont_{};
    gdi::Font font_;
};
