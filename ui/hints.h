// The hints of a window: the tooltip control that shows a text when the
// mouse rests on one of its controls.
#pragma once

#include <windows.h>

namespace ui {

class Hints {
public:
    // The tooltip control of owner; a hint wider than wrapWidth pixels
    // wraps at its blanks (0: never).
    void Create(HWND owner, int wrapWidth = 0);
    // A hint for control; text is copied.
    void Add(HWND control, const char* text);
    // Replaces the hint of a control added before.
    void SetText(HWND control, const char* text);
    void Activate(bool on);

private:
    HWND tips_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace ui
