// The code table's cells: the Shift-JIS texts, painting, and what the
// status bar and the popup say about the cell under the mouse.
#include "command/texts.h"
#include "ui/gcode/gcode_form.h"

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
constexpr LONG kHeaderFontHeight = 14;
constexpr int kPopupOffset = 8;  // from the mouse pointer, right and down

}  // namespace

void TGCodeForm::FillSjisRow(int rowIndex, unsigned lead, unsigned firstTrail) {
    auto& row = SjisCells[rowIndex];
    row[0] = texts::Format(texts::kRowHeaderFormat, {lead, firstTrail});
    for (int k = 1; k <= 16; ++k) {
        unsigned trail = firstTrail + k - 1;
        row[k] = numbering::IsSjisTrail(trail)
                     ? std::string{static_cast<char>(lead), static_cast<char>(trail)}
                     : std::string();
    }
}

void TGCodeForm::UpdateCellStatus(int col, int row) {
    std::string code;
    if (UnicodeMode) {
        unsigned point = numbering::UnicodeCodeAt(col, row);
        GlyphPopup->SetGlyphCode(point);
        code = texts::Format(texts::kCodeUnicodeFormat, {point});
    } else {
        const std::string& text = SjisCells[row - 1][col];
        GlyphPopup->GlyphText = text;
        code = text.empty() ? std::string(texts::kCodeNone)
                            : texts::Format(texts::kCodeSjisFormat,
                                            {static_cast<unsigned>(static_cast<unsigned char>(text[0])),
                                             static_cast<unsigned>(static_cast<unsigned char>(text[1]))});
    }
    SetPanelText(1, std::string(texts::kCodeLabel) + code);
}

void TGCodeForm::DrawGrid1SelectCell(int col, int row) {
    UpdateCellStatus(col, row);
    GlyphPopup->Repaint();
}

void TGCodeForm::DrawGrid1MouseMove(int x, int y) {
    numbering::Cell cell = DrawGrid1->MouseToCell(x, y);
    if (cell.col <= 0 || cell.row <= 0) {
        GlyphPopup->Hide();
        return;
    }
    UpdateCellStatus(cell.col, cell.row);
    POINT mouse{};
    GetCursorPos(&mouse);
    const int offset = scale_(kPopupOffset);
    GlyphPopup->ShowAt(POINT{mouse.x + offset, mouse.y + offset});
    GlyphPopup->Repaint();
}

void TGCodeForm::DrawGrid1MouseLeave() { GlyphPopup->Hide(); }

gdi::Font& TGCodeForm::HeaderFont() {
    const LOGFONTA& grid = DrawGrid1->Font();
    const LONG height = scale_(kHeaderFontHeight);
    if (!headerFont_.get() || headerFace_ != grid.lfFaceName || headerHeight_ != height) {
        LOGFONTA header = grid;
        header.lfHeight = height;
        headerFont_ = gdi::CreateFontFrom(header);
        headerFace_ = grid.lfFaceName;
        headerHeight_ = height;
    }
    return headerFont_;
}

void TGCodeForm::DrawColumnHeader(HDC dc, int col, const RECT& rect) {
    if (col == 0) return;
    SelectObject(dc, HeaderFont().get());
    std::string text = texts::Format(texts::kColumnHeaderFormat, {col - 1});
    RECT r = rect;
    DrawTextA(dc, text.data(), 1, &r, kTextFormat);
}

void TGCodeForm::DrawRowHeader(HDC dc, int row, const RECT& rect) {
    SelectObject(dc, HeaderFont().get());
    std::string text = UnicodeMode ? texts::Format(texts::kColumnHeaderFormat,
                                                   {numbering::UnicodeCodeAt(1, row)})
                                   : SjisCells[row - 1][0];
    RECT r = rect;
    DrawTextA(dc, text.data(), 4, &r, kTextFormat);
}

// The grid has filled the cell with its colour already: a second fill
// here would cost a call a cell and change no pixel.
void TGCodeForm::DrawGrid1DrawCell(HDC dc, int col, int row, const RECT& rect) {
    if (row == 0) return DrawColumnHeader(dc, col, rect);
    if (col == 0) return DrawRowHeader(dc, row, rect);
    RECT r = rect;
    if (UnicodeMode) {
        CellChar[0] = static_cast<WCHAR>(numbering::UnicodeCodeAt(col, row));
        DrawTextW(dc, CellChar, 1, &r, kTextFormat);
        return;
    }
    const std::string& text = SjisCells[row - 1][col];
    if (!text.empty()) {
        DrawTextA(dc, text.data(), 2, &r, kTextFormat);
        return;
    }
    // No character at this byte pair: a cross in the grid line pen.
    MoveToEx(dc, rect.right, rect.top, nullptr);
    LineTo(dc, rect.left, rect.bottom);
    MoveToEx(dc, rect.left, rect.top, nullptr);
    LineTo(dc, rect.right, rect.bottom);
}
