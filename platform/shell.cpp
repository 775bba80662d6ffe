// The shell's file copy, with the system's progress dialog on long copies.
#include "platform/shell.h"

namespace platform {

ShellCopyResult ShellCopy(const ShellCopyRequest& request) {
    SHFILEOPSTRUCTA op = {};
    op.hwnd = nullptr;
    op.wFunc = FO_COPY;
    op.pFrom = request.sources.c_str();
    op.pTo = request.destinations.c_str();
    op.fFlags = request.flags;
    op.fAnyOperationsAborted = request.abortedBefore;
    op.hNameMappings = nullptr;
    op.lpszProgressTitle = request.progressTitle.c_str();
    ShellCopyResult result;
    const int code = SHFileOperationA(&op);
    if (code != 0) result.outcome = Outcome::Failure(static_cast<DWORD>(code), CodeKind::kShellCopy);
    result.aborted = op.fAnyOperationsAborted;
    return result;
}

}  // namespace platform
