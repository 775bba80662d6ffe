#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "engine/install/install.h"
#include "engine/run/run_parameters.h"
#include "engine/report/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

const char* const kTwoLinks =
    "[MINAMO]\r\nAutoRun=0\r\n[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=P.TTE\r\n";

// A folder made by an acquire, and a user data folder of the test's own.
class Install : public ::testing::Test {
protected:
    void SetUp() override {
        ClearEudcKey();
        MakeFolder(data);
    }
    void TearDown() override { ClearEudcKey(); }

    std::unique_ptr<RunParameters> Param() {
        auto p = std::make_unique<RunParameters>(program / "minamo.exe");
        p->target = TargetNamed(p->folders.program, "data\\");
        p->folders.userData = users.path();
        return p;
    }
    // The result as its number, the exit code that scripts see.
    int RunInstall(RunParameters& p) {
        return ExitCode(InstallFor(p, report));
    }
    void Fill(const char* ini) {
        if (ini) WriteFile(data + "EUDC.INI", ini);
        MakeFontFile(data + "EUDC.TTE", 3000, 1);
        MakeFontFile(data + "EUDC.EUF", 200, 2);
        MakeFontFile(data + "P.TTE", 5000, 3);
    }

    TempFolder program;
    const std::string data = program / "data\\";
    TempFolder users;
    InstallReport report;
};

TEST_F(Install, CopiesAndLinks) {
    Fill(kTwoLinks);
    auto param = Param();
    FakeInteraction boxes;
    EXPECT_EQ(RunInstall(*param), 0);
    EXPECT_EQ(ReadFile(users / "EUDC.TTE"), FontBytes(3000, 1));
    EXPECT_EQ(ReadFile(users / "EUDC.euf"), FontBytes(200, 2));
    EXPECT_EQ(ReadFile(users / "P.TTE"), FontBytes(5000, 3));
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), users / "EUDC.TTE");
    EXPECT_EQ(EudcLink("MS PGothic"), users / "P.TTE");
    // Nothing of the user's is replaced: no question; the report in sorted
    // file order.
    EXPECT_TRUE(boxes.questions.empty());
    const std::string done = texts::kInstalledLine;
    EXPECT_EQ(boxes.messages, StringList{"\r" + users / "EUDC.TTE" + done + "\r" + users / "EUDC.euf" + done +
                                         "\r" + users / "P.TTE" + done + "\r"});
    EXPECT_TRUE(platform::ListFolder(users / "~s*").empty());
    EXPECT_EQ(param->fontLinks.links.size(), 2u);  // the table was read again

    // Asked only when an installed file would be replaced.
    for (bool changed : {true, false}) {
        if (changed) MakeFontFile(data + "P.TTE", 5001, 4);
        FakeInteraction again;
        EXPECT_EQ(RunInstall(*param), 0);
        const std::string question = Sjis(u8"置き換える外字ファイルはバックアップとして ") + users / "backup\\" +
                                     Sjis(u8" に残します（minamo /undo で元に戻せます）。\r\n") + texts::kReplaceQuestion;
        EXPECT_EQ(again.questions, changed ? StringList{question} : StringList{}) << changed;
        EXPECT_EQ(ReadFile(users / "P.TTE"), FontBytes(5001, 4));
    }
}

