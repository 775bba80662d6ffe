#include "tests/support/child_process.h"

namespace {

platform::UniqueHandle KillOnCloseJob() {
    platform::UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

}  // namespace

ChildProcess::ChildProcess(std::wstring commandLine, bool quiet) : job_(KillOnCloseJob()) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    platform::UniqueFile nul;
    if (quiet) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        nul.reset(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &inherit, OPEN_EXISTING, 0, nullptr));
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nul.get();
    }
    // Suspended until it is in the job: nothing it starts escapes.
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, quiet, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &info))
        return;
    process_.reset(info.hProcess);
    const platform::UniqueHandle thread(info.hThread);
    id_ = info.dwProcessId;
    AssignProcessToJobObject(job_.get(), Process());
    ResumeThread(thread.get());
}

ChildProcess::~ChildProcess() {
    if (Running()) End(255);
}

bool ChildProcess::Running(DWORD waitMs) const {
    return Started() && WaitForSingleObject(Process(), waitMs) == WAIT_TIMEOUT;
}

void ChildProcess::End(UINT exitCode) {
    if (!Started()) return;
    TerminateJobObject(job_.get(), exitCode);
    WaitForSingleObject(Process(), 10000);
}

int ChildProcess::ExitCode() const {
    DWORD code = static_cast<DWORD>(-1);
    if (Started()) GetExitCodeProcess(Process(), &code);
    return static_cast<int>(code);
}

int ChildProcess::Wait(DWORD timeoutMs) {
    if (Running(timeoutMs)) {
        End(255);
        return -1;
    }
    return ExitCode();
}
