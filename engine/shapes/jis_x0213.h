// Where JIS X 0213 holds a character: its plane, row and cell, as the
// national character standards name a kanji ("1-16-01"). The table is
// generated at configure time from Debian's Unihan (kJis0 and kJIS0213),
// so it covers the kanji, not the standard's symbols.
#pragma once

#include <cstdint>
#include <string>

namespace shapes {

// "1-37-58" for U+571F; empty when JIS X 0213 does not hold the code point.
std::string JisX0213Position(uint32_t code);

}  // namespace shapes