TEST_F(Install, ResultCodes) {
    const struct {
        const char* label;
        const char* ini;  // nullptr: none
        bool files;
        bool confirm;
        bool previous;  // the user data folder holds files of the same names
        std::deque<int> answers;
        int result;
        const char* message;  // nullptr: the success report
    } cases[] = {
        {"neither EUDC.INI nor EUDC.TTE", nullptr, false, true, false, {}, 9, texts::kNoSourceFiles},
        {"no link table", "[MINAMO]\r\nAutoRun=0\r\n", true, true, false, {}, 7, texts::kInfoIncomplete},
        {"faces not installed", "[EUDC932]\r\nNoSuchFace=P.TTE\r\n", true, true, false, {}, 5, texts::kNoLinkFont},
        {"files missing", kTwoLinks, false, true, false, {}, 9, texts::kNoSourceFiles},
        {"replacement declined", kTwoLinks, true, true, true, {IDNO}, 6, texts::kInstallCancelled},
        {"non-standard declined", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.FON\r\n", true, true, false, {IDNO}, 6,
         texts::kInstallCancelled},
        {"/f asks nothing", "[EUDC932]\r\nSystemDefaultEUDCFont=P.TTE\r\nMS PGothic=X.FON\r\n", true, false, true,
         {IDNO}, 0, nullptr},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        TempFolder userFolder;
        RemoveTree(data);
        MakeFolder(data);
        if (c.files) Fill(c.ini);
        else if (c.ini) WriteFile(data + "EUDC.INI", c.ini);
        if (c.previous) MakeFontFile(userFolder / "EUDC.TTE", 10, 9);
        auto param = Param();
        param->folders.userData = userFolder.path();
        param->options.confirm = c.confirm;
        FakeInteraction boxes;
        boxes.answers = c.answers;
        EXPECT_EQ(RunInstall(*param), c.result) << c.label;
        ASSERT_EQ(boxes.messages.size(), 1u) << c.label;
        if (c.message) {
            EXPECT_EQ(boxes.messages[0], c.message) << c.label;
        }
        if (c.result != 0) {
            EXPECT_TRUE(EudcLinks().empty()) << c.label;
            EXPECT_EQ(ReadFile(userFolder / "EUDC.TTE"), c.previous ? FontBytes(10, 9) : "") << c.label;
        }
    }
}

// A user data folder as long as paths allow: an install whose files' own
// paths fit works (the staging folder's names fit where they do); one whose
// paths do not fit fails and names the folder, leaving what was there.
TEST_F(Install, LongUserDataFolder) {
    Fill(kTwoLinks);  // the longest name: EUDC.TTE, 8 characters
    const std::string failed = std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource +
                               texts::kInstallFailedUserFolder;
    for (size_t length : {size_t(MAX_PATH - 1 - 8), size_t(MAX_PATH - 8)}) {
        ClearEudcKey();
        TempFolder base;
        std::string folder = base.path();
        while (folder.size() < length) folder += std::string(std::min<size_t>(100, length - folder.size() - 1), 'a') + "\\";
        MakeFolder(folder);
        MakeFontFile(folder + "EUDC.TTE", 10, 9);
        auto param = Param();
        param->folders.userData = folder;
        param->options.confirm = false;
        FakeInteraction boxes;
        const bool fits = folder.size() + 8 < MAX_PATH;
        EXPECT_EQ(RunInstall(*param), fits ? 0 : 2) << folder.size();
        EXPECT_EQ(ReadFile(folder + "EUDC.TTE"), fits ? FontBytes(3000, 1) : FontBytes(10, 9)) << folder.size();
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), fits ? folder + "EUDC.TTE" : "<none>") << folder.size();
        // The replaced file is kept, however long the backup's names.
        EXPECT_EQ(platform::ListFolder(folder + "backup\\2*").size(), fits ? 1u : 0u) << folder.size();
        if (!fits) {
            ASSERT_EQ(boxes.messages.size(), 1u);
            EXPECT_EQ(boxes.messages[0].rfind(failed + "\r" + texts::Format(texts::kFolderTooLong, {folder}) + "\r", 0), 0u);
            EXPECT_NE(boxes.messages[0].find(Sjis(u8"（エラー 206）")), std::string::npos) << boxes.messages[0];
        }
    }
}

TEST_F(Install, DefaultInfoFileForALoneEudcTte) {
    MakeFontFile(data + "EUDC.TTE", 1000, 7);
    auto param = Param();
    param->options.silent = true;
    EXPECT_EQ(RunInstall(*param), 0);
    EXPECT_EQ(ReadFile(data + "EUDC.INI"),
              "[MINAMO]\r\nAutoRun=0\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=0\r\nTargetFolder=\r\n"
              "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n");
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), users / "EUDC.TTE");
    EXPECT_EQ(ReadFile(users / "EUDC.TTE"), FontBytes(1000, 7));
}

TEST_F(Install, DefaultInfoFileCannotBeWritten) {
    MakeFontFile(data + "EUDC.TTE", 1000, 7);
    MakeFolder(data + "EUDC.INI");  // in the file's way
    auto param = Param();
    FakeInteraction boxes;
    EXPECT_EQ(RunInstall(*param), 8);
    EXPECT_EQ(boxes.messages, StringList{texts::kInfoMissing});
    // The log's step and reason.
    EXPECT_EQ(report.failure.step, steps::kInfoFile);
    EXPECT_NE(report.failure.code, 0u);
}

