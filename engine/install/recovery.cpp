#include "engine/install/recovery.h"

#include "engine/install/backups.h"
#include "engine/paths/work_names.h"
#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "platform/files.h"

platform::Outcome RollBack(const std::vector<JournalRecord>& records, const StagingPlaces& places,
                           std::vector<std::string>& notRestored) {
    platform::Outcome whole;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        if (record->step == JournalRecord::kPutInPlace) {
            // The staged copy is gone only when the move happened. Moving the
            // new file back, rather than deleting it, leaves the step as not
            // made for a rollback that runs again.
            const std::string staged = places.staging + record->from;
            const std::string destination = places.folder + record->to;
            // Not moved back, the new file stays in place: the saved one,
            // where there is one, is put over it next.
            if (!platform::FileExists(staged) && platform::FileExists(destination))
                platform::MoveOneFile(destination, staged).Ignore();
        } else if (record->step == JournalRecord::kMovedAside) {
            const std::string destination = places.folder + record->from;
            const std::string saved = places.staging + record->to;
            if (!platform::FileExists(saved)) continue;
            const platform::Outcome restored = platform::ReplaceFile(saved, destination);
            if (restored) continue;
            notRestored.push_back(texts::Format(texts::kNotRestoredLine, {destination, saved}));
            if (whole) whole = restored;
        }
    }
    return whole;
}

void DeleteSavedFiles(const std::vector<JournalRecord>& records, const StagingPlaces& places) {
    for (const JournalRecord& record : records)
        // One left behind sets the staging folder aside (RemoveStaging).
        if (record.step == JournalRecord::kMovedAside) platform::DeleteOneFile(places.staging + record.to).Ignore();
}

namespace {

// The journal's own file: "j", or "journal" in an earlier build's folder.
std::string JournalOf(const std::string& staging) {
    const std::string old = staging + "journal";
    return platform::FileExists(old) ? old : staging + work_names::kJournal;
}

// A copy the shell made of a set's file, before it was put in place: a
// number, then ".n" (or ".new" from an earlier build). Only copies: the
// set still has them.
bool IsStagedCopy(const std::string& name) {
    const size_t dot = name.find('.');
    if (dot == 0 || dot == std::string::npos) return false;
    const std::string ext = name.substr(dot);
    return name.find_first_not_of("0123456789") == dot && (ext == ".n" || ext == ".new");
}

// The backup a journal announced; empty when none.
std::string BackupOf(const std::vector<JournalRecord>& records) {
    for (const JournalRecord& record : records)
        if (record.step == JournalRecord::kBackup) return record.to;
    return std::string();
}

// Keeps a staging folder that cannot be trusted under a name that says so.
void SetAside(const StagingPlaces& places, RecoveryReport& report) {
    const std::string from = RemoveTrailingBackslash(places.staging);
    for (int n = 1; n <= 999; ++n) {
        const std::string to = places.folder + work_names::kSetAsidePrefix + std::to_string(n);
        if (platform::FileExists(to) || platform::DirectoryExists(to)) continue;
        if (platform::MoveOneFile(from, to)) {
            report.setAside.push_back(texts::Format(texts::kSetAsideLine, {places.staging, to + "\\"}));
            return;
        }
        break;
    }
    report.setAside.push_back(texts::Format(texts::kSetAsideLine, {places.staging, places.staging}));
}

}  // namespace

void RemoveStaging(const StagingPlaces& places, const std::vector<JournalRecord>& records,
                   RecoveryReport& report) {
    // The journal goes last: while files are left, it tells what they are.
    const std::string journal = JournalOf(places.staging);
    bool unaccounted = false, stuck = false;
    for (const platform::FolderEntry& entry : platform::ListFolder(places.staging + "*")) {
        if (entry.name == "." || entry.name == ".." || places.staging + entry.name == journal) continue;
        bool staged = !(entry.attributes & FILE_ATTRIBUTE_DIRECTORY) && IsStagedCopy(entry.name);
        for (const JournalRecord& record : records)
            staged = staged || (record.step == JournalRecord::kPutInPlace && record.from == entry.name);
        if (!staged)
            unaccounted = true;
        else if (!platform::DeleteOneFile(places.staging + entry.name))
            stuck = true;  // a copy held open: the folder goes at a later install
    }
    if (unaccounted) {
        SetAside(places, report);
        return;
    }
    if (stuck || (!platform::DeleteOneFile(journal) && platform::FileExists(journal))) return;
    platform::RemoveEmptyFolder(places.staging);
}

platform::Outcome RecoverInterruptedInstalls(const std::string& folder, RecoveryReport& report) {
    platform::Outcome whole;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder + "~*")) {
        if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY) || !work_names::IsStagingFolder(entry.name)) continue;
        const StagingPlaces places{folder, folder + entry.name + "\\"};
        const JournalReading journal = InstallJournal::Read(JournalOf(places.staging));
        if (!journal.whole) {
            SetAside(places, report);
            continue;
        }
        const bool committed = !journal.records.empty() && journal.records.back().step == JournalRecord::kCommitted;
        const std::string backup = BackupOf(journal.records);
        if (committed) {
            // Earlier builds kept no backup: their saved files went.
            if (backup.empty())
                DeleteSavedFiles(journal.records, places);
            else
                MoveSavedFilesToBackup(journal.records, places, backup);
        } else if (const platform::Outcome rolledBack = RollBack(journal.records, places, report.notRestored);
                   !rolledBack) {
            if (whole) whole = rolledBack;
            continue;  // the journal and the saved files stay for the next try
        } else if (!backup.empty()) {
            RemoveUnfinishedBackup(folder, backup);
        }
        RemoveStaging(places, journal.records, report);
    }
    return whole;
}
