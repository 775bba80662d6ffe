// RunOperation: the options and folder it stores, and the acquire and
// install it runs with the engine, seen on disk and in the registry.
#include <algorithm>

#include "engine/report/texts.h"
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
        if (c.folder) SelectItem(f.Control(MainWindow::kFolderList), c.folder);
        if (c.confirmTicked) Click(f.Control(MainWindow::kNoOverwriteQuestionBox));
        if (!c.copyTicked) Click(f.Control(MainWindow::kCopyEufBox));
        boxes.messages.clear();
        Click(f.Control(MainWindow::kRunButton));
        EXPECT_EQ(Main().RunOptions().confirm, c.confirm);
        EXPECT_EQ(Main().RunOptions().copyCompanions, c.copyEuf);
        EXPECT_FALSE(Main().RunOptions().onlyNewer);
        EXPECT_EQ(Main().SelectedTarget().Name(), c.targetName);
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
    ASSERT_TRUE(Checked(f.Control(MainWindow::kInstallChoice)));
    Click(f.Control(MainWindow::kOnlyNewerBox));
    Click(f.Control(MainWindow::kAcquireChoice));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kAcquireChoice)));
    EXPECT_FALSE(Checked(f.Control(MainWindow::kInstallChoice)));
    EXPECT_FALSE(Enabled(f.Control(MainWindow::kOnlyNewerBox)));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kOnlyNewerBox)));
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_TRUE(Main().RunOptions().onlyNewer);
    Click(f.Control(MainWindow::kInstallChoice));
    EXPECT_TRUE(Enabled(f.Control(MainWindow::kOnlyNewerBox)));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kOnlyNewerBox)));
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
    SelectItem(f.Control(MainWindow::kFolderList), "data");
    ASSERT_FALSE(Enabled(f.Control(MainWindow::kInstallChoice)));
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_EQ(testing_support::ReadFile(Program("data\\EUDC.TTE")), "tte glyphs");
    EXPECT_EQ(testing_support::ReadFile(Program("data\\EUDC.EUF")), "euf index");
    EXPECT_TRUE(platform::FileExists(Program("data\\EUDC.INI")));
    ASSERT_EQ(boxes.messages.size(), 1u);  // the engine's report
    EXPECT_NE(boxes.messages[0].find(texts::kAcquireClosing), std::string::npos);
    // The list was rebuilt with the same folder, which can now be installed.
    EXPECT_EQ(SelectedItem(f.Control(MainWindow::kFolderList)), "data");
    EXPECT_TRUE(Enabled(f.Control(MainWindow::kInstallChoice)));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kAcquireChoice)));
    EXPECT_TRUE(boxes.eudcCalls.empty());

    // Install on "another machine": the link now points elsewhere.
    testing_support::ClearEudcKey();
    testing_support::SetEudcLink("SystemDefaultEUDCFont", system / "OTHER.TTE");
    Click(f.Control(MainWindow::kInstallChoice));
    boxes.messages.clear();
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_TRUE(boxes.questions.empty());  // nothing installed to replace
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
    SelectItem(f.Control(MainWindow::kFolderList), "data");
    Click(f.Control(MainWindow::kCopyEufBox));  // no *.euf
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_TRUE(platform::FileExists(Program("data\\EUDC.TTE")));
    EXPECT_FALSE(platform::FileExists(Program("data\\EUDC.EUF")));
    // Acquiring again over the files asks first, unless noOverwriteQuestionBox is ticked.
    boxes.answers = {IDNO};
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_EQ(boxes.questions, std::vector<std::string>{texts::kOverwriteQuestion});
    EXPECT_EQ(boxes.messages.back(), texts::kAcquireCancelled);
    Click(f.Control(MainWindow::kNoOverwriteQuestionBox));
    boxes.questions.clear();
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_TRUE(boxes.questions.empty());
}

// The question before replacing a font names the characters it would take
// away or change; a font that only adds characters asks nothing.
TEST_F(MainWindowTest, TheQuestionNamesTheCharactersThatWouldGo) {
    const std::string fonts = testing_support::TestFontsFolder();
    MakeFolder("data");
    MakeFile("data\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n");
    testing_support::TempFolder users;
    const std::string installed = users / "EUDC.TTE";
    // Before the question: where the replaced fonts are kept, and the way back.
    const std::string question =
        installed + Sjis(u8" の外字: なくなる 1 字 (F040)、変わる 1 字 (F042)、増える 1 字 (F044)\r\n") +
        Sjis(u8"置き換える外字ファイルはバックアップとして ") + users / "backup\\" +
        Sjis(u8" に残します（minamo /undo で元に戻せます）。\r\n") + texts::kReplaceQuestion;
    const struct {
        const char* incoming;
        std::vector<std::string> questions;
    } cases[] = {{"NEWEUDC.TTE", {question}}, {"MOREEUDC.TTE", {}}};
    for (const auto& c : cases) {
        testing_support::CopyFileTo(fonts + c.incoming, Program("data\\EUDC.TTE"));
        testing_support::CopyFileTo(fonts + "OLDEUDC.TTE", installed);
        MainWindow& f = Open({"data"});
        param->folders.userData = users.path();
        boxes.answers = {IDNO};
        Click(f.Control(MainWindow::kRunButton));
        EXPECT_EQ(boxes.questions, c.questions) << c.incoming;
        boxes.questions.clear();
        mainWindow.reset();
    }
}

