// Fonts broken or made to do harm, built here byte by byte: each must give
// "not a font" or a sane set, at once, without a read outside its bytes
// (the sanitizers of this build would stop the test).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/characters/eudc_characters.h"

using namespace characters;

namespace {

std::string Be16(uint32_t v) { return {static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v & 0xFF)}; }
std::string Be32(uint32_t v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }

struct Group {
    uint32_t first, last, glyph;
};

std::string Cmap12(const std::vector<Group>& groups) {
    std::string table = Be16(0) + Be16(1) + Be16(3) + Be16(10) + Be32(12) + Be16(12) + Be16(0) +
                        Be32(16 + 12 * static_cast<uint32_t>(groups.size())) + Be32(0) +
                        Be32(static_cast<uint32_t>(groups.size()));
    for (const Group& g : groups) table += Be32(g.first) + Be32(g.last) + Be32(g.glyph);
    return table;
}

const std::string kOutline = Be16(1) + std::string(12, '\x01');
std::string Composite(uint16_t component) {
    return Be16(0xFFFF) + std::string(8, '\0') + Be16(0) + Be16(component) + Be16(0);
}

struct Font {
    std::string cmap = Cmap12({{0xE000, 0xE001, 1}});
    uint16_t glyphCount = 3;
    std::vector<std::string> glyphs = {"", kOutline, kOutline};
    uint32_t version = 0x10000;
    size_t glyfKept = std::string::npos, kept = std::string::npos;  // where glyf and the file are cut off

    std::string Bytes() const {
        std::string loca, glyf;
        for (const std::string& glyph : glyphs) {
            loca += Be32(static_cast<uint32_t>(glyf.size()));
            glyf += glyph;
        }
        loca += Be32(static_cast<uint32_t>(glyf.size()));
        std::string head = std::string(50, '\0') + Be16(1) + Be16(0), maxp = Be32(0x5000) + Be16(glyphCount);
        const std::pair<const char*, std::string> tables[] = {
            {"cmap", cmap}, {"glyf", glyf.substr(0, glyfKept)}, {"head", head}, {"loca", loca}, {"maxp", maxp}};
        std::string directory = Be32(version) + Be16(5) + std::string(6, '\0'), data;
        for (const auto& t : tables) {
            uint32_t at = static_cast<uint32_t>(12 + 16 * 5 + data.size());
            directory += t.first + Be32(0) + Be32(at) + Be32(static_cast<uint32_t>(t.second.size()));
            data += t.second + std::string((4 - t.second.size() % 4) % 4, '\0');
        }
        return (directory + data).substr(0, kept);
    }
};

TEST(HostileFonts, NotAFontOrASaneSet) {
    const struct {
        const char* what;
        std::function<void(Font&)> edit;
        bool read;
        std::vector<uint16_t> codes;
    } cases[] = {
        {"as built", [](Font&) {}, true, {0xE000, 0xE001}},
        {"table directory cut off", [](Font& f) { f.kept = 40; }, false, {}},
        {"CFF outlines", [](Font& f) { f.version = 0x4F54544F; }, false, {}},  // 'OTTO'
        {"loca past glyf", [](Font& f) { f.glyfKept = 8; }, false, {}},
        {"glyph past the glyph count", [](Font& f) { f.glyphCount = 2; }, false, {}},
        {"glyph count 0xFFFF, loca of 3", [](Font& f) { f.glyphCount = 0xFFFF; }, false, {}},
        {"group of every code", [](Font& f) { f.cmap = Cmap12({{0, 0xFFFFFFFF, 0}}); }, false, {}},
        {"group from E000 to the end, empty glyphs beyond 2",
         [](Font& f) {
             f.cmap = Cmap12({{0xE000, 0xFFFFFFFF, 1}});
             f.glyphCount = 0x2000;
             f.glyphs.resize(0x2000);
         },
         true, {0xE000, 0xE001}},
        {"groups out of order", [](Font& f) { f.cmap = Cmap12({{0xE001, 0xE001, 1}, {0xE000, 0xE000, 2}}); },
         false, {}},
        {"composite cut off", [](Font& f) { f.glyphs[2] = Composite(1).substr(0, 14); }, false, {}},
        // Also a component nested deeper than any font's, never walked to the end.
        {"composite of itself", [](Font& f) { f.glyphs[2] = Composite(2); }, false, {}},
        {"composite of a composite", [](Font& f) { f.glyphs[1] = Composite(2); }, true, {0xE000, 0xE001}},
    };
    for (const auto& c : cases) {
        Font font;
        c.edit(font);
        std::string bytes = font.Bytes();
        CharacterSet set;
        auto data = reinterpret_cast<const unsigned char*>(bytes.data());
        EXPECT_EQ(ReadEudcCharacters(data, bytes.size(), set), c.read) << c.what;
        size_t count = 99;
        EXPECT_EQ(CountEudcCharacters(data, bytes.size(), count), c.read) << c.what;
        EXPECT_EQ(count, set.size()) << c.what;
        std::vector<uint16_t> codes;
        for (const Character& character : set) codes.push_back(character.code);
        EXPECT_EQ(codes, c.codes) << c.what;
    }
}

}  // namespace
