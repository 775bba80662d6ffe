// The map of an EUDC font to the standard characters its characters most
// likely depict: for each character the code table shows, the nearest
// characters of a reference font's shape index; and the map's text, one
// line a character, in UTF-8 so that variation sequences survive in Excel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/shapes/glyph_outline.h"
#include "engine/shapes/shape_index.h"

namespace shapes {

constexpr int kMapCandidates = 5;

// What a candidate is beside its shape: its MJ glyph name in the reference
// font ("MJ008892"), its Shift-JIS code where CP932 holds it ("935A"), and
// its JIS X 0213 position ("1-37-58"); each empty where there is none.
struct CandidateFacts {
    std::string mj, cp932, jisX0213;
};

struct MappedCharacter {
    uint16_t code = 0;  // U+E000..U+F8FF
    std::vector<Candidate> candidates;  // best first; empty for a glyph drawn with nothing
    Verdict verdict = Verdict::kNone;
    std::vector<CandidateFacts> facts;  // beside candidates, when known
    uint64_t glyph = 0;                 // the outline's fingerprint (characters::Character::outline)
    std::string chosen;                 // the decision: "", "1".."5", a code, "none"
};

// One character's candidates and verdict, from its outline.
MappedCharacter IdentifyCharacter(uint16_t code, const Outline& outline, const ShapeIndex& index);

// The characters of font 0 of an EUDC font file, each with its nearest
// candidates; false when the file is no TrueType font or is broken.
bool MapFontCharacters(const unsigned char* data, size_t size, const ShapeIndex& index,
                       std::vector<MappedCharacter>& mapped);
// One character of it alone: false when the file is no font or does not
// draw code with an outline.
bool MapOneCharacter(const unsigned char* data, size_t size, const ShapeIndex& index, uint16_t code,
                     MappedCharacter& mapped);

// The outline's fingerprint as the map's Glyph column writes it: 16 hex digits.
std::string GlyphText(uint64_t glyph);

// "U+9AD9" for one code point, and the code point appended as UTF-8.
std::string CodePoint(uint32_t code);
void AppendUtf8(std::string& out, uint32_t code);
// "U+9AD9" or "U+9AD9 U+E0100"; and the character itself in UTF-8.
std::string CandidateCode(const Candidate& candidate);
std::string CandidateText(const Candidate& candidate);
// A score as the map writes it: "0.953".
std::string ScoreText(double score);
// The verdict as the map writes it: "same", "check" or "none".
const char* VerdictText(Verdict verdict);

// The map's first line (with the byte-order mark) and a character's line,
// each ended by CR LF. fontFile: the EUDC font's name, in UTF-8.
std::string MapHeader();
std::string MapLine(const MappedCharacter& character, const std::string& fontFile);

}  // namespace shapes
