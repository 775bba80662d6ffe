#include "engine/acquire.h"

#include "engine/install/copy_list.h"
#include "engine/folder_tree.h"
#include "engine/info_file.h"
#include "engine/operation_texts.h"
#include "engine/paths.h"
#include "engine/texts.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "platform/shell.h"

namespace {

// The name a linked file gets in the target folder: its own, unless a file
// of another folder took it (C:\a\EUDC.TTE and C:\b\EUDC.TTE for two
// faces); then the first of EUDC-2.TTE, EUDC-3.TTE, ... that is free
// together with its companion.
std::string FreeName(const CopyList& copy, const std::string& folder, const std::string& wanted) {
    const std::string extension = paths::ExtensionOf(wanted);
    const std::string stem = wanted.substr(0, wanted.size() - extension.size());
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? wanted : stem + "-" + std::to_string(n) + extension;
        const std::string companion = paths::ChangeExtension(name, info_file::kCompanionExtension);
        if (!copy.HoldsDestination(folder + name) && !copy.HoldsDestination(folder + companion)) return name;
    }
}

// The name under which a source already in the copy arrives.
std::string ArrivingName(const CopyList& copy, const std::string& source) {
    for (const CopyList::Item& item : copy.Items())
        if (item.source.find(source) != std::string::npos) return paths::FileNamePart(item.destination);
    return paths::FileNamePart(source);
}

// The file a link names on this machine: a bare default name is the
// Windows folder's (its fonts folder on the NT family).
std::string SourceOf(const std::string& file, const Folders& folders) {
    if (paths::UpperAscii(file) != info_file::kDefaultFontFile) return file;
    const std::string folder = folders.IsNtFamily() ? folders.windows + "fonts\\" : folders.windows;
    return folder + info_file::kDefaultFontFile;
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
    // under a free name.
    void TakeLink(const FontLink& link, const Folders& folders, bool companions) {
        if (link.file.empty()) {
            // A link without a path is a file that cannot be found.
            report_.missing.push_back(texts::Format(texts::kEmptyLinkLine, {link.face}));
            written_.push_back({link.face, link.file});
            return;
        }
        if (copy_.SourcesContain(link.file)) {
            written_.push_back({link.face, ArrivingName(copy_, link.file)});
            return;
        }
        const std::string source = SourceOf(link.file, folders);
        const std::string name = FreeName(copy_, folder_, paths::FileNamePart(source));
        written_.push_back({link.face, name});
        Take(source, name);
        if (!companions) return;
        const std::string companion = paths::ChangeExtension(source, info_file::kCompanionExtension);
        if (!copy_.SourcesContain(companion))
            Take(companion, paths::ChangeExtension(name, info_file::kCompanionExtension));
    }

    const CopyList& Copy() const { return copy_; }
    // A file of the copy lies in the target already (noted only when asked).
    bool Overwrites() const { return overwrites_; }
    // Per link: its face and the name of its file in the target.
    const FontLinks& Written() const { return written_; }

private:
    // Puts one existing file into the copy under a name, or reports it
    // missing.
    void Take(const std::string& path, const std::string& name) {
        if (!platform::FileExists(path)) {
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
    FontLinks written_;
    bool overwrites_ = false;
};

Result AcquireFiles(const Folders& folders, const Options& options, const std::string& folder,
                    const FontLinkTable& links, AcquireReport& report) {
    if (options.confirm && !links.standard && platform::AnsweredNo(NonStandardQuestion(Operation::kAcquire)))
        return Result::kCancelled;
    report = AcquireReport();
    const bool askOverwrite = options.confirm && !options.silent;
    AcquireCopy copy(folder, askOverwrite, report);
    for (const FontLink& link : links.links) copy.TakeLink(link, folders, options.copyCompanions);
    if (copy.Copy().Empty()) return Result::kNoEudcOnThisMachine;

    if (askOverwrite && copy.Overwrites() && platform::AnsweredNo(texts::kOverwriteQuestion))
        return Result::kCancelled;
    // A copy of one file into a missing folder would create a file of the
    // folder's name: make the folder first.
    if (!CreateFolderTree(folder)) return Result::kAcquireFailed;

    // The aborted flag is read afterwards: a copy the user aborted failed.
    const platform::ShellCopyResult result =
        platform::ShellCopy(copy.Copy().ShellRequest(texts::kAcquireProgressTitle));
    if (result.code != 0 || result.aborted || !copy.Copy().AllArrived()) return Result::kAcquireFailed;
    if (!WriteInfoFile(folder, options, copy.Written())) return Result::kAcquireFailed;
    return Result::kOk;
}

}  // namespace

Result AcquireEudc(const Folders& folders, const Options& options, Target& target, FontLinkTable& links,
                   Notifier& notifier, AcquireReport& report) {
    links = ReadFontLinks(folders.windows);
    // A target that cannot be spelled is a folder that cannot be made.
    target.Resolve();
    if (!CheckSpelled(target.folder, notifier)) return Result::kAcquireFailed;
    const Result result = AcquireFiles(folders, options, target.folder, links, report);
    if (result == Result::kOk)
        notifier.Notify(texts::CrLines(report.copied) + "\r" + texts::CrLines(report.missing) + "\r\r" +
                        texts::kAcquireClosing);
    else if (const char* text = ResultText(Operation::kAcquire, result))
        notifier.Notify(text);
    return result;
}
