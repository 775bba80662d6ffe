#include "engine/migration/text_encoding.h"

#include <cstring>

#include "engine/migration/unicode_text.h"

namespace migration {
namespace {

const char* const kNames[] = {"Shift-JIS", "UTF-8", "UTF-8 BOM", "UTF-16LE", "UTF-16BE"};

bool IsShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsShiftJisTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Counts, from the first byte above 0x7F to the piece's end, what each
// encoding makes of the bytes.
struct Evidence {
    size_t utf8Good = 0, utf8Bad = 0, shiftJisGood = 0, shiftJisBad = 0;
};

Evidence Weigh(const unsigned char* bytes, size_t from, size_t size, bool last) {
    Evidence e;
    char32_t code;
    for (size_t i = from; i < size;) {
        bool cutOff = false;
        const size_t length = Utf8Sequence(bytes, i, size, code, &cutOff);
        if (cutOff && !last) break;  // the piece's end: the next piece would tell
        if (length == 0) {
            ++e.utf8Bad, ++i;
        } else {
            e.utf8Good += length > 1;
            i += length;
        }
    }
    for (size_t i = from; i < size; ++i) {
        const unsigned char b = bytes[i];
        if (b < 0x80) continue;
        if (b >= 0xA1 && b <= 0xDF) {  // a half-width katakana
            ++e.shiftJisGood;
            continue;
        }
        if (IsShiftJisLead(b) && i + 1 < size && IsShiftJisTrail(bytes[i + 1])) {
            ++e.shiftJisGood, ++i;
        } else if (!(IsShiftJisLead(b) && i + 1 == size && !last)) {
            ++e.shiftJisBad;
        }
    }
    return e;
}

}  // namespace

const char* EncodingName(Encoding encoding) { return kNames[static_cast<int>(encoding)]; }

bool EncodingNamed(const std::string& name, Encoding& encoding) {
    for (int i = 0; i < 5; ++i) {
        if (name == kNames[i]) {
            encoding = static_cast<Encoding>(i);
            return true;
        }
    }
    return false;
}

size_t MarkLength(Encoding encoding) {
    switch (encoding) {
        case Encoding::kUtf8Bom: return 3;
        case Encoding::kUtf16Le:
        case Encoding::kUtf16Be: return 2;
        default: return 0;
    }
}

Encoding ConvertedEncoding(Encoding source) {
    return source == Encoding::kShiftJis ? Encoding::kUtf8Bom : source;
}

void EncodingGuess::Decide(bool text, Encoding encoding) {
    decided_ = true;
    text_ = text;
    encoding_ = encoding;
}

void EncodingGuess::Read(const unsigned char* bytes, size_t size, bool last) {
    if (decided_) return;
    if (first_) {
        first_ = false;
        if (size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) return Decide(true, Encoding::kUtf8Bom);
        if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return Decide(true, Encoding::kUtf16Le);
        if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return Decide(true, Encoding::kUtf16Be);
    }
    if (std::memchr(bytes, 0, size)) return Decide(false, Encoding::kUtf8);
    size_t from = 0;
    while (from < size && bytes[from] < 0x80) ++from;
    if (from == size) {
        if (last) Decide(true, Encoding::kUtf8);
        return;
    }
    const Evidence e = Weigh(bytes, from, size, last);
    // A broken sequence or two in a UTF-8 file keeps its bytes; Shift-JIS
    // kanji start with bytes that UTF-8 never starts a character with.
    if (e.utf8Good > 0 && e.utf8Bad * 2 <= e.utf8Good) return Decide(true, Encoding::kUtf8);
    if (e.shiftJisBad * 100 <= e.shiftJisGood + e.shiftJisBad && e.shiftJisGood + e.shiftJisBad > 0)
        return Decide(true, Encoding::kShiftJis);
    if (e.utf8Good + e.utf8Bad + e.shiftJisGood + e.shiftJisBad == 0 && !last) return;  // only a cut-off start
    Decide(false, Encoding::kUtf8);
}

}  // namespace migration
