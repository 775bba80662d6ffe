#include "ui/code_table/cell_grid.h"

#include <algorithm>
#include <cstdlib>

#include <windowsx.h>

#include "ui/client_size.h"
#include "ui/visible_colour.h"

namespace {

const ui::WindowClass kClass = {"MinamoDrawGrid", nullptr, CS_DBLCLKS};
constexpr int kLine = 1;  // grid line width
constexpr int kWheelRows = 3;

COLORREF NormalLineColour() {
    // Grey lines would vanish in cells that are themselves that grey.
    return GetSysColor(COLOR_WINDOW) == RGB(192, 192, 192) ? RGB(128, 128, 128)
                                                          : RGB(192, 192, 192);
}

}  // namespace

CellGrid::CellGrid(HWND parent, int id, int colCount, int rowCount)
    : colWidths_(colCount, 24), rowCount_(rowCount) {
    Create(kClass, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, "",
           0, 0, 100, 100, parent, id);
    UpdateScrollBars();
}

LRESULT CellGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        gdi::PaintDC paint(Handle());
        Paint(paint.get(), paint.area());
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT all{0, 0, ClientSize().cx, ClientSize().cy};
        Paint(reinterpret_cast<HDC>(wParam), all);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // Paint covers every pixel
    case WM_SIZE:
        UpdateScrollBars();
        return 0;
    case WM_GETDLGCODE: {
        // Enter opens the current cell rather than pressing a default button.
        const MSG* keys = reinterpret_cast<const MSG*>(lParam);
        const bool enter = keys && keys->message == WM_KEYDOWN && keys->wParam == VK_RETURN;
        return DLGC_WANTARROWS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateCell(col_, row_);
        return 0;
    case WM_KEYDOWN:
        OnKey(wParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        SetFocus(Handle());
        numbering::Cell cell = MouseToCell(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (!numbering::IsDataCell(cell, rowCount_ - 1) || cell.col >= ColCount()) return 0;
        MoveTo(cell.col, cell.row);
        if (message == WM_LBUTTONDBLCLK && OnOpenCell) OnOpenCell(col_, row_);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof(track);
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = Handle();
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        if (OnMouseMove) OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (OnMouseLeave) OnMouseLeave();
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    default:
        return ui::Window::HandleMessage(message, wParam, lParam);
    }
}

// --- Geometry ---------------------------------------------------------------

SIZE CellGrid::ClientSize() const { return ui::ClientSize(Handle()); }

int CellGrid::FullyVisibleRows() const {
    int space = ClientSize().cy - (rowHeight_ + kLine);
    return std::max(1, space / (rowHeight_ + kLine));
}

int CellGrid::FullyVisibleCols() const {
    int space = ClientSize().cx - (colWidths_[0] + kLine);
    int count = 0;
    for (int c = leftCol_; c < ColCount() && space >= colWidths_[c] + kLine; ++c) {
        space -= colWidths_[c] + kLine;
        ++count;
    }
    return std::max(1, count);
}

int CellGrid::MaxTopRow() const { return std::max(1, rowCount_ - FullyVisibleRows()); }

int CellGrid::MaxLeftCol() const {
    int space = ClientSize().cx - (colWidths_[0] + kLine);
    int col = ColCount() - 1;
    space -= colWidths_[col] + kLine;
    while (col > 1 && space >= colWidths_[col - 1] + kLine) {
        --col;
        space -= colWidths_[col] + kLine;
    }
    return std::max(1, col);
}

RECT CellGrid::CellRect(int col, int row) const {
    RECT rect{0, 0, 0, 0};
    if (col < 0 || col >= ColCount() || row < 0 || row >= rowCount_) return rect;
    if ((col > 0 && col < leftCol_) || (row > 0 && row < topRow_)) return rect;
    int x = 0;
    if (col > 0) {
        x = colWidths_[0] + kLine;
        for (int c = leftCol_; c < col; ++c) x += colWidths_[c] + kLine;
    }
    int y = row == 0 ? 0 : (rowHeight_ + kLine) * (1 + row - topRow_);
    SIZE client = ClientSize();
    if (x >= client.cx || y >= client.cy) return rect;
    return RECT{x, y, x + colWidths_[col], y + rowHeight_};
}

numbering::Cell CellGrid::MouseToCell(int x, int y) const {
    SIZE client = ClientSize();
    if (x < 0 || y < 0 || x >= client.cx || y >= client.cy) return {-1, -1};
    numbering::Cell cell{-1, -1};
    for (int c = 0; c < ColCount(); c = c == 0 ? leftCol_ : c + 1) {
        RECT r = CellRect(c, 0);
        if (r.right == 0 && c > 0) break;
        if (x >= r.left && x < r.right + kLine) {
            cell.col = c;
            break;
        }
    }
    int row = y < rowHeight_ + kLine ? 0 : topRow_ + (y - (rowHeight_ + kLine)) / (rowHeight_ + kLine);
    if (row < rowCount_) cell.row = row;
    if (cell.col < 0 || cell.row < 0) return {-1, -1};
    return cell;
}

// --- State ------------------------------------------------------------------

void CellGrid::SetRowCount(int count) {
    rowCount_ = std::max(2, count);
    topRow_ = std::min(topRow_, MaxTopRow());
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
    if (row_ >= rowCount_) MoveTo(col_, rowCount_ - 1);
}

void CellGrid::SetColWidth(int col, int width) {
    colWidths_[col] = width;
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CellGrid::SetCellSizes(int colWidth, int rowHeight) {
    colWidths_.assign(colWidths_.size(), colWidth);
    rowHeight_ = rowHeight;
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CellGrid::SetFont(const LOGFONTA& font) {
    logFont_ = font;
    font_ = gdi::CreateFontFrom(logFont_);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CellGrid::SetFaceName(const std::string& face) {
    LOGFONTA font = logFont_;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    SetFont(font);
}

void CellGrid::MoveTo(int col, int row) {
    col = std::clamp(col, 1, ColCount() - 1);
    row = std::clamp(row, 1, rowCount_ - 1);
    if (col != col_ || row != row_) {
        InvalidateCell(col_, row_);
        col_ = col;
        row_ = row;
        InvalidateCell(col_, row_);
    }
    ScrollIntoView();
    if (OnSelectCell) OnSelectCell(col_, row_);
}

void CellGrid::ScrollIntoView() {
    if (row_ < topRow_) SetTopRow(row_);
    else if (row_ >= topRow_ + FullyVisibleRows()) SetTopRow(row_ - FullyVisibleRows() + 1);
    if (col_ < leftCol_) SetLeftCol(col_);
    else if (col_ >= leftCol_ + FullyVisibleCols()) SetLeftCol(col_ - FullyVisibleCols() + 1);
}

void CellGrid::SetTopRow(int row) {
    row = std::clamp(row, 1, MaxTopRow());
    if (row == topRow_) return;
    const int delta = row - topRow_;
    topRow_ = row;
    UpdateScrollBars();
    ScrollRows(delta);
}

// Moves the rows below the header row on the screen and leaves only the
// uncovered ones to be painted: a step of one row paints one row, not the
// whole grid. A jump of a screenful or more repaints everything.
void CellGrid::ScrollRows(int delta) {
    const int pitch = rowHeight_ + kLine;
    SIZE client = ClientSize();
    if (std::abs(delta) * pitch >= client.cy) {
        InvalidateRect(Handle(), nullptr, FALSE);
        return;
    }
    RECT body{0, pitch, client.cx, client.cy};
    ScrollWindowEx(Handle(), 0, -delta * pitch, &body, &body, nullptr, nullptr, SW_INVALIDATE);
}

void CellGrid::SetLeftCol(int col) {
    col = std::clamp(col, 1, MaxLeftCol());
    if (col == leftCol_) return;
    leftCol_ = col;
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CellGrid::InvalidateCell(int col, int row) {
    RECT rect = CellRect(col, row);
    InflateRect(&rect, kLine, kLine);
    InvalidateRect(Handle(), &rect, FALSE);
}

// --- Input ------------------------------------------------------------------

void CellGrid::OnKey(WPARAM key) {
    bool control = GetKeyState(VK_CONTROL) < 0;
    int page = FullyVisibleRows();
    switch (key) {
    case VK_UP: MoveTo(col_, row_ - 1); break;
    case VK_DOWN: MoveTo(col_, row_ + 1); break;
    case VK_LEFT: MoveTo(col_ - 1, row_); break;
    case VK_RIGHT: MoveTo(col_ + 1, row_); break;
    case VK_PRIOR: MoveTo(col_, row_ - page); break;
    case VK_NEXT: MoveTo(col_, row_ + page); break;
    case VK_HOME: control ? MoveTo(col_, 1) : MoveTo(1, row_); break;
    case VK_END: control ? MoveTo(col_, rowCount_ - 1) : MoveTo(ColCount() - 1, row_); break;
    case VK_RETURN:
        if (OnOpenCell) OnOpenCell(col_, row_);
        break;
    default: break;
    }
}

// A notch of the wheel (WHEEL_DELTA) scrolls kWheelRows rows. Touchpads
// and fine wheels send parts of a notch: they add up until they make a
// row; a turn the other way starts afresh.
void CellGrid::OnWheel(int delta) {
    constexpr int kDeltaPerRow = WHEEL_DELTA / kWheelRows;
    if ((delta < 0) != (wheelRest_ < 0)) wheelRest_ = 0;
    wheelRest_ += delta;
    const int rows = wheelRest_ / kDeltaPerRow;
    wheelRest_ -= rows * kDeltaPerRow;
    SetTopRow(topRow_ - rows);
}

void CellGrid::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int first = bar == SB_VERT ? topRow_ : leftCol_;
    int page = bar == SB_VERT ? FullyVisibleRows() : FullyVisibleCols();
    int target;
    switch (request) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = info.nTrackPos + 1; break;
    case SB_TOP: target = 1; break;
    case SB_BOTTOM: target = 1 << 20; break;
    default: return;
    }
    if (bar == SB_VERT) SetTopRow(target);
    else SetLeftCol(target);
}

void CellGrid::UpdateScrollBars() {
    // Showing or hiding a bar resizes the client area and so comes back
    // here through WM_SIZE; the outer call finishes the work.
    if (updatingBars_ || !Handle()) return;
    updatingBars_ = true;
    const int top = topRow_, left = leftCol_;
    for (int pass = 0; pass < 2; ++pass) {
        topRow_ = std::clamp(topRow_, 1, MaxTopRow());
        leftCol_ = std::clamp(leftCol_, 1, MaxLeftCol());
        SetBar(SB_VERT, rowCount_ - 2, FullyVisibleRows(), topRow_ - 1);
        SetBar(SB_HORZ, ColCount() - 2, FullyVisibleCols(), leftCol_ - 1);
    }
    // A larger grid that was scrolled to the end shows earlier rows or
    // columns: every cell moves, not only the uncovered ones.
    if (topRow_ != top || leftCol_ != left) InvalidateRect(Handle(), nullptr, FALSE);
    updatingBars_ = false;
}

// SetScrollInfo redraws the bar at once, which takes Wine milliseconds a
// call: a scroll by one row called it four times. Only a change goes on.
void CellGrid::SetBar(int bar, int max, int page, int pos) {
    BarState& last = bars_[bar == SB_VERT ? 1 : 0];
    if (last.known && last.max == max && last.page == page && last.pos == pos) return;
    last = BarState{true, max, page, pos};
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, max, static_cast<UINT>(page), pos, 0};
    SetScrollInfo(Handle(), bar, &info, TRUE);
}

// --- Painting ---------------------------------------------------------------

namespace {

// Lines of one pen, drawn with one call: under Wine each GDI call has a
// fixed cost that a cell's few pixels of line do not repay.
class LineBatch {
public:
    // From (x1, y1) to (x2, y2), the end point left out as LineTo does.
    void Add(LONG x1, LONG y1, LONG x2, LONG y2) {
        points_.push_back(POINT{x1, y1});
        points_.push_back(POINT{x2, y2});
        counts_.push_back(2);
    }
    void Draw(HDC dc, HPEN pen) const {
        if (counts_.empty()) return;
        gdi::Selection keep(dc, pen);
        PolyPolyline(dc, points_.data(), counts_.data(), static_cast<DWORD>(counts_.size()));
    }

private:
    std::vector<POINT> points_;
    std::vector<DWORD> counts_;
};

// A header cell's raised edge as DrawEdge(BDR_RAISEDINNER, BF_RECT) draws
// it: top and left in the light colour, then bottom and right in the
// shadow, which so takes the two corners they share.
void AddRaisedEdge(const RECT& r, LineBatch& light, LineBatch& shadow) {
    light.Add(r.left, r.top, r.right, r.top);
    light.Add(r.left, r.top, r.left, r.bottom);
    shadow.Add(r.left, r.bottom - 1, r.right, r.bottom - 1);
    shadow.Add(r.right - 1, r.top, r.right - 1, r.bottom);
}

// The pixels from (x1, y1) to (x2, y2), both included, within area.
void FillStrip(HDC dc, const RECT& area, LONG x1, LONG y1, LONG x2, LONG y2, HBRUSH brush) {
    RECT strip{x1, y1, x2 + 1, y2 + 1}, inside;
    if (IntersectRect(&inside, &strip, &area)) FillRect(dc, &inside, brush);
}

}  // namespace

void CellGrid::Paint(HDC dc, const RECT& area) {
    // Left selected for the cells: the cell handler draws its crosses with it.
    gdi::Pen normalPen(CreatePen(PS_SOLID, kLine, NormalLineColour()));
    gdi::Selection keepPen(dc, normalPen.get());
    gdi::Selection keepFont(dc, font_.get());
    gdi::Selection keepBrush(dc, GetStockObject(WHITE_BRUSH));
    const SIZE client = ClientSize();
    // Once, not per cell: under Wine each GetFocus asks the server.
    const bool focused = GetFocus() == Handle();
    std::vector<Span> cols, rows;
    SpansInView(client, cols, rows);
    FillBackgrounds(dc, area, cols, rows);
    SetBkMode(dc, TRANSPARENT);
    // The headers' edges go on after the cells, with the grid lines: none
    // of them meets another cell's inside.
    LineBatch light, shadow;
    int colours = -1;  // the background whose brush and colours are selected
    for (const Span& row : rows) {
        for (const Span& col : cols) {
            const RECT rect{col.begin, row.begin, col.end, row.end};
            RECT withLines{rect.left, rect.top, rect.right + kLine, rect.bottom + kLine}, meet;
            if (!IntersectRect(&meet, &withLines, &area)) continue;
            if (col.index == 0 || row.index == 0) AddRaisedEdge(rect, light, shadow);
            PaintCell(dc, col.index, row.index, rect, focused, colours);
        }
    }
    PaintLines(dc, area, cols, rows);
    gdi::Pen lightPen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    gdi::Pen shadowPen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    light.Draw(dc, lightPen.get());
    shadow.Draw(dc, shadowPen.get());
    // What lies beyond the last cells shows the window colour.
    const int right = cols.empty() ? 0 : cols.back().end + kLine;
    const int bottom = rows.empty() ? 0 : rows.back().end + kLine;
    HBRUSH window = GetSysColorBrush(COLOR_WINDOW);
    RECT beyondRight{right, 0, client.cx, client.cy}, beyondBottom{0, bottom, right, client.cy};
    FillRect(dc, &beyondRight, window);
    FillRect(dc, &beyondBottom, window);
}

// The places follow one another: x and y grow by a cell and its line,
// from the headers on to the first column and row scrolled to.
void CellGrid::SpansInView(const SIZE& client, std::vector<Span>& cols, std::vector<Span>& rows) const {
    for (int col = 0, x = 0; col < ColCount() && x < client.cx; col = col == 0 ? leftCol_ : col + 1) {
        cols.push_back(Span{col, x, x + colWidths_[col]});
        x += colWidths_[col] + kLine;
    }
    for (int row = 0, y = 0; row < rowCount_ && y < client.cy; row = row == 0 ? topRow_ : row + 1) {
        rows.push_back(Span{row, y, y + rowHeight_});
        y += rowHeight_ + kLine;
    }
}

// Three fills, not one a cell: the header row, the header column and the
// other cells, each in its colour, the lines' pixels with them (the lines
// are drawn over them after). The selected cell's own colour comes with it.
void CellGrid::FillBackgrounds(HDC dc, const RECT& area, const std::vector<Span>& cols,
                                const std::vector<Span>& rows) const {
    if (cols.empty() || rows.empty()) return;
    auto fill = [&](const Span& across, const Span& lastAcross, const Span& down, const Span& lastDown,
                    int colour) {
        RECT block{across.begin, down.begin, lastAcross.end + kLine, lastDown.end + kLine}, inside;
        if (IntersectRect(&inside, &block, &area)) FillRect(dc, &inside, GetSysColorBrush(colour));
    };
    fill(cols.front(), cols.back(), rows.front(), rows.front(), COLOR_BTNFACE);
    if (rows.size() < 2) return;
    fill(cols.front(), cols.front(), rows[1], rows.back(), COLOR_BTNFACE);
    if (cols.size() < 2) return;
    fill(cols[1], cols.back(), rows[1], rows.back(), COLOR_WINDOW);
}

// Each cell has its line on its right and on its bottom, in black for a
// header cell and in grey for the others. Drawn a cell at a time, that is
// two calls a cell; the same pixels make one long strip a column or row
// of each colour, and no pixel is in two strips of different colours.
void CellGrid::PaintLines(HDC dc, const RECT& area, const std::vector<Span>& cols,
                           const std::vector<Span>& rows) const {
    if (cols.empty() || rows.empty()) return;
    gdi::Brush fixed(CreateSolidBrush(
        ui::VisibleColour(RGB(0, 0, 0), GetSysColor(COLOR_BTNFACE), COLOR_BTNTEXT)));
    gdi::Brush normal(CreateSolidBrush(NormalLineColour()));
    const LONG left = cols.front().begin, right = cols.back().end;
    const LONG top = rows.front().begin, bottom = rows.back().end;
    const Span& header = rows.front();
    const Span& headerCol = cols.front();
    // The header row's lines, then the header column's.
    for (const Span& col : cols) FillStrip(dc, area, col.end, header.begin, col.end, header.end, fixed.get());
    FillStrip(dc, area, left, header.end, right, header.end, fixed.get());
    FillStrip(dc, area, headerCol.end, top, headerCol.end, bottom, fixed.get());
    for (size_t r = 1; r < rows.size(); ++r)
        FillStrip(dc, area, headerCol.begin, rows[r].end, headerCol.end, rows[r].end, fixed.get());
    // The data cells' lines.
    if (cols.size() < 2 || rows.size() < 2) return;
    for (size_t c = 1; c < cols.size(); ++c)
        FillStrip(dc, area, cols[c].end, rows[1].begin, cols[c].end, bottom, normal.get());
    for (size_t r = 1; r < rows.size(); ++r)
        FillStrip(dc, area, cols[1].begin, rows[r].end, right, rows[r].end, normal.get());
}

void CellGrid::PaintCell(HDC dc, int col, int row, const RECT& rect, bool focused, int& colours) {
    bool fixed = col == 0 || row == 0;
    bool selected = !fixed && col == col_ && row == row_;
    int background = COLOR_WINDOW, text = COLOR_WINDOWTEXT;
    if (fixed) background = COLOR_BTNFACE;
    else if (selected && !focused) background = COLOR_HIGHLIGHT, text = COLOR_HIGHLIGHTTEXT;
    HBRUSH brush = GetSysColorBrush(background);
    if (colours != background) {
        SelectObject(dc, brush);
        SetTextColor(dc, GetSysColor(text));
        SetBkColor(dc, GetSysColor(background));
        colours = background;
    }
    SelectObject(dc, font_.get());
    // The others have their colour from FillBackgrounds.
    if (background == COLOR_HIGHLIGHT) FillRect(dc, &rect, brush);
    if (OnDrawCell) OnDrawCell(dc, col, row, rect, CellState{fixed, selected, focused});
    if (selected && focused) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &rect);
        colours = -1;
    }
}
