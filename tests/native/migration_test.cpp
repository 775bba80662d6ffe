// A map's decisions as a team writes them, by hand or from a spreadsheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <algorithm>

#include "engine/migration/csv_text.h"
#include "engine/migration/eudc_converter.h"
#include "engine/migration/text_encoding.h"
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

namespace {

using migration::Encoding;

// Code page 932 as a stand-in: each pair becomes U+4E00 + its index, a
// code the way back knows, so that the pieces' seams are what is tested.
class PairCodec : public migration::ShiftJisCodec {
public:
    void AppendAsUtf8(const char* bytes, size_t size, std::string& utf8) override {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes);
        for (size_t i = 0; i < size; ++i) {
            if (p[i] < 0x80) {
                utf8 += static_cast<char>(p[i]);
            } else {
                ASSERT_LT(i + 1, size) << "a pair cut by a run";
                migration::AppendUtf8(utf8, 0x4E00 + (p[i] - 0x81) * 256 + p[i + 1]);
                ++i;
            }
        }
    }
    void AppendAsShiftJis(const char* utf8, size_t size, std::string& bytes) override {
        const auto* p = reinterpret_cast<const unsigned char*>(utf8);
        char32_t code;
        for (size_t i = 0; i < size;) {
            const size_t length = migration::Utf8Sequence(p, i, size, code);
            ASSERT_GT(length, 0u) << "a character cut by a run";
            if (code < 0x80) {
                bytes += static_cast<char>(code);
            } else {
                bytes += static_cast<char>(0x81 + (code - 0x4E00) / 256);
                bytes += static_cast<char>((code - 0x4E00) % 256);
            }
            i += length;
        }
    }
};

std::string Utf16(const std::u32string& text, bool big) {
    std::string bytes;
    for (char32_t c : text) migration::AppendUtf16(bytes, c, big);
    return bytes;
}

struct Converted {
    std::string bytes;
    std::vector<migration::EudcPlace> places;
};

Converted ConvertInPieces(Encoding encoding, const std::string& source, const migration::DecisionTable& table,
                          size_t piece) {
    PairCodec codec;
    migration::EudcConverter converter(encoding, &table, &codec);
    Converted converted;
    for (size_t at = 0; at <= source.size(); at += piece) {
        const size_t n = std::min(piece, source.size() - at);
        converter.Convert(source.data() + at, n, at + n == source.size(), &converted.bytes);
        if (at + n == source.size()) break;
    }
    converted.places = converter.Places();
    return converted;
}

std::string RestoreInPieces(Encoding encoding, const std::string& converted, const Converted& record,
                            const migration::DecisionTable& table, size_t piece) {
    std::vector<migration::EudcRestorer::Replacement> replacements;
    for (const auto& place : record.places)
        if (place.replaced) replacements.push_back({place.line, place.column, place.eudc, table.Written(place.eudc)});
    PairCodec codec;
    migration::EudcRestorer restorer(encoding, replacements, &codec);
    std::string out;
    for (size_t at = 0; at <= converted.size(); at += piece) {
        const size_t n = std::min(piece, converted.size() - at);
        restorer.Restore(converted.data() + at, n, at + n == converted.size(), out);
        if (at + n == converted.size()) break;
    }
    EXPECT_EQ(restorer.Missed(), 0u);
    return out;
}

