// How often the shape index names the right character: every step-th
// ideograph (and variation sequence) of a font nobody drew for this is
// looked up in the index of a reference font, optionally shrunk and moved
// as EUDC characters often are. Prints the first-candidate and
// within-five rates, how often the first has the right base character (of
// all, and of the sequences), how many best scores fall below the
// likely-twin mark, and the time a search takes.
//   shape_accuracy REFERENCE QUERY [STEP] [SHRINK] [SHIFT] [INDEX_FILE]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/characters/truetype_tables.h"
#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/reference_characters.h"
#include "engine/shapes/shape_index.h"

namespace {

std::vector<unsigned char> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace shapes;
    if (argc < 3) return 2;
    size_t step = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 50;
    double shrink = argc > 4 ? std::atof(argv[4]) : 1.0, shift = argc > 5 ? std::atof(argv[5]) : 0.0;
    auto reference = ReadFile(argv[1]), query = ReadFile(argv[2]);
    auto started = std::chrono::steady_clock::now();
    ShapeIndex index;
    uint64_t fingerprint = FontFingerprint(reference.data(), reference.size());
    auto cached = argc > 6 ? ReadFile(argv[6]) : std::vector<unsigned char>();
    if (!index.Load(cached.data(), cached.size(), fingerprint)) {
        if (index.Build(reference.data(), reference.size()) != ShapeIndex::Built::kDone) return 1;
        if (argc > 6) {
            auto bytes = index.Save();
            std::ofstream(argv[6], std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        }
    }
    std::printf("index: %zu glyphs in %.1f s, %.1f MB\n", index.Size(), Seconds(started),
                (index.Size() * (8.0 + kFeatureSize)) / 1e6);
    // Which glyph of the reference each character and sequence is.
    characters::TrueTypeTables referenceTables, queryTables;
    std::vector<DrawnCharacter> referenceDrawn, queryDrawn;
    characters::FindTrueTypeTables({reference.data(), reference.size()}, 0, referenceTables);
    ReadDrawnCharacters(referenceTables.cmap, referenceDrawn);
    std::map<std::pair<uint32_t, uint32_t>, uint32_t> referenceGlyph;
    for (const DrawnCharacter& c : referenceDrawn) referenceGlyph.emplace(std::make_pair(c.code, c.selector), c.glyph);
    GlyphOutlineReader reader;
    if (!characters::FindTrueTypeTables({query.data(), query.size()}, 0, queryTables) || !reader.Open(queryTables) ||
        !ReadDrawnCharacters(queryTables.cmap, queryDrawn))
        return 1;
    size_t asked = 0, first = 0, five = 0, sequences = 0, baseRight = 0, seen = 0, lowScore = 0, anyBase = 0;
    double searching = 0;
    Outline outline;
    for (const DrawnCharacter& c : queryDrawn) {
        auto wanted = referenceGlyph.find({c.code, c.selector});
        if (!IsIdeograph(c.code) || wanted == referenceGlyph.end() || seen++ % step != 0) continue;
        ShapeFeature feature{};
        if (!reader.Read(c.glyph, outline)) continue;
        for (OutlinePoint& p : outline.points) {
            p.x = p.x * shrink + shift * outline.unitsPerEm;
            p.y = p.y * shrink - shift * outline.unitsPerEm;
        }
        if (!MakeShapeFeature(outline, feature)) continue;
        auto since = std::chrono::steady_clock::now();
        auto candidates = index.Nearest(feature);
        searching += Seconds(since);
        ++asked;
        for (size_t i = 0; i < candidates.size(); ++i) {
            auto glyph = referenceGlyph.find({candidates[i].code, candidates[i].selector});
            if (glyph == referenceGlyph.end() || glyph->second != wanted->second) continue;
            if (i == 0) ++first;
            ++five;
            break;
        }
        if (!candidates.empty() && candidates[0].score < kLikelyTwin) ++lowScore;
        if (!candidates.empty() && candidates[0].code == c.code) ++anyBase;
        if (c.selector != 0) {
            ++sequences;
            if (!candidates.empty() && candidates[0].code == c.code) ++baseRight;
        }
        if (std::getenv("SHOW_MISSES") && (candidates.empty() || referenceGlyph[{candidates[0].code, candidates[0].selector}] != wanted->second))
            std::printf("miss U+%04X %X -> U+%04X %X %.3f\n", c.code, c.selector, candidates[0].code, candidates[0].selector, candidates[0].score);
    }
    auto percent = [&](size_t part, size_t whole) { return whole ? 100.0 * part / whole : 0.0; };
    std::printf("asked=%zu first=%.2f five=%.2f base=%.2f sequences=%zu sequencebase=%.2f low=%zu ms=%.2f\n", asked,
                percent(first, asked), percent(five, asked), percent(anyBase, asked), sequences,
                percent(baseRight, sequences), lowScore, 1000 * searching / (asked ? asked : 1));
    return 0;
}
