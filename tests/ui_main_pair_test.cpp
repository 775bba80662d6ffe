// The main window and its code table together, driven by real mouse and
// key input through the message loop of window mode: docking while either
// is dragged, a modal window that holds both, the focus in the code table,
// the grid under the wheel and when enlarged, and painting.
#include <algorithm>
#include <memory>

#include "tests/ui_main_support.h"
#include "ui/dpi_scale.h"
#include "ui/gcode/gcode_form.h"

#include <commctrl.h>

namespace ui_test {
namespace {

class PairTest : public MainWindowTest {
protected:
    // The main window with its code table open below it.
    void OpenPair() {
        Open();
        Click(Form().GCodeButton);
        ASSERT_TRUE(CodeTableForm);
        table = CodeTableForm->Handle();
    }
    HWND table = nullptr;
};

POINT Moved(POINT p, int dx, int dy) { return POINT{p.x + dx, p.y + dy}; }

// A drag of window's caption to where the caption point ends up.
void DragCaption(InputScript& script, const HWND& window, std::function<POINT(POINT)> to) {
    auto from = std::make_shared<POINT>();
    script.Then([&window, from] {
              *from = CaptionPoint(window);
              PressMouse(*from);
          })
        .Then([from, to] { ReleaseMouse(to(*from)); });
}

TEST_F(PairTest, DraggingEitherWindowDragsTheOtherAlongOnTheScreen) {
    OpenPair();
    HWND main = Form().Handle();
    const int gap = Form().DockGap;
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    auto docked = [&] {
        EXPECT_EQ(Outer(table).left, Outer(main).left);
        EXPECT_EQ(Outer(table).top, Outer(main).bottom + gap);
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
    script.Run(Form());
}

// With a visual-style theme (the test prefix has one) Vista and later
// leave half a frame between the windows; older systems none.
TEST_F(PairTest, TheGapBetweenTheWindowsFollowsTheSystem) {
    const struct {
        DWORD major;
        int gap;
    } systems[] = {{5, 0}, {6, 2}};
    for (const auto& system : systems) {
        param = std::make_unique<TminamoParam>(program / "minamo.exe");
        RunParam = param.get();
        param->OsVersion.dwMajorVersion = system.major;
        form = TMinamoForm::Create();
        Click(form->GCodeButton);
        EXPECT_EQ(Outer(CodeTableForm->Handle()).top - Outer(form->Handle()).bottom, system.gap);
        form.reset();
    }
}

TEST_F(PairTest, AModalWindowHoldsTheCodeTableToo) {
    OpenPair();
    HWND main = Form().Handle();
    RECT before = {};
    SetFocus(Form().NewFolderButton);
    InputScript script;
    script.Then([&] { PressKeys({VK_SPACE}); })
        .Then([&] {
            EXPECT_FALSE(Enabled(table));
            before = Outer(table);
            PressMouse(CaptionPoint(table));
        })
        .Then([&] { ReleaseMouse(Moved(CaptionPoint(table), 80, 60)); })
        .Then([&] {
            RECT after = Outer(table);
            EXPECT_TRUE(EqualRect(&before, &after));
            EXPECT_EQ(Outer(table).top, Outer(main).bottom + Form().DockGap);
            PressKeys({VK_ESCAPE});
        })
        .Then([&] { EXPECT_TRUE(Enabled(table)); });
    script.Run(Form());
}

TEST_F(PairTest, TheCodeTableGivesTheFocusBackWhereTheUserLeftIt) {
    OpenPair();
    POINT blank = {474, 120};  // between the group box and the right edge
    ClientToScreen(Form().Handle(), &blank);
    InputScript script;
    script.Then([&] { SetForegroundWindow(table); })
        .Then([&] { PressKeys({VK_TAB}); })
        .Then([&] { PressKeys({VK_TAB}); })
        .Then([&] {
            EXPECT_EQ(GetFocus(), CodeTableForm->CBCode);
            ClickAt(blank);
        })
        .Then([&] {
            EXPECT_EQ(GetActiveWindow(), Form().Handle());
            ClickAt(CaptionPoint(table));
        })
        .Then([&] { EXPECT_EQ(GetFocus(), CodeTableForm->CBCode); });
    script.Run(Form());
}

TEST_F(PairTest, TheGridScrollsByPartsOfANotchAndRepaintsWhenEnlarged) {
    OpenPair();
    TDrawGrid& grid = *CodeTableForm->DrawGrid1;
    const RECT frame = Outer(table);
    const POINT bottomEdge = {(frame.left + frame.right) / 2, frame.bottom - 2};
    InputScript script;
    script.Then([&] {
            SetForegroundWindow(table);
            SetFocus(grid.Handle());
            MouseTo(ScreenCentre(grid.Handle()));
            // A touchpad: a notch in three parts scrolls as one notch does.
            for (int part = 0; part < 3; ++part) Wheel(-WHEEL_DELTA / 3);
        })
        .Then([&] {
            EXPECT_EQ(grid.TopRow(), 4);
            Wheel(WHEEL_DELTA);
        })
        .Then([&] {
            EXPECT_EQ(grid.TopRow(), 1);
            PressKeys({VK_CONTROL, VK_END});
        })
        // Scrolled to the end, then taller: every row moves down.
        .Then([&] { PressMouse(bottomEdge); })
        .Then([&] { ReleaseMouse(Moved(bottomEdge, 0, 150)); })
        .Then([&] {
            EXPECT_GT(Outer(table).bottom, frame.bottom + 100);
            EXPECT_TRUE(testing_support::ScreenMatchesRepaint(grid.Handle()));
        });
    script.Run(Form());
}

TEST_F(PairTest, NoCodeTableWhenTheSystemRefusesItsWindow) {
    Open();
    // A computer-based-training hook may refuse any window: here the code table's.
    struct Refusal {
        static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
            char cls[32] = {};
            if (code == HCBT_CREATEWND) GetClassNameA(reinterpret_cast<HWND>(wParam), cls, sizeof cls);
            return lstrcmpA(cls, "TGCodeForm") == 0 ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
        }
    };
    HHOOK hook = SetWindowsHookExA(WH_CBT, &Refusal::Hook, nullptr, GetCurrentThreadId());
    SetFocus(Form().GCodeButton);
    InputScript script;
    script.Then([] { PressKeys({VK_SPACE}); }).Then([&] {
        EXPECT_FALSE(CodeTableForm);
        EXPECT_TRUE(IsWindow(Form().Handle()));
    });
    script.Run(Form());
    UnhookWindowsHookEx(hook);
}

// A high-contrast scheme, white on black: the grid's header lines, the
// popup's frame and the link take the scheme's colours instead of black or
// purple on black.
TEST_F(PairTest, HighContrastKeepsLinesFrameAndLinkInSight) {
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HOTLIGHT};
    const COLORREF contrast[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255),
                                 RGB(255, 255, 0)};
    COLORREF saved[5];
    for (int i = 0; i < 5; ++i) saved[i] = GetSysColor(elements[i]);
    SetSysColors(5, elements, contrast);
    OpenPair();
    HWND grid = CodeTableForm->DrawGrid1->Handle();
    // The colours on the screen that a window shows in area.
    auto colours = [](HWND window, RECT area) {
        std::vector<COLORREF> seen;
        HDC dc = GetDC(window);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) seen.push_back(GetPixel(dc, x, y));
        ReleaseDC(window, dc);
        return seen;
    };
    const COLORREF white = RGB(255, 255, 255), yellow = RGB(255, 255, 0);
    InputScript script;
    script.Then([&] { MouseTo(ScreenCentre(grid)); })  // the popup comes up beside the mouse
        .Then([&] {
            const RECT header = CodeTableForm->DrawGrid1->CellRect(1, 0);
            EXPECT_EQ(colours(grid, {header.right, 5, header.right + 1, 6}), std::vector<COLORREF>{white});
            ASSERT_TRUE(GlyphPopup->Showing());
            EXPECT_EQ(colours(GlyphPopup->Handle(), {0, 25, 1, 26}), std::vector<COLORREF>{white});
            const std::vector<COLORREF> link = colours(Form().LabelURL, {0, 0, Client(Form().LabelURL).cx, 15});
            EXPECT_GT(std::count(link.begin(), link.end(), yellow), 20);
        });
    script.Run(Form());
    SetSysColors(5, elements, saved);
}

