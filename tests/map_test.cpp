// /map: an EUDC font made of known characters (IPA Mincho's drawings at
// U+E000..) against a reference font cut from IPAmj Mincho.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "engine/characters/eudc_characters.h"
#include "engine/map_decision_store.h"
#include "engine/map_eudc.h"
#include "engine/map_facts.h"
#include "engine/migration/csv_text.h"
#include "engine/migration/map_decisions.h"
#include "engine/migration/map_file.h"
#include "engine/report/map_texts.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

std::string Made(const std::string& name) { return FromUnixPath(TestFontsFolder() + "/shapes/") + name; }

// A set of the made EUDC font in its own folder, mapped silently with a
// user data folder of its own.
struct MapRun {
    TempFolder program, users;
    RunParameters run{program / "minamo.exe"};
    MapReport report;

    explicit MapRun(const std::string& reference) {
        MakeFolder(program / "set\\");
        CopyFileTo(Made("eudc.ttf"), program / "set\\EUDC.TTE");
        run.folders.userData = users.path();
        run.options.silent = true;
        run.options.referenceFont = reference;
        run.target = TargetNamed(run.folders.program, "set\\");
    }
    Result Map() {
        Notifier notifier(true, false);
        const Result result = MapEudc({run.folders, run.options, run.target, notifier}, report);
        messages = notifier.Reports();
        return result;
    }
    StringList messages;
};

// The lines of the map, each checked to end in CR LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(at, end - at));
        EXPECT_EQ(lines.back().find('\n'), std::string::npos);
        at = end + 2;
    }
    return lines;
}

// /map's outcome without the line naming the PC's fonts compared too, which
// depend on the fonts GDI finds for Windows' Mincho and Gothic here.
std::string WithoutDesignFonts(const std::string& told) {
    return told.substr(0, told.find(texts::Format(texts::kMapDesignFonts, {""})));
}

}  // namespace

TEST(Map, KnownCharactersFindTheirTwins) {
    MapRun map(Made("reference.ttf"));
    ASSERT_EQ(map.Map(), Result::kOk);
    const std::string text = ReadFile(map.program / "set\\EUDCMAP.CSV");
    ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> lines = Lines(text.substr(3));
    std::ifstream listed(TestFontsFolder() + "/shapes/eudc.txt");
    std::string code, twin;
    size_t line = 1;
    while (listed >> code >> twin) {
        ASSERT_LT(line, lines.size());
        const std::string sjis = characters::CodeName(static_cast<uint16_t>(std::stoul(code, nullptr, 16)));
        const std::string start = sjis + ",U+" + code + ",EUDC.TTE,yes,same,," + twin + ",";
        EXPECT_EQ(lines[line].substr(0, start.size()), start);
        ++line;
    }
    EXPECT_EQ(line, lines.size());
    EXPECT_EQ(map.report.characters, lines.size() - 1);
    // 土 (U+571F) first, then 士 (U+58EB); each in UTF-8, with its score, MJ
    // name, Shift-JIS code and JIS X 0213 position.
    const std::string first = "F040,U+E000,EUDC.TTE,yes,same,,U+571F,\xE5\x9C\x9F,1.000,MJ008892,9379,1-37-58,"
                              "U+58EB,\xE5\xA3\xAB,0.9";
    EXPECT_EQ(lines[1].substr(0, first.size()), first);
    ASSERT_EQ(map.messages.size(), 1u);
    EXPECT_EQ(WithoutDesignFonts(map.messages[0]), texts::Format(texts::kMapWritten, {map.report.mapPath, map.report.characters, 0}));
}

// The search's sums use SSE2 where Windows says the processor runs it
// (a 32-bit program asks at run time): Wine on an x86-64 host does.
TEST(Map, TheSystemTellsSse2) { EXPECT_TRUE(platform::ProcessorRunsSse2()); }

