#include "engine/shapes/shape_index.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "engine/characters/outline_hash.h"
#include "engine/characters/pua_cmap.h"
#include "engine/characters/truetype_tables.h"
#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/normalization.h"
#include "engine/shapes/reference_characters.h"

namespace shapes {
namespace {

const char kMagic[8] = {'M', 'N', 'S', 'H', 'A', 'P', 'E', 'S'};
// Changes with the layout and with anything that changes a feature or the
// grouping: an index kept from an older build is then built anew.
constexpr uint32_t kVersion = 8;
constexpr size_t kHeader = 8 + 4 + 4 + 8 + 4 + 4;  // then each group's size
constexpr size_t kInkRow = 3;  // kInkSide bits
constexpr uint32_t kDesignBit = 0x80000000u;  // in a saved selector: a picture from a font beside the reference
constexpr size_t kRecord = 4 + 4 + 4 + kFeatureSize + kInkSide * kInkRow;
constexpr size_t kBoxRecord = kInkSide * kInkRow;
constexpr size_t kShortList = 64;  // kept by the quick pass for the full comparison
constexpr size_t kGlanced = 3072;  // kept by the quickest pass for the quick one
// Groups of alike shapes, and how many of the nearest a search looks into:
// an eighth of the index or so, where nearly every right answer lies.
constexpr size_t kGroups = 256;
constexpr size_t kGroupsSearched = 32;
constexpr int kGroupingRounds = 2;
// The rounds place every kGroupingSample-th entry only; the last places all.
constexpr size_t kGroupingSample = 4;

void Put32(std::vector<unsigned char>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>(value >> shift));
}
void PutInk(std::vector<unsigned char>& out, const InkMap& ink) {
    for (uint32_t row : ink)
        for (size_t b = 0; b < kInkRow; ++b) out.push_back(static_cast<unsigned char>(row >> (8 * b)));
}
InkMap GetInk(const unsigned char* at) {
    InkMap ink{};
    for (size_t y = 0; y < kInkSide; ++y)
        ink[y] = uint32_t{at[y * kInkRow]} | uint32_t{at[y * kInkRow + 1]} << 8 | uint32_t{at[y * kInkRow + 2]} << 16;
    return ink;
}
uint32_t Get32(const unsigned char* at) {
    return uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 | uint32_t{at[3]} << 24;
}

// Per glyph, the name to give it: the first plain code (they come sorted),
// else the first sequence; never a code that normalization turns into
// another (U+FA4E, which the sequence U+7948 U+FE00 draws as well), so a
// glyph only such a code reaches is left out.
std::vector<std::pair<uint32_t, DrawnCharacter>> NameGlyphs(const std::vector<DrawnCharacter>& drawn) {
    std::unordered_map<uint32_t, size_t> named;
    std::vector<std::pair<uint32_t, DrawnCharacter>> glyphs;
    for (const DrawnCharacter& character : drawn)
        if (!ChangedByNormalization(character.code) && named.emplace(character.glyph, glyphs.size()).second)
            glyphs.emplace_back(character.glyph, character);
    return glyphs;
}

// A feature of side x side cells at half the side, each cell the mean of
// four; gives the inverse of its length (0 for none).
template <size_t From, size_t To>
float Halve(const std::array<uint8_t, From>& fine, int side, std::array<uint8_t, To>& coarse) {
    const int half = side / 2;
    uint32_t length = 0;
    for (int cy = 0; cy < half; ++cy)
        for (int cx = 0; cx < half; ++cx)
            for (int d = 0; d < kDirections; ++d) {
                uint32_t sum = 0;
                for (int j = 0; j < 2; ++j)
                    for (int i = 0; i < 2; ++i)
                        sum += fine[static_cast<size_t>(((cy * 2 + j) * side + cx * 2 + i) * kDirections + d)];
                auto value = static_cast<uint8_t>(sum / 4);
                coarse[static_cast<size_t>((cy * half + cx) * kDirections + d)] = value;
                length += uint32_t{value} * value;
            }
    return length ? static_cast<float>(1 / std::sqrt(double(length))) : 0.0f;
}

}  // namespace

uint64_t FontFingerprint(const unsigned char* data, size_t size) {
    return characters::FoldHash(characters::HashBytes(data, size), size);
}

