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

struct Segment {
    uint16_t start, end, delta, rangeOffset;
};

// A format 4 subtable of the segments, closed by the segment at FFFF, and
// the glyph array the segments' idRangeOffset point into.
std::string Cmap4(std::vector<Segment> segments, const std::vector<uint16_t>& array) {
    segments.push_back({0xFFFF, 0xFFFF, 1, 0});
    std::string ends, starts, deltas, offsets, glyphs;
    for (const Segment& s : segments) {
        ends += Be16(s.end), starts += Be16(s.start);
        deltas += Be16(s.delta), offsets += Be16(s.rangeOffset);
    }
    for (uint16_t glyph : array) glyphs += Be16(glyph);
    std::string body = ends + Be16(0) + starts + deltas + offsets + glyphs;
    uint32_t length = 14 + static_cast<uint32_t>(body.size()), doubledCount = 2 * uint32_t(segments.size());
    return Be16(0) + Be16(1) + Be16(3) + Be16(1) + Be32(12) + Be16(4) + Be16(length) + Be16(0) +
           Be16(doubledCount) + std::string(6, '\0') + body;
}

const std::string kOutline = Be16(1) + std::string(12, '\x01');
std::string Composite(uint16_t component) {
    return Be16(0xFFFF) + std::string(8, '\0') + Be16(0) + Be16(component) + Be16(0);
}

struct Font {
    std::string cmap = Cmap12({{0xE000, 0xE001, 1}});
    uint16_t glyphCount = 3;
    std::vector<std::string> glyphs = {"", kOutline, kOutline};
    std::string loca, glyf;  // made from glyphs unless set

    std::string Bytes() {
        if (loca.empty()) {
            for (const std::string& glyph : glyphs) {
                loca += Be32(static_cast<uint32_t>(glyf.size()));
                glyf += glyph;
            }
            loca += Be32(static_cast<uint32_t>(glyf.size()));
        }
        std::string head = std::string(50, '\0') + Be16(1) + Be16(0), maxp = Be32(0x5000) + Be16(glyphCount);
        const std::pair<const char*, std::string> tables[] = {
            {"cmap", cmap}, {"glyf", glyf}, {"head", head}, {"loca", loca}, {"maxp", maxp}};
        std::string directory = Be32(0x10000) + Be16(5) + std::string(6, '\0'), data;
        for (const auto& t : tables) {
            uint32_t at = static_cast<uint32_t>(12 + 16 * 5 + data.size());
            directory += t.first + Be32(0) + Be32(at) + Be32(static_cast<uint32_t>(t.second.size()));
            data += t.second + std::string((4 - t.second.size() % 4) % 4, '\0');
        }
        return directory + data;
    }
};

TEST(HostileFonts, NotAFontOrASaneSet) {
    const struct {
        const char* what;
        std::function<std::string(Font&)> make;
        bool read;
        std::vector<uint16_t> codes;
    } cases[] = {
        {"as built", [](Font& f) { return f.Bytes(); }, true, {0xE000, 0xE001}},
        // E000's array entry is 0: no glyph, whatever the delta; E001's is 1, plus delta 1.
        {"format 4", [](Font& f) { f.cmap = Cmap4({{0xE000, 0xE001, 1, 4}}, {0, 1}); return f.Bytes(); },
         true, {0xE001}},
        {"format 4, glyph array past the table",
         [](Font& f) { f.cmap = Cmap4({{0xE000, 0xE001, 0, 0x4000}}, {1, 2}); return f.Bytes(); }, false, {}},
        {"format 4, segments out of order",
         [](Font& f) {
             f.cmap = Cmap4({{0xE001, 0xE001, 0x2000, 0}, {0xE000, 0xE000, 0x2002, 0}}, {});  // glyphs 1, 2
             return f.Bytes();
         },
         false, {}},
        {"table directory cut off", [](Font& f) { return f.Bytes().substr(0, 40); }, false, {}},
        {"CFF outlines", [](Font& f) { return "OTTO" + f.Bytes().substr(4); }, false, {}},
        {"loca past glyf", [](Font& f) { f.Bytes(); f.glyf.resize(8); return f.Bytes(); }, false, {}},
        {"glyph past the glyph count", [](Font& f) { f.glyphCount = 2; return f.Bytes(); }, false, {}},
        {"glyph count 0xFFFF, loca of 3", [](Font& f) { f.glyphCount = 0xFFFF; return f.Bytes(); },
         false, {}},
        {"group of every code", [](Font& f) { f.cmap = Cmap12({{0, 0xFFFFFFFF, 0}}); return f.Bytes(); },
         false, {}},
        {"group from E000 to the end, empty glyphs beyond 2",
         [](Font& f) {
             f.cmap = Cmap12({{0xE000, 0xFFFFFFFF, 1}});
             f.glyphCount = 0x2000;
             f.glyphs.resize(0x2000);
             return f.Bytes();
         },
         true, {0xE000, 0xE001}},
        {"groups out of order",
         [](Font& f) { f.cmap = Cmap12({{0xE001, 0xE001, 1}, {0xE000, 0xE000, 2}}); return f.Bytes(); },
         false, {}},
        {"composite cut off", [](Font& f) { f.glyphs[2] = Composite(1).substr(0, 14); return f.Bytes(); },
         false, {}},
        {"composite of itself", [](Font& f) { f.glyphs[2] = Composite(2); return f.Bytes(); }, false, {}},
        {"composite of a composite", [](Font& f) { f.glyphs = {"", Composite(2), kOutline}; return f.Bytes(); },
         true, {0xE000, 0xE001}},
        {"composites nested 40 deep",
         [](Font& f) {
             f.glyphCount = 43;
             f.glyphs[2] = Composite(3);
             for (uint16_t g = 3; g < 42; ++g) f.glyphs.push_back(Composite(g + 1));
             f.glyphs.push_back(kOutline);
             return f.Bytes();
         },
         false, {}},
    };
    for (const auto& c : cases) {
        Font font;
        std::string bytes = c.make(font);
        CharacterSet set;
        auto data = reinterpret_cast<const unsigned char*>(bytes.data());
        EXPECT_EQ(ReadEudcCharacters(data, bytes.size(), set), c.read) << c.what;
        std::vector<uint16_t> codes;
        for (const Character& character : set) codes.push_back(character.code);
        EXPECT_EQ(codes, c.codes) << c.what;
    }
}

}  // namespace
