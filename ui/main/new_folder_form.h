// TNewFolderForm: the dialog that asks for the name of a new sub-folder of
// the program folder. Its caller checks and creates the folder and may
// show it again; the entry keeps its text between showings.
#pragma once

#include <windows.h>

#include "ui/gdi.h"
#include "ui/window.h"

class TNewFolderForm : public ui::Window {
public:
    enum ControlId { kEditFolderName = 200 };

    explicit TNewFolderForm(HWND owner);
    ~TNewFolderForm() override;

    // Shows the dialog centred on its owner until OK (IDOK) or Cancel, Esc
    // or the close box (IDCANCEL).
    int ShowModal();

    HWND EditFolderName = nullptr;
    HWND OKButton = nullptr;
    HWND CancelButton = nullptr;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void LayOut();
    void DpiChanged() override;
    void EditFolderNameChange();
    void Close(int result);

    HWND owner_;
    gdi::Font font_;
    int modalResult_ = 0;
    bool closed_ = false;
};
