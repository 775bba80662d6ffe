// The code table's numbering against the platform: every Shift-JIS cell
// draws the character code page 932 gives for its byte pair, every Unicode
// cell draws its own code point, and a numbering change selects the cell of
// the same character, as MultiByteToWideChar under code page 932 says.
#include <gtest/gtest.h>

#include "engine/report/texts.h"
#include "tests/code_table_support.h"
#include "tests/support/utf8.h"
#include "ui/gdi.h"

using namespace code_table_testing;
using testing_support::Sjis;

namespace {

// The character code page 932 has for a byte pair; 0 when none.
unsigned Cp932(unsigned lead, unsigned trail) {
    char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    WCHAR out[4] = {};
    int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, out, 4);
    return n == 1 ? out[0] : 0;
}

class NumberingTest : public CodeTableTest {
protected:
    // A grid 20 data rows high, drawn in the pattern face.
    void SetUp() override {
        CodeTableTest::SetUp();
        SetClientSize(482, 55 + (kPage + 1) * 25 + 8);  // 8: the grid's edge
        SendMessageA(table->fontBox->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kPatternFace));
        table->FaceChosen(kPatternFace);
    }
    static constexpr int kPage = 20;
    // Decodes every data cell of rows first..first+19 into codes[row][col].
    void DecodeRows(int first, std::vector<std::vector<int>>& codes) {
        table->grid->SetTopRow(first);
        ASSERT_EQ(table->grid->TopRow(), first);
        Picture picture(table->grid->Handle());
        for (int row = first; row < first + kPage && row < table->grid->RowCount(); ++row)
            for (int col = 1; col <= 16; ++col)
                codes[row][col] = DecodePattern(picture, table->grid->CellRect(col, row));
    }
};

TEST_F(NumberingTest, EveryShiftJisCellDrawsTheCharacterOfItsBytePair) {
    std::vector<std::vector<int>> codes(121, std::vector<int>(17, -2));
    for (int first = 1; first <= 120; first += kPage) DecodeRows(first, codes);
    int characters = 0;
    for (int row = 1; row <= 120; ++row) {
        unsigned lead = 0xF0 + (row - 1) / 12, firstTrail = 0x40 + 16 * ((row - 1) % 12);
        for (int col = 1; col <= 16; ++col) {
            unsigned trail = firstTrail + col - 1;
            unsigned expected = Cp932(lead, trail);
            if (trail == 0x7F || trail >= 0xFD) {
                EXPECT_EQ(expected, 0u);
                EXPECT_EQ(codes[row][col], -1) << "no character expected at row " << row << " col " << col;
                continue;
            }
            ++characters;
            ASSERT_NE(expected, 0u);
            EXPECT_EQ(codes[row][col], static_cast<int>(expected)) << std::hex << lead << trail;
        }
    }
    EXPECT_EQ(characters, 1880);
}

TEST_F(NumberingTest, EveryUnicodeCellDrawsItsCodePoint) {
    PickCode(1);
    std::vector<std::vector<int>> codes(401, std::vector<int>(17, -2));
    for (int first = 1; first <= 400; first += kPage) DecodeRows(first, codes);
    for (int row = 1; row <= 400; ++row)
        for (int col = 1; col <= 16; ++col)
            ASSERT_EQ(codes[row][col], 0xE000 + (row - 1) * 16 + col - 1) << row << "," << col;
}

TEST_F(NumberingTest, EveryShiftJisCellSwitchesToTheUnicodeCellOfItsCharacterAndBack) {
    ShowWindow(table->Handle(), SW_HIDE);  // 3760 switches need no pictures
    for (int row = 1; row <= 120; ++row) {
        unsigned lead = 0xF0 + (row - 1) / 12, firstTrail = 0x40 + 16 * ((row - 1) % 12);
        for (int col = 1; col <= 16; ++col) {
            unsigned code = Cp932(lead, firstTrail + col - 1);
            Select(col, row);
            PickCode(1);
            int wantRow = code ? (code - 0xE000) / 16 + 1 : row, wantCol = code ? (code - 0xE000) % 16 + 1 : col;
            ASSERT_EQ(table->grid->Row(), wantRow) << row << "," << col;
            ASSERT_EQ(table->grid->Col(), wantCol) << row << "," << col;
            PickCode(0);
            // An empty Shift-JIS cell has no character to come back to.
            if (!code) continue;
            ASSERT_EQ(table->grid->Row(), row);
            ASSERT_EQ(table->grid->Col(), col);
        }
    }
}

