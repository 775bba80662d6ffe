// The main window: creation of its controls, layout, message routing, and
// what it does when it starts, shows, resizes and toggles its option area.
#include "ui/main/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "ui/window_texts.h"
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

// The window as laid out, before StartFromRun narrows it.
constexpr int kLayoutWidth = 778;
constexpr int kLayoutHeight = 238;
constexpr int kLayoutLeft = 20;
constexpr int kFontHeight = 15;
constexpr int kIconSize = 32;
// Long hints wrap instead of running off the screen.
constexpr int kHintWrapWidth = 400;

// systemInfo_ keeps its left and top and follows the bottom edge at the
// distance it had in the layout; it keeps 10 pixels to the right edge when
// widened.
constexpr int kOptionAreaLeft = 503;
constexpr int kInfoLeft = kOptionAreaLeft;
constexpr int kInfoTop = 139;
constexpr int kInfoBottomMargin = kLayoutHeight - (kInfoTop + 84);
constexpr int kInfoRightMargin = 10;

// The group box's controls are laid out in its coordinates.
constexpr int kGroupLeft = 8;
constexpr int kGroupTop = 81;
constexpr int kFolderListHeight = 300;  // the open list of folderList_

// The controls are clipped out of the window's own painting, so that they
// do not flicker while the window is resized; the group box is
// transparent to that clipping, so that the window paints its inside.
const DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

constexpr RECT At(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }
constexpr RECT InGroup(int x, int y, int w, int h) { return At(kGroupLeft + x, kGroupTop + y, w, h); }

// Where each control sits in the 96-DPI layout, and whether and which way
// it grows when its caption does not fit. The controls of the main area
// stay within the narrow layout; those of the option area (left edge 503
// and beyond) widen the wide layout where they grow past it.
struct Place {
    MainWindow::ControlId control;
    RECT rect;
    bool grows;
    ui::Grow grow;
};
constexpr ui::Grow kRight = ui::Grow::Rightwards, kLeft = ui::Grow::Leftwards, kUp = ui::Grow::Upwards;
const Place kPlaces[] = {
    {MainWindow::kProgramIcon, At(10, 8, 41, 41), false, kRight},
    // Wraps its text; grows away from the link below it.
    {MainWindow::kIntroduction, At(57, 8, 340, 30), true, kUp},
    {MainWindow::kReadmeLink, At(176, 39, 289, 15), true, kLeft},  // right-aligned
    {MainWindow::kCopyright, At(50, 60, 415, 15), true, kLeft},
    {MainWindow::kOptionsButton, At(442, 8, 33, 25), false, kRight},
    {MainWindow::kOperationGroup, At(kGroupLeft, kGroupTop, 457, 111), false, kRight},
    {MainWindow::kAcquireChoice, InGroup(20, 29, 377, 17), true, kRight},
    {MainWindow::kInstallChoice, InGroup(20, 52, 377, 17), true, kRight},
    // The label keeps its right edge against the list it names.
    {MainWindow::kFolderLabel, InGroup(79, 80, 79, 15), true, kLeft},
    {MainWindow::kFolderList, InGroup(158, 76, 172, 23), false, kRight},
    {MainWindow::kNewFolderButton, InGroup(336, 75, 94, 25), false, kRight},
    {MainWindow::kCodeTableButton, At(8, 198, 137, 25), false, kRight},
    {MainWindow::kRunButton, At(309, 199, 75, 25), false, kRight},
    {MainWindow::kEndButton, At(390, 198, 75, 25), false, kRight},
    {MainWindow::kNoOverwriteQuestionBox, At(503, 8, 245, 17), true, kRight},
    {MainWindow::kCopyEufBox, At(503, 31, 242, 17), true, kRight},
    {MainWindow::kOnlyNewerBox, At(503, 54, 269, 17), true, kRight},
    {MainWindow::kEudcOnButton, At(503, 77, 126, 25), false, kRight},
    {MainWindow::kEudcOffButton, At(635, 77, 126, 25), false, kRight},
    {MainWindow::kCommandHelpButton, At(503, 108, 126, 25), false, kRight},
    {MainWindow::kRegistryButton, At(635, 108, 126, 25), false, kRight},
};

}  // namespace

MainWindow::MainWindow(RunParameters& run) : run_(run) {}

MainWindow::~MainWindow() { DestroyNow(); }

