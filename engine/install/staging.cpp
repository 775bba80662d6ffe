#include "engine/install/staging.h"

#include "engine/install/journal.h"
#include "engine/paths.h"
#include "engine/install/recovery.h"
#include "engine/texts.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace {

// A folder of this run's own: the process id and the first free number.
bool MakeStagingFolder(const std::string& folder, std::string& staging) {
    const std::string base =
        folder + kStagingPrefix + std::to_string(platform::CurrentProcessId()) + "-";
    for (int n = 1; n <= 100; ++n) {
        staging = base + std::to_string(n) + "\\";
        if (platform::CreateOneDirectory(staging)) return true;
    }
    return false;
}

// Staged and saved files are named by position, never by the file's own
// name, which could be any name the two kinds use.
std::string StagedName(size_t i) { return std::to_string(i) + ".new"; }
std::string SavedName(size_t i) { return std::to_string(i) + ".old"; }

bool CopyIntoStaging(const CopyList& copy, const std::string& staging) {
    CopyList staged;
    for (size_t i = 0; i < copy.Items().size(); ++i)
        staged.Add(copy.Items()[i].source, staging + StagedName(i));
    platform::ShellCopyRequest request = staged.ShellRequest(texts::kInstallProgressTitle);
    request.abortedBefore = platform::kTrueAllBits;
    return platform::ShellCopy(request).code == 0 && staged.AllArrived();
}

// The moves of one install, each written to the journal before it is made.
class JournaledMoves {
public:
    explicit JournaledMoves(const StagingPlaces& places) : places_(places) {}

    bool Start() { return journal_.Create(places_.staging + kJournalName); }

    // Moves the file at destination aside (when there is one), then the
    // staged copy into its place.
    bool Replace(size_t i, const std::string& destination) {
        const std::string name = paths::FileNamePart(destination);
        if (platform::FileExists(destination) &&
            !Take({JournalRecord::kMovedAside, name, SavedName(i)}, destination,
                  places_.staging + SavedName(i)))
            return false;
        return Take({JournalRecord::kPutInPlace, StagedName(i), name}, places_.staging + StagedName(i),
                    destination);
    }

    bool Commit() { return journal_.Append({JournalRecord::kCommitted, "", ""}); }
    void Finish() {
        journal_.Close();
        DeleteSavedFiles(taken_, places_);
        RemoveStaging(places_.staging);
    }
    void RollBack(std::vector<std::string>& notRestored) {
        const bool whole = ::RollBack(taken_, places_, notRestored);
        journal_.Close();
        // A saved file that could not be put back stays, with the journal
        // that tells the next install where it belongs.
        if (whole) RemoveStaging(places_.staging);
    }

private:
    bool Take(const JournalRecord& record, const std::string& from, const std::string& to) {
        if (!journal_.Append(record)) return false;
        taken_.push_back(record);
        return platform::MoveOneFile(from, to);
    }

    StagingPlaces places_;
    InstallJournal journal_;
    std::vector<JournalRecord> taken_;
};

}  // namespace

bool StagedInstall(const CopyList& copy, const std::string& folder,
                   std::vector<std::string>& notRestored) {
    StagingPlaces places{folder, ""};
    if (!MakeStagingFolder(folder, places.staging)) return false;
    JournaledMoves moves(places);
    // The journal is made first: an install that cannot keep one copies
    // nothing and moves nothing.
    bool installed = moves.Start() && CopyIntoStaging(copy, places.staging);
    for (size_t i = 0; installed && i < copy.Items().size(); ++i)
        installed = moves.Replace(i, copy.Items()[i].destination);
    if (installed && moves.Commit()) {
        moves.Finish();
        return true;
    }
    moves.RollBack(notRestored);
    return false;
}
