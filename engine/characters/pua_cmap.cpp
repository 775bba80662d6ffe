#include "engine/characters/pua_cmap.h"

#include <algorithm>

namespace characters {
namespace {

constexpr uint16_t kWindowsPlatform = 3;
constexpr uint16_t kBmpEncoding = 1;
constexpr uint16_t kFullEncoding = 10;

// Format 4: segments sorted by their end code; a code belongs to the first
// segment that ends at or after it, and is mapped only when that segment
// starts at or before it. Each code is therefore looked at once. 0xFFFF
// ends the table and maps nothing.
bool ReadSegments(FontBytes table, uint32_t first, uint32_t last, const MappedCode& found) {
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
        const uint32_t from = std::max({first, uint32_t{start}, i > 0 ? previousEnd + 1 : 0});
        const uint32_t to = std::min({last, uint32_t{end}, uint32_t{0xFFFE}});
        previousEnd = end;
        for (uint32_t code = from; code <= to; ++code) {
            uint16_t glyph = static_cast<uint16_t>(code);
            if (rangeOffset != 0) {
                size_t at = rangeOffsets + 2 * i + rangeOffset + 2 * size_t{code - start};
                if (!table.U16(at, glyph)) return false;
                if (glyph == 0) continue;
            }
            const auto mapped = static_cast<uint16_t>(glyph + delta);
            if (mapped != 0) found(code, mapped);
        }
    }
    return true;
}

// Format 12: groups sorted by start code, none overlapping the one before;
// only the part of each group within the range is walked, so a group that
// claims every code costs no more than the range itself.
bool ReadGroups(FontBytes table, uint32_t first, uint32_t last, const MappedCode& found) {
    uint32_t count = 0;
    if (!table.U32(12, count) || !table.HasArray(16, count, 12)) return false;
    uint32_t previousEnd = 0;
    for (uint32_t i = 0; i < count; ++i) {
        size_t group = 16 + size_t{i} * 12;
        uint32_t start = 0, end = 0, startGlyph = 0;
        table.U32(group, start);
        table.U32(group + 4, end);
        table.U32(group + 8, startGlyph);
        if (end < start || (i > 0 && start <= previousEnd)) return false;
        previousEnd = end;
        const uint32_t from = std::max(first, start), to = std::min(last, end);
        for (uint32_t code = from; code <= to && from <= to; ++code) {
            const uint32_t glyph = startGlyph + (code - start);
            if (glyph != 0) found(code, glyph);
            if (code == to) break;  // to may be the largest value there is
        }
        if (end >= last) break;  // the groups after it lie beyond the range
    }
    return true;
}

}  // namespace

bool FindCmapSubtable(FontBytes cmap, uint16_t platform, uint16_t encoding, uint16_t format, FontBytes& subtable) {
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

bool ReadMappedCodes(FontBytes subtable, uint16_t format, uint32_t first, uint32_t last, const MappedCode& found) {
    if (format == 12) return ReadGroups(subtable, first, last, found);
    if (format == 4) return ReadSegments(subtable, first, last, found);
    return false;
}

bool ReadPuaGlyphs(FontBytes cmap, std::vector<CodeGlyph>& glyphs) {
    glyphs.clear();
    const MappedCode add = [&](uint32_t code, uint32_t glyph) {
        glyphs.push_back(CodeGlyph{static_cast<uint16_t>(code), glyph});
    };
    FontBytes subtable;
    if (FindCmapSubtable(cmap, kWindowsPlatform, kFullEncoding, 12, subtable))
        return ReadMappedCodes(subtable, 12, kPuaFirst, kPuaLast, add);
    if (FindCmapSubtable(cmap, kWindowsPlatform, kBmpEncoding, 4, subtable))
        return ReadMappedCodes(subtable, 4, kPuaFirst, kPuaLast, add);
    return true;
}

}  // namespace characters
