// CodeTableWindow: the code table window. A grid of every EUDC code point,
// in Shift-JIS (F040-F9FC) or Unicode (U+E000-U+F8FF) numbering, drawn in a
// font picked from a list, with the linked EUDC file and the code under
// the mouse in the status bar and a magnifier popup that follows the mouse.
// It stays docked below the main window: dragging it drags the main window.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/run/run_parameters.h"
#include "ui/code_table/candidate_finder.h"
#include "ui/code_table/candidate_window.h"
#include "ui/code_table/cell_grid.h"
#include "ui/code_table/font_combo_box.h"
#include "ui/code_table/glyph_popup.h"
#include "ui/focus_memory.h"
#include "ui/gdi.h"
#include "ui/hints.h"
#include "ui/window.h"

class CodeTableWindow final : public ui::Window {
public:
    // Creates the code table window (hidden) owned by mainWindow; dockGap
    // is the main window's dockGap. It reads the Windows version and the
    // registry's link table of run, which outlives it. gone runs once the
    // window is gone (Close, its close box, or with its owner window), for
    // the owner to destroy the object. Null when the system refused the
    // window.
    static std::unique_ptr<CodeTableWindow> Create(HWND mainWindow, int dockGap, const RunParameters& run,
                                                   std::function<void()> gone);
    ~CodeTableWindow() override;

    void Show();   // shows without moving
    void Close();  // closes the window, as its close box does

    // false: Shift-JIS numbering; true: Unicode numbering. Changed only
    // when the user picks a code system.
    bool UnicodeNumbering() const { return unicodeNumbering_; }
    // The magnifier that shows the character under the mouse.
    GlyphPopup& Popup() const { return *popup_; }
    // The window of the last character opened (Enter or a double click on
    // a cell), while it is there.
    CandidateWindow* Candidates() const { return candidates_.get(); }

    // The controls.
    std::unique_ptr<CellGrid> grid;
    std::unique_ptr<FontComboBox> fontBox;  // the face the cells are drawn in
    HWND numberingBox = nullptr;            // Shift-JIS or Unicode
    HWND statusBar = nullptr;  // panel 0: the linked file; 1: the code; 2: the file's character count

    // What the user does in the controls: a face picked or typed, a
    // numbering picked in numberingBox.
    void FaceChosen(const std::string& face);
    void SwitchNumbering();

    // The text of a status bar panel (0: file, 1: code, 2: character count).
    std::string PanelText(int panel) const;
    int PanelWidth(int panel) const;
    HFONT StatusFont() const { return controlFont_.get(); }
    // The code page the numbering change converts with, read at start-up.
    static UINT CodePage();

private:
    CodeTableWindow(HWND mainWindow, int dockGap, const RunParameters& run, std::function<void()> gone);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void DpiChanged() override;

    // Creation and layout (code_table_window.cpp).
    void CreateControls();
    void FillControls();
    // Fonts, cell sizes, heights and the popup for the window's DPI.
    void ApplyScale();
    void LayOut(int clientWidth, int clientHeight);
    void SetStatusPanels();
    void OnCommand(WORD id, WORD code);
    void DragMainWindowAlong(const RECT& dragged);

    // The cells and the grid's events (code_table_window_cells.cpp).
    void FillSjisRow(int rowIndex, unsigned lead, unsigned firstTrail);
    void DrawCell(HDC dc, int col, int row, const RECT& rect);
    void DrawColumnHeader(HDC dc, int col, const RECT& rect);
    void DrawRowHeader(HDC dc, int row, const RECT& rect);
    gdi::Font& HeaderFont();
    void CellSelected(int col, int row);
    void MouseMoved(int x, int y);
    void MouseLeft();
    // The candidate window for the character of a cell with a linked file.
    void OpenCandidates(int col, int row);

    // The numbering (code_table_window_numbering.cpp).
    void SwitchToUnicode(unsigned counterpart);
    void SwitchToSjis(const std::string& counterpart);

    // The status bar (code_table_window_status.cpp).
    void UpdateCellStatus(int col, int row);
    void UpdateFileStatus();
    // Reads the linked file for how many characters it holds: when the face
    // or the links change, not at each resize.
    void UpdateCharacterCount();
    void SetPanelText(int panel, const std::string& text);

    HWND mainWindow_;
    int dockGap_;
    const RunParameters& run_;
    std::function<void()> gone_;
    bool unicodeNumbering_ = false;
    std::unique_ptr<GlyphPopup> popup_;
    // The reference font, opened once for the candidate windows; it goes
    // after them, stopping its worker.
    CandidateFinder finder_;
    std::unique_ptr<CandidateWindow> candidates_;
    // Entry 0 of a row: its header text; entries 1-16: a two-byte character
    // or empty where the byte pair is no character. Filled once.
    std::array<std::array<std::string, 17>, 120> sjisCells_;
    ui::FocusMemory focus_;
    bool following_ = false;
    ui::Hints hints_;
    gdi::Font controlFont_;
    gdi::Font headerFont_;
    std::string headerFace_;
    LONG headerHeight_ = 0;
    std::string fontText_;  // the font box's text as last changed
};
