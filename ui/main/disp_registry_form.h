// TDispRegistryForm: shows the registry's EUDC font links as text. It only
// displays; each showing reads the registry afresh.
#pragma once

#include <windows.h>

#include "ui/gdi.h"
#include "ui/window.h"

class TDispRegistryForm : public ui::Window {
public:
    // Created hidden, owned by owner; frees itself once closed.
    explicit TDispRegistryForm(HWND owner);

    // Shows the window centred on the screen; the owner takes no input
    // until it was closed. The object is gone when this returns.
    void ShowModal();

    HWND Memo1 = nullptr;

private:
    ~TDispRegistryForm() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void DpiChanged() override;
    void CenterOnScreen();
    void FormShow();
    void FormClose();

    HWND owner_;
    gdi::Font font_;
};

// The last registry window opened; empty once it closed.
extern TDispRegistryForm* DispRegistryForm;
