// Text files converted and put back a piece at a time, never read whole,
// each written under a temporary name and renamed once complete.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/migration/conversion_record.h"
#include "engine/migration/eudc_converter.h"
#include "platform/outcome.h"

namespace migration {

// Code page 932 through the platform, with buffers kept between pieces.
class PlatformShiftJis : public ShiftJisCodec {
public:
    void AppendAsUtf8(const char* bytes, size_t size, std::string& utf8) override;
    void AppendAsShiftJis(const char* utf8, size_t size, std::string& bytes) override;

private:
    std::wstring wide_;
};

// Files a conversion takes by default.
bool HasTextExtension(const std::string& path);
// The files with such an extension below folder (ending in a backslash),
// sub-folders included, as paths relative to it, sorted; names the ANSI
// code page cannot spell are in unspelled.
void ListTextFiles(const std::string& folder, std::vector<std::string>& files, std::vector<std::string>& unspelled);

// What became of one file.
struct FileOutcome {
    bool done = false;       // converted (or scanned, or put back) whole
    std::string why;         // else why not, for the message and the record (ANSI)
    Encoding encoding = Encoding::kUtf8;
    size_t replaced = 0, left = 0, missed = 0;
};

// Receives record lines as they come (a piece's at a time); false stops
// the file as a failure.
using RecordSink = std::function<bool(const std::string& lines)>;

// Converts source into target (which must not exist; empty: a scan that
// writes nothing). name: the file as the record names it (UTF-8).
// counts gets each EUDC code's occurrences added.
FileOutcome ConvertFile(const std::string& source, const std::string& target, const std::string& name,
                        const DecisionTable* table, const RecordSink& record, std::vector<size_t>& counts);

// Writes converted (a file of a conversion) into target in the source's
// encoding, with the recorded EUDC characters back in their places.
FileOutcome RestoreFile(const std::string& converted, const std::string& target, const RecordedFile& recorded);

// A path in the ANSI code page as UTF-8, and back ("" when it cannot be spelled).
std::string AnsiAsUtf8(const std::string& ansi);
std::string Utf8AsAnsi(const std::string& utf8);

}  // namespace migration
