#include "engine/install/install.h"

#include "engine/install/backups.h"
#include "engine/install/install_steps.h"
#include "engine/install/link_changes.h"
#include "engine/report/texts.h"

namespace {

// A line for each link the undo changed: the value it has back, or that
// it is gone (a link the install had added).
void RestoredLinkLines(const LinkWrites& writes, const std::vector<PreviousLink>& changed, StringList& lines) {
    for (const PreviousLink& before : changed)
        for (const FontLink& write : writes) {
            if (write.face != before.face) continue;
            lines.push_back(write.file.empty() ? texts::Format(texts::kRemoveLinkDeleted, {write.face})
                                               : texts::Format(texts::kRemoveLinkRestored, {write.face, write.file}));
            break;
        }
}

// The undo's files and links, with the user data folder locked from the
// first file to the last link; busy tells that another install held it.
Result UndoFilesAndLinks(const EudcRequest& request, InstallReport& report, std::string& backupFolder, bool& busy) {
    const Folders& folders = request.folders;
    // Every file is put back, whatever its date: /d and CheckDate are
    // about sets, not about taking an install back.
    Options options = request.options;
    options.onlyNewer = false;
    InstallLock lock;
    std::string work;
    Result result = ClaimUserData(folders, lock, report, work);
    busy = lock.Busy();
    if (result != Result::kOk) return result;
    // Chosen after recovery, which takes away the backup of an install
    // that a crash cut off before its commit.
    const Backup backup = NewestBackup(work);
    backupFolder = backup.folder;
    if (backup.folder.empty()) return Result::kNoFilesToInstall;
    const UndoPlan plan = PlanUndo(backup, folders);
    CopyList copy;
    for (const std::string& name : plan.files) {
        copy.Add(backup.folder + name, folders.userData + name);
        report.installed.push_back(folders.userData + name + texts::kInstalledLine);
    }
    const std::vector<PreviousLink> changedLinks = ChangedLinks(plan.writes, ReadStoredFontLinks());
    result = ReplaceFilesFor(folders, options, copy, plan.writes, work, request.notifier, report);
    if (result != Result::kOk) return result;
    result = WriteStoredFontLinks(plan.writes, folders, report.registryLinks, report.failure);
    if (result == Result::kOk) RestoredLinkLines(plan.writes, changedLinks, report.installed);
    return result;
}

}  // namespace

Result UndoLastInstall(const EudcRequest& request, InstallReport& report, std::string& backupFolder) {
    if (!CheckSpelled(request.folders.userData, request.notifier)) return Result::kNoUserDataFolder;
    bool busy = false;
    const Result result = UndoFilesAndLinks(request, report, backupFolder, busy);
    // The registry's table as the undo leaves it, for the windows.
    if (report.registryLinks.links.empty()) report.registryLinks = ReadFontLinks(request.folders.windows);
    if (result == Result::kNoFilesToInstall)
        request.notifier.Notify(texts::kNoBackup);
    else
        request.notifier.Notify(InstallMessage(result, request.folders, report, busy, texts::CrLines),
                                InstallMessage(result, request.folders, report, busy, texts::ShownCrLines));
    return result;
}

Result UndoWithEudcOff(const EudcRequest& request, InstallReport& report, std::string& backupFolder) {
    const EudcOff off;
    return UndoLastInstall(request, report, backupFolder);
}
