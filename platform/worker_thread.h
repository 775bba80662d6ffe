// One thread beside a window's, for work the window must not wait for
// (reading a font, building its index): jobs run on it one after another,
// in the order given. Its owner ends it by destroying it, which asks the
// job under way to stop (Stopping()), drops the jobs not begun and waits
// for the thread: nothing of a job runs after the destructor returns.
//
// On failure: Post gives false when the thread cannot be started (no
// memory, no handle); the job then never runs.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

#include "platform/unique_handle.h"

namespace platform {

// A critical section, held by Lock while it lives.
class CriticalSection {
public:
    CriticalSection() { InitializeCriticalSection(&section_); }
    ~CriticalSection() { DeleteCriticalSection(&section_); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    class Lock {
    public:
        explicit Lock(CriticalSection& section) : section_(section) { EnterCriticalSection(&section_.section_); }
        ~Lock() { LeaveCriticalSection(&section_.section_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        CriticalSection& section_;
    };

private:
    CRITICAL_SECTION section_{};
};

class WorkerThread {
public:
    using Job = std::function<void()>;

    WorkerThread() = default;
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Queues job; the thread starts with the first.
    bool Post(Job job);
    // True once the owner is ending the worker: a long job looks and returns.
    bool Stopping();

private:
    static DWORD WINAPI Run(void* self);
    // The next job, or false once stopping.
    bool Next(Job& job);

    CriticalSection lock_;
    UniqueHandle wake_, thread_;  // an auto-reset event: a job was queued, or stop
    std::deque<Job> jobs_;
    bool stopping_ = false;
};

}  // namespace platform
