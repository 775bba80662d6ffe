// What the reference font calls the glyph of each of its characters: the
// names of its post table, which in IPAmj Mincho are the MJ glyph names
// (MJ文字図形名) that the registry of standard characters keys on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/shapes/reference_characters.h"
#include "engine/shapes/shape_index.h"

namespace shapes {

class ReferenceNames {
public:
    // Reads font 0's character maps and glyph names; false when the bytes
    // are no TrueType font. A font without names (post format 3, or none)
    // reads, and names nothing.
    bool Read(const unsigned char* data, size_t size);

    // The glyph's name from post format 2.0; empty when it has none.
    std::string GlyphName(uint32_t glyph) const;
    // "MJ008892" for the glyph a candidate names, where the font names it
    // mj followed by digits; else empty.
    std::string MjName(const Candidate& candidate) const;

private:
    uint32_t GlyphOf(const Candidate& candidate) const;

    std::vector<DrawnCharacter> plain_, sequences_;  // each sorted
    std::string post_;                                // the table's bytes
    std::vector<uint16_t> nameIndex_;                 // per glyph
    std::vector<uint32_t> nameOffsets_;               // of each Pascal string in post_
};

}  // namespace shapes
