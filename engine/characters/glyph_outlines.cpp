#include "engine/characters/glyph_outlines.h"

#include "engine/characters/outline_hash.h"

namespace characters {
namespace {

// Fonts nest components two or three levels deep; a deeper nesting, and a
// component that leads back to its own glyph, is taken for a hostile file
// rather than walked. (A glyph already read for another character is not
// walked again, so how deep a font may nest depends a little on which
// characters reach a glyph first.)
constexpr int kMaxComponentDepth = 16;
constexpr size_t kGlyphHeader = 10;  // numberOfContours and the bounding box

// Flags of a composite glyph's component record.
constexpr uint16_t kArgumentsAreWords = 0x0001;
constexpr uint16_t kHasScale = 0x0008;
constexpr uint16_t kMoreComponents = 0x0020;
constexpr uint16_t kHasXYScale = 0x0040;
constexpr uint16_t kHasTwoByTwo = 0x0080;

size_t ComponentRecordSize(uint16_t flags) {
    size_t size = 4 + ((flags & kArgumentsAreWords) ? 4 : 2);
    if (flags & kHasTwoByTwo) return size + 8;
    if (flags & kHasXYScale) return size + 4;
    if (flags & kHasScale) return size + 2;
    return size;
}

}  // namespace

bool GlyphOutlines::Open(const TrueTypeTables& tables, bool fingerprints) {
    fingerprints_ = fingerprints;
    if (!locations_.Open(tables)) return false;
    visits_.assign(locations_.GlyphCount(), Visit());
    return true;
}

bool GlyphOutlines::Fingerprint(uint32_t glyph, bool& hasOutline, uint64_t& fingerprint) {
    if (glyph >= locations_.GlyphCount() || !Read(glyph, 0)) return false;
    hasOutline = visits_[glyph].hasOutline;
    fingerprint = visits_[glyph].fingerprint;
    return true;
}

// Each glyph is read once however many characters and composites use it:
// a font cannot make the reading cost more than its size.
bool GlyphOutlines::Read(uint32_t glyph, int depth) {
    Visit& visit = visits_[glyph];
    if (visit.done) return true;
    if (depth > kMaxComponentDepth) return false;
    FontBytes bytes;
    if (!locations_.GlyphBytes(glyph, bytes)) return false;
    if (fingerprints_) visit.fingerprint = HashBytes(bytes.Data(), bytes.Size());
    uint16_t contours = 0;
    if (bytes.Size() != 0) {
        if (bytes.Size() < kGlyphHeader) return false;
        bytes.U16(0, contours);
    }
    visit.hasOutline = contours != 0;
    if ((contours & 0x8000) && !FoldComponents(bytes, depth, visit)) return false;
    visit.done = true;
    return true;
}

// A composite glyph (a negative contour count) lists its components, each
// a glyph index with its placement; the placement's size depends on flags.
bool GlyphOutlines::FoldComponents(FontBytes bytes, int depth, Visit& visit) {
    size_t at = kGlyphHeader;
    uint16_t flags = kMoreComponents;
    while (flags & kMoreComponents) {
        uint16_t component = 0;
        if (!bytes.U16(at, flags) || !bytes.U16(at + 2, component)) return false;
        if (component >= locations_.GlyphCount() || !Read(component, depth + 1)) return false;
        if (fingerprints_) visit.fingerprint = FoldHash(visit.fingerprint, visits_[component].fingerprint);
        at += ComponentRecordSize(flags);
    }
    return bytes.Has(at, 0);
}

}  // namespace characters
