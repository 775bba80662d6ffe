// The main window: creation of its controls, message routing, and the
// handlers of its own life (create, show, resize, layout toggle).
#include "ui/main/minamo_form.h"

#include <commctrl.h>

#include <algorithm>

#include "engine/paths.h"
#include "engine/texts.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "ui/gcode/gcode_form.h"
#include "ui/run_param.h"
#include "ui/window_messages.h"

namespace {

const char* const kClassName = "TMinamoForm";

// The window as laid out, before FormCreate narrows it.
constexpr int kLayoutWidth = 778;
constexpr int kLayoutHeight = 238;
constexpr int kLayoutLeft = 20;

// Memo1 keeps its left and top and follows the bottom edge at the distance
// it had in the layout; it keeps 10 pixels to the right edge when widened.
constexpr int kMemoLeft = 503;
constexpr int kMemoTop = 139;
constexpr int kMemoBottomMargin = kLayoutHeight - (kMemoTop + 84);
constexpr int kMemoRightMargin = 10;

// The group box's controls are laid out in its coordinates.
constexpr int kGroupLeft = 8;
constexpr int kGroupTop = 81;

// No WS_CLIPCHILDREN: the group box leaves its inside to the form's
// background.
const DWORD kFormStyle = WS_OVERLAPPEDWINDOW;

}  // namespace

TMinamoForm::TMinamoForm()
    : font_(ui::MakeFont(texts::kMainFontFace, 15)),
      linkFont_(ui::MakeFont(texts::kLinkFontFace, 15, true)) {}

TMinamoForm::~TMinamoForm() {
    // The controls go before the fonts and the icon they show.
    if (Handle()) DestroyWindow(Handle());
}

std::unique_ptr<TMinamoForm> TMinamoForm::Create() {
    platform::InitCommonControlsAtRunTime(ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES);
    std::unique_ptr<TMinamoForm> form(new TMinamoForm);
    if (!form->CreateTopLevel(kClassName, 0, kFormStyle, texts::kMainCaption, kLayoutLeft, 0,
                              kLayoutWidth, kLayoutHeight, nullptr))
        return nullptr;
    form->CreateControls();
    form->FormCreate();
    return form;
}

void TMinamoForm::Show() { ShowWindow(Handle(), SW_SHOWNORMAL); }

void TMinamoForm::CreateControls() {
    CreateMainArea();
    CreateOptionArea();
    hints_.Create(Handle());
    AddHints();
}

