#include "engine/install/remove.h"

#include <algorithm>
#include <vector>

#include "engine/install/backups.h"
#include "engine/install/install.h"
#include "engine/install/install_lock.h"
#include "engine/install/staging.h"
#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "engine/report/operation_texts.h"
#include "engine/report/texts.h"
#include "engine/paths/sorted_names.h"
#include "engine/set/copy_list.h"
#include "engine/set/no_set.h"
#include "engine/set/set_folder.h"
#include "platform/files.h"
#include "platform/interaction.h"

namespace {

// Whether a file holds exactly the bytes of another; false when either is
// missing.
bool SameBytes(const std::string& a, const std::string& b, std::vector<char>& buffer) {
    return platform::FileExists(a) && platform::FileExists(b) && platform::SameFileBytes(a, b, buffer);
}

// A face of the set that this PC links to the set's installed file, and
// the file that served it before the set came (in a backup), if any.
struct TakenOff {
    FontLink link;        // the set's face, and its file's bare name
    std::string earlier;  // full path in a backup; empty: the link goes
    // The value the face had before the set came when it opened a font
    // outside the user data folder (the fonts folder's, say) that is still
    // there: the link gets it back, and that font is left as it is.
    std::string previousValue;
    std::string value;  // the face's link now, to the set's file: what /undo gives back
};

class Removal {
public:
    Removal(const EudcRequest& request, const std::string& work, RemoveReport& report)
        : folders_(request.folders), set_(request.target.Folder()), work_(work), report_(report),
          backup_(NewBackupName(work)) {}

    // The faces to take off: linked, by this Windows' name of the face, to
    // the set's file in the user data folder while it holds the set's bytes.
    void FindFaces(const FontLinks& setLinks) {
        const FontLinkTable table = ReadFontLinks(folders_.windows);
        const std::vector<std::string> backups = BackupsNewestFirst(work_);
        for (const FontLink& link : setLinks) {
            if (!IsInstallableName(link.file)) continue;
            const std::string face = RegistryFaceName(InstalledFaceName(link.face), folders_.MajorVersion());
            if (!IsLinkedTo(table, face, link.file) ||
                !SameBytes(folders_.userData + link.file, set_ + link.file, buffer_))
                continue;
            const std::string previous = PreviousValueOutside(face, backups);
            faces_.push_back({{face, link.file},
                              previous.empty() ? EarlierFile(face, set_ + link.file, backups) : std::string(),
                              previous, LinkOf(table, face)});
        }
    }

    // Puts the earlier files back through a staging folder, as an install
    // does; what they replace goes into the removal's backup.
    bool RestoreEarlierFiles() {
        CopyList copy;
        for (const TakenOff& face : faces_) {
            if (face.earlier.empty()) continue;
            const std::string name = paths::FileNamePart(face.earlier);
            copy.Add(face.earlier, folders_.userData + name);
            const std::string companion = paths::ChangeExtension(face.earlier, info_file::kCompanionExtension);
            if (platform::FileExists(companion))
                copy.Add(companion, paths::ChangeExtension(folders_.userData + name, info_file::kCompanionExtension));
        }
        if (copy.Empty()) return true;
        if (!StagedInstall(copy, work_, Plan(), report_.recovery, report_.failure)) return false;
        report_.counts.copied = copy.Items().size();
        for (const CopyList::Item& item : copy.Items()) restored_.push_back(paths::FileNamePart(item.destination));
        return true;
    }

    // Links each restored face to its earlier file, and removes the link of
    // every other face taken off.
    Result Relink(FontLinkTable& registryLinks) {
        FontLinks restored, previous;  // previous: stored values; empty ones are removed
        StringList unlinked;
        for (const TakenOff& face : faces_) {
            if (!face.previousValue.empty()) {
                previous.push_back({face.link.face, face.previousValue});
                report_.done.push_back(texts::Format(texts::kRemoveLinkRestored, {face.link.face, face.previousValue}));
                continue;
            }
            if (!face.earlier.empty()) {
                restored.push_back({face.link.face, paths::FileNamePart(face.earlier)});
                const std::string path = folders_.userData + restored.back().file;
                report_.done.push_back(texts::Format(texts::kRemoveLinkRestored, {face.link.face, path}));
                continue;
            }
            previous.push_back({face.link.face, std::string()});
            report_.done.push_back(texts::Format(texts::kRemoveLinkDeleted, {face.link.face}));
        }
        if (!previous.empty()) {
            const Result written = WriteStoredFontLinks(previous, folders_, registryLinks, report_.failure);
            if (written != Result::kOk) return written;
        }
        // The restored files are in the user data folder: written as an
        // install writes them.
        if (!restored.empty()) return WriteFontLinks(restored, folders_, registryLinks, unlinked, report_.failure);
        registryLinks = ReadFontLinks(folders_.windows);
        return Result::kOk;
    }

