// tile_seams_test.cpp: the tablet's nine picture pieces have one answer.
//
// The pieces "p0".."p8" are decoded from the pictures built into the program.
// The cost of an arrangement (nine pieces, row order) is the colour difference
// summed along its 12 inner seams. Only the true arrangement may look whole:
// it must be the single cheapest of all 9! arrangements, and every arrangement
// reached by turning rows or columns, which keeps most seams true, must cost
// at least half as much again.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "graphics/embedded_pictures.h"
#include "graphics/image_catalogue.h"

namespace {

constexpr int kSide = 80;
using Arrangement = std::array<int, 9>;
using SeamTable = std::array<std::array<long, 9>, 9>;
constexpr Arrangement kTrue = {0, 1, 2, 3, 4, 5, 6, 7, 8};

struct Seams {
    SeamTable leftOf{};  // leftOf[a][b]: piece a with piece b at its right
    SeamTable above{};   // above[a][b]: piece a with piece b below it

    long Cost(const Arrangement& t) const {
        long sum = 0;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c) sum += leftOf[t[3 * r + c]][t[3 * r + c + 1]];
        for (int k = 0; k < 6; ++k) sum += above[t[k]][t[k + 3]];
        return sum;
    }
};

long PixelDifference(const DecodedPicture& a, int ax, int ay, const DecodedPicture& b, int bx,
                     int by) {
    const uint8_t* p = &a.rgb[static_cast<size_t>(ay * kSide + ax) * 3];
    const uint8_t* q = &b.rgb[static_cast<size_t>(by * kSide + bx) * 3];
    return std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]);
}

// The pairwise seam costs of the nine pieces, so that each arrangement is
// twelve additions.
class TileSeams : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static TPictureCollection catalogue;
        std::string error;
        ASSERT_TRUE(catalogue.LoadFromContainer(EmbeddedPictureData(), error, true)) << error;
        std::array<const DecodedPicture*, 9> piece{};
        for (int k = 0; k < 9; ++k) {
            piece[k] = &catalogue.Find("p" + std::to_string(k)).Picture();
            ASSERT_EQ(piece[k]->width, kSide);
            ASSERT_EQ(piece[k]->height, kSide);
            ASSERT_EQ(piece[k]->rgb.size(), size_t{kSide * kSide * 3});
        }
        for (int a = 0; a < 9; ++a)
            for (int b = 0; b < 9; ++b)
                for (int i = 0; i < kSide; ++i) {
                    seams.leftOf[a][b] += PixelDifference(*piece[a], kSide - 1, i, *piece[b], 0, i);
                    seams.above[a][b] += PixelDifference(*piece[a], i, kSide - 1, *piece[b], i, 0);
                }
    }
    static Seams seams;
};
Seams TileSeams::seams;

// Every arrangement made by turning each row by its own step and then the
// rows' order, or each column and then the columns' order.
std::set<Arrangement> Turns() {
    std::set<Arrangement> out;
    for (int steps = 0; steps < 81; ++steps) {
        int s[3] = {steps % 3, steps / 3 % 3, steps / 9 % 3}, order = steps / 27;
        Arrangement rows{}, cols{};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                int rr = (r + order) % 3, cc = (c + order) % 3;
                rows[3 * r + c] = 3 * rr + (c + s[rr]) % 3;
                cols[3 * r + c] = 3 * ((r + s[cc]) % 3) + cc;
            }
        out.insert(rows);
        out.insert(cols);
    }
    out.erase(kTrue);
    return out;
}

TEST_F(TileSeams, TheTrueArrangementIsTheSingleCheapest) {
    const long truth = seams.Cost(kTrue);
    Arrangement t = kTrue, best{};
    long bestWrong = -1;
    while (std::next_permutation(t.begin(), t.end())) {
        long cost = seams.Cost(t);
        if (bestWrong < 0 || cost < bestWrong) bestWrong = cost, best = t;
    }
    EXPECT_LT(truth, bestWrong) << "a wrong arrangement looks as whole as the true one";
    std::printf("seam cost: true %ld, cheapest wrong %ld (%d%d%d/%d%d%d/%d%d%d), ratio %.2f\n",
                truth, bestWrong, best[0], best[1], best[2], best[3], best[4], best[5], best[6],
                best[7], best[8], static_cast<double>(bestWrong) / static_cast<double>(truth));
}

TEST_F(TileSeams, TurnedRowsAndColumnsCostHalfAsMuchAgain) {
    const long truth = seams.Cost(kTrue);
    const auto turns = Turns();
    ASSERT_GE(turns.size(), 100u);  // 2 x 81 less the true one and the shared row-order turns
    ASSERT_TRUE(turns.count({6, 7, 8, 0, 1, 2, 3, 4, 5}));
    ASSERT_TRUE(turns.count({1, 2, 0, 4, 5, 3, 7, 8, 6}));
    double lowest = 1e9;
    for (const auto& t : turns) {
        double ratio = static_cast<double>(seams.Cost(t)) / static_cast<double>(truth);
        lowest = std::min(lowest, ratio);
        EXPECT_GE(ratio, 1.5) << t[0] << t[1] << t[2] << "/" << t[3] << t[4] << t[5] << "/" << t[6]
                              << t[7] << t[8];
    }
    std::printf("seam cost: %zu row and column turns, the cheapest at %.2f times the true\n",
                turns.size(), lowest);
}

}  // namespace
