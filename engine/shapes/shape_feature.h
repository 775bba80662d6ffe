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

// Where the normalised glyph has ink, on a finer grid than the feature's:
// a row a word, bit x for column x. It tells a stroke added, taken away or
// moved, which the directions pooled on the coarse grid blur.
constexpr int kInkSide = 24;
using InkMap = std::array<uint32_t, kInkSide>;

struct GlyphShape {
    ShapeFeature feature;
    InkMap ink;
    // The ink on the same grid fitted to the outline's box instead of its
    // ink's spread: a stroke added or taken away inside the box leaves the
    // rest where it was, so a glyph changed from a font's glyph differs
    // from it cell for cell by the change alone.
    InkMap box;
};

// The ink map of the outline's box scaled to the bitmap (the longer side
// across it, centred), not its ink's spread: GlyphShape::box.
InkMap BoxInkMap(const Outline& outline);

// False when the glyph draws nothing (or its outline is refused).
bool MakeShapeFeature(const Outline& outline, ShapeFeature& feature);
// withBox false leaves shape.box empty (a picture that never needs it).
bool MakeGlyphShape(const Outline& outline, GlyphShape& shape, bool withBox = true);

// The share of a's ink that b does not have within one cell of it: 0 when
// b covers every stroke of a, near 1 when they have nothing in common.
double StrayInk(const InkMap& a, const InkMap& b);

// The shares of each glyph's ink the other lacks cell for cell, with b
// moved by at most one cell the way that leaves the least: tells a stroke
// added beside others, which StrayInk's tolerance forgives, where both are
// drawn in one design.
struct InkDifference {
    double onlyFirst, onlySecond;
};
InkDifference ExactInkDifference(const InkMap& a, const InkMap& b);

}  // namespace shapes