TEST(Map, ReferenceFontsThatCannotServe) {
    const struct {
        const char* label;
        std::string font;
        const char* message;
    } cases[] = {
        {"no font", Made("eudc.txt"), texts::kMapNotTrueType},
        {"no kanji", Made("eudc.ttf"), texts::kMapNoIdeographs},
        {"missing", Made("missing.ttf"), texts::kMapReferenceUnread},
    };
    for (const auto& c : cases) {
        MapRun map(c.font);
        EXPECT_EQ(map.Map(), Result::kNoReferenceFont) << c.label;
        EXPECT_EQ(map.messages, StringList{texts::Format(c.message, {map.report.referenceFont})}) << c.label;
        EXPECT_FALSE(platform::FileExists(map.program / "set\\EUDCMAP.CSV")) << c.label;
    }
}

// Built once, then read from the user data folder; built anew when the
// font's bytes change.
TEST(Map, IndexKeptPerFont) {
    MapRun map("");
    const std::string reference = map.users / "ref.ttf";
    map.run.options.referenceFont = reference;
    CopyFileTo(Made("reference.ttf"), reference);
    const struct {
        const char* label;
        bool changeFont;
        bool built;
    } runs[] = {{"first", false, true}, {"again", false, false}, {"font changed", true, true}, {"after", false, false}};
    for (const auto& r : runs) {
        if (r.changeFont) WriteFile(reference, ReadFile(reference) + std::string(4, '\0'));
        ASSERT_EQ(map.Map(), Result::kOk) << r.label;
        EXPECT_EQ(map.report.indexBuilt, r.built) << r.label;
        EXPECT_TRUE(platform::FileExists(map.users / kShapeIndexFileName)) << r.label;
    }
}

// The PC's own Japanese fonts are indexed beside the reference and named in
// the outcome; a font with too few kanji is not one; the index is built
// anew when they change.
TEST(Map, ThePcsOwnFontsBesideTheReference) {
    MapRun map(Made("reference.ttf"));
    TempFolder windows;
    const std::string gothic = windows / "Fonts\\ipag.ttf", few = windows / "Fonts\\gothic.ttf";
    MakeFolder(windows / "Fonts\\");
    map.run.folders.windows = windows.path();
    CopyFileTo(Made("gothic.ttf"), few);
    const struct {
        const char* label;
        bool gothicThere, built;
    } runs[] = {{"none", false, true}, {"IPA Gothic installed", true, true}, {"again", true, false}, {"removed", false, true}};
    for (const auto& r : runs) {
        // Bytes of its own: GDI may already give IPA Gothic for Windows' Gothic.
        if (r.gothicThere) WriteFile(gothic, ReadFile(FromUnixPath("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf")) + std::string(4, '\0'));
        else DeleteFileA(gothic.c_str());
        ASSERT_EQ(map.Map(), Result::kOk) << r.label;
        EXPECT_EQ(map.report.indexBuilt, r.built) << r.label;
        ASSERT_EQ(map.messages.size(), 1u);
        EXPECT_EQ(map.messages[0].find(gothic) != std::string::npos, r.gothicThere) << map.messages[0];
        EXPECT_EQ(map.messages[0].find(few), std::string::npos) << map.messages[0];
    }
}

// The Fonts folder's files in the order they are tried: Windows' Mincho and
// Gothic first, then by name.
TEST(Map, DesignFontOrder) {
    EXPECT_EQ(DesignFontOrder({"yumin.ttf", "ipag.ttf", "MSGOTHIC.TTC", "msmincho.ttc"}),
              (std::vector<std::string>{"msmincho.ttc", "MSGOTHIC.TTC", "ipag.ttf", "yumin.ttf"}));
}

// As a script runs it: the switches, and the exit code.
TEST(Map, CommandLine) {
    TempFolder program;
    MakeFolder(program / "set\\");
    CopyFileTo(Made("eudc.ttf"), program / "set\\EUDC.TTE");
    const struct {
        std::string reference;
        int exitCode;
    } runs[] = {{Made("eudc.txt"), 15}, {Made("reference.ttf"), 0}};
    for (const auto& r : runs) {
        ChildProcess minamo(Wide("\"" + MinamoExe() + "\" /map /s \"/ref:" + r.reference + "\" \"" + program / "set" + "\""));
        EXPECT_EQ(minamo.Wait(120000), r.exitCode) << r.reference;
        EXPECT_EQ(platform::FileExists(program / "set\\EUDCMAP.CSV"), r.exitCode == 0) << r.reference;
    }
}

