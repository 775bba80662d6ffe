#include <gtest/gtest.h>

#include "engine/run/run_parameters.h"
#include "engine/run/settings.h"
#include "tests/support/test_support.h"

using testing_support::TempFolder;
using testing_support::WriteFile;

namespace {

struct Options {
    bool autoRun, copyEuf, checkDate, silent;
};

TEST(Settings, StartupReaderOnRealFiles) {
    const struct {
        const char* label;
        const char* ini;  // nullptr: no file beside the program
        Options want;
    } cases[] = {
        {"no file", nullptr, {false, true, false, false}},
        {"no section", "[OTHER]\r\nAutoRun=1\r\n", {false, true, false, false}},
        {"all set", "[MINAMO]\r\nAutoRun=1\r\nCopyEUF=0\r\nCheckDate=1\r\nSilet=1\r\n", {true, false, true, true}},
        {"other case", "[minamo]\r\nautorun=1\r\nsilet=1\r\n", {true, true, false, true}},
        {"non-zero is true", "[MINAMO]\r\nCopyEUF=2\r\nCheckDate=-1\r\n", {false, true, true, false}},
        {"hexadecimal", "[MINAMO]\r\nAutoRun=0x10\r\nCopyEUF=0x0\r\n", {true, false, false, false}},
        {"not a number", "[MINAMO]\r\nCopyEUF=yes\r\nCheckDate=yes\r\nAutoRun=1x\r\n", {false, true, false, false}},
        {"empty values", "[MINAMO]\r\nCopyEUF=\r\nSilet=\r\n", {false, true, false, false}},
        {"the key is Silet", "[MINAMO]\r\nSilent=1\r\n", {false, true, false, false}},
        {"blanks around", "[MINAMO]\r\nCheckDate = 1 \r\n", {false, true, true, false}},
    };
    for (const auto& c : cases) {
        TempFolder program;
        if (c.ini) WriteFile(program / "EUDC.INI", c.ini);
        RunParameters run(program / "minamo.exe");
        bool autoRun = ReadStartupSettings(run.folders.program, run.options, run.target);
        EXPECT_EQ(autoRun, c.want.autoRun) << c.label;
        EXPECT_EQ(run.options.autoRun, c.want.autoRun) << c.label;
        EXPECT_EQ(run.options.copyCompanions, c.want.copyEuf) << c.label;
        EXPECT_EQ(run.options.onlyNewer, c.want.checkDate) << c.label;
        EXPECT_EQ(run.options.silent, c.want.silent) << c.label;
        EXPECT_TRUE(run.options.confirm) << c.label;  // the file never clears it
    }
}

TEST(Settings, StartupTargetFolder) {
    TempFolder program;
    testing_support::MakeFolder(program / "set1");
    const struct {
        const char* ini;
        std::string name;
        bool valid;
    } cases[] = {
        {"[MINAMO]\r\nTargetFolder=set1\r\n", "set1\\", true},
        {"[MINAMO]\r\nTargetFolder=set1\\\r\n", "set1\\", true},
        {"[MINAMO]\r\nTargetFolder=nothere\r\n", "nothere\\", false},
        {"[MINAMO]\r\nTargetFolder=\r\n", "", false},
    };
    for (const auto& c : cases) {
        WriteFile(program / "EUDC.INI", c.ini);
        RunParameters run(program / "minamo.exe");
        ReadStartupSettings(run.folders.program, run.options, run.target);
        EXPECT_EQ(run.target.Name(), c.name) << c.ini;
        EXPECT_EQ(run.target.Existed(), c.valid) << c.ini;
    }
}

TEST(Settings, OptionsFollowTheTargetFolder) {
    TempFolder program;
    testing_support::MakeFolder(program / "a");
    WriteFile(program / "a\\EUDC.INI",
              "[MINAMO]\r\nAutoRun=1\r\nCopyEUF=0\r\nCheckDate=1\r\nSilet=1\r\nTargetFolder=x\r\n");
    const FolderSettings settings = ReadFolderSettings(program / "a\\");
    EXPECT_FALSE(settings.copyCompanions);
    EXPECT_TRUE(settings.onlyNewer);
    EXPECT_TRUE(settings.silent);
    // AutoRun and TargetFolder are not a chosen folder's to set.
    // A folder without the file: the "no file" row of StartupReaderOnRealFiles.
}

}  // namespace
