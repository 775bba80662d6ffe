#include "engine/shapes/reference_characters.h"

#include <algorithm>

namespace shapes {
namespace {

using characters::FontBytes;

constexpr uint32_t kLastCode = 0x10FFFF;

bool FindSubtable(FontBytes cmap, uint16_t platform, uint16_t encoding, uint16_t format, FontBytes& subtable) {
    uint16_t count = 0;
    if (!cmap.U16(2, count) || !cmap.HasArray(4, count, 8)) return false;
    for (uint16_t i = 0; i < count; ++i) {
        size_t record = 4 + size_t{i} * 8;
        uint16_t recordPlatform = 0, recordEncoding = 0, recordFormat = 0;
        uint32_t offset = 0;
        cmap.U16(record, recordPlatform);
        cmap.U16(record + 2, recordEncoding);
        cmap.U32(record + 4, offset);
        if (recordPlatform != platform || recordEncoding != encoding) continue;
        if (!cmap.U16(offset, recordFormat) || recordFormat != format) continue;
        return cmap.Part(offset, cmap.Size() - offset, subtable);
    }
    return false;
}

bool U24(FontBytes bytes, size_t at, uint32_t& value) {
    uint16_t high = 0;
    if (!bytes.Has(at, 3) || !bytes.U16(at, high)) return false;
    value = uint32_t{high} << 8 | bytes.Data()[at + 2];
    return true;
}

void Add(std::vector<DrawnCharacter>& out, uint32_t code, uint32_t selector, uint32_t glyph) {
    if (glyph != 0) out.push_back(DrawnCharacter{code, selector, glyph});
}

bool ReadSegments(FontBytes table, std::vector<DrawnCharacter>& out) {
    uint16_t doubledCount = 0;
    if (!table.U16(6, doubledCount)) return false;
    size_t count = doubledCount / 2;
    const size_t ends = 14, starts = ends + 2 * count + 2, deltas = starts + 2 * count,
                 rangeOffsets = deltas + 2 * count;
    if (!table.HasArray(rangeOffsets, count, 2)) return false;
    uint32_t previousEnd = 0;
    for (size_t i = 0; i < count; ++i) {
        uint16_t end = 0, start = 0, delta = 0, rangeOffset = 0;
        table.U16(ends + 2 * i, end);
        table.U16(starts + 2 * i, start);
        table.U16(deltas + 2 * i, delta);
        table.U16(rangeOffsets + 2 * i, rangeOffset);
        if (i > 0 && end <= previousEnd) return false;
        uint32_t from = std::max<uint32_t>(start, i > 0 ? previousEnd + 1 : 0);
        previousEnd = end;
        for (uint32_t code = from; code <= end && code < 0xFFFF; ++code) {
            uint16_t glyph = static_cast<uint16_t>(code);
            if (rangeOffset != 0) {
                size_t at = rangeOffsets + 2 * i + rangeOffset + 2 * size_t{code - start};
                if (!table.U16(at, glyph)) return false;
                if (glyph == 0) continue;
            }
            Add(out, code, 0, static_cast<uint16_t>(glyph + delta));
        }
    }
    return true;
}

// Groups sorted and apart, each within U+10FFFF: at most that many codes.
bool ReadGroups(FontBytes table, std::vector<DrawnCharacter>& out) {
    uint32_t count = 0;
    if (!table.U32(12, count) || !table.HasArray(16, count, 12)) return false;
    uint32_t previousEnd = 0;
    for (uint32_t i = 0; i < count; ++i) {
        size_t group = 16 + size_t{i} * 12;
        uint32_t first = 0, last = 0, firstGlyph = 0;
        table.U32(group, first);
        table.U32(group + 4, last);
        table.U32(group + 8, firstGlyph);
        if (last < first || last > kLastCode || (i > 0 && first <= previousEnd)) return false;
        previousEnd = last;
        for (uint32_t code = first; code <= last; ++code) Add(out, code, 0, firstGlyph + (code - first));
    }
    return true;
}

using Drawn = std::vector<DrawnCharacter>::const_iterator;

uint32_t PlainGlyph(Drawn first, Drawn last, uint32_t code) {
    Drawn found = std::lower_bound(first, last, code,
                                   [](const DrawnCharacter& c, uint32_t wanted) { return c.code < wanted; });
    return found != last && found->code == code ? found->glyph : 0;
}

// Format 14: per selector, a list of ranges drawn as the plain character
// (default) and a list of characters with a glyph of their own.
bool ReadSequences(FontBytes table, std::vector<DrawnCharacter>& out) {
    const auto plainCount = static_cast<std::ptrdiff_t>(out.size());
    uint32_t records = 0;
    if (!table.U32(6, records) || !table.HasArray(10, records, 11)) return false;
    for (uint32_t i = 0; i < records; ++i) {
        size_t record = 10 + size_t{i} * 11;
        uint32_t selector = 0, defaults = 0, own = 0;
        U24(table, record, selector);
        table.U32(record + 3, defaults);
        table.U32(record + 7, own);
        uint32_t count = 0;
        if (defaults != 0) {
            if (!table.U32(defaults, count) || !table.HasArray(size_t{defaults} + 4, count, 4)) return false;
            for (uint32_t r = 0; r < count; ++r) {
                uint32_t start = 0;
                U24(table, size_t{defaults} + 4 + size_t{r} * 4, start);
                uint32_t last = start + table.Data()[size_t{defaults} + 4 + size_t{r} * 4 + 3];
                if (last > kLastCode) return false;
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
                Add(out, code, selector, glyph);
            }
        }
    }
    return true;
}

}  // namespace

bool ReadDrawnCharacters(FontBytes cmap, std::vector<DrawnCharacter>& characters) {
    characters.clear();
    FontBytes subtable;
    bool read = true;
    if (FindSubtable(cmap, 3, 10, 12, subtable) || FindSubtable(cmap, 0, 4, 12, subtable))
        read = ReadGroups(subtable, characters);
    else if (FindSubtable(cmap, 3, 1, 4, subtable) || FindSubtable(cmap, 0, 3, 4, subtable))
        read = ReadSegments(subtable, characters);
    if (!read) return false;
    std::sort(characters.begin(), characters.end(),
              [](const DrawnCharacter& a, const DrawnCharacter& b) { return a.code < b.code; });
    return !FindSubtable(cmap, 0, 5, 14, subtable) || ReadSequences(subtable, characters);
}

bool IsIdeograph(uint32_t code) {
    return (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0x20000 && code <= 0x3FFFF);
}

}  // namespace shapes
