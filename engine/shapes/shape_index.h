// The shapes of every character a reference font draws, kept as features
// that compare quickly, and the characters nearest a given shape. Saved as
// bytes under a header that names the font's fingerprint, so that an index
// is built once per font and never used for another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

#include "engine/shapes/feature_dot.h"
#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/shape_feature.h"

namespace shapes {

struct Candidate {
    uint32_t code = 0;
    uint32_t selector = 0;  // 0 for a plain code point
    double score = 0;       // 0 to 1: how alike, all measures weighed together
    // The measures: the features' angle (0 to 1), and the shares of the
    // asked glyph's ink the candidate lacks and of the candidate's ink the
    // asked glyph lacks (0 to 1; see StrayInk).
    double likeness = 0, strayInk = 0, missingInk = 0;
    // The same shares cell for cell (ExactInkDifference).
    double exactStray = 0, exactMissing = 0;
    // Those of the ink fitted to the outline's box, against a picture from
    // the PC's fonts (GlyphShape::box); -1 against the reference's.
    double boxStray = -1, boxMissing = -1;
    // The picture's glyph in the font it was drawn from.
    uint32_t glyph = 0;
};

// What the nearest candidates say of a glyph: the standard character drawn
// in another design at most (same), a likely candidate that a person must
// confirm (check), or no standard twin, an original character (none).
enum class Verdict { kSame, kCheck, kNone };

struct Identification {
    std::vector<Candidate> candidates;  // best first, each a glyph of its own
    Verdict verdict = Verdict::kNone;
};

// Below it, a best candidate is no likely twin: measured on fonts nobody
// drew for this, a right first candidate scores above it nearly always.
constexpr double kLikelyTwin = 0.80;

// The fingerprint of a whole font file, which keys its index.
uint64_t FontFingerprint(const unsigned char* data, size_t size);

// A font's bytes, borrowed.
struct FontFile {
    const unsigned char* data = nullptr;
    size_t size = 0;
};

// The fingerprint of an index built from a reference font and the fonts
// beside it (in their order), from theirs (FontFingerprint): it changes
// with any of them.
uint64_t IndexFingerprint(uint64_t reference, const std::vector<uint64_t>& companions);
uint64_t IndexFingerprint(FontFile reference, const std::vector<FontFile>& companions);

class ShapeIndex {
public:
    enum class Built { kDone, kNotTrueType, kNoIdeographs, kCancelled };
    // Called now and then with how many glyphs are done of how many; false cancels.
    using Progress = std::function<bool(size_t done, size_t total)>;

    // Each glyph the font's character maps reach, once: named by its plain
    // code point where it has one (the lowest), else by its sequence.
    // Companions are the fonts an EUDC character was likely drawn after
    // (the PC's own Mincho and Gothic): each ideograph one of them draws
    // that the reference draws too is added as a second picture of the
    // reference's character, so that a Gothic character meets a Gothic
    // template; the reference still names every answer. A companion that
    // cannot be read adds nothing.
    Built Build(const unsigned char* data, size_t size, const Progress& progress = nullptr,
                const std::vector<FontFile>& companions = {});

    std::vector<unsigned char> Save() const;
    // False when the bytes are no index, are cut off, or were built from
    // another font (fingerprint).
    bool Load(const unsigned char* data, size_t size, uint64_t fingerprint);

    // The count nearest characters, best first, by the features alone.
    std::vector<Candidate> Nearest(const ShapeFeature& feature, size_t count = 5) const;
    // The leading candidates compared again, stroke by stroke on the finer
    // ink maps, ranked by all measures (the count best, unfiltered).
    std::vector<Candidate> Compare(const GlyphShape& shape, size_t count) const;
    // The count best candidates of the kind an answer may be (an ideograph
    // unless the shape is the same; a plain character before its variation
    // sequence unless that is clearly closer; no glyph twice), and the verdict.
    Identification Identify(const GlyphShape& shape, size_t count = 5) const;

    // The reference font the index was built from (its bytes outlive the
    // index's use): Identify then also asks whether the glyph is the
    // reference's own glyph with a stroke added or taken away, as it asks
    // of the PC's fonts' pictures. Without it, or for bytes that are no
    // such font, it does not ask. Build and Load let it go.
    void AttachReference(FontFile reference);

    // SSE2 for the search's sums, where the caller knows the system runs
    // it (FeatureDot); the answers are the same either way.
    void UseSse2(bool sse2) { dot_ = FeatureDot(sse2); }

    size_t Size() const { return entries_.size(); }
    uint64_t Fingerprint() const { return fingerprint_; }

private:
    struct Entry {
        uint32_t code, selector;
        uint32_t glyph;  // in the font it was drawn from
        bool design;  // a picture from one of the PC's fonts beside the reference
    };
    static constexpr int kCoarseSize = kFeatureSize / 4;
    using Coarse = std::array<uint8_t, kCoarseSize>;
    using Centroid = std::array<float, kCoarseSize>;
    void MakeCoarse();
    // Groups alike shapes (k-means on the coarse features) and orders the
    // entries by group, so that a search looks into the nearest groups only.
    void Group();
    void MakeCentroids();
    size_t NearestCentroid(const Coarse& coarse) const;
    // The entries of the nearest groups, by the features' angle, best first.
    std::vector<std::pair<double, size_t>> ShortList(const ShapeFeature& feature) const;
    void Reorder(const std::vector<uint32_t>& group);
    // One picture per glyph of a font; returns false when progress cancels.
    bool AddPictures(const GlyphOutlineReader& reader, const std::vector<Entry>& glyphs, size_t& done, size_t total,
                     const Progress& progress);

    uint64_t fingerprint_ = 0;
    FeatureDot dot_;
    std::optional<GlyphOutlineReader> reference_;
    // The first candidate, when it is the reference's picture: its ink
    // fitted to its outline's box against the glyph's.
    void MeasureAgainstReferenceBox(const GlyphShape& shape, Candidate& candidate) const;
    std::vector<Entry> entries_;
    std::unordered_set<uint32_t> designCodes_;  // the characters the PC's fonts picture
    void NoteDesignCodes();
    std::vector<ShapeFeature> features_;
    std::vector<InkMap> inks_;
    std::vector<InkMap> boxes_;  // of the pictures from the PC's fonts; empty for the reference's
    std::vector<Coarse> coarse_;  // 2x2 cells summed: a quick first pass
    std::vector<float> coarseScale_;
    // 4x4 cells of the coarse feature summed: a quicker pass before it.
    static constexpr int kGlanceSize = kCoarseSize / 4;
    using Glance = std::array<uint8_t, kGlanceSize>;
    std::vector<Glance> glances_;
    std::vector<float> glanceScale_;
    std::vector<uint32_t> groupStarts_;  // the entries of group g: groupStarts_[g] to groupStarts_[g + 1]
    std::vector<Centroid> centroids_;
    // The centroids in whole numbers (0 to 32767), for the grouping's and
    // the search's many comparisons (floating point is slow on the x87 of
    // the 32-bit build).
    std::vector<std::array<int16_t, kCoarseSize>> centroidWeights_;
    void WeighCentroids();
};

}  // namespace shapes