    // Moves each file of the set that no link names any more into the
    // removal's backup: a font holding the set's bytes that no face links,
    // and its companion holding the set's bytes; never a file just put
    // back. A companion is named by its font's link.
    bool KeepUnlinkedFiles(const FontLinks& setLinks, const FontLinkTable& registryLinks) {
        StringList names;
        for (const FontLink& link : setLinks) {
            if (!IsInstallableName(link.file) || IsNamed(registryLinks, link.file)) continue;
            const std::string companion = paths::ChangeExtension(link.file, info_file::kCompanionExtension);
            for (const std::string& name : {link.file, companion})
                if (SameBytes(folders_.userData + name, set_ + name, buffer_)) names.push_back(name);
        }
        names = DistinctIgnoringCase(names);
        names.erase(std::remove_if(names.begin(), names.end(),
                                   [&](const std::string& name) {
                                       return std::any_of(restored_.begin(), restored_.end(),
                                                          [&](const std::string& r) { return SamePath(r, name); });
                                   }),
                    names.end());
        if (names.empty()) return true;
        const std::string backup = BackupFolder(work_, backup_);
        const bool made = !report_.counts.backup.empty() || platform::FileExists(backup + info_file::kFileName);
        if (!made) {
            if (const platform::Outcome prepared = PrepareBackup(work_, Plan()); !prepared) {
                report_.failure.Note(steps::kBackup, prepared);
                return false;
            }
        }
        report_.counts.backup = backup;
        for (const std::string& name : names) {
            if (const platform::Outcome moved = platform::MoveOneFile(folders_.userData + name, backup + name); !moved) {
                report_.failure.Note(steps::kBackup, moved);
                return false;
            }
            report_.done.push_back(texts::Format(texts::kRemoveFileKept, {folders_.userData + name, backup}));
        }
        if (!made) PruneBackups(work_, backup_);
        return true;
    }

    // The staging's backup, when a restore replaced a file of the set.
    void NoteStagedBackup() {
        if (platform::FileExists(BackupFolder(work_, backup_) + info_file::kFileName))
            report_.counts.backup = BackupFolder(work_, backup_);
    }

    bool AnyFace() const { return !faces_.empty(); }

private:
    bool IsLinkedTo(const FontLinkTable& table, const std::string& face, const std::string& name) const {
        for (const FontLink& link : table.links)
            if (SamePath(link.face, face)) return SamePath(link.file, folders_.userData + name) ||
                                                   SamePath(link.file, work_ + name);
        return false;
    }
    static std::string LinkOf(const FontLinkTable& table, const std::string& face) {
        for (const FontLink& link : table.links)
            if (SamePath(link.face, face)) return link.file;
        return std::string();
    }
    bool IsNamed(const FontLinkTable& table, const std::string& name) const {
        for (const FontLink& link : table.links)
            if (SamePath(link.file, folders_.userData + name) || SamePath(link.file, work_ + name)) return true;
        return false;
    }

    // The value face had before the set came, from the newest backup that
    // recorded one, when it opened a font outside the user data folder that
    // is still there; empty otherwise (the set's install added the link, or
    // the face's file was in the user data folder).
    std::string PreviousValueOutside(const std::string& face, const std::vector<std::string>& backups) const {
        for (const std::string& backup : backups)
            for (const PreviousLink& link : ReadPreviousLinks(backup + info_file::kFileName)) {
                if (!SamePath(link.face, face)) continue;
                const std::string file = link.value.empty() ? std::string() : LinkedFilePath(link.value, folders_);
                const bool outside = !file.empty() && !SamePath(paths::FolderPart(file), folders_.userData) &&
                                     !SamePath(paths::FolderPart(file), work_) && platform::FileExists(file);
                return outside ? link.value : std::string();
            }
        return std::string();
    }

