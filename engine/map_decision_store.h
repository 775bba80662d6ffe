// The decisions of one map file (EUDCMAP.CSV) as the review desk reads and
// writes them: each character's Chosen, kept in the file the moment it is
// made. The file may have come back from a spreadsheet (UTF-8 with or
// without a byte-order mark, or Shift-JIS); it is written back as the map
// is written, UTF-8 with a byte-order mark and CR LF, every other field as
// it was.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/shapes/font_map.h"

class MapDecisionStore {
public:
    // Reads the map at path, for the characters of font (its name as the
    // map's Font column writes it). A missing file is a map without
    // decisions; an empty font takes every line. False, with why the text to show, when the file is there
    // but cannot be read as a map: Save then refuses, so that nothing of it
    // is lost.
    bool Load(const std::string& path, const std::string& font, std::string& why);

    const std::string& Path() const { return path_; }
    // "", "1".."5", a code such as "U+9AD9", or "none".
    std::string Chosen(uint16_t code) const;
    // A column of the code's line as written ("Glyph", "Code 2"); empty
    // where the map lacks the line or the column.
    std::string Written(uint16_t code, const std::string& column) const;
    // The codes of the font that have a decision, in order.
    std::vector<uint16_t> DecidedCodes() const;

    // Sets character.chosen as the decision of its code and writes the
    // whole map anew through a new file moved over the old, so that no
    // reader ever finds it half written. A map without the character's
    // line gets its line (MapLine). False, why said, when it cannot be
    // written; the decision is then not kept.
    bool Save(const shapes::MappedCharacter& character, std::string& why);

private:
    size_t ColumnNamed(const std::string& name);
    size_t AddRow(const shapes::MappedCharacter& character);

    std::string path_, font_;
    bool readable_ = true;
    std::vector<std::vector<std::string>> records_;  // the header first
    std::map<uint16_t, size_t> rows_;                 // code: its record
    size_t unicodeColumn_ = 0, fontColumn_ = 0, chosenColumn_ = 0;  // fontColumn_ SIZE_MAX: none
};
