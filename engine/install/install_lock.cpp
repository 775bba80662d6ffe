#include "engine/install/install_lock.h"

#include "engine/paths/work_names.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {
// A logon script and the window may start together: wait out an install
// of a few seconds rather than fail at once.
const int kAttempts = 50;
const DWORD kPauseMs = 100;
}  // namespace

platform::Outcome InstallLock::Claim(const std::string& folder) {
    Release();
    const std::string path = folder + work_names::kLock;
    for (int attempt = 1;; ++attempt) {
        platform::Outcome opened;
        file_ = platform::OpenExclusiveFile(path, opened);
        busy_ = opened.Code() == ERROR_SHARING_VIOLATION;
        if (file_) path_ = path;
        if (file_ || !busy_ || attempt == kAttempts) return opened;
        platform::Pause(kPauseMs);
    }
}

void InstallLock::Release() {
    if (!file_) return;
    file_.reset();
    // Fails, and should, when the next install has opened it meanwhile; a
    // file left by a killed process holds no lock.
    platform::DeleteOneFile(path_).Ignore();
}
