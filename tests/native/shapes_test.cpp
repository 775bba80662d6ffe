// The shape index: its rasterizer held to fontTools' measure of the same
// outlines, and EUDC fonts made of known characters (drawn by another font
// family, also shrunk and moved) found in a reference font cut from IPAmj.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "engine/characters/truetype_tables.h"
#include "engine/shapes/design_fonts.h"
#include "engine/shapes/feature_dot.h"
#include "engine/shapes/font_map.h"
#include "engine/shapes/normalization.h"
#include "engine/shapes/jis_x0213.h"
#include "engine/shapes/reference_names.h"
#include "engine/shapes/rasterizer.h"
#include "engine/shapes/reference_characters.h"
#include "engine/shapes/shape_index.h"

using namespace shapes;

namespace {

const std::string kMade = MINAMO_MADE_FONTS "/shapes/";
const char* const kIpaMincho = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

struct Font {
    std::vector<unsigned char> bytes;
    characters::TrueTypeTables tables;
    GlyphOutlineReader reader;
    explicit Font(const std::string& path) : bytes(ReadFile(path)) {
        EXPECT_TRUE(characters::FindTrueTypeTables({bytes.data(), bytes.size()}, 0, tables) && reader.Open(tables))
            << path;
    }
};

ShapeIndex ReferenceIndex() {
    auto bytes = ReadFile(kMade + "reference.ttf");
    ShapeIndex index;
    EXPECT_EQ(index.Build(bytes.data(), bytes.size()), ShapeIndex::Built::kDone);
    return index;
}

}  // namespace

// Area, centre and spread of IPA Mincho glyphs as filled here, against
// fontTools' StatisticsPen on the same outlines (shape_fonts.py).
TEST(Shapes, RasterizerAgreesWithFontTools) {
    Font font(kIpaMincho);
    std::ifstream expected(kMade + "outlines.txt");
    uint32_t glyph = 0;
    double area = 0, x = 0, y = 0, variance = 0;
    int glyphs = 0;
    // 2048 units to the em, 128 pixels; room for what lies below the baseline.
    const double scale = 128.0 / 2048, size = 160, baseline = 144;
    while (expected >> glyph >> area >> x >> y >> variance) {
        Outline outline;
        std::vector<float> coverage;
        InkMoments ink{};
        ASSERT_TRUE(font.reader.Read(glyph, outline));
        ASSERT_TRUE(Rasterize(outline, View{scale, 0, baseline}, size, coverage));
        ASSERT_TRUE(MeasureInk(coverage, size, ink));
        EXPECT_NEAR(ink.mass / scale / scale, std::abs(area), std::abs(area) * 0.01) << glyph;
        EXPECT_NEAR(ink.x / scale, x, 4) << glyph;
        EXPECT_NEAR((baseline - ink.y) / scale, y, 4) << glyph;
        EXPECT_NEAR(ink.spread / scale, std::sqrt(variance), std::sqrt(variance) * 0.01) << glyph;
        ++glyphs;
    }
    EXPECT_EQ(glyphs, 7);
}

// Outlines no font should hold are clipped or refused, never drawn outside.
TEST(Shapes, HostileOutlinesStayInTheBitmap) {
    struct Case {
        const char* what;
        std::vector<OutlinePoint> points;
        std::vector<size_t> ends;
        bool drawn;
    };
    const std::vector<Case> cases = {
        {"far outside", {{-1e9, -1e9, true}, {1e9, -1e9, true}, {1e9, 1e9, true}}, {3}, true},
        {"off-curve only", {{0, 0, false}, {100, 0, false}, {100, 100, false}, {0, 100, false}}, {4}, true},
        {"an end past the points", {{0, 0, true}, {10, 10, true}}, {5}, false},
        {"ends out of order", {{0, 0, true}, {10, 10, true}, {0, 10, true}}, {3, 1}, false},
    };
    for (const Case& c : cases) {
        Outline outline;
        outline.points = c.points;
        outline.contourEnds = c.ends;
        std::vector<float> coverage;
        EXPECT_EQ(Rasterize(outline, View{0.25, 0, 32}, 32, coverage), c.drawn) << c.what;
        ASSERT_EQ(coverage.size(), 32u * 32u) << c.what;
        for (float value : coverage) ASSERT_TRUE(value >= 0 && value <= 1) << c.what;
    }
}

