// A map file's decisions, read from disk as a person may have saved it:
// UTF-8 with or without a byte-order mark, or Shift-JIS from a spreadsheet.
#pragma once

#include <string>
#include <vector>

#include "engine/migration/map_decisions.h"

namespace migration {

// False, with error saying why, when the file cannot be read, is larger
// than any map, or is no map (ParseMapRows).
bool ReadMapFile(const std::string& path, std::vector<MapRow>& rows, std::string& error);

// Shift-JIS (code page 932, EUDC included) as UTF-8; false when Windows
// cannot convert it.
bool ShiftJisAsUtf8(const std::string& shiftJis, std::string& utf8);

}  // namespace migration
