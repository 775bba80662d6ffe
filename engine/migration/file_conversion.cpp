#include "engine/migration/file_conversion.h"

#include <algorithm>

#include "engine/migration/map_file.h"
#include "engine/migration/unicode_text.h"
#include "engine/paths/paths.h"
#include "engine/report/convert_texts.h"
#include "platform/files.h"
#include "platform/text.h"

namespace migration {
namespace {

// A megabyte a piece: large enough that the calls cost nothing beside the
// conversion, small enough for any PC.
constexpr size_t kPiece = 1 << 20;
const char* const kTextExtensions[] = {".TXT", ".CSV", ".TSV", ".SQL", ".XML", ".HTML"};
const char* const kTemporarySuffix = ".~minamo";

void AppendUtf8AsWide(const char* utf8, size_t size, std::wstring& wide) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    char32_t code;
    for (size_t i = 0; i < size;) {
        const size_t length = Utf8Sequence(p, i, size, code);
        if (length == 0) {
            wide += L'?';
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(code);
        }
        i += length;
    }
}

std::string WhyText(const char* what, const platform::Outcome& outcome) {
    return std::string(what) + " (" + platform::ErrorText(outcome) + " " + platform::CodeName(outcome) + ")";
}

// The file under its final name only when complete: written as a
// temporary beside it, renamed at the end, removed on any failure.
class FinishedFile {
public:
    explicit FinishedFile(const std::string& target) : target_(target), temporary_(target + kTemporarySuffix) {}
    ~FinishedFile() {
        if (file_ || opened_) {
            file_.reset();
            platform::DeleteOneFile(temporary_).Ignore();  // a failed run's leftover; nothing else to tell
        }
    }
    platform::Outcome Open() {
        platform::Outcome why;
        file_ = platform::CreateNewFile(temporary_, why);
        opened_ = static_cast<bool>(file_);
        return why;
    }
    platform::Outcome Write(std::string& bytes) {
        const platform::Outcome wrote = platform::WriteBytes(file_.get(), bytes);
        bytes.clear();
        return wrote;
    }
    platform::Outcome Finish() {
        file_.reset();
        const platform::Outcome moved = platform::MoveOneFile(temporary_, target_);
        if (moved) opened_ = false;
        return moved;
    }

private:
    std::string target_, temporary_;
    platform::UniqueFile file_;
    bool opened_ = false;
};

// Reads the file's first pieces until its encoding is told, then goes back
// to its start.
bool GuessFileEncoding(HANDLE file, std::string& piece, EncodingGuess& guess, platform::Outcome& why) {
    bool first = true;
    while (!guess.Decided()) {
        why = platform::ReadNextPiece(file, piece, kPiece);
        if (!why) return false;
        guess.Read(reinterpret_cast<const unsigned char*>(piece.data()), piece.size(), piece.size() < kPiece);
        if (piece.empty() && first) break;
        first = false;
    }
    why = platform::Rewind(file);
    return static_cast<bool>(why);
}

}  // namespace