TEST(Shapes, SequencesOfTheReferenceFont) {
    auto bytes = ReadFile(kMade + "reference.ttf");
    characters::TrueTypeTables tables;
    std::vector<DrawnCharacter> drawn;
    ASSERT_TRUE(characters::FindTrueTypeTables({bytes.data(), bytes.size()}, 0, tables));
    ASSERT_TRUE(ReadDrawnCharacters(tables.cmap, drawn));
    auto glyphOf = [&](uint32_t code, uint32_t selector) {
        for (const DrawnCharacter& c : drawn)
            if (c.code == code && c.selector == selector) return c.glyph;
        return 0u;
    };
    EXPECT_NE(glyphOf(0x845B, 0), 0u);                           // 葛
    EXPECT_EQ(glyphOf(0x845B, 0xE0103), glyphOf(0x845B, 0));     // drawn as the plain one
    EXPECT_NE(glyphOf(0x845B, 0xE0102), glyphOf(0x845B, 0));     // a glyph of its own
    EXPECT_NE(glyphOf(0x845B, 0xE0102), 0u);
}

// Each made EUDC character finds the character it was drawn from first,
// also when drawn at 90 % and off-centre.
TEST(Shapes, EudcCharactersFindTheirTwins) {
    ShapeIndex index = ReferenceIndex();
    std::ifstream listed(kMade + "eudc.txt");
    std::vector<std::pair<uint32_t, uint32_t>> twins;
    std::string code, character;
    while (listed >> code >> character)
        twins.emplace_back(std::stoul(code, nullptr, 16), std::stoul(character.substr(2), nullptr, 16));
    ASSERT_EQ(twins.size(), 37u);
    for (const char* name : {"eudc.ttf", "small.ttf"}) {
        Font font(kMade + name);
        characters::TrueTypeTables& tables = font.tables;
        std::vector<DrawnCharacter> drawn;
        ASSERT_TRUE(ReadDrawnCharacters(tables.cmap, drawn));
        size_t right = 0;
        for (const DrawnCharacter& c : drawn) {
            Outline outline;
            ShapeFeature feature{};
            ASSERT_TRUE(font.reader.Read(c.glyph, outline) && MakeShapeFeature(outline, feature));
            auto candidates = index.Nearest(feature);
            ASSERT_EQ(candidates.size(), 5u);
            auto twin = twins[c.code - 0xE000].second;
            if (candidates[0].code == twin && candidates[0].score >= kLikelyTwin) ++right;
            else ADD_FAILURE() << name << " U+" << std::hex << twin << " taken for U+" << candidates[0].code;
        }
        EXPECT_EQ(right, twins.size()) << name;
    }
}

// SSE2 and the plain arithmetic give the same sums, at the values' limits
// too, and so the same candidates with the same scores.
TEST(Shapes, Sse2SumsAsThePlainArithmetic) {
    if (!Sse2Built()) GTEST_SKIP() << "no SSE2 in this build";
    const FeatureDot plain(false), sse2(true);
    ASSERT_TRUE(sse2.Sse2());
    std::vector<uint8_t> a(256), b(256);
    std::vector<int16_t> weights(64);
    for (int fill : {0, 1, 2}) {
        for (size_t i = 0; i < a.size(); ++i) {
            a[i] = fill == 0 ? 255 : static_cast<uint8_t>(i * 37 + fill);
            b[i] = fill == 0 ? 255 : static_cast<uint8_t>(i * 91 + 7 * fill);
        }
        for (size_t i = 0; i < weights.size(); ++i) weights[i] = fill == 0 ? 32767 : static_cast<int16_t>(i * 511);
        for (size_t size : {16, 64, 256}) EXPECT_EQ(sse2.Bytes(a.data(), b.data(), size), plain.Bytes(a.data(), b.data(), size));
        EXPECT_EQ(sse2.Weighted(weights.data(), a.data(), 64), plain.Weighted(weights.data(), a.data(), 64));
        std::vector<int32_t> each(16), eachPlain(16);
        sse2.EachRecord(a.data(), b.data(), 16, 16, each.data());
        plain.EachRecord(a.data(), b.data(), 16, 16, eachPlain.data());
        EXPECT_EQ(each, eachPlain);
    }
    ShapeIndex index = ReferenceIndex();
    Font font(kMade + "eudc.ttf");
    std::vector<DrawnCharacter> drawn;
    ASSERT_TRUE(ReadDrawnCharacters(font.tables.cmap, drawn));
    for (const DrawnCharacter& c : drawn) {
        Outline outline;
        GlyphShape shape{};
        ASSERT_TRUE(font.reader.Read(c.glyph, outline) && MakeGlyphShape(outline, shape, false));
        index.UseSse2(false);
        const Identification expected = index.Identify(shape);
        index.UseSse2(true);
        const Identification got = index.Identify(shape);
        ASSERT_EQ(got.candidates.size(), expected.candidates.size());
        for (size_t i = 0; i < got.candidates.size(); ++i) {
            EXPECT_EQ(got.candidates[i].code, expected.candidates[i].code);
            EXPECT_EQ(got.candidates[i].score, expected.candidates[i].score);
        }
    }
}

