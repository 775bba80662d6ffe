// The main window and its code table together, driven by real mouse and
// key input through the message loop of window mode: docking while either
// is dragged, the modal windows of the main window, the focus in the code
// table, the grid under the wheel and when enlarged, a move to another DPI
// and a high-contrast scheme.
#include <algorithm>

#include "tests/ui_main_support.h"
#include "ui/dpi_scale.h"
#include "ui/code_table/code_table_window.h"

namespace ui_test {
namespace {

POINT Moved(POINT p, int dx, int dy) { return POINT{p.x + dx, p.y + dy}; }

class PairTest : public MainWindowTest {
protected:
    void OpenPair() {
        Open();
        Click(Main().Control(MainWindow::kCodeTableButton));
        ASSERT_TRUE(Main().CodeTable());
        table = Main().CodeTable()->Handle();
    }
    // A press on the caption of window, a release where to puts the point
    // pressed. A window that moves is released only once its move has
    // begun: a release before it leaves a busy X server's move waiting.
    void DragCaption(InputScript& script, const HWND& window, std::function<POINT(POINT)> to, bool moves = true) {
        script.Then([this, &window] { Mouse(pressed = CaptionPoint(window), MOUSEEVENTF_LEFTDOWN); });
        if (moves) script.When([&window] { return GetCapture() == window; });
        script.Then([this, to] { Mouse(to(pressed), MOUSEEVENTF_LEFTUP); });
    }
    HWND table = nullptr;
    POINT pressed = {};
};

TEST_F(PairTest, DraggingEitherWindowDragsTheOtherAlongOnTheScreen) {
    OpenPair();
    HWND main = Main().Handle();
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    auto docked = [&] {
        EXPECT_EQ(Outer(table).left, Outer(main).left);
        EXPECT_EQ(Outer(table).top, Outer(main).bottom + Main().DockGap());
    };
    InputScript script;
    DragCaption(script, main, [](POINT p) { return Moved(p, 60, 40); });
    script.Then(docked);
    DragCaption(script, table, [](POINT p) { return Moved(p, -30, 50); });
    script.Then(docked);
    // Into the lower right corner: the code table stays on the screen.
    DragCaption(script, main, [&](POINT) { return POINT{sw - 2, sh - 2}; });
    script.Then([&] {
        EXPECT_EQ(Outer(table).right, sw);
        EXPECT_EQ(Outer(table).bottom, sh);
    });
    // Up to the top: the main window stays on the screen above it.
    DragCaption(script, table, [](POINT p) { return POINT{p.x, 2}; });
    script.Then([&] { EXPECT_EQ(Outer(main).top, 0); });
    script.Run(Main());
}

// A modal window of the main window holds the code table too; afterwards
// the code table gives the focus back to the control the user left in it.
TEST_F(PairTest, TheCodeTableFollowsItsOwnerAndKeepsItsFocus) {
    OpenPair();
    RECT before = Outer(table);
    POINT blank = {474, 120};  // of the main window: right of the group box
    ClientToScreen(Main().Handle(), &blank);
    SetFocus(Main().Control(MainWindow::kNewFolderButton));
    InputScript script;
    script.Then([] { PressKeys({VK_SPACE}); }).Then([&] { EXPECT_FALSE(Enabled(table)); });
    DragCaption(script, table, [](POINT p) { return Moved(p, 80, 60); }, false);
    script
        .Then([&] {
            RECT after = Outer(table);
            EXPECT_TRUE(EqualRect(&before, &after));
            PressKeys({VK_ESCAPE});
        })
        // Clicks on the caption away from the press before: no double click.
        .Then([&] { Mouse(Moved(CaptionPoint(table), -120, 0), kClick); })
        .Then([] {
            PressKeys({VK_TAB});
            PressKeys({VK_TAB});
        })
        .Then([&] {
            EXPECT_EQ(GetFocus(), Main().CodeTable()->numberingBox);
            Mouse(blank, kClick);
        })
        .Then([&] { Mouse(Moved(CaptionPoint(table), -120, 0), kClick); })
        .Then([&] { EXPECT_EQ(GetFocus(), Main().CodeTable()->numberingBox); });
    script.Run(Main());
}

TEST_F(PairTest, TheGridScrollsByPartsOfANotchAndRepaintsWhenEnlarged) {
    OpenPair();
    CellGrid& grid = *Main().CodeTable()->grid;
    const RECT frame = Outer(table);
    const POINT bottomEdge = {(frame.left + frame.right) / 2, frame.bottom - 2};
    InputScript script;
    script.Then([&] { Mouse(CaptionPoint(table), kClick); })  // the grid has the focus
        .Then([&] {
              // A touchpad: a notch in three parts scrolls as one notch does.
              for (int part = 0; part < 3; ++part) Mouse(Centre(grid.Handle()), MOUSEEVENTF_WHEEL, -WHEEL_DELTA / 3);
          })
        .Then([&] {
            EXPECT_EQ(grid.TopRow(), 4);
            PressKeys({VK_CONTROL, VK_END});
        })
        // Scrolled to the end, then taller: every row moves down.
        .Then([&] { Mouse(bottomEdge, MOUSEEVENTF_LEFTDOWN); })
        .When([&] { return GetCapture() == table; })
        .Then([&] { Mouse(Moved(bottomEdge, 0, 150), MOUSEEVENTF_LEFTUP); })
        .Then([&] {
            EXPECT_GT(Outer(table).bottom, frame.bottom + 100);
            EXPECT_TRUE(testing_support::ScreenMatchesRepaint(grid.Handle()));
        });
    script.Run(Main());
}

// A computer-based-training hook may refuse any window: here the code table's.
LRESULT CALLBACK RefuseCodeTable(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && testing_support::ClassName(reinterpret_cast<HWND>(wParam)) == "TGCodeForm") return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PairTest, NoCodeTableWhenTheSystemRefusesItsWindow) {
    Open();
    {
        const platform::UniqueHook hook(SetWindowsHookExA(WH_CBT, RefuseCodeTable, nullptr, GetCurrentThreadId()));
        SetFocus(Main().Control(MainWindow::kCodeTableButton));
        InputScript script;
        script.Then([] { PressKeys({VK_SPACE}); }).Then([&] { EXPECT_FALSE(Main().CodeTable()); });
        script.Run(Main());
    }
    EXPECT_TRUE(Main().Handle());
}

// The controls whose middle the window's own background painting into dc
// covers: each of them would flicker. (Themed controls have the window
// paint its background into their own device context: no flicker.)
int Overpainted(HWND window, HDC dc) {
    int count = 0;
    if (WindowFromDC(dc) != window) return count;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const RECT r = InParent(c);
        count += IsWindowVisible(c) && !(GetWindowLongA(c, GWL_EXSTYLE) & WS_EX_TRANSPARENT) &&
                 PtVisible(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    return count;
}

// Moved to a monitor of 150 %: each window takes the rectangle the system
// suggests and lays itself out again, the main window without painting
// over its controls.
TEST_F(PairTest, AMoveToAnotherDpiScalesBothWindows) {
    OpenPair();
    MainWindow& f = Main();
    Click(f.Control(MainWindow::kOptionsButton));
    int overpainted = 0;
    const RECT main = {100, 50, 1300, 450}, codes = {100, 460, 860, 860};
    {
        const MessageWatch erasing(f.Handle(), [&](UINT message, WPARAM wParam, LPARAM) {
            if (message == WM_ERASEBKGND) overpainted += Overpainted(f.Handle(), reinterpret_cast<HDC>(wParam));
        });
        SendMessageA(f.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&main));
        SendMessageA(table, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&codes));
        UpdateWindow(f.Handle());
    }
    EXPECT_EQ(overpainted, 0);
    RECT now[] = {Outer(f.Handle()), Outer(table)};
    EXPECT_TRUE(EqualRect(&now[0], &main) && EqualRect(&now[1], &codes));
    EXPECT_EQ(InParent(f.Control(MainWindow::kRunButton)).left, 464);  // 309 at 150 %, rounded
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(f.Control(MainWindow::kRunButton), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -23);  // 15 pixels at 150 %
    EXPECT_EQ(Main().CodeTable()->grid->RowHeight(), 36);
}

