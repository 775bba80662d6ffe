#include "engine/migration/conversion_record.h"

#include <algorithm>
#include <cstdlib>

#include "engine/migration/csv_text.h"
#include "engine/migration/unicode_text.h"

namespace migration {
namespace {

const std::vector<std::string> kColumns = {"File", "Encoding", "Line", "Column", "Shift_JIS", "Unicode", "Written", "Left"};

bool ReadNumber(const std::string& text, size_t& number) {
    if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    number = static_cast<size_t>(std::strtoull(text.c_str(), nullptr, 10));
    return number > 0;
}

}  // namespace

std::string RecordHeader() {
    std::string line = "\xEF\xBB\xBF";
    for (const std::string& column : kColumns) line += (line.size() > 3 ? "," : "") + column;
    return line + "\r\n";
}

std::string RecordFileLine(const std::string& file, Encoding encoding) {
    return CsvField(file) + "," + EncodingName(encoding) + ",,,,,,\r\n";
}

std::string RecordSkippedLine(const std::string& file, const std::string& why) {
    return CsvField(file) + ",,,,,,," + CsvField(why) + "\r\n";
}

std::string RecordPlaceLine(const std::string& file, Encoding encoding, const EudcPlace& place,
                            const DecisionTable& table) {
    return CsvField(file) + "," + EncodingName(encoding) + "," + std::to_string(place.line) + "," +
           std::to_string(place.column) + "," + ShiftJisName(place.eudc) + "," + CodeText(place.eudc) + "," +
           (place.replaced ? CodesText(table.Written(place.eudc)) + "," : "," + CsvField(table.WhyLeft(place.eudc))) +
           "\r\n";
}

bool ReadRecord(const std::string& utf8Text, std::vector<RecordedFile>& files, std::string& error) {
    files.clear();
    std::vector<CsvRow> rows;
    if (!ParseCsv(utf8Text, rows, error)) return false;
    if (rows.empty()) {
        error = "the record is empty";
        return false;
    }
    const std::vector<int> at = ColumnsNamed(rows[0], kColumns);
    for (int column : at) {
        if (column < 0) {
            error = "the record lacks a column";
            return false;
        }
    }
    const auto field = [&](const CsvRow& row, size_t n) {
        return static_cast<size_t>(at[n]) < row.size() ? row[at[n]] : std::string();
    };
    for (size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        const std::string where = "line " + std::to_string(r + 1) + ": ";
        // A file passed over, or a character left: nothing to put back.
        if (!field(row, 7).empty()) continue;
        Encoding encoding;
        if (!EncodingNamed(field(row, 1), encoding)) {
            error = where + "no encoding";
            return false;
        }
        if (field(row, 2).empty()) {
            files.push_back({field(row, 0), encoding, {}});
            continue;
        }
        EudcRestorer::Replacement replacement{};
        std::u32string eudc;
        if (files.empty() || files.back().file != field(row, 0) || !ReadNumber(field(row, 2), replacement.line) ||
            !ReadNumber(field(row, 3), replacement.column) || !ParseCodes(field(row, 5), eudc) || eudc.size() != 1 ||
            !IsEudc(eudc[0]) || !ParseCodes(field(row, 6), replacement.written) ||
            replacement.written.size() > kLongestReplacement) {
            error = where + "not a replacement of the file above";
            return false;
        }
        replacement.eudc = eudc[0];
        std::vector<EudcRestorer::Replacement>& list = files.back().replacements;
        if (!list.empty() && (list.back().line > replacement.line ||
                              (list.back().line == replacement.line && list.back().column >= replacement.column))) {
            error = where + "out of order";
            return false;
        }
        list.push_back(replacement);
    }
    return true;
}

std::string ScanTable(const std::vector<size_t>& counts, const std::vector<std::vector<std::string>>& files) {
    std::string table = "\xEF\xBB\xBFShift_JIS,Unicode,Count,Files\r\n";
    for (size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] == 0) continue;
        std::string names;
        for (const std::string& file : files[i]) names += (names.empty() ? "" : " | ") + file;
        const char32_t code = kFirstEudc + static_cast<char32_t>(i);
        table += ShiftJisName(code) + "," + CodeText(code) + "," + std::to_string(counts[i]) + "," +
                 CsvField(names) + "\r\n";
    }
    return table;
}

}  // namespace migration
