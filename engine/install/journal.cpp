#include "engine/install/journal.h"

#include <cstdio>

#include "engine/paths/paths.h"
#include "platform/files.h"

namespace {

// One line: step, from, to and a checksum of the three, tab-separated (no
// file name holds a tab), ended by CR LF. The checksum tells a whole line
// from one whose bytes only partly reached the disk.
const char* const kStepNames[] = {"aside", "placed", "committed", "backup"};
const char* const kLineEnd = "\r\n";
const unsigned long long kLargestJournal = 16ull << 20;

std::string Checksum(const std::string& text) {
    unsigned long hash = 2166136261ul;  // FNV-1a, 32 bits
    for (unsigned char c : text) hash = ((hash ^ c) * 16777619ul) & 0xFFFFFFFFul;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08lX", hash);
    return hex;
}

std::string Body(const JournalRecord& record) {
    return std::string(kStepNames[record.step]) + "\t" + record.from + "\t" + record.to;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// False for a line that is not a whole record of this journal.
bool Parse(const std::string& line, JournalRecord& record) {
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != 4) return false;
    for (int step = JournalRecord::kMovedAside; step <= JournalRecord::kBackup; ++step) {
        if (fields[0] != kStepNames[step]) continue;
        record = {static_cast<JournalRecord::Step>(step), fields[1], fields[2]};
        if (fields[3] != Checksum(Body(record))) return false;
        // Recovery moves files by these names: never one outside its folders.
        if (step == JournalRecord::kCommitted) return true;
        if (step == JournalRecord::kBackup) return paths::IsBareFileName(record.to);
        return paths::IsBareFileName(record.from) && paths::IsBareFileName(record.to);
    }
    return false;
}

bool IsCommit(const JournalRecord& record) { return record.step == JournalRecord::kCommitted; }

}  // namespace

std::string JournalLine(const JournalRecord& record) {
    const std::string body = Body(record);
    return body + "\t" + Checksum(body) + kLineEnd;
}

JournalReading ReadJournalText(const std::string& text) {
    JournalReading reading;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(kLineEnd, start);
        const bool last = end == std::string::npos || end + 2 == text.size();
        if (end == std::string::npos) end = text.size();
        JournalRecord record;
        const bool read = Parse(text.substr(start, end - start), record);
        // Only the last line can have been cut off by a crash; a bad line
        // with more after it, or a record after the commit, means the file
        // is not what the install wrote.
        if (!read || (!reading.records.empty() && IsCommit(reading.records.back()))) {
            reading.whole = !read && last;
            return reading;
        }
        reading.records.push_back(record);
        start = end + 2;
    }
    return reading;
}

platform::Outcome InstallJournal::Create(const std::string& path) {
    platform::Outcome created;
    file_ = platform::CreateDurableFile(path, created);
    return created;
}

platform::Outcome InstallJournal::Append(const std::vector<JournalRecord>& records) {
    std::string lines;
    for (const JournalRecord& record : records) lines += JournalLine(record);
    return platform::AppendDurably(file_.get(), lines);
}

JournalReading InstallJournal::Read(const std::string& path) {
    if (!platform::FileExists(path)) return JournalReading();
    std::string text;
    // A journal holds a few lines a file: one far larger is none of ours.
    if (!platform::ReadWholeFile(path, text, kLargestJournal)) return JournalReading{{}, false};
    return ReadJournalText(text);
}
