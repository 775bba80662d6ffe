#include "engine/migration/text_encoding.h"

#include <algorithm>
#include <cstring>

#include "engine/migration/unicode_text.h"

namespace migration {
namespace {

const char* const kNames[] = {"Shift-JIS", "UTF-8", "UTF-8 BOM", "UTF-16LE", "UTF-16BE"};

// Counts what each encoding makes of the characters that start from the
// first byte above 0x7F up to stop (they may end up to size).
struct Evidence {
    size_t utf8Good = 0, utf8Bad = 0, shiftJisGood = 0, shiftJisBad = 0;
};

Evidence Count(const unsigned char* bytes, size_t from, size_t stop, size_t size, bool last) {
    Evidence e;
    char32_t code;
    for (size_t i = from; i < stop;) {
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
    for (size_t i = from; i < stop; ++i) {
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
    if (!cut_.empty()) {
        // The start of a character the last piece cut off, and the rest.
        std::string joined = cut_;
        joined.append(reinterpret_cast<const char*>(bytes), size);
        cut_.clear();
        return Weigh(reinterpret_cast<const unsigned char*>(joined.data()), joined.size(), last);
    }
    Weigh(bytes, size, last);
}

void EncodingGuess::Weigh(const unsigned char* bytes, size_t size, bool last) {
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
    // Characters starting in the piece's last bytes may end in the next
    // piece: they are left out, and wait for it when nothing before them tells.
    const size_t stop = last ? size : size - std::min<size_t>(3, size - from);
    const Evidence e = Count(bytes, from, stop, size, last);
    if (e.utf8Good + e.utf8Bad + e.shiftJisGood + e.shiftJisBad == 0 && !last) {
        cut_.assign(reinterpret_cast<const char*>(bytes) + from, size - from);
        return;
    }
    // A broken sequence or two in a UTF-8 file keeps its bytes; Shift-JIS
    // kanji start with bytes that UTF-8 never starts a character with.
    if (e.utf8Good > 0 && e.utf8Bad * 2 <= e.utf8Good) return Decide(true, Encoding::kUtf8);
    if (e.shiftJisBad * 100 <= e.shiftJisGood + e.shiftJisBad && e.shiftJisGood + e.shiftJisBad > 0)
        return Decide(true, Encoding::kShiftJis);
    Decide(false, Encoding::kUtf8);
}

}  // namespace migration