uint64_t IndexFingerprint(uint64_t reference, const std::vector<uint64_t>& companions) {
    // A font alone keeps the fingerprint it always had, and so its saved index.
    uint64_t fingerprint = reference;
    for (uint64_t companion : companions) fingerprint = characters::FoldHash(fingerprint, companion);
    return fingerprint;
}

uint64_t IndexFingerprint(FontFile reference, const std::vector<FontFile>& companions) {
    std::vector<uint64_t> fingerprints;
    fingerprints.reserve(companions.size());
    for (const FontFile& companion : companions) fingerprints.push_back(FontFingerprint(companion.data, companion.size));
    return IndexFingerprint(FontFingerprint(reference.data, reference.size), fingerprints);
}

namespace {

// Each plain ideograph the reference draws, and the code its glyph is
// named by (NameGlyphs): the name a companion's picture of it takes.
std::unordered_map<uint32_t, uint32_t> PlainIdeographNames(
    const std::vector<DrawnCharacter>& drawn, const std::vector<std::pair<uint32_t, DrawnCharacter>>& named) {
    std::unordered_map<uint32_t, uint32_t> nameOfGlyph, names;
    for (const auto& glyph : named) nameOfGlyph.emplace(glyph.first, glyph.second.code);
    for (const DrawnCharacter& character : drawn) {
        auto name = nameOfGlyph.find(character.glyph);
        if (character.selector == 0 && IsIdeograph(character.code) && name != nameOfGlyph.end() &&
            !ChangedByNormalization(character.code))
            names.emplace(character.code, name->second);
    }
    return names;
}

// A companion's ideographs that the reference names, each glyph once,
// under the reference's name for that character's glyph.
std::vector<std::pair<uint32_t, uint32_t>> CompanionGlyphs(FontFile companion,
                                                           const std::unordered_map<uint32_t, uint32_t>& referenceNames,
                                                           characters::TrueTypeTables& tables) {
    std::vector<std::pair<uint32_t, uint32_t>> glyphs;  // glyph, the reference's code
    std::vector<DrawnCharacter> drawn;
    if (!characters::FindTrueTypeTables(characters::FontBytes(companion.data, companion.size), 0, tables) ||
        !ReadDrawnCharacters(tables.cmap, drawn))
        return glyphs;
    std::unordered_set<uint32_t> seen;
    for (const DrawnCharacter& character : drawn) {
        if (character.selector != 0 || !IsIdeograph(character.code)) continue;
        auto named = referenceNames.find(character.code);
        if (named != referenceNames.end() && seen.insert(character.glyph).second)
            glyphs.emplace_back(character.glyph, named->second);
    }
    return glyphs;
}

}  // namespace

bool ShapeIndex::AddPictures(const GlyphOutlineReader& reader, const std::vector<Entry>& glyphs, size_t& done,
                             size_t total, const Progress& progress) {
    Outline outline;
    GlyphShape shape{};
    for (const Entry& entry : glyphs) {
        if (progress && done % 512 == 0 && !progress(done, total)) return false;
        ++done;
        if (!reader.Read(entry.glyph, outline) || !MakeGlyphShape(outline, shape, entry.design)) continue;
        entries_.push_back(entry);
        features_.push_back(shape.feature);
        inks_.push_back(shape.ink);
        boxes_.push_back(shape.box);
    }
    return true;
}

