// The code table window: creation, layout, messages and closing.
#include "ui/gcode/gcode_form.h"

#include <commctrl.h>

#include "engine/texts.h"
#include "platform/platform.h"
#include "ui/client_size.h"
#include "ui/controls.h"
#include "ui/docking.h"
#include "ui/window_messages.h"

namespace {

const ui::WindowClass kClass = {"TGCodeForm", GetSysColorBrush(COLOR_BTNFACE), 0};
constexpr int kDesignClientWidth = 451, kDesignClientHeight = 245;
constexpr int kGridBottomGap = 55;  // from the grid's bottom to the client's
constexpr int kComboBottomGap = 49;  // from the combo boxes' top to the client's
constexpr int kComboHeight = 23, kComboListHeight = 200, kItemHeight = 15;
constexpr int kFontComboLeft = 5, kFontComboWidth = 221;
constexpr int kCodeComboLeft = 232, kCodeComboWidth = 129;
constexpr int kStatusHeight = 24;
constexpr int kCodePanelWidth = 100;  // the rest of the bar is the file panel
constexpr int kFormFontHeight = 15;
constexpr LONG kGridFontHeight = -22;
constexpr int kFirstColWidth = 50;
constexpr int kCellSize = 24;  // every other column's width, and the rows' height

enum ControlId { kGridId = 1, kFontComboId, kCodeComboId, kStatusId };

}  // namespace

TGCodeForm::TGCodeForm(HWND mainWindow, int dockGap, const RunParameters& run, std::function<void()> gone)
    : mainWindow_(mainWindow), dockGap_(dockGap), run_(run), gone_(std::move(gone)) {}

std::unique_ptr<TGCodeForm> TGCodeForm::Create(HWND mainWindow, int dockGap, const RunParameters& run,
                                               std::function<void()> gone) {
    platform::InitCommonControlsAtRunTime(ICC_BAR_CLASSES | ICC_STANDARD_CLASSES);
    std::unique_ptr<TGCodeForm> form(new TGCodeForm(mainWindow, dockGap, run, std::move(gone)));
    if (!form->CreateLaidOut(kClass, 0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, texts::kCodeTableCaption,
                             CW_USEDEFAULT, CW_USEDEFAULT, kDesignClientWidth, kDesignClientHeight,
                             mainWindow))
        return nullptr;
    form->CreateComponents();
    form->FormCreate();
    const SIZE client = ui::ClientSize(form->Handle());
    form->LayOut(client.cx, client.cy);
    return form;
}

// The window goes before the grid, the popup and the fonts it uses.
TGCodeForm::~TGCodeForm() { DestroyNow(); }

void TGCodeForm::Show() { ShowWindow(Handle(), SW_SHOW); }

void TGCodeForm::Close() {
    if (Handle()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TGCodeForm::CreateComponents() {
    DrawGrid1 = std::make_unique<TDrawGrid>(Handle(), kGridId, numbering::kColumns,
                                            numbering::kSjisRows + 1);
    DrawGrid1->SetFont(gdi::MakeLogFont(texts::kFaceMincho, kGridFontHeight, SHIFTJIS_CHARSET));
    DrawGrid1->OnDrawCell = [this](HDC dc, int col, int row, const RECT& rect, TDrawGrid::CellState) {
        DrawGrid1DrawCell(dc, col, row, rect);
    };
    DrawGrid1->OnSelectCell = [this](int col, int row) { DrawGrid1SelectCell(col, row); };
    DrawGrid1->OnMouseMove = [this](int x, int y) { DrawGrid1MouseMove(x, y); };
    DrawGrid1->OnMouseLeave = [this]() { DrawGrid1MouseLeave(); };

    FontComboBox1 = std::make_unique<TFontComboBox>(Handle(), kFontComboId);
    CBCode = ui::CreateControl(Handle(), "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                               10, 10, kCodeComboId, nullptr);
    StatusBar1 = ui::CreateControl(Handle(), STATUSCLASSNAMEA, "", 0, 0, 0, 10, 10, kStatusId, nullptr);
    ApplyScale();
    FormResize();  // both panels exist before the first texts go in

    // The status bar's hint shows the whole FILE panel.
    hints_.Create(Handle());
    hints_.Add(StatusBar1, "");
}

void TGCodeForm::ApplyScale() {
    const ui::DpiScale& s = Scale();
    const gdi::Font oldFont = std::move(formFont_);  // until the controls hold the new one
    formFont_ = ui::MakeFont(texts::kFacePGothic, s(kFormFontHeight));
    for (HWND control : {FontComboBox1->Handle(), CBCode, StatusBar1})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_.get()), TRUE);
    for (HWND combo : {FontComboBox1->Handle(), CBCode}) SendMessageA(combo, CB_SETITEMHEIGHT, 0, s(kItemHeight));
    SendMessageA(StatusBar1, SB_SETMINHEIGHT,
                 s(kStatusHeight) - 2 * platform::SystemMetricForDpi(SM_CYBORDER, s.Dpi()), 0);
    LOGFONTA grid = DrawGrid1->Font();
    grid.lfHeight = s(kGridFontHeight);
    DrawGrid1->SetFont(grid);
    DrawGrid1->SetCellSizes(s(kCellSize), s(kCellSize));
    DrawGrid1->SetColWidth(0, s(kFirstColWidth));
    if (popup_) popup_->SetScale(s);
}

// A new monitor: everything for its DPI; the base then takes the size the
// system suggests (which lays the window out again).
void TGCodeForm::DpiChanged() { ApplyScale(); }

void TGCodeForm::FormCreate() {
    popup_ = std::make_unique<TGaijiForm>(Handle(), unicodeMode_);
    popup_->SetScale(Scale());
    {
        gdi::WindowDC surface(DrawGrid1->Handle());
        FontComboBox1->FillFonts(surface.get());
    }
    FontComboBox1->SelectFont(DrawGrid1->Font().lfFaceName);
    fontText_ = FontComboBox1->Text();
    popup_->SetFaceName(fontText_);
    UpdateFileStatus();
    SendMessageA(CBCode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kCodeSystemSjis));
    if (run_.folders.MajorVersion() >= 5)
        SendMessageA(CBCode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kCodeSystemUnicode));
    SendMessageA(CBCode, CB_SETCURSEL, 0, 0);
    DrawGrid1->SetRowCount(numbering::kSjisRows + 1);
    CellChar[1] = 0;
    DrawGrid1->SetColWidth(0, Scale()(kFirstColWidth));
    int rowIndex = 0;
    for (unsigned lead = numbering::kFirstLead; lead <= numbering::kLastLead; ++lead)
        for (unsigned trail = numbering::kFirstTrail; trail <= 0xF0; trail += 16)
            FillSjisRow(rowIndex++, lead, trail);
    UpdateCellStatus(1, 1);
}

