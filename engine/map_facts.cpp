#include "engine/map_facts.h"

#include <cstdio>

#include "engine/shapes/jis_x0213.h"
#include "platform/text.h"

namespace {

constexpr UINT kCp932 = 932;

}  // namespace

std::string Cp932Code(const shapes::Candidate& candidate) {
    if (candidate.selector || candidate.code > 0xFFFF) return std::string();
    const std::wstring wide(1, static_cast<wchar_t>(candidate.code));
    std::string bytes;
    // Exactly, and back to the same character: no best fit, no stand-in.
    if (!platform::ToMultiByteExactly(kCp932, wide, bytes) || bytes.empty() || bytes.size() > 2 ||
        platform::ToWide(kCp932, bytes) != wide)
        return std::string();
    char text[8];
    if (bytes.size() == 1)
        std::snprintf(text, sizeof text, "%02X", static_cast<unsigned char>(bytes[0]));
    else
        std::snprintf(text, sizeof text, "%02X%02X", static_cast<unsigned char>(bytes[0]),
                      static_cast<unsigned char>(bytes[1]));
    return text;
}

void AddCandidateFacts(const shapes::ReferenceNames& names, shapes::MappedCharacter& character) {
    character.facts.clear();
    for (const shapes::Candidate& candidate : character.candidates)
        character.facts.push_back({names.MjName(candidate), Cp932Code(candidate),
                                   candidate.selector ? std::string() : shapes::JisX0213Position(candidate.code)});
}
