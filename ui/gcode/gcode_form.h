// TGCodeForm: the EUDC code table window, docked below the main window.
#pragma once

#include <windows.h>

class TGCodeForm {
public:
    // Creates the code table window (hidden) owned by mainWindow; dockGap is the main window's DockGap.
    static TGCodeForm* Create(HWND mainWindow, int dockGap);
    HWND Handle() const;
    bool Showing() const;   // visible
    void Show();            // shows without moving
    void Close();           // closes and destroys it; clears CodeTableForm
};
extern TGCodeForm* CodeTableForm;  // empty (nullptr) when there is none