namespace {

// The Chosen of each EUDC code of a map file's text, read as the program reads it.
std::map<std::string, std::string> ChosenOf(const std::string& bytes) {
    std::string text, error;
    std::vector<migration::CsvRow> rows;
    EXPECT_TRUE(migration::MapTextAsUtf8(bytes, &migration::ShiftJisAsUtf8, text));
    EXPECT_TRUE(migration::ParseCsv(text, rows, error)) << error;
    std::map<std::string, std::string> chosen;
    if (rows.empty()) return chosen;
    const std::vector<int> at = migration::ColumnsNamed(rows[0], {"Unicode", "Chosen"});
    for (size_t i = 1; i < rows.size(); ++i)
        if (at[1] >= 0 && static_cast<size_t>(at[1]) < rows[i].size()) chosen[rows[i][at[0]]] = rows[i][at[1]];
    return chosen;
}

// The map with decisions filled in, saved as a spreadsheet saves it.
enum class Saved { kUtf8Bom, kUtf8, kShiftJis };
std::string Decided(const std::string& map, const std::map<std::string, std::string>& decisions, Saved saved) {
    std::string error;
    std::vector<migration::CsvRow> rows;
    EXPECT_TRUE(migration::ParseCsv(map, rows, error));
    const std::vector<int> at = migration::ColumnsNamed(rows[0], {"Unicode", "Chosen"});
    std::string text;
    for (migration::CsvRow& row : rows) {
        const auto decision = decisions.find(row[at[0]]);
        if (decision != decisions.end()) row[at[1]] = decision->second;
        for (size_t i = 0; i < row.size(); ++i) text += (i ? "," : "") + migration::CsvField(row[i]);
        text += "\r\n";
    }
    if (saved == Saved::kUtf8Bom) return "\xEF\xBB\xBF" + text;
    if (saved == Saved::kUtf8) return text;
    return platform::ToMultiByte(932, platform::ToWide(CP_UTF8, text));  // "?" where Shift-JIS has none
}

}  // namespace

// A new /map of the same set keeps each decision whose glyph did not
// change, from a map saved by a spreadsheet in any of its encodings, and
// clears the others, saying how many.
TEST(Map, DecisionsSurviveANewMap) {
    const std::map<std::string, std::string> decisions = {
        {"U+E000", "2"}, {"U+E001", "none"}, {"U+E002", "U+845B U+E0102"}};
    const struct {
        const char* label;
        Saved saved;
        const char* font;  // the set's font at the second map
        bool kept;
    } runs[] = {
        {"UTF-8 with a BOM", Saved::kUtf8Bom, "eudc.ttf", true},
        {"UTF-8 without a BOM", Saved::kUtf8, "eudc.ttf", true},
        {"Shift-JIS", Saved::kShiftJis, "eudc.ttf", true},
        {"glyphs changed", Saved::kUtf8Bom, "small.ttf", false},
    };
    for (const auto& r : runs) {
        MapRun map(Made("reference.ttf"));
        ASSERT_EQ(map.Map(), Result::kOk) << r.label;
        const std::string path = map.program / "set\\EUDCMAP.CSV";
        WriteFile(path, Decided(ReadFile(path).substr(3), decisions, r.saved));
        CopyFileTo(Made(r.font), map.program / "set\\EUDC.TTE");
        ASSERT_EQ(map.Map(), Result::kOk) << r.label;
        const std::string text = ReadFile(path);
        EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF") << r.label;
        const std::map<std::string, std::string> chosen = ChosenOf(text);
        for (const auto& decision : decisions)
            EXPECT_EQ(chosen.at(decision.first), r.kept ? decision.second : "") << r.label << " " << decision.first;
        EXPECT_EQ(map.report.decisionsKept, r.kept ? 3u : 0u) << r.label;
        EXPECT_EQ(map.report.decisionsCleared, r.kept ? 0u : 3u) << r.label;
        const std::string told =
            texts::Format(texts::kMapWritten, {map.report.mapPath, map.report.characters, map.report.withoutTwin}) +
            texts::Format(r.kept ? texts::kMapDecisionsKept : texts::kMapDecisionsCleared, {3});
        ASSERT_EQ(map.messages.size(), 1u) << r.label;
        EXPECT_EQ(WithoutDesignFonts(map.messages[0]), told) << r.label;
    }
}

