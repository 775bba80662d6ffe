// Fills a glyph's outline into a small square bitmap of coverage (0 to 1
// per pixel: the area inside, each contour counted by its winding and the
// sum capped at full ink), the same on every system. Any outline, however
// large, far off or self-crossing, is clipped to the bitmap; one that would
// take too much work is refused.
#pragma once

#include <vector>

#include "engine/shapes/glyph_outline.h"

namespace shapes {

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
