#include <gtest/gtest.h>

#include "app/run_modes.h"
#include "command/texts.h"
#include "tests/support/test_support.h"

using testing_support::FakeInteraction;
using testing_support::TempFolder;

namespace {

std::string UsageText() {
    std::string text;
    for (const char* const* line = texts::kUsageLines; *line; ++line) text += std::string(*line) + "\r\n";
    return text;
}

std::string UserDataFolder() {
    TempFolder scratch;
    return TminamoParam(scratch / "minamo.exe").UserDataFolder;
}

TEST(Entry, RefusesToRunFromTheUserDataFolder) {
    const std::string folder = UserDataFolder();
    testing_support::MakeFolder(folder);
    const StringList argumentSets[] = {{}, {"/s", "/h"}, {"/s", "/p"}, {"true"}};
    for (const StringList& args : argumentSets) {
        FakeInteraction boxes;
        EXPECT_EQ(RunMinamo(folder + "minamo.exe", args), 0);
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_EQ(boxes.messages[0], texts::kRefuseLocation);
        EXPECT_TRUE(boxes.eudcCalls.empty());
    }
}

TEST(Entry, OtherSpellingOfTheUserDataFolderRuns) {
    std::string folder = UserDataFolder();
    for (char& c : folder) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    FakeInteraction boxes;
    EXPECT_EQ(RunMinamo(folder + "minamo.exe", {"/h"}), 0);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0], UsageText());
}

TEST(Entry, CommandModePrecedence) {
    const std::string usage = UsageText();
    const std::string on = texts::Format(texts::kEudcSwitched, {texts::kStateOn});
    const std::string off = texts::Format(texts::kEudcSwitched, {texts::kStateOff});
    const BOOL kOn = platform::kEudcOn, kOff = platform::kEudcOff;
    const struct {
        const char* ini;
        StringList args;
        int exitCode;
        std::vector<std::string> messages;
        std::vector<BOOL> eudc;
    } cases[] = {
        {nullptr, {"/h", "/p"}, 0, {usage}, {}},
        {nullptr, {"/?", "/g"}, 0, {usage}, {}},
        {nullptr, {"/s", "/h"}, 0, {}, {}},
        {nullptr, {"/s"}, 0, {}, {}},
        {nullptr, {"/d"}, 0, {usage}, {}},
        {nullptr, {"/f"}, 0, {usage}, {}},
        {nullptr, {"/ef", "data"}, 0, {usage}, {}},
        {nullptr, {"true", "/p"}, 0, {on}, {kOn}},
        {nullptr, {"TRUE", "false"}, 0, {off}, {kOff}},
        {nullptr, {"false", "/s"}, 0, {}, {kOff}},
        // An install on an empty folder: nothing to copy, EUDC on again.
        {nullptr, {"/p", "/g"}, 9, {texts::kNoSourceFiles}, {kOff, kOn}},
        {nullptr, {"/p", "/s"}, 9, {}, {kOff, kOn}},
        // AutoRun installs from the program's own folder, whose EUDC.INI
        // here carries settings but no link table.
        {"[MINAMO]\r\nAutoRun=1\r\n", {}, 7, {texts::kInfoIncomplete}, {kOff, kOn}},
        {"[MINAMO]\r\nAutoRun=1\r\n", {"/g"}, 7, {texts::kInfoIncomplete}, {kOff, kOn}},
        {"[MINAMO]\r\nAutoRun=1\r\nSilet=1\r\n", {}, 7, {}, {kOff, kOn}},
    };
    for (const auto& c : cases) {
        testing_support::ClearEudcKey();
        TempFolder program;
        if (c.ini) testing_support::WriteFile(program / "EUDC.INI", c.ini);
        FakeInteraction boxes;
        std::string label;
        for (const auto& a : c.args) label += a + " ";
        EXPECT_EQ(RunMinamo(program / "minamo.exe", c.args), c.exitCode) << label;
        EXPECT_EQ(boxes.messages, c.messages) << label;
        EXPECT_EQ(boxes.eudcCalls, c.eudc) << label;
        EXPECT_TRUE(boxes.questions.empty()) << label;
        EXPECT_EQ(RunParam, nullptr) << label;  // released before the exit
    }
}

