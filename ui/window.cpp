#include "ui/window.h"

#include <exception>
#include <new>

#include "engine/report/texts.h"
#include "platform/interaction.h"
#include "res/resource.h"
#include "ui/client_size.h"

namespace ui {

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Registers an ANSI window class of this module unless it exists already.
void Register(const WindowClass& windowClass, WNDPROC procedure) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(Instance(), windowClass.name, &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = windowClass.style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = Instance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // The program's icon in the caption; none where the module has no
    // resources (a test program), which leaves the system's.
    wc.hIcon = LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_MINAMO));
    wc.hbrBackground = windowClass.background;
    wc.lpszClassName = windowClass.name;
    RegisterClassExA(&wc);
}

}  // namespace

Window::~Window() { DestroyNow(); }

void Window::DestroyNow() {
    HWND h = hwnd_;
    if (!h) return;
    Unbind();
    DestroyWindow(h);
}

void Window::Unbind() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

bool Window::Create(const WindowClass& windowClass, DWORD exStyle, DWORD style, const char* caption,
                    int x, int y, int width, int height, HWND parent, int id) {
    Register(windowClass, &Window::Procedure);
    // Procedure binds the window at WM_NCCREATE.
    CreateWindowExA(exStyle, windowClass.name, caption, style, x, y, width, height, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), this);
    return hwnd_ != nullptr;
}

bool Window::CreateLaidOut(const WindowClass& windowClass, DWORD exStyle, DWORD style,
                           const char* caption, int x, int y, int clientWidth, int clientHeight,
                           HWND owner) {
    RECT r = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    if (!Create(windowClass, exStyle, style, caption, x, y, r.right - r.left, r.bottom - r.top, owner))
        return false;
    // The DPI is known once the window is on a monitor.
    scale_ = DpiScale::Of(hwnd_);
    if (x != CW_USEDEFAULT)
        SetWindowPos(hwnd_, nullptr, scale_(x), scale_(y), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(hwnd_, scale_(clientWidth), scale_(clientHeight));
    return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED) {
        scale_ = DpiScale(HIWORD(wParam));
        DpiChanged();
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Window::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message != WM_NCDESTROY) return self->HandleMessage(message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    self->Unbind();
    self->Destroyed();  // the last use of self: the owner may delete it here
    return result;
}

// No exception crosses into Windows, which cannot unwind through its own
// frames: what a message's handling did not foresee is told, and the
// program goes on (an open window, EUDC switched back on by its owner).
LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::string what = "?";
    try {
        return Dispatch(hwnd, message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        what = "std::bad_alloc";
    } catch (const std::exception& error) {
        what = error.what();
    } catch (...) {
    }
    platform::ShowMessage(texts::Format(texts::kUnexpectedFailure, {what}));
    return 0;
}

}  // namespace ui
