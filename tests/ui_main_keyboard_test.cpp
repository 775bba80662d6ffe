// The main window under the keyboard, through the message loop of window
// mode with real key presses: tab order in both layouts, Esc, the arrow
// keys, and the focus after message boxes and modal windows.
#include "tests/ui_main_support.h"
#include "ui/main/registry_window.h"

namespace ui_test {
namespace {

// Keys pressed one after another, and the control each leaves the focus on.
struct Stroke {
    std::initializer_list<WORD> keys;
    MainWindow::ControlId focus;
};

void Walk(MainWindow& mainWindow, const std::vector<Stroke>& strokes) {
    InputScript script;
    for (const Stroke& stroke : strokes) {
        script.Then([&stroke] { PressKeys(stroke.keys); }).Then([&mainWindow, &stroke] {
            ASSERT_TRUE(mainWindow.Handle()) << "the window was closed";
            EXPECT_EQ(GetFocus(), mainWindow.Control(stroke.focus)) << "the focus is on " << Text(GetFocus());
        });
    }
    script.Run(mainWindow);
}

TEST_F(MainWindowTest, TheKeyboardGoesWhereTheUserSees) {
    MakeFile("EUDC.TTE");  // every control enabled
    Open();
    using F = MainWindow;
    Walk(Main(), {
                     // Narrow: the option area and the memo, outside the window, are no
                     // tab stops; Esc ends nothing.
                     {{VK_SHIFT, VK_TAB}, F::kEndButton},
                     {{VK_SHIFT, VK_TAB}, F::kRunButton},
                     {{VK_ESCAPE}, F::kRunButton},
                     {{VK_RIGHT}, F::kEndButton},  // the arrows move within a group
                     {{VK_TAB}, F::kOptionsButton},
                     {{VK_SPACE}, F::kOptionsButton},  // wide
                     {{VK_SHIFT, VK_TAB}, F::kSystemInfo},
                     {{VK_ESCAPE}, F::kSystemInfo},
                     {{VK_TAB}, F::kOptionsButton},
                     {{VK_SHIFT, VK_TAB}, F::kSystemInfo},
                     {{VK_SHIFT, VK_TAB}, F::kRegistryButton},
                     {{VK_UP}, F::kCommandHelpButton},
                     {{VK_UP}, F::kEudcOffButton},
                 });
}

// After a message box, a modal window or the registry window the focus is
// back on the button that opened it, so that Enter or Space does not toggle
// the layout.
TEST_F(MainWindowTest, TheFocusComesBackAfterBoxesAndModalWindows) {
    MainWindow& f = Open();
    Click(f.Control(MainWindow::kOptionsButton));
    platform::Interaction* fake = platform::SetInteraction(nullptr);  // real boxes
    auto foreground = [] { return GetForegroundWindow(); };
    InputScript script;
    for (HWND button : {f.Control(MainWindow::kRunButton), f.Control(MainWindow::kNewFolderButton), f.Control(MainWindow::kRegistryButton)}) {
        script.Then([button] { SetFocus(button); PressKeys({VK_SPACE}); })
            .When([&f, foreground] { return foreground() != f.Handle(); })
            .Then([&f, button] {
                // The registry window opens with the focus on its text.
                if (button == f.Control(MainWindow::kRegistryButton)) {
                    EXPECT_EQ(GetFocus(), f.ModalRegistryWindow()->linkText);
                }
                PressKeys({VK_ESCAPE});
            })
            .When([&f, foreground] { return foreground() == f.Handle(); })
            .Then([button] {
                EXPECT_EQ(GetFocus(), button) << "the focus is on " << Text(GetFocus());
            });
    }
    script.Run(f);
    platform::SetInteraction(fake);
}

}  // namespace
}  // namespace ui_test
