// An install never loses the user's files: not with two copies to one
// place, a file held open, a second install, a failed undo or a crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/install/install.h"
#include "engine/install/journal.h"
#include "engine/run/run_parameters.h"
#include "engine/report/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

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
        MakeFolder(program / "data");
        MakeFolder(program / "probe");
        WriteFile(program / "probe\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=ABSENT.TTE\r\n");
        WriteFile(program / "data\\EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=P.TTE\r\n");
        for (const auto& f : kNew) MakeFontFile(program / "data\\" + f.name, f.size, f.seed);
        PutPrevious();
    }
    void TearDown() override { ClearEudcKey(); }

    void PutPrevious() {
        for (const auto& f : kPrevious) MakeFontFile(users / f.name, f.size, f.seed);
        ClearEudcKey();
        SetEudcLink("SystemDefaultEUDCFont", users / "EUDC.TTE");
        SetEudcLink("MS PGothic", users / "P.TTE");
    }
    // The install of a folder of program into users, its result as the
    // exit code; messages in boxes.
    int Install(const char* folder) {
        RunParameters run(program / "minamo.exe");
        run.target = TargetNamed(run.folders.program, std::string(folder) + "\\");
        run.folders.userData = users.path();
        run.options.confirm = false;
        InstallReport report;
        const Result result = InstallFor(run, report);
        doneLines = report.installed;
        return ExitCode(result);
    }
    // /undo with /d, which it ignores; messages in boxes.
    int Undo() {
        RunParameters run(program / "minamo.exe");
        run.folders.userData = users.path();
        run.options.confirm = false;
        run.options.onlyNewer = true;
        InstallReport report;
        std::string backup;
        Notifier notifier(false, run.options.Asks());
        return ExitCode(UndoLastInstall({run.folders, run.options, run.target, notifier}, report, backup));
    }
    bool Holds(const File (&set)[3]) {
        for (const File& f : set)
            if (ReadFile(users / f.name) != FontBytes(f.size, f.seed)) return false;
        return true;
    }
    size_t StagingFolders() {
        return platform::ListFolder(users / "~minamo-staging-*").size() + platform::ListFolder(users / "~s*").size();
    }
    std::string FailureMessage() {
        return std::string(texts::kInstallFailed) + texts::kInstallFailedCheckSource + texts::kInstallFailedUserFolder;
    }

    TempFolder program, users;
    FakeInteraction boxes;
    StringList doneLines;
};

TEST_F(SafeInstall, OneCopyToEachDestination) {
    const struct {
        const char* label;
        const char* secondFile;
        size_t lines;
    } cases[] = {{"two fonts share a companion", "EUDC.TTF", 3}, {"the companion is linked too", "EUDC.EUF", 2}};
    for (const auto& c : cases) {
        // The previous companion is spelled in capitals, the new one in small letters.
        RemoveTree(users / "EUDC.euf");
        MakeFontFile(users / "EUDC.EUF", 200, 22);
        WriteFile(program / "data\\EUDC.INI",
                  std::string("[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=") + c.secondFile + "\r\n");
        MakeFontFile(program / "data\\EUDC.TTF", 4000, 4);
        EXPECT_EQ(Install("data"), 0) << c.label;
        EXPECT_EQ(ReadFile(users / "EUDC.EUF"), FontBytes(210, 2)) << c.label;
        EXPECT_EQ(doneLines.size(), c.lines) << c.label;
    }
}

