#include "tests/ui_main_support.h"

#include "app/window_mode.h"
#include "engine/run/command_line.h"

#include <commctrl.h>

#include <stdexcept>

namespace ui_test {

void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

std::vector<std::string> Items(HWND combo) {
    std::vector<std::string> items;
    LRESULT n = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) items.push_back(ui::ComboItemText(combo, i));
    return items;
}

std::string SelectedItem(HWND combo) { return ui::ComboItemText(combo, SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

bool Enabled(HWND control) { return IsWindowEnabled(control) != FALSE; }
bool Checked(HWND button) { return ui::IsChecked(button); }

SIZE Client(HWND window) { return ui::ClientSize(window); }

RECT Outer(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

RECT InParent(HWND child) { return ui::ChildRect(child); }

std::string Text(HWND window) { return ui::WindowText(window); }

void PressKey(HWND window, HWND control, WPARAM key) {
    SetFocus(control);
    MSG msg = {};
    msg.hwnd = control;
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    msg.lParam = 1;
    if (!IsDialogMessageA(window, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    PumpMessages();
}

void Mouse(POINT screen, DWORD flags, int wheel) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.mouseData = static_cast<DWORD>(wheel);
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

POINT Centre(HWND window) {
    const RECT r = Outer(window);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT CaptionPoint(HWND window) {
    return POINT{Centre(window).x, Outer(window).top + GetSystemMetrics(SM_CYFRAME) +
                                       GetSystemMetrics(SM_CYCAPTION) / 2};
}

namespace {
InputScript* runningScript = nullptr;  // the script whose timer ticks
}  // namespace

InputScript& InputScript::Then(std::function<void()> step) {
    steps_.push_back([step] {
        step();
        return true;
    });
    return *this;
}

InputScript& InputScript::When(std::function<bool()> ready) {
    steps_.push_back(std::move(ready));
    return *this;
}

void InputScript::Run(MainWindow& mainWindow) {
    SetForegroundWindow(mainWindow.Handle());
    runningScript = this;
    started_ = GetTickCount();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &InputScript::Tick);
    RunMessageLoop(mainWindow);
    KillTimer(nullptr, timer);
    runningScript = nullptr;
    // Quits the ticks posted after the loop had already ended.
    MSG quit;
    while (PeekMessage(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps never ran";
}

void CALLBACK InputScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    InputScript* self = runningScript;
    if (!self) return;
    if (!self->steps_.empty() && GetTickCount() - self->started_ > 10000) {
        ADD_FAILURE() << "the input script took too long";
        self->steps_.clear();
        // A window move whose button-up was lost would hold on.
        POINT cursor = {};
        GetCursorPos(&cursor);
        Mouse(cursor, MOUSEEVENTF_LEFTUP);
    }
    // Posted at every tick until Run's loop ends: a modal loop still
    // running (a window move, a menu) ends at a quit and swallows it.
    if (self->steps_.empty()) {
        PostQuitMessage(0);
        return;
    }
    // Taken off first: a step may start a modal loop in which ticks go on.
    auto step = std::move(self->steps_.front());
    self->steps_.pop_front();
    if (!step()) self->steps_.push_front(std::move(step));
}

MessageWatch::MessageWatch(HWND window, Observer observe) : window_(window), observe_(std::move(observe)) {
    SetWindowSubclass(window_, &MessageWatch::Hook, reinterpret_cast<UINT_PTR>(this),
                      reinterpret_cast<DWORD_PTR>(this));
}

MessageWatch::~MessageWatch() {
    if (IsWindow(window_)) RemoveWindowSubclass(window_, &MessageWatch::Hook, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK MessageWatch::Hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
    reinterpret_cast<MessageWatch*>(self)->observe_(message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

DialogScript::DialogScript(HWND owner)
    : idle_(owner, [this](UINT message, WPARAM wParam, LPARAM lParam) {
          if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) Idle(reinterpret_cast<HWND>(lParam));
      }) {}

DialogScript::~DialogScript() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " dialog steps never ran"; }

DialogScript& DialogScript::Then(std::function<void(HWND)> step) {
    steps_.push_back(std::move(step));
    return *this;
}

void DialogScript::Idle(HWND dialog) {
    if (steps_.empty()) {
        ADD_FAILURE() << "a modal window was shown with no step left";
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        return;
    }
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step(dialog);
}

void MainWindowTest::SetUp() { testing_support::ClearEudcKey(); }

void MainWindowTest::TearDown() {
    mainWindow.reset();
    PumpMessages();
    param.reset();
}

MainWindow& MainWindowTest::Open(const StringList& args) {
    param = std::make_unique<RunParameters>(program / "minamo.exe");
    EXPECT_FALSE(ParseCommandLine(args, param->folders.program, param->options, param->target))
        << "window mode expected";
    mainWindow = MainWindow::Create(*param);
    if (!mainWindow) throw std::runtime_error("the main window was not created");
    mainWindow->Show();
    PumpMessages();
    return *mainWindow;
}

}  // namespace ui_test
