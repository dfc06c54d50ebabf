// Where the piles of each arrangement stand, against the arrangement table:
// pile count, outer and second rows, piles per row, group moduli, symmetry,
// and pile spacing at the smallest spacing parameters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

#include "design/footing/pile_arrangement.h"

namespace bentpier {
namespace {

int piles(const std::vector<PilePlace>& p, bool alongB, int at) {
  int k = 0;
  for (const PilePlace& q : p) k += (alongB ? q.b : q.d) == at ? 1 : 0;
  return k;
}

TEST(PilePlaces, AgreeWithTheArrangementTable) {
  for (int n = kFewestPiles; n <= kMostPiles; ++n) {
    const PileArrangement& a = pileArrangement(n);
    const std::vector<PilePlace> p = pilePlaces(n);
    ASSERT_EQ(static_cast<int>(p.size()), n);
    std::set<std::pair<int, int>> distinct;
    int sumB = 0, sumD = 0, farB = 0, farD = 0;
    double b2 = 0, d2 = 0;
    for (const PilePlace& q : p) {
      distinct.insert({q.b, q.d});
      sumB += q.b;
      sumD += q.d;
      farB = std::max(farB, std::abs(q.b));
      farD = std::max(farD, std::abs(q.d));
      b2 += q.b * q.b;
      d2 += q.d * q.d;
    }
    EXPECT_EQ(static_cast<int>(distinct.size()), n) << n;
    EXPECT_EQ(sumB, 0) << n;
    EXPECT_EQ(sumD, 0) << n;
    EXPECT_EQ(farB, a.NB1) << n;
    EXPECT_EQ(farD, a.ND1) << n;
    // Piles in the outer and second rows, on both sides.
    for (const int side : {-1, 1}) {
      EXPECT_EQ(piles(p, true, side * a.NB1), a.NRB1) << n;
      EXPECT_EQ(piles(p, false, side * a.ND1), a.NRD1) << n;
      if (a.RB2 > 0) {
        EXPECT_EQ(piles(p, true, side * a.RB2), a.NRB2) << n;
      }
      if (a.RD2 > 0) {
        EXPECT_EQ(piles(p, false, side * a.RD2), a.NRD2) << n;
      }
    }
    // Group section moduli per unit spacing: sum of squares over the arm.
    EXPECT_NEAR(b2 / a.NB1, a.SB1, 1e-4) << n;
    EXPECT_NEAR(d2 / a.ND1, a.SD1, 1e-4) << n;
    if (a.RB2 > 0) {
      EXPECT_NEAR(b2 / a.RB2, a.SB2, 1e-4) << n;
    }
    if (a.RD2 > 0) {
      EXPECT_NEAR(d2 / a.RD2, a.SD2, 1e-4) << n;
    }
    // At the smallest spacings (BP = KBP, DP = KDP per unit of the least
    // pile spacing) no two piles stand closer than that spacing, within
    // the rounding of 0.7 for 1/sqrt(2).
    double closest = 1e9;
    for (size_t i = 0; i < p.size(); ++i)
      for (size_t j = i + 1; j < p.size(); ++j)
        closest = std::min(closest, std::hypot((p[i].b - p[j].b) * double{a.KBP},
                                               (p[i].d - p[j].d) * double{a.KDP}));
    EXPECT_GE(closest, 0.989) << n;
    EXPECT_LE(closest, 1.0 + 1e-6) << n;
  }
  EXPECT_TRUE(pilePlaces(3).empty());
  EXPECT_TRUE(pilePlaces(26).empty());
}

}  // namespace
}  // namespace bentpier
