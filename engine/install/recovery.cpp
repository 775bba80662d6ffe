#include "engine/install/recovery.h"

#include "engine/install/staging.h"
#include "engine/texts.h"
#include "platform/files.h"

bool RollBack(const std::vector<JournalRecord>& records, const StagingPlaces& places,
              std::vector<std::string>& notRestored) {
    bool whole = true;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        if (record->step == JournalRecord::kPutInPlace) {
            // The staged copy is gone only when the move happened. Moving the
            // new file back, rather than deleting it, leaves the step as not
            // taken for a rollback that runs again.
            const std::string staged = places.staging + record->from;
            const std::string destination = places.folder + record->to;
            if (!platform::FileExists(staged) && platform::FileExists(destination))
                platform::MoveOneFile(destination, staged);
        } else if (record->step == JournalRecord::kMovedAside) {
            const std::string destination = places.folder + record->from;
            const std::string saved = places.staging + record->to;
            if (platform::FileExists(saved) && !platform::ReplaceFile(saved, destination)) {
                notRestored.push_back(texts::Format(texts::kNotRestoredLine, {destination, saved}));
                whole = false;
            }
        }
    }
    return whole;
}

void DeleteSavedFiles(const std::vector<JournalRecord>& records, const StagingPlaces& places) {
    for (const JournalRecord& record : records)
        if (record.step == JournalRecord::kMovedAside) platform::DeleteOneFile(places.staging + record.to);
}

void RemoveStaging(const std::string& staging) {
    const std::string journal = staging + kJournalName;
    if (platform::FileExists(journal) && !platform::DeleteOneFile(journal)) return;
    platform::RemoveFolderWithFiles(staging);
}

namespace {
bool IsCommitted(const std::vector<JournalRecord>& records) {
    return !records.empty() && records.back().step == JournalRecord::kCommitted;
}
}  // namespace

bool RecoverInterruptedInstalls(const std::string& folder, std::vector<std::string>& notRestored) {
    bool whole = true;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder + kStagingPrefix + "*")) {
        if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        const StagingPlaces places{folder, folder + entry.name + "\\"};
        const std::vector<JournalRecord> records = InstallJournal::Read(places.staging + kJournalName);
        if (IsCommitted(records)) {
            DeleteSavedFiles(records, places);
        } else if (!RollBack(records, places, notRestored)) {
            whole = false;
            continue;  // the journal and the saved files stay for the next try
        }
        RemoveStaging(places.staging);
    }
    return whole;
}
