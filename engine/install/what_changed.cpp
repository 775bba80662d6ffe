#include "engine/install/what_changed.h"

#include <set>
#include <string>

#include "platform/text.h"

namespace {

std::set<std::string> LinkTexts(const FontLinkTable& table) {
    std::set<std::string> texts;
    for (const FontLink& link : table.links)
        texts.insert(platform::UpperCaseText(link.face) + "\n" + platform::UpperCaseText(link.file));
    return texts;
}

}  // namespace

void CountCharacters(const CharacterReport& characters, InstallCounts& counts) {
    for (const FontChange& font : characters.fonts) {
        counts.lost += font.changes.lost.size();
        counts.changed += font.changes.changed.size();
        counts.added += font.changes.added.size();
    }
}

bool SameLinks(const FontLinkTable& a, const FontLinkTable& b) { return LinkTexts(a) == LinkTexts(b); }