void PlatformShiftJis::AppendAsUtf8(const char* bytes, size_t size, std::string& utf8) {
    platform::ToWideInto(platform::kShiftJisCodePage, bytes, size, wide_);
    for (size_t i = 0; i < wide_.size(); ++i) {
        char32_t code = static_cast<char16_t>(wide_[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < wide_.size()) {
            const char32_t low = static_cast<char16_t>(wide_[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00), ++i;
        }
        if (code < 0x80)
            utf8 += static_cast<char>(code);
        else
            AppendUtf8(utf8, code);
    }
}

void PlatformShiftJis::AppendAsShiftJis(const char* utf8, size_t size, std::string& bytes) {
    wide_.clear();
    AppendUtf8AsWide(utf8, size, wide_);
    platform::AppendMultiByte(platform::kShiftJisCodePage, wide_.data(), wide_.size(), bytes);
}

bool HasTextExtension(const std::string& path) {
    const std::string extension = paths::UpperAscii(paths::ExtensionOf(path));
    return std::any_of(std::begin(kTextExtensions), std::end(kTextExtensions),
                       [&](const char* known) { return extension == known; });
}

void ListTextFiles(const std::string& folder, std::vector<std::string>& files, std::vector<std::string>& unspelled) {
    std::vector<std::string> pending = {""};
    while (!pending.empty()) {
        const std::string below = pending.back();
        pending.pop_back();
        for (const platform::FolderEntry& entry : platform::ListFolder(folder + below + "*")) {
            if (entry.name == "." || entry.name == "..") continue;
            const std::string relative = below + entry.name;
            if (!paths::IsSpelled(relative)) {
                unspelled.push_back(relative);
            } else if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
                pending.push_back(relative + "\\");
            } else if (HasTextExtension(relative) && paths::ExtensionOf(relative) != kTemporarySuffix) {
                files.push_back(relative);
            }
        }
    }
    std::sort(files.begin(), files.end());
}

FileOutcome ConvertFile(const std::string& source, const std::string& target, const std::string& name,
                        const DecisionTable* table, const RecordSink& record, std::vector<size_t>& counts) {
    FileOutcome outcome;
    platform::Outcome why;
    const platform::UniqueFile in = platform::OpenToReadAlone(source, why);
    if (!in) return outcome.why = WhyText(texts::kFileCannotOpen, why), outcome;
    std::string piece, out, lines;
    EncodingGuess guess;
    if (!GuessFileEncoding(in.get(), piece, guess, why)) return outcome.why = WhyText(texts::kFileCannotRead, why), outcome;
    if (!guess.IsText()) return outcome.why = texts::kFileNotText, outcome;
    outcome.encoding = guess.Found();
    PlatformShiftJis codec;
    EudcConverter converter(outcome.encoding, table, &codec);
    FinishedFile written(target);
    const bool writing = !target.empty();
    if (writing && !(why = written.Open())) return outcome.why = WhyText(texts::kFileCannotWrite, why), outcome;
    for (bool last = false; !last;) {
        if (!(why = platform::ReadNextPiece(in.get(), piece, kPiece)))
            return outcome.why = WhyText(texts::kFileCannotRead, why), outcome;
        last = piece.size() < kPiece;
        converter.Convert(piece.data(), piece.size(), last, writing ? &out : nullptr);
        if (converter.SawNul()) return outcome.why = texts::kFileNotText, outcome;
        if (writing && !(why = written.Write(out))) return outcome.why = WhyText(texts::kFileCannotWrite, why), outcome;
        for (const EudcPlace& place : converter.Places()) {
            ++(place.replaced ? outcome.replaced : outcome.left);
            if (table) lines += RecordPlaceLine(name, outcome.encoding, place, *table);
        }
        converter.Places().clear();
    }
    if (writing && !(why = written.Finish())) return outcome.why = WhyText(texts::kFileCannotWrite, why), outcome;
    for (size_t i = 0; i < counts.size(); ++i) counts[i] += converter.Counts()[i];
    // The file's line, then its characters': sent only for a file complete.
    if (table && !record(RecordFileLine(name, outcome.encoding) + lines))
        return outcome.why = texts::kFileRecordNotWritten, outcome;
    outcome.done = true;
    return outcome;
}

FileOutcome RestoreFile(const std::string& converted, const std::string& target, const RecordedFile& recorded) {
    FileOutcome outcome;
    outcome.encoding = recorded.encoding;
    platform::Outcome why;
    const platform::UniqueFile in = platform::OpenToReadAlone(converted, why);
    if (!in) return outcome.why = WhyText(texts::kFileCannotOpen, why), outcome;
    PlatformShiftJis codec;
    EudcRestorer restorer(recorded.encoding, recorded.replacements, &codec);
    FinishedFile written(target);
    if (!(why = written.Open())) return outcome.why = WhyText(texts::kFileCannotWrite, why), outcome;
    std::string piece, out;
    for (bool last = false; !last;) {
        if (!(why = platform::ReadNextPiece(in.get(), piece, kPiece)))
            return outcome.why = WhyText(texts::kFileCannotRead, why), outcome;
        last = piece.size() < kPiece;
        restorer.Restore(piece.data(), piece.size(), last, out);
        if (!(why = written.Write(out))) return outcome.why = WhyText(texts::kFileCannotWrite, why), outcome;
    }
    if (!(why = written.Finish())) return outcome.why = WhyText(texts::kFileCannotWrite, why), outcome;
    outcome.replaced = restorer.Restored();
    outcome.missed = restorer.Missed();
    outcome.done = true;
    return outcome;
}

std::string AnsiAsUtf8(const std::string& ansi) {
    const std::wstring wide = platform::ToWide(CP_ACP, ansi);
    std::string utf8;
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t code = static_cast<char16_t>(wide[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < wide.size())
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char16_t>(wide[++i]) - 0xDC00);
        AppendUtf8(utf8, code);
    }
    return utf8;
}

std::string Utf8AsAnsi(const std::string& utf8) {
    std::wstring wide;
    AppendUtf8AsWide(utf8.data(), utf8.size(), wide);
    std::string ansi;
    return platform::ToMultiByteExactly(CP_ACP, wide, ansi) ? ansi : std::string();
}

}  // namespace migration
