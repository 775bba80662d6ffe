// Which glyph the font gives each code point of the Private Use Area
// (U+E000-U+F8FF, where EUDC characters live), read from the character map
// Windows itself uses: platform 3, the full-Unicode subtable (encoding 10,
// format 12) where the font has one, else the BMP one (encoding 1, format 4).
#pragma once

#include <cstdint>
#include <vector>

#include "engine/characters/font_bytes.h"

namespace characters {

constexpr uint32_t kPuaFirst = 0xE000;
constexpr uint32_t kPuaLast = 0xF8FF;

struct CodeGlyph {
    uint16_t code;
    uint32_t glyph;  // never 0: a code mapped to glyph 0 (.notdef) has no character
};

// The mapped codes of the Private Use Area, sorted, each once; none for a
// font without either subtable. False when the subtable read is broken:
// cut off, or not in the order Windows' lookup needs.
bool ReadPuaGlyphs(FontBytes cmap, std::vector<CodeGlyph>& glyphs);

}  // namespace characters
