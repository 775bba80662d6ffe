// minamo.exe /p /s killed at every step of an install over a different
// previous set, each kill followed by the next install's recovery, as a
// database's crash tests do: the user data folder then holds the whole
// previous set or the whole new set, byte for byte, and every registry link
// points at a file that exists.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <map>

#include "command/journal.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

struct SetFile {
    std::string name;
    std::string bytes;
};
using FileSet = std::vector<SetFile>;

std::string UserDataFolder() {
    char buffer[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer);
    return std::string(buffer) + "\\minamo\\";
}

// Where a killed install stood.
enum class Phase { kNotStarted, kCopying, kMoving, kCommitted, kDone };
const char* const kPhaseNames[] = {"not started", "copying", "moving", "committed", "done"};

class InstallCrash : public ::testing::Test {
protected:
    void SetUp() override {
        CopyFileTo(MinamoExe(), program / "minamo.exe");
        MakeFolder(program / "probe");
        // An install that finds no file to copy: it only recovers.
        WriteFile(program / "probe\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=ABSENT.TTE\r\n");
        MakeFolder(program / "new");
        const char* const faces[] = {"SystemDefaultEUDCFont", "MS PGothic", u8"IPAゴシック",
                                     u8"IPA Pゴシック", u8"IPA明朝", u8"IPA P明朝"};
        const char* const files[] = {"EUDC", "PGOTHIC", "G", "PG", "M", "PM"};
        std::string ini = "[EUDC932]\r\n";
        for (int i = 0; i < 6; ++i) {
            ini += Sjis(faces[i]) + "=" + files[i] + ".TTE\r\n";
            newSet.push_back({std::string(files[i]) + ".TTE", FontBytes(800000 + 1000 * i, i)});
            newSet.push_back({std::string(files[i]) + ".euf", FontBytes(30000 + 1000 * i, 10 + i)});
        }
        WriteFile(program / "new\\EUDC.INI", ini);
        for (const SetFile& f : newSet) WriteFile(program / "new\\" + f.name, f.bytes);
        previousSet = {{"EUDC.TTE", FontBytes(350000, 20)},
                       {"EUDC.euf", FontBytes(20000, 21)},
                       {"PGOTHIC.TTE", FontBytes(360000, 22)},
                       {"G.TTE", FontBytes(370000, 23)},
                       {"OLD.TTE", FontBytes(1000, 24)}};
        previousLinks = {{"SystemDefaultEUDCFont", "EUDC.TTE"},
                         {"MS PGothic", "PGOTHIC.TTE"},
                         {Sjis(u8"IPAゴシック"), "G.TTE"},
                         {"OldFace", "OLD.TTE"}};
    }
    void TearDown() override {
        ClearEudcKey();
        RemoveTree(userData);
    }

    void PutPreviousSet() {
        ClearEudcKey();
        RemoveTree(userData);
        MakeFolder(userData);
        for (const SetFile& f : previousSet) WriteFile(userData + f.name, f.bytes);
        for (const auto& link : previousLinks) SetEudcLink(link.first, userData + link.second);
    }
    // The user data folder as one set would leave it: the files of the set,
    // and those of the previous set that it does not name.
    bool FolderHolds(const FileSet& set) {
        std::map<std::string, std::string> expected;
        for (const SetFile& f : previousSet) expected[platform::UpperCaseText(f.name)] = f.bytes;
        for (const SetFile& f : set) expected[platform::UpperCaseText(f.name)] = f.bytes;
        for (const auto& f : expected)
            if (ReadFile(userData + f.first) != f.second) return false;
        return platform::ListFolder(userData + "*.*").size() == expected.size() + 2;  // with . and ..
    }
    bool LinksPointAtFiles() {
        for (const auto& link : EudcLinks())
            if (!platform::FileExists(link.second)) return false;
        return true;
    }
    Phase PhaseLeft() {
        const auto staging = platform::ListFolder(userData + "~minamo-staging*");
        if (staging.empty())
            return ReadFile(userData + newSet[0].name) == newSet[0].bytes ? Phase::kDone : Phase::kNotStarted;
        const auto records = InstallJournal::Read(userData + staging[0].name + "\\journal");
        if (records.empty()) return Phase::kCopying;
        return records.back().step == JournalRecord::kCommitted ? Phase::kCommitted : Phase::kMoving;
    }
    // Journal lines the running install has written; -1 before its staging folder.
    int JournalLines() {
        const auto staging = platform::ListFolder(userData + "~minamo-staging*");
        if (staging.empty()) return -1;
        return static_cast<int>(InstallJournal::Read(userData + staging[0].name + "\\journal").size());
    }
    bool APreviousFileIsAway() {
        for (const SetFile& f : previousSet)
            if (!platform::FileExists(userData + f.name)) return true;
        return false;
    }
    // Starts the install and kills it once its journal holds `lines` lines
    // (-1: once the process runs; kFileAway: once a previous file has left
    // its place; kAfterStaging: once its staging folder is gone again, while
    // it writes the registry); false when it ended first.
    static constexpr int kFileAway = 1000, kAfterStaging = 1001;
    bool KillInstallAt(int lines) {
        std::string commandLine = "\"" + program / "minamo.exe" + "\" /p /s new";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process))
            return false;
        bool killed = false, staged = false;
        while (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
            const int written = JournalLines();
            staged = staged || written >= 0;
            const bool now = lines == kFileAway       ? APreviousFileIsAway()
                             : lines == kAfterStaging ? staged && written < 0
                                                      : written >= lines;
            if (now) {
                killed = TerminateProcess(process.hProcess, 99) != FALSE;
                WaitForSingleObject(process.hProcess, INFINITE);
                break;
            }
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return killed;
    }

    const std::string userData = UserDataFolder();
    TempFolder program;
    FileSet newSet, previousSet;
    std::vector<std::pair<std::string, std::string>> previousLinks;
};

TEST_F(InstallCrash, KilledAtEveryStep) {
    // A whole install: every new file is in place, and which lines it writes.
    PutPreviousSet();
    ASSERT_EQ(RunProcess(program / "minamo.exe", "/p /s new"), 0);
    ASSERT_TRUE(FolderHolds(newSet)) << "the new set was not installed whole";
    // One line per file moved aside, one per file put in place, the commit.
    const int lines = static_cast<int>(previousSet.size() - 1 + newSet.size() + 1);

    std::map<Phase, int> phases;
    std::vector<int> killPoints = {kFileAway, kAfterStaging};
    for (int at = -1; at <= lines; ++at) killPoints.push_back(at);
    for (int at : killPoints) {
        PutPreviousSet();
        const bool killed = KillInstallAt(at);
        const Phase phase = PhaseLeft();
        ++phases[phase];
        EXPECT_EQ(RunProcess(program / "minamo.exe", "/p /s probe"), 9) << at;
        EXPECT_TRUE(FolderHolds(previousSet) || FolderHolds(newSet))
            << "kill at line " << at << (killed ? "" : " (not killed)") << ", " << kPhaseNames[int(phase)];
        EXPECT_TRUE(LinksPointAtFiles()) << at;
        EXPECT_TRUE(platform::ListFolder(userData + "~minamo-staging*").empty()) << at;
    }
    for (const auto& p : phases) std::printf("killed while %s: %d\n", kPhaseNames[int(p.first)], p.second);
    EXPECT_GE(phases[Phase::kCopying], 1);
    EXPECT_GE(phases[Phase::kMoving], 3);
}

}  // namespace
