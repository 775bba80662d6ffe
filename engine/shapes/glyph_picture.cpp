#include "engine/shapes/glyph_picture.h"

#include <algorithm>

#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/rasterizer.h"
#include "engine/shapes/reference_characters.h"

namespace shapes {
namespace {

// Where the baseline sits in the em box, from its top: CJK fonts put
// their ascent near 88 % of the em.
constexpr double kAscent = 0.88;

}  // namespace

bool DrawCandidate(const unsigned char* font, size_t fontSize, const Candidate& candidate, int size,
                   std::vector<float>& coverage) {
    characters::TrueTypeTables tables;
    GlyphOutlineReader reader;
    std::vector<DrawnCharacter> drawn;
    if (!characters::FindTrueTypeTables({font, fontSize}, 0, tables) || !reader.Open(tables)) return false;
    ReadDrawnCharacters(tables.cmap, drawn);  // what was read before a fault still serves
    const auto found = std::find_if(drawn.begin(), drawn.end(), [&](const DrawnCharacter& character) {
        return character.code == candidate.code && character.selector == candidate.selector;
    });
    Outline outline;
    if (found == drawn.end() || !reader.Read(found->glyph, outline)) return false;
    const double scale = static_cast<double>(size) / outline.unitsPerEm;
    return Rasterize(outline, View{scale, 0, size * kAscent}, size, coverage);
}

}  // namespace shapes