TEST_F(Install, CheckDate) {
    const struct {
        const char* label;
        int installedDay;  // 0: not installed
        int otherDay;      // P.TTE: 0 not installed
        int result;
        StringList copied;
    } cases[] = {
        {"installed is newer", 20, 20, 3, {}},
        {"same day", 10, 10, 3, {}},
        {"only the newer one", 20, 5, 0, {"P.TTE"}},
        {"nothing installed", 0, 0, 0, {"EUDC.TTE", "P.TTE"}},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        TempFolder userFolder;
        Fill(kTwoLinks);
        SetFileDate(data + "EUDC.TTE", 2020, 1, 10);
        SetFileDate(data + "P.TTE", 2020, 1, 10);
        if (c.installedDay) {
            MakeFontFile(userFolder / "EUDC.TTE", 10, 8);
            SetFileDate(userFolder / "EUDC.TTE", 2020, 1, static_cast<WORD>(c.installedDay));
        }
        if (c.otherDay) {
            MakeFontFile(userFolder / "P.TTE", 10, 8);
            SetFileDate(userFolder / "P.TTE", 2020, 1, static_cast<WORD>(c.otherDay));
        }
        auto param = Param();
        param->folders.userData = userFolder.path();
        param->options.onlyNewer = true;
        param->options.copyCompanions = false;
        FakeInteraction boxes;
        EXPECT_EQ(RunInstall(*param), c.result) << c.label;
        if (c.result == 3) {
            EXPECT_EQ(boxes.messages, StringList{texts::kLatestInstalled}) << c.label;
        }
        for (const char* name : {"EUDC.TTE", "P.TTE"}) {
            bool copied = std::find(c.copied.begin(), c.copied.end(), name) != c.copied.end();
            EXPECT_EQ(ReadFile(userFolder / name) == ReadFile(data + name), copied) << c.label << name;
        }
    }
}

// Names in a hostile or odd EUDC.INI that are no font files of the folder:
// reported as not found, while the good link beside them is installed.
TEST_F(Install, NamesThatAreNoFontFiles) {
    MakeFontFile(program / "outside.TTE", 100, 4);  // a file lies in wait outside
    const struct {
        const char* name;
        bool planted;  // a file of that name lies in the folder
    } cases[] = {
        {"..\\outside.TTE", false}, {"C:\\windows\\win.ini", false}, {"NUL", false},
        {"CON.TTE", false},         {"com1.tte", false},              {"~minamo.lock", true},
        {"~s1", true},              {"backup.", true},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        TempFolder userFolder;
        RemoveTree(data);
        MakeFolder(data);
        WriteFile(data + "EUDC.INI",
                  std::string("[EUDC932]\r\nSystemDefaultEUDCFont=") + c.name + "\r\nMS PGothic=P.TTE\r\n");
        MakeFontFile(data + "P.TTE", 500, 3);
        if (c.planted) MakeFontFile(data + c.name, 50, 5);
        auto param = Param();
        param->folders.userData = userFolder.path();
        param->options.silent = true;  // silent: not even the non-standard question
        FakeInteraction boxes;
        EXPECT_EQ(RunInstall(*param), 0) << c.name;
        EXPECT_TRUE(boxes.questions.empty()) << c.name;
        EXPECT_EQ(ReadFile(userFolder / "P.TTE"), FontBytes(500, 3)) << c.name;
        EXPECT_EQ(EudcLinks(), (std::vector<std::pair<std::string, std::string>>{{"MS PGothic", userFolder / "P.TTE"}}))
            << c.name;
        // Only the good file and its companion's report, and the backup
        // that takes its link back: nothing else lands.
        EXPECT_EQ(platform::ListFolder(userFolder / "*").size(), 4u) << c.name;
        EXPECT_TRUE(platform::DirectoryExists(userFolder / "backup")) << c.name;
        EXPECT_FALSE(platform::FileExists(program / "outside.euf")) << c.name;
        EXPECT_EQ(report.unlinked.size(), 1u) << c.name;
    }
}

TEST_F(Install, UserDataFolderCannotBeCreated) {
    Fill(kTwoLinks);
    WriteFile(users / "file", "x");
    auto param = Param();
    param->folders.userData = users / "file\\minamo\\";
    FakeInteraction boxes;
    // The specified text, then the folder and Windows' reason.
    const auto expectNamed = [&](const StringList& messages, const char* advice) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind(std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource + advice +
                                        "\r" + Sjis(u8"失敗した場所: ") + param->folders.userData + "\r",
                                    0),
                  0u) << messages[0];
    };
    EXPECT_EQ(RunInstall(*param), 11);
    expectNamed(boxes.messages, texts::kInstallFailedUserFolder);
    EXPECT_TRUE(EudcLinks().empty());

    param->folders.os.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    FakeInteraction other;
    EXPECT_EQ(RunInstall(*param), 11);
    expectNamed(other.messages, texts::kInstallFailedPleaseCheck);
}