std::unique_ptr<MainWindow> MainWindow::Create(RunParameters& run) {
    platform::InitCommonControlsAtRunTime(ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES);
    std::unique_ptr<MainWindow> window(new MainWindow(run));
    if (!window->CreateLaidOut(kClass, 0, kWindowStyle, texts::kMainCaption, kLayoutLeft, 0, kLayoutWidth,
                               kLayoutHeight, nullptr))
        return nullptr;
    window->CreateControls();
    window->StartFromRun();
    return window;
}

void MainWindow::Show() { ShowWindow(Handle(), SW_SHOWNORMAL); }

void MainWindow::CreateControls() {
    MakeFonts();
    CreateMainArea();
    CreateOptionArea();
    LoadIcon();
    LayOut();
    hand_ = ui::HandCursor();
    hints_.Create(Handle(), kHintWrapWidth);
    AddHints();
}

void MainWindow::MakeFonts() {
    font_ = ui::MakeFont(texts::kMainFontFace, Scale()(kFontHeight));
    linkFont_ = ui::MakeFont(texts::kLinkFontFace, Scale()(kFontHeight), true);
}

void MainWindow::LoadIcon() {
    const int size = Scale()(kIconSize);
    platform::UniqueIcon icon(static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MINAMO), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (icon) SendMessageA(programIcon_, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    // The previous icon goes only once the control shows the new one.
    icon_ = std::move(icon);
}

// Every control at its place for the window's DPI, each caption fitted.
void MainWindow::LayOut() {
    const ui::DpiScale& scale = Scale();
    wideWidth_ = scale(kWideWidth);
    for (const Place& place : kPlaces) {
        HWND control = Control(place.control);
        const RECT laidOut = scale(place.rect);
        RECT r = laidOut;
        // The introduction's lines, broken between its phrases for this DPI's font.
        if (control == introduction_)
            SetWindowTextA(control, ui::PhraseLines(control, texts::kIntroductionPhrases, r.right - r.left).c_str());
        const bool option = place.rect.left >= kOptionAreaLeft;
        if (place.grows) r = ui::FitCaption(control, r, place.grow, option ? INT_MAX : scale(kNarrowWidth));
        if (option && r.right > laidOut.right) wideWidth_ = std::max(wideWidth_, static_cast<int>(r.right));
        ui::MoveControl(control, r);
        // The layout gives the closed box; the list opens below it.
        if (control == folderList_) ui::SetComboHeights(control, r.bottom - r.top, scale(kFolderListHeight));
    }
    FitToClientSize();
}

// A new monitor: fonts, icon and places for its DPI. The old fonts go
// once the controls hold the new ones.
void MainWindow::DpiChanged() {
    const gdi::Font oldFont = std::move(font_), oldLinkFont = std::move(linkFont_);
    MakeFonts();
    for (const Place& place : kPlaces)
        ui::SetFont(Control(place.control), place.control == kReadmeLink ? linkFont_.get() : font_.get());
    ui::SetFont(systemInfo_, font_.get());
    LoadIcon();
    LayOut();
}

// Creation order is tab order: the dialog manager walks the children in
// it. LayOut places them.
void MainWindow::CreateMainArea() {
    HWND h = Handle();
    HFONT f = font_.get();
    programIcon_ = ui::CreateControl(h, "STATIC", "", SS_ICON | SS_CENTERIMAGE, 0, 0, 0, 0, kProgramIcon, f);
    introduction_ =
        ui::CreateControl(h, "STATIC", "", SS_LEFT, 0, 0, 0, 0, kIntroduction, f);
    readmeLink_ = ui::CreateControl(h, "STATIC", texts::kReadmeLinkCaption, SS_RIGHT | SS_NOTIFY, 0, 0, 0, 0,
                                    kReadmeLink, linkFont_.get());
    copyright_ = ui::CreateControl(h, "STATIC", texts::kCopyright, SS_RIGHT, 0, 0, 0, 0, kCopyright, f);
    optionsButton_ = ui::CreateControl(h, "BUTTON", texts::kWidenCaption, WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0,
                                      0, kOptionsButton, f);
    operationGroup_ = ui::CreateControl(h, "BUTTON", texts::kOperationGroup, BS_GROUPBOX | WS_CLIPSIBLINGS, 0,
                                       0, 0, 0, kOperationGroup, f, WS_EX_TRANSPARENT);
    acquireChoice_ =
        ui::CreateControl(h, "BUTTON", texts::kAcquireCaption, WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0,
                          0, 0, 0, kAcquireChoice, f);
    installChoice_ = ui::CreateControl(h, "BUTTON", texts::kInstallCaption, WS_TABSTOP | BS_AUTORADIOBUTTON, 0,
                                      0, 0, 0, kInstallChoice, f);
    folderLabel_ =
        ui::CreateControl(h, "STATIC", texts::kFolderLabel, SS_LEFT | WS_GROUP, 0, 0, 0, 0, kFolderLabel, f);
    folderList_ = ui::CreateControl(h, "COMBOBOX", "", WS_GROUP | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                   0, 0, 0, 0, kFolderList, f);
    newFolderButton_ =
        ui::CreateControl(h, "BUTTON", texts::kNewFolderCaption, WS_TABSTOP, 0, 0, 0, 0, kNewFolderButton, f);
    codeTableButton_ = ui::CreateControl(h, "BUTTON", texts::kCodeTableButtonCaption, WS_GROUP | WS_TABSTOP, 0,
                                        0, 0, 0, kCodeTableButton, f);
    runButton_ = ui::CreateControl(h, "BUTTON", texts::kRunCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0,
                                  kRunButton, f);
    endButton_ = ui::CreateControl(h, "BUTTON", texts::kEndCaption, WS_TABSTOP, 0, 0, 0, 0, kEndButton, f);
    // The group box's frame is drawn beneath the controls it holds.
    SetWindowPos(operationGroup_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::CreateOptionArea() {
    HWND h = Handle();
    HFONT f = font_.get();
    const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
    noOverwriteQuestionBox_ = ui::CreateControl(h, "BUTTON", texts::kNoOverwriteQuestionCaption, check, 0, 0,
                                               0, 0, kNoOverwriteQuestionBox, f);
    copyEufBox_ = ui::CreateControl(h, "BUTTON", texts::kCopyEufCaption, check, 0, 0, 0, 0, kCopyEufBox, f);
    ui::SetChecked(copyEufBox_, true);
    onlyNewerBox_ =
        ui::CreateControl(h, "BUTTON", texts::kOnlyNewerCaption, check, 0, 0, 0, 0, kOnlyNewerBox, f);
    eudcOnButton_ =
        ui::CreateControl(h, "BUTTON", texts::kEudcOnCaption, WS_TABSTOP, 0, 0, 0, 0, kEudcOnButton, f);
    eudcOffButton_ =
        ui::CreateControl(h, "BUTTON", texts::kEudcOffCaption, WS_TABSTOP, 0, 0, 0, 0, kEudcOffButton, f);
    commandHelpButton_ = ui::CreateControl(h, "BUTTON", texts::kCommandHelpCaption, WS_TABSTOP, 0, 0, 0, 0,
                                          kCommandHelpButton, f);
    registryButton_ = ui::CreateControl(h, "BUTTON", texts::kRegistryButtonCaption, WS_TABSTOP, 0, 0, 0, 0,
                                       kRegistryButton, f);
    systemInfo_ = ui::CreateControl(
        h, "EDIT", "",
        WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
        0, 0, 0, 0, kSystemInfo, f, WS_EX_CLIENTEDGE);
    ui::LeaveEscapeToWindow(systemInfo_);
}

void MainWindow::AddHints() {
    hints_.Add(readmeLink_, texts::kReadmeHint);
    hints_.Add(optionsButton_, texts::kOptionsHint);
    hints_.Add(folderList_, texts::kFolderHint);
    hints_.Add(newFolderButton_, texts::kNewFolderHint);
    hints_.Add(codeTableButton_, texts::kCodeTableButtonHint);
    hints_.Add(eudcOnButton_, texts::kEudcButtonHint);
    hints_.Add(eudcOffButton_, texts::kEudcButtonHint);
    hints_.Add(commandHelpButton_, texts::kCommandHelpHint);
    hints_.Add(registryButton_, texts::kRegistryButtonHint);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SIZE:
        FitToClientSize();
        break;
    case WM_SHOWWINDOW:
        if (wParam && lParam == 0) PlaceOnScreen();
        break;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == readmeLink_)
            return OnControlColor(reinterpret_cast<HDC>(wParam), readmeLink_);
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
        MoveCodeTableAlong(*reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_ENABLEEUDC:
        OnEnableEudcMessage();
        return 0;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int notification) {
    if (id == kFolderList) {
        if (notification == CBN_SELCHANGE) FolderChosen();
        return;
    }
    if (id == kReadmeLink) {
        if (notification == STN_CLICKED) OpenReadme();
        return;
    }
    if (notification != BN_CLICKED) return;
    switch (id) {
    case kOptionsButton: ToggleOptionArea(); break;
    case kAcquireChoice:
    case kInstallChoice: OperationChosen(); break;
    case kNewFolderButton: CreateNewFolder(); break;
    case kCodeTableButton: ToggleCodeTable(); break;
    case kRunButton: RunOperation(); break;
    case kEndButton: EndProgram(); break;
    case kEudcOnButton: SwitchEudcOn(); break;
    case kEudcOffButton: SwitchEudcOff(); break;
    case kCommandHelpButton: ShowCommandHelp(); break;
    case kRegistryButton: ShowRegistryWindow(); break;
    }
}

// readmeLink_ looks like a visited link.
LRESULT MainWindow::OnControlColor(HDC dc, HWND) {
    SetTextColor(dc, ui::VisibleColour(RGB(128, 0, 128), GetSysColor(COLOR_BTNFACE), COLOR_HOTLIGHT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool MainWindow::OnSetCursor(HWND under) {
    if (under != readmeLink_) return false;
    SetCursor(hand_);
    return true;
}

void MainWindow::StartFromRun() {
    const OSVERSIONINFOA& os = run_.folders.os;
    const std::string lines = texts::Format(texts::kOsLine, {os.dwMajorVersion, os.dwMinorVersion}) + "\r\n" +
                              texts::kInstallFolderLine + "\r\n" + run_.folders.userData;
    SetWindowTextA(systemInfo_, lines.c_str());
    SetWindowTextA(optionsButton_, texts::kWidenCaption);
    // A link that opens nothing is a dead end: shown only where the
    // manual is beside the program, as the release puts it.
    ShowWindow(readmeLink_, platform::FileExists(run_.folders.program + texts::kReadmeFile) ? SW_SHOW : SW_HIDE);
    hints_.Activate(true);
    dockGap_ = 0;
    // Vista's themed frames overlap: the code table sits half a frame lower.
    if (os.dwMajorVersion >= 6 && platform::IsThemeActive())
        dockGap_ = platform::SystemMetricForDpi(SM_CYFRAME, Scale().Dpi()) / 2;
    ui::SetClientSize(Handle(), Scale()(kNarrowWidth), Scale()(kClientHeight));
    const std::string wanted = RemoveTrailingBackslash(run_.target.Name());
    if (!FillFolderList(wanted)) platform::ShowMessage(texts::Format(texts::kFolderMissing, {wanted}));
}

void MainWindow::PlaceOnScreen() {
    RECT r = {};
    GetWindowRect(Handle(), &r);
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - Scale()(kClientHeight);
    SetWindowPos(Handle(), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::FitToClientSize() {
    if (!systemInfo_) return;  // sizes arrive while the window is still being created
    const ui::DpiScale& scale = Scale();
    RECT outer = {};
    GetWindowRect(Handle(), &outer);
    const SIZE client = ui::ClientSize(Handle());
    const RECT memo = ui::ChildRect(systemInfo_);
    int width = memo.right - memo.left;
    // In the narrow layout the formula goes below zero: the memo lies
    // outside the client area then and shrinks to nothing.
    if (outer.right - outer.left > scale(kNarrowWidth))
        width = std::max(0, static_cast<int>(client.cx) - scale(kInfoLeft) - scale(kInfoRightMargin));
    const int height = std::max(0, static_cast<int>(client.cy) - scale(kInfoTop) - scale(kInfoBottomMargin));
    ui::MoveControl(systemInfo_, RECT{scale(kInfoLeft), scale(kInfoTop), scale(kInfoLeft) + width,
                                     scale(kInfoTop) + height});
    ShowWhatIsInside(client.cx);
}

// A control the user cannot see takes no keyboard either: the option area
// of the narrow layout and a memo shrunk to nothing are hidden.
void MainWindow::ShowWhatIsInside(int clientWidth) {
    for (HWND control : {noOverwriteQuestionBox_, copyEufBox_, onlyNewerBox_, eudcOnButton_, eudcOffButton_,
                         commandHelpButton_, registryButton_, systemInfo_}) {
        const RECT r = ui::ChildRect(control);
        ShowWindow(control,
                   r.left < clientWidth && r.right > r.left && r.bottom > r.top ? SW_SHOWNA : SW_HIDE);
    }
}

// The caption is the only record of the layout.
void MainWindow::ToggleOptionArea() {
    const bool narrow = ui::WindowText(optionsButton_) == texts::kWidenCaption;
    ui::SetClientSize(Handle(), narrow ? wideWidth_ : Scale()(kNarrowWidth), Scale()(kClientHeight));
    SetWindowTextA(optionsButton_, narrow ? texts::kNarrowCaption : texts::kWidenCaption);
}

void MainWindow::OperationChosen() { EnableWindow(onlyNewerBox_, ui::IsChecked(installChoice_)); }
