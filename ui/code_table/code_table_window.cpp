// The code table window: creation, layout, messages and its end.
#include "ui/code_table/code_table_window.h"

#include <commctrl.h>

#include "engine/report/texts.h"
#include "ui/window_texts.h"
#include "platform/platform.h"
#include "ui/client_size.h"
#include "ui/controls.h"
#include "ui/docking.h"
#include "ui/window_messages.h"

namespace {

const ui::WindowClass kClass = {"TGCodeForm", GetSysColorBrush(COLOR_BTNFACE), 0};
constexpr int kLayoutClientWidth = 451, kLayoutClientHeight = 245;
constexpr int kGridBottomGap = 55;   // from the grid's bottom to the client's
constexpr int kBoxesBottomGap = 49;  // from the two boxes' top to the client's
constexpr int kBoxListHeight = 200, kItemHeight = 15;
constexpr int kFontBoxLeft = 5, kFontBoxWidth = 221;
constexpr int kNumberingBoxLeft = 232, kNumberingBoxWidth = 129;
constexpr int kStatusHeight = 24;
constexpr int kCodePanelWidth = 100;  // the rest of the bar is the file panel
constexpr int kCountPanelWidth = 90;  // right of the code: how many characters the file holds
constexpr int kControlFontHeight = 15;
constexpr LONG kGridFontHeight = -22;
constexpr int kFirstColWidth = 50;
constexpr int kCellSize = 24;  // every other column's width, and the rows' height

enum ControlId { kGridId = 1, kFontBoxId, kNumberingBoxId, kStatusId };

}  // namespace

CodeTableWindow::CodeTableWindow(HWND mainWindow, int dockGap, const RunParameters& run,
                                 std::function<void()> gone)
    : mainWindow_(mainWindow), dockGap_(dockGap), run_(run), gone_(std::move(gone)), finder_(run) {}

std::unique_ptr<CodeTableWindow> CodeTableWindow::Create(HWND mainWindow, int dockGap,
                                                         const RunParameters& run,
                                                         std::function<void()> gone) {
    platform::InitCommonControlsAtRunTime(ICC_BAR_CLASSES | ICC_STANDARD_CLASSES);
    std::unique_ptr<CodeTableWindow> table(new CodeTableWindow(mainWindow, dockGap, run, std::move(gone)));
    if (!table->CreateLaidOut(kClass, 0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, texts::kCodeTableCaption,
                              CW_USEDEFAULT, CW_USEDEFAULT, kLayoutClientWidth, kLayoutClientHeight,
                              mainWindow))
        return nullptr;
    table->CreateControls();
    table->FillControls();
    const SIZE client = ui::ClientSize(table->Handle());
    table->LayOut(client.cx, client.cy);
    return table;
}

// The window goes before the grid, the popup and the fonts it uses.
CodeTableWindow::~CodeTableWindow() { DestroyNow(); }

void CodeTableWindow::Show() { ShowWindow(Handle(), SW_SHOW); }

