// The main window: creation of its controls, message routing, and the
// handlers of its own life (create, show, resize, layout toggle).
#include "ui/main/minamo_form.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "engine/paths.h"
#include "engine/texts.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "ui/caption_fit.h"
#include "ui/client_size.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/dialog_keys.h"
#include "ui/visible_colour.h"
#include "ui/window_messages.h"

namespace {

const ui::WindowClass kClass = {"TMinamoForm", GetSysColorBrush(COLOR_BTNFACE), 0};

// The window as laid out, before FormCreate narrows it.
constexpr int kLayoutWidth = 778;
constexpr int kLayoutHeight = 238;
constexpr int kLayoutLeft = 20;
constexpr int kFontHeight = 15;
constexpr int kIconSize = 32;
// Long hints wrap instead of running off the screen.
constexpr int kHintWrapWidth = 400;

// Memo1 keeps its left and top and follows the bottom edge at the distance
// it had in the layout; it keeps 10 pixels to the right edge when widened.
constexpr int kOptionAreaLeft = 503;
constexpr int kMemoLeft = kOptionAreaLeft;
constexpr int kMemoTop = 139;
constexpr int kMemoBottomMargin = kLayoutHeight - (kMemoTop + 84);
constexpr int kMemoRightMargin = 10;

// The group box's controls are laid out in its coordinates.
constexpr int kGroupLeft = 8;
constexpr int kGroupTop = 81;
constexpr int kFolderListHeight = 300;  // the open list of CBSelectFolder

// The controls are clipped out of the form's own painting, so that they
// do not flicker while the window is resized; the group box is
// transparent to that clipping, so that the form paints its inside.
const DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

constexpr RECT At(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }
constexpr RECT InGroup(int x, int y, int w, int h) {
    return At(kGroupLeft + x, kGroupTop + y, w, h);
}

// Where each control sits in the 96-DPI layout, and whether and which way
// it grows when its caption does not fit. The controls of the main area
// stay within the narrow layout; those of the option area (left edge 503
// and beyond) widen the wide layout where they grow past it.
struct Place {
    HWND TMinamoForm::*control;
    RECT rect;
    bool grows;
    ui::Grow grow;
};
constexpr ui::Grow kRight = ui::Grow::Rightwards, kLeft = ui::Grow::Leftwards, kUp = ui::Grow::Upwards;
const Place kPlaces[] = {
    {&TMinamoForm::Image1, At(10, 8, 41, 41), false, kRight},
    // Wraps its text; grows away from the link below it.
    {&TMinamoForm::Label1, At(57, 8, 340, 30), true, kUp},
    {&TMinamoForm::LabelURL, At(176, 39, 289, 15), true, kLeft},  // right-aligned
    {&TMinamoForm::Label2, At(50, 60, 415, 15), true, kLeft},
    {&TMinamoForm::WidthButton, At(442, 8, 33, 25), false, kRight},
    {&TMinamoForm::GroupBox1, At(kGroupLeft, kGroupTop, 457, 111), false, kRight},
    {&TMinamoForm::RBGetEUDCFile, InGroup(20, 29, 377, 17), true, kRight},
    {&TMinamoForm::RBPutEUDCFile, InGroup(20, 52, 377, 17), true, kRight},
    // The label keeps its right edge against the list it names.
    {&TMinamoForm::Label4, InGroup(79, 80, 79, 15), true, kLeft},
    {&TMinamoForm::CBSelectFolder, InGroup(158, 76, 172, 23), false, kRight},
    {&TMinamoForm::NewFolderButton, InGroup(336, 75, 94, 25), false, kRight},
    {&TMinamoForm::GCodeButton, At(8, 198, 137, 25), false, kRight},
    {&TMinamoForm::RunButton, At(309, 199, 75, 25), false, kRight},
    {&TMinamoForm::EndButton, At(390, 198, 75, 25), false, kRight},
    {&TMinamoForm::CBConfirm, At(503, 8, 245, 17), true, kRight},
    {&TMinamoForm::CBCopyEUF, At(503, 31, 242, 17), true, kRight},
    {&TMinamoForm::CBDatable, At(503, 54, 269, 17), true, kRight},
    {&TMinamoForm::EudcOnButton, At(503, 77, 126, 25), false, kRight},
    {&TMinamoForm::EudcOffButton, At(635, 77, 126, 25), false, kRight},
    {&TMinamoForm::CommandHelpButton, At(503, 108, 126, 25), false, kRight},
    {&TMinamoForm::DispRegButton, At(635, 108, 126, 25), false, kRight},
};

}  // namespace

