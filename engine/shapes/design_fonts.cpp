#include "engine/shapes/design_fonts.h"

#include <algorithm>
#include <cctype>

#include "engine/characters/truetype_tables.h"
#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/reference_characters.h"

namespace shapes {
namespace {

constexpr size_t kFewestIdeographs = 2000;   // JIS level 1 is 2,965
constexpr size_t kMostIdeographs = 24000;    // JIS X 0213 and then some
constexpr size_t kCodePageRange = 78;        // ulCodePageRange1 in OS/2 version 1 and later
constexpr uint32_t kJapaneseCodePage = 1u << 17;  // JIS/Japan (932)

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Windows' Mincho and Gothic, in the names they have had.
int Preference(const std::string& name) {
    static const char* const kPreferred[] = {"msmincho.ttc", "msgothic.ttc", "msmin.ttf", "msgothic.ttf"};
    const std::string lower = Lower(name);
    for (size_t i = 0; i < sizeof kPreferred / sizeof *kPreferred; ++i)
        if (lower == kPreferred[i]) return static_cast<int>(i);
    return static_cast<int>(sizeof kPreferred / sizeof *kPreferred);
}

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

std::vector<std::string> DesignFontOrder(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int pa = Preference(a), pb = Preference(b);
        return pa != pb ? pa < pb : Lower(a) < Lower(b);
    });
    return names;
}

}  // namespace shapes
