// NewFolderDialog: the dialog that asks for the name of a new sub-folder of
// the program folder. Its caller checks and creates the folder and may
// show it again; the entry keeps its text between showings.
#pragma once

#include <windows.h>

#include "ui/gdi.h"
#include "ui/window.h"

class NewFolderDialog final : public ui::Window {
public:
    enum ControlId { kNameEntry = 200 };

    explicit NewFolderDialog(HWND owner);
    ~NewFolderDialog() override;

    // Shows the dialog centred on its owner until OK (IDOK) or Cancel, Esc
    // or the close box (IDCANCEL).
    int ShowModal();

    HWND nameEntry = nullptr;
    HWND okButton = nullptr;
    HWND cancelButton = nullptr;
    HWND purposeLabel = nullptr;
    HWND promptLabel = nullptr;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void LayOut();
    void DpiChanged() override;
    void NameChanged();
    // Ends the modal showing with IDOK or IDCANCEL.
    void EndModal(int result);

    HWND owner_;
    gdi::Font font_;
    int result_ = 0;
    bool closed_ = false;
};
