#include "engine/install/remove.h"

#include <algorithm>
#include <vector>

#include "engine/install/backups.h"
#include "engine/install/install.h"
#include "engine/install/link_changes.h"
#include "engine/install/user_data_session.h"
#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "engine/paths/sorted_names.h"
#include "engine/report/operation_texts.h"
#include "engine/report/texts.h"
#include "engine/set/no_set.h"
#include "engine/set/set_folder.h"
#include "platform/files.h"

namespace {

// Whether a file holds exactly the bytes of another; false when either is
// missing.
bool SameBytes(const std::string& a, const std::string& b, std::vector<char>& buffer) {
    return platform::FileExists(a) && platform::FileExists(b) && platform::SameFileBytes(a, b, buffer);
}

// What a face of the set gets back: the value it had right before the set
// came, or the file that served it then, taken back from a backup.
struct Earlier {
    std::string value;  // a link value to write; empty with file empty: the link goes
    std::string file;   // a backup's file to take back and link
};

// The removal of one set as a change of the user data folder: each face
// that this PC links to the set's file (holding the set's bytes) gets back
// what it had before the set came; the set's files that no link names
// afterwards go into the backup, whose links and previous values bring the
// set back under /undo.
class RemovalPlan {
public:
    RemovalPlan(const Folders& folders, const std::string& set, const UserDataSession& session,
                RemoveReport& report)
        : folders_(folders), set_(set), session_(session), report_(report),
          backups_(BackupsNewestFirst(session.Work())) {}

    ChangePlan Build(const FontLinks& setLinks) {
        ChangePlan plan;
        plan.comparesCharacters = false;  // the user asked for these characters to go
        for (const FontLink& link : setLinks) {
            if (!IsInstallableName(link.file)) continue;
            const std::string face = RegistryFaceName(InstalledFaceName(link.face), folders_.MajorVersion());
            if (!LinkedToSetFile(face, link.file) ||
                !SameBytes(folders_.userData + link.file, set_ + link.file, buffer_) ||
                std::any_of(plan.links.begin(), plan.links.end(),
                            [&](const FontLink& planned) { return SamePath(planned.face, face); }))
                continue;
            const Earlier earlier = EarlierOf(face, link.file);
            if (!earlier.file.empty()) {
                const std::string name = paths::FileNamePart(earlier.file);
                plan.files.Add(earlier.file, folders_.userData + name);
                const std::string companion = CompanionOf(earlier.file);
                if (platform::FileExists(companion)) plan.files.Add(companion, folders_.userData + CompanionOf(name));
                plan.links.push_back({face, folders_.userData + name});
            } else {
                plan.links.push_back({face, earlier.value});
            }
        }
        session_.TakeBackToFreeNames(plan);
        plan.kept = UnlinkedSetFiles(setLinks, plan);
        return plan;
    }

private:
    bool OpensUserData(const std::string& value, const std::string& name) const {
        const std::string file = LinkedFilePath(value, folders_);
        return SamePath(file, folders_.userData + name) || SamePath(file, session_.Work() + name);
    }
    bool LinkedToSetFile(const std::string& face, const std::string& name) const {
        for (const FontLink& link : session_.Table().links)
            if (SamePath(link.face, face)) return OpensUserData(link.file, name);
        return false;
    }

    // What face had right before the set came. Each backup recorded the
    // value its change found: walking them newest first from the value the
    // face has now, the change that brought the set's file (from another
    // value) and was no removal (one that took a later set off and gave the
    // face back the set's file) is the set's coming. That value when it
    // opens a file an install could have read that still holds what it held
    // (the backup's copy of it, where the backup has one), else the backup's
    // copy. A backup that holds the face's file with other bytes than the
    // set's, its link left as it was, replaced that file in place: the face
    // had that file right before.
    Earlier EarlierOf(const std::string& face, const std::string& name) {
        std::string after = folders_.userData + name;
        for (const std::string& backup : backups_) {
            const std::string copy = CopyOf(backup, face);
            const PreviousLink* link = nullptr;
            const std::vector<PreviousLink> previous = ReadPreviousLinks(backup + info_file::kFileName);
            for (const PreviousLink& recorded : previous)
                if (SamePath(recorded.face, face)) link = &recorded;
            if (!link) {
                // A change that left the link and replaced its file in
                // place (an install of the set over other bytes): the face
                // had the backup's file right before.
                if (!copy.empty() && OpensUserData(after, name) && !SameBytes(copy, set_ + name, buffer_))
                    return {std::string(), copy};
                continue;
            }
            const bool cameHere = OpensUserData(after, name) && !OpensUserData(link->value, name);
            const bool removal = !copy.empty() && OpensUserData(link->value, paths::FileNamePart(copy));
            after = link->value;
            if (!cameHere || removal) continue;
            if (RestorableValue(link->value, folders_) &&
                (link->value.empty() || copy.empty() ||
                 SameBytes(LinkedFilePath(link->value, folders_), copy, buffer_)))
                return {link->value, std::string()};
            if (!copy.empty()) return {std::string(), copy};
            report_.done.push_back(texts::Format(texts::kPreviousLinkRefused, {face, link->value}));
            return {};
        }
        return {};
    }

