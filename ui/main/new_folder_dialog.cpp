#include "ui/main/new_folder_dialog.h"

#include "engine/report/texts.h"
#include "ui/window_texts.h"
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

NewFolderDialog::NewFolderDialog(HWND owner) : owner_(owner) {
    CreateLaidOut(kClass, kExStyle, kStyle, texts::kNewFolderDialogCaption, 0, 0, kClientWidth, kClientHeight,
                  owner);
    CreateControls();
}

// The controls go before the font they show.
NewFolderDialog::~NewFolderDialog() { DestroyNow(); }

void NewFolderDialog::CreateControls() {
    font_ = ui::MakeFont(texts::kMainFontFace, Scale()(kFontHeight));
    HWND h = Handle();
    HFONT f = font_.get();
    nameEntry = ui::CreateControl(h, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, kNameEntry, f,
                                  WS_EX_CLIENTEDGE);
    okButton =
        ui::CreateControl(h, "BUTTON", texts::kOkCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0, IDOK, f);
    EnableWindow(okButton, FALSE);
    cancelButton = ui::CreateControl(h, "BUTTON", texts::kCancelCaption, WS_TABSTOP, 0, 0, 0, 0, IDCANCEL, f);
    purposeLabel = ui::CreateControl(h, "STATIC", texts::kNewFolderPurpose, SS_LEFT, 0, 0, 0, 0, 0, f);
    promptLabel = ui::CreateControl(h, "STATIC", texts::kNewFolderPrompt, SS_LEFT, 0, 0, 0, 0, 0, f);
    LayOut();
}

// The 96-DPI layout scaled; the two lines of text widen to the right when
// the font draws them wider than laid out.
void NewFolderDialog::LayOut() {
    const ui::DpiScale& scale = Scale();
    const struct {
        HWND control;
        RECT rect;
    } places[] = {
        {nameEntry, {32, 80, 333, 103}},      {okButton, {199, 124, 274, 149}},
        {cancelButton, {280, 124, 355, 149}}, {purposeLabel, {32, 16, 322, 31}},
        {promptLabel, {32, 43, 321, 58}},
    };
    for (const auto& place : places) {
        RECT r = scale(place.rect);
        if (place.control == purposeLabel || place.control == promptLabel)
            r = ui::FitCaption(place.control, r, ui::Grow::Rightwards, scale(kClientWidth));
        ui::MoveControl(place.control, r);
    }
}

void NewFolderDialog::DpiChanged() {
    const gdi::Font oldFont = std::move(font_);  // until the controls hold the new one
    font_ = ui::MakeFont(texts::kMainFontFace, Scale()(kFontHeight));
    for (HWND control : {nameEntry, okButton, cancelButton, purposeLabel, promptLabel})
        ui::SetFont(control, font_.get());
    LayOut();
}

int NewFolderDialog::ShowModal() {
    result_ = IDCANCEL;
    closed_ = false;
    RECT owner = {};
    GetWindowRect(owner_, &owner);
    ui::CenterIn(Handle(), owner);
    SetFocus(nameEntry);
    ui::RunModal(Handle(), owner_, closed_);
    return result_;
}

void NewFolderDialog::NameChanged() {
    // Blanks count as a name; only an empty entry keeps OK disabled.
    EnableWindow(okButton, GetWindowTextLengthA(nameEntry) > 0);
}

void NewFolderDialog::EndModal(int result) {
    result_ = result;
    closed_ = true;
}

LRESULT NewFolderDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kNameEntry && HIWORD(wParam) == EN_CHANGE)
            NameChanged();
        else if (LOWORD(wParam) == IDOK && IsWindowEnabled(okButton))
            EndModal(IDOK);
        else if (LOWORD(wParam) == IDCANCEL)
            EndModal(IDCANCEL);
        return 0;
    case WM_CLOSE: EndModal(IDCANCEL); return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}
