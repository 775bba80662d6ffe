#include "engine/map_decision_store.h"

#include "engine/migration/csv_text.h"
#include "engine/migration/map_decisions.h"
#include "engine/migration/map_file.h"
#include "engine/paths/folder_tree.h"
#include "engine/paths/paths.h"
#include "engine/report/map_texts.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/text.h"

namespace {

// The Unicode column's "U+E000" as its code; 0 for anything else.
uint16_t PrivateUseCode(const std::string& text) {
    if (text.size() != 6 || text.compare(0, 2, "U+") != 0 ||
        text.find_first_not_of("0123456789ABCDEFabcdef", 2) != std::string::npos)
        return 0;
    const unsigned long code = std::stoul(text.substr(2), nullptr, 16);
    return code >= 0xE000 && code <= 0xF8FF ? static_cast<uint16_t>(code) : 0;
}

bool SameFont(const std::string& a, const std::string& b) {
    return platform::CompareTextIgnoreCase(platform::ToMultiByte(platform::AnsiCodePage(), platform::ToWide(CP_UTF8, a)),
                                           platform::ToMultiByte(platform::AnsiCodePage(), platform::ToWide(CP_UTF8, b))) == 0;
}

std::string Field(const migration::CsvRow& record, size_t column) {
    return column < record.size() ? record[column] : std::string();
}

}  // namespace

bool MapDecisionStore::Load(const std::string& path, const std::string& font, std::string& why) {
    *this = MapDecisionStore();
    path_ = path;
    font_ = font;
    why.clear();
    std::string bytes, text, error;
    if (!platform::FileExists(path)) {
        records_.push_back({});
        (void)migration::ParseCsv(shapes::MapHeader(), records_, error);
    } else if (!platform::ReadWholeFile(path, bytes) ||
               !migration::MapTextAsUtf8(bytes, &migration::ShiftJisAsUtf8, text) ||
               !migration::ParseCsv(text, records_, error) || records_.empty()) {
        readable_ = false;
    }
    if (readable_) {
        const std::vector<int> columns = migration::ColumnsNamed(records_[0], {"Unicode", "Font", "Chosen"});
        readable_ = columns[0] >= 0;
        unicodeColumn_ = static_cast<size_t>(columns[0]);
        fontColumn_ = columns[1] >= 0 ? static_cast<size_t>(columns[1]) : SIZE_MAX;
        chosenColumn_ = columns[2] >= 0 ? static_cast<size_t>(columns[2]) : ColumnNamed("Chosen");
    }
    if (!readable_) {
        records_.clear();
        why = texts::Format(texts::kMapUnreadable, {path});
        return false;
    }
    for (size_t i = 1; i < records_.size(); ++i) {
        const uint16_t code = PrivateUseCode(Field(records_[i], unicodeColumn_));
        const std::string rowFont = Field(records_[i], fontColumn_);
        if (code && (rowFont.empty() || font_.empty() || SameFont(rowFont, font_))) rows_.emplace(code, i);
    }
    return true;
}

// The column of the name, added at the end of the header when the map lacks it.
size_t MapDecisionStore::ColumnNamed(const std::string& name) {
    const int found = migration::ColumnsNamed(records_[0], {name})[0];
    if (found >= 0) return static_cast<size_t>(found);
    records_[0].push_back(name);
    return records_[0].size() - 1;
}

std::string MapDecisionStore::Chosen(uint16_t code) const {
    const auto row = rows_.find(code);
    return row == rows_.end() ? std::string() : Field(records_[row->second], chosenColumn_);
}

std::string MapDecisionStore::Written(uint16_t code, const std::string& column) const {
    const auto row = rows_.find(code);
    const int at = migration::ColumnsNamed(records_.empty() ? migration::CsvRow() : records_[0], {column})[0];
    return row == rows_.end() || at < 0 ? std::string() : Field(records_[row->second], static_cast<size_t>(at));
}

std::vector<uint16_t> MapDecisionStore::DecidedCodes() const {
    std::vector<uint16_t> codes;
    for (const auto& row : rows_)
        if (!Field(records_[row.second], chosenColumn_).empty()) codes.push_back(row.first);
    return codes;
}

// The character's line as the map writes it, into the file's columns by their names.
size_t MapDecisionStore::AddRow(const shapes::MappedCharacter& character) {
    std::vector<migration::CsvRow> ours;
    std::string error;
    (void)migration::ParseCsv(shapes::MapHeader() + shapes::MapLine(character, font_), ours, error);
    migration::CsvRow record;
    for (size_t i = 0; i < ours[0].size() && i < ours[1].size(); ++i) {
        const size_t column = ColumnNamed(ours[0][i]);
        if (record.size() <= column) record.resize(column + 1);
        record[column] = ours[1][i];
    }
    records_.push_back(record);
    rows_[character.code] = records_.size() - 1;
    return records_.size() - 1;
}

bool MapDecisionStore::Save(const shapes::MappedCharacter& character, std::string& why) {
    if (!readable_) {
        why = texts::Format(texts::kMapUnreadable, {path_});
        return false;
    }
    const auto found = rows_.find(character.code);
    const size_t row = found != rows_.end() ? found->second : AddRow(character);
    const size_t glyphColumn = ColumnNamed("Glyph");
    std::string chosen = character.chosen;
    // "2" names the map's second candidate: where the map's differs from the
    // one decided on (a map of another reference font), the code says it.
    if (chosen.size() == 1 && chosen[0] >= '1' && chosen[0] <= '5') {
        const size_t n = static_cast<size_t>(chosen[0] - '1');
        const std::string code = n < character.candidates.size() ? shapes::CandidateCode(character.candidates[n]) : "";
        const std::string written = Field(records_[row], ColumnNamed("Code " + chosen));
        if (!code.empty() && written != code) chosen = code;
    }
    migration::CsvRow& record = records_[row];
    const migration::CsvRow before = record;
    if (record.size() < records_[0].size()) record.resize(records_[0].size());
    record[chosenColumn_] = chosen;
    if (character.glyph) record[glyphColumn] = shapes::GlyphText(character.glyph);
    std::string text = "\xEF\xBB\xBF";
    for (const migration::CsvRow& line : records_) {
        for (size_t i = 0; i < line.size(); ++i) text += (i ? "," : "") + migration::CsvField(line[i]);
        text += "\r\n";
    }
    platform::Outcome written = CreateFolderTree(paths::FolderPart(path_));
    if (written) written = platform::WriteWholeFile(path_, text);
    if (written) return true;
    record = before;
    why = texts::Format(texts::kMapNotWritten, {path_});
    return false;
}
