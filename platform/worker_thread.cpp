#include "platform/worker_thread.h"

namespace platform {

WorkerThread::~WorkerThread() {
    {
        CriticalSection::Lock held(lock_);
        stopping_ = true;
        jobs_.clear();
    }
    if (!thread_) return;
    SetEvent(wake_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
}

bool WorkerThread::Post(Job job) {
    if (!wake_) wake_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!wake_) return false;
    if (!thread_) {
        DWORD id = 0;
        thread_.reset(CreateThread(nullptr, 0, &WorkerThread::Run, this, 0, &id));
        if (!thread_) return false;
    }
    {
        CriticalSection::Lock held(lock_);
        jobs_.push_back(std::move(job));
    }
    SetEvent(wake_.get());
    return true;
}

bool WorkerThread::Stopping() {
    CriticalSection::Lock held(lock_);
    return stopping_;
}

bool WorkerThread::Next(Job& job) {
    for (;;) {
        {
            CriticalSection::Lock held(lock_);
            if (stopping_) return false;
            if (!jobs_.empty()) {
                job = std::move(jobs_.front());
                jobs_.pop_front();
                return true;
            }
        }
        WaitForSingleObject(wake_.get(), INFINITE);
    }
}

DWORD WINAPI WorkerThread::Run(void* self) {
    WorkerThread& worker = *static_cast<WorkerThread*>(self);
    Job job;
    while (worker.Next(job)) {
        job();
        job = nullptr;  // what it holds goes on this thread, before the next waits
    }
    return 0;
}

}  // namespace platform
