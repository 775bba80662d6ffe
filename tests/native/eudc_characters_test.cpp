#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/characters/eudc_characters.h"
#include "engine/characters/outline_hash.h"

using namespace characters;

namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string MadeFont(const std::string& name) { return std::string(MINAMO_MADE_FONTS) + "/" + name; }

bool Read(const std::string& path, CharacterSet& set, uint32_t fontIndex = 0) {
    std::string bytes = FileBytes(path);
    auto data = reinterpret_cast<const unsigned char*>(bytes.data());
    return ReadEudcCharacters(data, bytes.size(), set, fontIndex);
}

// A line a character, as pua_characters.py writes them: its code, and the
// number of the first character with the same outline.
std::string Described(const CharacterSet& set) {
    std::map<uint64_t, size_t> first;
    std::ostringstream text;
    for (size_t i = 0; i < set.size(); ++i) {
        size_t same = first.emplace(set[i].outline, i).first->second;
        text << std::hex << std::uppercase << set[i].code << " " << std::dec << same << "\n";
    }
    return text.str();
}

// Fonts nobody here made, and one whose character map takes glyphs from its
// glyph array: their characters, and which of them share an outline, are
// those fontTools reads (tests/native/pua_characters.py).
TEST(EudcCharacters, AgreeWithFontTools) {
    const struct {
        const char* font;
        const char* fontTools;
        size_t atLeast;
    } cases[] = {
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "DejaVuSans.txt", 90},
        {"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", "ipag.txt", 0},
        {"/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf", "ipagp.txt", 0},
        {"/usr/share/fonts-font-awesome/fonts/fontawesome-webfont.ttf", "fontawesome-webfont.txt", 600},
        {MINAMO_MADE_FONTS "/reversed.ttf", "reversed.txt", 4},
    };
    for (const auto& c : cases) {
        CharacterSet set;
        ASSERT_TRUE(Read(c.font, set)) << c.font;
        EXPECT_GE(set.size(), c.atLeast) << c.font;
        EXPECT_EQ(Described(set), FileBytes(MadeFont(c.fontTools))) << c.font;
    }
}

TEST(EudcCharacters, MadeFonts) {
    const struct {
        const char* font;
        uint32_t fontIndex;
        bool read;
        std::vector<uint16_t> codes;
    } cases[] = {
        // E004's glyph has no outline; E005 is a composite of E000's glyph.
        {"composed.ttf", 0, true, {0xE000, 0xE001, 0xE005}},
        {"composed.ttf", 1, false, {}},
        {"two_fonts.ttc", 0, true, {0xE001, 0xE002}},
        {"two_fonts.ttc", 1, true, {0xE010, 0xE011, 0xE012}},
        {"two_fonts.ttc", 2, false, {}},
    };
    for (const auto& c : cases) {
        CharacterSet set = {{0xE000, 0}};
        EXPECT_EQ(Read(MadeFont(c.font), set, c.fontIndex), c.read) << c.font << " " << c.fontIndex;
        std::vector<uint16_t> codes;
        for (const Character& character : set) codes.push_back(character.code);
        EXPECT_EQ(codes, c.codes) << c.font << " " << c.fontIndex;
    }
}

TEST(EudcCharacters, EveryCodeOfTheArea) {
    CharacterSet set;
    ASSERT_TRUE(Read(MadeFont("pattern.ttf"), set));
    EXPECT_EQ(set.size(), 0xF900u - 0xE000u);
    EXPECT_EQ(set.back().code, 0xF8FF);
}

// An edit of any one byte of a glyph shows in its fingerprint, in the last
// bytes of a length that is no multiple of four too.
TEST(EudcCharacters, EveryByteOfAnOutlineCounts) {
    unsigned char bytes[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (size_t length = 1; length <= sizeof bytes; ++length) {
        uint64_t whole = HashBytes(bytes, length);
        for (size_t i = 0; i < length; ++i) {
            bytes[i] ^= 0x10;
            EXPECT_NE(HashBytes(bytes, length), whole) << length << " " << i;
            bytes[i] ^= 0x10;
        }
    }
}

std::string Named(const std::vector<uint16_t>& codes) {
    std::string names;
    for (uint16_t code : codes) names += " " + CodeName(code);
    return names;
}

TEST(EudcCharacters, Changes) {
    const struct {
        const char* installed;
        const char* incoming;
        const char* changes;
    } cases[] = {
        {"installed.ttf", "incoming.ttf", "lost F040, changed F041, added F043"},
        // A changed component changes the composite made of it.
        {"composed.ttf", "component_changed.ttf", "lost, changed F040 F045, added"},
    };
    for (const auto& c : cases) {
        CharacterSet installed, incoming;
        ASSERT_TRUE(Read(MadeFont(c.installed), installed) && Read(MadeFont(c.incoming), incoming));
        CharacterChanges changes = CompareCharacters(installed, incoming);
        EXPECT_EQ("lost" + Named(changes.lost) + ", changed" + Named(changes.changed) + ", added" +
                      Named(changes.added),
                  c.changes);
    }
}

TEST(EudcCharacters, CodeNames) {
    const struct {
        uint16_t code;
        const char* name;
    } cases[] = {
        {0xE000, "F040"}, {0xE03E, "F07E"}, {0xE03F, "F080"},   {0xE0BB, "F0FC"},
        {0xE0BC, "F140"}, {0xE757, "F9FC"}, {0xE758, "U+E758"}, {0xF8FF, "U+F8FF"},
    };
    for (const auto& c : cases) EXPECT_EQ(CodeName(c.code), c.name) << std::hex << c.code;
}

}  // namespace
