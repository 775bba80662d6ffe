// The shell's file copy, with the system's progress dialog on long copies.
//
// On failure: the shell's code, as a failure of CodeKind::kShellCopy (its
// own DE_* values, or a Windows code passed on). The shell can report
// success for a file it did not write (Wine does), so the caller checks
// what arrived.
#pragma once

#include <windows.h>
#include <shellapi.h>  // FOF_* flags

#include <string>

#include "platform/outcome.h"
#include "platform/windows_true.h"

namespace platform {

struct ShellCopyRequest {
    std::string sources;       // NUL-separated, ending in two NULs
    std::string destinations;  // likewise
    WORD flags = 0;  // FOF_* bits
    std::string progressTitle;
    BOOL abortedBefore = FALSE;  // value of the aborted flag before the call
};
struct ShellCopyResult {
    Outcome outcome;       // success: the shell reported the copy done
    BOOL aborted = FALSE;  // the aborted flag after the call
};
// One FO_COPY through SHFileOperationA with no window and no name mappings.
ShellCopyResult ShellCopy(const ShellCopyRequest& request);

}  // namespace platform
