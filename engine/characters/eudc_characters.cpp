#include "engine/characters/eudc_characters.h"

#include "engine/characters/glyph_outlines.h"
#include "engine/characters/pua_cmap.h"
#include "engine/characters/truetype_tables.h"

namespace characters {

namespace {

bool ReadCharacters(const unsigned char* data, size_t size, CharacterSet& characters, uint32_t fontIndex,
                    bool fingerprints) {
    characters.clear();
    TrueTypeTables tables;
    GlyphOutlines outlines;
    std::vector<CodeGlyph> glyphs;
    if (!FindTrueTypeTables(FontBytes(data, size), fontIndex, tables) || !outlines.Open(tables, fingerprints) ||
        !ReadPuaGlyphs(tables.cmap, glyphs))
        return false;
    characters.reserve(glyphs.size());
    for (const CodeGlyph& mapped : glyphs) {
        bool hasOutline = false;
        uint64_t outline = 0;
        if (!outlines.Fingerprint(mapped.glyph, hasOutline, outline)) {
            characters.clear();
            return false;
        }
        if (hasOutline) characters.push_back(Character{mapped.code, outline});
    }
    return true;
}

}  // namespace

bool ReadEudcCharacters(const unsigned char* data, size_t size, CharacterSet& characters,
                        uint32_t fontIndex) {
    return ReadCharacters(data, size, characters, fontIndex, true);
}

bool CountEudcCharacters(const unsigned char* data, size_t size, size_t& count, uint32_t fontIndex) {
    CharacterSet characters;
    const bool read = ReadCharacters(data, size, characters, fontIndex, false);
    count = characters.size();
    return read;
}

CharacterChanges CompareCharacters(const CharacterSet& installed, const CharacterSet& incoming) {
    CharacterChanges changes;
    auto old = installed.begin(), now = incoming.begin();
    while (old != installed.end() || now != incoming.end()) {
        if (now == incoming.end() || (old != installed.end() && old->code < now->code)) {
            changes.lost.push_back((old++)->code);
        } else if (old == installed.end() || now->code < old->code) {
            changes.added.push_back((now++)->code);
        } else {
            if (old->outline != now->outline) changes.changed.push_back(old->code);
            ++old;
            ++now;
        }
    }
    return changes;
}

}  // namespace characters