TMinamoForm::TMinamoForm(RunParameters& run) : run_(run) {}

// The window, and with it the code table, goes before the fonts and the
// icon its controls show.
TMinamoForm::~TMinamoForm() { DestroyNow(); }

std::unique_ptr<TMinamoForm> TMinamoForm::Create(RunParameters& run) {
    platform::InitCommonControlsAtRunTime(ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES);
    std::unique_ptr<TMinamoForm> form(new TMinamoForm(run));
    if (!form->CreateLaidOut(kClass, 0, kFormStyle, texts::kMainCaption, kLayoutLeft, 0,
                              kLayoutWidth, kLayoutHeight, nullptr))
        return nullptr;
    form->CreateControls();
    form->FormCreate();
    return form;
}

void TMinamoForm::Show() { ShowWindow(Handle(), SW_SHOWNORMAL); }

void TMinamoForm::CreateControls() {
    MakeFonts();
    CreateMainArea();
    CreateOptionArea();
    LoadIcon();
    LayOut();
    hand_ = ui::HandCursor();
    hints_.Create(Handle(), kHintWrapWidth);
    AddHints();
}

void TMinamoForm::MakeFonts() {
    font_ = ui::MakeFont(texts::kMainFontFace, Scale()(kFontHeight));
    linkFont_ = ui::MakeFont(texts::kLinkFontFace, Scale()(kFontHeight), true);
}