// Another process holds a file open without delete sharing: a font in use,
// a second install's lock, a file in a staging folder left by a crash.
TEST_F(SafeInstall, FilesHeldByOthers) {
    const struct {
        const char* label;
        const char* file;
        DWORD share, heldMs;
        int result;
        const char* message;  // nullptr: the failure message, or the report
    } cases[] = {
        {"a font in use", "P.TTE", FILE_SHARE_READ, INFINITE, 2, nullptr},
        {"another install goes on", "~minamo.lock", 0, INFINITE, 2, texts::kInstallBusy},
        {"another install ends soon", "~minamo.lock", 0, 1500, 0, nullptr},
        {"an earlier build's leftover", "~minamo-staging\\P.TTE", FILE_SHARE_READ, INFINITE, 0, nullptr},
        {"a leftover", "~minamo-staging-77-1\\0.new", FILE_SHARE_READ, INFINITE, 0, nullptr},
    };
    for (const auto& c : cases) {
        PutPrevious();
        const std::string file = users / c.file;
        MakeFolder(file.substr(0, file.rfind('\\')));
        boxes.messages.clear();
        FileHolder other(file, c.share, c.heldMs);
        EXPECT_EQ(Install("data"), c.result) << c.label;
        ASSERT_EQ(boxes.messages.size(), 1u) << c.label;
        if (c.result == 0) {
            EXPECT_TRUE(Holds(kNew)) << c.label;
            continue;
        }
        EXPECT_TRUE(Holds(kPrevious)) << c.label;
        EXPECT_EQ(StagingFolders(), 0u) << c.label;
        EXPECT_EQ(EudcLinks(), (std::vector<std::pair<std::string, std::string>>{
                                   {"MS PGothic", users / "P.TTE"}, {"SystemDefaultEUDCFont", users / "EUDC.TTE"}}))
            << c.label;
        if (c.message) {
            EXPECT_EQ(boxes.messages[0], c.message) << c.label;
            continue;
        }
        // The specified text, then the file held open and Windows' reason.
        EXPECT_EQ(boxes.messages[0].rfind(FailureMessage() + "\r", 0), 0u) << boxes.messages[0];
        EXPECT_NE(boxes.messages[0].find(users / c.file), std::string::npos) << boxes.messages[0];
        EXPECT_NE(boxes.messages[0].find(Sjis(u8"（エラー 32）")), std::string::npos) << boxes.messages[0];
    }
}

// How an install names its staging folder, journal and files: this
// build's, and an earlier build's, whose leftovers are recovered too.
struct StagingLayout {
    const char* folder;
    const char* journal;
    const char* staged;  // extension of a staged copy
    const char* saved;   // extension of a saved file
};
const StagingLayout kThisBuild = {"~s3", "j", ".n", ".o"};
const StagingLayout kEarlierBuild = {"~minamo-staging-99-1", "journal", ".new", ".old"};

// Builds in a staging folder what an install of the new set over the
// previous one leaves when cut off after its first `steps` journal lines
// and the moves they announce; torn: a last line only partly written.
std::string CutOffInstall(const TempFolder& users, size_t steps, bool torn, const StagingLayout& layout) {
    const std::string staging = users / layout.folder + "\\";
    MakeFolder(staging);
    std::vector<JournalRecord> sequence;
    for (size_t i = 0; i < 3; ++i) {
        const std::string index = std::to_string(i);
        MakeFontFile(staging + index + layout.staged, kNew[i].size, kNew[i].seed);
        sequence.push_back({JournalRecord::kMovedAside, kNew[i].name, index + layout.saved});
        sequence.push_back({JournalRecord::kPutInPlace, index + layout.staged, kNew[i].name});
    }
    sequence.push_back({JournalRecord::kCommitted, "", ""});
    InstallJournal journal;
    EXPECT_TRUE(journal.Create(staging + layout.journal));
    for (size_t i = 0; i < steps; ++i) {
        const JournalRecord& r = sequence[i];
        EXPECT_TRUE(journal.Append({r}));
        if (r.step == JournalRecord::kMovedAside) MoveFileA((users / r.from).c_str(), (staging + r.to).c_str());
        if (r.step == JournalRecord::kPutInPlace) MoveFileA((staging + r.from).c_str(), (users / r.to).c_str());
    }
    journal.Close();
    if (torn) WriteFile(staging + layout.journal, ReadFile(staging + layout.journal) + "committed\t\t\t");
    return staging;
}

TEST_F(SafeInstall, RecoversFromAJournal) {
    const struct {
        const char* label;
        size_t steps;
        bool torn, rollbackBegun, newSet;  // newSet false: the previous set
    } cases[] = {
        {"cut off in the copy", 0, false, false, false},
        {"one file moved aside", 1, false, false, false},
        {"one file in place", 2, false, false, false},
        {"all in place, not committed", 6, false, false, false},
        {"commit line torn", 6, true, false, false},
        {"cut off in a rollback", 6, false, true, false},
        {"committed", 7, false, false, true},
    };
    for (const StagingLayout& layout : {kThisBuild, kEarlierBuild}) {
        for (const auto& c : cases) {
            PutPrevious();
            const std::string staging = CutOffInstall(users, c.steps, c.torn, layout);
            // A rollback's first step: the last new file back to its staged name.
            if (c.rollbackBegun) MoveFileA((users / "P.TTE").c_str(), (staging + "2" + layout.staged).c_str());
            EXPECT_EQ(Install("probe"), 9) << c.label << " " << layout.folder;
            EXPECT_TRUE(Holds(c.newSet ? kNew : kPrevious)) << c.label << " " << layout.folder;
            EXPECT_EQ(StagingFolders(), 0u) << c.label << " " << layout.folder;
        }
    }
}

