#include <cstdio>

#include "engine/characters/eudc_characters.h"

namespace characters {
namespace {

// Code page 932 maps its EUDC area, lead bytes F0-F9, onto U+E000-U+E757
// in order: 188 trail bytes a lead byte, 40-7E then 80-FC (7F is none).
constexpr unsigned kFirstSjisCode = 0xE000;
constexpr unsigned kTrailsPerLead = 188;
constexpr unsigned kLowTrails = 0x7F - 0x40;
constexpr unsigned kLeadCount = 10;

}  // namespace

std::string CodeName(uint16_t code) {
    char name[12];
    unsigned index = code - kFirstSjisCode;
    if (code >= kFirstSjisCode && index < kLeadCount * kTrailsPerLead) {
        unsigned lead = 0xF0 + index / kTrailsPerLead, trail = index % kTrailsPerLead;
        trail += trail < kLowTrails ? 0x40 : 0x80 - kLowTrails;
        std::snprintf(name, sizeof name, "%02X%02X", lead, trail);
    } else {
        std::snprintf(name, sizeof name, "U+%04X", unsigned{code});
    }
    return name;
}

}  // namespace characters
