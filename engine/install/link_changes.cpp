#include "engine/install/link_changes.h"

#include <algorithm>

#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "engine/set/set_folder.h"
#include "platform/files.h"
#include "platform/text.h"

namespace {

const FontLink* StoredLinkOf(const FontLinks& stored, const std::string& face) {
    for (const FontLink& link : stored)
        if (platform::CompareTextIgnoreCase(link.face, face) == 0) return &link;
    return nullptr;
}

// Whether path is a file directly in the user data folder, as either
// spelling of it names it.
bool InUserData(const std::string& path, const Folders& folders, const std::string& work) {
    const std::string folder = paths::FolderPart(path);
    return SamePath(folder, folders.userData) || SamePath(folder, work);
}

// A bare name not yet among names (letter case ignored): name, or
// "stem-2.ext", "stem-3.ext", ...
std::string FreeName(const std::string& name, const StringList& names) {
    const auto taken = [&](const std::string& candidate) {
        return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SamePath(n, candidate); });
    };
    std::string free = name;
    for (int n = 2; taken(free); ++n)
        free = paths::ChangeExtension(name, "") + "-" + std::to_string(n) + paths::ExtensionOf(name);
    return free;
}

}  // namespace

std::vector<PreviousLink> ChangedLinks(const LinkWrites& writes, const FontLinks& stored) {
    std::vector<PreviousLink> changed;
    for (const FontLink& write : writes) {
        const FontLink* now = StoredLinkOf(stored, write.face);
        const std::string value = now ? now->file : std::string();
        if (!SamePath(value, write.file)) changed.push_back({write.face, value});
    }
    return changed;
}

std::vector<Replacement> FontsLinksLeave(const std::vector<PreviousLink>& changed, const LinkWrites& writes,
                                         const Folders& folders, const CopyList& copy) {
    std::vector<Replacement> left;
    for (const PreviousLink& link : changed) {
        const std::string old = LinkedFilePath(link.value, folders);
        if (old.empty() || !platform::FileExists(old)) continue;
        const FontLink* write = StoredLinkOf(writes, link.face);
        if (!write || write->file.empty()) continue;
        const std::string incoming = LinkedFilePath(write->file, folders);
        // A file the copy replaces in place is compared with its new
        // content already.
        const auto same = [&](const Replacement& r) { return SamePath(r.installed, old); };
        if (SamePath(incoming, old) || copy.HoldsDestination(old) || std::any_of(left.begin(), left.end(), same))
            continue;
        // The new file is compared as the install will leave it: the copy's
        // source where the copy puts it.
        std::string source = incoming;
        for (const CopyList::Item& item : copy.Items())
            if (SamePath(item.destination, incoming)) source = item.source;
        left.push_back({source, old});
    }
    return left;
}

void PlanLinkBackup(const std::vector<PreviousLink>& changed, const Folders& folders, const std::string& work,
                    BackupPlan& plan) {
    plan.previous = changed;
    StringList names;
    for (const FontLink& link : plan.links) names.push_back(link.file);
    for (const PreviousLink& link : changed) {
        const std::string old = LinkedFilePath(link.value, folders);
        if (old.empty() || InUserData(old, folders, work) || !platform::FileExists(old)) continue;
        // One copy a file, however many faces linked it.
        std::string name;
        for (const auto& copy : plan.copies)
            if (SamePath(copy.first, old)) name = copy.second;
        if (name.empty()) {
            name = FreeName(paths::FileNamePart(old), names);
            names.push_back(name);
            plan.copies.push_back({old, name});
        }
        plan.links.push_back({link.face, name});
    }
}

namespace {

// The files a backup holds, by bare name, but its EUDC.INI.
StringList BackupFiles(const std::string& folder) {
    StringList files;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder + "*"))
        if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY) && !SamePath(entry.name, info_file::kFileName))
            files.push_back(entry.name);
    return files;
}

}  // namespace

bool RestorableValue(const std::string& value, const Folders& folders) {
    if (value.empty()) return true;
    std::string climbing = "\\" + value + "\\";
    std::replace(climbing.begin(), climbing.end(), '/', '\\');
    const std::string file = LinkedFilePath(value, folders);
    // On a drive of this PC, not a share; no way up through "..".
    return !file.empty() && paths::RootLength(file) == 2 && climbing.find("\\..\\") == std::string::npos &&
           platform::FileExists(file);
}

UndoPlan PlanUndo(const Backup& backup, const Folders& folders) {
    UndoPlan plan;
    // A backup is a set like any other.
    const SetFolder set(backup.folder, false);
    const FontLinks& kept = set.AllLinks();
    StringList files = BackupFiles(backup.folder);
    if (!backup.recordsLinks) {
        for (const FontLink& link : kept)
            if (IsInstallableName(link.file) && platform::FileExists(backup.folder + link.file))
                plan.writes.push_back({RegistryFaceName(link.face, folders.MajorVersion()), folders.userData + link.file});
        plan.files = files;
        return plan;
    }
    StringList unneeded, needed;
    std::vector<char> buffer;
    for (const PreviousLink& link : backup.previous) {
        const FontLink* copy = StoredLinkOf(kept, link.face);
        const bool hasCopy = copy && IsInstallableName(copy->file) && platform::FileExists(backup.folder + copy->file);
        const std::string old = LinkedFilePath(link.value, folders);
        // The value as it was, when it opens a file an install could have
        // read (anything else was planted in the backup); the backup's copy
        // of a font outside the user data folder where that font no longer
        // holds the copy's bytes, or where the value cannot serve.
        const bool putBack = InUserData(old, folders, folders.userData) &&
                             platform::FileExists(backup.folder + paths::FileNamePart(old));
        const bool restorable = putBack || RestorableValue(link.value, folders);
        const bool copied = hasCopy && !link.value.empty() && !InUserData(old, folders, folders.userData);
        if (restorable && (!copied || platform::SameFileBytes(old, backup.folder + copy->file, buffer))) {
            plan.writes.push_back({link.face, link.value});
            if (copied) unneeded.push_back(copy->file);
        } else if (copied) {
            plan.writes.push_back({link.face, folders.userData + copy->file});
            needed.push_back(copy->file);
        } else {
            plan.refused.push_back(texts::Format(texts::kPreviousLinkRefused, {link.face, link.value}));
        }
    }
    const auto among = [](const StringList& names, const std::string& name) {
        return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SamePath(n, name); });
    };
    for (const std::string& file : files)
        if (!among(unneeded, file) || among(needed, file)) plan.files.push_back(file);
    // The faces that opened a replaced file are the undo's too: each gets
    // its file back under the name it goes to (TakeBackToFreeNames).
    for (const FontLink& link : kept)
        if (among(plan.files, link.file) && !StoredLinkOf(plan.writes, link.face))
            plan.writes.push_back({link.face, folders.userData + link.file});
    return plan;
}
