#include <gtest/gtest.h>

#include "engine/paths.h"
#include "tests/support/test_support.h"

namespace testing_support {

int RunProcess(const std::string& exe, const std::string& arguments, DWORD timeoutMs) {
    return RunAnsweringBoxes(exe, arguments, {}, timeoutMs).exitCode;
}

namespace {

struct BoxSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (pid == search->processId && IsWindowVisible(window) && std::string(cls) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        char text[4096] = {};
        GetWindowTextA(child, text, sizeof text);
        if (text[0]) *reinterpret_cast<std::string*>(param) += text;
    }
    return TRUE;
}

}  // namespace

ProcessRun RunAnsweringBoxes(const std::string& exe, const std::string& arguments,
                             std::deque<int> answers, DWORD timeoutMs) {
    return RunCommandLine(Wide("\"" + exe + "\" " + arguments), std::move(answers), timeoutMs);
}

int RunThroughCmd(const std::wstring& line, DWORD timeoutMs) {
    return RunCommandLine(L"cmd /c " + line, {}, timeoutMs).exitCode;
}

ProcessRun RunCommandLine(std::wstring commandLine, std::deque<int> answers, DWORD timeoutMs) {
    ProcessRun run;
    // Every process the run starts (cmd's children too) is in the job and
    // ends with it: a box nobody answers never outlives the test.
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &process)) {
        CloseHandle(job);
        return run;
    }
    AssignProcessToJobObject(job, process.hProcess);
    ResumeThread(process.hThread);
    HWND answered = nullptr;
    DWORD waited = 0;
    while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
        waited += 50;
        if (waited > timeoutMs) {
            TerminateJobObject(job, 255);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
        BoxSearch search{process.dwProcessId};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found || search.found == answered) continue;
        std::string text;
        EnumChildWindows(search.found, CollectStatic, reinterpret_cast<LPARAM>(&text));
        run.boxes.push_back(text);
        int button = IDOK;
        if (GetDlgItem(search.found, IDYES)) {
            button = answers.empty() ? IDYES : answers.front();
            if (!answers.empty()) answers.pop_front();
        }
        answered = search.found;
        PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(search.found, button)));
    }
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    run.exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(job);
    return run;
}

}  // namespace testing_support

namespace testing_support {

namespace {
// Another process holds path when an open asking for delete access fails.
bool HeldByAnother(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    return h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
}
}  // namespace

FileHolder::FileHolder(const std::string& path, DWORD share, DWORD milliseconds) {
    const std::string exe = paths::FolderPart(platform::ExecutablePath()) + "hold_file.exe";
    std::string commandLine = "\"" + exe + "\" \"" + path + "\" " + std::to_string(share);
    if (milliseconds != INFINITE) commandLine += " " + std::to_string(milliseconds);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        ADD_FAILURE() << "cannot start " << exe;
        return;
    }
    for (int waited = 0; !HeldByAnother(path); waited += 10) {
        if (waited > 10000 || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
            ADD_FAILURE() << "hold_file did not take " << path;
            return;
        }
        Sleep(10);
    }
}

FileHolder::~FileHolder() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

}  // namespace testing_support
