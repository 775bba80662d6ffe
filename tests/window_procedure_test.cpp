// No exception leaves a window procedure: what a message's handling did not
// foresee is told in a box, and the window and the program go on.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "engine/report/texts.h"
#include "tests/support/test_support.h"
#include "ui/window.h"

namespace {

class ThrowingWindow : public ui::Window {
public:
    bool Open() {
        return Create({"MinamoThrowingTest", nullptr, 0}, 0, WS_OVERLAPPEDWINDOW, "", 0, 0, 100, 100, nullptr);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) throw std::bad_alloc();
        if (message == WM_APP + 1) throw std::runtime_error("broken");
        return Window::HandleMessage(message, wParam, lParam);
    }
};

TEST(WindowProcedure, NoExceptionLeavesIt) {
    testing_support::FakeInteraction boxes;
    ThrowingWindow window;
    ASSERT_TRUE(window.Open());
    EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 0);
    EXPECT_EQ(SendMessageA(window.Handle(), WM_APP + 1, 0, 0), 0);
    EXPECT_EQ(boxes.messages, (std::vector<std::string>{texts::Format(texts::kUnexpectedFailure, {"std::bad_alloc"}),
                                                        texts::Format(texts::kUnexpectedFailure, {"broken"})}));
    EXPECT_TRUE(IsWindow(window.Handle()));
}

}  // namespace