// Every seam a piece can make (inside a character, a pair, a CR LF, a
// replacement) gives the bytes and places of the whole, and the way back
// gives the source.
TEST(EudcConverter, PiecesCutAnywhere) {
    std::vector<migration::MapRow> rows;
    std::string error;
    ASSERT_TRUE(migration::ParseMapRows(
        "Unicode,Chosen\r\nU+E000,U+9AD9\r\nU+E001,U+845B U+E0102\r\nU+E002,none\r\nU+E757,U+20B9F\r\n", rows, error));
    const migration::DecisionTable table(rows);
    const std::u32string text = U"a\uE000\r\n\U00020BB7\uE001\u845B\U000E0100\uE757\r\n\"x\uE002\",\uE000\n\uE003";
    const struct {
        Encoding encoding;
        std::string source;
    } cases[] = {
        {Encoding::kUtf8, migration::Utf8(text)},
        {Encoding::kUtf8Bom, "\xEF\xBB\xBF" + migration::Utf8(text) + "\xC3("},  // a broken sequence at the end
        {Encoding::kUtf16Le, "\xFF\xFE" + Utf16(text, false)},
        {Encoding::kUtf16Be, "\xFE\xFF" + Utf16(text, true)},
        {Encoding::kShiftJis, "a\xF0\x40\r\n\x88\x9F\xF0\x41\x8A\x8B\x8A\x8C\xF9\xFC\r\n\"x\xF0\x42\",\xF0\x40\n\xF0\x43"},
    };
    for (const auto& c : cases) {
        const Converted whole = ConvertInPieces(c.encoding, c.source, table, c.source.size() + 1);
        ASSERT_EQ(whole.places.size(), 6u) << migration::EncodingName(c.encoding);
        // Lines and columns count characters of the source's lines.
        const size_t expected[][2] = {{1, 2}, {2, 2}, {2, 5}, {3, 3}, {3, 6}, {4, 1}};
        for (size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(whole.places[i].line, expected[i][0]) << migration::EncodingName(c.encoding) << i;
            EXPECT_EQ(whole.places[i].column, expected[i][1]) << migration::EncodingName(c.encoding) << i;
        }
        EXPECT_EQ(RestoreInPieces(c.encoding, whole.bytes, whole, table, whole.bytes.size() + 1), c.source);
        for (size_t piece = 1; piece <= 9; ++piece) {
            const Converted cut = ConvertInPieces(c.encoding, c.source, table, piece);
            EXPECT_EQ(cut.bytes, whole.bytes) << migration::EncodingName(c.encoding) << " piece " << piece;
            EXPECT_EQ(cut.places.size(), whole.places.size());
            EXPECT_EQ(RestoreInPieces(c.encoding, whole.bytes, whole, table, piece), c.source)
                << migration::EncodingName(c.encoding) << " piece " << piece;
        }
    }
    // What the replacements become in UTF-8.
    const Converted utf8 = ConvertInPieces(Encoding::kUtf8, migration::Utf8(text), table, 100);
    EXPECT_EQ(utf8.bytes, migration::Utf8(U"a\u9AD9\r\n\U00020BB7\u845B\U000E0102\u845B\U000E0100\U00020B9F\r\n\"x\uE002\",\u9AD9\n\uE003"));
}

TEST(EncodingGuess, FromTheFirstBytes) {
    using namespace std::string_literals;
    const struct {
        std::string bytes;
        bool text;
        Encoding encoding;
    } cases[] = {
        {"\xEF\xBB\xBF" "abc", true, Encoding::kUtf8Bom},
        {"\xFF\xFE" "a\0"s, true, Encoding::kUtf16Le},
        {"\xFE\xFF\0a"s, true, Encoding::kUtf16Be},
        {"plain ascii\r\n", true, Encoding::kUtf8},
        {"a,\xE9\xAB\x99,\xE8\x91\x9B\n", true, Encoding::kUtf8},
        {"a,\xE9\xAB\x99,\xE8\x91\x9B,\xE9\xAB\x99,\xE8\x91\x9B\xC3(\n", true, Encoding::kUtf8},  // one broken
        {"a,\x88\x9F,\xF0\x40,\xB1\xB2\n", true, Encoding::kShiftJis},
        {"\xB1\xB2\xB3", true, Encoding::kShiftJis},  // half-width katakana alone
        {"a\0b"s, false, Encoding::kUtf8},
        {"\x80\xFF\xFE\xFD\x80\xA0", false, Encoding::kUtf8},
    };
    for (const auto& c : cases) {
        // Whole, and cut into two pieces after each byte past a mark (a
        // file's first piece holds its mark whole).
        for (size_t cut = c.bytes.size(); cut >= 3 && cut > 0; --cut) {
            migration::EncodingGuess guess;
            const auto* bytes = reinterpret_cast<const unsigned char*>(c.bytes.data());
            guess.Read(bytes, cut, cut == c.bytes.size());
            guess.Read(bytes + cut, c.bytes.size() - cut, true);
            ASSERT_TRUE(guess.Decided()) << &c - cases << " cut at " << cut;
            EXPECT_EQ(guess.IsText(), c.text) << &c - cases << " cut at " << cut;
            if (c.text) EXPECT_EQ(guess.Found(), c.encoding) << &c - cases << " cut at " << cut;
        }
    }
}

}  // namespace
