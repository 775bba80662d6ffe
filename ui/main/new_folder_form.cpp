#include "ui/main/new_folder_form.h"

#include "engine/texts.h"
#include "ui/caption_fit.h"
#include "ui/controls.h"
#include "ui/modal.h"

namespace {
const ui::WindowClass kClass = {"TNewFolderForm", GetSysColorBrush(COLOR_BTNFACE), 0};
const DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
const DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kClientWidth = 366, kClientHeight = 159;
constexpr int kFontHeight = 15;
}  // namespace

TNewFolderForm::TNewFolderForm(HWND owner) : owner_(owner) {
    CreateLaidOut(kClass, kExStyle, kStyle, texts::kNewFolderFormCaption, 0, 0, kClientWidth,
                   kClientHeight, owner);
    CreateControls();
}

// The controls go before the font they show.
TNewFolderForm::~TNewFolderForm() { DestroyNow(); }

void TNewFolderForm::CreateControls() {
    font_ = ui::MakeFont(texts::kMainFontFace, Scale()(kFontHeight));
    HWND h = Handle();
    HFONT f = font_.get();
    EditFolderName = ui::CreateControl(h, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
                                       kEditFolderName, f, WS_EX_CLIENTEDGE);
    OKButton = ui::CreateControl(h, "BUTTON", texts::kOkCaption, WS_TABSTOP | BS_DEFPUSHBUTTON,
                                 0, 0, 0, 0, IDOK, f);
    EnableWindow(OKButton, FALSE);
    CancelButton = ui::CreateControl(h, "BUTTON", texts::kCancelCaption, WS_TABSTOP, 0, 0, 0, 0,
                                     IDCANCEL, f);
    Label1 = ui::CreateControl(h, "STATIC", texts::kNewFolderPurpose, SS_LEFT, 0, 0, 0, 0, 0, f);
    Label2 = ui::CreateControl(h, "STATIC", texts::kNewFolderPrompt, SS_LEFT, 0, 0, 0, 0, 0, f);
    LayOut();
}

// The 96-DPI layout scaled; the two lines of text widen to the right when
// the font draws them wider than laid out.
void TNewFolderForm::LayOut() {
    const ui::DpiScale& scale = Scale();
    const struct {
        HWND control;
        RECT rect;
    } places[] = {
        {EditFolderName, {32, 80, 333, 103}}, {OKButton, {199, 124, 274, 149}},
        {CancelButton, {280, 124, 355, 149}}, {Label1, {32, 16, 322, 31}},
        {Label2, {32, 43, 321, 58}},
    };
    for (const auto& place : places) {
        RECT r = scale(place.rect);
        if (place.control == Label1 || place.control == Label2)
            r = ui::FitCaption(place.control, r, ui::Grow::Rightwards, scale(kClientWidth));
        ui::MoveControl(place.control, r);
    }
}

void TNewFolderForm::DpiChanged() {
    const gdi::Font oldFont = std::move(font_);  // until the controls hold the new one
    font_ = ui::MakeFont(texts::kMainFontFace, Scale()(kFontHeight));
    for (HWND control : {EditFolderName, OKButton, CancelButton, Label1, Label2})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    LayOut();
}

int TNewFolderForm::ShowModal() {
    modalResult_ = IDCANCEL;
    closed_ = false;
    RECT owner = {};
    GetWindowRect(owner_, &owner);
    ui::CenterIn(Handle(), owner);
    SetFocus(EditFolderName);
    ui::RunModal(Handle(), owner_, closed_);
    return modalResult_;
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