// A map that cannot be read as one (a quote never closed) is left as it is:
// its decisions would be lost.
TEST(Map, UnreadableMapIsNotOverwritten) {
    MapRun map(Made("reference.ttf"));
    const std::string path = map.program / "set\\EUDCMAP.CSV", broken = "Unicode,Chosen\r\nU+E000,\"2\r\n";
    WriteFile(path, broken);
    EXPECT_EQ(map.Map(), Result::kNoReferenceFont);
    EXPECT_EQ(map.messages, StringList{texts::Format(texts::kMapUnreadable, {path})});
    EXPECT_EQ(ReadFile(path), broken);
}

// A candidate's Shift-JIS code only where CP932 holds that very character.
TEST(Map, Cp932CodesOnlyWhereTheyRoundTrip) {
    const struct {
        shapes::Candidate candidate;
        const char* code;
    } cases[] = {
        {{0x571F, 0, 1}, "9379"},    // 土
        {{0x9AD9, 0, 1}, "FBFC"},    // 髙, an IBM extension
        {{0x2460, 0, 1}, "8740"},    // ①, NEC's row 13
        {{0xFF71, 0, 1}, "B1"},      // ｱ, one byte
        {{0x00A5, 0, 1}, ""},        // ¥: only a best fit, the backslash
        {{0x4E02, 0, 1}, ""},        // 丂: none
        {{0x20B9F, 0, 1}, ""},       // 𠮟: beyond the BMP
        {{0x845B, 0xE0102, 1}, ""},  // a sequence's glyph: Shift-JIS cannot name it
    };
    for (const auto& c : cases) EXPECT_EQ(Cp932Code(c.candidate), c.code) << std::hex << c.candidate.code;
}

// The desk's decisions written into a map as a person may have left it:
// other fields kept, missing columns added, a number naming another
// candidate than the map's written as the code, a map that cannot be
// replaced (open elsewhere) left as it was with the decision not taken.
TEST(Map, DecisionsWrittenIntoTheMapAsItIs) {
    TempFolder folder;
    const std::string path = folder / "EUDCMAP.CSV";
    WriteFile(path, "Unicode,Note,Code 1,Code 2\r\nU+E000,\"a, b\",U+571F,U+58EB\r\nU+E001,x,U+672B,U+672A\r\n");
    const struct {
        uint16_t code;
        std::vector<shapes::Candidate> candidates;
        const char* chosen;
        const char* written;  // the Chosen the file then holds
        bool held;  // open elsewhere without sharing: the write fails
    } steps[] = {
        {0xE000, {{0x571F, 0, 1}, {0x58EB, 0, 0.9}}, "2", "2", false},
        {0xE001, {{0x672A, 0, 1}, {0x672B, 0, 0.9}}, "1", "U+672A", false},
        {0xE005, {}, "none", "none", false},
        {0xE000, {}, "U+9AD9", "2", true},
    };
    MapDecisionStore store;
    std::string why;
    ASSERT_TRUE(store.Load(path, "EUDC.TTE", why)) << why;
    for (const auto& step : steps) {
        shapes::MappedCharacter character;
        character.code = step.code;
        character.candidates = step.candidates;
        character.glyph = 0xABCDEF;
        character.chosen = step.chosen;
        const std::string before = ReadFile(path);
        platform::Outcome opened;
        platform::UniqueFile holder = step.held ? platform::OpenExclusiveFile(path, opened) : platform::UniqueFile();
        EXPECT_EQ(store.Save(character, why), !step.held) << step.chosen;
        holder.reset();
        const std::string text = ReadFile(path);
        if (step.held) {
            EXPECT_EQ(text, before);
            EXPECT_EQ(why, texts::Format(texts::kMapNotWritten, {path}));
        }
        char code[8];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(step.code));
        EXPECT_EQ(ChosenOf(text).at(code), step.written) << step.chosen;
        EXPECT_EQ(store.Chosen(step.code), step.written) << step.chosen;
        EXPECT_NE(text.find("\r\nU+E000,\"a, b\",U+571F,U+58EB,2,0000000000ABCDEF"), std::string::npos) << text;
    }
}