void TGCodeForm::LayOut(int width, int height) {
    const ui::DpiScale& s = Scale();
    MoveWindow(DrawGrid1->Handle(), 0, 0, width, height - s(kGridBottomGap), TRUE);
    int comboTop = height - s(kComboBottomGap);
    MoveWindow(FontComboBox1->Handle(), s(kFontComboLeft), comboTop, s(kFontComboWidth), s(kComboListHeight), TRUE);
    MoveWindow(CBCode, s(kCodeComboLeft), comboTop, s(kCodeComboWidth), s(kComboListHeight), TRUE);
    SendMessageA(StatusBar1, WM_SIZE, 0, 0);
    FormResize();
    // The file panel's new width decides how much of the path fits, so the
    // path is fitted after the panels have their widths.
    UpdateFileStatus();
}

void TGCodeForm::FormResize() {
    RECT bar{};
    GetClientRect(StatusBar1, &bar);
    int edges[2] = {bar.right - Scale()(kCodePanelWidth), -1};
    SendMessageA(StatusBar1, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
}

LRESULT TGCodeForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (DrawGrid1) LayOut(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ACTIVATE:
    case WM_CANCELMODE:
        focus_.Follow(Handle(), message, wParam);
        return ui::Window::HandleMessage(message, wParam, lParam);
    case WM_SETFOCUS:
        // Back to the control the user left; the grid the first time.
        if (!focus_.Restore(Handle()) && DrawGrid1) SetFocus(DrawGrid1->Handle());
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOVING:
        OnMoving(*reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_REFRESHCODETABLE:
        DrawGrid1->Repaint();
        UpdateFileStatus();
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
void TGCodeForm::Destroyed() {
    const std::function<void()> gone = std::move(gone_);
    if (gone) gone();
}

void TGCodeForm::OnCommand(WORD id, WORD code) {
    if (id == kFontComboId && code == CBN_EDITCHANGE) {
        FontComboBox1Change(FontComboBox1->Text());
    } else if (id == kFontComboId && code == CBN_SELCHANGE) {
        // The field still shows the previous text while the pick is reported.
        int picked = FontComboBox1->ItemIndex();
        if (picked >= 0) FontComboBox1Change(FontComboBox1->Item(picked));
    } else if (id == kCodeComboId && code == CBN_SELCHANGE) {
        CBCodeChange();
    }
}

void TGCodeForm::OnMoving(const RECT& dragged) {
    // Moving the main window never comes back here (the system sends
    // WM_MOVING only from the interactive move loop), but a partner that
    // answered a move synchronously must not start a ping-pong either.
    if (following_) return;
    following_ = true;
    ui::MoveDockedPartner(mainWindow_, dragged, ui::Dock::kAbove, dockGap_);
    following_ = false;
}

void TGCodeForm::FontComboBox1Change(const std::string& text) {
    fontText_ = text;
    DrawGrid1->SetFaceName(text);
    popup_->SetFaceName(text);
    UpdateFileStatus();
}