// Creation order is tab order: the dialog manager walks the children in it.
void TMinamoForm::CreateMainArea() {
    HWND h = Handle();
    HFONT f = font_.get();
    Image1 = ui::CreateControl(h, "STATIC", "", SS_ICON | SS_CENTERIMAGE, 10, 8, 41, 41, kImage1, f);
    icon_.reset(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MINAMO),
                                              IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    if (icon_) SendMessageA(Image1, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
    SetWindowPos(Image1, nullptr, 10, 8, 41, 41, SWP_NOZORDER | SWP_NOACTIVATE);
    Label1 = ui::CreateControl(h, "STATIC", texts::kIntroduction, SS_LEFT, 57, 8, 340, 30, kLabel1, f);
    LabelURL = ui::CreateControl(h, "STATIC", texts::kSupportAddress, SS_RIGHT | SS_NOTIFY, 176, 39,
                                 289, 15, kLabelURL, linkFont_.get());
    Label2 = ui::CreateControl(h, "STATIC", texts::kCopyright, SS_RIGHT, 50, 60, 415, 15, kLabel2, f);
    WidthButton = ui::CreateControl(h, "BUTTON", texts::kWidenCaption, WS_TABSTOP | BS_PUSHBUTTON,
                                    442, 8, 33, 25, kWidthButton, f);
    GroupBox1 = ui::CreateControl(h, "BUTTON", texts::kOperationGroup,
                                  BS_GROUPBOX | WS_CLIPSIBLINGS, kGroupLeft, kGroupTop, 457, 111,
                                  kGroupBox1, f);
    const int gx = kGroupLeft, gy = kGroupTop;
    RBGetEUDCFile = ui::CreateControl(h, "BUTTON", texts::kGetCaption,
                                      WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, gx + 20, gy + 29,
                                      377, 17, kRBGetEUDCFile, f);
    RBPutEUDCFile = ui::CreateControl(h, "BUTTON", texts::kPutCaption, WS_TABSTOP | BS_AUTORADIOBUTTON,
                                      gx + 20, gy + 52, 377, 17, kRBPutEUDCFile, f);
    Label4 = ui::CreateControl(h, "STATIC", texts::kFolderLabel, SS_LEFT | WS_GROUP, gx + 79, gy + 80,
                               79, 15, kLabel4, f);
    CBSelectFolder = ui::CreateControl(h, "COMBOBOX", "",
                                       WS_GROUP | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                       gx + 158, gy + 76, 172, 300, kCBSelectFolder, f);
    // The closed box is 23 pixels high: 17 for the text, 6 for the frame.
    SendMessageA(CBSelectFolder, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 17);
    NewFolderButton = ui::CreateControl(h, "BUTTON", texts::kNewFolderCaption, WS_TABSTOP,
                                        gx + 336, gy + 75, 94, 25, kNewFolderButton, f);
    GCodeButton = ui::CreateControl(h, "BUTTON", texts::kGCodeCaption, WS_GROUP | WS_TABSTOP, 8, 198,
                                    137, 25, kGCodeButton, f);
    RunButton = ui::CreateControl(h, "BUTTON", texts::kRunCaption, WS_TABSTOP | BS_DEFPUSHBUTTON,
                                  309, 199, 75, 25, kRunButton, f);
    EndButton = ui::CreateControl(h, "BUTTON", texts::kEndCaption, WS_TABSTOP, 390, 198, 75, 25,
                                  kEndButton, f);
    // The group box's frame is drawn beneath the controls it holds.
    SetWindowPos(GroupBox1, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMinamoForm::CreateOptionArea() {
    HWND h = Handle();
    HFONT f = font_.get();
    const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
    CBConfirm = ui::CreateControl(h, "BUTTON", texts::kConfirmCaption, check, 503, 8, 245, 17,
                                  kCBConfirm, f);
    CBCopyEUF = ui::CreateControl(h, "BUTTON", texts::kCopyEufCaption, check, 503, 31, 242, 17,
                                  kCBCopyEUF, f);
    ui::SetChecked(CBCopyEUF, true);
    CBDatable = ui::CreateControl(h, "BUTTON", texts::kDatableCaption, check, 503, 54, 269, 17,
                                  kCBDatable, f);
    EudcOnButton = ui::CreateControl(h, "BUTTON", texts::kEudcOnCaption, WS_TABSTOP, 503, 77, 126,
                                     25, kEudcOnButton, f);
    EudcOffButton = ui::CreateControl(h, "BUTTON", texts::kEudcOffCaption, WS_TABSTOP, 635, 77, 126,
                                      25, kEudcOffButton, f);
    CommandHelpButton = ui::CreateControl(h, "BUTTON", texts::kCommandHelpCaption, WS_TABSTOP, 503,
                                          108, 126, 25, kCommandHelpButton, f);
    DispRegButton = ui::CreateControl(h, "BUTTON", texts::kDispRegCaption, WS_TABSTOP, 635, 108,
                                      126, 25, kDispRegButton, f);
    Memo1 = ui::CreateControl(h, "EDIT", "",
                              WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                  ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                              kMemoLeft, kMemoTop, 258, 84, kMemo1, f, WS_EX_CLIENTEDGE);
}

void TMinamoForm::AddHints() {
    hints_.Add(LabelURL, texts::kSupportHint);
    hints_.Add(WidthButton, texts::kWidthHint);
    hints_.Add(CBSelectFolder, texts::kFolderHint);
    hints_.Add(NewFolderButton, texts::kNewFolderHint);
    hints_.Add(GCodeButton, texts::kGCodeHint);
    hints_.Add(EudcOnButton, texts::kEudcButtonHint);
    hints_.Add(EudcOffButton, texts::kEudcButtonHint);
    hints_.Add(CommandHelpButton, texts::kCommandHelpHint);
    hints_.Add(DispRegButton, texts::kDispRegHint);
}

LRESULT TMinamoForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SIZE:
        FormResize();
        break;
    case WM_SHOWWINDOW:
        if (wParam && lParam == 0) FormShow();
        break;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == LabelURL)
            return OnControlColor(reinterpret_cast<HDC>(wParam), LabelURL);
        break;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(Handle(), GetFocus())) lastFocus_ = GetFocus();
        break;
    case WM_SETFOCUS:
        // As in a dialog box, the focus goes to a control, not the window.
        SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_
                                                    : GetNextDlgTabItem(Handle(), nullptr, FALSE));
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(kRunButton, DC_HASDEFID);
    case WM_MOVING:
        WMMoving(*reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_ENABLEEUDC:
        WMEnableEudc();
        return 0;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}

