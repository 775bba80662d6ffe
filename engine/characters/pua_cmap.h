// Which glyph a font gives each code point of a range, read from the
// character map Windows itself uses: platform 3, the full-Unicode subtable
// (encoding 10, format 12) where the font has one, else the BMP one
// (encoding 1, format 4). The EUDC characters are those of the Private Use
// Area (U+E000-U+F8FF); a reference font's are all of them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/characters/font_bytes.h"

namespace characters {

constexpr uint32_t kPuaFirst = 0xE000;
constexpr uint32_t kPuaLast = 0xF8FF;
constexpr uint32_t kLastCodePoint = 0x10FFFF;

struct CodeGlyph {
    uint16_t code;
    uint32_t glyph;  // never 0: a code mapped to glyph 0 (.notdef) has no character
};

// The subtable of platform and encoding when its format is the one given;
// false when there is none, or it lies outside the table.
bool FindCmapSubtable(FontBytes cmap, uint16_t platform, uint16_t encoding, uint16_t format, FontBytes& subtable);

// Each code of first..last that a format 4 or 12 subtable maps to a glyph
// other than 0, in code order, each once; only the part of each segment or
// group within the range is walked. False when the subtable is broken: cut
// off, or not in the order Windows' lookup needs.
using MappedCode = std::function<void(uint32_t code, uint32_t glyph)>;
bool ReadMappedCodes(FontBytes subtable, uint16_t format, uint32_t first, uint32_t last, const MappedCode& found);

// The mapped codes of the Private Use Area, sorted, each once; none for a
// font without either subtable. False when the subtable read is broken.
bool ReadPuaGlyphs(FontBytes cmap, std::vector<CodeGlyph>& glyphs);

}  // namespace characters
