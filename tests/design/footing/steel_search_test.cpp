// The two searches of the bottom-steel design and what happens when they
// do not settle: the neutral axis of the working-stress strip (Newton's
// method, with bisection behind it) and the bar-depth loop (the depth
// follows the bar, the bar the depth); and the bar count that the largest
// spacing sets.
#include <gtest/gtest.h>

#include <cmath>

#include "base/bar_table.h"
#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

// Working-stress steel of a 12-in strip of effective depth d for the
// moment M (kip-ft per foot), steel stress fs, modular ratio n, found
// without the cubic: for a neutral axis x the steel that balances the
// concrete is As = 6 x^2 / (n (d - x)) (12 x fc / 2 = As fs with
// fc = fs x / (n (d - x))); its moment As fs (d - x/3) / 12 rises with x,
// so bisection on x finds the one that carries M.
struct StripSteel {
  double AS, FCS;
};
StripSteel stripSteel(double M, double d, double n, double fs) {
  double lo = 0, hi = d;
  for (int i = 0; i < 400 && hi - lo > d * 1e-15; ++i) {
    const double x = (lo + hi) / 2;
    const double As = 6 * x * x / (n * (d - x));
    (As * fs * (d - x / 3) / 12 < M ? lo : hi) = x;
  }
  const double x = (lo + hi) / 2, jd = d - x / 3;
  return {12 * M / (jd * fs), 2 * (12 * M) / (12 * x * jd)};
}

TEST(FootingSteelSearch, NeutralAxisMatchesTheStripEquilibrium) {
  FootingStrengths k = footingStrengths(testing::footingParams(), 'S', 'D');
  k.PHIFY = 24.0f;
  struct Case {
    float M, DS;
  };
  // Ordinary strips, a strip hardly loaded (the axis a tenth of an inch
  // down) and a deep one with a large moment.
  const Case cases[] = {{25, 18}, {0.01f, 8}, {1, 60}, {400, 40}, {80, 20},
                        {5, 12}};
  for (const Case& c : cases) {
    const StripSteel ref = stripSteel(c.M, c.DS, 8, 24);
    const WorkingStressSteel w = workingStressSteel(k, c.M, c.DS);
    EXPECT_NEAR(w.AS, ref.AS, 1e-3 * ref.AS) << c.M << " " << c.DS;
    EXPECT_NEAR(w.FCS, ref.FCS, 1e-3 * ref.FCS) << c.M << " " << c.DS;
  }
}

TEST(FootingSteelSearch, StripsWhereNewtonDoesNotSettleGetTheSameSteel) {
  // Two strips beyond any real footing, where the Newton steps cannot
  // meet their 0.01 in test in single precision and the bisection on
  // (0, d) decides:
  //  - d = 10 in under 1e10 kip-ft: the axis lies within a rounding of d,
  //    so the step lands on d itself, outside the open interval;
  //  - d = 200000 in under 1.5e11 kip-ft: the cubic's terms are near
  //    1e18, their rounding (~1e11) over a slope of ~2e13 moves every
  //    correction by more than 0.01 in.
  // Whichever way the search ends, the steel must be the strip's own.
  FootingStrengths k = footingStrengths(testing::footingParams(), 'S', 'D');
  k.PHIFY = 24.0f;
  struct Case {
    float M, DS;
  };
  const Case cases[] = {{1e10f, 10}, {1.5e11f, 200000}};
  for (const Case& c : cases) {
    const StripSteel ref = stripSteel(c.M, c.DS, 8, 24);
    const WorkingStressSteel w = workingStressSteel(k, c.M, c.DS);
    ASSERT_TRUE(std::isfinite(w.AS) && std::isfinite(w.FCS)) << c.DS;
    EXPECT_NEAR(w.AS, ref.AS, 1e-4 * ref.AS) << c.DS;
    EXPECT_NEAR(w.FCS, ref.FCS, 1e-4 * ref.FCS) << c.DS;
  }
  // The first: the axis at the full depth leaves a lever arm of 2 d / 3,
  // 12 x 1e10 / (6.6667 x 24) = 7.5e8 in^2 per foot.
  EXPECT_NEAR(workingStressSteel(k, 1e10f, 10).AS, 7.5e8f, 1e3f);
}