ShapeIndex::Built ShapeIndex::Build(const unsigned char* data, size_t size, const Progress& progress,
                                    const std::vector<FontFile>& companions) {
    reference_.reset();  // attached to the font of the index before
    entries_.clear();
    designCodes_.clear();
    features_.clear();
    inks_.clear();
    boxes_.clear();
    groupStarts_.assign(1, 0);
    centroids_.clear();
    characters::FontBytes file(data, size);
    characters::TrueTypeTables tables;
    GlyphOutlineReader reader;
    std::vector<DrawnCharacter> drawn;
    if (!characters::FindTrueTypeTables(file, 0, tables) || !reader.Open(tables) ||
        !ReadDrawnCharacters(tables.cmap, drawn))
        return Built::kNotTrueType;
    if (std::none_of(drawn.begin(), drawn.end(), [](const DrawnCharacter& c) { return IsIdeograph(c.code); }))
        return Built::kNoIdeographs;
    fingerprint_ = IndexFingerprint(FontFile{data, size}, companions);
    const auto named = NameGlyphs(drawn);
    std::vector<Entry> glyphs;
    glyphs.reserve(named.size());
    for (const auto& glyph : named) glyphs.push_back(Entry{glyph.second.code, glyph.second.selector, glyph.first, false});
    const std::unordered_map<uint32_t, uint32_t> referenceNames = PlainIdeographNames(drawn, named);
    // Each companion's glyphs, read with its own tables; the progress counts them all.
    std::vector<std::pair<characters::TrueTypeTables, std::vector<Entry>>> others;
    size_t total = glyphs.size(), done = 0;
    for (const FontFile& companion : companions) {
        others.emplace_back();
        for (const auto& glyph : CompanionGlyphs(companion, referenceNames, others.back().first))
            others.back().second.push_back(Entry{glyph.second, 0, glyph.first, true});
        total += others.back().second.size();
    }
    if (!AddPictures(reader, glyphs, done, total, progress)) return Built::kCancelled;
    for (const auto& other : others) {
        GlyphOutlineReader companionReader;
        if (companionReader.Open(other.first) && !AddPictures(companionReader, other.second, done, total, progress))
            return Built::kCancelled;
    }
    // Ideographs in the map but none drawn: an index of nothing serves no
    // search, and would not load again.
    if (entries_.empty()) return Built::kNoIdeographs;
    MakeCoarse();
    Group();
    NoteDesignCodes();
    return Built::kDone;
}

void ShapeIndex::AttachReference(FontFile reference) {
    reference_.reset();
    characters::TrueTypeTables tables;
    GlyphOutlineReader reader;
    if (characters::FindTrueTypeTables(characters::FontBytes(reference.data, reference.size), 0, tables) &&
        reader.Open(tables))
        reference_ = reader;
}

void ShapeIndex::MeasureAgainstReferenceBox(const GlyphShape& shape, Candidate& candidate) const {
    Outline outline;
    if (!reference_ || candidate.boxStray >= 0 || !reference_->Read(candidate.glyph, outline)) return;
    const InkDifference box = ExactInkDifference(shape.box, BoxInkMap(outline));
    candidate.boxStray = box.onlyFirst;
    candidate.boxMissing = box.onlySecond;
}

std::vector<unsigned char> ShapeIndex::Save() const {
    std::vector<unsigned char> out(kMagic, kMagic + sizeof kMagic);
    out.reserve(kHeader + entries_.size() * kRecord);
    Put32(out, kVersion);
    Put32(out, kFeatureSize);
    Put32(out, static_cast<uint32_t>(fingerprint_));
    Put32(out, static_cast<uint32_t>(fingerprint_ >> 32));
    Put32(out, static_cast<uint32_t>(entries_.size()));
    Put32(out, static_cast<uint32_t>(groupStarts_.size() - 1));
    for (size_t g = 0; g + 1 < groupStarts_.size(); ++g) Put32(out, groupStarts_[g + 1] - groupStarts_[g]);
    for (size_t i = 0; i < entries_.size(); ++i) {
        Put32(out, entries_[i].code);
        Put32(out, entries_[i].selector | (entries_[i].design ? kDesignBit : 0));
        Put32(out, entries_[i].glyph);
        out.insert(out.end(), features_[i].begin(), features_[i].end());
        PutInk(out, inks_[i]);
    }
    // Then the box-fitted ink of each picture from the PC's fonts, in the entries' order.
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].design) PutInk(out, boxes_[i]);
    return out;
}

