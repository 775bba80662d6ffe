// An install never loses the user's files: not with two copies to one
// place, a file held open, a second install, a failed undo or a crash.
#include <gtest/gtest.h>

#include <memory>

#include "command/journal.h"
#include "command/param.h"
#include "command/texts.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

const char* const kTwoLinks = "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=P.TTE\r\n";

struct File {
    const char* name;
    size_t size;
    int seed;
};
const File kPrevious[] = {{"EUDC.TTE", 3000, 21}, {"EUDC.euf", 200, 22}, {"P.TTE", 5000, 23}};
const File kNew[] = {{"EUDC.TTE", 3100, 1}, {"EUDC.EUF", 210, 2}, {"P.TTE", 5100, 3}};

// A user data folder holding a previous set, linked; a folder "data" with a
// new set; a folder "probe" whose install finds no file and so only
// recovers what an earlier install left.
class SafeInstall : public ::testing::Test {
protected:
    void SetUp() override {
        ClearEudcKey();
        MakeFolder(program / "data");
        MakeFolder(program / "probe");
        WriteFile(program / "probe\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=ABSENT.TTE\r\n");
        WriteFile(program / "data\\EUDC.INI", kTwoLinks);
        for (const auto& f : kNew) MakeFontFile(program / "data\\" + f.name, f.size, f.seed);
        for (const auto& f : kPrevious) MakeFontFile(users / f.name, f.size, f.seed);
        SetEudcLink("SystemDefaultEUDCFont", users / "EUDC.TTE");
        SetEudcLink("MS PGothic", users / "P.TTE");
    }
    void TearDown() override { ClearEudcKey(); }

    // PutEudc of a folder of program into users; messages in boxes.
    uint8_t Install(const char* folder) {
        TminamoParam param(program / "minamo.exe");
        param.SetTarget(std::string(folder) + "\\");
        param.UserDataFolder = users.path();
        param.Confirm = false;
        const uint8_t result = param.PutEudc();
        doneLines = param.DoneLines;
        return result;
    }
    bool Holds(const File (&set)[3]) {
        for (const File& f : set)
            if (ReadFile(users / f.name) != FontBytes(f.size, f.seed)) return false;
        return true;
    }
    size_t StagingFolders() { return platform::ListFolder(users / "~minamo-staging*").size(); }
    std::string FailureMessage() {
        return std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource + texts::kInstallFailedUserFolder;
    }
    std::string Link(const std::string& name) {
        for (const auto& l : EudcLinks())
            if (l.first == name) return l.second;
        return "<none>";
    }
    bool LinksArePrevious() {
        return EudcLinks().size() == 2 && Link("SystemDefaultEUDCFont") == users / "EUDC.TTE" &&
               Link("MS PGothic") == users / "P.TTE";
    }

    TempFolder program, users;
    FakeInteraction boxes;
    StringList doneLines;
};

