// What a glyph looks like, in a few bytes that compare quickly: its ink
// moved to the centre and scaled to a common spread (so that a character
// drawn smaller or off-centre compares as it looks), then, on a coarse
// grid, how much of its stroke edges run in each of four directions.
#pragma once

#include <array>
#include <cstdint>

#include "engine/shapes/glyph_outline.h"

namespace shapes {

constexpr int kGrid = 8;        // cells per side
constexpr int kDirections = 4;  // horizontal, both diagonals, vertical
constexpr int kFeatureSize = kGrid * kGrid * kDirections;
using ShapeFeature = std::array<uint8_t, kFeatureSize>;

// False when the glyph draws nothing (or its outline is refused).
bool MakeShapeFeature(const Outline& outline, ShapeFeature& feature);

// How alike two features are: 0 (nothing alike) to 1 (the same).
double Similarity(const ShapeFeature& a, const ShapeFeature& b);

}  // namespace shapes
