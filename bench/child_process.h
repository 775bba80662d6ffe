// Child processes for the benchmarks: started with CreateProcess, timed
// with the performance counter from just before the start to the exit.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

struct Timed {
    int exitCode = -1;  // -1 when it could not be started or timed out
    double milliseconds = 0;
};

// Runs a whole command line (program and arguments) and waits for it.
Timed RunTimed(const std::string& commandLine, DWORD timeoutMs = 600000);

// A started child that the caller watches; the handles close with it.
class Child {
public:
    explicit Child(const std::string& commandLine);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    bool started() const { return info_.hProcess != nullptr; }
    HANDLE process() const { return info_.hProcess; }
    DWORD id() const { return info_.dwProcessId; }
    // Waits for the exit; -1 on a timeout (the child is then terminated).
    int Wait(DWORD timeoutMs);

private:
    PROCESS_INFORMATION info_ = {};
};

}  // namespace bench
