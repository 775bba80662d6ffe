// RegistryWindow: shows the registry's EUDC font links as text. It only
// displays; each showing reads the registry afresh.
#pragma once

#include <windows.h>

#include "engine/links/font_links.h"
#include "engine/paths/folders.h"
#include "ui/gdi.h"
#include "ui/window.h"

class RegistryWindow final : public ui::Window {
public:
    // Created hidden, owned by owner; shows the registry's link table,
    // which it reads afresh at each showing.
    RegistryWindow(HWND owner, const Folders& folders);
    ~RegistryWindow() override;

    // Shows the window centred on the screen; the owner takes no input
    // until it was closed. The window is gone when this returns.
    void ShowModal();
    // The table as last shown.
    const FontLinkTable& Links() const { return links_; }

    HWND linkText = nullptr;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged() override;
    void ShowLinks();

    HWND owner_;
    const Folders& folders_;
    FontLinkTable links_;
    gdi::Font font_;
};
