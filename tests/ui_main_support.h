// Driving the main window family in-process: real messages to real
// controls, modal windows answered step by step from their idle message.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/run/run_parameters.h"
#include "tests/support/test_support.h"
#include "ui/client_size.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/main/main_window.h"

namespace ui_test {

using testing_support::PumpMessages;
using testing_support::SelectItem;

void Click(HWND button);  // BM_CLICK, as a mouse click does
std::vector<std::string> Items(HWND combo);
std::string SelectedItem(HWND combo);
bool Enabled(HWND control);
bool Checked(HWND button);
SIZE Client(HWND window);
RECT Outer(HWND window);
RECT InParent(HWND child);
std::string Text(HWND window);
// Sends a key to a control through the dialog manager of its window, as
// the message loop does.
void PressKey(HWND window, HWND control, WPARAM key);

using testing_support::PressKeys;
// Real input through SendInput (PressKeys: tests/support/test_support.h):
// the mouse moved to a screen point with MOUSEEVENTF_ button or wheel flags.
// Input goes to the window under the mouse when it is sent: a drag presses
// in one step and lets go in the next, once the press gave the dragged
// window the mouse.
void Mouse(POINT screen, DWORD flags = 0, int wheel = 0);
constexpr DWORD kClick = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
POINT Centre(HWND window);
POINT CaptionPoint(HWND window);

// Steps run in the message loop of window mode, one per tick of a timer:
// the loop handles the input a step gives before the next tick, also
// inside a message box or modal window. Run returns when every step ran,
// or fails after 10 seconds.
class InputScript {
public:
    InputScript& Then(std::function<void()> step);
    // Waits, tick after tick, until ready() holds: the X server activates
    // windows a while after the input that asked for it.
    InputScript& When(std::function<bool()> ready);
    void Run(MainWindow& mainWindow);

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    // A step returns false to be run again at the next tick.
    std::deque<std::function<bool()>> steps_;
    DWORD started_ = 0;
};

// Calls observe with every message that reaches window, before the window
// handles it, while the object lives.
class MessageWatch {
public:
    using Observer = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;
    MessageWatch(HWND window, Observer observe);
    ~MessageWatch();
    MessageWatch(const MessageWatch&) = delete;
    MessageWatch& operator=(const MessageWatch&) = delete;

private:
    static LRESULT CALLBACK Hook(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    HWND window_;
    Observer observe_;
};

// Answers the modal windows owned by owner: at each WM_ENTERIDLE of a
// showing, the next step runs with the dialog's handle. A showing with no
// step left fails the test and is closed.
class DialogScript {
public:
    explicit DialogScript(HWND owner);
    ~DialogScript();
    DialogScript& Then(std::function<void(HWND dialog)> step);
    bool Finished() const { return steps_.empty(); }

private:
    void Idle(HWND dialog);
    std::deque<std::function<void(HWND)>> steps_;
    MessageWatch idle_;
};

// Counts the program's messages that reach a window (posted ones once the
// queue was pumped).
class MessageCounter {
public:
    MessageCounter(HWND window, UINT message)
        : watch_(window, [this, message](UINT got, WPARAM, LPARAM) { count += got == message; }) {}
    int count = 0;

private:
    MessageWatch watch_;
};

// A program folder in %TEMP% with run parameters for minamo.exe there and
// the main window opened on them.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Reads the settings and arguments as the entry does, then creates and
    // shows the window.
    MainWindow& Open(const StringList& args = {});
    std::string Program(const std::string& name) const { return program / name; }
    void MakeFolder(const std::string& name) { testing_support::MakeFolder(program / name); }
    void MakeFile(const std::string& name, const std::string& bytes = "x") {
        testing_support::WriteFile(program / name, bytes);
    }
    MainWindow& Main() { return *mainWindow; }

    testing_support::TempFolder program;
    testing_support::FakeInteraction boxes;
    std::unique_ptr<RunParameters> param;
    std::unique_ptr<MainWindow> mainWindow;
};

}  // namespace ui_test