// A set acquired with /s carries Silet=1: in the window its runs still ask
// before overwriting and tell their outcome, and the set keeps its Silet.
TEST_F(RoundTrip, ASilentSetStillAsksAndTellsInTheWindow) {
    MakeFile("data\\EUDC.TTE", "admin's glyphs");
    MakeFile("data\\EUDC.INI", "[MINAMO]\r\nSilet=1\r\n[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n");
    testing_support::TempFolder users;
    MainWindow& f = Open();
    param->folders.userData = users.path();
    SelectItem(f.Control(MainWindow::kFolderList), "data");
    Click(f.Control(MainWindow::kAcquireChoice));
    const struct {
        int answer;
        const char* kept;
        const char* told;
    } cases[] = {{IDNO, "admin's glyphs", texts::kAcquireCancelled}, {IDYES, "tte glyphs", texts::kAcquireClosing}};
    for (const auto& c : cases) {
        boxes.answers = {c.answer};
        boxes.questions.clear();
        boxes.messages.clear();
        Click(f.Control(MainWindow::kRunButton));
        EXPECT_EQ(boxes.questions, std::vector<std::string>{texts::kOverwriteQuestion});
        EXPECT_EQ(testing_support::ReadFile(Program("data\\EUDC.TTE")), c.kept);
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_NE(boxes.messages[0].find(c.told), std::string::npos) << boxes.messages[0];
    }
    EXPECT_EQ(GetPrivateProfileIntA("MINAMO", "Silet", 0, Program("data\\EUDC.INI").c_str()), 1);
    Click(f.Control(MainWindow::kInstallChoice));
    boxes.messages.clear();
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_EQ(testing_support::ReadFile(users / "EUDC.TTE"), "tte glyphs");
    EXPECT_EQ(boxes.messages.size(), 1u);
}

// Thirty linked fonts: the acquire's report keeps to a small screen (a line
// of a message box takes about 15 pixels at 96 DPI: 30 lines and the
// buttons fit 720). The install's question and its report name only the
// counts that are not 0, and the report what happened.
TEST_F(MainWindowTest, ManyFontsKeepTheBoxesSmallAndTheReportTellsWhatHappened) {
    const std::string fonts = testing_support::TestFontsFolder();
    testing_support::TempFolder system, users;
    testing_support::ClearEudcKey();
    for (int i = 1; i <= 30; ++i) {
        const std::string name = "F" + std::to_string(i) + ".TTE";
        testing_support::CopyFileTo(fonts + (i == 2 ? "MOREEUDC.TTE" : "NEWEUDC.TTE"), system / name);
        testing_support::CopyFileTo(fonts + "OLDEUDC.TTE", users / name);
        const std::string face = i == 1 ? "SystemDefaultEUDCFont" : i == 2 ? "MS PGothic" : "Face" + std::to_string(i);
        testing_support::SetEudcLink(face, system / name);
    }
    MakeFolder("data");
    MainWindow& f = Open();
    param->folders.userData = users.path();
    SelectItem(f.Control(MainWindow::kFolderList), "data");
    Click(f.Control(MainWindow::kRunButton));
    ASSERT_EQ(boxes.messages.size(), 1u);
    const std::string& acquired = boxes.messages[0];
    EXPECT_LE(std::count(acquired.begin(), acquired.end(), '\r'), 30) << acquired;
    EXPECT_NE(acquired.find(Sjis(u8"ほか 25 個")), std::string::npos) << acquired;

    Click(f.Control(MainWindow::kInstallChoice));
    boxes.answers = {IDYES};
    Click(f.Control(MainWindow::kRunButton));
    ASSERT_EQ(boxes.questions.size(), 1u);
    ASSERT_EQ(boxes.messages.size(), 2u);
    const std::string& question = boxes.questions[0];
    const std::string& report = boxes.messages[1];
    EXPECT_NE(question.find(Sjis(u8"F2.TTE の外字: 増える ")), std::string::npos) << question;
    EXPECT_NE(report.find(Sjis(u8"F1.TTE の外字: なくなった 1 字 (F040)、変わった 1 字 (F042)、増えた 1 字")),
              std::string::npos) << report;
    EXPECT_EQ(report.find(Sjis(u8"なくなる")), std::string::npos) << report;
    for (const std::string& text : {question, report}) EXPECT_EQ(text.find(Sjis(u8" 0 字")), std::string::npos) << text;
    testing_support::ClearEudcKey();
}

TEST_F(MainWindowTest, FailedOrCancelledInstallSwitchesEudcOnAndRefreshes) {
    MakeFile("EUDC.INI", "[MINAMO]\r\n");  // settings, no links: incomplete
    MainWindow& f = Open();
    ASSERT_TRUE(Checked(f.Control(MainWindow::kInstallChoice)));
    Click(f.Control(MainWindow::kCodeTableButton));
    ASSERT_TRUE(Main().CodeTable());
    MessageCounter refreshes(Main().CodeTable()->Handle(), WM_REFRESHCODETABLE);
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_EQ(refreshes.count, 0);  // posted: handled after the click
    PumpMessages();
    EXPECT_EQ(refreshes.count, 1);
    EXPECT_EQ(boxes.messages, std::vector<std::string>{texts::kInfoIncomplete});
    EXPECT_EQ(boxes.eudcCalls,
              (std::vector<BOOL>{platform::kEudcOff, platform::kEudcOn, platform::kEudcOn}));
    // The list is not rebuilt after an install.
    MakeFolder("later");
    Click(f.Control(MainWindow::kRunButton));
    EXPECT_EQ(Items(f.Control(MainWindow::kFolderList)).size(), 1u);
}

}  // namespace
}  // namespace ui_test
