// RegistryWindow: shows the registry's EUDC font links as text. It only
// displays; each showing reads the registry afresh.
#pragma once

#include <windows.h>

#include "engine/run/run_parameters.h"
#include "ui/gdi.h"
#include "ui/window.h"

class RegistryWindow final : public ui::Window {
public:
    // Created hidden, owned by owner; shows the link table of run, which
    // it reads afresh into run at each showing.
    RegistryWindow(HWND owner, RunParameters& run);
    ~RegistryWindow() override;

    // Shows the window centred on the screen; the owner takes no input
    // until it was closed. The window is gone when this returns.
    void ShowModal();

    HWND linkText = nullptr;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged() override;
    void ShowLinks();

    HWND owner_;
    RunParameters& run_;
    gdi::Font font_;
};