// Counts the controls of a window whose middle its background painting
// covers: each of them would flicker. (Themed controls have the window
// paint its background into their own device context: that is no flicker.)
LRESULT CALLBACK CountOverpainted(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR count) {
    if (message == WM_ERASEBKGND && WindowFromDC(reinterpret_cast<HDC>(wParam)) == window)
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const RECT r = InParent(c);
            const bool seeThrough = GetWindowLongA(c, GWL_EXSTYLE) & WS_EX_TRANSPARENT;
            if (IsWindowVisible(c) && !seeThrough &&
                PtVisible(reinterpret_cast<HDC>(wParam), (r.left + r.right) / 2, (r.top + r.bottom) / 2))
                ++*reinterpret_cast<int*>(count);
        }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Moved to a monitor of 150 %: the window takes the rectangle the system
// suggests and lays itself out again, without painting its background
// over its controls (they would flicker); the code table likewise.
TEST_F(PairTest, AMoveToAnotherDpiScalesBothWindows) {
    OpenPair();
    TMinamoForm& f = Form();
    Click(f.WidthButton);
    int overpainted = 0;
    SetWindowSubclass(f.Handle(), CountOverpainted, 3, reinterpret_cast<DWORD_PTR>(&overpainted));
    const RECT suggested = {100, 50, 100 + 1200, 50 + 400}, table = {100, 460, 100 + 760, 460 + 400};
    SendMessageA(f.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    SendMessageA(CodeTableForm->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&table));
    UpdateWindow(f.Handle());
    RemoveWindowSubclass(f.Handle(), CountOverpainted, 3);
    EXPECT_EQ(overpainted, 0);
    RECT now = Outer(f.Handle());
    EXPECT_TRUE(EqualRect(&now, &suggested));
    EXPECT_EQ(InParent(f.RunButton).left, 464);  // 309 at 150 %, rounded
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(f.RunButton, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -23);  // 15 pixels at 150 %
    now = Outer(CodeTableForm->Handle());
    EXPECT_TRUE(EqualRect(&now, &table));
    EXPECT_EQ(CodeTableForm->DrawGrid1->RowHeight(), 36);
}

TEST_F(MainWindowTest, TheLinkShowsAPointingHand) {
    Open();
    InputScript script;
    script.Then([&] { MouseTo(ScreenCentre(Form().LabelURL)); })
        .Then([] { EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND)); });
    script.Run(Form());
}

}  // namespace
}  // namespace ui_test
