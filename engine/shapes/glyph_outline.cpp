#include "engine/shapes/glyph_outline.h"

namespace shapes {
namespace {

using characters::FontBytes;

constexpr int kMaxDepth = 8;
constexpr size_t kMaxPoints = 1 << 16;  // far above any real glyph, composites included
constexpr size_t kGlyphHeader = 10;
// Glyphs read for one character, components included: a composite that
// names its components over and over again is refused, not walked.
constexpr size_t kMaxVisits = 4096;

// Simple glyph flags.
constexpr uint8_t kOnCurve = 0x01, kXShort = 0x02, kYShort = 0x04, kRepeat = 0x08, kXSame = 0x10, kYSame = 0x20;
// Component flags.
constexpr uint16_t kWords = 0x0001, kXYValues = 0x0002, kScale = 0x0008, kMore = 0x0020, kXYScale = 0x0040,
                   kTwoByTwo = 0x0080;

int16_t Signed(uint16_t value) { return static_cast<int16_t>(value); }
double F2Dot14(uint16_t value) { return Signed(value) / 16384.0; }

// One coordinate list (x or y): each point's delta, by its flags.
bool ReadCoordinates(FontBytes bytes, size_t& at, const std::vector<uint8_t>& flags, uint8_t shortBit,
                     uint8_t sameBit, std::vector<double>& values) {
    double value = 0;
    values.resize(flags.size());
    for (size_t i = 0; i < flags.size(); ++i) {
        if (flags[i] & shortBit) {
            if (!bytes.Has(at, 1)) return false;
            int delta = bytes.Data()[at++];
            value += (flags[i] & sameBit) ? delta : -delta;
        } else if (!(flags[i] & sameBit)) {
            uint16_t delta = 0;
            if (!bytes.U16(at, delta)) return false;
            at += 2;
            value += Signed(delta);
        }
        values[i] = value;
    }
    return true;
}

}  // namespace

bool GlyphOutlineReader::Open(const characters::TrueTypeTables& tables) {
    uint16_t unitsPerEm = 0;
    if (!tables.head.U16(18, unitsPerEm)) return false;
    unitsPerEm_ = unitsPerEm >= 16 ? unitsPerEm : 1000;
    return locations_.Open(tables);
}

bool GlyphOutlineReader::Read(uint32_t glyph, Outline& outline) const {
    outline.points.clear();
    outline.contourEnds.clear();
    outline.unitsPerEm = unitsPerEm_;
    size_t visits = 0;
    return ReadGlyph(glyph, Placement(), 0, visits, outline);
}

bool GlyphOutlineReader::ReadGlyph(uint32_t glyph, const Placement& placement, int depth, size_t& visits,
                                   Outline& outline) const {
    if (depth > kMaxDepth || ++visits > kMaxVisits) return false;
    FontBytes bytes;
    if (!locations_.GlyphBytes(glyph, bytes)) return false;
    if (bytes.Size() == 0) return true;
    uint16_t contours = 0;
    if (!bytes.U16(0, contours)) return false;
    if (contours & 0x8000) return ReadComposite(bytes, placement, depth, visits, outline);
    return ReadSimple(bytes, contours, placement, outline);
}

bool GlyphOutlineReader::ReadSimple(FontBytes bytes, uint16_t contours, const Placement& placement,
                                    Outline& outline) const {
    if (contours == 0) return true;
    size_t at = kGlyphHeader;
    std::vector<size_t> ends(contours);
    for (size_t i = 0; i < contours; ++i) {
        uint16_t end = 0;
        if (!bytes.U16(at, end)) return false;
        at += 2;
        if (i > 0 && end <= ends[i - 1] - 1) return false;
        ends[i] = size_t{end} + 1;
    }
    size_t count = ends.back();
    if (outline.points.size() + count > kMaxPoints) return false;
    uint16_t instructions = 0;
    if (!bytes.U16(at, instructions)) return false;
    at += 2 + size_t{instructions};
    std::vector<uint8_t> flags;
    flags.reserve(count);
    while (flags.size() < count) {
        if (!bytes.Has(at, 1)) return false;
        uint8_t flag = bytes.Data()[at++];
        size_t repeat = 1;
        if (flag & kRepeat) {
            if (!bytes.Has(at, 1)) return false;
            repeat += bytes.Data()[at++];
        }
        for (size_t r = 0; r < repeat && flags.size() < count; ++r) flags.push_back(flag);
    }
    std::vector<double> xs, ys;
    if (!ReadCoordinates(bytes, at, flags, kXShort, kXSame, xs) ||
        !ReadCoordinates(bytes, at, flags, kYShort, kYSame, ys))
        return false;
    size_t base = outline.points.size();
    for (size_t i = 0; i < count; ++i) {
        const Placement& p = placement;
        outline.points.push_back(OutlinePoint{p.xx * xs[i] + p.yx * ys[i] + p.dx, p.xy * xs[i] + p.yy * ys[i] + p.dy,
                                              (flags[i] & kOnCurve) != 0});
    }
    for (size_t end : ends) outline.contourEnds.push_back(base + end);
    return true;
}

// Each component: flags, glyph, its offset (or matched points, taken here
// as no offset) and an optional scale or 2x2 matrix, composed with the
// placement of the glyph that holds it.
bool GlyphOutlineReader::ReadComposite(FontBytes bytes, const Placement& placement, int depth, size_t& visits,
                                       Outline& outline) const {
    size_t at = kGlyphHeader;
    uint16_t flags = kMore;
    while (flags & kMore) {
        uint16_t component = 0;
        if (!bytes.U16(at, flags) || !bytes.U16(at + 2, component)) return false;
        at += 4;
        double dx = 0, dy = 0;
        if (flags & kWords) {
            uint16_t a = 0, b = 0;
            if (!bytes.U16(at, a) || !bytes.U16(at + 2, b)) return false;
            dx = Signed(a), dy = Signed(b);
            at += 4;
        } else {
            if (!bytes.Has(at, 2)) return false;
            dx = static_cast<int8_t>(bytes.Data()[at]), dy = static_cast<int8_t>(bytes.Data()[at + 1]);
            at += 2;
        }
        if (!(flags & kXYValues)) dx = dy = 0;
        Placement own;
        uint16_t a = 0, b = 0, c = 0, d = 0;
        if (flags & kTwoByTwo) {
            if (!bytes.U16(at, a) || !bytes.U16(at + 2, b) || !bytes.U16(at + 4, c) || !bytes.U16(at + 6, d))
                return false;
            own.xx = F2Dot14(a), own.xy = F2Dot14(b), own.yx = F2Dot14(c), own.yy = F2Dot14(d);
            at += 8;
        } else if (flags & kXYScale) {
            if (!bytes.U16(at, a) || !bytes.U16(at + 2, d)) return false;
            own.xx = F2Dot14(a), own.yy = F2Dot14(d);
            at += 4;
        } else if (flags & kScale) {
            if (!bytes.U16(at, a)) return false;
            own.xx = own.yy = F2Dot14(a);
            at += 2;
        }
        const Placement& p = placement;
        Placement placed;
        placed.xx = p.xx * own.xx + p.yx * own.xy;
        placed.xy = p.xy * own.xx + p.yy * own.xy;
        placed.yx = p.xx * own.yx + p.yx * own.yy;
        placed.yy = p.xy * own.yx + p.yy * own.yy;
        placed.dx = p.xx * dx + p.yx * dy + p.dx;
        placed.dy = p.xy * dx + p.yy * dy + p.dy;
        if (!ReadGlyph(component, placed, depth + 1, visits, outline)) return false;
    }
    return true;
}

}  // namespace shapes
