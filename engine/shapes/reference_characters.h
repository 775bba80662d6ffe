// Every character a reference font draws: each code point of planes 0-3 in
// its character map (the full-Unicode subtable where it has one, else the
// BMP one) and each variation sequence of its format 14 map (a base
// character and a selector such as U+E0100), with the glyph that draws it.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/characters/font_bytes.h"

namespace shapes {

struct DrawnCharacter {
    uint32_t code;
    uint32_t selector;  // 0 for a plain code point
    uint32_t glyph;     // never 0
};

// Plain code points first, sorted; then the sequences. False when the
// subtable read is broken (cut off, out of order, a sequence naming codes
// past U+10FFFF or a selector that is none, or more sequences than any
// real font has; a group of the character map reaching past U+10FFFF is
// read up to it); characters then holds what was read before the fault.
bool ReadDrawnCharacters(characters::FontBytes cmap, std::vector<DrawnCharacter>& characters);

// Whether a code point is a CJK ideograph (unified, extensions, compatibility).
bool IsIdeograph(uint32_t code);

}  // namespace shapes
