#include "engine/install/staging.h"

#include "engine/install/journal.h"
#include "engine/install/work_names.h"
#include "engine/paths.h"
#include "engine/texts.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace {

// Tried in turn; a folder left by a crash that cannot be removed takes one.
const int kStagingFolders = 99;

std::string StagingFolder(const std::string& folder, int n) {
    return folder + work_names::kStagingPrefix + std::to_string(n) + "\\";
}

// A folder of this run's own: the first number that is free.
bool MakeStagingFolder(const std::string& folder, std::string& staging) {
    for (int n = 1; n <= kStagingFolders; ++n) {
        staging = StagingFolder(folder, n);
        if (platform::CreateOneDirectory(staging)) return true;
    }
    return false;
}

bool CopyIntoStaging(const CopyList& copy, const std::string& staging) {
    CopyList staged;
    for (size_t i = 0; i < copy.Items().size(); ++i) staged.Add(copy.Items()[i].source, staging + StagedName(i));
    platform::ShellCopyRequest request = staged.ShellRequest(texts::kInstallProgressTitle);
    request.abortedBefore = platform::kTrueAllBits;
    return platform::ShellCopy(request).code == 0 && staged.AllArrived();
}

// The moves of one install, each written to the journal before it is made.
class JournaledMoves {
public:
    explicit JournaledMoves(const StagingPlaces& places) : places_(places) {}

    bool Start() { return journal_.Create(places_.staging + work_names::kJournal); }

    // Moves the file at destination aside (when there is one), then the
    // staged copy into its place.
    bool Replace(size_t i, const std::string& destination) {
        const std::string name = paths::FileNamePart(destination);
        if (platform::FileExists(destination) &&
            !Move({JournalRecord::kMovedAside, name, SavedName(i)}, destination, places_.staging + SavedName(i)))
            return false;
        return Move({JournalRecord::kPutInPlace, StagedName(i), name}, places_.staging + StagedName(i),
                    destination);
    }

    bool Commit() { return journal_.Append({JournalRecord::kCommitted, "", ""}); }
    void Finish(RecoveryReport& report) {
        journal_.Close();
        DeleteSavedFiles(moved_, places_);
        RemoveStaging(places_, moved_, report);
    }
    void RollBack(RecoveryReport& report) {
        const bool whole = ::RollBack(moved_, places_, report.notRestored);
        journal_.Close();
        // A saved file that could not be put back stays, with the journal
        // that tells the next install where it belongs.
        if (whole) RemoveStaging(places_, moved_, report);
    }

private:
    bool Move(const JournalRecord& record, const std::string& from, const std::string& to) {
        if (!journal_.Append(record)) return false;
        moved_.push_back(record);
        return platform::MoveOneFile(from, to);
    }

    StagingPlaces places_;
    InstallJournal journal_;
    std::vector<JournalRecord> moved_;
};

}  // namespace

std::string StagedName(size_t i) { return std::to_string(i) + ".n"; }
std::string SavedName(size_t i) { return std::to_string(i) + ".o"; }

size_t LongestStagingPath(const CopyList& copy, const std::string& folder) {
    const std::string staging = StagingFolder(folder, kStagingFolders);
    size_t longest = (staging + work_names::kJournal).size();
    if (!copy.Empty()) longest = std::max(longest, (staging + StagedName(copy.Items().size() - 1)).size());
    return longest;
}

bool StagedInstall(const CopyList& copy, const std::string& folder, RecoveryReport& report) {
    StagingPlaces places{folder, ""};
    if (!MakeStagingFolder(folder, places.staging)) return false;
    JournaledMoves moves(places);
    // The journal is made first: an install that cannot keep one copies
    // nothing and moves nothing.
    bool installed = moves.Start() && CopyIntoStaging(copy, places.staging);
    for (size_t i = 0; installed && i < copy.Items().size(); ++i)
        installed = moves.Replace(i, copy.Items()[i].destination);
    if (installed && moves.Commit()) {
        moves.Finish(report);
        return true;
    }
    moves.RollBack(report);
    return false;
}