bool ShapeIndex::Load(const unsigned char* data, size_t size, uint64_t fingerprint) {
    reference_.reset();  // attached to the font of the index before
    entries_.clear();
    designCodes_.clear();
    features_.clear();
    inks_.clear();
    boxes_.clear();
    if (size < kHeader || std::memcmp(data, kMagic, sizeof kMagic) != 0 || Get32(data + 8) != kVersion ||
        Get32(data + 12) != kFeatureSize)
        return false;
    uint64_t stored = uint64_t{Get32(data + 16)} | uint64_t{Get32(data + 20)} << 32;
    uint32_t count = Get32(data + 24), groups = Get32(data + 28);
    // The file is anyone's to write: an index of nothing, or of codes that
    // are none, is refused like a damaged one.
    if (stored != fingerprint || count == 0 || groups == 0 || groups > kGroups || size - kHeader < size_t{groups} * 4)
        return false;
    const size_t records = kHeader + size_t{groups} * 4;
    if ((size - records) / kRecord < count) return false;
    groupStarts_.assign(1, 0);
    for (size_t g = 0; g < groups; ++g) {
        uint32_t members = Get32(data + kHeader + g * 4);
        if (members > count - groupStarts_.back()) return false;
        groupStarts_.push_back(groupStarts_.back() + members);
    }
    if (groupStarts_.back() != count) return false;
    entries_.resize(count);
    features_.resize(count);
    inks_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* record = data + records + i * kRecord;
        const uint32_t selector = Get32(record + 4);
        entries_[i] = Entry{Get32(record), selector & ~kDesignBit, Get32(record + 8), (selector & kDesignBit) != 0};
        if (entries_[i].code > characters::kLastCodePoint || entries_[i].selector > characters::kLastCodePoint) {
            entries_.clear();
            features_.clear();
            return false;
        }
        std::memcpy(features_[i].data(), record + 12, kFeatureSize);
        inks_[i] = GetInk(record + 12 + kFeatureSize);
    }
    // The pictures from the PC's fonts' box-fitted ink, and nothing after it.
    const size_t designs = static_cast<size_t>(
        std::count_if(entries_.begin(), entries_.end(), [](const Entry& entry) { return entry.design; }));
    const size_t boxesAt = records + size_t{count} * kRecord;
    if ((size - boxesAt) % kBoxRecord != 0 || (size - boxesAt) / kBoxRecord != designs) {
        entries_.clear();
        features_.clear();
        inks_.clear();
        return false;
    }
    boxes_.assign(count, InkMap{});
    for (size_t i = 0, at = boxesAt; i < count; ++i)
        if (entries_[i].design) boxes_[i] = GetInk(data + at), at += kBoxRecord;
    fingerprint_ = fingerprint;
    MakeCoarse();
    MakeCentroids();
    NoteDesignCodes();
    return true;
}

void ShapeIndex::NoteDesignCodes() {
    designCodes_.clear();
    for (const Entry& entry : entries_)
        if (entry.design) designCodes_.insert(entry.code);
}

// The group whose centroid is at the least angle: the coarse feature's
// own length does not change which.
size_t ShapeIndex::NearestCentroid(const Coarse& coarse) const {
    size_t best = 0;
    int32_t bestScore = -1;
    for (size_t g = 0; g < centroidWeights_.size(); ++g) {
        const int32_t dot = dot_.Weighted(centroidWeights_[g].data(), coarse.data(), coarse.size());
        if (dot > bestScore) bestScore = dot, best = g;
    }
    return best;
}

void ShapeIndex::WeighCentroids() {
    centroidWeights_.resize(centroids_.size());
    for (size_t g = 0; g < centroids_.size(); ++g)
        for (size_t i = 0; i < kCoarseSize; ++i)
            centroidWeights_[g][i] = static_cast<int16_t>(std::lround(centroids_[g][i] * 32767.0f));  // 0 to 1 each
}

// Each group's centroid: the mean of its members' coarse features, at unit length.
void ShapeIndex::MakeCentroids() {
    centroids_.assign(groupStarts_.size() - 1, Centroid{});
    for (size_t g = 0; g + 1 < groupStarts_.size(); ++g) {
        Centroid& centroid = centroids_[g];
        for (size_t n = groupStarts_[g]; n < groupStarts_[g + 1]; ++n)
            for (size_t i = 0; i < centroid.size(); ++i) centroid[i] += static_cast<float>(coarse_[n][i]) * coarseScale_[n];
        double length = 0;
        for (float value : centroid) length += double(value) * value;
        if (length > 0)
            for (float& value : centroid) value = static_cast<float>(value / std::sqrt(length));
    }
    WeighCentroids();
}

