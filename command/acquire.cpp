// Acquire: copy the EUDC font files that this machine's link table names
// into the target folder, then write its EUDC.INI.
#include "command/copy_list.h"
#include "command/folder_tree.h"
#include "command/info_file.h"
#include "command/param.h"
#include "command/paths.h"
#include "command/texts.h"
#include "platform/platform.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return platform::CompareTextIgnoreCase(a, b) == 0;
}

// Whether a file of the copy already arrives under this name.
bool NameTaken(const CopyList& copy, const std::string& name) {
    for (const CopyList::Item& item : copy.Items())
        if (SameName(paths::FileNamePart(item.destination), name)) return true;
    return false;
}

// The name a linked file gets in the target: its own, unless a file of
// another folder took it (C:\a\EUDC.TTE and C:\b\EUDC.TTE for two faces);
// then the first of EUDC-2.TTE, EUDC-3.TTE, ... that is free together with
// its companion.
std::string FreeName(const CopyList& copy, const std::string& wanted) {
    const std::string extension = paths::ExtensionOf(wanted);
    const std::string stem = wanted.substr(0, wanted.size() - extension.size());
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? wanted : stem + "-" + std::to_string(n) + extension;
        if (!NameTaken(copy, name) && !NameTaken(copy, paths::ChangeExtension(name, info_file::kCompanionExtension)))
            return name;
    }
}

// The name under which a source already in the copy arrives.
std::string ArrivingName(const CopyList& copy, const std::string& source) {
    for (const CopyList::Item& item : copy.Items())
        if (item.source.find(source) != std::string::npos) return paths::FileNamePart(item.destination);
    return paths::FileNamePart(source);
}

}  // namespace

uint8_t TminamoParam::AcquireFiles() {
    // Whether a file of the same name is in the target matters only to the
    // question; a silent run need not look.
    const bool askOverwrite = Confirm && !Silent;
    bool overwrite = false;
    if (Confirm && !StandardLinks &&
        platform::AskYesNo(texts::Format(texts::kNonStandardQuestion,
                                         {texts::kOperationAcquire, texts::kOnOtherMachines,
                                          texts::kOperationAcquire})) == IDNO)
        return kResultCancelled;
    ResolveTarget();
    DoneLines.clear();
    MissingLines.clear();

    CopyList copy;
    // Puts one existing file into the copy under a name, or reports it missing.
    auto take = [&](const std::string& path, const std::string& name) {
        if (!platform::FileExists(path)) {
            MissingLines.push_back(path + texts::kNotFoundLine);
            return;
        }
        const std::string arrived = TargetFolder + name;
        copy.Add(path, arrived);
        DoneLines.push_back(path + texts::kAcquiredLine);
        if (askOverwrite && platform::FileExists(arrived)) overwrite = true;
    };
    StringList names;  // per link: the name of its file in the target
    for (size_t i = 0; i < LinkFiles.size(); ++i) {
        const std::string& file = LinkFiles[i];
        if (file.empty()) {
            // A link without a path is a file that cannot be found.
            MissingLines.push_back(texts::Format(texts::kEmptyLinkLine, {LinkNames[i]}));
            names.push_back(file);
            continue;
        }
        if (copy.SourcesContain(file)) {
            names.push_back(ArrivingName(copy, file));
            continue;
        }
        std::string source = file;
        if (paths::UpperAscii(file) == info_file::kDefaultFontFile)
            source = (IsNtFamily() ? WindowsFolder + "fonts\\" : WindowsFolder) + info_file::kDefaultFontFile;
        const std::string name = FreeName(copy, paths::FileNamePart(source));
        names.push_back(name);
        take(source, name);
        if (!CopyEUF) continue;
        const std::string companion = paths::ChangeExtension(source, info_file::kCompanionExtension);
        if (!copy.SourcesContain(companion))
            take(companion, paths::ChangeExtension(name, info_file::kCompanionExtension));
    }
    if (copy.Empty()) return kResultNoSystemEudc;

    if (askOverwrite && overwrite && platform::AskYesNo(texts::kOverwriteQuestion) == IDNO)
        return kResultCancelled;
    // A copy of one file into a missing folder would create a file of the
    // folder's name: make the folder first.
    if (!CreateFolderTree(TargetFolder)) return kResultAcquireFailed;

    platform::ShellCopyRequest request;
    request.sources = copy.SourceText();
    // One destination per file: a renamed file arrives under its new name.
    request.destinations = copy.DestinationText();
    request.flags = FOF_MULTIDESTFILES | FOF_NOCONFIRMATION | FOF_FILESONLY;
    request.progressTitle = texts::kAcquireProgressTitle;
    request.abortedBefore = FALSE;
    platform::ShellCopyResult result = platform::ShellCopy(request);
    if (result.code != 0 || result.aborted || !copy.AllArrived()) return kResultAcquireFailed;
    if (!WriteInfoFile(names)) return kResultAcquireFailed;
    return kResultOk;
}

uint8_t TminamoParam::GetEudc() {
    // A target that cannot be spelled is a folder that cannot be made.
    ResolveTarget();
    if (!CheckSpelled(TargetFolder)) return kResultAcquireFailed;
    uint8_t result = AcquireFiles();
    switch (result) {
        case kResultOk: {
            Notify(texts::CrLines(DoneLines) + "\r" + texts::CrLines(MissingLines) + "\r\r" +
                   texts::kAcquireClosing);
            break;
        }
        case kResultAcquireFailed: Notify(texts::kAcquireFailed); break;
        case kResultCancelled: Notify(texts::kAcquireCancelled); break;
        case kResultNoSystemEudc: Notify(texts::kNoSystemEudc); break;
        default: break;
    }
    return result;
}
