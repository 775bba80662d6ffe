#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include "app/run_modes.h"
#include "engine/report/run_log.h"
#include "engine/report/texts.h"
#include "tests/support/test_support.h"

using testing_support::FakeInteraction;
using testing_support::TempFolder;

namespace {

// Every run here is refused or runs in command mode.
int NoWindowMode(RunParameters&) {
    ADD_FAILURE() << "window mode";
    return -1;
}

int RunMinamo(const std::string& executablePath, const StringList& args) {
    return ::RunMinamo(executablePath, args, NoWindowMode);
}

// Refused from the user data folder, whatever it was asked to do; another
// spelling of that folder is another folder.
TEST(Entry, RefusesToRunFromTheUserDataFolder) {
    const std::string folder = testing_support::UserDataFolder();
    testing_support::MakeFolder(folder);
    std::string otherSpelling = folder;
    for (char& c : otherSpelling) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const struct {
        std::string folder;
        StringList args;
        std::string message;
    } cases[] = {
        {folder, {}, texts::kRefuseLocation},
        {folder, {"/s", "/h"}, texts::kRefuseLocation},
        {folder, {"/s", "/p"}, texts::kRefuseLocation},
        {folder, {"true"}, texts::kRefuseLocation},
        {otherSpelling, {"/h"}, testing_support::UsageText()},
    };
    for (const auto& c : cases) {
        FakeInteraction boxes;
        EXPECT_EQ(RunMinamo(c.folder + "minamo.exe", c.args), 0);
        EXPECT_EQ(boxes.messages, StringList{c.message});
        EXPECT_TRUE(boxes.eudcCalls.empty());
    }
}

TEST(Entry, CommandModePrecedence) {
    const std::string usage = testing_support::UsageText();
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
        // No EUDC on this system: nothing to acquire, and EUDC is not switched.
        {nullptr, {"/g"}, 10, {texts::kNoSystemEudc}, {}},
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
    }
}

// An argument that starts as a switch and is none runs nothing: 14, a
// message naming it (also in the log), and no log of another name.
TEST(Entry, MistypedSwitch) {
    const struct {
        StringList args;
        std::string named;
        bool shown;
    } cases[] = {
        {{"/uninstall", "/s"}, "/uninstall", false},
        {{"/logfile:x.log"}, "/logfile:x.log", true},
        {{"/p", "-q", "data"}, "-q", true},
        {{"-HELPME", "/h"}, "-HELPME", true},
    };
    for (const auto& c : cases) {
        testing_support::ClearEudcKey();
        TempFolder program;
        StringList args = c.args;
        args.push_back("/log:run.log");
        FakeInteraction boxes;
        EXPECT_EQ(RunMinamo(program / "minamo.exe", args), 14) << c.named;
        EXPECT_TRUE(boxes.eudcCalls.empty()) << c.named;
        EXPECT_EQ(boxes.messages.size(), c.shown ? 1u : 0u) << c.named;
        if (c.shown) {
            EXPECT_NE(boxes.messages[0].find(c.named), std::string::npos) << c.named;
        }
        const std::string log = testing_support::ReadFile(program / "run.log");
        EXPECT_NE(log.find("\t" + c.named + "\t"), std::string::npos) << log;
        EXPECT_NE(log.find("\t14\t"), std::string::npos) << log;
        EXPECT_FALSE(platform::FileExists(program / "x.log"));
    }
}

