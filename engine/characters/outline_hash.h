// A 64-bit fingerprint of a glyph's outline bytes, to tell whether two
// fonts draw a character alike. Not cryptographic: it only has to see an
// edit that a person made, and be quick on the 32-bit x86 program that
// ships, so it runs two 32-bit lanes instead of 64-bit arithmetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace characters {

// The fingerprint of length bytes (none for an empty glyph).
uint64_t HashBytes(const unsigned char* bytes, size_t length);
inline uint64_t HashText(const std::string& text) {
    return HashBytes(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}
// A composite glyph's fingerprint with one of its components' folded in,
// in the order the glyph names them.
uint64_t FoldHash(uint64_t hash, uint64_t component);

}  // namespace characters
