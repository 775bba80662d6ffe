// Thin wrappers shared by the main window family: a window object bound to
// its HWND, child-control creation, a GDI font that frees itself, the
// tooltip ("hint") control, and the modal loop of the dialogs.
#pragma once

#include <windows.h>

#include <string>

#include "ui/client_size.h"
#include "ui/control_text.h"
#include "ui/dpi_scale.h"
#include "ui/gdi.h"

namespace ui {

// A top-level window whose messages go to the object. The object outlives
// its window: Handle() is null once the window was destroyed.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    // The window's DPI against the 96 of its layout.
    const DpiScale& Scale() const { return scale_; }

protected:
    // Registers className on first use (button-face background, arrow
    // cursor, the program's icon) and creates the window with an outer
    // size that gives the wanted client size. Position and size are the
    // layout's, scaled to the DPI of the monitor the window comes up on.
    bool CreateTopLevel(const char* className, DWORD exStyle, DWORD style, const char* caption,
                        int x, int y, int clientWidth, int clientHeight, HWND owner);
    // WM_DPICHANGED goes to DpiChanged (with Scale() already the new one),
    // then the window takes the rectangle the system suggests.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Fonts and layout for the new Scale().
    virtual void DpiChanged() {}
    // Called after WM_NCDESTROY, when Handle() is already null.
    virtual void Destroyed() {}

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    DpiScale scale_;
};

// A Shift-JIS font of the windows; height: character height in pixels
// (the em, without internal leading).
gdi::Font MakeFont(const char* face, int height, bool underline = false);

// A child control at x, y (client pixels) of size w x h, in font.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x,
                   int y, int w, int h, int id, HFONT font, DWORD exStyle = 0);

// Moves a child control to r, in its parent's client pixels.
void MoveControl(HWND control, const RECT& r);
// A drop-down list's closed box and its open list, in pixels.
void SetComboHeights(HWND combo, int closedHeight, int listHeight);
// Position and size of a child in its parent's client pixels.
RECT ChildRect(HWND child);

// The pointing hand over links; the program's own where the system has
// none (Windows NT 4.0 and 95).
HCURSOR HandCursor();

bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// The hint popups of one window.
class Hints {
public:
    void Create(HWND owner);
    void Add(HWND control, const char* text);
    void Activate(bool on);

private:
    HWND tips_ = nullptr;
    HWND owner_ = nullptr;
};

// Shows dialog modally over owner (disabled meanwhile) and pumps messages
// until done turns true or the dialog is gone. Whenever the queue runs dry
// the owner gets WM_ENTERIDLE (MSGF_DIALOGBOX, dialog), as with the
// system's own dialog boxes. Hides the dialog afterwards; a WM_QUIT met on
// the way ends the loop and is posted again for the outer loop.
void RunModal(HWND dialog, HWND owner, const bool& done);

}  // namespace ui
