// The main window under the keyboard, through the message loop of window
// mode with real key presses: tab order in both layouts, Esc, the arrow
// keys, and the focus after message boxes and modal windows.
#include "tests/ui_main_support.h"
#include "ui/main/disp_registry_form.h"

namespace ui_test {
namespace {

// Keys pressed one after another, and the control each leaves the focus on.
struct Stroke {
    std::initializer_list<WORD> keys;
    HWND TMinamoForm::*focus;
};

void Walk(TMinamoForm& form, const std::vector<Stroke>& strokes) {
    InputScript script;
    for (const Stroke& stroke : strokes) {
        script.Then([&stroke] { PressKeys(stroke.keys); }).Then([&form, &stroke] {
            ASSERT_TRUE(form.Handle()) << "the window was closed";
            EXPECT_EQ(GetFocus(), form.*stroke.focus) << "the focus is on " << Text(GetFocus());
        });
    }
    script.Run(form);
}

TEST_F(MainWindowTest, TheKeyboardGoesWhereTheUserSees) {
    MakeFile("EUDC.TTE");  // every control enabled
    Open();
    using F = TMinamoForm;
    Walk(Form(), {
        // Narrow: the option area and the memo, outside the window, are no
        // tab stops; Esc ends nothing.
        {{VK_SHIFT, VK_TAB}, &F::EndButton},
        {{VK_SHIFT, VK_TAB}, &F::RunButton},
        {{VK_ESCAPE}, &F::RunButton},
        {{VK_RIGHT}, &F::EndButton},  // the arrows move within a group
        {{VK_TAB}, &F::WidthButton},
        {{VK_SPACE}, &F::WidthButton},  // wide
        {{VK_SHIFT, VK_TAB}, &F::Memo1},
        {{VK_ESCAPE}, &F::Memo1},
        {{VK_TAB}, &F::WidthButton},
        {{VK_SHIFT, VK_TAB}, &F::Memo1},
        {{VK_SHIFT, VK_TAB}, &F::DispRegButton},
        {{VK_UP}, &F::CommandHelpButton},
        {{VK_UP}, &F::EudcOffButton},
    });
}

// After a message box, a modal window or the registry window the focus is
// back on the button that opened it, so that Enter or Space does not toggle
// the layout.
TEST_F(MainWindowTest, TheFocusComesBackAfterBoxesAndModalWindows) {
    Open();
    TMinamoForm& f = Form();
    Click(f.WidthButton);
    platform::Interaction* fake = platform::SetInteraction(nullptr);  // real boxes
    auto foreground = [] { return GetForegroundWindow(); };
    InputScript script;
    for (HWND button : {f.RunButton, f.NewFolderButton, f.DispRegButton}) {
        script.Then([button] { SetFocus(button); PressKeys({VK_SPACE}); })
            .Then([&f, foreground, button] {
                EXPECT_NE(foreground(), f.Handle());
                // The registry window opens with the focus on its text.
                if (button == f.DispRegButton) {
                    EXPECT_EQ(GetFocus(), f.RegistryWindow()->Memo1);
                }
                PressKeys({VK_ESCAPE});
            })
            .Then([&f, button] {
                EXPECT_EQ(GetForegroundWindow(), f.Handle());
                EXPECT_EQ(GetFocus(), button) << "the focus is on " << Text(GetFocus());
            });
    }
    script.Run(f);
    platform::SetInteraction(fake);
}

}  // namespace
}  // namespace ui_test
