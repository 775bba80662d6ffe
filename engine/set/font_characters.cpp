#include "engine/set/font_characters.h"

#include <algorithm>

#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "engine/report/operation_texts.h"
#include "platform/files.h"

namespace {

// Whether the font a companion goes with was compared.
bool CompanionOfCompared(const std::string& companion, const std::vector<FontChange>& fonts) {
    const std::string stem = paths::UpperAscii(paths::ChangeExtension(companion, ""));
    return std::any_of(fonts.begin(), fonts.end(), [&](const FontChange& font) {
        return paths::UpperAscii(paths::ChangeExtension(font.installed, "")) == stem;
    });
}

}  // namespace

bool ReadFileCharacters(const std::string& path, characters::CharacterSet& set) {
    std::string bytes;
    if (!platform::ReadWholeFile(path, bytes)) return false;
    return characters::ReadEudcCharacters(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), set);
}

bool CountFileCharacters(const std::string& path, size_t& count, std::string& bytes) {
    if (!platform::ReadWholeFile(path, bytes)) return false;
    return characters::CountEudcCharacters(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), count);
}

bool CharacterReport::LosesOrChanges() const {
    return std::any_of(fonts.begin(), fonts.end(), [](const FontChange& font) {
        return !font.changes.lost.empty() || !font.changes.changed.empty();
    });
}

CharacterReport CompareReplacedFonts(const std::vector<Replacement>& replacements) {
    CharacterReport report;
    std::vector<std::string> companions;
    for (const Replacement& file : replacements) {
        if (IsCompanionFile(file.installed)) {
            companions.push_back(file.installed);
            continue;
        }
        characters::CharacterSet installed, incoming;
        if (ReadFileCharacters(file.installed, installed) && ReadFileCharacters(file.incoming, incoming))
            report.fonts.push_back({file.installed, characters::CompareCharacters(installed, incoming)});
        else
            report.byBytesOnly = true;
    }
    for (const std::string& companion : companions)
        if (!CompanionOfCompared(companion, report.fonts)) report.byBytesOnly = true;
    return report;
}

StringList CharacterLines(const CharacterReport& report, bool happened) {
    StringList lines;
    for (const FontChange& font : report.fonts) {
        const std::string line = CharacterChangesLine(font.installed, font.changes, happened);
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}
