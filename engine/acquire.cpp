#include "engine/acquire.h"

#include <unordered_map>
#include <unordered_set>

#include "engine/paths/folder_tree.h"
#include "engine/set/font_characters.h"
#include "engine/links/info_file.h"
#include "engine/set/copy_list.h"
#include "engine/paths/work_names.h"
#include "engine/report/operation_texts.h"
#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/text.h"

namespace {

// The file a link names on this machine, as a full path. A bare name (or
// any path that is not absolute) lies in the fonts folder, never in the
// directory the program happened to start in. A device keeps the path it
// was given: the system would make it "\\.\\CON".
std::string SourceOf(const std::string& file, const Folders& folders) {
    const std::string path = paths::IsAbsolutePath(file) ? file : FontsFolder(folders) + file;
    return paths::IsDeviceName(paths::FileNamePart(path)) ? path : platform::FullPath(path);
}

// Whether a file's name can be an EUDC font file of the set: not a device,
// which exists in every folder, nor a name the install keeps for itself.
bool IsFontFileName(const std::string& path) {
    const std::string name = paths::FileNamePart(path);
    return !paths::IsDeviceName(name) && !work_names::IsWorkName(name);
}

// The copy of one acquire into a folder, and what EUDC.INI will say.
class AcquireCopy {
public:
    // lookForOverwrites: note whether a file of the copy lies in the
    // target already. That matters only to the question; a silent run need
    // not look.
    AcquireCopy(const std::string& folder, bool lookForOverwrites, AcquireReport& report)
        : folder_(folder), lookForOverwrites_(lookForOverwrites), report_(report) {}

    // Puts a link's file, and its companion when asked, into the copy
    // under a name of its own in the target.
    void AddLink(const FontLink& link, const Folders& folders, bool companions) {
        if (link.file.empty()) {
            // A link without a path is a file that cannot be found.
            report_.missing.push_back(texts::Format(texts::kEmptyLinkLine, {link.face}));
            written_.push_back({link.face, link.file});
            return;
        }
        const std::string source = SourceOf(link.file, folders);
        if (const CopyList::Item* item = copy_.FindSource(source)) {
            written_.push_back({link.face, paths::FileNamePart(item->destination)});
            return;
        }
        // A source seen before is missing: it keeps its name, and is
        // reported again for this link.
        const std::string name = NameOf(source);
        written_.push_back({link.face, name});
        AddFile(source, name);
        if (!companions) return;
        const std::string companion = paths::ChangeExtension(source, info_file::kCompanionExtension);
        if (!copy_.FindSource(companion))
            AddFile(companion, paths::ChangeExtension(name, info_file::kCompanionExtension));
    }

    const CopyList& Copy() const { return copy_; }
    // A file of the copy lies in the target already (noted only when asked).
    bool Overwrites() const { return overwrites_; }
    // Per link: its face and the name of its file in the target.
    const FontLinks& Written() const { return written_; }

private:
    // The name a linked file gets in the target folder: its own, unless a
    // file of another folder has it (C:\\a\\EUDC.TTE and C:\\b\\EUDC.TTE for
    // two faces); then the first of EUDC-2.TTE, EUDC-3.TTE, ... that is free
    // together with its companion. A name stays given to its source even
    // when the file is missing, so that no other face is linked to it.
    std::string NameOf(const std::string& source) {
        const std::string key = platform::UpperCaseText(source);
        const auto given = nameOfSource_.find(key);
        if (given != nameOfSource_.end()) return given->second;
        const std::string wanted = paths::FileNamePart(source);
        const std::string extension = paths::ExtensionOf(wanted);
        const std::string stem = wanted.substr(0, wanted.size() - extension.size());
        for (int n = 1;; ++n) {
            std::string name = n == 1 ? wanted : stem + "-" + std::to_string(n) + extension;
            const std::string upper = platform::UpperCaseText(name);
            const std::string upperCompanion =
                platform::UpperCaseText(paths::ChangeExtension(name, info_file::kCompanionExtension));
            if (takenNames_.count(upper) || takenNames_.count(upperCompanion)) continue;
            takenNames_.insert(upper);
            takenNames_.insert(upperCompanion);
            nameOfSource_.emplace(key, name);
            return name;
        }
    }