TEST_F(SafeInstall, OneCopyToEachDestination) {
    const struct {
        const char* label;
        const char* ini;
        size_t lines;
    } cases[] = {
        {"two fonts share a companion", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=EUDC.TTF\r\n", 3},
        {"the companion is linked too", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=EUDC.EUF\r\n", 2},
    };
    for (const auto& c : cases) {
        // The previous companion is spelled in capitals, the new one in small letters.
        RemoveTree(users / "EUDC.euf");
        MakeFontFile(users / "EUDC.EUF", 200, 22);
        WriteFile(program / "data\\EUDC.INI", c.ini);
        MakeFontFile(program / "data\\EUDC.TTF", 4000, 4);
        EXPECT_EQ(Install("data"), 0) << c.label;
        EXPECT_EQ(ReadFile(users / "EUDC.EUF"), FontBytes(210, 2)) << c.label;
        EXPECT_EQ(doneLines.size(), c.lines) << c.label;
        EXPECT_EQ(StagingFolders(), 0u) << c.label;
    }
}

// A font file in use by another program, opened without delete sharing.
TEST_F(SafeInstall, DestinationHeldOpenLeavesEverything) {
    FileHolder holder(users / "P.TTE", FILE_SHARE_READ);
    EXPECT_EQ(Install("data"), 2);
    EXPECT_TRUE(Holds(kPrevious));
    EXPECT_TRUE(LinksArePrevious());
    EXPECT_EQ(StagingFolders(), 0u);
    EXPECT_EQ(boxes.messages, StringList{FailureMessage()});
}

TEST_F(SafeInstall, OneInstallAtATime) {
    const struct {
        const char* label;
        DWORD heldMs;
        int result;
        const char* message;  // nullptr: the success report
    } cases[] = {
        {"the other install goes on", INFINITE, 2, texts::kInstallBusy},
        {"the other install ends soon", 1500, 0, nullptr},
    };
    for (const auto& c : cases) {
        boxes.messages.clear();
        FileHolder otherInstall(users / "~minamo.lock", 0, c.heldMs);
        EXPECT_EQ(Install("data"), c.result) << c.label;
        EXPECT_TRUE(c.result == 0 ? Holds(kNew) : Holds(kPrevious)) << c.label;
        ASSERT_EQ(boxes.messages.size(), 1u) << c.label;
        if (c.message) {
            EXPECT_EQ(boxes.messages[0], c.message) << c.label;
        }
    }
}

// Staging folders left by a crash, of an earlier build and of this one,
// with a file in use that keeps them from being removed.
TEST_F(SafeInstall, LeftoverInUseDoesNotBlock) {
    for (const char* leftover : {"~minamo-staging\\", "~minamo-staging-77-1\\"}) {
        for (const File& f : kPrevious) MakeFontFile(users / f.name, f.size, f.seed);
        MakeFolder(users / leftover);
        MakeFontFile(users / leftover + "0.new", 100, 9);
        FileHolder holder(users / leftover + "0.new", FILE_SHARE_READ);
        EXPECT_EQ(Install("data"), 0) << leftover;
        EXPECT_TRUE(Holds(kNew)) << leftover;
    }
}

// What an install of the new set over the previous one leaves when cut off
// after its first `steps` journal lines and the moves they announce; torn:
// the next line only partly written.
class CutOffInstall {
public:
    template <size_t n>
    CutOffInstall(const TempFolder& users, const File (&set)[n], size_t steps, bool torn)
        : users_(users), staging_(users / "~minamo-staging-99-1\\") {
        MakeFolder(staging_);
        std::vector<JournalRecord> sequence;
        for (size_t i = 0; i < n; ++i) {
            const std::string index = std::to_string(i);
            MakeFontFile(staging_ + index + ".new", set[i].size, set[i].seed);
            sequence.push_back({JournalRecord::kMovedAside, set[i].name, index + ".old"});
            sequence.push_back({JournalRecord::kPutInPlace, index + ".new", set[i].name});
        }
        sequence.push_back({JournalRecord::kCommitted, "", ""});
        InstallJournal journal;
        EXPECT_TRUE(journal.Create(staging_ + "journal"));
        for (size_t i = 0; i < steps; ++i) {
            EXPECT_TRUE(journal.Append(sequence[i]));
            Move(sequence[i]);
        }
        journal.Close();
        if (torn) WriteFile(staging_ + "journal", ReadFile(staging_ + "journal") + "committed\t\t\t");
    }
    const std::string& staging() const { return staging_; }
    // The first step of a rollback: the last new file back to its staged name.
    void UndoPlacement(const char* name, const std::string& staged) {
        ASSERT_TRUE(MoveFileA((users_ / name).c_str(), (staging_ + staged).c_str()));
    }

private:
    void Move(const JournalRecord& r) {
        if (r.step == JournalRecord::kMovedAside) {
            EXPECT_TRUE(MoveFileA((users_ / r.from).c_str(), (staging_ + r.to).c_str()));
        } else if (r.step == JournalRecord::kPutInPlace) {
            EXPECT_TRUE(MoveFileA((staging_ + r.from).c_str(), (users_ / r.to).c_str()));
        }
    }
    const TempFolder& users_;
    std::string staging_;
};

TEST_F(SafeInstall, RecoversFromAJournal) {
    const struct {
        const char* label;
        size_t steps;
        bool torn;
        bool rollbackBegun;
        bool newSet;  // false: the previous set
    } cases[] = {
        {"cut off in the copy", 0, false, false, false},
        {"one file moved aside", 1, false, false, false},
        {"one file in place", 2, false, false, false},
        {"all in place, not committed", 6, false, false, false},
        {"commit line torn", 6, true, false, false},
        {"cut off in a rollback", 6, false, true, false},
        {"committed", 7, false, false, true},
    };
    for (const auto& c : cases) {
        for (const File& f : kPrevious) MakeFontFile(users / f.name, f.size, f.seed);
        {
            CutOffInstall cut(users, kNew, c.steps, c.torn);
            if (c.rollbackBegun) cut.UndoPlacement("P.TTE", "2.new");
        }
        EXPECT_EQ(Install("probe"), 9) << c.label;
        EXPECT_TRUE(Holds(c.newSet ? kNew : kPrevious)) << c.label;
        EXPECT_EQ(StagingFolders(), 0u) << c.label;
    }
}

// A saved file that cannot be put back is named in the report and kept.
TEST_F(SafeInstall, UndoThatFailsIsReported) {
    std::string staging;
    {
        CutOffInstall cut(users, kNew, 2, false);
        staging = cut.staging();
        FileHolder newFileInUse(users / "EUDC.TTE", FILE_SHARE_READ);
        EXPECT_EQ(Install("probe"), 2);
    }
    EXPECT_EQ(boxes.messages, StringList{FailureMessage() + "\r" +
                                         texts::Format(texts::kNotRestoredLine,
                                                       {users / "EUDC.TTE", staging + "0.old"})});
    EXPECT_EQ(ReadFile(staging + "0.old"), FontBytes(3000, 21));
    // Once the file is free, the next install puts it back.
    EXPECT_EQ(Install("probe"), 9);
    EXPECT_TRUE(Holds(kPrevious));
    EXPECT_EQ(StagingFolders(), 0u);
}

// A logon script installs one set at every logon: what did not change is
// not copied again, and the rest of the install is as before.
TEST_F(SafeInstall, ReRunCopiesOnlyChangedFiles) {
    const struct {
        const char* label;
        size_t size;
        WORD day;
        bool copied;
    } cases[] = {
        {"same size and time", 5100, 10, false},
        {"other time", 5100, 11, true},
        {"other size", 5099, 10, true},
    };
    const std::string installed = users / "P.TTE", source = program / "data\\P.TTE";
    for (const auto& c : cases) {
        ASSERT_EQ(Install("data"), 0) << c.label;
        // Bytes of its own in the installed copy show whether it was copied.
        MakeFontFile(installed, c.size, 77);
        SetFileDate(installed, 2020, 1, c.day);
        SetFileDate(source, 2020, 1, 10);
        ClearEudcKey();
        boxes.messages.clear();
        EXPECT_EQ(Install("data"), 0) << c.label;
        EXPECT_EQ(ReadFile(installed) == ReadFile(source), c.copied) << c.label;
        EXPECT_EQ(doneLines.size(), 3u) << c.label;
        EXPECT_EQ(Link("MS PGothic"), installed) << c.label;
        EXPECT_EQ(boxes.messages.size(), 1u) << c.label;
    }
}

}  // namespace
