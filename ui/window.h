// ui::Window: the base of every window of the program, top-level or child.
// It binds the window to its object (GWLP_USERDATA, from WM_NCCREATE on),
// sends every message to HandleMessage, follows a move to a monitor of
// another DPI, and tells the object when the window is gone.
//
// Lifetime: the object outlives its window. Its owner destroys it (a
// unique_ptr member, or a local for a modal window), which destroys the
// window first if it is still there. A window that the user or its own
// owner window ends (the close box, DestroyWindow of the owner) calls
// Destroyed() as the very last thing the base does with the object, so
// that an owner told there may delete it at once.
#pragma once

#include <windows.h>

#include "ui/dpi_scale.h"

namespace ui {

// A window class of the program's, registered on first use with the arrow
// cursor and the program's icon.
struct WindowClass {
    // Also what other programs and scripts find the window by: kept as
    // released.
    const char* name;
    HBRUSH background;  // nullptr: the window paints every pixel itself
    UINT style;         // CS_* bits
};

class Window {
public:
    Window() = default;
    // Destroys the window if it is still there (see DestroyNow).
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Null before the window was created and once it is gone.
    HWND Handle() const { return hwnd_; }
    // The window's DPI against the 96 of its layout.
    const DpiScale& Scale() const { return scale_; }
    // The window is there and visible.
    bool Showing() const { return hwnd_ && IsWindowVisible(hwnd_); }
    // Repaints the whole window at once.
    void Repaint() const {
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
    }

protected:
    // Creates the window bound to this object, with its outer rectangle as
    // CreateWindowEx takes it; parent is a top-level window's owner or a
    // child's parent, id a child's control identifier. False when the
    // system refused the window.
    bool Create(const WindowClass& windowClass, DWORD exStyle, DWORD style, const char* caption,
                int x, int y, int width, int height, HWND parent, int id = 0);
    // A top-level window of a 96-DPI layout: its position (CW_USEDEFAULT:
    // where the system puts it) and client size are the layout's, scaled to
    // the DPI of the monitor the window comes up on.
    bool CreateLaidOut(const WindowClass& windowClass, DWORD exStyle, DWORD style,
                       const char* caption, int x, int y, int clientWidth, int clientHeight,
                       HWND owner);
    // Every message of the window. The base answers WM_DPICHANGED: Scale()
    // becomes the new one, DpiChanged runs, then the window takes the
    // rectangle the system suggests. Everything else goes to DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Fonts and layout for the new Scale().
    virtual void DpiChanged() {}
    // The window is gone (after WM_NCDESTROY; Handle() is null), ended by
    // anything but DestroyNow. The base touches the object no more after
    // this call.
    virtual void Destroyed() {}
    // Destroys the window at once, unbound first: the object hears nothing
    // more of it, no Destroyed either, since its owner is ending it. The
    // destructor of a window whose members the window uses (child windows,
    // the fonts and icons its controls show) calls it first, so that the
    // window goes before them.
    void DestroyNow();
    // The scale of a window that follows another's DPI rather than its own.
    void UseScale(const DpiScale& scale) { scale_ = scale; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The procedure's work, which may throw; Procedure catches.
    static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Unbind();

    HWND hwnd_ = nullptr;
    DpiScale scale_;
};

}  // namespace ui
