// What an install changed on this PC, for its report and the run log.
#pragma once

#include "engine/links/font_links.h"
#include "engine/report/install_counts.h"
#include "engine/set/font_characters.h"

// Adds up the characters the replaced fonts lose, change and gain.
void CountCharacters(const CharacterReport& characters, InstallCounts& counts);

// Whether two reads of the registry's table hold the same links, letter
// case aside, in whatever order.
bool SameLinks(const FontLinkTable& a, const FontLinkTable& b);
