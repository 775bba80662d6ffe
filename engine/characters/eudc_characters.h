// The EUDC characters of a font file: which codes of the Private Use Area
// it draws, and with which outline, so that an install can tell the user
// which characters the new font loses, changes or adds against the one it
// replaces. Plain C++: no Windows call, so it also builds and is fuzzed
// natively (tests/native).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace characters {

// One character of U+E000..U+F8FF that has an outline.
struct Character {
    uint16_t code;
    uint64_t outline;  // fingerprint of the glyph's outline bytes, components included
};
using CharacterSet = std::vector<Character>;  // sorted by code, each code once

// The characters of font fontIndex of a font file (0 unless the file is a
// collection, .ttc). False when the bytes are no TrueType font with
// outlines, or anything in them is broken or hostile; characters is then
// empty.
bool ReadEudcCharacters(const unsigned char* data, size_t size, CharacterSet& characters,
                        uint32_t fontIndex = 0);

// How many characters ReadEudcCharacters would read, false when it would
// fail; the outlines are checked but not fingerprinted.
bool CountEudcCharacters(const unsigned char* data, size_t size, size_t& count, uint32_t fontIndex = 0);

struct CharacterChanges {
    std::vector<uint16_t> lost, changed, added;  // each sorted
};

// installed: the font an install would replace; incoming: the new one.
CharacterChanges CompareCharacters(const CharacterSet& installed, const CharacterSet& incoming);

// The name of a code as the code table numbers it: its Shift-JIS code
// "F040".."F9FC" for U+E000..U+E757 (lead bytes F0-F9, each with the trail
// bytes 40-7E and 80-FC in order), "U+E758" for a code Shift-JIS lacks.
std::string CodeName(uint16_t code);

}  // namespace characters
