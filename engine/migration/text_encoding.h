// Which encoding a text file is in, told from its bytes as they are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace migration {

enum class Encoding : uint8_t { kShiftJis, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be };

// As the conversion's record names it: "Shift-JIS", "UTF-8", "UTF-8 BOM",
// "UTF-16LE", "UTF-16BE"; and back.
const char* EncodingName(Encoding encoding);
bool EncodingNamed(const std::string& name, Encoding& encoding);
// The byte-order mark a file in it starts with: 0, 2 or 3 bytes.
size_t MarkLength(Encoding encoding);
// What a converted file is in: Shift-JIS becomes UTF-8 with a mark, the
// others stay as they were.
Encoding ConvertedEncoding(Encoding source);

// The bytes that may start, and follow, a two-byte Shift-JIS character.
inline bool IsShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
inline bool IsShiftJisTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// What the bytes read so far tell. A byte-order mark at the start decides
// at once. Otherwise the first piece with a byte above 0x7F decides: UTF-8
// when its sequences are well formed (a few broken ones among many good
// ones still count as UTF-8), Shift-JIS when its pairs are, neither (not
// text) when both fail or a NUL byte comes. A file of ASCII alone is UTF-8.
class EncodingGuess {
public:
    // The next piece of the file; last: nothing follows.
    void Read(const unsigned char* bytes, size_t size, bool last);
    bool Decided() const { return decided_; }
    bool IsText() const { return text_; }
    Encoding Found() const { return encoding_; }

private:
    void Weigh(const unsigned char* bytes, size_t size, bool last);
    void Decide(bool text, Encoding encoding);
    std::string cut_;  // a character's start that the last piece cut off
    bool first_ = true, decided_ = false, text_ = true;
    Encoding encoding_ = Encoding::kUtf8;
};

}  // namespace migration