void TMinamoForm::LoadIcon() {
    const int size = Scale()(kIconSize);
    platform::UniqueIcon icon(static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MINAMO), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (icon) SendMessageA(Image1, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    // The previous icon goes only once the control shows the new one.
    icon_ = std::move(icon);
}

// Every control at its place for the window's DPI, each caption fitted.
void TMinamoForm::LayOut() {
    const ui::DpiScale& scale = Scale();
    wideWidth_ = scale(kWideWidth);
    for (const Place& place : kPlaces) {
        HWND control = this->*place.control;
        const RECT laidOut = scale(place.rect);
        RECT r = laidOut;
        const bool option = place.rect.left >= kOptionAreaLeft;
        if (place.grows) r = ui::FitCaption(control, r, place.grow, option ? INT_MAX : scale(kNarrowWidth));
        if (option && r.right > laidOut.right) wideWidth_ = std::max(wideWidth_, static_cast<int>(r.right));
        ui::MoveControl(control, r);
        // The layout gives the closed box; the list opens below it.
        if (control == CBSelectFolder) ui::SetComboHeights(control, r.bottom - r.top, scale(kFolderListHeight));
    }
    FormResize();
}

// A new monitor: fonts, icon and places for its DPI. The old fonts go
// once the controls hold the new ones.
void TMinamoForm::DpiChanged() {
    const gdi::Font oldFont = std::move(font_), oldLinkFont = std::move(linkFont_);
    MakeFonts();
    for (const Place& place : kPlaces)
        SendMessageA(this->*place.control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(place.control == &TMinamoForm::LabelURL ? linkFont_.get()
                                                                                      : font_.get()),
                     TRUE);
    SendMessageA(Memo1, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    LoadIcon();
    LayOut();
}

// Creation order is tab order: the dialog manager walks the children in
// it. LayOut places them.
void TMinamoForm::CreateMainArea() {
    HWND h = Handle();
    HFONT f = font_.get();
    Image1 = ui::CreateControl(h, "STATIC", "", SS_ICON | SS_CENTERIMAGE, 0, 0, 0, 0, kImage1, f);
    Label1 = ui::CreateControl(h, "STATIC", texts::kIntroduction, SS_LEFT, 0, 0, 0, 0, kLabel1, f);
    LabelURL = ui::CreateControl(h, "STATIC", texts::kSupportAddress, SS_RIGHT | SS_NOTIFY, 0, 0, 0,
                                 0, kLabelURL, linkFont_.get());
    Label2 = ui::CreateControl(h, "STATIC", texts::kCopyright, SS_RIGHT, 0, 0, 0, 0, kLabel2, f);
    WidthButton = ui::CreateControl(h, "BUTTON", texts::kWidenCaption, WS_TABSTOP | BS_PUSHBUTTON,
                                    0, 0, 0, 0, kWidthButton, f);
    GroupBox1 = ui::CreateControl(h, "BUTTON", texts::kOperationGroup,
                                  BS_GROUPBOX | WS_CLIPSIBLINGS, 0, 0, 0, 0, kGroupBox1, f,
                                  WS_EX_TRANSPARENT);
    RBGetEUDCFile = ui::CreateControl(h, "BUTTON", texts::kGetCaption,
                                      WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 0, 0, 0,
                                      kRBGetEUDCFile, f);
    RBPutEUDCFile = ui::CreateControl(h, "BUTTON", texts::kPutCaption, WS_TABSTOP | BS_AUTORADIOBUTTON,
                                      0, 0, 0, 0, kRBPutEUDCFile, f);
    Label4 = ui::CreateControl(h, "STATIC", texts::kFolderLabel, SS_LEFT | WS_GROUP, 0, 0, 0, 0,
                               kLabel4, f);
    CBSelectFolder = ui::CreateControl(h, "COMBOBOX", "",
                                       WS_GROUP | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                                       0, 0, kCBSelectFolder, f);
    NewFolderButton = ui::CreateControl(h, "BUTTON", texts::kNewFolderCaption, WS_TABSTOP, 0, 0, 0,
                                        0, kNewFolderButton, f);
    GCodeButton = ui::CreateControl(h, "BUTTON", texts::kGCodeCaption, WS_GROUP | WS_TABSTOP, 0, 0,
                                    0, 0, kGCodeButton, f);
    RunButton = ui::CreateControl(h, "BUTTON", texts::kRunCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
                                  0, 0, 0, kRunButton, f);
    EndButton = ui::CreateControl(h, "BUTTON", texts::kEndCaption, WS_TABSTOP, 0, 0, 0, 0,
                                  kEndButton, f);
    // The group box's frame is drawn beneath the controls it holds.
    SetWindowPos(GroupBox1, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMinamoForm::CreateOptionArea() {
    HWND h = Handle();
    HFONT f = font_.get();
    const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
    CBConfirm = ui::CreateControl(h, "BUTTON", texts::kConfirmCaption, check, 0, 0, 0, 0,
                                  kCBConfirm, f);
    CBCopyEUF = ui::CreateControl(h, "BUTTON", texts::kCopyEufCaption, check, 0, 0, 0, 0,
                                  kCBCopyEUF, f);
    ui::SetChecked(CBCopyEUF, true);
    CBDatable = ui::CreateControl(h, "BUTTON", texts::kDatableCaption, check, 0, 0, 0, 0,
                                  kCBDatable, f);
    EudcOnButton = ui::CreateControl(h, "BUTTON", texts::kEudcOnCaption, WS_TABSTOP, 0, 0, 0, 0,
                                     kEudcOnButton, f);
    EudcOffButton = ui::CreateControl(h, "BUTTON", texts::kEudcOffCaption, WS_TABSTOP, 0, 0, 0, 0,
                                      kEudcOffButton, f);
    CommandHelpButton = ui::CreateControl(h, "BUTTON", texts::kCommandHelpCaption, WS_TABSTOP, 0, 0,
                                          0, 0, kCommandHelpButton, f);
    DispRegButton = ui::CreateControl(h, "BUTTON", texts::kDispRegCaption, WS_TABSTOP, 0, 0, 0, 0,
                                      kDispRegButton, f);
    Memo1 = ui::CreateControl(h, "EDIT", "",
                              WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                  ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                              0, 0, 0, 0, kMemo1, f, WS_EX_CLIENTEDGE);
    ui::LeaveEscapeToWindow(Memo1);
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
    case WM_CANCELMODE:
        focus_.Follow(Handle(), message, wParam);
        break;
    case WM_SETFOCUS:
        // As in a dialog box, the focus goes to a control, not the window.
        if (!focus_.Restore(Handle())) SetFocus(GetNextDlgTabItem(Handle(), nullptr, FALSE));
        return 0;
    case WM_NEXTDLGCTL:
        ui::MoveFocusAsDialog(Handle(), wParam, lParam);
        return 0;
    case WM_ENABLE:
        // While a modal window or a message box of this window is up, the
        // code table takes no input either: dragging it would drag this
        // window along.
        if (codeTable_) EnableWindow(codeTable_->Handle(), static_cast<BOOL>(wParam));
        break;
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
    SetTextColor(dc, ui::VisibleColour(RGB(128, 0, 128), GetSysColor(COLOR_BTNFACE), COLOR_HOTLIGHT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool TMinamoForm::OnSetCursor(HWND under) {
    if (under != LabelURL) return false;
    SetCursor(hand_);
    return true;
}

void TMinamoForm::FormCreate() {
    const OSVERSIONINFOA& os = run_.folders.os;
    const std::string lines =
        texts::Format(texts::kOsLine, {os.dwMajorVersion, os.dwMinorVersion}) + "\r\n" +
        texts::kInstallFolderLine + "\r\n" + run_.folders.userData;
    SetWindowTextA(Memo1, lines.c_str());
    SetWindowTextA(WidthButton, texts::kWidenCaption);
    hints_.Activate(true);
    DockGap = 0;
    // Vista's themed frames overlap: the code table sits half a frame lower.
    if (os.dwMajorVersion >= 6 && platform::IsThemeActive())
        DockGap = platform::SystemMetricForDpi(SM_CYFRAME, Scale().Dpi()) / 2;
    ui::SetClientSize(Handle(), Scale()(kNarrowWidth), Scale()(kClientHeight));
    startupSilent_ = run_.options.silent;
    const std::string wanted = RemoveTrailingBackslash(run_.target.name);
    if (!FillFolderList(wanted))
        platform::ShowMessage(texts::Format(texts::kFolderMissing, {wanted}));
}

void TMinamoForm::FormShow() {
    RECT r = {};
    GetWindowRect(Handle(), &r);
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - Scale()(kClientHeight);
    SetWindowPos(Handle(), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMinamoForm::FormResize() {
    if (!Memo1) return;  // sizes arrive while the window is still being created
    const ui::DpiScale& scale = Scale();
    RECT outer = {};
    GetWindowRect(Handle(), &outer);
    const SIZE client = ui::ClientSize(Handle());
    const RECT memo = ui::ChildRect(Memo1);
    int width = memo.right - memo.left;
    // In the narrow layout the formula goes below zero: the memo lies
    // outside the client area then and shrinks to nothing.
    if (outer.right - outer.left > scale(kNarrowWidth))
        width = std::max(0, static_cast<int>(client.cx) - scale(kMemoLeft) - scale(kMemoRightMargin));
    const int height = std::max(0, static_cast<int>(client.cy) - scale(kMemoTop) -
                                       scale(kMemoBottomMargin));
    ui::MoveControl(Memo1, RECT{scale(kMemoLeft), scale(kMemoTop), scale(kMemoLeft) + width,
                                scale(kMemoTop) + height});
    ShowWhatIsInside(client.cx);
}

// A control the user cannot see takes no keyboard either: the option area
// of the narrow layout and a memo shrunk to nothing are hidden.
void TMinamoForm::ShowWhatIsInside(int clientWidth) {
    for (HWND control : {CBConfirm, CBCopyEUF, CBDatable, EudcOnButton, EudcOffButton,
                         CommandHelpButton, DispRegButton, Memo1}) {
        const RECT r = ui::ChildRect(control);
        ShowWindow(control, r.left < clientWidth && r.right > r.left && r.bottom > r.top ? SW_SHOWNA
                                                                                          : SW_HIDE);
    }
}

// The caption is the only record of the layout.
void TMinamoForm::WidthButtonClick() {
    const bool narrow = ui::WindowText(WidthButton) == texts::kWidenCaption;
    ui::SetClientSize(Handle(), narrow ? wideWidth_ : Scale()(kNarrowWidth), Scale()(kClientHeight));
    SetWindowTextA(WidthButton, narrow ? texts::kNarrowCaption : texts::kWidenCaption);
}

void TMinamoForm::RBGetEUDCFileClick() { EnableWindow(CBDatable, ui::IsChecked(RBPutEUDCFile)); }
