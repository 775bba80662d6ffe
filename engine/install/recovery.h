// Undoing or finishing the file moves of an install from its journal: after
// a failure in the same run, and at the next install after a crash.
#pragma once

#include <string>
#include <vector>

#include "engine/install/journal.h"

// What a journal's names are relative to.
struct StagingPlaces {
    std::string folder;   // the user data folder: destinations
    std::string staging;  // the run's staging folder: staged and saved files
};

// Undoes the records, last first: a new file goes back to its staged name,
// a saved file back to its destination. Safe to run again over its own
// result, as after a crash during a rollback. Each saved file that cannot
// be put back stays where it is and gets a line in notRestored; true when
// none did.
bool RollBack(const std::vector<JournalRecord>& records, const StagingPlaces& places,
              std::vector<std::string>& notRestored);

// The saved files of a committed install, no longer needed.
void DeleteSavedFiles(const std::vector<JournalRecord>& records, const StagingPlaces& places);

// Removes a staging folder whose saved files are restored or no longer
// needed. The journal goes first: what is left without one is only copies.
void RemoveStaging(const std::string& staging);

// Rolls back or finishes every install in folder that a crash or power cut
// cut off, and removes their staging folders where it can. False when a
// saved file could not be put back (a line for each in notRestored): the
// folder is then not whole, and no install may start.
bool RecoverInterruptedInstalls(const std::string& folder, std::vector<std::string>& notRestored);
