// libFuzzer's entry for the shape index: any bytes, as a font file or as a
// glyph's outline, must give an index, a feature or a refusal, never a
// crash, a write outside the bitmap or a hang.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/shapes/design_fonts.h"
#include "engine/shapes/rasterizer.h"
#include "engine/shapes/shape_index.h"

namespace {

// Five bytes a point: x and y (16-bit), then flags: on-curve, ends a contour.
void RasterizeOutline(const uint8_t* data, size_t size) {
    using namespace shapes;
    if (size < 4) return;
    View view{(data[0] + 1) / 64.0, data[1] - 128.0, data[2] - 64.0};
    Outline outline;
    for (size_t at = 3; at + 5 <= size; at += 5) {
        int16_t x = 0, y = 0;
        std::memcpy(&x, data + at, 2);
        std::memcpy(&y, data + at + 2, 2);
        outline.points.push_back(OutlinePoint{double(x), double(y), (data[at + 4] & 1) != 0});
        if (data[at + 4] & 2) outline.contourEnds.push_back(outline.points.size());
    }
    outline.contourEnds.push_back(outline.points.size());
    std::vector<float> coverage;
    Rasterize(outline, view, 48, coverage);
    for (float value : coverage)
        if (!(value >= 0 && value <= 1)) __builtin_trap();
    ShapeFeature feature{};
    MakeShapeFeature(outline, feature);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RasterizeOutline(data, size);
    // The bytes as a reference font and as a font of the PC's beside it.
    (void)shapes::DesignFontIdeographs({data, size});
    shapes::ShapeIndex index;
    if (index.Build(data, size, nullptr, {shapes::FontFile{data, size}}) == shapes::ShapeIndex::Built::kDone) {
        auto saved = index.Save();
        shapes::ShapeIndex loaded;
        if (!loaded.Load(saved.data(), saved.size(), index.Fingerprint())) __builtin_trap();
    }
    return 0;
}
