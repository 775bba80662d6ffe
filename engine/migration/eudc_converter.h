// The EUDC characters of a text replaced by the standard ones a map chose,
// a piece at a time, and put back. Pieces may end anywhere: inside a
// multi-byte character, a surrogate pair or a CR LF; what a piece cannot
// finish waits for the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/migration/map_decisions.h"
#include "engine/migration/text_encoding.h"

namespace migration {

// For each EUDC code U+E000..U+E757: what it becomes, or why it stays.
class DecisionTable {
public:
    DecisionTable();
    explicit DecisionTable(const std::vector<MapRow>& rows);
    // Empty when the character stays.
    const std::u32string& Written(char32_t eudc) const { return written_[eudc - 0xE000]; }
    // "undecided", "none", "not in the map" or "invalid: ..." for a character that stays.
    const std::string& WhyLeft(char32_t eudc) const { return whyLeft_[eudc - 0xE000]; }

private:
    std::vector<std::u32string> written_;
    std::vector<std::string> whyLeft_;
};

// The conversion of Shift-JIS text the platform makes, for what lies
// between EUDC characters (which the converters handle themselves).
class ShiftJisCodec {
public:
    virtual ~ShiftJisCodec() = default;
    // Appends bytes (whole characters, no EUDC) as UTF-8.
    virtual void AppendAsUtf8(const char* bytes, size_t size, std::string& utf8) = 0;
    // Appends UTF-8 text (whole characters, no EUDC) as Shift-JIS.
    virtual void AppendAsShiftJis(const char* utf8, size_t size, std::string& bytes) = 0;
};

// An EUDC character met in the text: its line and column (1-based; the
// column counts characters of the source's line), and whether it was
// replaced.
struct EudcPlace {
    size_t line = 0, column = 0;
    char32_t eudc = 0;
    bool replaced = false;
};

// Replaces each EUDC character of a source text with its decision. Output
// in ConvertedEncoding(source). Without a table (a scan) it only counts.
class EudcConverter {
public:
    EudcConverter(Encoding source, const DecisionTable* table, ShiftJisCodec* codec);
    // Converts the next piece of the file (its first holds the
    // byte-order mark), appending to out when there is one; last: nothing
    // follows. The places met are added to Places().
    void Convert(const char* bytes, size_t size, bool last, std::string* out);
    std::vector<EudcPlace>& Places() { return places_; }
    // A NUL byte outside UTF-16: the file is no text after all.
    bool SawNul() const { return sawNul_; }
    // How often each EUDC code occurred, U+E000 first.
    const std::vector<size_t>& Counts() const { return counts_; }

private:
    size_t ConvertShiftJis(const unsigned char* p, size_t i, size_t limit, size_t end, std::string* out);
    size_t ConvertUtf8(const unsigned char* p, size_t i, size_t limit, size_t end, std::string* out);
    size_t ConvertUtf16(const unsigned char* p, size_t i, size_t limit, size_t end, std::string* out);
    void Meet(char32_t eudc, std::string* out);

    Encoding source_;
    const DecisionTable* table_;
    ShiftJisCodec* codec_;
    bool started_ = false, sawNul_ = false;
    size_t line_ = 1, column_ = 0;  // characters before the current one on its line
    std::string work_;              // the piece, after what the last one left
    std::vector<EudcPlace> places_;
    std::vector<size_t> counts_;
};

// Puts the EUDC characters back where a record says they were replaced:
// reads a converted file (in ConvertedEncoding(source)) and writes it in
// the source's encoding. A place whose text is not what the record says
// was written (the file edited since) stays as it is and is counted.
class EudcRestorer {
public:
    // places: the file's replacements in their order, each with what was written.
    struct Replacement {
        size_t line, column;
        char32_t eudc;
        std::u32string written;
    };
    EudcRestorer(Encoding source, std::vector<Replacement> replacements, ShiftJisCodec* codec);
    void Restore(const char* bytes, size_t size, bool last, std::string& out);
    size_t Restored() const { return restored_; }
    // Places recorded that were not found as recorded (after the last piece).
    size_t Missed() const { return replacements_.size() - restored_; }

private:
    size_t RestoreUtf8(const unsigned char* p, size_t i, size_t limit, size_t end, std::string& out);
    size_t RestoreUtf16(const unsigned char* p, size_t i, size_t limit, size_t end, std::string& out);
    // Appends converted text [from, to) in the source's encoding.
    void AppendRun(const unsigned char* p, size_t from, size_t to, std::string& out);
    bool NextPlaceIsHere();

    Encoding source_;
    std::vector<Replacement> replacements_;
    std::vector<std::string> writtenBytes_;  // each replacement's text as the converted file holds it
    ShiftJisCodec* codec_;
    bool started_ = false;
    size_t next_ = 0, restored_ = 0, line_ = 1, column_ = 0;
    std::string work_;
};

}  // namespace migration
