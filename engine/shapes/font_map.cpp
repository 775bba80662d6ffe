#include "engine/shapes/font_map.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "engine/characters/eudc_characters.h"
#include "engine/characters/pua_cmap.h"
#include "engine/characters/truetype_tables.h"
#include "engine/shapes/glyph_outline.h"

namespace shapes {
namespace {

// A field of the comma-separated line, quoted when it holds a comma or a quote.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string CodePoint(uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

namespace {

// The font's characters and their outlines' fingerprints, read once for a map.
struct EudcFont {
    characters::TrueTypeTables tables;
    GlyphOutlineReader reader;
    std::vector<characters::CodeGlyph> glyphs;
    characters::CharacterSet fingerprints;

    bool Open(const unsigned char* data, size_t size) {
        return characters::FindTrueTypeTables({data, size}, 0, tables) && reader.Open(tables) &&
               characters::ReadPuaGlyphs(tables.cmap, glyphs) &&
               characters::ReadEudcCharacters(data, size, fingerprints);
    }
    // The code table shows the characters with an outline; a broken one is drawn as nothing.
    bool Map(const characters::CodeGlyph& glyph, const ShapeIndex& index, MappedCharacter& character) {
        Outline outline;
        if (!reader.Read(glyph.glyph, outline) || outline.points.empty()) return false;
        character = IdentifyCharacter(glyph.code, outline, index);
        const auto print = std::lower_bound(
            fingerprints.begin(), fingerprints.end(), glyph.code,
            [](const characters::Character& c, uint16_t code) { return c.code < code; });
        if (print != fingerprints.end() && print->code == glyph.code) character.glyph = print->outline;
        return true;
    }
};

}  // namespace

bool MapFontCharacters(const unsigned char* data, size_t size, const ShapeIndex& index,
                       std::vector<MappedCharacter>& mapped) {
    mapped.clear();
    EudcFont font;
    if (!font.Open(data, size)) return false;
    MappedCharacter character;
    for (const characters::CodeGlyph& glyph : font.glyphs)
        if (font.Map(glyph, index, character)) mapped.push_back(character);
    return true;
}

MappedCharacter IdentifyCharacter(uint16_t code, const Outline& outline, const ShapeIndex& index) {
    MappedCharacter character;
    character.code = code;
    GlyphShape shape{};
    if (MakeGlyphShape(outline, shape)) {
        Identification found = index.Identify(shape, kMapCandidates);
        character.candidates = std::move(found.candidates);
        character.verdict = found.verdict;
    }
    return character;
}

const char* VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::kSame: return "same";
    case Verdict::kCheck: return "check";
    case Verdict::kNone: break;
    }
    return "none";
}

bool MapOneCharacter(const unsigned char* data, size_t size, const ShapeIndex& index, uint16_t code,
                     MappedCharacter& mapped) {
    EudcFont font;
    if (!font.Open(data, size)) return false;
    for (const characters::CodeGlyph& glyph : font.glyphs)
        if (glyph.code == code) return font.Map(glyph, index, mapped);
    return false;
}

std::string GlyphText(uint64_t glyph) {
    char text[24];
    std::snprintf(text, sizeof text, "%08lX%08lX", static_cast<unsigned long>(glyph >> 32),
                  static_cast<unsigned long>(glyph & 0xFFFFFFFFu));
    return text;
}

std::string CandidateCode(const Candidate& candidate) {
    return candidate.selector ? CodePoint(candidate.code) + " " + CodePoint(candidate.selector)
                              : CodePoint(candidate.code);
}

std::string ScoreText(double score) {
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", score);
    return text;
}

std::string CandidateText(const Candidate& candidate) {
    std::string text;
    AppendUtf8(text, candidate.code);
    if (candidate.selector) AppendUtf8(text, candidate.selector);
    return text;
}

std::string MapHeader() {
    std::string line = "\xEF\xBB\xBFShift_JIS,Unicode,Font,Twin,Verdict,Chosen";
    for (int i = 1; i <= kMapCandidates; ++i) {
        const std::string n = std::to_string(i);
        line += ",Code " + n + ",Character " + n + ",Score " + n + ",MJ " + n + ",CP932 " + n + ",JIS X 0213 " + n;
    }
    return line + ",Glyph\r\n";
}

std::string MapLine(const MappedCharacter& character, const std::string& fontFile) {
    const std::string sjis = characters::CodeName(character.code);
    const bool likely = !character.candidates.empty() && character.candidates[0].score >= kLikelyTwin;
    std::string line = (sjis.compare(0, 2, "U+") == 0 ? std::string() : sjis) + "," + CodePoint(character.code) +
                       "," + Field(fontFile) + "," + (likely ? "yes" : "no") + "," + VerdictText(character.verdict);
    line += "," + Field(character.chosen);
    for (size_t i = 0; i < static_cast<size_t>(kMapCandidates); ++i) {
        if (i >= character.candidates.size()) {
            line += ",,,,,,";  // the Glyph column stays where the header puts it
            continue;
        }
        const Candidate& candidate = character.candidates[i];
        const CandidateFacts facts = i < character.facts.size() ? character.facts[i] : CandidateFacts();
        line += "," + CandidateCode(candidate) + "," + CandidateText(candidate) + "," + ScoreText(candidate.score) +
                "," + facts.mj + "," + facts.cp932 + "," + facts.jisX0213;
    }
    return line + "," + (character.glyph ? GlyphText(character.glyph) : std::string()) + "\r\n";
}

}  // namespace shapes
