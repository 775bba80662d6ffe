#include <gtest/gtest.h>

#include <shlobj.h>

#include "engine/texts.h"
#include "tests/support/test_support.h"

using testing_support::ProcessRun;
using testing_support::RunAnsweringBoxes;
using testing_support::TempFolder;

namespace {

// minamo.exe copied into a folder of its own, as it travels on a stick.
class ProgramCopy {
public:
    ProgramCopy() { testing_support::CopyFileTo(testing_support::MinamoExe(), exe()); }
    std::string exe() const { return folder_ / "minamo.exe"; }
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
};

TEST(Process, SilentRunsShowNothing) {
    ProgramCopy program;
    const struct {
        const char* args;
        int exitCode;
    } cases[] = {
        {"/s /h", 0}, {"/s", 0}, {"/s true", 0}, {"/s false", 0}, {"/s /p", 9}, {"-S -P -D", 9},
    };
    for (const auto& c : cases) {
        ProcessRun run = RunAnsweringBoxes(program.exe(), c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
        EXPECT_TRUE(run.boxes.empty()) << c.args;
    }
}

TEST(Process, BoxesWithoutSilent) {
    ProgramCopy program;
    ProcessRun help = RunAnsweringBoxes(program.exe(), "/h");
    EXPECT_EQ(help.exitCode, 0);
    ASSERT_EQ(help.boxes.size(), 1u);
    // The box shows the usage text (a static control may fold CR LF).
    EXPECT_NE(help.boxes[0].find(texts::kUsageLines[0]), std::string::npos);

    ProcessRun install = RunAnsweringBoxes(program.exe(), "/p");
    EXPECT_EQ(install.exitCode, 9);
    EXPECT_EQ(install.boxes, std::vector<std::string>{texts::kNoSourceFiles});
}

// The Windows version the program sees decides where its user data folder
// is; a program started from there is refused.
TEST(Process, UserDataFolderPerWindowsVersion) {
    char windows[MAX_PATH], profile[MAX_PATH], local[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, local);
    const struct {
        const char* version;
        std::string folder;
    } cases[] = {
        {"win98", std::string(windows) + "\\"},
        {"nt40", std::string(profile) + "\\Application Data\\minamo\\"},
        {"win2k", std::string(local) + "\\minamo\\"},
        {"winxp", std::string(local) + "\\minamo\\"},
        {"", std::string(local) + "\\minamo\\"},
    };
    for (const auto& c : cases) {
        testing_support::ScopedWineVersion version(c.version);
        testing_support::MakeFolder(c.folder);
        const std::string exe = c.folder + "minamo-refusal-test.exe";
        testing_support::CopyFileTo(testing_support::MinamoExe(), exe);
        ProcessRun refused = RunAnsweringBoxes(exe, "/s /h");
        DeleteFileA(exe.c_str());
        EXPECT_EQ(refused.exitCode, 0) << c.version;
        EXPECT_EQ(refused.boxes, std::vector<std::string>{texts::kRefuseLocation}) << c.version;

        // Anywhere else the same run is silent.
        ProgramCopy elsewhere;
        ProcessRun ran = RunAnsweringBoxes(elsewhere.exe(), "/s /h");
        EXPECT_EQ(ran.exitCode, 0) << c.version;
        EXPECT_TRUE(ran.boxes.empty()) << c.version;
    }
}

}  // namespace
