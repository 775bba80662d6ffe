// How often the shape index names the right character, and what its
// verdict says: every step-th ideograph (and variation sequence) of a font
// nobody drew for this is looked up in the index of a reference font,
// optionally shrunk and moved as EUDC characters often are; or, with
// --no-twin, every character of an EUDC font of glyphs that have no
// standard twin (bench/no_twin_glyphs.py); with --grid N, each glyph first
// drawn on an N-pixel grid as a bitmap font draws it, square by square.
// Prints one line of figures:
// first and within five (the very glyph, and the same character whatever
// its variant; a compatibility ideograph's is the character NFC makes it), the verdicts' shares, how often a "same" is right, how many
// wrong first candidates the verdict flags, and the time a search takes.
// With --beside FONT (again for more), the index also holds that font's
// pictures of the reference's characters, as /map indexes the PC's fonts.
//   shape_accuracy REFERENCE QUERY [STEP] [SHRINK] [SHIFT] [INDEX_FILE] [--no-twin] [--grid N] [--dump FILE] [--beside FONT]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/characters/truetype_tables.h"
#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/rasterizer.h"
#include "engine/shapes/reference_characters.h"
#include "engine/shapes/shape_index.h"

namespace {

std::vector<unsigned char> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// The compatibility ideographs' canonical singletons (U+FA22 is U+8AF8 under
// NFC), from Debian's UnicodeData.txt: an answer that is the asked code's
// normalized form names the same character, the only one the map may give.
std::map<uint32_t, uint32_t> NormalizedIdeographs() {
    std::map<uint32_t, uint32_t> normalized;
    std::ifstream data("/usr/share/unicode/UnicodeData.txt");
    std::string line;
    while (std::getline(data, line)) {
        std::vector<std::string> fields;
        for (size_t at = 0;;) {
            const size_t end = line.find(';', at);
            fields.push_back(line.substr(at, end - at));
            if (end == std::string::npos) break;
            at = end + 1;
        }
        if (fields.size() > 5 && fields[1].rfind("CJK COMPATIBILITY IDEOGRAPH", 0) == 0 && !fields[5].empty() &&
            fields[5].find(' ') == std::string::npos)
            normalized[std::stoul(fields[0], nullptr, 16)] = std::stoul(fields[5], nullptr, 16);
    }
    return normalized;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The glyph as a bitmap font of size x size pixels draws it: a square for
// each pixel at least half inked.
shapes::Outline OnGrid(const shapes::Outline& outline, int size) {
    std::vector<float> coverage;
    const double scale = static_cast<double>(size) / outline.unitsPerEm;
    shapes::Outline squares;
    squares.unitsPerEm = outline.unitsPerEm;
    if (!shapes::Rasterize(outline, shapes::View{scale, 0, size * 0.88}, size, coverage)) return squares;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (coverage[static_cast<size_t>(y) * size + x] < 0.5f) continue;
            const double left = x / scale, right = (x + 1) / scale, top = (size * 0.88 - y) / scale,
                         bottom = (size * 0.88 - y - 1) / scale;
            for (auto [px, py] : {std::pair{left, bottom}, {left, top}, {right, top}, {right, bottom}})
                squares.points.push_back(shapes::OutlinePoint{px, py, true});
            squares.contourEnds.push_back(squares.points.size());
        }
    return squares;
}

struct Tally {
    size_t asked = 0, first = 0, five = 0, firstCharacter = 0, fiveCharacter = 0;
    size_t same = 0, check = 0, none = 0, sameRight = 0, wrong = 0, wrongFlagged = 0;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace shapes;
    if (argc < 3) return 2;
    size_t step = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 50;
    double shrink = argc > 4 ? std::atof(argv[4]) : 1.0, shift = argc > 5 ? std::atof(argv[5]) : 0.0;
    bool noTwin = false;
    int grid = 0;
    FILE* dump = nullptr;
    std::vector<std::vector<unsigned char>> besideBytes;  // the PC's fonts, indexed beside the reference
    for (int i = 7; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-twin") == 0) noTwin = true;
        if (std::strcmp(argv[i], "--grid") == 0 && i + 1 < argc) grid = std::atoi(argv[++i]);
        if (std::strcmp(argv[i], "--dump") == 0 && i + 1 < argc) dump = std::fopen(argv[++i], "w");
        if (std::strcmp(argv[i], "--beside") == 0 && i + 1 < argc) besideBytes.push_back(ReadFile(argv[++i]));
    }
    std::vector<FontFile> beside;
    for (const auto& bytes : besideBytes) beside.push_back(FontFile{bytes.data(), bytes.size()});
    auto reference = ReadFile(argv[1]), query = ReadFile(argv[2]);
    auto started = std::chrono::steady_clock::now();
    ShapeIndex index;
    uint64_t fingerprint = IndexFingerprint(FontFile{reference.data(), reference.size()}, beside);
    auto cached = argc > 6 ? ReadFile(argv[6]) : std::vector<unsigned char>();
    if (!index.Load(cached.data(), cached.size(), fingerprint)) {
        if (index.Build(reference.data(), reference.size(), nullptr, beside) != ShapeIndex::Built::kDone) return 1;
        auto bytes = index.Save();
        std::printf("index: %zu glyphs in %.1f s, %.1f MB\n", index.Size(), Seconds(started), bytes.size() / 1e6);
        if (argc > 6) std::ofstream(argv[6], std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    index.AttachReference(FontFile{reference.data(), reference.size()});
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
    Tally t;
    const std::map<uint32_t, uint32_t> normalized = NormalizedIdeographs();
    auto sameCharacter = [&](uint32_t answer, uint32_t asked) {
        const auto it = normalized.find(asked);
        return answer == asked || (it != normalized.end() && it->second == answer);
    };
    size_t seen = 0;
    double searching = 0;
    Outline outline;
    for (const DrawnCharacter& c : queryDrawn) {
        auto wanted = referenceGlyph.find({c.code, c.selector});
        const bool asked = noTwin ? (c.code >= 0xE000 && c.code <= 0xF8FF && c.selector == 0)
                                  : IsIdeograph(c.code) && wanted != referenceGlyph.end();
        if (!asked || seen++ % step != 0) continue;
        GlyphShape shape{};
        if (!reader.Read(c.glyph, outline)) continue;
        for (OutlinePoint& p : outline.points) {
            p.x = p.x * shrink + shift * outline.unitsPerEm;
            p.y = p.y * shrink - shift * outline.unitsPerEm;
        }
        if (grid > 0) outline = OnGrid(outline, grid);
        if (!MakeGlyphShape(outline, shape)) continue;
        auto since = std::chrono::steady_clock::now();
        Identification found = index.Identify(shape);
        searching += Seconds(since);
        ++t.asked;
        auto right = [&](const Candidate& candidate) {
            auto glyph = referenceGlyph.find({candidate.code, candidate.selector});
            return !noTwin && glyph != referenceGlyph.end() && glyph->second == wanted->second;
        };
        const std::vector<Candidate>& candidates = found.candidates;
        for (size_t i = 0; i < candidates.size(); ++i)
            if (right(candidates[i])) {
                t.first += i == 0;
                ++t.five;
                break;
            }
        for (size_t i = 0; i < candidates.size(); ++i)
            if (!noTwin && sameCharacter(candidates[i].code, c.code)) {
                t.firstCharacter += i == 0;
                ++t.fiveCharacter;
                break;
            }
        const bool firstRight = !candidates.empty() && !noTwin && sameCharacter(candidates[0].code, c.code);
        t.same += found.verdict == Verdict::kSame;
        t.check += found.verdict == Verdict::kCheck;
        t.none += found.verdict == Verdict::kNone;
        t.sameRight += found.verdict == Verdict::kSame && firstRight;
        if (!firstRight) {
            ++t.wrong;
            t.wrongFlagged += found.verdict != Verdict::kSame;
        }
        if (dump) {
            // One line a candidate compared: query, rank, right glyph, right character, ideograph, measures.
            std::vector<Candidate> compared = index.Compare(shape, 16);
            for (size_t i = 0; i < compared.size(); ++i)
                std::fprintf(dump, "%X %X %zu %d %d %d %X %X %.4f %.4f %.4f %.4f %.4f\n", c.code, c.selector, i, right(compared[i]),
                             !noTwin && compared[i].code == c.code, IsIdeograph(compared[i].code), compared[i].code,
                             compared[i].selector, compared[i].likeness, compared[i].strayInk, compared[i].missingInk, compared[i].exactStray, compared[i].exactMissing);
        }
        if (std::getenv("SHOW_VERDICTS") && !candidates.empty())
            std::printf("verdict U+%04X %d U+%04X %d %.4f %.4f %.4f %.4f %.4f %.4f %.4f %.4f %.4f\n", c.code,
                        static_cast<int>(found.verdict), candidates[0].code, firstRight, candidates[0].score,
                        candidates[0].likeness, candidates[0].strayInk, candidates[0].missingInk, candidates[0].exactStray,
                        candidates[0].exactMissing, candidates[0].boxStray, candidates[0].boxMissing,
                        candidates.size() > 1 ? candidates[1].score : 0.0);
        if (std::getenv("SHOW_MISSES") && !firstRight && !candidates.empty())
            std::printf("miss U+%04X %X -> U+%04X %X %.3f\n", c.code, c.selector, candidates[0].code, candidates[0].selector,
                        candidates[0].score);
    }
    if (dump) std::fclose(dump);
    auto percent = [&](size_t part, size_t whole) { return whole ? 100.0 * part / whole : 0.0; };
    std::printf("asked=%zu first=%.2f five=%.2f firstcharacter=%.2f fivecharacter=%.2f same=%.2f check=%.2f none=%.2f "
                "sameright=%.2f wrongflagged=%.2f ms=%.3f\n",
                t.asked, percent(t.first, t.asked), percent(t.five, t.asked), percent(t.firstCharacter, t.asked),
                percent(t.fiveCharacter, t.asked), percent(t.same, t.asked), percent(t.check, t.asked),
                percent(t.none, t.asked), percent(t.sameRight, t.same), percent(t.wrongFlagged, t.wrong),
                1000 * searching / (t.asked ? t.asked : 1));
    return 0;
}
