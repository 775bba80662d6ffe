// The PC's own Japanese fonts, whose pictures of the reference's characters
// the shape index holds beside the reference's own (ShapeIndex::Build's
// companions): an EUDC character is most often drawn after the Mincho or
// Gothic of the PC it was made on, and meets its template in that design.
#pragma once

#include <cstddef>

#include "engine/shapes/shape_index.h"

namespace shapes {

// At most this many fonts, and this many pictures in all, so that the
// index stays within a third of a reference font's size again.
constexpr size_t kMostDesignFonts = 3;
constexpr size_t kMostDesignPictures = 32000;

// The plain ideographs a font can lend its pictures of: 0 unless it is a
// TrueType font with outlines that names a Japanese code page, drawing as
// many kanji as an everyday Japanese font (thousands; a reference-sized
// font of tens of thousands, such as IPAmj or Hanazono, is none).
size_t DesignFontIdeographs(FontFile font);

}  // namespace shapes
