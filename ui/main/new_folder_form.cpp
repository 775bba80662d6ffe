#include "ui/main/new_folder_form.h"

#include "engine/texts.h"

TNewFolderForm* NewFolderForm = nullptr;

namespace {
const char* const kClassName = "TNewFolderForm";
const DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
const DWORD kExStyle = WS_EX_DLGMODALFRAME;
}  // namespace

TNewFolderForm::TNewFolderForm(HWND owner)
    : owner_(owner), font_(ui::MakeFont(texts::kMainFontFace, 15)) {
    CreateTopLevel(kClassName, kExStyle, kStyle, texts::kNewFolderFormCaption, 0, 0, 366, 159, owner);
    CreateControls();
}

void TNewFolderForm::CreateControls() {
    HWND h = Handle();
    HFONT f = font_.get();
    EditFolderName = ui::CreateControl(h, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 32, 80, 301, 23,
                                       kEditFolderName, f, WS_EX_CLIENTEDGE);
    OKButton = ui::CreateControl(h, "BUTTON", texts::kOkCaption, WS_TABSTOP | BS_DEFPUSHBUTTON,
                                 199, 124, 75, 25, IDOK, f);
    EnableWindow(OKButton, FALSE);
    CancelButton = ui::CreateControl(h, "BUTTON", texts::kCancelCaption, WS_TABSTOP, 280, 124, 75,
                                     25, IDCANCEL, f);
    Label1 = ui::CreateControl(h, "STATIC", texts::kNewFolderPurpose, SS_LEFT, 32, 16, 290, 15, 0, f);
    Label2 = ui::CreateControl(h, "STATIC", texts::kNewFolderPrompt, SS_LEFT, 32, 43, 289, 15, 0, f);
}

int TNewFolderForm::ShowModal() {
    modalResult_ = IDCANCEL;
    closed_ = false;
    CenterOnOwner();
    SetFocus(EditFolderName);
    ui::RunModal(Handle(), owner_, closed_);
    return modalResult_;
}

void TNewFolderForm::CenterOnOwner() {
    RECT owner = {}, self = {};
    GetWindowRect(owner_, &owner);
    GetWindowRect(Handle(), &self);
    const int w = self.right - self.left, h = self.bottom - self.top;
    const int x = owner.left + ((owner.right - owner.left) - w) / 2;
    const int y = owner.top + ((owner.bottom - owner.top) - h) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TNewFolderForm::EditFolderNameChange() {
    // Blanks count as a name; only an empty entry keeps OK disabled.
    EnableWindow(OKButton, GetWindowTextLengthA(EditFolderName) > 0);
}

void TNewFolderForm::Close(int result) {
    modalResult_ = result;
    closed_ = true;
}

LRESULT TNewFolderForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kEditFolderName && HIWORD(wParam) == EN_CHANGE)
            EditFolderNameChange();
        else if (LOWORD(wParam) == IDOK && IsWindowEnabled(OKButton))
            Close(IDOK);
        else if (LOWORD(wParam) == IDCANCEL)
            Close(IDCANCEL);
        return 0;
    case WM_CLOSE:
        Close(IDCANCEL);
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}
