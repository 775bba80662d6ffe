// Acquire: copy the EUDC font files that this machine's link table names
// into the target folder, then write its EUDC.INI.
#include "command/copy_list.h"
#include "command/info_file.h"
#include "command/param.h"
#include "command/paths.h"
#include "command/texts.h"
#include "platform/platform.h"

uint8_t TminamoParam::AcquireFiles() {
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
    // Puts one existing file into the copy, or reports it missing.
    auto take = [&](const std::string& path) {
        if (!platform::FileExists(path)) {
            MissingLines.push_back(path + texts::kNotFoundLine);
            return;
        }
        const std::string arrived = TargetFolder + paths::FileNamePart(path);
        copy.Add(path, arrived);
        DoneLines.push_back(path + texts::kAcquiredLine);
        if (platform::FileExists(arrived)) overwrite = true;
    };
    for (const std::string& file : LinkFiles) {
        if (copy.SourcesContain(file)) continue;
        std::string source = file;
        if (paths::UpperAscii(file) == info_file::kDefaultFontFile)
            source = (IsNtFamily() ? WindowsFolder + "fonts\\" : WindowsFolder) + info_file::kDefaultFontFile;
        take(source);
        if (!CopyEUF) continue;
        const std::string companion = paths::ChangeExtension(source, info_file::kCompanionExtension);
        if (!copy.SourcesContain(companion)) take(companion);
    }
    if (copy.Empty()) return kResultNoSystemEudc;

    if (Confirm && !Silent && overwrite &&
        platform::AskYesNo(texts::kOverwriteQuestion) == IDNO)
        return kResultCancelled;
    // A copy of one file into a missing folder would create a file of the
    // folder's name: make the folder first.
    if (!platform::CreateDirectoryTree(TargetFolder)) return kResultAcquireFailed;

    platform::ShellCopyRequest request;
    request.sources = copy.SourceText();
    request.destinations = TargetFolder + std::string(2, '\0');
    request.flags = FOF_NOCONFIRMATION | FOF_FILESONLY;
    request.progressTitle = texts::kAcquireProgressTitle;
    request.abortedBefore = FALSE;
    platform::ShellCopyResult result = platform::ShellCopy(request);
    if (result.code != 0 || result.aborted || !copy.AllArrived()) return kResultAcquireFailed;
    if (!WriteInfoFile()) return kResultAcquireFailed;
    return kResultOk;
}

uint8_t TminamoParam::GetEudc() {
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
