// The install's journal: one line written to the disk before each step
// that moves a user's file, so that an install cut off at any point, by a
// crash or a power cut, can be rolled back or finished by the next one.
#pragma once

#include <string>
#include <vector>

#include "platform/outcome.h"
#include "platform/unique_handle.h"

// NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init): made whole by braces or by the parser
struct JournalRecord {
    enum Step {
        kMovedAside,  // from: a destination's file name; to: its saved name in the staging folder
        kPutInPlace,  // from: a staged file's name; to: the destination's file name
        kCommitted,   // every new file is in place; the saved ones go to the backup
        kBackup,      // to: the name of the backup folder the saved files go to
    };
    Step step;
    std::string from, to;  // bare file names
};

// What a journal says.
struct JournalReading {
    std::vector<JournalRecord> records;  // in the order they were written
    // Every line but a torn last one was read, and a commit, if any, comes
    // last. Only then do the records tell all that happened; otherwise
    // they decide nothing.
    bool whole = true;
};

// One line of the journal, ended by CR LF.
std::string JournalLine(const JournalRecord& record);
// The records of a journal's text, up to a last line that a crash cut off
// (it counts as not written).
JournalReading ReadJournalText(const std::string& text);

class InstallJournal {
public:
    // A new, empty journal file.
    platform::Outcome Create(const std::string& path);
    // Success once the records are on the disk, written with one write.
    platform::Outcome Append(const std::vector<JournalRecord>& records);
    void Close() { file_.reset(); }

    // The journal file's records. A missing file is an install that ended
    // before its first record: whole and empty. A file that cannot be read
    // is not whole.
    static JournalReading Read(const std::string& path);

private:
    platform::UniqueFile file_;
};
