#include "engine/install/install_lock.h"

#include "engine/install/work_names.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {
// A logon script and the window may start together: wait out an install
// of a few seconds rather than fail at once.
const int kAttempts = 50;
const DWORD kPauseMs = 100;
}  // namespace

bool InstallLock::Take(const std::string& folder) {
    Release();
    const std::string path = folder + work_names::kLock;
    for (int attempt = 1;; ++attempt) {
        bool inUse = false;
        file_ = platform::OpenExclusiveFile(path, inUse);
        if (file_) {
            path_ = path;
            busy_ = false;
            return true;
        }
        busy_ = inUse;
        if (!inUse || attempt == kAttempts) return false;
        platform::Pause(kPauseMs);
    }
}

void InstallLock::Release() {
    if (!file_) return;
    file_.reset();
    // Fails, and should, when the next install has opened it meanwhile; a
    // file left by a killed process holds no lock.
    platform::DeleteOneFile(path_);
}
