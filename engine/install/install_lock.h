// One install at a time per user data folder, across processes and
// sessions: a lock file in the folder, held open with no sharing.
#pragma once

#include <string>

#include "platform/outcome.h"
#include "platform/unique_handle.h"

class InstallLock {
public:
    InstallLock() = default;
    ~InstallLock() { Release(); }
    InstallLock(const InstallLock&) = delete;
    InstallLock& operator=(const InstallLock&) = delete;

    // Claims the lock of folder, waiting a few seconds while another install
    // holds it. A failure when it was not claimed; Busy() tells whether
    // another install held it.
    platform::Outcome Claim(const std::string& folder);
    // The last Claim gave up because another install held the lock.
    bool Busy() const { return busy_; }
    void Release();

private:
    platform::UniqueFile file_;
    std::string path_;
    bool busy_ = false;
};
