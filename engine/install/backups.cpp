#include "engine/install/backups.h"

#include <algorithm>
#include <cstdio>

#include "engine/links/info_file.h"
#include "engine/paths/work_names.h"
#include "engine/links/options.h"
#include "engine/paths/paths.h"
#include "engine/paths/folder_tree.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

std::string BackupRoot(const std::string& folder) { return folder + work_names::kBackupFolder + "\\"; }

// The backup folders of folder, oldest first: their names sort as their
// dates do.
std::vector<std::string> BackupNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const platform::FolderEntry& entry : platform::ListFolder(BackupRoot(folder) + "*"))
        if ((entry.attributes & FILE_ATTRIBUTE_DIRECTORY) && entry.name != "." && entry.name != "..")
            names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveBackup(const std::string& backup) {
    for (const platform::FolderEntry& entry : platform::ListFolder(backup + "*"))
        if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) platform::DeleteOneFile(backup + entry.name);
    platform::RemoveEmptyFolder(backup);
}

}  // namespace

std::string BackupFolder(const std::string& folder, const std::string& name) {
    return BackupRoot(folder) + name + "\\";
}

std::string NewBackupName(const std::string& folder) {
    const SYSTEMTIME t = platform::LocalTimeNow();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u%02u%02u-%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    // The newest backup sorts last: a name of this second comes after every
    // name there is, with two digits so that the names of one second sort
    // as they were made. (A clock set back may give no such name: then any
    // free one.)
    const std::vector<std::string> names = BackupNames(folder);
    const auto taken = [&](const std::string& name) {
        return platform::DirectoryExists(BackupFolder(folder, name)) ||
               platform::FileExists(RemoveTrailingBackslash(BackupFolder(folder, name)));
    };
    std::string name = stamp;
    for (int n = 2; n < 100 && (taken(name) || (!names.empty() && name <= names.back())); ++n) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "-%02d", n);
        name = stamp + std::string(suffix);
    }
    return name;
}

platform::Outcome PrepareBackup(const std::string& folder, const BackupPlan& plan) {
    const std::string backup = BackupFolder(folder, plan.name);
    const platform::Outcome made = CreateFolderTree(backup);
    if (!made) return made;
    // A set's own settings: no automatic start, no fixed target.
    return WriteInfoFile(backup, Options(), plan.links);
}

void MoveSavedFilesToBackup(const std::vector<JournalRecord>& records, const StagingPlaces& places,
                            const std::string& name) {
    const std::string backup = BackupFolder(places.folder, name);
    CreateFolderTree(backup);  // there already, unless a crash came between
    for (const JournalRecord& record : records) {
        if (record.step != JournalRecord::kMovedAside) continue;
        const std::string saved = places.staging + record.to;
        if (platform::FileExists(saved)) platform::ReplaceFile(saved, backup + record.from);
    }
}

void RemoveUnfinishedBackup(const std::string& folder, const std::string& name) {
    const std::string backup = BackupFolder(folder, name);
    // Only the file the install wrote: anything else there is not its own.
    platform::DeleteOneFile(backup + info_file::kFileName);
    platform::RemoveEmptyFolder(backup);
}

void PruneBackups(const std::string& folder) {
    const std::vector<std::string> names = BackupNames(folder);
    for (size_t i = 0; i + kBackupsKept < names.size(); ++i) RemoveBackup(BackupFolder(folder, names[i]));
}

std::string NewestBackup(const std::string& folder) {
    std::vector<std::string> names = BackupNames(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        if (platform::FileExists(BackupFolder(folder, *name) + info_file::kFileName))
            return BackupFolder(folder, *name);
    return std::string();
}

std::vector<std::string> BackupsNewestFirst(const std::string& folder) {
    std::vector<std::string> backups;
    const std::vector<std::string> names = BackupNames(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        if (platform::FileExists(BackupFolder(folder, *name) + info_file::kFileName))
            backups.push_back(BackupFolder(folder, *name));
    return backups;
}
