// Peak memory of a window program: its peak working set once its windows
// are up and drawn, read from outside with GetProcessMemoryInfo.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "platform/text.h"
#include "tests/support/child_process.h"

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId && IsWindowVisible(window)) search->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindows(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

// Waits until the process shows at least count top-level windows.
bool WaitForWindows(const ChildProcess& child, size_t count, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (VisibleWindows(child.Id()).size() >= count) return true;
        if (!child.Running(50)) return false;
    }
    return false;
}

// The main window is the one without an owner.
HWND MainWindow(DWORD processId) {
    for (HWND window : VisibleWindows(processId))
        if (!GetWindow(window, GW_OWNER)) return window;
    return nullptr;
}

// One run: the peak working set in KB, or 0 when it failed.
double PeakOnce(const std::string& command, int clickId, int waitMs) {
    ChildProcess child(platform::ToWide(CP_ACP, command), true);
    if (!child.Started() || !WaitForWindows(child, 1, 30000)) return 0;
    HWND main = MainWindow(child.Id());
    if (clickId) {
        HWND button = GetDlgItem(main, clickId);
        if (!button) return 0;
        PostMessageA(button, BM_CLICK, 0, 0);
        if (!WaitForWindows(child, 2, 30000)) return 0;
    }
    Sleep(static_cast<DWORD>(waitMs));
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    const bool read = GetProcessMemoryInfo(child.Process(), &counters, sizeof counters);
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (child.Wait(30000) != 0 || !read) return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
}

}  // namespace

namespace bench {

int Memory(int runs, const std::string& command, int clickId, int waitMs) {
    Samples peaks;
    for (int i = 0; i < runs; ++i) {
        const double kb = PeakOnce(command, clickId, waitMs);
        if (kb <= 0) {
            std::fprintf(stderr, "no peak working set read: %s\n", command.c_str());
            return 1;
        }
        peaks.push_back(kb);
    }
    std::fprintf(stderr, "  peak KB: %s\n", Listed(peaks).c_str());
    std::printf("%.0f\n", Median(peaks));
    return 0;
}

}  // namespace bench
