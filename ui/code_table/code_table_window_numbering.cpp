// Switching the code table between Shift-JIS and Unicode numbering while
// the selection stays on the same character.
#include "platform/platform.h"
#include "ui/code_table/code_table_window.h"

namespace {

// The system's ANSI code page, read once when the program starts.
const UINT kStartupCodePage = platform::AnsiCodePage();

constexpr int kSjisItem = 0, kUnicodeItem = 1;

}  // namespace

UINT CodeTableWindow::CodePage() { return kStartupCodePage; }

void CodeTableWindow::SwitchNumbering() {
    // Windows before 2000 draws no Unicode text, so only one numbering.
    if (run_.folders.MajorVersion() < 5) return;
    int col = grid->Col(), row = grid->Row();
    std::string sjis;
    unsigned code = 0;
    if (unicodeNumbering_) {
        std::wstring unit(1, static_cast<wchar_t>(numbering::UnicodeCodeAt(col, row)));
        sjis = platform::ToMultiByte(CodePage(), unit);
    } else {
        sjis = sjisCells_[row - 1][col];
        std::wstring wide = platform::ToWide(CodePage(), sjis);
        if (!wide.empty()) code = static_cast<unsigned>(wide[0]);
    }
    int item = static_cast<int>(SendMessageA(numberingBox, CB_GETCURSEL, 0, 0));
    if (item == kUnicodeItem) SwitchToUnicode(code);
    else if (item == kSjisItem) SwitchToSjis(sjis);
    UpdateCellStatus(grid->Col(), grid->Row());
    grid->Repaint();
}

void CodeTableWindow::SwitchToUnicode(unsigned counterpart) {
    unicodeNumbering_ = true;
    grid->SetRowCount(numbering::kUnicodeRows + 1);
    if (counterpart == 0) return;
    // Under another code page the counterpart may lie outside the table;
    // then the selection stays where it is.
    numbering::Cell cell = numbering::UnicodeCellOf(counterpart);
    if (!numbering::IsDataCell(cell, numbering::kUnicodeRows)) return;
    grid->SetRow(cell.row);
    grid->SetCol(cell.col);
}

void CodeTableWindow::SwitchToSjis(const std::string& counterpart) {
    unicodeNumbering_ = false;
    grid->SetRowCount(numbering::kSjisRows + 1);
    // "?" is what the conversion gives for a code point without one.
    if (counterpart.size() < 2 || counterpart == "?") return;
    numbering::Cell cell = numbering::SjisCellOf(static_cast<unsigned char>(counterpart[0]),
                                                 static_cast<unsigned char>(counterpart[1]));
    if (!numbering::IsDataCell(cell, numbering::kSjisRows)) return;
    grid->SetRow(cell.row);
    grid->SetCol(cell.col);
}
