#include "engine/install/install.h"

#include "engine/install/backups.h"
#include "engine/install/link_changes.h"
#include "engine/install/user_data_session.h"
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

// The newest backup as a change of the user data folder: its files taken
// back (to free names where another face links theirs) and its links.
Result UndoFromNewestBackup(const EudcRequest& request, UserDataSession& session, InstallReport& report,
                            std::string& backupFolder) {
    const Folders& folders = request.folders;
    if (const Result opened = session.Open(report); opened != Result::kOk) return opened;
    // Chosen after recovery, which takes away the backup of an install
    // that a crash cut off before its commit.
    const Backup backup = NewestBackup(session.Work());
    backupFolder = backup.folder;
    if (backup.folder.empty()) return Result::kNoFilesToInstall;
    const UndoPlan undo = PlanUndo(backup, folders);
    ChangePlan plan;
    for (const std::string& name : undo.files) plan.files.Add(backup.folder + name, folders.userData + name);
    plan.links = undo.writes;
    session.TakeBackToFreeNames(plan);
    for (const CopyList::Item& item : plan.files.Items())
        report.installed.push_back(item.destination + texts::kInstalledLine);
    report.unlinked = undo.refused;
    const std::vector<PreviousLink> changedLinks = ChangedLinks(plan.links, session.StoredLinks());
    // Every file is put back, whatever its date: /d and CheckDate are
    // about sets, not about taking an install back.
    const Result result = session.Apply(plan, request.options, request.notifier, report);
    if (result == Result::kOk) RestoredLinkLines(plan.links, changedLinks, report.installed);
    return result;
}

}  // namespace

Result UndoLastInstall(const EudcRequest& request, InstallReport& report, std::string& backupFolder) {
    if (!CheckSpelled(request.folders.userData, request.notifier)) return Result::kNoUserDataFolder;
    bool busy = false;
    Result result = Result::kOk;
    {
        UserDataSession session(request.folders);
        result = UndoFromNewestBackup(request, session, report, backupFolder);
        busy = session.Busy();
    }
    // The registry's table as the undo leaves it, for the windows.
    if (report.registryLinks.links.empty()) report.registryLinks = ReadFontLinks(request.folders.windows);
    if (result == Result::kNoFilesToInstall)
        request.notifier.Notify(texts::kNoBackup);
    else
        request.notifier.Notify(InstallMessage(result, request.folders, report, busy, texts::CrLines),
                                InstallMessage(result, request.folders, report, busy, texts::ShownCrLines));
    return result;
}
