#include "engine/characters/pua_cmap.h"

#include <algorithm>

namespace characters {
namespace {

constexpr uint16_t kWindowsPlatform = 3;
constexpr uint16_t kBmpEncoding = 1;
constexpr uint16_t kFullEncoding = 10;

// The subtable of the encoding when its format is the one Windows reads for
// it; false when there is none, or it lies outside the table.
bool FindSubtable(FontBytes cmap, uint16_t encoding, uint16_t format, FontBytes& subtable) {
    uint16_t count = 0;
    if (!cmap.U16(2, count) || !cmap.HasArray(4, count, 8)) return false;
    for (uint16_t i = 0; i < count; ++i) {
        size_t record = 4 + size_t{i} * 8;
        uint16_t platform = 0, recordEncoding = 0, recordFormat = 0;
        uint32_t offset = 0;
        cmap.U16(record, platform);
        cmap.U16(record + 2, recordEncoding);
        cmap.U32(record + 4, offset);
        if (platform != kWindowsPlatform || recordEncoding != encoding) continue;
        if (!cmap.U16(offset, recordFormat) || recordFormat != format) continue;
        return cmap.Part(offset, cmap.Size() - offset, subtable);
    }
    return false;
}

void AddGlyph(std::vector<CodeGlyph>& glyphs, uint32_t code, uint32_t glyph) {
    if (glyph != 0) glyphs.push_back(CodeGlyph{static_cast<uint16_t>(code), glyph});
}

// The code range of the Private Use Area within first..last; empty (from > to) when none.
void ClampToPua(uint32_t first, uint32_t last, uint32_t& from, uint32_t& to) {
    from = std::max(first, kPuaFirst);
    to = std::min(last, kPuaLast);
}

// Format 4: segments sorted by their end code; a code belongs to the first
// segment that ends at or after it, and is mapped only when that segment
// starts at or before it. Each code is therefore looked at once.
bool ReadSegments(FontBytes table, std::vector<CodeGlyph>& glyphs) {
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
        uint32_t from = 0, to = 0;
        ClampToPua(std::max<uint32_t>(start, i > 0 ? previousEnd + 1 : 0), end, from, to);
        previousEnd = end;
        for (uint32_t code = from; code <= to; ++code) {
            uint16_t glyph = static_cast<uint16_t>(code);
            if (rangeOffset != 0) {
                size_t at = rangeOffsets + 2 * i + rangeOffset + 2 * size_t{code - start};
                if (!table.U16(at, glyph)) return false;
                if (glyph == 0) continue;
            }
            AddGlyph(glyphs, code, static_cast<uint16_t>(glyph + delta));
        }
    }
    return true;
}

// Format 12: groups sorted by start code, none overlapping the one before;
// only the part of each group within the Private Use Area is walked, so a
// group that claims every code costs no more than the area itself.
bool ReadGroups(FontBytes table, std::vector<CodeGlyph>& glyphs) {
    uint32_t count = 0;
    if (!table.U32(12, count) || !table.HasArray(16, count, 12)) return false;
    uint32_t previousEnd = 0;
    for (uint32_t i = 0; i < count; ++i) {
        size_t group = 16 + size_t{i} * 12;
        uint32_t first = 0, last = 0, firstGlyph = 0;
        table.U32(group, first);
        table.U32(group + 4, last);
        table.U32(group + 8, firstGlyph);
        if (last < first || (i > 0 && first <= previousEnd)) return false;
        previousEnd = last;
        uint32_t from = 0, to = 0;
        ClampToPua(first, last, from, to);
        for (uint32_t code = from; code <= to; ++code) AddGlyph(glyphs, code, firstGlyph + (code - first));
        if (last >= kPuaLast) break;  // the groups after it lie beyond the area
    }
    return true;
}

}  // namespace

bool ReadPuaGlyphs(FontBytes cmap, std::vector<CodeGlyph>& glyphs) {
    glyphs.clear();
    FontBytes subtable;
    if (FindSubtable(cmap, kFullEncoding, 12, subtable)) return ReadGroups(subtable, glyphs);
    if (FindSubtable(cmap, kBmpEncoding, 4, subtable)) return ReadSegments(subtable, glyphs);
    return true;
}

}  // namespace characters