void TMinamoForm::OnCommand(int id, int notification) {
    if (id == kCBSelectFolder) {
        if (notification == CBN_SELCHANGE) CBSelectFolderChange();
        return;
    }
    if (id == kLabelURL) {
        if (notification == STN_CLICKED) LabelURLClick();
        return;
    }
    if (notification != BN_CLICKED) return;
    switch (id) {
    case kWidthButton: WidthButtonClick(); break;
    case kRBGetEUDCFile:
    case kRBPutEUDCFile: RBGetEUDCFileClick(); break;
    case kNewFolderButton: NewFolderButtonClick(); break;
    case kGCodeButton: GCodeButtonClick(); break;
    case kRunButton: RunButtonClick(); break;
    case kEndButton: EndButtonClick(); break;
    case kEudcOnButton: EudcOnButtonClick(); break;
    case kEudcOffButton: EudcOffButtonClick(); break;
    case kCommandHelpButton: CommandHelpButtonClick(); break;
    case kDispRegButton: DispRegButtonClick(); break;
    }
}

// LabelURL looks like a visited link.
LRESULT TMinamoForm::OnControlColor(HDC dc, HWND) {
    SetTextColor(dc, RGB(128, 0, 128));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool TMinamoForm::OnSetCursor(HWND under) {
    if (under != LabelURL) return false;
    SetCursor(LoadCursorA(nullptr, IDC_HAND));
    return true;
}

void TMinamoForm::FormCreate() {
    const OSVERSIONINFOA& os = RunParam->folders.os;
    const std::string lines =
        texts::Format(texts::kOsLine, {os.dwMajorVersion, os.dwMinorVersion}) + "\r\n" +
        texts::kInstallFolderLine + "\r\n" + RunParam->folders.userData;
    SetWindowTextA(Memo1, lines.c_str());
    SetWindowTextA(WidthButton, texts::kWidenCaption);
    hints_.Activate(true);
    DockGap = 0;
    // Vista's themed frames overlap: the code table sits half a frame lower.
    if (os.dwMajorVersion >= 6 && platform::IsThemeActive())
        DockGap = GetSystemMetrics(SM_CYFRAME) / 2;
    ui::SetClientSize(Handle(), kNarrowWidth, kClientHeight);
    startupSilent_ = RunParam->options.silent;
    const std::string wanted = RemoveTrailingBackslash(RunParam->target.name);
    if (!FillFolderList(wanted))
        platform::ShowMessage(texts::Format(texts::kFolderMissing, {wanted}));
}

void TMinamoForm::FormShow() {
    RECT r = {};
    GetWindowRect(Handle(), &r);
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - kClientHeight;
    SetWindowPos(Handle(), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMinamoForm::FormResize() {
    if (!Memo1) return;  // sizes arrive while the window is still being created
    RECT outer = {};
    GetWindowRect(Handle(), &outer);
    const SIZE client = ui::ClientSize(Handle());
    const RECT memo = ui::ChildRect(Memo1);
    int width = memo.right - memo.left;
    // In the narrow layout the formula goes below zero: the memo lies
    // outside the client area then and shrinks to nothing.
    if (outer.right - outer.left > kNarrowWidth)
        width = std::max(0, static_cast<int>(client.cx) - kMemoLeft - kMemoRightMargin);
    const int height = std::max(0, static_cast<int>(client.cy) - kMemoTop - kMemoBottomMargin);
    SetWindowPos(Memo1, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The caption is the only record of the layout.
void TMinamoForm::WidthButtonClick() {
    const bool narrow = ui::WindowText(WidthButton) == texts::kWidenCaption;
    ui::SetClientSize(Handle(), narrow ? kWideWidth : kNarrowWidth, kClientHeight);
    SetWindowTextA(WidthButton, narrow ? texts::kNarrowCaption : texts::kWidenCaption);
}

void TMinamoForm::RBGetEUDCFileClick() { EnableWindow(CBDatable, ui::IsChecked(RBPutEUDCFile)); }
