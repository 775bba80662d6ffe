#include "engine/install/staging.h"

#include <algorithm>

#include "engine/install/backups.h"
#include "engine/install/journal.h"
#include "engine/paths/work_names.h"
#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace {

// Tried in turn; a folder left by a crash that cannot be removed uses one up.
const int kStagingFolders = 99;

std::string StagingFolder(const std::string& folder, int n) {
    return folder + work_names::kStagingPrefix + std::to_string(n) + "\\";
}

// A folder of this run's own: the first number that is free.
bool MakeStagingFolder(const std::string& folder, std::string& staging, Failure& failure) {
    platform::Outcome made;
    for (int n = 1; n <= kStagingFolders; ++n) {
        staging = StagingFolder(folder, n);
        made = platform::CreateOneDirectory(staging);
        if (made) return true;
    }
    failure.Note(steps::kStagingFolder, made, staging);
    return false;
}

// The shell's code when it failed; none when it said it copied but a file
// did not arrive whole.
bool CopyIntoStaging(const CopyList& copy, const std::string& staging, Failure& failure) {
    CopyList staged;
    for (size_t i = 0; i < copy.Items().size(); ++i) staged.Add(copy.Items()[i].source, staging + StagedName(i));
    platform::ShellCopyRequest request = staged.ShellRequest(texts::kInstallProgressTitle);
    // The install's copy has always started with the aborted flag set; the
    // flag is never read back here: what arrived is checked instead.
    request.abortedBefore = platform::kTrueAllBits;
    const platform::ShellCopyResult result = platform::ShellCopy(request);
    if (!result.outcome) failure.Note(steps::kCopy, result.outcome, staging);
    else if (const CopyList::Item* item = staged.FirstNotArrived()) failure.Note(steps::kCopy, platform::Outcome::Failure(0), item->source);
    return !failure.Happened();
}

// The moves of one install, each written to the journal before it is made.
class JournaledMoves {
public:
    JournaledMoves(const StagingPlaces& places, Failure& failure) : places_(places), failure_(failure) {}

    bool Start() { return Noted(steps::kJournal, journal_.Create(JournalPath())); }

    // Moves each installed file of the copy aside, then each staged copy
    // into its place.
    bool Replace(const CopyList& copy) {
        std::vector<JournalRecord> aside, placed;
        for (size_t i = 0; i < copy.Items().size(); ++i) {
            const std::string& destination = copy.Items()[i].destination;
            const std::string name = paths::FileNamePart(destination);
            if (platform::FileExists(destination)) aside.push_back({JournalRecord::kMovedAside, name, SavedName(i)});
            placed.push_back({JournalRecord::kPutInPlace, StagedName(i), name});
        }
        return MoveAll(aside) && MoveAll(placed);
    }

    // Readies the backup that keeps the files moved aside and the links
    // the install changes, if it does either: announced in the journal
    // first, so that a rollback takes it away.
    bool PrepareBackupOf(const BackupPlan& plan) {
        const bool replaced = std::any_of(moved_.begin(), moved_.end(), [](const JournalRecord& record) {
            return record.step == JournalRecord::kMovedAside;
        });
        if (!replaced && !plan.ChangesLinks()) return true;
        if (!Noted(steps::kJournal, journal_.Append({{JournalRecord::kBackup, "", plan.name}}))) return false;
        backup_ = plan.name;
        return Noted(steps::kBackup, PrepareBackup(places_.folder, plan), places_.folder);
    }

    bool Commit() { return Noted(steps::kJournal, journal_.Append({{JournalRecord::kCommitted, "", ""}})); }
    void Finish(RecoveryReport& report) {
        journal_.Close();
        // Without a backup nothing was moved aside: there is nothing to keep.
        if (!backup_.empty()) MoveSavedFilesToBackup(moved_, places_, backup_);
        RemoveStaging(places_, moved_, report);
        if (!backup_.empty()) PruneBackups(places_.folder, backup_);
    }
    void RollBack(RecoveryReport& report) {
        const bool whole = static_cast<bool>(::RollBack(moved_, places_, report.notRestored));
        journal_.Close();
        if (!backup_.empty()) RemoveUnfinishedBackup(places_.folder, backup_);
        // A saved file that could not be put back stays, with the journal
        // that tells the next install where it belongs.
        if (whole) RemoveStaging(places_, moved_, report);
    }

private:
    // Writes the records to the disk in one go, then makes their moves in
    // order. One flush for many moves, not one a move: a crash part-way
    // leaves records of moves not made, which recovery tells apart by
    // where each file is.
    bool MoveAll(const std::vector<JournalRecord>& records) {
        if (records.empty()) return true;
        if (!Noted(steps::kJournal, journal_.Append(records))) return false;
        moved_.insert(moved_.end(), records.begin(), records.end());
        for (const JournalRecord& record : records) {
            const bool aside = record.step == JournalRecord::kMovedAside;
            const std::string destination = places_.folder + (aside ? record.from : record.to);
            const std::string staged = places_.staging + (aside ? record.to : record.from);
            const platform::Outcome moved =
                aside ? platform::MoveOneFile(destination, staged) : platform::MoveOneFile(staged, destination);
            if (!Noted(steps::kReplace, moved, destination)) return false;
        }
        return true;
    }

    // Whether the step went well; notes it, and the path it failed on (the
    // journal unless told), as the failure when not.
    bool Noted(const char* step, const platform::Outcome& outcome, const std::string& path = std::string()) {
        if (!outcome) failure_.Note(step, outcome, path.empty() ? JournalPath() : path);
        return static_cast<bool>(outcome);
    }
    std::string JournalPath() const { return places_.staging + work_names::kJournal; }

    StagingPlaces places_;
    Failure& failure_;
    std::string backup_;  // the backup's name, once it is announced
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

bool StagedInstall(const CopyList& copy, const std::string& folder, const BackupPlan& backup, RecoveryReport& report,
                   Failure& failure) {
    StagingPlaces places{folder, ""};
    if (!MakeStagingFolder(folder, places.staging, failure)) return false;
    JournaledMoves moves(places, failure);
    // The journal is made first: an install that cannot keep one copies
    // nothing and moves nothing.
    const bool installed = moves.Start() && CopyIntoStaging(copy, places.staging, failure) &&
                           moves.Replace(copy) && moves.PrepareBackupOf(backup);
    if (installed && moves.Commit()) {
        moves.Finish(report);
        return true;
    }
    moves.RollBack(report);
    return false;
}