// A journal that is not whole, or a saved file no record accounts for: the
// staging folder is set aside as it is, named in the report, and the
// install goes on. Nothing in it is deleted.
TEST_F(SafeInstall, DamagedJournalsDeleteNothing) {
    const std::string garbage = "\x01\x02 not a journal\r\n\xFF\xFE\r\n";
    const struct {
        const char* label;
        size_t steps;  // of a cut-off install, before the damage
        std::function<void(const std::string& staging)> damage;
        StringList kept;  // files the set-aside folder holds, from this build's layout
    } cases[] = {
        {"garbage beside a saved font", 1, [&](const std::string& s) { WriteFile(s + "j", garbage); }, {"0.o"}},
        {"garbage without a line end", 1, [&](const std::string& s) { WriteFile(s + "j", "xyz"); }, {"0.o"}},
        {"committed, damaged in the middle", 7,
         [&](const std::string& s) {
             std::string j = ReadFile(s + "j");
             j[j.find("\r\n") + 4] ^= 1;  // a byte of the second line
             WriteFile(s + "j", j);
         },
         {"0.o", "1.o", "2.o"}},
        {"a saved file no record names", 2, [&](const std::string& s) { MakeFontFile(s + "5.o", 77, 7); }, {"5.o"}},
    };
    for (const auto& c : cases) {
        PutPrevious();
        const std::string staging = CutOffInstall(users, c.steps, false, kThisBuild);
        StringList bytes;
        c.damage(staging);
        for (const std::string& name : c.kept) bytes.push_back(ReadFile(staging + name));
        boxes.messages.clear();
        EXPECT_EQ(Install("data"), 0) << c.label;
        const std::string kept = users / "~minamo-damaged-1\\";
        for (size_t i = 0; i < c.kept.size(); ++i)
            EXPECT_TRUE(!bytes[i].empty() && ReadFile(kept + c.kept[i]) == bytes[i]) << c.label << " " << c.kept[i];
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_NE(boxes.messages[0].find(texts::Format(texts::kSetAsideLine, {staging, kept})), std::string::npos)
            << c.label;
        // The next install goes on as if nothing were left.
        EXPECT_EQ(Install("data"), 0) << c.label;
        EXPECT_TRUE(Holds(kNew)) << c.label;
        EXPECT_EQ(StagingFolders(), 0u) << c.label;
        RemoveTree(kept);
    }
}

// Each install that replaces files keeps them; the five newest stay.
TEST_F(SafeInstall, BackupsKeepTheNewestFive) {
    for (int i = 0; i < 7; ++i) {
        MakeFontFile(program / "data\\P.TTE", 5100 + i, 40 + i);
        ASSERT_EQ(Install("data"), 0) << i;
    }
    const auto backups = platform::ListFolder(users / "backup\\2*");
    ASSERT_EQ(backups.size(), 5u);
    // The newest keeps what the last install replaced: the sixth P.TTE.
    std::string newest = backups[0].name;
    for (const auto& b : backups) newest = std::max(newest, b.name);
    EXPECT_TRUE(ReadFile(users / ("backup\\" + newest + "\\P.TTE")) == FontBytes(5105, 45)) << newest;
}

// A saved file that cannot be put back is named in the report and kept.
TEST_F(SafeInstall, UndoThatFailsIsReported) {
    const std::string staging = CutOffInstall(users, 2, false, kEarlierBuild);
    {
        FileHolder newFileInUse(users / "EUDC.TTE", FILE_SHARE_READ);
        EXPECT_EQ(Install("probe"), 2);
    }
    // Then the place the install failed on, and why.
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].rfind(FailureMessage() + "\r" +
                                          texts::Format(texts::kNotRestoredLine, {users / "EUDC.TTE", staging + "0.old"}) +
                                          "\r",
                                      0),
              0u);
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
        EXPECT_EQ(EudcLinks().size(), 2u) << c.label;
        EXPECT_EQ(boxes.messages.size(), 1u) << c.label;
    }
}

