// minamo.exe /p /s killed at every step of an install over a different
// previous set, each kill followed by the next install's recovery, as a
// database's crash tests do: the user data folder then holds the whole
// previous set or the whole new set, byte for byte, and every registry link
// points at a file that exists.
#include <gtest/gtest.h>

#include <map>

#include "engine/install/journal.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

using FileSet = std::map<std::string, std::string>;  // upper-case name: bytes

class InstallCrash : public ::testing::Test {
protected:
    void SetUp() override {
        CopyFileTo(MinamoExe(), program / "minamo.exe");
        // An install that finds no file to copy: it only recovers.
        MakeFolder(program / "probe");
        WriteFile(program / "probe\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=ABSENT.TTE\r\n");
        const char* const faces[] = {"SystemDefaultEUDCFont", "MS PGothic", u8"IPAゴシック",
                                     u8"IPA Pゴシック",        u8"IPA明朝",   u8"IPA P明朝"};
        const char* const files[] = {"EUDC", "PGOTHIC", "G", "PG", "M", "PM"};
        std::string ini = "[EUDC932]\r\n";
        for (int i = 0; i < 6; ++i) {
            ini += Sjis(faces[i]) + "=" + files[i] + ".TTE\r\n";
            newSet[std::string(files[i]) + ".TTE"] = FontBytes(800000 + 1000 * i, i);
            newSet[std::string(files[i]) + ".EUF"] = FontBytes(30000 + 1000 * i, 10 + i);
        }
        MakeFolder(program / "new");
        WriteFile(program / "new\\EUDC.INI", ini);
        for (const auto& f : newSet) WriteFile(program / "new\\" + f.first, f.second);
        previousSet = {{"EUDC.TTE", FontBytes(350000, 20)}, {"EUDC.EUF", FontBytes(20000, 21)},
                       {"PGOTHIC.TTE", FontBytes(360000, 22)}, {"G.TTE", FontBytes(370000, 23)},
                       {"OLD.TTE", FontBytes(1000, 24)}};
        // The new set replaces the previous files it names and keeps the rest.
        FileSet whole = previousSet;
        for (const auto& f : newSet) whole[f.first] = f.second;
        newSet = whole;
    }
    void TearDown() override {
        ClearEudcKey();
        RemoveTree(userData);
    }

    void PutPreviousSet() {
        ClearEudcKey();
        RemoveTree(userData);
        MakeFolder(userData);
        for (const auto& f : previousSet) {
            WriteFile(userData + f.first, f.second);
            SetEudcLink("Face of " + f.first, userData + f.first);
        }
    }
    // The folder holds the set and nothing else but its backups.
    bool FolderHolds(const FileSet& set) {
        for (const auto& f : set)
            if (ReadFile(userData + f.first) != f.second) return false;
        const size_t backups = platform::DirectoryExists(userData + "backup") ? 1 : 0;
        return platform::ListFolder(userData + "*.*").size() == set.size() + 2 + backups;  // with . and ..
    }
    // The backups: none, or one that keeps every previous file the new set
    // replaced, byte for byte.
    size_t Backups() { return platform::ListFolder(userData + "backup\\2*").size(); }
    bool BackupHoldsReplacedFiles() {
        const auto backups = platform::ListFolder(userData + "backup\\2*");
        if (backups.size() != 1) return false;
        const std::string backup = userData + "backup\\" + backups[0].name + "\\";
        for (const auto& f : previousSet)
            if (f.first != "OLD.TTE" && ReadFile(backup + f.first) != f.second) return false;
        return platform::FileExists(backup + "EUDC.INI");
    }
    bool LinksPointAtFiles() {
        for (const auto& link : EudcLinks())
            if (!platform::FileExists(link.second)) return false;
        return true;
    }
    // Lines in the journal of the install under way; -1 without one.
    int JournalLines() {
        const auto staging = platform::ListFolder(userData + "~s*");
        if (staging.empty()) return -1;
        return static_cast<int>(InstallJournal::Read(userData + staging[0].name + "\\j").records.size());
    }
    bool APreviousFileIsAway() {
        for (const auto& f : previousSet)
            if (!platform::FileExists(userData + f.first)) return true;
        return false;
    }
    // Starts the install and kills it once its journal holds `lines` lines
    // (-1: at once; kFileAway: once a previous file has left its place;
    // kAfterStaging: once its staging folder is gone again, while it writes
    // the registry).
    static constexpr int kFileAway = 1000, kAfterStaging = 1001;
    void KillInstallAt(int lines) {
        ChildProcess install(Wide("\"" + program / "minamo.exe" + "\" /p /s new"));
        ASSERT_TRUE(install.Started());
        bool staged = false;
        while (install.Running()) {
            const int written = JournalLines();
            staged = staged || written >= 0;
            if (lines == kFileAway       ? APreviousFileIsAway()
                : lines == kAfterStaging ? staged && written < 0
                                         : written >= lines)
                install.End(99);
        }
    }

    const std::string userData = UserDataFolder();
    TempFolder program;
    FileSet newSet, previousSet;
};

TEST_F(InstallCrash, KilledAtEveryStep) {
    PutPreviousSet();
    ASSERT_EQ(RunProcess(program / "minamo.exe", "/p /s new"), 0);
    ASSERT_TRUE(FolderHolds(newSet)) << "the new set was not installed whole";
    ASSERT_TRUE(BackupHoldsReplacedFiles());
    // A line per file moved aside, one per file put in place, the backup,
    // the commit.
    const int lines = static_cast<int>(previousSet.size() - 1 + 12 + 1 + 1);

    std::vector<int> killPoints = {kFileAway, kAfterStaging};
    for (int at = -1; at <= lines; ++at) killPoints.push_back(at);
    std::map<std::string, int> landed;
    for (int at : killPoints) {
        PutPreviousSet();
        KillInstallAt(at);
        const int left = JournalLines();
        ++landed[left < 0 ? "before or after" : left == 0 ? "copying" : left < lines ? "moving" : "committed"];
        EXPECT_EQ(RunProcess(program / "minamo.exe", "/p /s probe"), 9) << at;
        EXPECT_TRUE(FolderHolds(previousSet) || FolderHolds(newSet)) << "kill at " << at << ", left " << left;
        // What the new set replaced is kept whole; a rolled-back install
        // leaves no backup.
        EXPECT_TRUE(FolderHolds(newSet) ? BackupHoldsReplacedFiles() : Backups() == 0) << "kill at " << at;
        EXPECT_TRUE(LinksPointAtFiles()) << at;
    }
    for (const auto& l : landed) std::printf("kills %s: %d\n", l.first.c_str(), l.second);
    EXPECT_GE(landed["copying"], 1);
    EXPECT_GE(landed["moving"], 3);
}

}  // namespace
