// The record of a conversion, CONVERTED.CSV (UTF-8 with a byte-order mark,
// CR LF): a line for each file (converted, or skipped and why), one for
// each EUDC character replaced (where, and the codes written) and one for
// each left as it was (and why). /convert /back reads it. And the table of
// a scan: each EUDC code found, how often, and in which files.
#pragma once

#include <string>
#include <vector>

#include "engine/migration/eudc_converter.h"
#include "engine/migration/text_encoding.h"

namespace migration {

constexpr const char* kRecordFileName = "CONVERTED.CSV";
constexpr const char* kScanFileName = "SCANNED.CSV";

// The record's first line, with the mark.
std::string RecordHeader();
// A file written whole: file (its path below the source, in UTF-8) and
// the encoding it was read in.
std::string RecordFileLine(const std::string& file, Encoding encoding);
// A file passed over, and why.
std::string RecordSkippedLine(const std::string& file, const std::string& why);
// An EUDC character met: replaced (the codes written) or left (why).
std::string RecordPlaceLine(const std::string& file, Encoding encoding, const EudcPlace& place,
                            const DecisionTable& table);

// A converted file as the record tells it, with its replacements in order.
struct RecordedFile {
    std::string file;  // UTF-8, as recorded
    Encoding encoding = Encoding::kUtf8;
    std::vector<EudcRestorer::Replacement> replacements;
};
// False, with error saying why, for a record that cannot be read back.
bool ReadRecord(const std::string& utf8Text, std::vector<RecordedFile>& files, std::string& error);

// The scan's table: for each EUDC code found, its count and the files
// (UTF-8 paths) it occurs in, given per code U+E000 upward.
std::string ScanTable(const std::vector<size_t>& counts, const std::vector<std::vector<std::string>>& files);

}  // namespace migration