// A high-contrast scheme, white on black: the grid's header lines, the
// popup's frame and the link take the scheme's colours instead of black or
// purple on black.
TEST_F(PairTest, HighContrastKeepsLinesFrameAndLinkInSight) {
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HOTLIGHT};
    const COLORREF white = RGB(255, 255, 255), yellow = RGB(255, 255, 0);
    const COLORREF contrast[] = {0, white, 0, white, yellow};
    COLORREF saved[5];
    for (int i = 0; i < 5; ++i) saved[i] = GetSysColor(elements[i]);
    SetSysColors(5, elements, contrast);
    MakeFile("README.txt");  // the link shows beside the manual
    OpenPair();
    HWND grid = Main().CodeTable()->grid->Handle();
    auto colours = [](HWND window, int x, int y, int w) {
        std::vector<COLORREF> seen;
        const platform::WindowDC dc(window);
        for (int i = 0; i < w; ++i) seen.push_back(GetPixel(dc.get(), x + i, y));
        return seen;
    };
    InputScript script;
    script
        .Then([&] { Mouse(Centre(grid)); })  // the popup comes up beside the mouse
        .Then([&] {
            const int line = Main().CodeTable()->grid->CellRect(1, 0).right;
            EXPECT_EQ(colours(grid, line, 5, 1), std::vector<COLORREF>{white});
            ASSERT_TRUE(Main().CodeTable()->Popup().Showing());
            EXPECT_EQ(colours(Main().CodeTable()->Popup().Handle(), 0, 25, 1), std::vector<COLORREF>{white});
            std::vector<COLORREF> link;
            for (int y = 0; y < 15; ++y) {
                const std::vector<COLORREF> row =
                    colours(Main().Control(MainWindow::kReadmeLink), 0, y, Client(Main().Control(MainWindow::kReadmeLink)).cx);
                link.insert(link.end(), row.begin(), row.end());
            }
            EXPECT_GT(std::count(link.begin(), link.end(), yellow), 20);
        });
    script.Run(Main());
    SetSysColors(5, elements, saved);
}

}  // namespace
}  // namespace ui_test
