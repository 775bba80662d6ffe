// The install's journal: one line written to the disk before each step
// that moves a user's file, so that an install cut off at any point, by a
// crash or a power cut, can be rolled back or finished by the next one.
#pragma once

#include <string>
#include <vector>

#include "platform/unique_handle.h"

struct JournalRecord {
    enum Step {
        kMovedAside,  // from: a destination's file name; to: its saved name in the staging folder
        kPutInPlace,  // from: a staged file's name; to: the destination's file name
        kCommitted,   // every new file is in place; the saved ones may go
    };
    Step step;
    std::string from, to;  // bare file names
};

class InstallJournal {
public:
    // A new, empty journal file; false when it cannot be made.
    bool Create(const std::string& path);
    // True once the record is on the disk.
    bool Append(const JournalRecord& record);
    void Close() { file_.reset(); }

    // The records of a journal file, up to the first line that is not
    // whole: a line cut off by a crash counts as not written. Empty when
    // the file is missing.
    static std::vector<JournalRecord> Read(const std::string& path);

private:
    platform::UniqueFile file_;
};
