// A map's decisions as a team writes them, by hand or from a spreadsheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/migration/csv_text.h"
#include "engine/migration/map_decisions.h"
#include "engine/migration/unicode_text.h"

namespace {

using migration::Decision;

// A map as /map writes it, with the decisions' column, and a row a
// spreadsheet saved with a quoted field holding a comma and a line break.
const char kMap[] =
    "\xEF\xBB\xBFShift_JIS,Unicode,Font,Twin,Verdict,Chosen,Code 1,Character 1,Score 1,Code 2,Character 2,Score 2,"
    "Glyph\r\n"
    "F040,U+E000,EUDC.TTE,yes,same,1,U+9AD9,\xE9\xAB\x99,0.953,U+9AD8,\xE9\xAB\x98,0.9,ab12\r\n"
    "F041,U+E001,\"EU,DC\nx.TTE\",yes,check,2,U+845B,\xE8\x91\x9B,0.9,U+845B U+E0102,x,0.8,\r\n"
    "F042,U+E002,EUDC.TTE,no,none,None,U+4E00,x,0.5\r\n"
    "F043,U+E003,EUDC.TTE,no,check,,U+4E00,x,0.5\r\n"
    "F044,U+E004,EUDC.TTE,no,check, u+20b9f ,U+4E00,x,0.5\r\n"
    "F045,U+E005,EUDC.TTE,no,check,3,U+4E00,x,0.5\r\n"
    "F046,U+E006,EUDC.TTE,no,check,U+E000,U+4E00,x,0.5\r\n"
    "F047,U+E007,EUDC.TTE,no,check,\xE9\xAB\x99,U+4E00,x,0.5\r\n"
    "F048,U+E008,EUDC.TTE,no,check,U+D800,U+4E00,x,0.5\r\n"
    "81A0,U+25A1,EUDC.TTE,no,check,1,U+4E00,x,0.5\r\n";

TEST(MapDecisions, EachFormOfChosenResolves) {
    std::vector<migration::MapRow> rows;
    std::string error;
    ASSERT_TRUE(migration::ParseMapRows(kMap, rows, error)) << error;
    ASSERT_EQ(rows.size(), 9u);  // the row of a code that is no EUDC is passed over
    EXPECT_EQ(rows[0].glyph, "ab12");
    const struct {
        Decision decision;
        std::u32string replacement;
    } expected[] = {
        {Decision::kChosen, U"\u9AD9"},          {Decision::kChosen, U"\u845B\U000E0102"},
        {Decision::kNone, U""},                  {Decision::kUndecided, U""},
        {Decision::kChosen, U"\U00020B9F"},      {Decision::kInvalid, U""},  // no third candidate
        {Decision::kInvalid, U""},               {Decision::kInvalid, U""},  // EUDC again; the character itself
        {Decision::kInvalid, U""},                                           // a surrogate
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        std::u32string replacement;
        std::string reason;
        EXPECT_EQ(migration::Resolve(rows[i], replacement, &reason), expected[i].decision) << i;
        EXPECT_EQ(replacement, expected[i].replacement) << i;
        EXPECT_EQ(reason.empty(), expected[i].decision != Decision::kInvalid) << i;
        EXPECT_EQ(rows[i].eudc, 0xE000 + i);
    }
}

TEST(MapDecisions, ColumnsAreFoundByName) {
    std::vector<migration::MapRow> rows;
    std::string error;
    // Fewer columns, in another order, LF line ends, no final line end.
    ASSERT_TRUE(migration::ParseMapRows("Chosen,Unicode\nU+9AD9,U+E010\n,U+E011", rows, error)) << error;
    ASSERT_EQ(rows.size(), 2u);
    std::u32string replacement;
    EXPECT_EQ(migration::Resolve(rows[0], replacement), Decision::kChosen);
    EXPECT_EQ(replacement, U"\u9AD9");
    EXPECT_EQ(migration::Resolve(rows[1], replacement), Decision::kUndecided);
    const char* broken[] = {"Code 1,Chosen\r\nU+4E00,1\r\n", "Unicode,Chosen\r\nU+E000,\"1\r\n",
                            "Unicode,Chosen\r\nU+E000,\"1\"x\r\n", ""};
    for (const char* text : broken) {
        EXPECT_FALSE(migration::ParseMapRows(text, rows, error)) << text;
        EXPECT_FALSE(error.empty());
    }
}

bool FakeShiftJis(const std::string& shiftJis, std::string& utf8) {
    utf8 = "converted:" + shiftJis;
    return true;
}

TEST(MapDecisions, EncodingOfTheFile) {
    const struct {
        std::string bytes, utf8;
    } cases[] = {
        {"\xEF\xBB\xBFUnicode", "Unicode"},
        {"Unicode,\xE9\xAB\x99", "Unicode,\xE9\xAB\x99"},
        {"Unicode,\x88\x9F", "converted:Unicode,\x88\x9F"},  // Shift-JIS: not UTF-8
        {"Unicode,\xED\xA0\x80", "converted:Unicode,\xED\xA0\x80"},  // a surrogate is no UTF-8
    };
    for (const auto& c : cases) {
        std::string utf8;
        ASSERT_TRUE(migration::MapTextAsUtf8(c.bytes, FakeShiftJis, utf8));
        EXPECT_EQ(utf8, c.utf8);
    }
}

TEST(MapDecisions, ShiftJisNamesOfEudc) {
    const struct {
        char32_t code;
        const char* name;
    } cases[] = {{0xE000, "F040"}, {0xE03E, "F07E"}, {0xE03F, "F080"}, {0xE0BB, "F0FC"}, {0xE0BC, "F140"},
                 {0xE757, "F9FC"}};
    for (const auto& c : cases) EXPECT_EQ(migration::ShiftJisName(c.code), c.name);
}

}  // namespace
