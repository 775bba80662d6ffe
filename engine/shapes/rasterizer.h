// Fills a glyph's outline into a small square bitmap of coverage (0 to 1
// per pixel: the area inside, each contour counted by its winding and the
// sum capped at full ink), the same on every system. Any outline, however
// large, far off or self-crossing, is clipped to the bitmap; one that would
// take too much work is refused.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/shapes/glyph_outline.h"

namespace shapes {

// The whole number nearest v (of two as near, the even one), for |v| under
// 2^31, without std::round, std::floor or a cast, each of which is a call
// or switches the rounding mode of the x87 the 32-bit build computes with
// (a seventh of the index's build): adding 1.5 x 2^52 leaves it in the
// low bits of the double.
inline int NearestWhole(double v) {
    const double shifted = v + 6755399441055744.0;
    uint64_t bits = 0;
    std::memcpy(&bits, &shifted, sizeof bits);
    return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

// Where font units land: pixel x = x * scale + dx, pixel y = dy - y * scale
// (rows run downward, font units upward).
struct View {
    double scale, dx, dy;
};

// size x size values, row by row from the top; false (and all zero) when
// the outline would take many times the work of any glyph.
bool Rasterize(const Outline& outline, const View& view, int size, std::vector<float>& coverage);

// The ink's centre and spread (the root of the mean of both axes'
// variances), in pixels; false when nothing is inked.
struct InkMoments {
    double x, y, spread, mass;
};
bool MeasureInk(const std::vector<float>& coverage, int size, InkMoments& moments);

}  // namespace shapes
