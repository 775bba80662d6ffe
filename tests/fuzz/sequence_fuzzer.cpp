// libFuzzer's entry for the variation sequences of a reference font (its
// character map's format 14 subtable): any bytes must give the sequences
// or a refusal, within bounds, never a crash, a read outside them, an
// allocation beyond reason or a hang.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/shapes/reference_characters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A character map of one subtable, the input, made format 14.
    std::vector<unsigned char> cmap = {0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 12};
    cmap.insert(cmap.end(), data, data + size);
    if (cmap.size() < 14) cmap.resize(14);
    cmap[12] = 0, cmap[13] = 14;
    std::vector<shapes::DrawnCharacter> drawn;
    shapes::ReadDrawnCharacters({cmap.data(), cmap.size()}, drawn);
    for (const shapes::DrawnCharacter& character : drawn)
        if (character.glyph == 0 || character.code > 0x10FFFF) __builtin_trap();
    return 0;
}
