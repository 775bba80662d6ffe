#include <gtest/gtest.h>

#include "engine/run/command_line.h"
#include "engine/paths/paths.h"
#include "engine/run/run_parameters.h"
#include "platform/command_line_split.h"
#include "tests/support/test_support.h"

using testing_support::TempFolder;

namespace {

// The fields the command line can set, compared as a whole.
struct Parsed {
    bool command;
    bool put, get, checkDate, copyEuf;
    uint8_t eudcSwitch;
    bool silent, confirm, help;
    std::string targetName;
};

Parsed Parse(RunParameters& run, const StringList& args) {
    bool command = ParseCommandLine(args, run.folders.program, run.options, run.target);
    const Options& o = run.options;
    return {command,  o.installRequested, o.acquireRequested, o.onlyNewer, o.copyCompanions,
            static_cast<uint8_t>(o.eudcSwitch), o.silent, o.confirm, o.helpRequested, run.target.Name()};
}

void ExpectSame(const Parsed& got, const Parsed& want, const std::string& label) {
    EXPECT_EQ(got.command, want.command) << label;
    EXPECT_EQ(got.put, want.put) << label;
    EXPECT_EQ(got.get, want.get) << label;
    EXPECT_EQ(got.checkDate, want.checkDate) << label;
    EXPECT_EQ(got.copyEuf, want.copyEuf) << label;
    EXPECT_EQ(got.eudcSwitch, want.eudcSwitch) << label;
    EXPECT_EQ(got.silent, want.silent) << label;
    EXPECT_EQ(got.confirm, want.confirm) << label;
    EXPECT_EQ(got.help, want.help) << label;
    EXPECT_EQ(got.targetName, want.targetName) << label;
}

std::string Join(const StringList& args) {
    std::string s;
    for (const auto& a : args) s += "[" + a + "]";
    return s;
}

TEST(CommandLine, SwitchForms) {
    //                                   cmd    put    get    date   euf  sw silent confirm help target
    const Parsed none{false, false, false, false, true, 0, false, true, false, ""};
    const struct {
        StringList args;
        Parsed want;
    } cases[] = {
        {{}, none},
        {{"/p"}, {true, true, false, false, true, 0, false, true, false, ""}},
        {{"/P"}, {true, true, false, false, true, 0, false, true, false, ""}},
        {{"-p"}, {true, true, false, false, true, 0, false, true, false, ""}},
        {{"-G"}, {true, false, true, false, true, 0, false, true, false, ""}},
        {{"/d"}, {true, false, false, true, true, 0, false, true, false, ""}},
        {{"/ef"}, {true, false, false, false, false, 0, false, true, false, ""}},
        {{"/et", "/ef"}, {true, false, false, false, false, 0, false, true, false, ""}},
        {{"/ef", "-ET"}, {true, false, false, false, true, 0, false, true, false, ""}},
        {{"true"}, {true, false, false, false, true, 1, false, true, false, ""}},
        {{"TRUE"}, {true, false, false, false, true, 1, false, true, false, ""}},
        {{"True", "false"}, {true, false, false, false, true, 2, false, true, false, ""}},
        {{"/s"}, {true, false, false, false, true, 0, true, false, false, ""}},
        {{"/f"}, {true, false, false, false, true, 0, false, false, false, ""}},
        {{"/Help"}, {true, false, false, false, true, 0, false, true, true, ""}},
        {{"/HELP"}, {true, false, false, false, true, 0, false, true, true, ""}},
        {{"-help"}, {true, false, false, false, true, 0, false, true, true, ""}},
        {{"-?"}, {true, false, false, false, true, 0, false, true, true, ""}},
        {{"/h"}, {true, false, false, false, true, 0, false, true, true, ""}},
        // Mistyped switches, no folder names: command mode, which runs
        // nothing but ends with 14 (Entry.MistypedSwitch).
        {{"/pp"}, {true, false, false, false, true, 0, false, true, false, ""}},
        {{"/p:"}, {true, false, false, false, true, 0, false, true, false, ""}},
        {{"--p"}, {true, false, false, false, true, 0, false, true, false, ""}},
        {{"-true"}, {true, false, false, false, true, 0, false, true, false, ""}},
        {{"/log"}, {true, false, false, false, true, 0, false, true, false, ""}},  // /log: takes a colon
        {{"data"}, {false, false, false, false, true, 0, false, true, false, "data\\"}},
        {{"data\\"}, {false, false, false, false, true, 0, false, true, false, "data\\"}},
        {{"one", "two"}, {false, false, false, false, true, 0, false, true, false, "two\\"}},
        {{"/p", "Data"}, {true, true, false, false, true, 0, false, true, false, "Data\\"}},
    };
    for (const auto& c : cases) {
        TempFolder program;
        RunParameters run(program / "minamo.exe");
        ExpectSame(Parse(run, c.args), c.want, Join(c.args));
    }
}

// /convert's switches: /map alone is the map's action, /map:FILE the
// conversion's map; the source is kept as typed.
TEST(CommandLine, ConvertSwitches) {
    const struct {
        StringList args;
        bool convert, scan, back, mapAction;
        std::string mapFile, output, source, unknown;
    } cases[] = {
        {{"/convert", "/map:x.csv", "/out:D:\\o", "data\\a.csv"}, true, false, false, false, "x.csv", "D:\\o", "data\\a.csv", ""},
        {{"-CONVERT", "-Scan", "d"}, true, true, false, false, "", "", "d", ""},
        {{"/convert", "/back", "/OUT:b", "c"}, true, false, true, false, "", "b", "c", ""},
        {{"/map", "/MAP:m"}, false, false, false, true, "m", "", "", ""},
        {{"/convert", "/mapx"}, true, false, false, false, "", "", "", "/mapx"},
    };
    for (const auto& c : cases) {
        TempFolder program;
        RunParameters run(program / "minamo.exe");
        EXPECT_TRUE(ParseCommandLine(c.args, run.folders.program, run.options, run.target)) << Join(c.args);
        const Options& o = run.options;
        EXPECT_EQ(o.convertRequested, c.convert) << Join(c.args);
        EXPECT_EQ(o.convertScan, c.scan) << Join(c.args);
        EXPECT_EQ(o.convertBack, c.back) << Join(c.args);
        EXPECT_EQ(o.mapRequested, c.mapAction) << Join(c.args);
        EXPECT_EQ(o.mapFile, c.mapFile) << Join(c.args);
        EXPECT_EQ(o.outputFolder, c.output) << Join(c.args);
        EXPECT_EQ(o.convertSource, c.source) << Join(c.args);
        EXPECT_EQ(o.unknownSwitch, c.unknown) << Join(c.args);
    }
}

TEST(CommandLine, SettingsFirstThenSwitches) {
    const struct {
        const char* ini;
        StringList args;
        Parsed want;
    } cases[] = {
        // AutoRun asks for an install without any argument.
        {"[MINAMO]\r\nAutoRun=1\r\n", {}, {true, true, false, false, true, 0, false, true, false, ""}},
        // CheckDate from the file cannot be turned off.
        {"[MINAMO]\r\nCheckDate=1\r\n", {"/g"}, {true, false, true, true, true, 0, false, true, false, ""}},
        // CopyEUF from the file, overridden by /et.
        {"[MINAMO]\r\nCopyEUF=0\r\n", {"/et"}, {true, false, false, false, true, 0, false, true, false, ""}},
        // Silet sets Silent but leaves Confirm on.
        {"[MINAMO]\r\nSilet=1\r\n", {"/p"}, {true, true, false, false, true, 0, true, true, false, ""}},
        // A folder argument replaces the TargetFolder key.
        {"[MINAMO]\r\nTargetFolder=fromini\r\n", {"arg"}, {false, false, false, false, true, 0, false, true, false, "arg\\"}},
        {"[MINAMO]\r\nTargetFolder=fromini\r\n", {}, {false, false, false, false, true, 0, false, true, false, "fromini\\"}},
    };
    for (const auto& c : cases) {
        TempFolder program;
        testing_support::WriteFile(program / "EUDC.INI", c.ini);
        RunParameters run(program / "minamo.exe");
        ExpectSame(Parse(run, c.args), c.want, c.ini + Join(c.args));
    }
}

TEST(CommandLine, SplitAsScriptsWriteIt) {
    const struct {
        const char* line;
        StringList args;
    } cases[] = {
        {"minamo.exe /g /s data", {"minamo.exe", "/g", "/s", "data"}},
        // A backslash before a quote is a backslash: the quote still ends.
        {"\"C:\\a b\\minamo.exe\" /g /s \"C:\\a b\\set1\\\"", {"C:\\a b\\minamo.exe", "/g", "/s", "C:\\a b\\set1\\"}},
        {"m /p \"data\\\" /s", {"m", "/p", "data\\", "/s"}},
        {"m \t a\"b c\"d  \"\"", {"m", "ab cd", ""}},
        {"m \"open quote", {"m", "open quote"}},
        {"m 表\\ ソ", {"m", "表\\", "ソ"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::SplitCommandLine(std::string(c.line)), c.args) << c.line;
        // The wide command line of the NT family splits the same way.
        std::vector<std::wstring> wide;
        for (const std::string& a : c.args) wide.push_back(testing_support::Wide(a));
        EXPECT_EQ(platform::SplitCommandLine(testing_support::Wide(c.line)), wide) << c.line;
    }
}

// A drive letter that names no drive here.
std::string UnusedDrive() {
    DWORD drives = GetLogicalDrives();
    for (char letter = 'Z'; letter > 'D'; --letter)
        if (!(drives & (1u << (letter - 'A')))) return std::string(1, letter) + ":";
    return "D:";
}

TEST(CommandLine, TargetFromArgument) {
    TempFolder program;
    testing_support::MakeFolder(program / "data");
    TempFolder elsewhere;
    const std::string absolute = RemoveTrailingBackslash(elsewhere.path());
    const std::string drive = UnusedDrive();
    const struct {
        StringList args;
        bool valid, isAbsolute;
        std::string folder;
    } cases[] = {
        {{"data"}, true, false, program / "data\\"},
        {{"DATA"}, true, false, program / "DATA\\"},
        {{"missing"}, false, false, program / "missing\\"},
        {{absolute}, true, true, elsewhere.path()},
        {{absolute + "\\"}, true, true, elsewhere.path()},
        // Absolute targets that are not there yet stay where the user put them.
        {{drive}, false, false, drive + "\\"},
        {{drive + "\\eudc\\set"}, false, false, drive + "\\eudc\\set\\"},
        {{absolute + "\\new\\set"}, false, false, elsewhere / "new\\set\\"},
        {{"\\\\server\\NETLOGON\\eudc\\set1"}, false, false, "\\\\server\\NETLOGON\\eudc\\set1\\"},
        {{"data", "missing"}, false, false, program / "missing\\"},
        {{"missing", "data"}, true, false, program / "data\\"},
        {{}, false, false, program.path()},
    };
    for (const auto& c : cases) {
        RunParameters run(program / "minamo.exe");
        ParseCommandLine(c.args, run.folders.program, run.options, run.target);
        EXPECT_EQ(run.target.Existed(), c.valid) << Join(c.args);
        EXPECT_EQ(run.target.Absolute(), c.isAbsolute) << Join(c.args);
        EXPECT_EQ(run.target.Folder(), c.folder) << Join(c.args);
    }
}

}  // namespace
