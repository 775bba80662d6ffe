// Comma-separated text as spreadsheets write it: fields in double quotes
// may hold commas, line breaks and doubled quotes; lines end in CR LF or LF.
#pragma once

#include <string>
#include <vector>

namespace migration {

using CsvRow = std::vector<std::string>;

// Every row of text (a byte-order mark at its start dropped). False, with
// error saying where, for a quoted field that never ends or a quote
// followed by something other than a comma or a line's end.
bool ParseCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error);

// A field as it is written: quoted when it holds a comma, a quote, or a
// line break.
std::string CsvField(const std::string& text);

// The index of each name in header; -1 for a name it lacks.
std::vector<int> ColumnsNamed(const CsvRow& header, const std::vector<std::string>& names);

}  // namespace migration