// A saved index comes back the same, for its own font only.
TEST(Shapes, SavedIndexIsKeyedByItsFont) {
    ShapeIndex index = ReferenceIndex();
    auto saved = index.Save();
    ShapeIndex loaded;
    ASSERT_TRUE(loaded.Load(saved.data(), saved.size(), index.Fingerprint()));
    EXPECT_EQ(loaded.Save(), saved);
    EXPECT_FALSE(loaded.Load(saved.data(), saved.size(), index.Fingerprint() + 1));
    EXPECT_FALSE(loaded.Load(saved.data(), saved.size() - 1, index.Fingerprint()));
    EXPECT_FALSE(loaded.Load(saved.data(), 10, index.Fingerprint()));
}

TEST(Shapes, ReferenceFontsThatCannotServe) {
    struct Case {
        std::string path;
        ShapeIndex::Built result;
    };
    const std::vector<Case> cases = {
        {kMade + "eudc.txt", ShapeIndex::Built::kNotTrueType},
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", ShapeIndex::Built::kNoIdeographs},
    };
    for (const Case& c : cases) {
        auto bytes = ReadFile(c.path);
        ShapeIndex index;
        EXPECT_EQ(index.Build(bytes.data(), bytes.size()), c.result) << c.path;
    }
}

// A variation-sequence map that shares one list of 3,000 ranges among every
// selector (and one that names codes past Unicode) is refused at once, not
// read into billions of sequences; the reference font's own stays whole.
TEST(Shapes, SequenceMapsBeyondBounds) {
    const auto u16 = [](std::vector<unsigned char>& out, uint32_t v) { out.insert(out.end(), {uint8_t(v >> 8), uint8_t(v)}); };
    const auto u24 = [](std::vector<unsigned char>& out, uint32_t v) {
        out.insert(out.end(), {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
    };
    const auto u32 = [&](std::vector<unsigned char>& out, uint32_t v) { u16(out, v >> 16), u16(out, v & 0xFFFF); };
    // cmap: one record (0, 5) at 12, then the format 14 subtable.
    const auto sequenceMap = [&](uint32_t selectors, uint32_t ranges, uint32_t firstCode) {
        std::vector<unsigned char> cmap = {0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 12};
        std::vector<unsigned char> table;
        const uint32_t list = 10 + selectors * 11;
        u16(table, 14), u32(table, 0), u32(table, selectors);
        for (uint32_t i = 0; i < selectors; ++i) u24(table, 0xE0100 + i), u32(table, list), u32(table, 0);
        u32(table, ranges);
        for (uint32_t r = 0; r < ranges; ++r) u24(table, firstCode + r * 256), table.push_back(255);
        cmap.insert(cmap.end(), table.begin(), table.end());
        return cmap;
    };
    std::vector<DrawnCharacter> drawn;
    for (const auto& cmap : {sequenceMap(240, 3000, 0), sequenceMap(1, 1, 0x10FF80)}) {
        EXPECT_FALSE(ReadDrawnCharacters({cmap.data(), cmap.size()}, drawn));
        EXPECT_LE(drawn.size(), size_t{1} << 22);
    }
}

TEST(Shapes, CodesNormalizationChanges) {
    const std::vector<std::pair<uint32_t, bool>> cases = {
        {0xFA4E, true},  {0xF9DC, true},  {0xF900, true},   {0xFAD9, true},  {0x2F800, true}, {0x2FA1D, true},
        {0x2126, true},  {0x2329, true},  {0x0340, true},   {0xFA0E, false}, {0xFA6E, false}, {0x7948, false},
        {0x03A9, false}, {0x2FA1E, false}, {0x3008, false}, {0x00C5, false}, {0xE000, false}, {0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(ChangedByNormalization(c.first), c.second) << std::hex << c.first;
}

namespace {

Outline OutlineOf(const Font& font, uint32_t code, uint32_t selector = 0) {
    std::vector<DrawnCharacter> drawn;
    ReadDrawnCharacters(font.tables.cmap, drawn);
    Outline outline;
    for (const DrawnCharacter& c : drawn)
        if (c.code == code && c.selector == selector) EXPECT_TRUE(font.reader.Read(c.glyph, outline));
    EXPECT_FALSE(outline.points.empty()) << std::hex << code;
    return outline;
}

void AddBar(Outline& outline, double left, double bottom, double right, double top) {
    for (auto [x, y] : {std::pair{left, bottom}, {left, top}, {right, top}, {right, bottom}})
        outline.points.push_back(OutlinePoint{x, y, true});
    outline.contourEnds.push_back(outline.points.size());
}

}  // namespace

// The verdict and the first answer for glyphs drawn as IPA Mincho draws
// standard characters, and for glyphs made to have no twin: mirrored, a
// scribble, a ring, the reference's own glyph with a short bar added. A
// glyph only a compatibility ideograph names is answered with the sequence
// that draws it, and a plain glyph with the plain character.
TEST(Shapes, VerdictsAndAnswers) {
    ShapeIndex index = ReferenceIndex();
    Font eudc(kMade + "eudc.ttf"), reference(kMade + "reference.ttf");
    index.AttachReference({reference.bytes.data(), reference.bytes.size()});
    auto withBar = [](Outline outline, double left, double bottom) {
        const double em = outline.unitsPerEm;
        AddBar(outline, left * em, bottom * em, (left + 0.1) * em, (bottom + 0.035) * em);
        return outline;
    };
    auto mirrored = [](Outline outline) {
        for (OutlinePoint& p : outline.points) p.x = -p.x;
        return outline;
    };
    Outline scribble, ring;
    AddBar(scribble, 100, 100, 900, 180);
    AddBar(scribble, 600, 100, 680, 900);
    AddBar(scribble, 200, 500, 400, 560);
    for (int i = 0; i < 48; ++i) {  // a regular 48-gon, outer and inner
        double a = 2 * M_PI * i / 48;
        ring.points.push_back(OutlinePoint{500 + 450 * std::cos(a), 400 + 450 * std::sin(a), true});
    }
    ring.contourEnds.push_back(ring.points.size());
    for (int i = 47; i >= 0; --i) {
        double a = 2 * M_PI * i / 48;
        ring.points.push_back(OutlinePoint{500 + 400 * std::cos(a), 400 + 400 * std::sin(a), true});
    }
    ring.contourEnds.push_back(ring.points.size());
    struct Case {
        const char* name;
        Outline outline;
        std::vector<Verdict> verdicts;  // any of them
        uint32_t first, selector;       // 0: any
    };
    const std::vector<Case> cases = {
        {"IPA Mincho's 日", OutlineOf(eudc, 0xE000 + 7), {Verdict::kSame}, 0x65E5, 0},
        {"IPA Mincho's 葛", OutlineOf(eudc, 0xE000 + 18), {Verdict::kSame}, 0x845B, 0},
        {"IPA Mincho's 東", OutlineOf(eudc, 0xE000 + 34), {Verdict::kSame}, 0x6771, 0},
        {"IPAmj's U+FA4E", OutlineOf(reference, 0xFA4E), {Verdict::kSame}, 0x7948, 0xFE00},
        {"IPAmj's U+F9DC", OutlineOf(reference, 0xF9DC), {Verdict::kSame}, 0x9686, 0xFE00},
        {"犬 mirrored", mirrored(OutlineOf(eudc, 0xE000 + 13)), {Verdict::kCheck, Verdict::kNone}, 0, 0},
        {"IPAmj's 東 with a short bar below", withBar(OutlineOf(reference, 0x6771), 0.15, 0.15), {Verdict::kCheck, Verdict::kNone}, 0, 0},
        {"IPAmj's 東 with a short bar above", withBar(OutlineOf(reference, 0x6771), 0.7, 0.75), {Verdict::kCheck, Verdict::kNone}, 0, 0},
        {"a scribble", scribble, {Verdict::kNone}, 0, 0},
        {"a ring", ring, {Verdict::kNone}, 0, 0},
    };
    for (const Case& c : cases) {
        MappedCharacter mapped = IdentifyCharacter(0xE000, c.outline, index);
        EXPECT_NE(std::find(c.verdicts.begin(), c.verdicts.end(), mapped.verdict), c.verdicts.end())
            << c.name << ": " << VerdictText(mapped.verdict);
        for (const Candidate& candidate : mapped.candidates)
            EXPECT_FALSE(ChangedByNormalization(candidate.code)) << c.name << std::hex << " U+" << candidate.code;
        if (c.first == 0) continue;
        ASSERT_FALSE(mapped.candidates.empty()) << c.name;
        EXPECT_EQ(mapped.candidates[0].code, c.first) << c.name << std::hex << " U+" << mapped.candidates[0].code;
        EXPECT_EQ(mapped.candidates[0].selector, c.selector) << c.name;
        const std::string line = MapLine(mapped, "EUDC.TTE");
        EXPECT_EQ(line.substr(line.find(",EUDC.TTE,") + 10, 11), "yes,same,,U") << c.name;
    }
    EXPECT_NE(MapHeader().find(",Twin,Verdict,Chosen,Code 1,"), std::string::npos);
}

// Reference bytes that are cut off or no font at all leave the verdict
// without the reference's own glyph to ask, and nothing else; so does an
// index loaded anew.
TEST(Shapes, ReferenceAttachedBrokenIsNotAsked) {
    ShapeIndex index = ReferenceIndex();
    Font reference(kMade + "reference.ttf");
    Outline changed = OutlineOf(reference, 0x6771);
    const double em = changed.unitsPerEm;
    AddBar(changed, 0.15 * em, 0.15 * em, 0.25 * em, 0.185 * em);
    GlyphShape shape{};
    ASSERT_TRUE(MakeGlyphShape(changed, shape));
    const std::vector<unsigned char> noFont(4096, 0x5A);
    const std::vector<unsigned char>& whole = reference.bytes;
    const std::vector<unsigned char> half(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
    for (const auto* bytes : {&noFont, &half}) {
        index.AttachReference({bytes->data(), bytes->size()});
        const Identification found = index.Identify(shape);
        ASSERT_FALSE(found.candidates.empty());
        EXPECT_EQ(found.candidates[0].code, 0x6771u);
    }
    index.AttachReference({whole.data(), whole.size()});
    EXPECT_NE(index.Identify(shape).verdict, Verdict::kSame);
    // An index loaded anew holds no attachment of the one before.
    const std::vector<unsigned char> saved = index.Save();
    ASSERT_TRUE(index.Load(saved.data(), saved.size(), index.Fingerprint()));
    EXPECT_EQ(index.Identify(shape).verdict, Verdict::kSame);
}

// The share of ink the other glyph lacks, with one cell's tolerance.
TEST(Shapes, StrayInkToleratesOneCell) {
    auto bar = [](int row, int from, int to) {
        InkMap ink{};
        for (int x = from; x < to; ++x) ink[static_cast<size_t>(row)] |= uint32_t{1} << x;
        return ink;
    };
    const struct {
        const char* name;
        InkMap a, b;
        double stray;
    } cases[] = {
        {"the same", bar(10, 2, 22), bar(10, 2, 22), 0.0},
        {"a row lower", bar(10, 2, 22), bar(11, 2, 22), 0.0},
        {"two rows lower", bar(10, 2, 22), bar(12, 2, 22), 1.0},
        {"half as long", bar(10, 2, 22), bar(10, 2, 12), 0.45},  // 9 of 20 cells beyond one cell
        {"nothing to compare", InkMap{}, bar(10, 2, 22), 0.0},
    };
    for (const auto& c : cases) EXPECT_NEAR(StrayInk(c.a, c.b), c.stray, 1e-9) << c.name;
}

// The verdict's word in the column after Twin, also for a glyph without candidates.
TEST(Shapes, MapLineWritesTheVerdict) {
    const Candidate twin{0x571F, 0, 0.98};
    const auto mapped = [](std::vector<Candidate> candidates, Verdict verdict) {
        MappedCharacter character;
        character.code = 0xE000;
        character.candidates = std::move(candidates);
        character.verdict = verdict;
        return character;
    };
    const struct {
        MappedCharacter character;
        const char* fields;
    } cases[] = {
        {mapped({twin}, Verdict::kSame), "yes,same,,U+571F,"},
        {mapped({twin}, Verdict::kCheck), "yes,check,,U+571F,"},
        {mapped({twin}, Verdict::kNone), "yes,none,,U+571F,"},
        {mapped({}, Verdict::kNone), "no,none,,,"},
    };
    for (const auto& c : cases) {
        const std::string line = MapLine(c.character, "EUDC.TTE");
        EXPECT_EQ(line.substr(line.find(",EUDC.TTE,") + 10, std::strlen(c.fields)), c.fields) << line;
    }
}

// What the map writes beside a candidate: the reference font's MJ glyph
// names (a default variation sequence is drawn by its base's glyph) and
// JIS X 0213's positions; and a line's Glyph under the header's, however
// few candidates it has.
TEST(Shapes, CandidateFactsAndTheMapsColumns) {
    const auto bytes = ReadFile(kMade + "reference.ttf");
    ReferenceNames names;
    ASSERT_TRUE(names.Read(bytes.data(), bytes.size()));
    const struct {
        Candidate candidate;
        const char* mj;
        const char* jis;
    } cases[] = {
        {{0x571F, 0, 1}, "MJ008892", "1-37-58"},  // 土
        {{0x845B, 0, 1}, "MJ022336", "1-19-75"},  // 葛
        {{0x845B, 0xE0102, 1}, "MJ022335", ""},   // a sequence's own glyph
        {{0x845B, 0xE0103, 1}, "MJ022336", ""},   // a default sequence
        {{0x9AD9, 0, 1}, "MJ028902", ""},         // 髙: no JIS X 0213
        {{0x20B9F, 0, 1}, "", "1-47-52"},         // 𠮟: not in the cut font, added by JIS X 0213
        {{0x41, 0, 1}, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(names.MjName(c.candidate), c.mj) << std::hex << c.candidate.code;
        if (!c.candidate.selector) EXPECT_EQ(JisX0213Position(c.candidate.code), c.jis) << std::hex << c.candidate.code;
    }
    // A font without names, or one cut off in its names, names nothing and reads.
    const auto eudc = ReadFile(kMade + "eudc.ttf");
    EXPECT_TRUE(names.Read(eudc.data(), eudc.size()));
    EXPECT_EQ(names.MjName({0x571F, 0, 1}), "");

    const auto count = [](const std::string& line) { return std::count(line.begin(), line.end(), ','); };
    MappedCharacter one;
    one.code = 0xE000;
    one.candidates = {{0x571F, 0, 1}};
    one.glyph = 0x0123456789ABCDEFull;
    for (size_t candidates : {0, 1}) {
        one.candidates.resize(candidates);
        const std::string line = MapLine(one, "EUDC.TTE");
        EXPECT_EQ(count(line), count(MapHeader())) << candidates;
        EXPECT_EQ(line.substr(line.size() - 19), ",0123456789ABCDEF\r\n");
    }
    // One character alone maps as the whole font maps it.
    const auto font = ReadFile(kMade + "eudc.ttf");
    const ShapeIndex index = ReferenceIndex();
    std::vector<MappedCharacter> all;
    ASSERT_TRUE(MapFontCharacters(font.data(), font.size(), index, all));
    for (const MappedCharacter& expected : all) {
        MappedCharacter alone;
        ASSERT_TRUE(MapOneCharacter(font.data(), font.size(), index, expected.code, alone));
        EXPECT_EQ(MapLine(alone, "F"), MapLine(expected, "F"));
        EXPECT_NE(alone.glyph, 0u);
    }
    MappedCharacter none;
    EXPECT_FALSE(MapOneCharacter(font.data(), font.size(), index, 0xF8FF, none));
}

// The PC's fonts beside the reference: IPA Gothic's drawings meet their own
// pictures (the same glyph), named by the reference's characters; 髙, which
// the PC's font lacks, is not lost to its 高; a
// character the reference lacks (亜) is never answered; a companion that is
// no font adds nothing; the fingerprint tells the indexes apart.
TEST(Shapes, DesignFontsBesideTheReference) {
    const auto reference = ReadFile(kMade + "reference.ttf"), gothic = ReadFile(kMade + "gothic.ttf");
    const FontFile referenceFile{reference.data(), reference.size()}, gothicFile{gothic.data(), gothic.size()};
    ShapeIndex alone = ReferenceIndex(), beside, broken;
    ASSERT_EQ(beside.Build(reference.data(), reference.size(), nullptr, {gothicFile}), ShapeIndex::Built::kDone);
    ASSERT_EQ(broken.Build(reference.data(), reference.size(), nullptr, {FontFile{gothic.data(), gothic.size() / 2}}),
              ShapeIndex::Built::kDone);
    EXPECT_EQ(broken.Size(), alone.Size());
    EXPECT_GT(beside.Size(), alone.Size());
    EXPECT_EQ(alone.Fingerprint(), IndexFingerprint(referenceFile, {}));
    EXPECT_EQ(beside.Fingerprint(), IndexFingerprint(referenceFile, {gothicFile}));
    EXPECT_NE(beside.Fingerprint(), alone.Fingerprint());
    Font eudc(kMade + "eudc-gothic.ttf"), drawnGothic(kMade + "gothic.ttf");
    std::ifstream listed(kMade + "eudc.txt");
    std::string code, character;
    size_t same = 0, asked = 0;
    while (listed >> code >> character) {
        const uint32_t twin = std::stoul(character.substr(2), nullptr, 16);
        MappedCharacter mapped = IdentifyCharacter(0xE000, OutlineOf(eudc, std::stoul(code, nullptr, 16)), beside);
        ++asked;
        ASSERT_FALSE(mapped.candidates.empty());
        EXPECT_EQ(mapped.candidates[0].code, twin) << std::hex << twin;
        same += mapped.verdict == Verdict::kSame;
    }
    EXPECT_GE(same, asked - 1);  // 髙, which the PC's font lacks, may need a look
    for (const Candidate& candidate : IdentifyCharacter(0xE000, OutlineOf(drawnGothic, 0x4E9C), beside).candidates)
        EXPECT_NE(candidate.code, 0x4E9Cu);
    // The PC's 体 with a bar added inside its box, a long one or a short
    // one, is that glyph changed, not 体.
    struct Bar {
        double left, bottom, right, top;
    };
    for (const Bar& bar : {Bar{0.3, 0.2, 0.7, 0.25}, Bar{0.35, 0.45, 0.45, 0.485}, Bar{0.65, 0.25, 0.75, 0.285}}) {
        Outline changed = OutlineOf(eudc, 0xE000 + 30);
        const double em = changed.unitsPerEm;
        AddBar(changed, bar.left * em, bar.bottom * em, bar.right * em, bar.top * em);
        EXPECT_NE(IdentifyCharacter(0xE000, changed, beside).verdict, Verdict::kSame) << bar.left;
    }
}

// Which fonts may stand beside the reference: Japanese, with the kanji of an
// everyday font, neither a reference-sized one nor a cut one.
TEST(Shapes, WhichFontsLendTheirDesign) {
    const struct {
        std::string path;
        bool lends;
    } cases[] = {
        {kIpaMincho, true},
        {"/usr/share/fonts/truetype/ipamj/ipamjm.ttf", false},
        {kMade + "gothic.ttf", false},
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", false},
        {kMade + "eudc.txt", false},
    };
    for (const auto& c : cases) {
        const auto bytes = ReadFile(c.path);
        EXPECT_EQ(DesignFontIdeographs({bytes.data(), bytes.size()}) > 0, c.lends) << c.path;
    }
}