// A user data folder named with a character Shift-JIS lacks (𠮷) that has
// no short name: said so, naming it; 11, and nothing written anywhere.
TEST_F(Install, UserDataFolderThatCannotBeSpelled) {
    Fill(kTwoLinks);
    TempFolder base;
    auto param = Param();
    param->folders.userData = platform::SpellPath(Wide(base.path()) + L"\U00020BB7\\minamo\\");
    FakeInteraction boxes;
    EXPECT_EQ(RunInstall(*param), 11);
    EXPECT_EQ(boxes.messages, StringList{texts::Format(texts::kFolderUnspelled, {base.path() + "?\\minamo\\"})});
    EXPECT_TRUE(EudcLinks().empty());
    EXPECT_EQ(platform::ListFolder(base / "*").size(), 2u);  // "." and ".." only
}

TEST_F(Install, UserDataFolderWithMissingParents) {
    Fill(kTwoLinks);
    auto param = Param();
    param->folders.userData = users / "a\\b\\minamo\\";
    param->options.silent = true;
    EXPECT_EQ(RunInstall(*param), 0);
    EXPECT_EQ(ReadFile(users / "a\\b\\minamo\\P.TTE"), FontBytes(5000, 3));
    EXPECT_EQ(EudcLink("MS PGothic"), users / "a\\b\\minamo\\P.TTE");
}

TEST_F(Install, RegistryKeyThatCannotBeCreated) {
    // A volatile HKCU\EUDC takes no lasting 932 key below it.
    RegDeleteKeyA(HKEY_CURRENT_USER, "EUDC\\932");
    RegDeleteKeyA(HKEY_CURRENT_USER, "EUDC");
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "EUDC", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &created, nullptr),
              ERROR_SUCCESS);
    const platform::UniqueKey volatileKey(created);
    Fill(kTwoLinks);
    auto param = Param();
    param->options.confirm = false;
    FakeInteraction boxes;
    const int result = RunInstall(*param);
    RegDeleteKeyA(HKEY_CURRENT_USER, "EUDC");
    EXPECT_EQ(result, ExitCode(Result::kRegistryRefused));
    EXPECT_EQ(boxes.messages, StringList{texts::kRegistryFailed});
    EXPECT_EQ(ReadFile(users / "P.TTE"), FontBytes(5000, 3));  // the copied files stay
}

// The user data folder on a drive that fills up during the copy: the
// previous EUDC files stay exactly as they were.
TEST_F(Install, FullDiskLeavesThePreviousFiles) {
    const char* drive = std::getenv("MINAMO_SMALL_DRIVE");
    if (!drive || !*drive) GTEST_SKIP() << "no small drive: scripts/test maps one when it may mount tmpfs";
    const std::string folder = std::string(drive) + "\\users\\";
    RemoveTree(folder);
    MakeFolder(folder);
    const std::string previous = FontBytes(20000, 11), previousEuf = FontBytes(500, 12);
    WriteFile(folder + "EUDC.TTE", previous);
    WriteFile(folder + "EUDC.euf", previousEuf);
    SetEudcLink("SystemDefaultEUDCFont", folder + "EUDC.TTE");
    WriteFile(data + "EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n");
    MakeFontFile(data + "EUDC.TTE", 3 * 1024 * 1024, 13);  // more than the drive holds
    MakeFontFile(data + "EUDC.EUF", 100, 14);
    auto param = Param();
    param->folders.userData = folder;
    FakeInteraction boxes;
    EXPECT_EQ(RunInstall(*param), 2);
    EXPECT_EQ(ReadFile(folder + "EUDC.TTE"), previous);
    EXPECT_EQ(ReadFile(folder + "EUDC.euf"), previousEuf);
    EXPECT_TRUE(platform::ListFolder(folder + "~minamo-staging*").empty());
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), folder + "EUDC.TTE");
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].rfind(texts::kInstallFailed, 0), 0u);
    RemoveTree(folder);
}

}  // namespace
