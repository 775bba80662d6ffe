#include "engine/characters/glyph_locations.h"

namespace characters {

bool GlyphLocations::Open(const TrueTypeTables& tables) {
    uint16_t format = 0, count = 0;
    if (!tables.head.U16(50, format) || format > 1 || !tables.maxp.U16(4, count)) return false;
    longOffsets_ = format == 1;
    glyphCount_ = count;
    loca_ = tables.loca;
    glyf_ = tables.glyf;
    // loca holds one offset more than there are glyphs: where the last one ends.
    return loca_.HasArray(0, size_t{count} + 1, longOffsets_ ? 4 : 2);
}

bool GlyphLocations::GlyphBytes(uint32_t glyph, FontBytes& bytes) const {
    if (glyph >= glyphCount_) return false;
    uint32_t start = 0, end = 0;
    if (longOffsets_) {
        loca_.U32(size_t{glyph} * 4, start);
        loca_.U32(size_t{glyph} * 4 + 4, end);
    } else {
        uint16_t halfStart = 0, halfEnd = 0;  // short offsets count 2-byte words
        loca_.U16(size_t{glyph} * 2, halfStart);
        loca_.U16(size_t{glyph} * 2 + 2, halfEnd);
        start = uint32_t{halfStart} * 2;
        end = uint32_t{halfEnd} * 2;
    }
    return start <= end && glyf_.Part(start, end - start, bytes);
}

}  // namespace characters
