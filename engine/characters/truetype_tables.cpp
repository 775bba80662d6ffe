#include "engine/characters/truetype_tables.h"

namespace characters {
namespace {

constexpr uint32_t Tag(const char (&name)[5]) {
    return static_cast<uint32_t>(name[0]) << 24 | static_cast<uint32_t>(name[1]) << 16 |
           static_cast<uint32_t>(name[2]) << 8 | static_cast<uint32_t>(name[3]);
}

constexpr uint32_t kCollectionTag = Tag("ttcf");
constexpr uint32_t kTrueTypeVersion = 0x00010000;
constexpr uint32_t kAppleTrueTypeVersion = Tag("true");  // Mac fonts; 'OTTO' (CFF) has no glyf
constexpr size_t kDirectoryHeader = 12;
constexpr size_t kTableRecord = 16;

// Where the table directory of font fontIndex starts; false when there is no such font.
bool DirectoryOffset(FontBytes file, uint32_t fontIndex, uint32_t& offset) {
    uint32_t tag = 0;
    if (!file.U32(0, tag)) return false;
    if (tag != kCollectionTag) {
        offset = 0;
        return fontIndex == 0;
    }
    uint32_t fontCount = 0;
    return file.U32(8, fontCount) && fontIndex < fontCount && file.HasArray(12, size_t{fontIndex} + 1, 4) &&
           file.U32(12 + size_t{fontIndex} * 4, offset);
}

// The table of the tag, the first record of it when a broken file names it
// twice; false when there is none or it lies outside the file.
bool FindTable(FontBytes file, size_t records, uint16_t count, uint32_t tag, FontBytes& table) {
    for (uint16_t i = 0; i < count; ++i) {
        size_t record = records + static_cast<size_t>(i) * kTableRecord;
        uint32_t recordTag = 0, offset = 0, length = 0;
        if (!file.U32(record, recordTag) || !file.U32(record + 8, offset) || !file.U32(record + 12, length))
            return false;
        if (recordTag == tag) return file.Part(offset, length, table);
    }
    return false;
}

}  // namespace

bool FindTrueTypeTables(FontBytes file, uint32_t fontIndex, TrueTypeTables& tables) {
    uint32_t directory = 0, version = 0;
    uint16_t count = 0;
    FontBytes header;
    if (!DirectoryOffset(file, fontIndex, directory) || !file.Part(directory, kDirectoryHeader, header) ||
        !header.U32(0, version) || !header.U16(4, count))
        return false;
    if (version != kTrueTypeVersion && version != kAppleTrueTypeVersion) return false;
    size_t records = size_t{directory} + kDirectoryHeader;  // inside the file: no overflow
    if (!file.HasArray(records, count, kTableRecord)) return false;
    if (!FindTable(file, records, count, Tag("post"), tables.post)) tables.post = FontBytes();
    if (!FindTable(file, records, count, Tag("OS/2"), tables.os2)) tables.os2 = FontBytes();
    return FindTable(file, records, count, Tag("cmap"), tables.cmap) &&
           FindTable(file, records, count, Tag("head"), tables.head) &&
           FindTable(file, records, count, Tag("maxp"), tables.maxp) &&
           FindTable(file, records, count, Tag("loca"), tables.loca) &&
           FindTable(file, records, count, Tag("glyf"), tables.glyf);
}

}  // namespace characters
