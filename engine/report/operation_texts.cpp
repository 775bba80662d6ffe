#include "engine/report/operation_texts.h"

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

std::string InstallFailureText(bool ntFamily, const StringList& notRestored) {
    return std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource +
           (ntFamily ? texts::kInstallFailedUserFolder : texts::kInstallFailedPleaseCheck) +
           texts::CrLines(notRestored);
}
