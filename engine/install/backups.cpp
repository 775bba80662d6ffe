#include "engine/install/backups.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/links/info_file.h"
#include "engine/paths/work_names.h"
#include "engine/links/options.h"
#include "engine/paths/paths.h"
#include "engine/paths/folder_tree.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/system.h"

namespace {

// A file, not the program's folder, may bear the name backup (a set of an
// earlier build could plant one): the backups then go to a spare folder.
std::string BackupRoot(const std::string& folder) {
    const std::string root = folder + work_names::kBackupFolder;
    return (platform::FileExists(root) ? folder + work_names::kSpareBackupFolder : root) + "\\";
}

// A name the program gives a backup: 8 digits, "-", 6 digits, and maybe
// "-" and more digits.
bool IsBackupName(const std::string& name) {
    const auto digits = [&](size_t from, size_t count) {
        return name.size() >= from + count && count > 0 &&
               name.substr(from, count).find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digits(0, 8) || name[8] != '-' || !digits(9, 6)) return false;
    return name.size() == 15 || (name.size() > 16 && name[15] == '-' && digits(16, name.size() - 16));
}

// One backup the program made, and when: 0 for one of an earlier build,
// which recorded no time.
struct BackupEntry {
    std::string root, name;
    unsigned long long made;
};

// A time as Now() writes it, YYYYMMDDhhmmssmmm: a backup is a folder
// anyone may write, and a number beyond that form would rank a planted
// backup above every later one, whose times would then overflow it, and
// keep them all from the prune. One that is no such time counts as none
// (a hand-made folder's).
unsigned long long MadeOf(const std::string& infoFile) {
    const std::string text = platform::ReadProfileString(infoFile, backup_file::kSection, backup_file::kMadeKey, "");
    if (text.size() != 17 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
    const auto field = [&](size_t at, size_t length) {
        int value = 0;
        for (size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    // Seconds up to 60: a later backup gets its predecessor's time + 1 ms.
    const bool time = field(0, 4) >= 1980 && field(4, 2) >= 1 && field(4, 2) <= 12 &&
                      field(6, 2) >= 1 && field(6, 2) <= 31 && field(8, 2) <= 23 && field(10, 2) <= 59 &&
                      field(12, 2) <= 60;
    return time ? std::stoull(text) : 0;
}

// The backups in folder, oldest first: by the time recorded in each; those
// of earlier builds before all others, by name (which held their date).
// A folder the program did not make (another name, or no EUDC.INI) is
// none of them.
std::vector<BackupEntry> Backups(const std::string& folder) {
    std::vector<BackupEntry> backups;
    for (const char* rootName : {work_names::kBackupFolder, work_names::kSpareBackupFolder}) {
        const std::string root = folder + rootName + "\\";
        for (const platform::FolderEntry& entry : platform::ListFolder(root + "*")) {
            const std::string info = root + entry.name + "\\" + info_file::kFileName;
            if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY) || !IsBackupName(entry.name) ||
                !platform::FileExists(info))
                continue;
            backups.push_back({root, entry.name, MadeOf(info)});
        }
    }
    std::sort(backups.begin(), backups.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return a.made != b.made ? a.made < b.made : a.name < b.name;
    });
    return backups;
}

// Now as a number that grows with the local time: YYYYMMDDhhmmssmmm.
unsigned long long Now() {
    const SYSTEMTIME t = platform::LocalTimeNow();
    unsigned long long made = t.wYear;
    for (const unsigned part : {t.wMonth * 1u, t.wDay * 1u, t.wHour * 1u, t.wMinute * 1u, t.wSecond * 1u})
        made = made * 100 + part;
    return made * 1000 + t.wMilliseconds;
}

// Removes the files of a backup folder, then the folder if it is empty: a
// file that will not go (held open) keeps the folder, which the next
// install's pruning tries again.
void RemoveBackup(const std::string& backup) {
    for (const platform::FolderEntry& entry : platform::ListFolder(backup + "*"))
        if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) platform::DeleteOneFile(backup + entry.name).Ignore();
    platform::RemoveEmptyFolder(backup);
}

}  // namespace

std::vector<PreviousLink> ReadPreviousLinks(const std::string& infoFile) {
    std::vector<PreviousLink> previous;
    for (const platform::ProfileEntry& entry : platform::ReadProfileEntries(infoFile, backup_file::kPreviousSection))
        previous.push_back({entry.key, entry.value});
    return previous;
}

std::string BackupFolder(const std::string& folder, const std::string& name) {
    return BackupRoot(folder) + name + "\\";
}

