#include "engine/migration/map_file.h"

#include "engine/migration/unicode_text.h"
#include "platform/files.h"
#include "platform/text.h"

namespace migration {
namespace {
// 6,400 characters of a few hundred bytes each stay far below this.
constexpr unsigned long long kLargestMap = 64ull << 20;
}  // namespace

bool ShiftJisAsUtf8(const std::string& shiftJis, std::string& utf8) {
    utf8.clear();
    if (shiftJis.empty()) return true;
    const std::wstring wide = platform::ToWide(platform::kShiftJisCodePage, shiftJis);
    if (wide.empty()) return false;
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t code = static_cast<char16_t>(wide[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char16_t>(wide[++i]) - 0xDC00);
        }
        AppendUtf8(utf8, code);
    }
    return true;
}

bool ReadMapFile(const std::string& path, std::vector<MapRow>& rows, std::string& error) {
    rows.clear();
    std::string bytes, utf8;
    if (!platform::ReadWholeFile(path, bytes, kLargestMap)) {
        error = platform::FileExists(path) ? "cannot be read" : "not found";
        return false;
    }
    if (!MapTextAsUtf8(bytes, ShiftJisAsUtf8, utf8)) {
        error = "neither UTF-8 nor Shift-JIS";
        return false;
    }
    return ParseMapRows(utf8, rows, error);
}

}  // namespace migration