// One line per command-mode run, in the file of /log: or of the LogFile
// key, whatever the run showed or not.
TEST(Entry, RunLog) {
    testing_support::ClearEudcKey();
    TempFolder program, logs, eudc;
    testing_support::MakeFontFile(eudc / "EUDC.TTE", 100, 1);
    testing_support::SetEudcLink("SystemDefaultEUDCFont", eudc / "EUDC.TTE");
    char computer[MAX_COMPUTERNAME_LENGTH + 1], user[257];
    DWORD computerSize = sizeof computer, userSize = sizeof user;
    ASSERT_TRUE(GetComputerNameA(computer, &computerSize) && GetUserNameA(user, &userSize));
    const std::string who = std::string("\t") + computer + "\t" + user + "\t";
    const struct {
        const char* ini;
        StringList args;
        std::string log, line;  // the line after the date and time, up to the fingerprint
        bool fingerprinted;     // a set was there: its fingerprint follows
        int exitCode;
        const char* counts;  // each count field of an install: "0", or empty for another action
    } cases[] = {
        {nullptr, {"/g", "/s", "/log:run.log", "data"}, program / "run.log",
         who + "/g\t" + program / "data\\\t0\t" + eudc / "EUDC.TTE" + texts::kAcquiredLine + " / " + eudc / "EUDC.euf" +
             texts::kNotFoundLine + " / " + texts::kAcquireClosing + "\t", true, 0, ""},
        {nullptr, {"/p", "/s", "-Log:" + logs / "all.log", "missing"}, logs / "all.log",
         who + "/p\t" + program / "missing\\\t9\t" + texts::kNoSourceFiles + "\t", false, 9, "0"},
        {"[MINAMO]\r\nAutoRun=1\r\nLogFile=auto.log\r\n", {}, program / "auto.log",
         who + "/p (AutoRun)\t" + program.path() + "\t7\t" + texts::kInfoIncomplete + "\t", false, 7, "0"},
        // A target with a tab and a line break stays in its field; a log
        // that is there but empty gets the header.
        {nullptr, {"/v", "/s", "/log:empty.log", "tab\there\r\nbroken"}, program / "empty.log",
         who + "/v\t" + program / "tab here / broken\\\t9\t" + texts::kNoSourceFiles + " / " +
             texts::Format(texts::kFolderNotThere, {program / "tab here / broken\\"}) + "\t",
         false, 9, ""},
    };
    testing_support::WriteFile(program / "empty.log", "");
    const std::string header = kRunLogHeader;
    for (const auto& c : cases) {
        testing_support::WriteFile(program / "EUDC.INI", c.ini ? c.ini : "");
        FakeInteraction boxes;
        EXPECT_EQ(RunMinamo(program / "minamo.exe", c.args), c.exitCode) << c.log;
        const std::string log = testing_support::ReadFile(c.log);
        ASSERT_GT(log.size(), header.size() + 19) << c.log;
        EXPECT_EQ(log.substr(0, header.size()), header);
        const std::string line = log.substr(header.size());
        EXPECT_EQ(line.substr(4, 1) + line.substr(7, 1) + line.substr(13, 1), "//:") << log;  // 2026/05/01 08:30:12
        EXPECT_EQ(line.substr(19, c.line.size()), c.line);
        // The fingerprint, no failure, what the PC has (its linked font),
        // no difference, the install's counts, no backup.
        const std::string tail = line.substr(19 + c.line.size());
        ASSERT_EQ(tail.substr(tail.size() - 2), "\r\n");
        StringList fields(1);
        for (char ch : tail.substr(0, tail.size() - 2)) {
            if (ch == '\t') fields.emplace_back();
            else fields.back() += ch;
        }
        ASSERT_EQ(fields.size(), 14u) << tail;
        EXPECT_EQ(fields[0].size(), c.fingerprinted ? 16u : 0u) << tail;
        EXPECT_EQ(fields[4].size(), 16u) << tail;
        const std::string n = c.counts;
        EXPECT_EQ(StringList(fields.begin() + 1, fields.begin() + 4), StringList(3));
        EXPECT_EQ(StringList(fields.begin() + 5, fields.end()), (StringList{"", "", "", n, n, n, n, n, ""}));
    }
    // A second run appends its own line, and the header stays one; a log
    // that cannot be written (a folder in its place) leaves the result as
    // it is.
    testing_support::WriteFile(program / "EUDC.INI", "");
    EXPECT_EQ(RunMinamo(program / "minamo.exe", {"/p", "/s", "/log:" + logs / "all.log", "missing"}), 9);
    const std::string all = testing_support::ReadFile(logs / "all.log");
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 3);
    EXPECT_EQ(all.find(header, 1), std::string::npos);
    testing_support::MakeFolder(logs / "folder.log");
    EXPECT_EQ(RunMinamo(program / "minamo.exe", {"/p", "/s", "/log:" + logs / "folder.log", "missing"}), 9);
    testing_support::ClearEudcKey();
}

// Whatever a run meets ends it with its action's failure, its message and
// its log line; EUDC is switched on again and the lock let go.
TEST(Entry, SomethingUnexpected) {
    struct NoMemoryAtTheQuestion : FakeInteraction {
        int AskYesNo(const std::string&) override { throw std::bad_alloc(); }
    };
    testing_support::ClearEudcKey();
    TempFolder program;
    const std::string userData = testing_support::UserDataFolder(), fonts = testing_support::TestFontsFolder();
    testing_support::MakeFolder(userData);
    testing_support::CopyFileTo(fonts + "OLDEUDC.TTE", userData + "EUDC.TTE");
    testing_support::MakeFolder(program / "data");
    testing_support::CopyFileTo(fonts + "NEWEUDC.TTE", program / "data\\EUDC.TTE");
    {
        NoMemoryAtTheQuestion boxes;
        EXPECT_EQ(RunMinamo(program / "minamo.exe", {"/p", "/log:run.log", "data"}), 2);
        EXPECT_EQ(boxes.eudcCalls, (std::vector<BOOL>{platform::kEudcOff, platform::kEudcOn}));
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_EQ(boxes.messages[0], texts::Format(texts::kUnexpectedFailure, {"std::bad_alloc"}));
        EXPECT_NE(testing_support::ReadFile(program / "run.log").find("\t2\t" + boxes.messages[0] + "\t\tunexpected\t8\t"),
                  std::string::npos);
    }
    // The code is the action's that ran, whatever other switches say:
    // /remove with /g ends as a removal, not as an acquire.
    struct NoMemoryAtTheSwitch : FakeInteraction {
        BOOL EnableEudc(BOOL) override { throw std::bad_alloc(); }
    };
    const struct {
        std::vector<std::string> arguments;
        int code;
    } cases[] = {{{"/remove", "/g", "/s", "data"}, 2}, {{"/undo", "/g", "/s"}, 2}, {{"/p", "/s", "data"}, 2}};
    for (const auto& c : cases) {
        NoMemoryAtTheSwitch boxes;
        EXPECT_EQ(RunMinamo(program / "minamo.exe", c.arguments), c.code) << c.arguments[0];
    }
    FakeInteraction boxes;
    EXPECT_EQ(RunMinamo(program / "minamo.exe", {"/p", "/s", "data"}), 0);
    testing_support::RemoveTree(userData);
    testing_support::ClearEudcKey();
}

}  // namespace
