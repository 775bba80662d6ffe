// libFuzzer's entry for the saved shape index (~minamo-shapes.idx in the
// user data folder, which anything may have written): any bytes must load
// as an index that searches within its entries, or be refused, never a
// crash, a read outside them or a hang.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/shapes/shape_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The fingerprint the file says it has, so that loads get past it.
    uint64_t fingerprint = 0;
    if (size >= 24) std::memcpy(&fingerprint, data + 16, 8);
    shapes::ShapeIndex index;
    if (!index.Load(data, size, fingerprint)) return 0;
    shapes::ShapeFeature feature{};
    for (size_t i = 0; i < feature.size(); ++i) feature[i] = data[i % size];
    for (const shapes::Candidate& candidate : index.Nearest(feature))
        if (candidate.code > 0x10FFFF || !(candidate.score >= -1.0001 && candidate.score <= 1.0001)) __builtin_trap();
    return 0;
}