    // The newest backup's file for face with other bytes than the set's: a
    // backup of the set itself (an earlier removal's) is passed over.
    std::string EarlierFile(const std::string& face, const std::string& setFile,
                            const std::vector<std::string>& backups) {
        for (const std::string& backup : backups)
            for (const FontLink& link : ReadLinkSection(backup)) {
                std::string file = backup + link.file;
                if (SamePath(RegistryFaceName(InstalledFaceName(link.face), folders_.MajorVersion()), face) &&
                    IsInstallableName(link.file) && platform::FileExists(file) &&
                    !SameBytes(file, setFile, buffer_))
                    return file;
            }
        return std::string();
    }

    // The removal's backup links every face taken off to the set's file and
    // records the link each had, so that /undo brings the set back.
    BackupPlan Plan() const {
        BackupPlan plan{backup_, {}, {}, {}};
        for (const TakenOff& face : faces_) {
            plan.links.push_back(face.link);
            plan.previous.push_back({face.link.face, face.value});
        }
        return plan;
    }

    const Folders& folders_;
    std::string set_, work_;
    RemoveReport& report_;
    std::string backup_;  // the name of the removal's backup
    std::vector<TakenOff> faces_;
    StringList restored_;  // the names of the files put back
    std::vector<char> buffer_;
};

// The lock, the recovery of a cut-off install, then the removal.
Result TakeOff(const EudcRequest& request, const FontLinks& setLinks, RemoveReport& report, bool& busy) {
    const std::string work = WorkFolder(request.folders.userData);
    InstallLock lock;
    if (const platform::Outcome locked = lock.Claim(work); !locked) {
        busy = lock.Busy();
        report.failure.Note(steps::kLock, locked);
        return Result::kInstallFailed;
    }
    if (const platform::Outcome recovered = RecoverInterruptedInstalls(work, report.recovery); !recovered) {
        report.failure.Note(steps::kRecovery, recovered);
        return Result::kInstallFailed;
    }
    Removal removal(request, work, report);
    removal.FindFaces(setLinks);
    if (removal.AnyFace()) {
        if (!removal.RestoreEarlierFiles()) return Result::kInstallFailed;
        removal.NoteStagedBackup();
        FontLinkTable registryLinks = ReadFontLinks(request.folders.windows);
        const Result relinked = removal.Relink(registryLinks);
        if (relinked != Result::kOk) return relinked;
    }
    return removal.KeepUnlinkedFiles(setLinks, ReadFontLinks(request.folders.windows)) ? Result::kOk
                                                                                       : Result::kInstallFailed;
}

std::string RemoveMessage(Result result, const EudcRequest& request, const RemoveReport& report, bool busy) {
    std::string text;
    if (result == Result::kOk && report.done.empty()) {
        text = texts::Format(texts::kNothingToRemove, {request.target.Folder()});
    } else if (result == Result::kOk) {
        text = texts::Format(texts::kRemoved, {request.target.Folder()}) + texts::CrLines(report.done);
    } else if (result == Result::kNoFilesToInstall) {
        text = NoSetMessage(request.target.Folder());
    } else if (const char* fixed = ResultText(Operation::kInstall, result)) {
        text = fixed;
    } else if (busy) {
        text = texts::kInstallBusy;
    } else {
        text = texts::kRemoveFailed + texts::CrLines(report.done) + texts::CrLines(report.recovery.notRestored);
    }
    return text + texts::CrLines(report.recovery.setAside);
}

}  // namespace

Result RemoveSet(const EudcRequest& request, RemoveReport& report) {
    report = RemoveReport();
    const std::string& folder = request.target.Folder();
    if (!CheckSpelled(folder, request.notifier)) return Result::kNoFilesToInstall;
    if (!CheckSpelled(request.folders.userData, request.notifier)) return Result::kNoUserDataFolder;
    Result result = Result::kOk;
    bool busy = false;
    const SetFolder set(folder, false);
    const FontLinks& setLinks = set.AllLinks();
    if (!HoldsEudcData(folder))
        result = Result::kNoFilesToInstall;
    else if (setLinks.empty())
        result = Result::kNoLinkTable;
    else if (platform::DirectoryExists(request.folders.userData))  // else nothing was ever installed
        result = TakeOff(request, setLinks, report, busy);
    request.notifier.Notify(RemoveMessage(result, request, report, busy));
    return result;
}

Result RemoveWithEudcOff(const EudcRequest& request, RemoveReport& report) {
    platform::EnableEudc(platform::kEudcOff);
    const Result result = RemoveSet(request, report);
    platform::EnableEudc(platform::kEudcOn);
    return result;
}