TEST(FootingSteelSearch, BarDepthLoopThatAlternatesTakesTheShallowerDepth) {
  // Load-factor method, a strip with its bar face only 1.25 in down
  // (overall 4.25 in), 5 kip-ft per foot over a 2 ft width. The moment
  // is beyond the strip at any of these depths (1.7 x 12 x 5 /
  // (d^2 x 4 x 12 x 0.9) > 0.7225), and so is 1.2 Mcr, so the steel is the
  // largest the block formula gives, 0.85 x 4 x 12 d / 60 = 0.68 d, and
  // grows with the depth:
  //   h 0.375:   d 0.875,   As 0.595:  #4, 5.95 -> 6 bars @ 4.0 >= 4: #4
  //   h 0.28125: d 0.96875, As 0.65875: #4 7 bars @ 3.375 < 4;
  //              #5 5 bars @ 4.75 < 5; #6 3 bars @ 8.0 >= 6: #6
  //   h 0.4375:  d 0.8125,  As 0.5525: #4 6 bars @ 4.0: #4, h 0.28125 ...
  // #4 and #6 alternate for ever. The design keeps the shallower depth of
  // the two, d = 0.8125 in (never more depth than either bar has), and the
  // bars that depth asks for: 6 #4 @ 4.0 in, 0.6 in^2 per foot;
  // a = 60 x 0.6 / (0.85 x 4 x 12) = 0.8824 in,
  // MCAP = (0.8125 - 0.4412) x 54 x 0.6 / 12 = 1.0026 kip-ft;
  // VBCAP = 1.7 x 0.063246 x 12 x 0.8125 = 1.0483 kips.
  const FootingStrengths k =
      footingStrengths(testing::footingParams(), 'L', 'D');
  const DirectionSteel d =
      designDirection(k, 5.0f, 2.0f, 1.25f, 4.25f * 4.25f, 0.875f);
  EXPECT_EQ(d.BSIZE, 4);
  EXPECT_EQ(d.NBAR, 6);
  EXPECT_FLOAT_EQ(d.SPAC, 4.0f);
  EXPECT_FLOAT_EQ(d.DS, 0.8125f);
  EXPECT_NEAR(d.AS, 0.5525f, 1e-5f);
  EXPECT_NEAR(d.MCAP, 1.0026f, 1e-4f);
  EXPECT_NEAR(d.VBCAP, 1.0483f, 1e-4f);
  EXPECT_LE(d.DS, 1.25f - barOf(d.BSIZE).diameter / 2);
}

TEST(FootingSteelSearch, WidthOfWholeEighteenInchSpacesTakesOneBarMore) {
  // 0.05 in^2/ft asks for 3 #4 bars over 12 ft, 48 in apart; the count
  // then comes from the largest spacing: 144/18 + 0.5 = 8.5, rounded to
  // 9 bars at 16 in. Over 9 ft: 108/18 + 0.5 = 6.5 -> 7 bars at 15.43 in.
  // Over 10 ft: 120/18 + 0.5 = 7.17 -> 7 bars at 17.14 in.
  BarChoice c = chooseBars(0.05f, 12.0f);
  EXPECT_EQ(c.BSIZE, 4);
  EXPECT_EQ(c.NBAR, 9);
  EXPECT_FLOAT_EQ(c.SPAC, 16.0f);
  c = chooseBars(0.05f, 9.0f);
  EXPECT_EQ(c.NBAR, 7);
  EXPECT_NEAR(c.SPAC, 108.0f / 7.0f, 1e-4f);
  c = chooseBars(0.05f, 10.0f);
  EXPECT_EQ(c.NBAR, 7);
  EXPECT_NEAR(c.SPAC, 120.0f / 7.0f, 1e-4f);
}

}  // namespace
}  // namespace bentpier