    // The backup's file for face, when it holds one.
    std::string CopyOf(const std::string& backup, const std::string& face) const {
        for (const FontLink& link : ReadLinkSection(backup))
            if (SamePath(RegistryFaceName(InstalledFaceName(link.face), folders_.MajorVersion()), face) &&
                IsInstallableName(link.file) && platform::FileExists(backup + link.file))
                return backup + link.file;
        return std::string();
    }

    // The set's files (holding the set's bytes) that no link names once
    // the plan's links are written, and their companions; never a file the
    // plan puts back.
    StringList UnlinkedSetFiles(const FontLinks& setLinks, const ChangePlan& plan) {
        const auto named = [&](const std::string& name) {
            for (const FontLink& link : plan.links)
                if (OpensUserData(link.file, name)) return true;
            for (const FontLink& link : session_.Table().links)
                if (std::none_of(plan.links.begin(), plan.links.end(),
                                 [&](const FontLink& planned) { return SamePath(planned.face, link.face); }) &&
                    OpensUserData(link.file, name))
                    return true;
            return plan.files.HoldsDestination(folders_.userData + name);
        };
        StringList names;
        for (const FontLink& link : setLinks) {
            if (!IsInstallableName(link.file) || named(link.file)) continue;
            for (const std::string& name : {link.file, CompanionOf(link.file)})
                if (!plan.files.HoldsDestination(folders_.userData + name) &&
                    SameBytes(folders_.userData + name, set_ + name, buffer_))
                    names.push_back(name);
        }
        return DistinctIgnoringCase(names);
    }

    const Folders& folders_;
    std::string set_;
    const UserDataSession& session_;
    RemoveReport& report_;
    std::vector<std::string> backups_;
    std::vector<char> buffer_;
};

// A line for each link the removal wrote.
void TellLinks(const ChangePlan& plan, RemoveReport& report) {
    for (const FontLink& link : plan.links)
        report.done.push_back(link.file.empty() ? texts::Format(texts::kRemoveLinkDeleted, {link.face})
                                                : texts::Format(texts::kRemoveLinkRestored, {link.face, link.file}));
}

Result TakeOff(const EudcRequest& request, const FontLinks& setLinks, UserDataSession& session,
               RemoveReport& report) {
    InstallReport change;
    Result result = session.Open(change);
    if (result == Result::kOk) {
        RemovalPlan removal(request.folders, request.target.Folder(), session, report);
        const ChangePlan plan = removal.Build(setLinks);
        result = session.Apply(plan, request.options, request.notifier, change);
        if (result == Result::kOk && !change.counts.nothingChanged) TellLinks(plan, report);
    }
    report.done.insert(report.done.end(), change.kept.begin(), change.kept.end());
    report.recovery = change.recovery;
    report.failure = change.failure;
    report.counts = change.counts;
    return result;
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
    {
        UserDataSession session(request.folders);
        const SetFolder set(folder, false);
        const FontLinks& setLinks = set.AllLinks();
        if (!set.HoldsSet())
            result = Result::kNoFilesToInstall;
        else if (setLinks.empty())
            result = Result::kNoLinkTable;
        else if (platform::DirectoryExists(request.folders.userData))  // else nothing was ever installed
            result = TakeOff(request, setLinks, session, report);
        busy = session.Busy();
    }
    request.notifier.Notify(RemoveMessage(result, request, report, busy));
    return result;
}
