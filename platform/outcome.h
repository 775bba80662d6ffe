// The outcome of a Windows call that can fail: success, or the error code
// the system gave (GetLastError, or the code a registry call returns), so
// that a failure keeps its reason on its way up to a message or a log line.
// The shell's copy answers in codes of its own, kept apart as such.
// [[nodiscard]]: an outcome dropped is a reason lost; a caller that means
// to drop one says so with Ignore() and why.
//
// On failure: cannot fail. ErrorText gives an empty text for a Windows code
// the system has no text for.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// Whose numbering a failure's code is in.
enum class CodeKind {
    kWindows,    // winerror.h: GetLastError, the registry's returns
    kShellCopy,  // SHFileOperation's return: its DE_* values mean other
                 // things than the winerror.h codes of the same numbers
};

class [[nodiscard]] Outcome {
public:
    // Success.
    Outcome() = default;
    // A failure with code; a code of 0 (a call that failed without saying
    // why) still counts as a failure.
    static Outcome Failure(DWORD code, CodeKind kind = CodeKind::kWindows) { return Outcome(true, code, kind); }
    // The calling thread's last error, as a failure.
    static Outcome LastError() { return Failure(GetLastError()); }
    // Success when ok, else the last error.
    static Outcome Of(BOOL ok) { return ok ? Outcome() : LastError(); }

    explicit operator bool() const { return !failed_; }
    DWORD Code() const { return code_; }  // 0 on success
    CodeKind Kind() const { return kind_; }
    // A failure dropped on purpose; the call says why.
    void Ignore() const {}

private:
    Outcome(bool failed, DWORD code, CodeKind kind) : failed_(failed), code_(code), kind_(kind) {}
    bool failed_ = false;
    DWORD code_ = 0;
    CodeKind kind_ = CodeKind::kWindows;
};

// The system's text for an error code, in the user's language, without its
// line end.
std::string ErrorText(DWORD code);
// The text for a failure's code: the system's for a Windows code; for a
// shell copy's own code, the program's (the system has none), or the
// system's where the shell passed a Windows code on.
std::string ErrorText(const Outcome& outcome);
// The code as a log line names it: a Windows code in decimal, a shell
// copy's as "SHFileOperation 0x75", in the hexadecimal its documentation
// lists them in.
std::string CodeName(const Outcome& outcome);

}  // namespace platform
