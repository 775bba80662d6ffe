// The child controls of the windows: their fonts, creation and places, and
// the states of check boxes and radio buttons.
#pragma once

#include <windows.h>

#include "ui/gdi.h"

namespace ui {

// A Shift-JIS font of the windows; height: character height in pixels
// (the em, without internal leading).
gdi::Font MakeFont(const char* face, int height, bool underline = false);

// A child control at x, y (client pixels) of size w x h, in font.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x,
                   int y, int w, int h, int id, HFONT font, DWORD exStyle = 0);

// Gives a control another font and redraws it; the caller keeps the font
// alive while the control shows it.
void SetFont(HWND control, HFONT font);

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

}  // namespace ui