// The cell and the code after a switch at the ends of the table, also for
// Unicode cells without a Shift-JIS counterpart, which keep their place
// within the table (every cell's way there and back: the test above).
TEST_F(NumberingTest, SwitchingNumberingAtTheEndsSaysTheNewCode) {
    const struct {
        int from;          // the numbering switched from: 0 Shift-JIS, 1 Unicode
        int col, row;      // selected before
        int toCol, toRow;  // selected after
        const char* panel;
    } cases[] = {
        {0, 1, 5, 16, 4, u8"コード : E03F"},       // F080
        {0, 13, 120, 8, 118, u8"コード : E757"},   // F9FC
        {1, 1, 257, 1, 120, u8"コード : F9F0"},    // U+F000: "?" -> row 120
        {1, 16, 400, 16, 120, u8"コード : "},      // U+F8FF: "?" -> row 120, FF: no character
        {1, 9, 118, 9, 118, u8"コード : F9D8"},    // U+E758: "?", the row is in the table
    };
    for (const auto& c : cases) {
        PickCode(c.from);
        Select(c.col, c.row);
        PickCode(1 - c.from);
        EXPECT_EQ(table->grid->Col(), c.toCol) << c.panel;
        EXPECT_EQ(table->grid->Row(), c.toRow) << c.panel;
        EXPECT_EQ(Panel(1), Sjis(c.panel));
        EXPECT_EQ(table->grid->RowCount(), c.from ? 121 : 401);
    }
}

// Whether a header cell shows text as the header font draws it, pixel for
// pixel: the text drawn by hand in that font into a cell of the same size.
bool DrawnAs(const Picture& picture, const RECT& cell, const LOGFONTA& gridFont, const std::string& text) {
    LOGFONTA header = gridFont;
    header.lfHeight = 14;
    const gdi::Font font = gdi::CreateFontFrom(header);
    RECT local{0, 0, cell.right - cell.left, cell.bottom - cell.top};
    const Picture drawn(local.right, local.bottom, [&](HDC dc) {
        FillRect(dc, &local, GetSysColorBrush(COLOR_BTNFACE));
        const gdi::Selection selected(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &local, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    });
    int differences = 0;
    for (int y = 2; y < local.bottom - 2; ++y)
        for (int x = 2; x < local.right - 2; ++x)
            differences += picture.At(cell.left + x, cell.top + y) != drawn.At(x, y);
    return differences == 0;
}

TEST_F(NumberingTest, HeadersOfBothNumberings) {
    struct Case {
        bool unicode;
        int row;
        const char* header;
    };
    const Case cases[] = {{false, 1, "F040"}, {false, 12, "F0F0"}, {false, 13, "F140"},
                          {false, 120, "F9F0"}, {true, 1, "E000"}, {true, 400, "F8F0"}};
    for (const Case& c : cases) {
        PickCode(c.unicode ? 1 : 0);
        EXPECT_EQ(table->grid->RowCount(), c.unicode ? 401 : 121);
        table->grid->SetTopRow(c.row);
        Picture picture(table->grid->Handle());
        EXPECT_TRUE(DrawnAs(picture, table->grid->CellRect(0, c.row), table->grid->Font(), c.header))
            << c.header;
    }
    // The column headers: 0 to 9 and A to F.
    Picture picture(table->grid->Handle());
    for (int col = 1; col <= 16; ++col) {
        const std::string digit(1, "0123456789ABCDEF"[col - 1]);
        EXPECT_TRUE(DrawnAs(picture, table->grid->CellRect(col, 0), table->grid->Font(), digit)) << digit;
    }
}

}  // namespace
