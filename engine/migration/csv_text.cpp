#include "engine/migration/csv_text.h"

namespace migration {

bool ParseCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error) {
    rows.clear();
    size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    size_t line = 1;
    CsvRow row;
    std::string field;
    bool rowStarted = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && field.empty()) {
            const size_t opened = line;
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    error = "line " + std::to_string(opened) + ": a quoted field does not end";
                    return false;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (text[i] == '\n') ++line;
                field += text[i++];
            }
            rowStarted = true;
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                error = "line " + std::to_string(line) + ": text after a quoted field";
                return false;
            }
            continue;
        }
        if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
            rowStarted = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (rowStarted || !field.empty()) {
                row.push_back(std::move(field));
                rows.push_back(std::move(row));
            }
            row.clear();
            field.clear();
            rowStarted = false;
            ++line;
        } else {
            field += c;
            rowStarted = true;
        }
        ++i;
    }
    if (rowStarted || !field.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return true;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

std::vector<int> ColumnsNamed(const CsvRow& header, const std::vector<std::string>& names) {
    std::vector<int> columns(names.size(), -1);
    for (size_t n = 0; n < names.size(); ++n) {
        for (size_t c = 0; c < header.size(); ++c) {
            if (header[c] == names[n]) {
                columns[n] = static_cast<int>(c);
                break;
            }
        }
    }
    return columns;
}

}  // namespace migration
