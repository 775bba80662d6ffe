// RunOperation: the options and folder it stores, and the acquire and
// install it runs with the engine, seen on disk and in the registry.
#include "engine/texts.h"
#include "tests/support/utf8.h"
#include "tests/ui_main_support.h"
#include "ui/code_table/code_table_window.h"
#include "ui/window_messages.h"

namespace ui_test {
namespace {

using testing_support::Sjis;

TEST_F(MainWindowTest, RunStoresTheOptionsAndTheFolder) {
    MakeFolder("data");
    const struct {
        bool confirmTicked, copyTicked;
        const char* folder;  // nullptr: the default item
        bool confirm, copyEuf;
        const char* targetName;
    } cases[] = {
        {false, true, nullptr, true, true, ""},
        {true, true, "data", false, true, "data\\"},
        {false, false, "data", true, false, "data\\"},
        {true, false, nullptr, false, false, ""},
    };
    for (const auto& c : cases) {
        MainWindow& f = Open();
        if (c.folder) SelectItem(f.folderList, c.folder);
        if (c.confirmTicked) Click(f.noOverwriteQuestionBox);
        if (!c.copyTicked) Click(f.copyEufBox);
        boxes.messages.clear();
        Click(f.runButton);
        EXPECT_EQ(param->options.confirm, c.confirm);
        EXPECT_EQ(param->options.copyCompanions, c.copyEuf);
        EXPECT_FALSE(param->options.onlyNewer);
        EXPECT_EQ(param->target.name, c.targetName);
        // Nothing to acquire on a system without EUDC links.
        EXPECT_EQ(boxes.messages, std::vector<std::string>{texts::kNoSystemEudc});
        EXPECT_TRUE(boxes.eudcCalls.empty());
        mainWindow.reset();
    }
}

// Acquire disables the date option and keeps its tick, which still counts;
// install enables it again.
TEST_F(MainWindowTest, RadioButtonsEnableTheDateOptionWhoseTickStillCounts) {
    MakeFile("EUDC.TTE");
    MainWindow& f = Open();
    ASSERT_TRUE(Checked(f.installChoice));
    Click(f.onlyNewerBox);
    Click(f.acquireChoice);
    EXPECT_TRUE(Checked(f.acquireChoice));
    EXPECT_FALSE(Checked(f.installChoice));
    EXPECT_FALSE(Enabled(f.onlyNewerBox));
    EXPECT_TRUE(Checked(f.onlyNewerBox));
    Click(f.runButton);
    EXPECT_TRUE(param->options.onlyNewer);
    Click(f.installChoice);
    EXPECT_TRUE(Enabled(f.onlyNewerBox));
    EXPECT_TRUE(Checked(f.onlyNewerBox));
}

// A machine with one EUDC font file linked as the system default.
class RoundTrip : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        testing_support::WriteFile(system / "EUDC.TTE", "tte glyphs");
        testing_support::WriteFile(system / "EUDC.EUF", "euf index");
        testing_support::SetEudcLink("SystemDefaultEUDCFont", system / "EUDC.TTE");
        MakeFolder("data");
    }
    testing_support::TempFolder system;
};

TEST_F(RoundTrip, AcquireIntoAFolderThenInstallFromIt) {
    MainWindow& f = Open();
    SelectItem(f.folderList, "data");
    ASSERT_FALSE(Enabled(f.installChoice));
    Click(f.runButton);
    EXPECT_EQ(testing_support::ReadFile(Program("data\\EUDC.TTE")), "tte glyphs");
    EXPECT_EQ(testing_support::ReadFile(Program("data\\EUDC.EUF")), "euf index");
    EXPECT_TRUE(platform::FileExists(Program("data\\EUDC.INI")));
    ASSERT_EQ(boxes.messages.size(), 1u);  // the engine's report
    EXPECT_NE(boxes.messages[0].find(texts::kAcquireClosing), std::string::npos);
    // The list was rebuilt with the same folder, which can now be installed.
    EXPECT_EQ(SelectedItem(f.folderList), "data");
    EXPECT_TRUE(Enabled(f.installChoice));
    EXPECT_TRUE(Checked(f.acquireChoice));
    EXPECT_TRUE(boxes.eudcCalls.empty());

    // Install on "another machine": the link now points elsewhere.
    testing_support::ClearEudcKey();
    testing_support::SetEudcLink("SystemDefaultEUDCFont", system / "OTHER.TTE");
    Click(f.installChoice);
    boxes.messages.clear();
    Click(f.runButton);
    EXPECT_TRUE(boxes.questions.empty());  // nothing installed here yet: nothing to replace
    EXPECT_EQ(testing_support::ReadFile(param->folders.userData + "EUDC.TTE"), "tte glyphs");
    EXPECT_EQ(testing_support::ReadFile(param->folders.userData + "EUDC.EUF"), "euf index");
    const auto links = testing_support::EudcLinks();
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].first, "SystemDefaultEUDCFont");
    EXPECT_EQ(links[0].second, param->folders.userData + "EUDC.TTE");
    // Off before, on again twice after.
    EXPECT_EQ(boxes.eudcCalls,
              (std::vector<BOOL>{platform::kEudcOff, platform::kEudcOn, platform::kEudcOn}));
    EXPECT_EQ(boxes.messages.size(), 1u);
}

TEST_F(RoundTrip, TickedOptionsReachTheEngine) {
    MainWindow& f = Open();
    SelectItem(f.folderList, "data");
    Click(f.copyEufBox);  // no *.euf
    Click(f.runButton);
    EXPECT_TRUE(platform::FileExists(Program("data\\EUDC.TTE")));
    EXPECT_FALSE(platform::FileExists(Program("data\\EUDC.EUF")));
    // Acquiring again over the files asks first, unless noOverwriteQuestionBox is ticked.
    boxes.answers = {IDNO};
    Click(f.runButton);
    EXPECT_EQ(boxes.questions, std::vector<std::string>{texts::kOverwriteQuestion});
    EXPECT_EQ(boxes.messages.back(), texts::kAcquireCancelled);
    Click(f.noOverwriteQuestionBox);
    boxes.questions.clear();
    Click(f.runButton);
    EXPECT_TRUE(boxes.questions.empty());
}

TEST_F(MainWindowTest, FailedOrCancelledInstallSwitchesEudcOnAndRefreshes) {
    MakeFile("EUDC.INI", "[MINAMO]\r\n");  // settings, no links: incomplete
    MainWindow& f = Open();
    ASSERT_TRUE(Checked(f.installChoice));
    Click(f.codeTableButton);
    ASSERT_TRUE(Main().CodeTable());
    MessageCounter refreshes(Main().CodeTable()->Handle(), WM_REFRESHCODETABLE);
    Click(f.runButton);
    EXPECT_EQ(refreshes.count, 0);  // posted: handled after the click
    PumpMessages();
    EXPECT_EQ(refreshes.count, 1);
    EXPECT_EQ(boxes.messages, std::vector<std::string>{texts::kInfoIncomplete});
    EXPECT_EQ(boxes.eudcCalls,
              (std::vector<BOOL>{platform::kEudcOff, platform::kEudcOn, platform::kEudcOn}));
    // The list is not rebuilt after an install.
    MakeFolder("later");
    Click(f.runButton);
    EXPECT_EQ(Items(f.folderList).size(), 1u);
}

}  // namespace
}  // namespace ui_test
