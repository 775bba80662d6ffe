// The main window and its code table together, driven by real mouse and
// key input through the message loop of window mode: docking while either
// is dragged, a modal window that holds both, the focus in the code table,
// the grid under the wheel and when enlarged, and painting.
#include <memory>

#include "tests/ui_main_support.h"
#include "ui/gcode/gcode_form.h"

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

}  // namespace
}  // namespace ui_test
