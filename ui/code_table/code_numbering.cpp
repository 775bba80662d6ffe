#include "ui/code_table/code_numbering.h"

namespace numbering {

bool IsSjisTrail(unsigned trail) { return trail >= kFirstTrail && trail != 0x7F && trail < 0xFD; }

Cell SjisCellOf(unsigned lead, unsigned trail) {
    int row = static_cast<int>((lead - kFirstLead) * kRowsPerLead + (trail >> 4)) - 3;
    return Cell{static_cast<int>(trail & 0x0F) + 1, row};
}

unsigned UnicodeCodeAt(int col, int row) {
    return kPuaFirst + static_cast<unsigned>(col - 1) + static_cast<unsigned>(row - 1) * 16;
}

Cell UnicodeCellOf(unsigned code) {
    int offset = static_cast<int>(code) - static_cast<int>(kPuaFirst);
    if (offset < 0) return Cell{0, 0};  // no cell: below the table
    return Cell{offset % 16 + 1, offset / 16 + 1};
}

bool IsDataCell(Cell cell, int dataRows) {
    return cell.col >= 1 && cell.col < kColumns && cell.row >= 1 && cell.row <= dataRows;
}

}  // namespace numbering
