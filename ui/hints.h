// The hints of a window: the tooltip control that shows a text when the
// mouse rests on a control.
#pragma once

#include <windows.h>

namespace ui {

class Hints {
public:
    void Create(HWND owner);
    void Add(HWND control, const char* text);
    void Activate(bool on);

private:
    HWND tips_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace ui