// /undo takes back exactly the last install that changed anything: the
// files it replaced and the links it changed or added.
TEST_F(SafeInstall, UndoTakesBackTheLastInstall) {
    using Links = std::vector<std::pair<std::string, std::string>>;
    const Links previousLinks = {{"MS PGothic", users / "P.TTE"}, {"SystemDefaultEUDCFont", users / "EUDC.TTE"}};
    const Links defaultOnly = {{"SystemDefaultEUDCFont", users / "EUDC.TTE"}};
    const struct {
        const char* label;
        std::function<void()> last;  // the last install, after one of data
        bool newFiles;               // the files after the undo: the new set's
        const Links& links;
    } cases[] = {
        {"replace", [] {}, false, previousLinks},
        // Installed again, nothing changes: the undo point stays.
        {"unchanged", [&] { EXPECT_EQ(Install("data"), 0); }, false, previousLinks},
        {"add-only",
         [&] {
             ClearEudcKey();
             SetEudcLink("SystemDefaultEUDCFont", users / "EUDC.TTE");
             EXPECT_EQ(Install("data"), 0);  // the files are as installed: only a link is added
         },
         true, defaultOnly},
        {"euf-only",
         [&] {
             MakeFontFile(program / "data\\EUDC.EUF", 230, 9);
             EXPECT_EQ(Install("data"), 0);
         },
         true, previousLinks},
        {"after a crash",
         [&] {
             // Cut off between its backup and its commit.
             const std::string staging = CutOffInstall(users, 6, false, kThisBuild);
             WriteFile(staging + "j", ReadFile(staging + "j") + JournalLine({JournalRecord::kBackup, "", "29990101-000000"}));
             MakeFolder(users / "backup\\29990101-000000");
             WriteFile(users / "backup\\29990101-000000\\EUDC.INI", "[BACKUP]\r\nMade=29990101000000000\r\n");
         },
         false, previousLinks},
    };
    for (const auto& c : cases) {
        PutPrevious();
        RemoveTree(users / "backup");
        for (const File& f : kNew) MakeFontFile(program / "data\\" + f.name, f.size, f.seed);
        ASSERT_EQ(Install("data"), 0) << c.label;
        c.last();
        boxes.messages.clear();
        EXPECT_EQ(Undo(), 0) << c.label << " " << (boxes.messages.empty() ? "" : boxes.messages[0]);
        EXPECT_TRUE(Holds(c.newFiles ? kNew : kPrevious)) << c.label;
        EXPECT_EQ(EudcLinks(), c.links) << c.label;
    }
}

// Backups go by the time each records: folders from the future or of
// strangers neither take the undo nor push the newest out, and several in
// one second keep names of their own.
TEST_F(SafeInstall, BackupsInTheOrderTheyWereMade) {
    const std::string stranger = users / "backup\\29991231-235959\\";
    MakeFolder(stranger);
    WriteFile(stranger + "EUDC.INI", "[EUDC932]\r\nSystemDefaultEUDCFont=MINE.TTE\r\n");
    MakeFontFile(stranger + "MINE.TTE", 100, 5);
    for (int i = 0; i < 5; ++i) {
        const std::string future = users / ("backup\\29991231-23595" + std::to_string(i) + "-02\\");
        MakeFolder(future);
        WriteFile(future + "EUDC.INI", "[BACKUP]\r\nMade=2999123123595" + std::to_string(i) + "000\r\n");
    }
    ASSERT_EQ(Install("data"), 0);
    EXPECT_EQ(Undo(), 0);
    EXPECT_TRUE(Holds(kPrevious));
    EXPECT_EQ(ReadFile(stranger + "MINE.TTE"), FontBytes(100, 5));
    // Five of the program's own are kept, the two just made among them.
    EXPECT_EQ(platform::ListFolder(users / "backup\\*-*").size(), 6u);
    EXPECT_EQ(Undo(), 0);
    EXPECT_TRUE(Holds(kNew));
}

// A file named backup, which an earlier build let a set plant, does not
// stop installs or their undo.
TEST_F(SafeInstall, AFileNamedBackup) {
    WriteFile(users / "backup", "planted");
    ASSERT_EQ(Install("data"), 0);
    EXPECT_EQ(Undo(), 0);
    EXPECT_TRUE(Holds(kPrevious));
    EXPECT_EQ(ReadFile(users / "backup"), "planted");
}

// A file larger than its reader allows is not read at all, rather than
// read in part: a journal so large is none of the install's.
TEST_F(SafeInstall, AFileTooLargeIsNotRead) {
    const std::string journal = CutOffInstall(users, 6, false, kThisBuild) + "j";
    std::string bytes = "before";
    EXPECT_FALSE(platform::ReadWholeFile(journal, bytes, ReadFile(journal).size() - 1));
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(platform::ReadWholeFile(journal, bytes, ReadFile(journal).size()));
    WriteFile(journal, ReadFile(journal) + std::string(16 << 20, ' '));
    EXPECT_FALSE(InstallJournal::Read(journal).whole);
}

}  // namespace
