// The code table's cells: the Shift-JIS texts, painting, and what the
// status bar and the popup say about the cell under the mouse.
#include "engine/report/texts.h"
#include "ui/window_texts.h"
#include "ui/code_table/code_table_window.h"
#include "platform/text.h"

namespace {

constexpr LONG kHeaderFontHeight = 14;
constexpr int kPopupOffset = 8;  // from the mouse pointer, right and down

}  // namespace

void CodeTableWindow::FillSjisRow(int rowIndex, unsigned lead, unsigned firstTrail) {
    auto& row = sjisCells_[rowIndex];
    row[0] = texts::Format(texts::kRowHeaderFormat, {lead, firstTrail});
    for (int k = 1; k <= 16; ++k) {
        unsigned trail = firstTrail + k - 1;
        row[k] = numbering::IsSjisTrail(trail)
                     ? std::string{static_cast<char>(lead), static_cast<char>(trail)}
                     : std::string();
    }
}

void CodeTableWindow::UpdateCellStatus(int col, int row) {
    std::string code;
    if (unicodeNumbering_) {
        unsigned point = numbering::UnicodeCodeAt(col, row);
        popup_->SetGlyphCode(point);
        code = texts::Format(texts::kCodeUnicodeFormat, {point});
    } else {
        const std::string& text = sjisCells_[row - 1][col];
        popup_->glyphText = text;
        code = text.empty() ? std::string(texts::kCodeNone)
                            : texts::Format(texts::kCodeSjisFormat,
                                            {static_cast<unsigned>(static_cast<unsigned char>(text[0])),
                                             static_cast<unsigned>(static_cast<unsigned char>(text[1]))});
    }
    SetPanelText(1, std::string(texts::kCodeLabel) + code);
}

void CodeTableWindow::CellSelected(int col, int row) {
    UpdateCellStatus(col, row);
    popup_->Repaint();
}

void CodeTableWindow::MouseMoved(int x, int y) {
    numbering::Cell cell = grid->MouseToCell(x, y);
    if (cell.col <= 0 || cell.row <= 0) {
        popup_->Hide();
        return;
    }
    UpdateCellStatus(cell.col, cell.row);
    POINT mouse{};
    GetCursorPos(&mouse);
    const int offset = Scale()(kPopupOffset);
    popup_->ShowAt(POINT{mouse.x + offset, mouse.y + offset});
    popup_->Repaint();
}

void CodeTableWindow::MouseLeft() { popup_->Hide(); }

void CodeTableWindow::OpenCandidates(int col, int row) {
    const std::string file = FindLinkedFile(run_.fontLinks, fontText_, run_.folders.MajorVersion());
    const std::wstring character =
        unicodeNumbering_ ? std::wstring(1, static_cast<WCHAR>(numbering::UnicodeCodeAt(col, row)))
                          : platform::ToWide(CodePage(), sjisCells_[row - 1][col]);
    if (file.empty() || character.size() != 1) return;
    // The window of the same file shows the character: the desk stays where it is.
    if (candidates_ && candidates_->File() == file) {
        candidates_->ShowCharacter(character[0]);
        SetForegroundWindow(candidates_->Handle());
        return;
    }
    candidates_.reset();
    candidates_ = CandidateWindow::Create(Handle(), run_, finder_, fontText_, file, character[0],
                                          [this]() { candidates_.reset(); });
}

gdi::Font& CodeTableWindow::HeaderFont() {
    const LOGFONTA& cells = grid->Font();
    const LONG height = Scale()(kHeaderFontHeight);
    if (!headerFont_.get() || headerFace_ != cells.lfFaceName || headerHeight_ != height) {
        LOGFONTA header = cells;
        header.lfHeight = height;
        headerFont_ = gdi::CreateFontFrom(header);
        headerFace_ = cells.lfFaceName;
        headerHeight_ = height;
    }
    return headerFont_;
}

void CodeTableWindow::DrawColumnHeader(HDC dc, int col, const RECT& rect) {
    if (col == 0) return;
    SelectObject(dc, HeaderFont().get());
    std::string text = texts::Format(texts::kColumnHeaderFormat, {col - 1});
    RECT r = rect;
    DrawTextA(dc, text.data(), 1, &r, gdi::kCentredText);
}

void CodeTableWindow::DrawRowHeader(HDC dc, int row, const RECT& rect) {
    SelectObject(dc, HeaderFont().get());
    std::string text = unicodeNumbering_
                           ? texts::Format(texts::kColumnHeaderFormat, {numbering::UnicodeCodeAt(1, row)})
                           : sjisCells_[row - 1][0];
    RECT r = rect;
    DrawTextA(dc, text.data(), 4, &r, gdi::kCentredText);
}

// The grid has filled the cell with its colour already: a second fill
// here would cost a call a cell and change no pixel.
void CodeTableWindow::DrawCell(HDC dc, int col, int row, const RECT& rect) {
    if (row == 0) return DrawColumnHeader(dc, col, rect);
    if (col == 0) return DrawRowHeader(dc, row, rect);
    RECT r = rect;
    if (unicodeNumbering_) {
        const WCHAR character = static_cast<WCHAR>(numbering::UnicodeCodeAt(col, row));
        DrawTextW(dc, &character, 1, &r, gdi::kCentredText);
        return;
    }
    const std::string& text = sjisCells_[row - 1][col];
    if (!text.empty()) {
        DrawTextA(dc, text.data(), 2, &r, gdi::kCentredText);
        return;
    }
    // No character at this byte pair: a cross in the grid line pen.
    MoveToEx(dc, rect.right, rect.top, nullptr);
    LineTo(dc, rect.left, rect.bottom);
    MoveToEx(dc, rect.left, rect.top, nullptr);
    LineTo(dc, rect.right, rect.bottom);
}