std::string NewBackupName(const std::string& folder) {
    const SYSTEMTIME t = platform::LocalTimeNow();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u%02u%02u-%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    // Free in both roots, as a folder and as a file: a backup never takes
    // the place of another. The order comes from the time recorded inside.
    const auto taken = [&](const std::string& name) {
        for (const char* root : {work_names::kBackupFolder, work_names::kSpareBackupFolder}) {
            const std::string path = folder + root + "\\" + name;
            if (platform::DirectoryExists(path) || platform::FileExists(path)) return true;
        }
        return false;
    };
    // After every number this second has had (1 for the bare date and
    // time), so that the names of one second sort as they were made, and
    // none comes back after a prune.
    int last = 0;
    for (const BackupEntry& backup : Backups(folder))
        if (backup.name.compare(0, 15, stamp) == 0)
            last = std::max(last, backup.name.size() > 16 ? std::atoi(backup.name.c_str() + 16) : 1);
    std::string name = stamp;
    for (int n = last + 1; (n > 1 && name.size() == 15) || taken(name); ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "-%02d", n);
        name = stamp + std::string(suffix);
    }
    return name;
}

platform::Outcome PrepareBackup(const std::string& folder, const BackupPlan& plan) {
    const std::string backup = BackupFolder(folder, plan.name);
    // Later than every backup there, even one made while the clock ran
    // ahead: the newest is always the last one made.
    const std::vector<BackupEntry> backups = Backups(folder);
    unsigned long long made = Now();
    if (!backups.empty()) made = std::max(made, backups.back().made + 1);
    if (const platform::Outcome folderMade = CreateFolderTree(backup); !folderMade) return folderMade;
    // A set's own settings: no automatic start, no fixed target.
    const std::string info = backup + info_file::kFileName;
    if (const platform::Outcome written = WriteInfoFile(backup, Options(), plan.links); !written) return written;
    std::vector<std::string> lines;
    for (const PreviousLink& link : plan.previous) lines.push_back(link.face + "=" + link.value);
    if (const platform::Outcome written = platform::WriteProfileSection(info, backup_file::kPreviousSection, lines);
        !written)
        return written;
    for (const auto& copy : plan.copies)
        if (const platform::Outcome copied = platform::CopyOneFile(copy.first, backup + copy.second); !copied)
            return copied;
    // The time last: a backup without it is not taken for a whole one.
    return platform::WriteProfileString(info, backup_file::kSection, backup_file::kMadeKey, std::to_string(made));
}

void MoveSavedFilesToBackup(const std::vector<JournalRecord>& records, const StagingPlaces& places,
                            const std::string& name) {
    const std::string backup = BackupFolder(places.folder, name);
    // There already, unless a crash came between; without it the moves
    // below fail and leave the saved files where they are.
    CreateFolderTree(backup).Ignore();
    for (const JournalRecord& record : records) {
        if (record.step != JournalRecord::kMovedAside) continue;
        const std::string saved = places.staging + record.to;
        // A file that cannot be moved stays in the staging folder, which is
        // then set aside with it, not deleted (RemoveStaging).
        if (platform::FileExists(saved)) platform::ReplaceFile(saved, backup + record.from).Ignore();
    }
}

void RemoveUnfinishedBackup(const std::string& folder, const std::string& name) {
    const std::string backup = BackupFolder(folder, name);
    // Only the files the install wrote before its commit: EUDC.INI and the
    // copies it links. Anything else there is not its own.
    for (const FontLink& link : ReadLinkSection(backup))
        if (IsInstallableName(link.file)) platform::DeleteOneFile(backup + link.file).Ignore();
    platform::DeleteOneFile(backup + info_file::kFileName).Ignore();
    platform::RemoveEmptyFolder(backup);
}

void PruneBackups(const std::string& folder, const std::string& keep) {
    std::vector<BackupEntry> backups = Backups(folder);
    // A folder without the time is left alone: an earlier build's backup,
    // or a folder someone made by hand under a name like a backup's.
    backups.erase(std::remove_if(backups.begin(), backups.end(),
                                 [&](const BackupEntry& backup) { return backup.made == 0 || backup.name == keep; }),
                  backups.end());
    for (size_t i = 0; i + kBackupsKept < backups.size() + 1; ++i)
        RemoveBackup(backups[i].root + backups[i].name + "\\");
}

Backup NewestBackup(const std::string& folder) {
    const std::vector<BackupEntry> backups = Backups(folder);
    if (backups.empty()) return Backup();
    const BackupEntry& newest = backups.back();
    Backup backup;
    backup.folder = newest.root + newest.name + "\\";
    backup.recordsLinks = newest.made != 0;
    if (backup.recordsLinks) backup.previous = ReadPreviousLinks(backup.folder + info_file::kFileName);
    return backup;
}

std::vector<std::string> BackupsNewestFirst(const std::string& folder) {
    const std::vector<BackupEntry> entries = Backups(folder);
    std::vector<std::string> backups;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        backups.push_back(entry->root + entry->name + "\\");
    return backups;
}
