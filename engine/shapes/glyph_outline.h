// A glyph's outline as its points: quadratic TrueType contours, on-curve
// and off-curve points in font units, composite glyphs resolved into the
// contours of their components placed as they say.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/characters/glyph_locations.h"
#include "engine/characters/truetype_tables.h"

namespace shapes {

struct OutlinePoint {
    double x, y;
    bool onCurve;
};

struct Outline {
    std::vector<OutlinePoint> points;
    std::vector<size_t> contourEnds;  // one past each contour's last point
    int unitsPerEm = 1000;
};

class GlyphOutlineReader {
public:
    // False when head, maxp or loca are broken.
    bool Open(const characters::TrueTypeTables& tables);
    // The glyph's contours (none for an empty glyph). False when it is
    // broken: outside glyf, its points cut off, a component that leads back
    // to itself, nested too deep, or more points than any glyph needs.
    bool Read(uint32_t glyph, Outline& outline) const;
    uint32_t GlyphCount() const { return locations_.GlyphCount(); }

private:
    struct Placement {
        double xx = 1, xy = 0, yx = 0, yy = 1, dx = 0, dy = 0;
    };
    bool ReadGlyph(uint32_t glyph, const Placement& placement, int depth, size_t& visits, Outline& outline) const;
    bool ReadSimple(characters::FontBytes bytes, uint16_t contours, const Placement& placement,
                    Outline& outline) const;
    bool ReadComposite(characters::FontBytes bytes, const Placement& placement, int depth, size_t& visits,
                       Outline& outline) const;

    characters::GlyphLocations locations_;
    int unitsPerEm_ = 1000;
};

}  // namespace shapes
