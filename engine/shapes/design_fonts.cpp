#include "engine/shapes/design_fonts.h"

#include <algorithm>

#include "engine/characters/truetype_tables.h"
#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/reference_characters.h"

namespace shapes {
namespace {

constexpr size_t kFewestIdeographs = 2000;   // JIS level 1 is 2,965
constexpr size_t kMostIdeographs = 24000;    // JIS X 0213 and then some
constexpr size_t kCodePageRange = 78;        // ulCodePageRange1 in OS/2 version 1 and later
constexpr uint32_t kJapaneseCodePage = 1u << 17;  // JIS/Japan (932)

}  // namespace

size_t DesignFontIdeographs(FontFile font) {
    characters::TrueTypeTables tables;
    GlyphOutlineReader reader;
    uint32_t codePages = 0;
    std::vector<DrawnCharacter> drawn;
    if (!characters::FindTrueTypeTables(characters::FontBytes(font.data, font.size), 0, tables) ||
        !tables.os2.U32(kCodePageRange, codePages) || !(codePages & kJapaneseCodePage) || !reader.Open(tables) ||
        !ReadDrawnCharacters(tables.cmap, drawn))
        return 0;
    const auto count = static_cast<size_t>(std::count_if(drawn.begin(), drawn.end(), [](const DrawnCharacter& c) {
        return c.selector == 0 && IsIdeograph(c.code);
    }));
    return count >= kFewestIdeographs && count <= kMostIdeographs ? count : 0;
}

}  // namespace shapes
