// The outlines of a TrueType font's glyphs (glyf, located through loca):
// whether a glyph draws anything, and a fingerprint of what it draws.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/characters/glyph_locations.h"
#include "engine/characters/truetype_tables.h"

namespace characters {

class GlyphOutlines {
public:
    // False when head, maxp or loca are broken (an unknown offset format, a
    // loca too short for the glyph count). Without fingerprints, glyphs are
    // checked and told apart from empty ones alike, but not hashed: every
    // fingerprint is 0, at a fraction of the cost.
    bool Open(const TrueTypeTables& tables, bool fingerprints = true);

    // Whether the glyph has an outline, and its fingerprint: its own bytes,
    // and for a composite glyph those of every component it is built from,
    // so that a changed component changes each glyph made of it. False when
    // the glyph is broken: outside glyf or the glyph count, a component
    // that leads back to itself or lies nested deeper than any font needs.
    bool Fingerprint(uint32_t glyph, bool& hasOutline, uint64_t& fingerprint);

private:
    struct Visit {
        uint64_t fingerprint = 0;
        bool done = false;  // fingerprint and hasOutline are read
        bool hasOutline = false;
    };

    bool Read(uint32_t glyph, int depth);
    bool FoldComponents(FontBytes bytes, int depth, Visit& visit);

    GlyphLocations locations_;
    bool fingerprints_ = true;
    std::vector<Visit> visits_;  // one per glyph, filled as glyphs are asked
};

}  // namespace characters
