// The second look at the leading candidates of a search: their ink maps
// against the asked glyph's, the ranking of all measures together, the
// choice of what may be answered, and the verdict.
#include <algorithm>
#include <optional>
#include <unordered_set>

#include "engine/shapes/reference_characters.h"
#include "engine/shapes/shape_index.h"

namespace shapes {
namespace {

constexpr size_t kCompared = 16;  // of the short list, compared again
// How much a share of ink one glyph has and the other lacks counts against
// the features' likeness: in the ranking (more takes the right character
// out of the first five in designs far from the reference's, measured on
// Ume Gothic and Hanazono), and for the verdict.
constexpr double kRankInkWeight = 0.1, kVerdictInkWeight = 0.25;
// A variation sequence goes before its plain character only when it is
// clearly closer.
constexpr double kClearlyCloser = 0.004;
// Of the gap a picture in the glyph's own design gives, the share granted to
// the characters the PC's fonts do not picture: all of it puts back some of
// the confusions of the reference alone, none loses the rare characters
// (set on Ume Gothic's characters, with IPA's fonts and with its own beside
// the reference).
constexpr double kDesignGapShare = 0.5;
// And a symbol goes before a kanji of its shape only when it is closer by this.
constexpr double kSymbolClearlyCloser = 0.02;

// The verdict's marks, set on glyph sets kept apart from those the benchmark
// measures on (IPA Mincho and Gothic, Hanazono, Ume Mincho and Gothic, and
// made glyphs without a twin): a first candidate this alike, with this
// little ink either lacks, and this far ahead of the next other character
// is the same character (its first candidate was right 99.6 % of the time,
// for three real characters in four). A stroke added where strokes lie
// close is within the ink maps' tolerance: such glyphs are the verdict's
// weak side.
constexpr double kSameScore = 0.965, kSameStray = 0.03, kSameMissing = 0.03, kSameAhead = 0.008;
// Below this likeness, or with this much ink either lacks, nothing standard
// looks like it (of real characters, under 2 % fell there).
constexpr double kNoneScore = 0.93, kNoneInk = 0.10;
// Cell for cell, this little ink either lacks is the picture of the very
// design: real characters against their own font's pictures differed by
// none, glyphs made from them to have no twin by 5 % and more.
constexpr double kSameDesignInk = 0.03, kSameDesignLikeness = 0.95;
// Fitted to their boxes, a glyph made from a picture's very glyph by a
// stroke added lacks none of the picture's ink (at most this share) and has
// this share or more of its own (two cells of some two hundred). A real
// character meets its own font's picture cell for cell, and another
// design's with more on both sides: of the real characters of IPA, Ume and
// Hanazono fonts called same, none was caught so, against half the made
// glyphs of Ume Gothic beside Ume Gothic that were.
constexpr double kChangedCleanSide = 0.02, kChangedSide = 0.01;

double Combined(double likeness, double stray, double missing, double weight) {
    return std::max(0.0, likeness - weight * (stray + missing));
}

double VerdictScore(const Candidate& candidate) {
    return Combined(candidate.likeness, candidate.strayInk, candidate.missingInk, kVerdictInkWeight);
}

// A picture of the very design the glyph was drawn in (the reference's, or
// one of the PC's fonts beside it) matches it cell for cell: the same glyph.
bool SameDesign(const Candidate& candidate) {
    return candidate.exactStray <= kSameDesignInk && candidate.exactMissing <= kSameDesignInk;
}

// Fitted to its box, the glyph matches a picture from the PC's fonts cell
// for cell on one side but not the other: that font's glyph with a stroke
// added (or taken away), not the character itself.
bool ChangedFromItsDesign(const Candidate& candidate) {
    if (candidate.boxStray < 0) return false;
    const double lesser = std::min(candidate.boxStray, candidate.boxMissing),
                 greater = std::max(candidate.boxStray, candidate.boxMissing);
    return lesser <= kChangedCleanSide && greater >= kChangedSide;
}

// A candidate that is no ideograph (a symbol, a letter) is answered only
// for a glyph of its very shape: a kanji drawn oddly is none of them.
bool SameShape(const Candidate& candidate) {
    return SameDesign(candidate) || (VerdictScore(candidate) >= kSameScore && candidate.strayInk <= kSameStray &&
                                     candidate.missingInk <= kSameMissing);
}

// Moves the first later candidate that outranks an earlier one (outranks)
// before it, unless the earlier one is closer by more than margin.
template <typename Outranks>
void PutBefore(std::vector<Candidate>& candidates, double margin, Outranks outranks) {
    for (size_t i = 0; i < candidates.size(); ++i)
        for (size_t j = i + 1; j < candidates.size(); ++j)
            if (outranks(candidates[i], candidates[j]) && candidates[j].score + margin >= candidates[i].score) {
                std::rotate(candidates.begin() + static_cast<std::ptrdiff_t>(i),
                            candidates.begin() + static_cast<std::ptrdiff_t>(j),
                            candidates.begin() + static_cast<std::ptrdiff_t>(j) + 1);
                break;
            }
}

Verdict Judge(const std::vector<Candidate>& candidates) {
    if (candidates.empty()) return Verdict::kNone;
    const Candidate& first = candidates[0];
    // Cell for cell like the first and like no other character (己 and 已
    // may both be, a cell apart), and not a PC font's glyph with a short
    // stroke added, which that tolerance lets by.
    if (SameDesign(first) && !ChangedFromItsDesign(first) && std::none_of(candidates.begin() + 1, candidates.end(), [&](const Candidate& other) {
            return other.code != first.code && SameDesign(other);
        }))
        return Verdict::kSame;
    if (VerdictScore(first) < kNoneScore || first.strayInk + first.missingInk >= kNoneInk) return Verdict::kNone;
    // Ahead of the next other character by its measures, and by the ranking's
    // score, which weighs a character the PC's fonts lack as if they drew it.
    double next = 0, nextScore = 0;
    for (size_t i = 1; i < candidates.size() && next == 0; ++i)
        if (candidates[i].code != first.code) next = VerdictScore(candidates[i]), nextScore = candidates[i].score;
    const bool ahead = VerdictScore(first) - next >= kSameAhead && first.score - nextScore >= kSameAhead;
    return SameShape(first) && ahead && !ChangedFromItsDesign(first) ? Verdict::kSame : Verdict::kCheck;
}

// A character's nearest reference picture, and its nearest picture from
// the PC's fonts.
struct Pictured {
    uint32_t code, selector;
    std::optional<Candidate> reference, design;
};

// Each character as its nearer picture, best first. A picture in the
// glyph's own design (one of the PC's fonts) is closer than the
// reference's for that reason alone: among the characters pictured both
// ways, a share of the median of that gap is added to the characters the PC's fonts
// do not picture (a rare kanji, a sequence, a symbol), so that they are
// weighed against the others as if pictured in that design too, not lost
// to a common character that is.
std::vector<Candidate> Calibrated(const std::vector<Pictured>& pictured, size_t count,
                                  const std::unordered_set<uint32_t>& designCodes) {
    std::vector<double> gaps;
    for (const Pictured& p : pictured)
        if (p.reference && p.design) gaps.push_back(p.design->score - p.reference->score);
    double gap = 0;
    if (!gaps.empty()) {
        std::nth_element(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(gaps.size() / 2), gaps.end());
        gap = kDesignGapShare * std::max(0.0, gaps[gaps.size() / 2]);
    }
    std::vector<Candidate> candidates;
    for (const Pictured& p : pictured) {
        Candidate best = p.design && (!p.reference || p.design->score > p.reference->score) ? *p.design : *p.reference;
        // Whether the glyph is a PC font's glyph changed is asked of that
        // font's picture even where the reference's is nearer: a glyph
        // copied from a font much like the reference meets both.
        if (p.design) best.boxStray = p.design->boxStray, best.boxMissing = p.design->boxMissing;
        if (best.selector != 0 || designCodes.count(best.code) == 0) best.score += gap;
        candidates.push_back(best);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    if (candidates.size() > count) candidates.resize(count);
    return candidates;
}

}  // namespace

std::vector<Candidate> ShapeIndex::Compare(const GlyphShape& shape, size_t count) const {
    std::vector<Pictured> compared;
    for (const auto& entry : ShortList(shape.feature)) {
        const Entry& e = entries_[entry.second];
        const InkMap& ink = inks_[entry.second];
        Candidate candidate{e.code, e.selector, 0, entry.first, StrayInk(shape.ink, ink), StrayInk(ink, shape.ink)};
        candidate.glyph = e.glyph;
        candidate.score = Combined(candidate.likeness, candidate.strayInk, candidate.missingInk, kRankInkWeight);
        // Only a picture this alike can be one of the very design (and the
        // comparison cell for cell takes a tenth of a search).
        candidate.exactStray = candidate.exactMissing = 1;
        if (candidate.likeness >= kSameDesignLikeness) {
            const InkDifference exact = ExactInkDifference(shape.ink, ink);
            candidate.exactStray = exact.onlyFirst;
            candidate.exactMissing = exact.onlySecond;
        }
        if (e.design) {
            const InkDifference box = ExactInkDifference(shape.box, boxes_[entry.second]);
            candidate.boxStray = box.onlyFirst;
            candidate.boxMissing = box.onlySecond;
        }
        auto same = std::find_if(compared.begin(), compared.end(), [&](const Pictured& kept) {
            return kept.code == e.code && kept.selector == e.selector;
        });
        if (same == compared.end()) {
            if (compared.size() == std::max(count, kCompared)) break;
            same = compared.insert(compared.end(), Pictured{e.code, e.selector, std::nullopt, std::nullopt});
        }
        std::optional<Candidate>& kept = e.design ? same->design : same->reference;
        if (!kept || candidate.score > kept->score) kept = candidate;
    }
    return Calibrated(compared, count, designCodes_);
}

Identification ShapeIndex::Identify(const GlyphShape& shape, size_t count) const {
    Identification found;
    std::vector<Candidate> compared = Compare(shape, kCompared);
    for (const Candidate& candidate : compared) {
        if (!IsIdeograph(candidate.code) && !SameShape(candidate)) continue;
        // Two names for glyphs drawn alike to the last ink cell are one glyph: the first named stays.
        const bool seen = std::any_of(found.candidates.begin(), found.candidates.end(), [&](const Candidate& kept) {
            return kept.likeness == candidate.likeness && kept.strayInk == candidate.strayInk &&
                   kept.missingInk == candidate.missingInk;
        });
        if (!seen) found.candidates.push_back(candidate);
    }
    // A plain character before its own sequences, and a kanji before a
    // symbol of its shape (一 before ━ and _), unless they are clearly closer.
    PutBefore(found.candidates, kClearlyCloser, [](const Candidate& earlier, const Candidate& later) {
        return earlier.selector != 0 && later.selector == 0 && later.code == earlier.code;
    });
    PutBefore(found.candidates, kSymbolClearlyCloser, [](const Candidate& earlier, const Candidate& later) {
        return !IsIdeograph(earlier.code) && IsIdeograph(later.code);
    });
    if (found.candidates.size() > count) found.candidates.resize(count);
    if (!found.candidates.empty()) MeasureAgainstReferenceBox(shape, found.candidates[0]);
    found.verdict = Judge(found.candidates);
    return found;
}

}  // namespace shapes
