#include "PaletteSelect.h"
#include "PatternFixture.h"
#include <set>
#include <vector>

namespace {

const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), marker = RGB(255, 0, 0);

class GratingBlock : public PatternFixture {
  protected:
    // Draws one block at (3, 2) on a red canvas with the ring chart's palette selected, and returns
    // the block's pixels as local rows (the canvas is checked to be untouched around it).
    std::vector<std::vector<COLORREF>> Draw(int u, bool mirrorX, bool mirrorY) {
        auto canvas = MakeCanvas(4 * u + 6, 3 * u + 4);
        canvas->Fill(marker);
        const int levels[17] = {0,   255, 127, 191, 25,  51,  76, 102, 153,
                                178, 204, 229, 130, 122, 135, 12, 242};
        for (int level : levels)
            canvas->palette.AddColor(Gray(level));
        canvas->palette.Create(0);
        {
            CPaletteSelect selected(canvas->memDC, canvas->palette.handle, true);
            canvas->DrawGratingBlock(u, 3, 2, mirrorX, mirrorY);
        }
        EXPECT_TRUE(HoldsStockObjects(canvas->memDC));
        const Pixels p = Read(*canvas);
        EXPECT_TRUE(RectIs(p, {0, 0, 4 * u + 6, 2}, marker));
        EXPECT_TRUE(RectIs(p, {0, 3 * u + 2, 4 * u + 6, 3 * u + 4}, marker));
        EXPECT_TRUE(RectIs(p, {0, 0, 3, 3 * u + 4}, marker));
        EXPECT_TRUE(RectIs(p, {4 * u + 3, 0, 4 * u + 6, 3 * u + 4}, marker));
        std::vector<std::vector<COLORREF>> block(3 * u, std::vector<COLORREF>(4 * u));
        for (int y = 0; y < 3 * u; ++y)
            for (int x = 0; x < 4 * u; ++x)
                block[y][x] = p.At(3 + x, 2 + y);
        return block;
    }
};

std::set<int> WhiteRowsOfColumn0(const std::vector<std::vector<COLORREF>>& b, int u) {
    std::set<int> rows;
    for (int y = 0; y < 3 * u; ++y) {
        int whites = 0;
        for (int x = 0; x < u; ++x)
            whites += b[y][x] == white;
        if (whites == u)
            rows.insert(y);
        else
            EXPECT_EQ(whites, 0) << "row " << y << " of column 0 is partly white";
    }
    return rows;
}

std::set<int> WhiteColumnsOfColumn1(const std::vector<std::vector<COLORREF>>& b, int u, int row) {
    std::set<int> columns;
    for (int x = u; x < 2 * u; ++x) {
        int whites = 0;
        for (int y = row * u; y < (row + 1) * u; ++y)
            whites += b[y][x] == white;
        if (whites == u)
            columns.insert(x);
        else
            EXPECT_EQ(whites, 0) << "column " << x << " of row " << row << " is partly white";
    }
    return columns;
}

TEST_F(GratingBlock, GratingsAndStripesAtSquareSize8) {
    const auto b = Draw(8, false, false);
    EXPECT_EQ(WhiteRowsOfColumn0(b, 8), (std::set<int>{1, 3, 5, 7, 9, 10, 13, 14, 17, 18, 19, 23}));
    EXPECT_EQ(WhiteColumnsOfColumn1(b, 8, 0), (std::set<int>{9, 11, 13, 15}));
    EXPECT_EQ(WhiteColumnsOfColumn1(b, 8, 1), (std::set<int>{9, 10, 13, 14}));
    EXPECT_EQ(WhiteColumnsOfColumn1(b, 8, 2), (std::set<int>{9, 10, 11, 15}));
    // Everything else of the grating columns is the black fill.
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_TRUE(b[y][x] == white || b[y][x] == black);

    // Stripes of two pixels, P first: 130/127, 130/122, 135/122 by row.
    const COLORREF first[3] = {Gray(130), Gray(130), Gray(135)},
                   second[3] = {Gray(127), Gray(122), Gray(122)};
    for (int r = 0; r < 3; ++r)
        for (int j = 0; j < 8; ++j) {
            const COLORREF expected = j % 4 < 2 ? first[r] : second[r];
            for (int i = 0; i < 8; ++i) {
                ASSERT_EQ(b[8 * r + j][16 + i], expected) << "column 2, row " << r << ", line " << j;
                ASSERT_EQ(b[8 * r + i][24 + j], expected) << "column 3, row " << r << ", line " << j;
            }
        }
}

TEST_F(GratingBlock, CutPairsAndTriplesAtOtherSizes) {
    auto b = Draw(10, false, false);
    std::set<int> rows = WhiteRowsOfColumn0(b, 10);
    EXPECT_EQ(rows.count(11) + rows.count(12) + rows.count(15) + rows.count(16), 4u);
    EXPECT_EQ(rows.count(19), 0u); // its partner 20 lies in row 2

    b = Draw(11, false, false);
    rows = WhiteRowsOfColumn0(b, 11);
    EXPECT_EQ(std::set<int>(rows.lower_bound(22), rows.end()), (std::set<int>{23, 24, 25, 29, 30, 31}));

    b = Draw(7, false, false);
    rows = WhiteRowsOfColumn0(b, 7);
    EXPECT_EQ(std::set<int>(rows.lower_bound(14), rows.end()), (std::set<int>{15, 16, 17}));

    b = Draw(2, false, false);
    EXPECT_EQ(WhiteRowsOfColumn0(b, 2), (std::set<int>{1, 5}));
    EXPECT_EQ(WhiteColumnsOfColumn1(b, 2, 0), (std::set<int>{3}));
    EXPECT_EQ(WhiteColumnsOfColumn1(b, 2, 1), (std::set<int>{}));
    EXPECT_EQ(WhiteColumnsOfColumn1(b, 2, 2), (std::set<int>{3}));
    for (int y = 0; y < 6; ++y)
        for (int x = 4; x < 8; ++x)
            EXPECT_TRUE(b[y][x] == Gray(130) || b[y][x] == Gray(135)) << "u = 2 stripes are all P";

    b = Draw(9, false, false);
    const int expected[9] = {130, 130, 127, 127, 130, 130, 127, 127, 130};
    for (int y = 0; y < 9; ++y)
        EXPECT_EQ(b[y][18], Gray(expected[y])) << "row " << y;
}

TEST_F(GratingBlock, MirroringFlipsTheBlockInPlace) {
    for (int u : {2, 7, 8, 9, 10, 11}) {
        SCOPED_TRACE(testing::Message() << "u = " << u);
        const auto plain = Draw(u, false, false);
        const auto x = Draw(u, true, false), y = Draw(u, false, true), both = Draw(u, true, true);
        const int w = 4 * u, h = 3 * u;
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col) {
                ASSERT_EQ(x[row][col], plain[row][w - 1 - col]) << col << "," << row;
                ASSERT_EQ(y[row][col], plain[h - 1 - row][col]) << col << "," << row;
                ASSERT_EQ(both[row][col], plain[h - 1 - row][w - 1 - col]) << col << "," << row;
            }
    }
    EXPECT_EQ(CCanvas::MirrorCoordinate(true, 32, 0), 31);
    EXPECT_EQ(CCanvas::MirrorCoordinate(false, 32, 5), 5);
}

} // namespace