void ShapeIndex::Group() {
    const size_t count = entries_.size(), groups = std::min(kGroups, count);
    std::vector<uint32_t> group(count, 0);
    // Start from entries spread over the index: fonts list alike characters
    // apart as often as together.
    centroids_.assign(groups, Centroid{});
    for (size_t g = 0; g < groups; ++g) {
        const size_t n = g * count / groups;
        for (size_t i = 0; i < kCoarseSize; ++i) centroids_[g][i] = static_cast<float>(coarse_[n][i]) * coarseScale_[n];
    }
    for (int round = 0; round <= kGroupingRounds; ++round) {
        WeighCentroids();
        const size_t step = round == kGroupingRounds ? 1 : kGroupingSample;
        for (size_t n = 0; n < count; n += step)
            group[n] = static_cast<uint32_t>(NearestCentroid(coarse_[n]));
        if (round == kGroupingRounds) break;
        std::vector<Centroid> sums(groups, Centroid{});
        std::vector<size_t> members(groups, 0);
        for (size_t n = 0; n < count; n += step) {
            ++members[group[n]];
            for (size_t i = 0; i < kCoarseSize; ++i) sums[group[n]][i] += static_cast<float>(coarse_[n][i]) * coarseScale_[n];
        }
        for (size_t g = 0; g < groups; ++g) {
            if (members[g] == 0) continue;  // an empty group keeps its centroid
            double length = 0;
            for (float value : sums[g]) length += double(value) * value;
            for (size_t i = 0; i < kCoarseSize; ++i)
                centroids_[g][i] = static_cast<float>(sums[g][i] / std::sqrt(length));
        }
    }
    Reorder(group);
    MakeCentroids();
}

void ShapeIndex::Reorder(const std::vector<uint32_t>& group) {
    const size_t groups = centroids_.size();
    std::vector<size_t> order(entries_.size());
    for (size_t n = 0; n < order.size(); ++n) order[n] = n;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return group[a] < group[b]; });
    std::vector<Entry> entries;
    std::vector<ShapeFeature> features;
    std::vector<InkMap> inks, boxes;
    for (size_t n : order) {
        entries.push_back(entries_[n]);
        features.push_back(features_[n]);
        inks.push_back(inks_[n]);
        boxes.push_back(boxes_[n]);
    }
    entries_.swap(entries);
    features_.swap(features);
    inks_.swap(inks);
    boxes_.swap(boxes);
    groupStarts_.assign(groups + 1, 0);
    for (uint32_t g : group) ++groupStarts_[g + 1];
    for (size_t g = 0; g < groups; ++g) groupStarts_[g + 1] += groupStarts_[g];
    MakeCoarse();
}

void ShapeIndex::MakeCoarse() {
    if (groupStarts_.empty()) groupStarts_.assign(1, 0);
    coarse_.resize(features_.size());
    coarseScale_.resize(features_.size());
    glances_.resize(features_.size());
    glanceScale_.resize(features_.size());
    for (size_t n = 0; n < features_.size(); ++n) {
        coarseScale_[n] = Halve(features_[n], kGrid, coarse_[n]);
        glanceScale_[n] = Halve(coarse_[n], kGrid / 2, glances_[n]);
    }
}

namespace {

// A score kept with its entry. A score is never negative, and such floats
// order as their bits do: the selections compare whole numbers, which on
// the x87 of the 32-bit build cost a fraction of comparing floats.
struct Scored {
    uint32_t key;
    uint32_t entry;
};
Scored ScoreOf(float score, size_t entry) {
    Scored scored{0, static_cast<uint32_t>(entry)};
    std::memcpy(&scored.key, &score, sizeof scored.key);
    return scored;
}

// The size-th largest key of a list (size at least 1, at most the list's):
// counted into buckets across the keys' range, then sought only among the
// keys of the bucket it falls in. A selection over the whole list took
// a sixth of a search.
uint32_t KeyAtRank(const std::vector<Scored>& list, size_t size, std::vector<uint32_t>& bucket, size_t& above) {
    constexpr size_t kBuckets = 1024;
    uint32_t low = UINT32_MAX, high = 0;
    for (const Scored& scored : list) low = std::min(low, scored.key), high = std::max(high, scored.key);
    int shift = 0;
    while (((high - low) >> shift) >= kBuckets) ++shift;
    std::array<uint32_t, kBuckets> counts{};
    for (const Scored& scored : list) ++counts[(scored.key - low) >> shift];
    size_t b = ((high - low) >> shift);
    above = 0;
    while (above + counts[b] < size) above += counts[b--];
    bucket.clear();
    for (const Scored& scored : list)
        if (((scored.key - low) >> shift) == b) bucket.push_back(scored.key);
    const auto rank = bucket.begin() + static_cast<std::ptrdiff_t>(size - above - 1);
    std::nth_element(bucket.begin(), rank, bucket.end(), std::greater<uint32_t>());
    const uint32_t key = *rank;
    above += static_cast<size_t>(std::count_if(bucket.begin(), rank, [&](uint32_t k) { return k > key; }));
    return key;
}

// The size best of a list, left in the list's order: the index's own, which
// the next pass then reads in a row rather than all over. Of equal scores
// at the edge, the first stay.
void KeepBest(std::vector<Scored>& list, size_t size, std::vector<uint32_t>& scratch) {
    if (list.size() <= size) return;
    size_t above = 0;
    const uint32_t threshold = KeyAtRank(list, size, scratch, above);
    size_t ties = size - above, kept = 0;
    for (const Scored& scored : list) {
        if (scored.key < threshold) continue;
        if (scored.key == threshold) {
            if (ties == 0) continue;
            --ties;
        }
        list[kept++] = scored;
    }
    list.resize(kept);
}

}  // namespace