std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == at) parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

// One line per command-mode run, in the file of /log: or of the LogFile
// key, whatever the run showed or not.
TEST(Entry, RunLog) {
    testing_support::ClearEudcKey();
    TempFolder program, logs, eudc;
    testing_support::MakeFontFile(eudc / "EUDC.TTE", 100, 1);
    testing_support::SetEudcLink("SystemDefaultEUDCFont", eudc / "EUDC.TTE");
    const std::string got = texts::kAcquiredLine, missing = texts::kNotFoundLine;
    const struct {
        const char* ini;
        StringList args;
        std::string log;
        int exitCode;
        std::string action, target, report;
    } cases[] = {
        {nullptr, {"/g", "/s", "/log:run.log", "data"}, program / "run.log", 0, "/g", program / "data\\",
         eudc / "EUDC.TTE" + got + " / " + eudc / "EUDC.euf" + missing + " / " + texts::kAcquireClosing},
        {nullptr, {"/p", "/s", "/log:" + logs / "all.log", "missing"}, logs / "all.log", 9, "/p",
         program / "missing\\", texts::kNoSourceFiles},
        {"[MINAMO]\r\nAutoRun=1\r\nLogFile=auto.log\r\n", {}, program / "auto.log", 7, "/p (AutoRun)",
         program.path(), texts::kInfoIncomplete},
    };
    char computer[MAX_COMPUTERNAME_LENGTH + 1], user[257];
    DWORD computerSize = sizeof computer, userSize = sizeof user;
    ASSERT_TRUE(GetComputerNameA(computer, &computerSize));
    ASSERT_TRUE(GetUserNameA(user, &userSize));
    for (const auto& c : cases) {
        testing_support::WriteFile(program / "EUDC.INI", c.ini ? c.ini : "");
        FakeInteraction boxes;
        EXPECT_EQ(RunMinamo(program / "minamo.exe", c.args), c.exitCode) << c.log;
        const std::string log = testing_support::ReadFile(c.log);
        ASSERT_GE(log.size(), 2u) << c.log;
        EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
        const std::vector<std::string> fields = Split(log.substr(0, log.size() - 2), '\t');
        ASSERT_EQ(fields.size(), 7u) << log;
        EXPECT_EQ(fields[0].size(), 19u) << fields[0];  // 2026/05/01 08:30:12
        EXPECT_EQ(fields[0].substr(4, 1) + fields[0].substr(7, 1) + fields[0].substr(13, 1), "//:") << fields[0];
        EXPECT_EQ(fields[1], computer);
        EXPECT_EQ(fields[2], user);
        EXPECT_EQ(fields[3], c.action);
        EXPECT_EQ(fields[4], c.target);
        EXPECT_EQ(fields[5], std::to_string(c.exitCode));
        EXPECT_EQ(fields[6], c.report);
    }
    // A second run appends its own line; a log that cannot be written
    // (a folder in its place) leaves the result as it is.
    EXPECT_EQ(RunMinamo(program / "minamo.exe", {"/p", "/s", "/log:" + logs / "all.log", "missing"}), 9);
    EXPECT_EQ(Split(testing_support::ReadFile(logs / "all.log"), '\n').size(), 3u);
    testing_support::MakeFolder(logs / "folder.log");
    EXPECT_EQ(RunMinamo(program / "minamo.exe", {"/p", "/s", "/log:" + logs / "folder.log", "missing"}), 9);
    testing_support::ClearEudcKey();
}

TEST(Entry, AcquireWithoutSystemEudc) {
    testing_support::ClearEudcKey();
    TempFolder program;
    FakeInteraction boxes;
    EXPECT_EQ(RunMinamo(program / "minamo.exe", {"/g"}), 10);
    EXPECT_EQ(boxes.messages, std::vector<std::string>{texts::kNoSystemEudc});
    EXPECT_TRUE(boxes.eudcCalls.empty());  // the acquire does not switch EUDC
}

}  // namespace
