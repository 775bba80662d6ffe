// Where each glyph of a TrueType font lies: its bytes in glyf, located
// through loca (short or long offsets, as head says) for the glyph count
// of maxp. Every offset is checked against the tables.
#pragma once

#include <cstdint>

#include "engine/characters/truetype_tables.h"

namespace characters {

class GlyphLocations {
public:
    // False when head, maxp or loca are broken: an unknown offset format,
    // or a loca too short for the glyph count.
    bool Open(const TrueTypeTables& tables);
    // The glyph's bytes (none for an empty glyph); false for a glyph past
    // the count, or whose offsets are reversed or lie outside glyf.
    bool GlyphBytes(uint32_t glyph, FontBytes& bytes) const;
    uint32_t GlyphCount() const { return glyphCount_; }

private:
    FontBytes loca_, glyf_;
    bool longOffsets_ = false;
    uint32_t glyphCount_ = 0;
};

}  // namespace characters
