#include "engine/shapes/reference_names.h"

#include <algorithm>
#include <tuple>

#include "engine/characters/truetype_tables.h"

namespace shapes {
namespace {

constexpr uint32_t kPostFormat2 = 0x00020000;
constexpr size_t kPostHeader = 32;
// Indices below it name one of the 258 standard Macintosh glyphs, none an MJ name.
constexpr uint16_t kStandardNames = 258;

bool Before(const DrawnCharacter& a, const DrawnCharacter& b) {
    return std::tie(a.code, a.selector) < std::tie(b.code, b.selector);
}

}  // namespace

bool ReferenceNames::Read(const unsigned char* data, size_t size) {
    *this = ReferenceNames();
    characters::TrueTypeTables tables;
    if (!characters::FindTrueTypeTables({data, size}, 0, tables)) return false;
    std::vector<DrawnCharacter> drawn;
    (void)ReadDrawnCharacters(tables.cmap, drawn);  // a broken map names what it read
    for (const DrawnCharacter& character : drawn)
        (character.selector ? sequences_ : plain_).push_back(character);
    std::sort(plain_.begin(), plain_.end(), Before);
    std::sort(sequences_.begin(), sequences_.end(), Before);

    const characters::FontBytes post = tables.post;
    uint32_t format = 0;
    uint16_t glyphs = 0;
    if (!post.U32(0, format) || format != kPostFormat2 || !post.U16(kPostHeader, glyphs) ||
        !post.HasArray(kPostHeader + 2, glyphs, 2))
        return true;
    post_.assign(reinterpret_cast<const char*>(post.Data()), post.Size());
    nameIndex_.resize(glyphs);
    for (uint16_t glyph = 0; glyph < glyphs; ++glyph) (void)post.U16(kPostHeader + 2 + glyph * 2u, nameIndex_[glyph]);
    // The names follow as Pascal strings, each a length byte and its characters.
    for (size_t at = kPostHeader + 2 + glyphs * size_t{2}; at < post_.size();
         at += 1 + static_cast<unsigned char>(post_[at]))
        nameOffsets_.push_back(static_cast<uint32_t>(at));
    return true;
}

std::string ReferenceNames::GlyphName(uint32_t glyph) const {
    if (glyph >= nameIndex_.size() || nameIndex_[glyph] < kStandardNames) return std::string();
    const size_t string = nameIndex_[glyph] - kStandardNames;
    if (string >= nameOffsets_.size()) return std::string();
    const size_t at = nameOffsets_[string], length = static_cast<unsigned char>(post_[at]);
    if (length > post_.size() - at - 1) return std::string();  // cut off at the table's end
    return post_.substr(at + 1, length);
}

std::string ReferenceNames::MjName(const Candidate& candidate) const {
    const uint32_t glyph = GlyphOf(candidate);
    if (glyph == 0) return std::string();
    std::string name = GlyphName(glyph);
    if (name.size() < 3 || (name[0] != 'm' && name[0] != 'M') || (name[1] != 'j' && name[1] != 'J') ||
        name.find_first_not_of("0123456789", 2) != std::string::npos)
        return std::string();
    name[0] = 'M', name[1] = 'J';
    return name;
}

uint32_t ReferenceNames::GlyphOf(const Candidate& candidate) const {
    const std::vector<DrawnCharacter>& list = candidate.selector ? sequences_ : plain_;
    const DrawnCharacter key{candidate.code, candidate.selector, 0};
    const auto found = std::lower_bound(list.begin(), list.end(), key, Before);
    return found != list.end() && found->code == candidate.code && found->selector == candidate.selector
               ? found->glyph
               : 0;
}

}  // namespace shapes
