// The pile group under a rigid cap: pile loads against the pile
// coordinates of the arrangement, the plan that the spacing gives, and the
// cap's design forces for four piles worked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "design/footing/footing_fixture.h"
#include "design/footing/pile_arrangement.h"

namespace bentpier {
namespace {

using Piles = std::vector<std::pair<double, double>>;  // (x along B, y along D)

// The largest pile load of a rigid cap: N/n + ML xmax / sum x^2 +
// MT ymax / sum y^2, from the pile coordinates alone.
double rigidCapLargest(const Piles& piles, double N, double ML, double MT) {
  double sx2 = 0, sy2 = 0, xmax = 0, ymax = 0;
  for (auto [x, y] : piles) {
    sx2 += x * x;
    sy2 += y * y;
    xmax = std::max(xmax, x);
    ymax = std::max(ymax, y);
  }
  return N / piles.size() + ML * xmax / sx2 + MT * ymax / sy2;
}

double rigidCapMean(const Piles& piles, double N) { return N / piles.size(); }

// A pile footing in investigation with the given piles and spacing.
FootingDesign pileFooting(int NP, float BP, float DP, float B, float D,
                          float T) {
  FootingData r;
  r.SP = 'P';
  r.B = B;
  r.D = D;
  r.T = T;
  r.BB = r.DB = 2.0f;
  r.NP = NP;
  r.BP = BP;
  r.DP = DP;
  const FootingStrengths k =
      footingStrengths(testing::footingParams(), 'L', 'I');
  FootingDesign fd = prepareFooting(r, 1, k);
  pileSection(fd, k);
  return fd;
}

FootingState loads(float P, float MT, float VT, float ML, float VL) {
  FootingState F{};
  F[kFstP] = P;
  F[kFstMT] = MT;
  F[kFstVT] = VT;
  F[kFstML] = ML;
  F[kFstVL] = VL;
  return F;
}

TEST(FootingPileLoads, FourPilesAtTheCorners) {
  // Piles at (+-3, +-2.5); cap weight 40; T = 3 adds 3 x VL and 3 x VT to
  // the moments: ML = 200 + 30 = 230, MT = 120 + 15 = 135.
  const Piles piles = {{3, 2.5}, {-3, 2.5}, {3, -2.5}, {-3, -2.5}};
  FootingDesign fd = pileFooting(4, 3.0f, 2.5f, 8.5f, 7.5f, 3.0f);
  fd.wt.FWT = 40.0f;
  FootingState F = loads(360.0f, 120.0f, 5.0f, 200.0f, 10.0f);
  const PileGroupLoads g = pileLoads(F, fd);
  EXPECT_NEAR(g.PILAVG, rigidCapMean(piles, 400), 1e-4);
  EXPECT_NEAR(F[kFstP1], rigidCapLargest(piles, 400, 230, 135), 1e-4);
  // By hand: 100 + 230 x 3 / 36 + 135 x 2.5 / 25 = 100 + 19.167 + 13.5.
  EXPECT_NEAR(F[kFstP1], 132.667f, 1e-3f);
  EXPECT_NEAR(F[kFstP3], 100.0f - 19.1667f - 13.5f, 1e-3f);
  EXPECT_NEAR(F[kFstP2], 100.0f - 19.1667f + 13.5f, 1e-3f);
  EXPECT_NEAR(F[kFstP4], 100.0f + 19.1667f - 13.5f, 1e-3f);
}

TEST(FootingPileLoads, TenPilesInFourRows) {
  // Ten piles: rows x = +-3 BP of three piles (y = -DP, 0, DP) and rows
  // x = +-BP of two (y = +-DP). BP = 1.5, DP = 3.
  const double BP = 1.5, DP = 3;
  Piles piles;
  for (double x : {-3 * BP, 3 * BP})
    for (double y : {-DP, 0.0, DP}) piles.push_back({x, y});
  for (double x : {-BP, BP})
    for (double y : {-DP, DP}) piles.push_back({x, y});
  FootingDesign fd = pileFooting(10, 1.5f, 3.0f, 11.5f, 8.5f, 3.5f);
  fd.wt.FWT = 50.0f;
  FootingState F = loads(650.0f, 150.0f, 0.0f, 400.0f, 0.0f);
  pileLoads(F, fd);
  EXPECT_NEAR(F[kFstP1], rigidCapLargest(piles, 700, 400, 150), 1e-3);
  // By hand: sum x^2 = 6 x 20.25 + 4 x 2.25 = 130.5, sum y^2 = 8 x 9 = 72:
  // 70 + 400 x 4.5 / 130.5 + 150 x 3 / 72 = 70 + 13.793 + 6.25.
  EXPECT_NEAR(F[kFstP1], 90.043f, 1e-3f);
}

TEST(FootingPileSection, DesignPlanFollowsTheSpacing) {
  // Design: B = 2 (EDGEDIST + BP NB1); for 10 piles NB1 = 3, ND1 = 1.
  FootingData r;
  r.SP = 'P';
  r.B = 4.0f;
  r.D = 9.0f;  // wider than the piles need: kept
  r.T = 3.0f;
  r.BB = r.DB = 2.0f;
  r.NP = 10;
  r.BP = 1.5f;
  r.DP = 3.0f;
  const FootingStrengths k =
      footingStrengths(testing::footingParams(), 'L', 'D');
  FootingDesign fd = prepareFooting(r, 1, k);
  pileSection(fd, k);
  EXPECT_FLOAT_EQ(fd.f.B, 2 * (1.25f + 4.5f));
  EXPECT_FLOAT_EQ(fd.f.D, 9.0f);
  // Depth above the pile heads less the cover: 12 (3 - 0.75) - 3 = 24 in.
  EXPECT_FLOAT_EQ(fd.sec.D0, 24.0f);
  EXPECT_FLOAT_EQ(fd.sec.H2, 27.0f * 27.0f);
  EXPECT_FLOAT_EQ(fd.sec.DS, 23.625f);
}

TEST(FootingPileForces, FourPilesByHand) {
  // 4 piles at (+-3, +-3) under a 2 ft square column, T = 3, D0 = 24,
  // DS = 23.625 in (1.96875 ft). Uniform pile load 100 (no moment), no
  // weight, so FWQ = 0.
  FootingDesign fd = pileFooting(4, 3.0f, 3.0f, 8.5f, 8.5f, 3.0f);
  fd.wt = {};
  FootingState F = loads(400.0f, 0, 0, 0, 0);
  pileDesignForces(F, fd);
  // Moment at the column face: two piles of 100 at 3 - 1 = 2 ft, over the
  // 8.5 ft width: 400 / 8.5 = 47.06 kip-ft/ft in both directions.
  EXPECT_NEAR(F[kFstMLF], 400.0f / 8.5f, 1e-3f);
  EXPECT_NEAR(F[kFstMTF], 400.0f / 8.5f, 1e-3f);
  // Beam shear an effective depth (1.969 ft) from the face: the pile row
  // 2 ft out counts min(1, 2 + 0.5 - 1.969) = 0.531 of its 200 kips.
  const float g = 2.0f + 0.5f - 1.96875f;
  EXPECT_NEAR(F[kFstVLF], 200.0f * g / 8.5f, 1e-3f);
  EXPECT_NEAR(F[kFstVBF], 200.0f * g / 8.5f, 1e-3f);
  // Punching at half that depth: every pile lies fully outside, the
  // column sits square (case 2: one pile in each of zones 1 and 3);
  // 100 x 2 / (PB1 + PD1) with PB1 = PD1 = 3.969.
  EXPECT_NEAR(F[kFstVPF], 200.0f / (2 * 3.96875f), 1e-3f);
}

TEST(FootingPileArrangement, RowCountsAddUpToThePiles) {
  // Along each direction the rows named in the table hold their piles
  // twice (both sides of the centre) and never more than n.
  for (int n = kFewestPiles; n <= kMostPiles; ++n) {
    const PileArrangement& a = pileArrangement(n);
    EXPECT_LE(2 * (a.NRB1 + a.NRB2), n) << n;
    EXPECT_LE(2 * (a.NRD1 + a.NRD2), n) << n;
    // The modulus at the outer row is sum x^2 / xmax: at least the outer
    // rows' own share 2 NRB1 NB1.
    EXPECT_GE(a.SB1 + 1e-3f, 2.0f * a.NRB1 * a.NB1) << n;
    EXPECT_GE(a.SD1 + 1e-3f, 2.0f * a.NRD1 * a.ND1) << n;
  }
}

}  // namespace
}  // namespace bentpier
