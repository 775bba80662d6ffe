// The decisions a map holds: for each EUDC character of EUDCMAP.CSV, what
// its "Chosen" column says it becomes. The columns are found by their
// header names, so a map with fewer columns (or more, or in another order,
// as a spreadsheet may save it) reads too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace migration {

struct MapRow {
    uint16_t eudc = 0;       // its "Unicode" column: U+E000..U+F8FF
    std::string chosen;      // "Chosen" as written, spaces around it dropped
    std::string glyph;       // "Glyph": the hash of its outline, or empty
    std::vector<std::u32string> candidates;  // "Code 1".."Code 5" as code points; empty where none
};

// The most code points one EUDC character becomes (a base, selectors).
constexpr size_t kLongestReplacement = 8;

enum class Decision { kUndecided, kChosen, kNone, kInvalid };

// The map's rows, in UTF-8 (a byte-order mark at its start dropped). A row
// whose "Unicode" is no private-use code is passed over; a file without a
// "Unicode" column, or that is not comma-separated text, is false with
// error saying why.
bool ParseMapRows(const std::string& utf8Text, std::vector<MapRow>& rows, std::string& error);

// "" is undecided; "1".."5" that candidate's code(s); "U+9AD9" or
// "U+845B U+E0102" those codes; "none" (any case) kNone. kChosen fills
// replacement; kInvalid (a candidate the row lacks, a code that is no
// character, anything else) says why in *reason.
Decision Resolve(const MapRow& row, std::u32string& replacement, std::string* reason = nullptr);

// The map file's bytes as UTF-8: UTF-8 with or without a byte-order mark
// stays (the mark dropped); anything else is taken for Shift-JIS, as a
// spreadsheet on a Japanese PC saves "CSV", and converted by shiftJisToUtf8
// (the platform's code page conversion). False when that fails.
using ShiftJisToUtf8 = bool (*)(const std::string& shiftJis, std::string& utf8);
bool MapTextAsUtf8(const std::string& bytes, ShiftJisToUtf8 shiftJisToUtf8, std::string& utf8);

}  // namespace migration