std::vector<std::pair<double, size_t>> ShapeIndex::ShortList(const ShapeFeature& feature) const {
    ShapeIndex query;
    query.features_.push_back(feature);
    query.MakeCoarse();
    const Coarse& wanted = query.coarse_[0];
    // The nearest groups, then in them the short list by the coarse features' angle.
    std::vector<std::pair<int32_t, size_t>> groups;
    for (size_t g = 0; g < centroidWeights_.size(); ++g)
        groups.emplace_back(dot_.Weighted(centroidWeights_[g].data(), wanted.data(), wanted.size()), g);
    const size_t searched = std::min(kGroupsSearched, groups.size());
    std::partial_sort(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(searched), groups.end(),
                      [](const std::pair<int32_t, size_t>& a, const std::pair<int32_t, size_t>& b) {
                          return a.first != b.first ? a.first > b.first : a.second < b.second;
                      });
    groups.resize(searched);
    // In them a glance at every entry, then the coarse features of the best glanced.
    const Glance& glance = query.glances_[0];
    std::vector<Scored> glanced, shortList;
    std::vector<int32_t> dots;
    size_t entries = 0;
    for (const auto& searchedGroup : groups) entries += groupStarts_[searchedGroup.second + 1] - groupStarts_[searchedGroup.second];
    glanced.reserve(entries);
    for (const auto& searchedGroup : groups) {
        const size_t first = groupStarts_[searchedGroup.second], last = groupStarts_[searchedGroup.second + 1];
        if (first == last) continue;
        dots.resize(last - first);
        dot_.EachRecord(glance.data(), glances_[first].data(), kGlanceSize, last - first, dots.data());
        for (size_t n = first; n < last; ++n)
            glanced.push_back(ScoreOf(static_cast<float>(dots[n - first]) * glanceScale_[n], n));
    }
    std::vector<uint32_t> keys;
    KeepBest(glanced, kGlanced, keys);
    shortList.reserve(glanced.size());
    for (const Scored& entry : glanced) {
        const int32_t dot = dot_.Bytes(wanted.data(), coarse_[entry.entry].data(), kCoarseSize);
        shortList.push_back(ScoreOf(static_cast<float>(dot) * coarseScale_[entry.entry], entry.entry));
    }
    KeepBest(shortList, kShortList, keys);
    std::vector<std::pair<double, size_t>> found;
    found.reserve(shortList.size());
    for (const Scored& entry : shortList)
        found.emplace_back(dot_.Cosine(feature.data(), features_[entry.entry].data(), kFeatureSize), entry.entry);
    std::sort(found.begin(), found.end(), [this](const std::pair<double, size_t>& a, const std::pair<double, size_t>& b) {
        const Entry &x = entries_[a.second], &y = entries_[b.second];
        return a.first != b.first ? a.first > b.first : x.code != y.code ? x.code < y.code : x.selector < y.selector;
    });
    return found;
}

std::vector<Candidate> ShapeIndex::Nearest(const ShapeFeature& feature, size_t count) const {
    std::vector<Candidate> found;
    for (const auto& entry : ShortList(feature)) {
        if (found.size() == count) break;
        const Entry& e = entries_[entry.second];
        found.push_back(Candidate{e.code, e.selector, entry.first, entry.first});
    }
    return found;
}

}  // namespace shapes
