#include "engine/report/operation_texts.h"

#include "engine/paths/work_names.h"
#include "engine/report/texts.h"

namespace {

struct ResultMessage {
    Result result;
    const char* acquire;  // nullptr: not the acquire's
    const char* install;  // nullptr: not the install's
};

const ResultMessage kMessages[] = {
    {Result::kAcquireFailed, texts::kAcquireFailed, nullptr},
    {Result::kInstalledIsNewer, nullptr, texts::kLatestInstalled},
    {Result::kRegistryRefused, nullptr, texts::kRegistryFailed},
    {Result::kNoLinkedFaceHere, nullptr, texts::kNoLinkFont},
    {Result::kCancelled, texts::kAcquireCancelled, texts::kInstallCancelled},
    {Result::kNoLinkTable, nullptr, texts::kInfoIncomplete},
    {Result::kNoInfoFile, nullptr, texts::kInfoMissing},
    {Result::kNoFilesToInstall, nullptr, texts::kNoSourceFiles},
    {Result::kNoEudcOnThisMachine, texts::kNoSystemEudc, nullptr},
    {Result::kCharactersKept, nullptr, texts::kCharactersKept},
};

}  // namespace

const char* ResultText(Operation operation, Result result) {
    for (const ResultMessage& message : kMessages) {
        if (message.result != result) continue;
        return operation == Operation::kAcquire ? message.acquire : message.install;
    }
    return nullptr;
}

std::string NonStandardQuestion(Operation operation) {
    if (operation == Operation::kAcquire)
        return texts::Format(texts::kNonStandardQuestion,
                             {texts::kOperationAcquire, texts::kOnOtherMachines, texts::kOperationAcquire});
    return texts::Format(texts::kNonStandardQuestion,
                         {texts::kOperationInstall, "", texts::kOperationInstall});
}

namespace {

// The text for a failure's code (Windows', or the program's for a shell
// copy's own code), without the line break it ends with.
std::string Reason(const Failure& failure) {
    std::string reason = failure.code ? platform::ErrorText(failure.Reason()) : std::string();
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

StringList FailureLines(const Failure& failure) {
    StringList lines;
    if (!failure.path.empty()) lines.push_back(texts::Format(texts::kFailedAtLine, {failure.path}));
    const std::string reason = Reason(failure);
    if (!reason.empty())
        lines.push_back(texts::Format(texts::kFailureReasonLine, {reason, platform::CodeName(failure.Reason())}));
    return lines;
}

}  // namespace

std::string InstallFailureText(bool ntFamily, const StringList& notRestored, const Failure& failure) {
    return std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource +
           (ntFamily ? texts::kInstallFailedUserFolder : texts::kInstallFailedPleaseCheck) +
           texts::CrLines(notRestored) + texts::CrLines(FailureLines(failure));
}

namespace {

// Codes a line names before it says there are more.
const size_t kCodesShown = 8;

// " (F040 F041 …)" for the first codes, or nothing for none.
std::string FirstCodes(const std::vector<uint16_t>& codes) {
    if (codes.empty()) return std::string();
    std::string text = " (";
    for (size_t i = 0; i < codes.size() && i < kCodesShown; ++i) text += (i ? " " : "") + characters::CodeName(codes[i]);
    return text + (codes.size() > kCodesShown ? " …)" : ")");
}

}  // namespace

std::string CharacterChangesLine(const std::string& font, const characters::CharacterChanges& changes,
                                 bool happened) {
    const struct {
        const std::vector<uint16_t>& codes;
        const char* pattern;
    } parts[] = {{changes.lost, happened ? texts::kLost : texts::kWouldLose},
                 {changes.changed, happened ? texts::kChanged : texts::kWouldChange},
                 {changes.added, happened ? texts::kAdded : texts::kWouldAdd}};
    std::string said;
    for (const auto& part : parts) {
        if (part.codes.empty()) continue;
        if (!said.empty()) said += texts::kPartJoint;
        said += texts::Format(part.pattern, {part.codes.size(), FirstCodes(part.codes)});
    }
    return said.empty() ? said : texts::Format(texts::kCharactersOfFont, {font}) + said;
}

std::string NoFontReplacesLine(const std::string& font, const std::vector<uint16_t>& lost, bool happened) {
    return texts::Format(happened ? texts::kNoFontReplacedLine : texts::kNoFontReplacesLine,
                         {font, lost.size(), FirstCodes(lost)});
}

std::string ReplaceQuestion(const StringList& characterLines, const std::string& userDataFolder) {
    std::string question;
    for (const std::string& line : texts::ShownLines(characterLines)) question += line + "\r\n";
    const std::string backups = userDataFolder + work_names::kBackupFolder + "\\";
    return question + texts::Format(texts::kBackupBeforeQuestion, {backups}) + "\r\n" + texts::kReplaceQuestion;
}
