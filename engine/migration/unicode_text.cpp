#include "engine/migration/unicode_text.h"

#include <cstdio>

#include "engine/shapes/font_map.h"

namespace migration {

void AppendUtf8(std::string& out, char32_t code) { shapes::AppendUtf8(out, code); }

std::string Utf8(const std::u32string& text) {
    std::string out;
    for (char32_t code : text) AppendUtf8(out, code);
    return out;
}

namespace {
void AppendUnit(std::string& out, unsigned unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}
}  // namespace

void AppendUtf16(std::string& out, char32_t code, bool bigEndian) {
    if (code < 0x10000) {
        AppendUnit(out, code, bigEndian);
        return;
    }
    code -= 0x10000;
    AppendUnit(out, 0xD800 | code >> 10, bigEndian);
    AppendUnit(out, 0xDC00 | (code & 0x3FF), bigEndian);
}

size_t Utf8Sequence(const unsigned char* text, size_t at, size_t end, char32_t& code, bool* cutOff) {
    if (cutOff) *cutOff = false;
    const unsigned char first = text[at];
    if (first < 0x80) {
        code = first;
        return 1;
    }
    size_t length;
    char32_t lowest;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2, lowest = 0x80, code = first & 0x1F;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3, lowest = 0x800, code = first & 0x0F;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4, lowest = 0x10000, code = first & 0x07;
    } else {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if (at + k >= end) {
            // Whether the bytes so far could still begin a well-formed sequence is told by
            // the checks below once it is whole: a piece's end only defers the answer.
            if (cutOff) *cutOff = true;
            return 0;
        }
        const unsigned char next = text[at + k];
        if ((next & 0xC0) != 0x80) return 0;
        code = code << 6 | (next & 0x3F);
        // Overlong forms, surrogates and codes above U+10FFFF show in the second byte.
        if (k == 1 && ((first == 0xE0 && next < 0xA0) || (first == 0xED && next > 0x9F) ||
                       (first == 0xF0 && next < 0x90) || (first == 0xF4 && next > 0x8F)))
            return 0;
    }
    return code >= lowest ? length : 0;
}

bool IsWholeUtf8(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    char32_t code;
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8Sequence(bytes, i, text.size(), code);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string CodeText(char32_t code) { return shapes::CodePoint(code); }

std::string CodesText(const std::u32string& codes) {
    std::string text;
    for (char32_t code : codes) text += (text.empty() ? "" : " ") + CodeText(code);
    return text;
}

bool ParseCodes(const std::string& text, std::u32string& codes) {
    codes.clear();
    size_t i = 0;
    const auto skipSpaces = [&] {
        while (i < text.size() && text[i] == ' ') ++i;
    };
    skipSpaces();
    while (i < text.size()) {
        if (text.size() - i < 3 || (text[i] != 'U' && text[i] != 'u') || text[i + 1] != '+') return false;
        i += 2;
        char32_t code = 0;
        size_t digits = 0;
        for (; i < text.size() && text[i] != ' '; ++i, ++digits) {
            const char c = text[i];
            const int value = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                     : -1;
            if (value < 0 || digits >= 6) return false;
            code = code << 4 | static_cast<char32_t>(value);
        }
        if (digits < 4 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        codes += code;
        skipSpaces();
    }
    return !codes.empty();
}

std::string ShiftJisName(char32_t eudc) {
    const unsigned index = static_cast<unsigned>(eudc - kFirstEudc);
    const unsigned lead = 0xF0 + index / 188, offset = index % 188;
    const unsigned trail = offset + (offset < 63 ? 0x40 : 0x41);
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X", lead, trail);
    return text;
}

}  // namespace migration
