// The two numberings of the EUDC code points in the code table grid.
//
// Shift-JIS: lead bytes F0-F9, 12 rows of 16 trail bytes each (40-FF),
// 120 code rows; trail bytes 7F and FD-FF are no characters.
// Unicode: the Private Use Area U+E000-U+F8FF, 400 rows of 16.
// Row 0 and column 0 of the grid are headers; data column c holds the code
// whose last hexadecimal digit is c - 1.
#pragma once

namespace numbering {

constexpr int kColumns = 17;  // header column and 16 data columns
constexpr int kSjisRows = 120;
constexpr int kUnicodeRows = 400;
constexpr unsigned kFirstLead = 0xF0;
constexpr unsigned kLastLead = 0xF9;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kRowsPerLead = 12;
constexpr unsigned kPuaFirst = 0xE000;

struct Cell {
    int col;
    int row;
};

// Whether a trail byte in a lead row F0-F9 makes a character.
bool IsSjisTrail(unsigned trail);
// The cell of the character (lead, trail); it may lie outside the table
// when the pair is not an EUDC character.
Cell SjisCellOf(unsigned lead, unsigned trail);

// The code point of Unicode cell (c, r).
unsigned UnicodeCodeAt(int col, int row);
// The cell of a code point; outside the table below U+E000 or above U+F8FF.
Cell UnicodeCellOf(unsigned code);

// Whether (c, r) is a data cell of a table with dataRows code rows.
bool IsDataCell(Cell cell, int dataRows);

}  // namespace numbering