    // Puts one existing file into the copy under a name, or reports it
    // missing.
    void AddFile(const std::string& path, const std::string& name) {
        if (!IsFontFileName(path) || !platform::FileExists(path)) {
            report_.missing.push_back(path + texts::kNotFoundLine);
            return;
        }
        const std::string arrived = folder_ + name;
        copy_.Add(path, arrived);
        report_.copied.push_back(path + texts::kAcquiredLine);
        if (lookForOverwrites_ && platform::FileExists(arrived)) overwrites_ = true;
    }

    std::string folder_;
    bool lookForOverwrites_;
    AcquireReport& report_;
    CopyList copy_;
    // In capitals, as the file system compares names.
    std::unordered_set<std::string> takenNames_;
    std::unordered_map<std::string, std::string> nameOfSource_;
    FontLinks written_;
    bool overwrites_ = false;
};

// How many characters each acquired font holds; a file that is no font
// says nothing.
void CountCharacters(const CopyList& copy, AcquireReport& report) {
    std::string bytes;
    for (const CopyList::Item& item : copy.Items()) {
        size_t count = 0;
        if (!IsCompanionFile(item.destination) && CountFileCharacters(item.destination, count, bytes))
            report.characters.push_back(texts::Format(texts::kAcquiredCharacters, {item.source, count}));
    }
}

Result AcquireFiles(const Folders& folders, const Options& options, const std::string& folder,
                    const FontLinkTable& links, Notifier& notifier, AcquireReport& report) {
    if (!links.standard && !notifier.GoesOn(NonStandardQuestion(Operation::kAcquire)))
        return Result::kCancelled;
    report = AcquireReport();
    report.registryLinks = links;
    // A table that could not be read is no sign that this PC has no EUDC.
    if (!links.read) {
        report.failure.Note(steps::kRegistry, links.read);
        return Result::kAcquireFailed;
    }
    AcquireCopy copy(folder, notifier.Asks(), report);
    for (const FontLink& link : links.links) {
        // A face that EUDC.INI cannot hold would break the file for the
        // links after it.
        if (CanHoldFace(link.face))
            copy.AddLink(link, folders, options.copyCompanions);
        else
            report.missing.push_back(texts::Format(texts::kFaceNotAcquired, {link.face}));
    }
    if (copy.Copy().Empty()) return Result::kNoEudcOnThisMachine;

    if (copy.Overwrites() && !notifier.GoesOn(texts::kOverwriteQuestion))
        return Result::kCancelled;
    // A copy of one file into a missing folder would create a file of the
    // folder's name: make the folder first.
    if (const platform::Outcome made = CreateFolderTree(folder); !made) {
        report.failure.Note(steps::kTargetFolder, made);
        return Result::kAcquireFailed;
    }
    // The aborted flag is read afterwards: a copy the user aborted failed.
    const platform::ShellCopyResult result =
        platform::ShellCopy(copy.Copy().ShellRequest(texts::kAcquireProgressTitle));
    if (!result.outcome) report.failure.Note(steps::kCopy, result.outcome);
    if (result.aborted || !copy.Copy().AllArrived()) report.failure.Note(steps::kCopy);
    if (report.failure.Happened()) return Result::kAcquireFailed;
    if (const platform::Outcome written = WriteInfoFile(folder, options, copy.Written()); !written) {
        report.failure.Note(steps::kInfoFile, written);
        return Result::kAcquireFailed;
    }
    CountCharacters(copy.Copy(), report);
    return Result::kOk;
}

// The acquire's report; lines joins each list: whole for the run log,
// shortened for a box.
std::string AcquiredText(const AcquireReport& report, std::string (*lines)(const StringList&)) {
    return lines(report.copied) + lines(report.characters) + "\r" + lines(report.missing) + "\r\r" +
           texts::kAcquireClosing;
}

}  // namespace

Result AcquireEudc(const EudcRequest& request, AcquireReport& report) {
    Notifier& notifier = request.notifier;
    const FontLinkTable links = ReadFontLinks(request.folders.windows);
    report.registryLinks = links;
    // A target that cannot be spelled is a folder that cannot be made.
    if (!CheckSpelled(request.target.Folder(), notifier)) return Result::kAcquireFailed;
    const Result result =
        AcquireFiles(request.folders, request.options, request.target.Folder(), links, notifier, report);
    if (result == Result::kOk)
        notifier.Notify(AcquiredText(report, texts::CrLines), AcquiredText(report, texts::ShownCrLines));
    else if (const char* text = ResultText(Operation::kAcquire, result))
        notifier.Notify(text);
    return result;
}
