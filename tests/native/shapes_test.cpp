// The shape index: its rasterizer held to fontTools' measure of the same
// outlines, and EUDC fonts made of known characters (drawn by another font
// family, also shrunk and moved) found in a reference font cut from IPAmj.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/characters/truetype_tables.h"
#include "engine/shapes/font_map.h"
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
