// The tables of a TrueType font that say which characters it draws and
// how: found through the font's table directory, in a single font file or
// in one font of a collection (.ttc).
#pragma once

#include <cstdint>

#include "engine/characters/font_bytes.h"

namespace characters {

struct TrueTypeTables {
    FontBytes cmap, head, maxp, loca, glyf;
    FontBytes post;  // empty when the font has none: only its glyphs' names come from it
    FontBytes os2;   // empty when the font has none: only its code pages come from it
};

// The tables of font fontIndex of the file (0 for a file of one font);
// false when the file is no TrueType font with outlines (an OpenType font
// with CFF outlines is none), is cut off, or names a table outside itself.
bool FindTrueTypeTables(FontBytes file, uint32_t fontIndex, TrueTypeTables& tables);

}  // namespace characters
