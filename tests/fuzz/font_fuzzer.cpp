// libFuzzer's entry for the EUDC character reader: any bytes, as a font
// file from another PC may be, must give a set or "not a font", never a
// crash, a read outside them or a hang. Each input is read as the first
// and the second font of a collection, so that the fuzzer reaches both.
#include <cstddef>
#include <cstdint>

#include "engine/characters/eudc_characters.h"

namespace {

void ReadAndCompare(const uint8_t* data, size_t size, uint32_t fontIndex) {
    using namespace characters;
    CharacterSet read;
    if (!ReadEudcCharacters(data, size, read, fontIndex)) {
        if (!read.empty()) __builtin_trap();  // "not a font" must leave nothing behind
        return;
    }
    for (size_t i = 1; i < read.size(); ++i)
        if (read[i - 1].code >= read[i].code) __builtin_trap();  // sorted, each code once
    if (!CompareCharacters(read, read).changed.empty()) __builtin_trap();
    const CharacterSet few = {{0xE000, 1}, {0xE757, 2}, {0xE758, 3}};
    for (uint16_t code : CompareCharacters(few, read).added) CodeName(code);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadAndCompare(data, size, 0);
    ReadAndCompare(data, size, 1);
    return 0;
}
