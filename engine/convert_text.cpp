#include "engine/convert_text.h"

#include <map>

#include "engine/map_eudc.h"
#include "engine/migration/conversion_record.h"
#include "engine/migration/file_conversion.h"
#include "engine/migration/map_file.h"
#include "engine/migration/unicode_text.h"
#include "engine/paths/folder_tree.h"
#include "engine/paths/paths.h"
#include "engine/report/convert_texts.h"
#include "engine/report/texts.h"
#include "platform/files.h"

namespace {

using migration::FileOutcome;

// What a run reads: a folder of files, or one file in its folder.
struct Source {
    std::string folder;              // ends in a backslash
    std::string named;               // the path as given, made whole
    std::vector<std::string> files;  // relative to folder
    std::vector<std::string> unspelled;
    bool isFolder = false;
};

bool FindSource(const std::string& argument, Source& source) {
    if (argument.empty()) return false;
    source.named = RemoveTrailingBackslash(platform::FullPath(argument));
    if (platform::DirectoryExists(source.named)) {
        source.isFolder = true;
        source.folder = AddTrailingBackslash(source.named);
        migration::ListTextFiles(source.folder, source.files, source.unspelled);
        return true;
    }
    if (!platform::FileExists(source.named)) return false;
    source.folder = paths::FolderPart(source.named);
    source.files = {paths::FileNamePart(source.named)};
    return true;
}

bool IsInside(const std::string& folder, const std::string& path) {
    return path.size() >= folder.size() && SamePath(path.substr(0, folder.size()), folder);
}

// The output folder: named by /out:, else beside what was read with a suffix.
std::string OutputFolder(const Options& options, const std::string& named, const char* suffix) {
    if (!options.outputFolder.empty()) return AddTrailingBackslash(platform::FullPath(options.outputFolder));
    return AddTrailingBackslash(named + suffix);
}

// Refuses an output folder inside what is read, or holding a file the run
// would write (nothing is overwritten), and makes it.
Result PrepareOutput(const std::string& output, const std::string& readFolder, const std::vector<std::string>& written,
                     Notifier& notifier) {
    if (IsInside(readFolder, output)) {
        notifier.Notify(texts::Format(texts::kConvertOutputInside, {output, readFolder}));
        return Result::kOutputRefused;
    }
    for (const std::string& file : written) {
        if (platform::FileExists(output + file) || platform::DirectoryExists(output + file)) {
            notifier.Notify(texts::Format(texts::kConvertOutputUsed, {output, file}));
            return Result::kOutputRefused;
        }
    }
    const platform::Outcome made = CreateFolderTree(output);
    if (!made) {
        notifier.Notify(texts::Format(texts::kConvertOutputRefused, {output, platform::ErrorText(made)}));
        return Result::kOutputRefused;
    }
    return Result::kOk;
}

// The record, written as it grows under a temporary name.
class RecordFile {
public:
    explicit RecordFile(std::string path) : path_(std::move(path)), temporary_(path_ + ".~minamo") {}
    ~RecordFile() {
        if (file_) {
            file_.reset();
            platform::DeleteOneFile(temporary_).Ignore();  // a run cut short leaves no half record
        }
    }
    platform::Outcome Open() {
        platform::Outcome why;
        file_ = platform::CreateNewFile(temporary_, why);
        return why ? Append(migration::RecordHeader()) : why;
    }
    platform::Outcome Append(const std::string& lines) { return platform::WriteBytes(file_.get(), lines); }
    platform::Outcome Finish() {
        file_.reset();
        return platform::MoveOneFile(temporary_, path_);
    }

private:
    std::string path_, temporary_;
    platform::UniqueFile file_;
};

// Makes the folders a file's relative path needs below output.
bool MakeParents(const std::string& output, const std::string& relative) {
    const std::string folder = paths::FolderPart(relative);
    return folder.empty() || static_cast<bool>(CreateFolderTree(output + folder));
}

std::string SkippedFileLines(const std::vector<std::string>& skipped) {
    if (skipped.empty()) return std::string();
    return "\r\n" + texts::Format(texts::kConvertFilesSkipped, {skipped.size()}) + texts::ShownCrLines(skipped);
}

Result Scan(const EudcRequest& request, const Source& source) {
    const std::string output = OutputFolder(request.options, source.named, ".converted");
    // The table of an earlier scan is the run's own and is replaced.
    const Result prepared = PrepareOutput(output, source.isFolder ? source.folder : source.named + "\\", {}, request.notifier);
    if (prepared != Result::kOk) return prepared;
    std::vector<size_t> counts(migration::kLastEudc - migration::kFirstEudc + 1);
    std::vector<std::vector<std::string>> files(counts.size());
    std::vector<std::string> skipped;
    for (const std::string& file : source.unspelled) skipped.push_back(texts::Format(texts::kConvertSkippedLine, {file, texts::kFileUnspelled}));
    for (const std::string& file : source.files) {
        std::vector<size_t> found(counts.size());
        const FileOutcome outcome =
            migration::ConvertFile(source.folder + file, "", file, nullptr, [](const std::string&) { return true; }, found);
        if (!outcome.done) {
            skipped.push_back(texts::Format(texts::kConvertSkippedLine, {file, outcome.why}));
            continue;
        }
        for (size_t i = 0; i < found.size(); ++i) {
            if (found[i] == 0) continue;
            counts[i] += found[i];
            files[i].push_back(migration::AnsiAsUtf8(file));
        }
    }
    size_t codes = 0, characters = 0;
    for (size_t count : counts) codes += count > 0, characters += count;
    const std::string table = output + migration::kScanFileName;
    const platform::Outcome wrote = platform::WriteWholeFile(table, migration::ScanTable(counts, files));
    if (!wrote) {
        request.notifier.Notify(texts::Format(texts::kConvertOutputRefused, {output, platform::ErrorText(wrote)}));
        return Result::kOutputRefused;
    }
    request.notifier.Notify(texts::Format(texts::kScanDone, {source.files.size() - skipped.size() + source.unspelled.size(), codes, characters, table}) +
                            SkippedFileLines(skipped));
    return skipped.empty() ? Result::kOk : Result::kCharactersLeft;
}

Result Convert(const EudcRequest& request, const Source& source) {
    const Options& options = request.options;
    const std::string mapPath = options.mapFile.empty() ? request.folders.userData + kMapFileName
                                                        : platform::FullPath(options.mapFile);
    std::vector<migration::MapRow> rows;
    std::string error;
    if (!migration::ReadMapFile(mapPath, rows, error)) {
        request.notifier.Notify(texts::Format(texts::kConvertNoMap, {mapPath, error}));
        return Result::kMapUnreadable;
    }
    const migration::DecisionTable table(rows);
    const std::string output = OutputFolder(options, source.named, ".converted");
    std::vector<std::string> written = source.files;
    written.push_back(migration::kRecordFileName);
    const Result prepared =
        PrepareOutput(output, source.isFolder ? source.folder : source.named + "\\", written, request.notifier);
    if (prepared != Result::kOk) return prepared;

    RecordFile record(output + migration::kRecordFileName);
    platform::Outcome opened = record.Open();
    if (!opened) {
        request.notifier.Notify(texts::Format(texts::kConvertOutputRefused, {output, platform::ErrorText(opened)}));
        return Result::kOutputRefused;
    }
    bool recordWhole = true;
    const migration::RecordSink sink = [&](const std::string& lines) {
        recordWhole = recordWhole && record.Append(lines);
        return recordWhole;
    };
    std::vector<size_t> counts(migration::kLastEudc - migration::kFirstEudc + 1);
    std::vector<std::string> skipped, skippedRecord;
    for (const std::string& file : source.unspelled) {
        skipped.push_back(texts::Format(texts::kConvertSkippedLine, {file, texts::kFileUnspelled}));
        skippedRecord.push_back(migration::RecordSkippedLine(migration::AnsiAsUtf8(file), migration::AnsiAsUtf8(texts::kFileUnspelled)));
    }
    size_t converted = 0, replaced = 0, left = 0;
    std::map<char32_t, size_t> leftCounts;
    for (const std::string& file : source.files) {
        const std::string name = migration::AnsiAsUtf8(file);
        std::vector<size_t> found(counts.size());
        FileOutcome outcome;
        if (MakeParents(output, file)) {
            outcome = migration::ConvertFile(source.folder + file, output + file, name, &table, sink, found);
        } else {
            outcome.why = texts::kFileCannotWrite;
        }
        if (!outcome.done) {
            skipped.push_back(texts::Format(texts::kConvertSkippedLine, {file, outcome.why}));
            skippedRecord.push_back(migration::RecordSkippedLine(name, migration::AnsiAsUtf8(outcome.why)));
            continue;
        }
        ++converted;
        replaced += outcome.replaced;
        left += outcome.left;
        for (size_t i = 0; i < found.size(); ++i) {
            const char32_t code = migration::kFirstEudc + static_cast<char32_t>(i);
            if (found[i] && !table.WhyLeft(code).empty()) leftCounts[code] += found[i];
        }
    }
    for (const std::string& line : skippedRecord) sink(line);
    const platform::Outcome finished = recordWhole ? record.Finish() : platform::Outcome::Failure(ERROR_WRITE_FAULT);
    if (!finished) {
        request.notifier.Notify(texts::Format(texts::kConvertOutputRefused, {output, platform::ErrorText(finished)}));
        return Result::kOutputRefused;
    }
    std::string message = texts::Format(texts::kConvertDone, {converted, replaced, output});
    if (left) {
        std::vector<std::string> lines;
        lines.reserve(leftCounts.size());
        for (const auto& entry : leftCounts) {
            lines.push_back(texts::Format(texts::kConvertLeftLine, {migration::ShiftJisName(entry.first),
                                                                  migration::CodeText(entry.first), entry.second,
                                                                  table.WhyLeft(entry.first)}));
        }
        message += "\r\n" + texts::Format(texts::kConvertCharactersLeft, {left}) + texts::ShownCrLines(lines);
    }
    request.notifier.Notify(message + SkippedFileLines(skipped));
    return left == 0 && skipped.empty() ? Result::kOk : Result::kCharactersLeft;
}

// A recorded file's path, kept below its folder: relative, no "..", no drive.
std::string RecordedPath(const std::string& utf8) {
    std::string path = migration::Utf8AsAnsi(utf8);
    if (path.empty() || paths::IsAbsolutePath(path) || path[0] == '\\' || path.find(':') != std::string::npos ||
        path.find('/') != std::string::npos)
        return std::string();
    for (size_t start = 0; start <= path.size();) {
        const size_t end = paths::NextDelimiter(path, "\\", start);
        const std::string part = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part.empty() || part == "." || part == "..") return std::string();
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return path;
}

Result Back(const EudcRequest& request) {
    const std::string folder = AddTrailingBackslash(platform::FullPath(request.options.convertSource));
    const std::string recordPath = folder + migration::kRecordFileName;
    std::string bytes, error;
    std::vector<migration::RecordedFile> files;
    if (!platform::DirectoryExists(folder) || !platform::ReadWholeFile(recordPath, bytes) ||
        !migration::ReadRecord(bytes, files, error)) {
        request.notifier.Notify(texts::Format(texts::kConvertNoRecord, {recordPath, error.empty() ? texts::kFileCannotRead : error}));
        return Result::kSourceUnreadable;
    }
    const std::string output = OutputFolder(request.options, RemoveTrailingBackslash(folder), ".back");
    std::vector<std::string> written, skipped;
    for (const migration::RecordedFile& file : files) written.push_back(RecordedPath(file.file));
    const Result prepared = PrepareOutput(output, folder, written, request.notifier);
    if (prepared != Result::kOk) return prepared;
    size_t restored = 0, characters = 0, missed = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string& path = written[i];
        FileOutcome outcome;
        if (path.empty()) {
            outcome.why = texts::kFileLeavesFolder;
        } else if (!MakeParents(output, path)) {
            outcome.why = texts::kFileCannotWrite;
        } else {
            outcome = migration::RestoreFile(folder + path, output + path, files[i]);
        }
        if (!outcome.done) {
            skipped.push_back(texts::Format(texts::kConvertSkippedLine, {path.empty() ? "?" : path, outcome.why}));
            continue;
        }
        ++restored;
        characters += outcome.replaced;
        missed += outcome.missed;
    }
    std::string message = texts::Format(texts::kBackDone, {restored, characters, output});
    if (missed) message += "\r\n" + texts::Format(texts::kBackMissed, {missed});
    request.notifier.Notify(message + SkippedFileLines(skipped));
    return missed == 0 && skipped.empty() ? Result::kOk : Result::kCharactersLeft;
}

}  // namespace

Result ConvertText(const EudcRequest& request) {
    const Options& options = request.options;
    if (options.convertBack) return Back(request);
    Source source;
    if (!FindSource(options.convertSource, source)) {
        request.notifier.Notify(texts::Format(texts::kConvertNoSource, {options.convertSource}));
        return Result::kSourceUnreadable;
    }
    return options.convertScan ? Scan(request, source) : Convert(request, source);
}
