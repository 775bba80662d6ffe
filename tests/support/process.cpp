#include <gtest/gtest.h>

#include "engine/paths/paths.h"
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
    if (pid == search->processId && IsWindowVisible(window) && ClassName(window) == "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    if (lstrcmpiA(ClassName(child).c_str(), "Static") == 0) {
        char text[4096] = {};
        GetWindowTextA(child, text, sizeof text);
        if (text[0]) *reinterpret_cast<std::string*>(param) += text;
    }
    return TRUE;
}

// Whether a box has been shown long enough to be on the screen: visible at
// two looks 100 ms apart.
bool Settled(HWND box) {
    Sleep(100);
    return IsWindowVisible(box) != FALSE;
}

}  // namespace

ProcessRun RunAnsweringBoxes(const std::string& exe, const std::string& arguments,
                             std::deque<int> answers, DWORD timeoutMs) {
    return RunCommandLine(Wide("\"" + exe + "\" " + arguments), std::move(answers), timeoutMs);
}

ProcessRun RunCommandLine(std::wstring commandLine, std::deque<int> answers, DWORD timeoutMs) {
    ProcessRun run;
    ChildProcess child(std::move(commandLine));
    HWND answered = nullptr;
    DWORD waited = 0;
    while (child.Running(50)) {
        waited += 50;
        if (waited > timeoutMs) {
            child.End(255);
            break;
        }
        BoxSearch search{child.Id()};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found || search.found == answered) continue;
        // A box answered the moment it turns visible can be gone before
        // Wine's X11 driver has shown it, and the child then meets an X
        // error that ends its boxes: answer as a person would, once it is
        // on the screen.
        if (!Settled(search.found)) continue;
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
    run.exitCode = child.ExitCode();
    return run;
}

}  // namespace testing_support

namespace testing_support {

namespace {
// Another process holds path when an open asking for delete access fails.
bool HeldByAnother(const std::string& path) {
    const platform::UniqueFile file(CreateFileA(path.c_str(), DELETE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file && GetLastError() == ERROR_SHARING_VIOLATION;
}

std::string HoldFileExe() { return paths::FolderPart(platform::ExecutablePath()) + "hold_file.exe"; }

std::wstring HoldCommand(const std::string& path, DWORD share, DWORD milliseconds) {
    std::string commandLine = "\"" + HoldFileExe() + "\" \"" + path + "\" " + std::to_string(share);
    if (milliseconds != INFINITE) commandLine += " " + std::to_string(milliseconds);
    return Wide(commandLine);
}
}  // namespace

FileHolder::FileHolder(const std::string& path, DWORD share, DWORD milliseconds)
    : holder_(HoldCommand(path, share, milliseconds)) {
    if (!holder_.Started()) {
        ADD_FAILURE() << "cannot start " << HoldFileExe();
        return;
    }
    // A loaded machine may take seconds to start a process under Wine.
    const DWORD started = GetTickCount();
    while (!HeldByAnother(path)) {
        // A starved poll may miss a short hold that has already ended well.
        if (milliseconds != INFINITE && !holder_.Running() && holder_.ExitCode() == 0) return;
        if (GetTickCount() - started > 30000 || !holder_.Running()) {
            ADD_FAILURE() << "hold_file did not take " << path << " (exit code " << holder_.ExitCode() << ")";
            return;
        }
        Sleep(10);
    }
}

}  // namespace testing_support
