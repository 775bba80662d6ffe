// A child process of a test or a benchmark: started in a job of its own,
// so that every process it starts (cmd's children too) ends with it, and
// ended when the object ends, so that a box nobody answers never outlives
// the test. Its handles close with the object.
#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

class ChildProcess {
public:
    // Starts a whole command line, program path first. quiet: its standard
    // input and output go to NUL, so that they do not mix with the caller's.
    explicit ChildProcess(std::wstring commandLine, bool quiet = false);
    // Ends it, and every process of its job, when it still runs.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    HANDLE Process() const { return process_.get(); }
    DWORD Id() const { return id_; }
    // Whether it still runs after waiting up to waitMs for its exit.
    bool Running(DWORD waitMs = 0) const;
    // Ends it and every process of its job with exitCode, and waits until
    // it has gone.
    void End(UINT exitCode);
    // The exit code once it has gone; -1 when it was not started.
    int ExitCode() const;
    // Waits up to timeoutMs for the exit and returns the exit code; -1 when
    // it was not started, or on a timeout, after which it is ended.
    int Wait(DWORD timeoutMs);

private:
    platform::UniqueHandle job_;
    platform::UniqueHandle process_;
    DWORD id_ = 0;
};
