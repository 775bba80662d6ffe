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

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string MadeFont(const std::string& name) { return std::string(MINAMO_MADE_FONTS) + "/" + name; }

bool Read(const std::string& path, CharacterSet& set, uint32_t fontIndex = 0) {
    std::string bytes = Bytes(path);
    auto data = reinterpret_cast<const unsigned char*>(bytes.data());
    return ReadEudcCharacters(data, bytes.size(), set, fontIndex);
}

std::vector<uint16_t> Codes(const CharacterSet& set) {
    std::vector<uint16_t> codes;
    for (const Character& c : set) codes.push_back(c.code);
    return codes;
}

// Each character's number is the first character's with the same outline.
std::vector<size_t> SameOutlineGroups(const CharacterSet& set) {
    std::map<uint64_t, size_t> first;
    std::vector<size_t> groups;
    for (const Character& c : set) groups.push_back(first.emplace(c.outline, groups.size()).first->second);
    return groups;
}

// Fonts nobody here made: the codes, and which of them share an outline,
// are those that fontTools reads (tests/native/pua_characters.py).
TEST(EudcCharacters, AgreeWithFontToolsOnDebiansFonts) {
    const struct {
        const char* font;
        const char* fontTools;
        size_t atLeast;
    } cases[] = {
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "DejaVuSans.txt", 90},
        {"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", "ipag.txt", 0},
        {"/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf", "ipagp.txt", 0},
        {"/usr/share/fonts-font-awesome/fonts/fontawesome-webfont.ttf", "fontawesome-webfont.txt", 600},
    };
    for (const auto& c : cases) {
        std::vector<uint16_t> codes;
        std::vector<size_t> groups;
        std::istringstream lines(Bytes(MadeFont(c.fontTools)));
        unsigned code = 0;
        size_t group = 0;
        while (lines >> std::hex >> code >> std::dec >> group) {
            codes.push_back(static_cast<uint16_t>(code));
            groups.push_back(group);
        }
        CharacterSet set;
        ASSERT_TRUE(Read(c.font, set)) << c.font;
        EXPECT_GE(set.size(), c.atLeast) << c.font;
        EXPECT_EQ(Codes(set), codes) << c.font;
        EXPECT_EQ(SameOutlineGroups(set), groups) << c.font;
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
        {"two_fonts.ttc", 0, true, {0xE001, 0xE002}},
        {"two_fonts.ttc", 1, true, {0xE010, 0xE011, 0xE012}},
        {"two_fonts.ttc", 2, false, {}},
        {"composed.ttf", 1, false, {}},
    };
    for (const auto& c : cases) {
        CharacterSet set = {{0xE000, 0}};
        EXPECT_EQ(Read(MadeFont(c.font), set, c.fontIndex), c.read) << c.font << " " << c.fontIndex;
        EXPECT_EQ(Codes(set), c.codes) << c.font << " " << c.fontIndex;
    }
}

// Every code of the area, each glyph drawn otherwise: no two fingerprints alike.
TEST(EudcCharacters, EveryCodeOfTheArea) {
    CharacterSet set;
    ASSERT_TRUE(Read(MadeFont("pattern.ttf"), set));
    ASSERT_EQ(set.size(), 0xF900u - 0xE000u);
    EXPECT_EQ(set.front().code, 0xE000);
    EXPECT_EQ(set.back().code, 0xF8FF);
    std::vector<size_t> groups = SameOutlineGroups(set);
    for (size_t i = 0; i < groups.size(); ++i) ASSERT_EQ(groups[i], i) << CodeName(set[i].code);
}

// An edit of any one byte of a glyph, the last ones of a length that is no
// multiple of four too, shows in its fingerprint.
TEST(EudcCharacters, EveryByteOfAnOutlineCounts) {
    unsigned char bytes[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (size_t length = 1; length <= sizeof bytes; ++length) {
        uint64_t whole = HashBytes(bytes, length);
        EXPECT_NE(HashBytes(bytes, length - 1), whole) << length;
        for (size_t i = 0; i < length; ++i) {
            bytes[i] ^= 0x10;
            EXPECT_NE(HashBytes(bytes, length), whole) << length << " " << i;
            bytes[i] ^= 0x10;
        }
    }
}

std::vector<std::string> NamesOf(const std::vector<uint16_t>& codes) {
    std::vector<std::string> names;
    for (uint16_t code : codes) names.push_back(CodeName(code));
    return names;
}

TEST(EudcCharacters, Changes) {
    using Names = std::vector<std::string>;
    const struct {
        const char* installed;
        const char* incoming;
        Names lost, changed, added;
    } cases[] = {
        {"installed.ttf", "incoming.ttf", {"F040"}, {"F041"}, {"F043"}},
        {"incoming.ttf", "installed.ttf", {"F043"}, {"F041"}, {"F040"}},
        // A changed component changes the composite made of it.
        {"composed.ttf", "component_changed.ttf", {}, {"F040", "F045"}, {}},
        {"composed.ttf", "composed.ttf", {}, {}, {}},
    };
    for (const auto& c : cases) {
        CharacterSet installed, incoming;
        ASSERT_TRUE(Read(MadeFont(c.installed), installed) && Read(MadeFont(c.incoming), incoming));
        CharacterChanges changes = CompareCharacters(installed, incoming);
        EXPECT_EQ(NamesOf(changes.lost), c.lost) << c.installed << " -> " << c.incoming;
        EXPECT_EQ(NamesOf(changes.changed), c.changed) << c.installed << " -> " << c.incoming;
        EXPECT_EQ(NamesOf(changes.added), c.added) << c.installed << " -> " << c.incoming;
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
