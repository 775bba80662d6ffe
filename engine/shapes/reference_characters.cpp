#include "engine/shapes/reference_characters.h"

#include <algorithm>

#include "engine/characters/pua_cmap.h"

namespace shapes {
namespace {

using characters::FindCmapSubtable;
using characters::FontBytes;
using characters::ReadMappedCodes;

constexpr uint32_t kLastCode = characters::kLastCodePoint;
// The planes of characters (0-3); the rest holds no character an answer or
// an EUDC font needs, and a map that fills them would only cost time.
constexpr uint32_t kLastCharacterPlaneCode = 0x3FFFF;

bool U24(FontBytes bytes, size_t at, uint32_t& value) {
    uint16_t high = 0;
    if (!bytes.Has(at, 3) || !bytes.U16(at, high)) return false;
    value = uint32_t{high} << 8 | bytes.Data()[at + 2];
    return true;
}

void Add(std::vector<DrawnCharacter>& out, uint32_t code, uint32_t selector, uint32_t glyph) {
    if (glyph != 0) out.push_back(DrawnCharacter{code, selector, glyph});
}

using Drawn = std::vector<DrawnCharacter>::const_iterator;

uint32_t PlainGlyph(Drawn first, Drawn last, uint32_t code) {
    Drawn found = std::lower_bound(first, last, code,
                                   [](const DrawnCharacter& c, uint32_t wanted) { return c.code < wanted; });
    return found != last && found->code == code ? found->glyph : 0;
}

// The work a format 14 map may ask for: the codes its default ranges
// cover, over all selectors, and the sequences kept. A real font's stay
// far below (a font of every IVD collection has some 60,000 sequences);
// ranges shared among thousands of selectors would ask for billions.
constexpr uint32_t kMostDefaultCodes = 1u << 22;
constexpr size_t kMostSequences = 1u << 20;

// Whether a code is a variation selector: U+FE00-U+FE0F, U+E0100-U+E01EF.
bool IsSelector(uint32_t code) {
    return (code >= 0xFE00 && code <= 0xFE0F) || (code >= 0xE0100 && code <= 0xE01EF);
}

// Format 14: per selector, a list of ranges drawn as the plain character
// (default) and a list of characters with a glyph of their own. Selectors,
// ranges and characters each in rising order, as the format has them.
bool ReadSequences(FontBytes table, std::vector<DrawnCharacter>& out) {
    const auto plainCount = static_cast<std::ptrdiff_t>(out.size());
    uint32_t records = 0, previousSelector = 0, defaultCodes = 0;
    if (!table.U32(6, records) || !table.HasArray(10, records, 11)) return false;
    for (uint32_t i = 0; i < records; ++i) {
        size_t record = 10 + size_t{i} * 11;
        uint32_t selector = 0, defaults = 0, own = 0;
        U24(table, record, selector);
        table.U32(record + 3, defaults);
        table.U32(record + 7, own);
        if (!IsSelector(selector) || selector <= previousSelector) return false;
        previousSelector = selector;
        uint32_t count = 0;
        if (defaults != 0) {
            if (!table.U32(defaults, count) || !table.HasArray(size_t{defaults} + 4, count, 4)) return false;
            uint32_t next = 0;  // the lowest code the next range may start at
            for (uint32_t r = 0; r < count; ++r) {
                uint32_t start = 0;
                U24(table, size_t{defaults} + 4 + size_t{r} * 4, start);
                const uint32_t added = table.Data()[size_t{defaults} + 4 + size_t{r} * 4 + 3];
                const uint32_t last = start + added;
                if (start < next || last > kLastCode || (defaultCodes += added + 1) > kMostDefaultCodes) return false;
                next = last + 1;
                for (uint32_t code = start; code <= last; ++code)
                    Add(out, code, selector, PlainGlyph(out.cbegin(), out.cbegin() + plainCount, code));
            }
        }
        if (own != 0) {
            if (!table.U32(own, count) || !table.HasArray(size_t{own} + 4, count, 5)) return false;
            for (uint32_t m = 0; m < count; ++m) {
                size_t at = size_t{own} + 4 + size_t{m} * 5;
                uint32_t code = 0;
                uint16_t glyph = 0;
                U24(table, at, code);
                table.U16(at + 3, glyph);
                if (code > kLastCode) return false;
                Add(out, code, selector, glyph);
            }
        }
        if (out.size() - static_cast<size_t>(plainCount) > kMostSequences) return false;
    }
    return true;
}

}  // namespace

bool ReadDrawnCharacters(FontBytes cmap, std::vector<DrawnCharacter>& characters) {
    characters.clear();
    const characters::MappedCode add = [&](uint32_t code, uint32_t glyph) { Add(characters, code, 0, glyph); };
    FontBytes subtable;
    bool read = true;
    if (FindCmapSubtable(cmap, 3, 10, 12, subtable) || FindCmapSubtable(cmap, 0, 4, 12, subtable))
        read = ReadMappedCodes(subtable, 12, 0, kLastCharacterPlaneCode, add);
    else if (FindCmapSubtable(cmap, 3, 1, 4, subtable) || FindCmapSubtable(cmap, 0, 3, 4, subtable))
        read = ReadMappedCodes(subtable, 4, 0, kLastCharacterPlaneCode, add);
    if (!read) return false;
    // The map's reader gives the codes in order already; sorting a few
    // hundred thousand sorted codes again is most of the time of a read.
    const auto byCode = [](const DrawnCharacter& a, const DrawnCharacter& b) { return a.code < b.code; };
    if (!std::is_sorted(characters.begin(), characters.end(), byCode))
        std::sort(characters.begin(), characters.end(), byCode);
    return !FindCmapSubtable(cmap, 0, 5, 14, subtable) || ReadSequences(subtable, characters);
}

bool IsIdeograph(uint32_t code) {
    return (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0x20000 && code <= 0x3FFFF);
}

}  // namespace shapes