void CodeTableWindow::Close() {
    if (Handle()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

void CodeTableWindow::CreateControls() {
    grid = std::make_unique<CellGrid>(Handle(), kGridId, numbering::kColumns, numbering::kSjisRows + 1);
    grid->SetFont(gdi::MakeLogFont(texts::kFaceMincho, kGridFontHeight, SHIFTJIS_CHARSET));
    grid->OnDrawCell = [this](HDC dc, int col, int row, const RECT& rect, CellGrid::CellState) {
        DrawCell(dc, col, row, rect);
    };
    grid->OnSelectCell = [this](int col, int row) { CellSelected(col, row); };
    grid->OnOpenCell = [this](int col, int row) { OpenCandidates(col, row); };
    grid->OnMouseMove = [this](int x, int y) { MouseMoved(x, y); };
    grid->OnMouseLeave = [this]() { MouseLeft(); };

    fontBox = std::make_unique<FontComboBox>(Handle(), kFontBoxId);
    numberingBox = ui::CreateControl(Handle(), "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                                     0, 10, 10, kNumberingBoxId, nullptr);
    statusBar = ui::CreateControl(Handle(), STATUSCLASSNAMEA, "", 0, 0, 0, 10, 10, kStatusId, nullptr);
    ApplyScale();
    SetStatusPanels();  // both panels exist before the first texts go in

    // The status bar's hint shows the whole FILE panel.
    hints_.Create(Handle());
    hints_.Add(statusBar, "");
}

void CodeTableWindow::ApplyScale() {
    const ui::DpiScale& s = Scale();
    const gdi::Font oldFont = std::move(controlFont_);  // until the controls hold the new one
    controlFont_ = ui::MakeFont(texts::kFacePGothic, s(kControlFontHeight));
    for (HWND control : {fontBox->Handle(), numberingBox, statusBar}) ui::SetFont(control, controlFont_.get());
    for (HWND combo : {fontBox->Handle(), numberingBox})
        SendMessageA(combo, CB_SETITEMHEIGHT, 0, s(kItemHeight));
    SendMessageA(statusBar, SB_SETMINHEIGHT,
                 s(kStatusHeight) - 2 * platform::SystemMetricForDpi(SM_CYBORDER, s.Dpi()), 0);
    LOGFONTA cells = grid->Font();
    cells.lfHeight = s(kGridFontHeight);
    grid->SetFont(cells);
    grid->SetCellSizes(s(kCellSize), s(kCellSize));
    grid->SetColWidth(0, s(kFirstColWidth));
    if (popup_) popup_->SetScale(s);
}

// A new monitor: everything for its DPI; the base then takes the size the
// system suggests (which lays the window out again).
void CodeTableWindow::DpiChanged() { ApplyScale(); }

void CodeTableWindow::FillControls() {
    popup_ = std::make_unique<GlyphPopup>(Handle(), unicodeNumbering_);
    popup_->SetScale(Scale());
    {
        gdi::WindowDC surface(grid->Handle());
        fontBox->FillFonts(surface.get());
    }
    fontBox->SelectFont(grid->Font().lfFaceName);
    fontText_ = fontBox->Text();
    popup_->SetFaceName(fontText_);
    UpdateFileStatus();
    UpdateCharacterCount();
    SendMessageA(numberingBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kCodeSystemSjis));
    if (run_.folders.MajorVersion() >= 5)
        SendMessageA(numberingBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kCodeSystemUnicode));
    SendMessageA(numberingBox, CB_SETCURSEL, 0, 0);
    // The grid has the Shift-JIS rows and its scaled widths from its
    // creation on (CreateControls, ApplyScale).
    int rowIndex = 0;
    for (unsigned lead = numbering::kFirstLead; lead <= numbering::kLastLead; ++lead)
        for (unsigned trail = numbering::kFirstTrail; trail <= 0xF0; trail += 16)
            FillSjisRow(rowIndex++, lead, trail);
    UpdateCellStatus(1, 1);
}

void CodeTableWindow::LayOut(int width, int height) {
    const ui::DpiScale& s = Scale();
    MoveWindow(grid->Handle(), 0, 0, width, height - s(kGridBottomGap), TRUE);
    int boxesTop = height - s(kBoxesBottomGap);
    MoveWindow(fontBox->Handle(), s(kFontBoxLeft), boxesTop, s(kFontBoxWidth), s(kBoxListHeight), TRUE);
    MoveWindow(numberingBox, s(kNumberingBoxLeft), boxesTop, s(kNumberingBoxWidth), s(kBoxListHeight), TRUE);
    SendMessageA(statusBar, WM_SIZE, 0, 0);
    SetStatusPanels();
    // The file panel's new width decides how much of the path fits, so the
    // path is fitted after the panels have their widths.
    UpdateFileStatus();
}

void CodeTableWindow::SetStatusPanels() {
    RECT bar{};
    GetClientRect(statusBar, &bar);
    const int count = Scale()(kCountPanelWidth);
    int edges[3] = {bar.right - count - Scale()(kCodePanelWidth), bar.right - count, -1};
    SendMessageA(statusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

LRESULT CodeTableWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (grid) LayOut(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ACTIVATE:
    case WM_CANCELMODE:
        focus_.Follow(Handle(), message, wParam);
        return ui::Window::HandleMessage(message, wParam, lParam);
    case WM_SETFOCUS:
        // Back to the control the user left; the grid the first time.
        if (!focus_.Restore(Handle()) && grid) SetFocus(grid->Handle());
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOVING:
        DragMainWindowAlong(*reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_REFRESHCODETABLE:
        grid->Repaint();
        UpdateFileStatus();
        UpdateCharacterCount();
        return 0;
    case WM_CLOSE:
        DestroyWindow(Handle());
        return 0;
    default:
        return ui::Window::HandleMessage(message, wParam, lParam);
    }
}

// The owner destroys this object in gone, and with it the popup, whose
// window went with this one: the callback is moved out first, and nothing
// of the object is used after it.
void CodeTableWindow::Destroyed() {
    const std::function<void()> gone = std::move(gone_);
    if (gone) gone();
}

void CodeTableWindow::OnCommand(WORD id, WORD code) {
    if (id == kFontBoxId && code == CBN_EDITCHANGE) {
        FaceChosen(fontBox->Text());
    } else if (id == kFontBoxId && code == CBN_SELCHANGE) {
        // The field still shows the previous text while the pick is reported.
        int picked = fontBox->ItemIndex();
        if (picked >= 0) FaceChosen(fontBox->Item(picked));
    } else if (id == kNumberingBoxId && code == CBN_SELCHANGE) {
        SwitchNumbering();
    }
}

void CodeTableWindow::DragMainWindowAlong(const RECT& dragged) {
    // Moving the main window never comes back here (the system sends
    // WM_MOVING only from the interactive move loop), but a partner that
    // answered a move synchronously must not start a ping-pong either.
    if (following_) return;
    following_ = true;
    ui::MoveDockedPartner(mainWindow_, dragged, ui::Dock::kAbove, dockGap_);
    following_ = false;
}

void CodeTableWindow::FaceChosen(const std::string& face) {
    fontText_ = face;
    grid->SetFaceName(face);
    popup_->SetFaceName(face);
    UpdateFileStatus();
    UpdateCharacterCount();
}
