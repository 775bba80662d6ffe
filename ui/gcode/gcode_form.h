// TGCodeForm: the code table window. A grid of every EUDC code point, in
// Shift-JIS (F040-F9FC) or Unicode (U+E000-U+F8FF) numbering, drawn in a
// font picked from a list, with the linked EUDC file and the code under
// the mouse in the status bar and a magnifier popup that follows the mouse.
// It stays docked below the main window: dragging it drags the main window.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "ui/gcode/draw_grid.h"
#include "ui/gcode/font_combo_box.h"
#include "ui/gcode/gaiji_form.h"
#include "ui/dpi_scale.h"
#include "ui/focus_memory.h"
#include "ui/gdi.h"
#include "ui/hints.h"
#include "engine/run_parameters.h"
#include "ui/window.h"

class TGCodeForm final : public ui::Window {
public:
    // Creates the code table window (hidden) owned by mainWindow; dockGap
    // is the main window's DockGap. It reads the Windows version and the
    // registry's link table of run. gone runs once the window is gone, by
    // Close, the close box or with its owner window: its owner then
    // destroys the object. Null when the system refused the window.
    static std::unique_ptr<TGCodeForm> Create(HWND mainWindow, int dockGap, const RunParameters& run,
                                              std::function<void()> gone);
    ~TGCodeForm() override;
    void Show();            // shows without moving
    void Close();           // closes the window, as its close box does

    // false: Shift-JIS numbering; true: Unicode numbering. Changed only
    // when the user picks a code system.
    bool UnicodeMode() const { return unicodeMode_; }
    // The magnifier that shows the character under the mouse.
    TGaijiForm& Popup() const { return *popup_; }

    // --- Components.
    std::unique_ptr<TDrawGrid> DrawGrid1;
    std::unique_ptr<TFontComboBox> FontComboBox1;
    HWND CBCode = nullptr;
    HWND StatusBar1 = nullptr;

    // Entry 0 of a row: its header text; entries 1-16: a two-byte character
    // or empty where the byte pair is no character. Filled once.
    std::array<std::array<std::string, 17>, 120> SjisCells;
    // The Unicode cell being drawn and a terminating zero unit.
    WCHAR CellChar[2] = {0, 0};

    // --- Handlers and operations.
    void FormCreate();
    void FormResize();
    void FontComboBox1Change(const std::string& text);
    void CBCodeChange();
    void DrawGrid1DrawCell(HDC dc, int col, int row, const RECT& rect);
    void DrawGrid1SelectCell(int col, int row);
    void DrawGrid1MouseMove(int x, int y);
    void DrawGrid1MouseLeave();
    void FillSjisRow(int rowIndex, unsigned lead, unsigned firstTrail);
    void UpdateCellStatus(int col, int row);
    void UpdateFileStatus();
    void DrawColumnHeader(HDC dc, int col, const RECT& rect);
    void DrawRowHeader(HDC dc, int row, const RECT& rect);

    // The text of a status bar panel (0: file, 1: code).
    std::string PanelText(int panel) const;
    int PanelWidth(int panel) const;
    HFONT StatusFont() const { return formFont_.get(); }
    // The code page the numbering change converts with, read at start-up.
    static UINT CodePage();

private:
    TGCodeForm(HWND mainWindow, int dockGap, const RunParameters& run, std::function<void()> gone);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void CreateComponents();
    // Fonts, cell sizes, heights and the popup for the window's DPI.
    void ApplyScale();
    void DpiChanged() override;
    void LayOut(int clientWidth, int clientHeight);
    void OnCommand(WORD id, WORD code);
    void OnMoving(const RECT& dragged);
    void SetPanelText(int panel, const std::string& text);
    void SwitchToUnicode(unsigned counterpart);
    void SwitchToSjis(const std::string& counterpart);
    gdi::Font& HeaderFont();

    HWND mainWindow_;
    int dockGap_;
    const RunParameters& run_;
    std::function<void()> gone_;
    bool unicodeMode_ = false;
    std::unique_ptr<TGaijiForm> popup_;
    ui::FocusMemory focus_;
    bool following_ = false;
    ui::Hints hints_;
    gdi::Font formFont_;
    gdi::Font headerFont_;
    std::string headerFace_;
    LONG headerHeight_ = 0;
    std::string fontText_;  // the combo box's text as last changed
};
