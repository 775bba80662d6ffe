// The outcome of a Windows call that can fail: success, or the error code
// the system gave (GetLastError, or the code a registry call returns), so
// that a failure keeps its reason on its way up to a message or a log line.
//
// On failure: cannot fail. ErrorText gives an empty text for a code the
// system has no text for.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

class Outcome {
public:
    // Success.
    Outcome() = default;
    // A failure with code; a code of 0 (a call that failed without saying
    // why) still counts as a failure.
    static Outcome Failure(DWORD code) { return Outcome(true, code); }
    // The calling thread's last error, as a failure.
    static Outcome LastError() { return Failure(GetLastError()); }
    // Success when ok, else the last error.
    static Outcome Of(BOOL ok) { return ok ? Outcome() : LastError(); }

    explicit operator bool() const { return !failed_; }
    DWORD Code() const { return code_; }  // 0 on success

private:
    Outcome(bool failed, DWORD code) : failed_(failed), code_(code) {}
    bool failed_ = false;
    DWORD code_ = 0;
};

// The system's text for an error code, in the user's language, without its
// line end.
std::string ErrorText(DWORD code);

}  // namespace platform
