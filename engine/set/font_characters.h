// The EUDC characters of font files on this machine, and what an install
// does to them: which characters it takes away, changes and adds in each
// font it replaces.
#pragma once

#include <string>
#include <vector>

#include "engine/characters/eudc_characters.h"
#include "engine/paths/string_list.h"

// The largest file read as an EUDC font: one holds at most 6,400
// characters, a few megabytes. A larger file is compared by its bytes.
constexpr unsigned long long kLargestEudcFont = 64ull << 20;

// The characters of a font file; false when it cannot be read or is no
// font (a file a test set made of other bytes, say).
bool ReadFileCharacters(const std::string& path, characters::CharacterSet& set);
// How many characters ReadFileCharacters would read; false when it would
// fail. bytes receives the file's: a caller counting file after file keeps
// its memory, which under Wine costs more taken anew than the reading.
bool CountFileCharacters(const std::string& path, size_t& count, std::string& bytes);

// What replacing one installed font with another does to its characters.
struct FontChange {
    std::string installed;  // the installed file's path
    characters::CharacterChanges changes;
    // False when the new file cannot be read as a font: every character
    // of the installed one is lost.
    bool incomingIsFont;
};

// What an install does to the characters of the files it replaces.
struct CharacterReport {
    std::vector<FontChange> fonts;  // each replaced font, compared character by character
    // A replaced file that is not a font, or whose counterpart is not:
    // compared by its bytes alone.
    bool byBytesOnly = false;

    // A character would be taken away or drawn otherwise.
    bool LosesOrChanges() const;
};

// A file pair of an install: the new file and the installed one it would
// replace.
struct Replacement {
    std::string incoming;
    std::string installed;
};

// Compares each replacement; a companion (.euf) goes with its font.
CharacterReport CompareReplacedFonts(const std::vector<Replacement>& replacements);

// One line a compared font whose characters change: its path, and how
// many characters it loses, changes and adds (happened: lost, changed and
// added by a finished install), with the first codes of each.
StringList CharacterLines(const CharacterReport& report, bool happened = false);
