// A character of a font drawn by the shapes' own rasterizer, so that a
// window can show a variation sequence's own glyph, which the system's text
// drawing may not reach, from a font that need not be installed.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/shapes/shape_index.h"

namespace shapes {

// The em box of the candidate's glyph as size x size coverage (0 to 1, rows
// from the top); false when the font does not draw it or is broken.
bool DrawCandidate(const unsigned char* font, size_t fontSize, const Candidate& candidate, int size,
                   std::vector<float>& coverage);

}  // namespace shapes
