#include <gtest/gtest.h>

#include "engine/paths/folders.h"
#include "engine/run/target.h"
#include "tests/support/test_support.h"

using testing_support::TempFolder;

namespace {

std::string Env(const char* name) {
    char buffer[1024] = {};
    GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return buffer;
}

// Restores an environment variable when the test ends.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        had_ = GetEnvironmentVariableA(name, nullptr, 0) > 0;
        old_ = Env(name);
        SetEnvironmentVariableA(name, value);
    }
    ~ScopedEnv() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }

private:
    const char* name_;
    bool had_;
    std::string old_;
};

TEST(Folders, ResolvedOnThisSystem) {
    TempFolder program;
    const Folders folders = ResolveFolders(program / "minamo.exe");
    ASSERT_EQ(folders.os.dwOSVersionInfoSize, 148u);
    ASSERT_EQ(folders.os.dwPlatformId, 2u);  // Wine's default is the NT family
    EXPECT_EQ(folders.windows, Env("windir") + "\\");
    EXPECT_EQ(folders.profile, Env("USERPROFILE") + "\\");
    EXPECT_EQ(folders.appData, testing_support::LocalAppDataFolder());
    EXPECT_EQ(folders.userData, testing_support::UserDataFolder());
    EXPECT_EQ(folders.program, program.path());
}

TEST(Folders, EnvironmentEdgeCases) {
    const std::string longFolder = "C:\\" + std::string(300, 'x');
    const struct {
        const char* label;
        const char* windir;  // nullptr: unset
        std::string expected;
    } cases[] = {
        {"read whole past 256 bytes", longFolder.c_str(), longFolder + "\\"},
        {"trailing backslash kept once", "C:\\WIN\\", "C:\\WIN\\"},
        {"unset falls back to the system's folder", nullptr, testing_support::WindowsFolder()},
    };
    for (const auto& c : cases) {
        ScopedEnv env("windir", c.windir);
        TempFolder program;
        const Folders folders = ResolveFolders(program / "minamo.exe");
        EXPECT_EQ(folders.windows, c.expected) << c.label;
    }
}

TEST(Folders, UserDataFolderIsAlwaysAbsolute) {
    // Without USERPROFILE the profile comes from the shell, never "".
    ScopedEnv env("USERPROFILE", nullptr);
    TempFolder program;
    const Folders folders = ResolveFolders(program / "minamo.exe");
    ASSERT_GE(folders.userData.size(), 3u);
    EXPECT_EQ(folders.userData.substr(1, 2), ":\\");
    EXPECT_EQ(folders.profile.substr(1, 2), ":\\");
}

TEST(Folders, SetTarget) {
    TempFolder program;
    testing_support::MakeFolder(program / "data");
    testing_support::WriteFile(program / "file", "x");
    TempFolder elsewhere;
    const struct {
        std::string name;
        bool valid, isAbsolute;
        std::string folder;
    } cases[] = {
        {"data\\", true, false, program / "data\\"},
        {"missing\\", false, false, program / "missing\\"},
        {"file\\", false, false, program / "file\\"},  // a file is no folder
        {elsewhere.path(), true, true, elsewhere.path()},
        {"C:\\", true, true, "C:\\"},  // the root of a drive
        {"\\\\server\\share\\", false, false, "\\\\server\\share\\"},  // absolute, but not there
        {"", false, false, program.path()},
    };
    for (const auto& c : cases) {
        const Target target = TargetNamed(program.path(), c.name);
        EXPECT_EQ(target.Name(), c.name);
        EXPECT_EQ(target.Existed(), c.valid) << c.name;
        EXPECT_EQ(target.Absolute(), c.isAbsolute) << c.name;
        EXPECT_EQ(target.Folder(), c.folder) << c.name;
    }
}


}  // namespace
