// Shared by the code table tests: the test EUDC fonts, a stand-in main
// window, a code table window built the way the main window builds it, and
// pictures of windows taken through WM_PRINTCLIENT.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/run/run_parameters.h"
#include "platform/platform.h"
#include "ui/code_table/code_table_window.h"

namespace code_table_testing {

// Faces of the fonts made by scripts/make-test-font.py (build/test-fonts).
extern const char* const kShapesFace;   // shapes from U+E000: block, frame, ...
extern const char* const kPatternFace;  // every code point spells itself out

// Loads the test fonts into this process once.
void LoadTestFonts();

// A plain top-level window standing in for the main window as the code
// table's owner.
HWND CreateStandInMain(int width, int height);

// A code table window created as the main window does it: owned by a
// stand-in main window, client 482 x 234, shown.
class CodeTableTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the code table as the main window does; its window's end
    // ends the object.
    void OpenTable();
    // Picks item (0: Shift-JIS, 1: Unicode) in numberingBox as the user does.
    void PickCode(int item);
    // Makes (col, row) the current cell as a click would.
    void Select(int col, int row);
    void SetClientSize(int width, int height);
    std::string Panel(int panel) const { return table->PanelText(panel); }

    // What the code table reads: OS major version 6, no links (SetUp).
    RunParameters run{platform::ExecutablePath()};
    HWND main = nullptr;
    std::unique_ptr<CodeTableWindow> table;
};

// A 32-bit picture: what paint draws into a memory device context of
// width x height, or a window's client area as WM_PRINTCLIENT paints it.
class Picture {
public:
    Picture(int width, int height, const std::function<void(HDC)>& paint);
    explicit Picture(HWND window);
    COLORREF At(int x, int y) const;
    // Pixels clearly different from background.
    bool IsInk(int x, int y, COLORREF background) const;
    int InkCount(const RECT& area, COLORREF background) const;
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    std::vector<DWORD> pixels_;
};

// Decodes what a cell of the pattern face shows: the code point its block
// pattern spells, or -1 when the cell holds no pattern.
int DecodePattern(const Picture& picture, const RECT& cell);

}  // namespace code_table_testing
