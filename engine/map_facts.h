// What each candidate of a map is, beside its shape: its MJ glyph name in
// the reference font, its Shift-JIS code where CP932 holds it, and its JIS
// X 0213 position; the map's columns MJ n, CP932 n and JIS X 0213 n.
#pragma once

#include <string>

#include "engine/shapes/font_map.h"
#include "engine/shapes/reference_names.h"

// "935A" for U+571F; empty when CP932 has no code of its own for the
// candidate (a variation sequence, whose glyph Shift-JIS cannot name, is none).
std::string Cp932Code(const shapes::Candidate& candidate);

// Fills character.facts beside its candidates.
void AddCandidateFacts(const shapes::ReferenceNames& names, shapes::MappedCharacter& character);
