// Undoing or finishing the file moves of an install from its journal: after
// a failure in the same run, and at the next install after a crash. Nothing
// that a whole journal does not account for is ever deleted.
#pragma once

#include <string>
#include <vector>

#include "engine/install/journal.h"
#include "platform/outcome.h"

// What a journal's names are relative to.
struct StagingPlaces {
    std::string folder;   // the user data folder: destinations
    std::string staging;  // the run's staging folder: staged and saved files
};

// What recovery tells the user.
struct RecoveryReport {
    std::vector<std::string> notRestored;  // a saved file that could not be put back
    std::vector<std::string> setAside;     // a staging folder kept as it was
};

// Undoes the records, last first: a new file goes back to its staged name,
// a saved file back to its destination. Safe to run again over its own
// result, as after a crash during a rollback. Each saved file that cannot
// be put back stays where it is and gets a line in notRestored; success
// when none did, else why the first could not.
platform::Outcome RollBack(const std::vector<JournalRecord>& records, const StagingPlaces& places,
                           std::vector<std::string>& notRestored);

// The saved files of a committed install, no longer needed.
void DeleteSavedFiles(const std::vector<JournalRecord>& records, const StagingPlaces& places);

// Removes a staging folder once its saved files are restored or no longer
// needed: the journal and the staged copies go, then the folder. A file
// that neither is (a saved file no record accounts for) is never deleted:
// the folder is then set aside, with a line in report.
void RemoveStaging(const StagingPlaces& places, const std::vector<JournalRecord>& records,
                   RecoveryReport& report);

// Rolls back or finishes every install in folder that a crash or power cut
// cut off, and removes their staging folders. A staging folder whose
// journal is not whole is set aside as it is, with a line in report. A
// failure when a saved file could not be put back: the folder is then not
// whole, and no install may start.
platform::Outcome RecoverInterruptedInstalls(const std::string& folder, RecoveryReport& report);
