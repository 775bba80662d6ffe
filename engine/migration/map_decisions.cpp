#include "engine/migration/map_decisions.h"

#include "engine/migration/csv_text.h"
#include "engine/migration/unicode_text.h"
#include "engine/shapes/font_map.h"

namespace migration {
namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string FieldAt(const CsvRow& row, int column) {
    return column >= 0 && static_cast<size_t>(column) < row.size() ? Trimmed(row[column]) : std::string();
}

bool IsNone(const std::string& text) {
    return text.size() == 4 && (text[0] | 0x20) == 'n' && (text[1] | 0x20) == 'o' && (text[2] | 0x20) == 'n' &&
           (text[3] | 0x20) == 'e';
}

}  // namespace

bool ParseMapRows(const std::string& utf8Text, std::vector<MapRow>& rows, std::string& error) {
    rows.clear();
    std::vector<CsvRow> table;
    if (!ParseCsv(utf8Text, table, error)) return false;
    if (table.empty()) {
        error = "the map is empty";
        return false;
    }
    std::vector<std::string> names = {"Unicode", "Chosen", "Glyph"};
    for (int n = 1; n <= shapes::kMapCandidates; ++n) names.push_back("Code " + std::to_string(n));
    const std::vector<int> columns = ColumnsNamed(table[0], names);
    if (columns[0] < 0) {
        error = "the map has no column \"Unicode\"";
        return false;
    }
    for (size_t r = 1; r < table.size(); ++r) {
        std::u32string code;
        if (!ParseCodes(FieldAt(table[r], columns[0]), code) || code.size() != 1 || code[0] < 0xE000 ||
            code[0] > 0xF8FF)
            continue;
        MapRow row;
        row.eudc = static_cast<uint16_t>(code[0]);
        row.chosen = FieldAt(table[r], columns[1]);
        row.glyph = FieldAt(table[r], columns[2]);
        for (int n = 0; n < shapes::kMapCandidates; ++n) {
            std::u32string candidate;
            if (!ParseCodes(FieldAt(table[r], columns[3 + n]), candidate)) candidate.clear();
            row.candidates.push_back(candidate);
        }
        rows.push_back(std::move(row));
    }
    return true;
}

Decision Resolve(const MapRow& row, std::u32string& replacement, std::string* reason) {
    replacement.clear();
    const std::string& chosen = row.chosen;
    const auto invalid = [&](const std::string& why) {
        if (reason) *reason = why;
        return Decision::kInvalid;
    };
    if (chosen.empty()) return Decision::kUndecided;
    if (IsNone(chosen)) return Decision::kNone;
    if (chosen.size() == 1 && chosen[0] >= '1' && chosen[0] < '1' + shapes::kMapCandidates) {
        const size_t n = static_cast<size_t>(chosen[0] - '1');
        if (n >= row.candidates.size() || row.candidates[n].empty())
            return invalid("candidate " + chosen + " has no code");
        replacement = row.candidates[n];
    } else if (!ParseCodes(chosen, replacement)) {
        return invalid("\"" + chosen + "\" is neither 1 to 5, a code such as U+9AD9, nor none");
    }
    if (replacement.size() > kLongestReplacement) {
        replacement.clear();
        return invalid("more than " + std::to_string(kLongestReplacement) + " codes");
    }
    for (char32_t code : replacement) {
        // A replacement by EUDC again would be no way out; a control character breaks the text's lines.
        if ((code >= 0xE000 && code <= 0xF8FF) || code < 0x20 || code == 0x7F) {
            replacement.clear();
            return invalid(CodeText(code) + " is no standard character");
        }
    }
    return Decision::kChosen;
}

bool MapTextAsUtf8(const std::string& bytes, ShiftJisToUtf8 shiftJisToUtf8, std::string& utf8) {
    const bool marked = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (marked || IsWholeUtf8(bytes)) {
        utf8 = bytes.substr(marked ? 3 : 0);
        return true;
    }
    return shiftJisToUtf8(bytes, utf8);
}

}  // namespace migration
