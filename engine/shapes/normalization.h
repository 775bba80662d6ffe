// Which code points Unicode normalization (NFC, as databases, web forms and
// many programs apply it) replaces by others: an answer must never be one
// of them, or the character it names turns into another on the way.
#pragma once

#include <cstdint>

namespace shapes {

// True for a code point NFC changes: the compatibility ideographs that
// decompose (U+FA4E becomes U+7948), the other singletons (U+2126 Ohm becomes
// U+03A9) and the characters excluded from composition.
bool ChangedByNormalization(uint32_t code);

}  // namespace shapes
