// Soil pressure under a spread footing: full contact against P/A +- M/S,
// partial contact against an independent no-tension solution on a fine
// grid, and the load outside the plan.
#include <gtest/gtest.h>

#include <cmath>

#include "design/footing/footing_fixture.h"
#include "design/footing/no_tension_grid.h"

namespace bentpier {
namespace {

FootingSection plan(float B, float D) {
  FootingData r = testing::spreadRecord(B, D, 2.0f, 2.0f);
  return spreadSection(r, 3.0f);
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

TEST(FootingSoilPressure, FullContactIsPOverAPlusMinusMOverS) {
  // B = 10, D = 8, T = 2: base moments ML + T VL = 100 + 2 x 10 = 120 and
  // MT + T VT = 60 + 2 x 5 = 70; N = 300 + 20 = 320 over A = 80 is 4.0;
  // S along B = D B^2/6 = 133.33, along D = B D^2/6 = 106.67:
  // 120/133.33 = 0.9, 70/106.67 = 0.65625.
  const FootingSection s = plan(10.0f, 8.0f);
  FootingState F = loads(300.0f, 60.0f, 5.0f, 100.0f, 10.0f);
  EXPECT_EQ(soilPressure(F, s, 2.0f, 20.0f), SoilContact::kFull);
  EXPECT_NEAR(F[kFstP1], 4.0f + 0.9f + 0.65625f, 1e-4f);
  EXPECT_NEAR(F[kFstP2], 4.0f - 0.9f + 0.65625f, 1e-4f);
  EXPECT_NEAR(F[kFstP3], 4.0f - 0.9f - 0.65625f, 1e-4f);
  EXPECT_NEAR(F[kFstP4], 4.0f + 0.9f - 0.65625f, 1e-4f);
}

TEST(FootingSoilPressure, NegativeMomentsActLikePositiveOnes) {
  // The largest pressure is always called corner 1.
  const FootingSection s = plan(10.0f, 8.0f);
  FootingState a = loads(300.0f, 60.0f, 5.0f, 100.0f, 10.0f);
  FootingState b = loads(300.0f, -60.0f, -5.0f, -100.0f, -10.0f);
  soilPressure(a, s, 2.0f, 20.0f);
  soilPressure(b, s, 2.0f, 20.0f);
  for (int e = kFstP4; e <= kFstP1; ++e)
    EXPECT_FLOAT_EQ(a[static_cast<size_t>(e)], b[static_cast<size_t>(e)]);
}

TEST(FootingSoilPressure, NoMomentGivesUniformPressure) {
  const FootingSection s = plan(6.0f, 5.0f);
  FootingState F = loads(240.0f, 0, 0, 0, 0);
  EXPECT_EQ(soilPressure(F, s, 1.5f, 30.0f), SoilContact::kFull);
  for (int e = kFstP4; e <= kFstP1; ++e)
    EXPECT_NEAR(F[static_cast<size_t>(e)], 270.0f / 30.0f, 1e-5f);
}

TEST(FootingSoilPressure, OneWayLiftMatchesTheTriangleOfPressure) {
  // e = 2.5 ft on B = 10: contact over 3 (B/2 - e) = 7.5 ft, peak
  // 2 N / (7.5 D) = 2 x 200 / (7.5 x 8) = 6.667 ksf (full contact would
  // give 200/80 (1 + 6 x 2.5/10) = 6.25).
  const FootingSection s = plan(10.0f, 8.0f);
  FootingState F = loads(200.0f, 0, 0, 500.0f, 0);
  EXPECT_EQ(soilPressure(F, s, 0.0f, 0.0f), SoilContact::kPartial);
  EXPECT_NEAR(F[kFstP1], 6.6667f, 0.005f);
  EXPECT_NEAR(F[kFstP4], 6.6667f, 0.005f);
  // The zero line lies 7.5 ft from the loaded edge: P2 = -P1 (10 - 7.5)/7.5.
  EXPECT_NEAR(F[kFstP2], -6.6667f / 3.0f, 0.005f);
}

struct BiaxialCase {
  float B, D, P, ML, MT;
};

class FootingBiaxialLift : public ::testing::TestWithParam<BiaxialCase> {};

TEST_P(FootingBiaxialLift, LargestCornerMatchesTheGridSolution) {
  const BiaxialCase c = GetParam();
  const FootingSection s = plan(c.B, c.D);
  FootingState F = loads(c.P, c.MT, 0, c.ML, 0);
  const float fullP1 =
      c.P / (c.B * c.D) + 6 * c.ML / (c.D * c.B * c.B) + 6 * c.MT / (c.B * c.D * c.D);
  EXPECT_EQ(soilPressure(F, s, 0.0f, 0.0f), SoilContact::kPartial);
  const double expected = testing::noTensionCorner(c.B, c.D, c.P, c.ML, c.MT);
  EXPECT_NEAR(F[kFstP1], expected, 0.01 * expected);
  EXPECT_GT(F[kFstP1], fullP1);  // lifting off concentrates the pressure
  EXPECT_LT(F[kFstP3], 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, FootingBiaxialLift,
    ::testing::Values(
        // Only corner 3 lifts.
        BiaxialCase{10.0f, 8.0f, 200.0f, 200.0f, 160.0f},
        // Corners 2 and 3 lift (large ML).
        BiaxialCase{10.0f, 8.0f, 200.0f, 500.0f, 100.0f},
        // Corners 3 and 4 lift (large MT).
        BiaxialCase{10.0f, 8.0f, 200.0f, 100.0f, 450.0f},
        // Only corner 1 bears.
        BiaxialCase{10.0f, 8.0f, 200.0f, 650.0f, 500.0f},
        // A long, narrow plan.
        BiaxialCase{16.0f, 6.0f, 350.0f, 900.0f, 280.0f}));

TEST(FootingSoilPressure, ResultantNearAnEdgeSettles) {
  // Closed forms on B = 10, D = 8 under 200 kips, with corner pressures
  // far beyond what single precision can settle to 0.001 ksf:
  //  - 4.9 ft off centre along B: a triangle over 3 x 0.1 ft,
  //    P1 = 2 x 200 / (0.3 x 8) = 166.667, and the plane runs to
  //    P2 = -P1 (10 - 0.3)/0.3 = -5388.9 at the lifted edge;
  //  - 0.5 and 0.4 ft in from corner 1: a corner triangle of legs
  //    4 x 0.5 = 2 and 4 x 0.4 = 1.6 (the resultant of a pressure wedge
  //    lies a quarter of each leg in), P1 = 6 x 200 / (2 x 1.6) = 375,
  //    p = P1 (1 - u/2 - v/1.6): P2 = P4 = -1500, P3 = -3375.
  struct Case {
    float ML, MT, P1, P2, P3, P4;
  };
  const FootingSection s = plan(10.0f, 8.0f);
  for (const Case c : {Case{980, 0, 166.667f, -5388.9f, -5388.9f, 166.667f},
                       Case{900, 720, 375, -1500, -3375, -1500}}) {
    FootingState F = loads(200.0f, c.MT, 0, c.ML, 0);
    EXPECT_EQ(soilPressure(F, s, 0.0f, 0.0f), SoilContact::kPartial) << c.ML;
    EXPECT_NEAR(F[kFstP1], c.P1, 2e-5f * std::fabs(c.P1)) << c.ML;
    EXPECT_NEAR(F[kFstP2], c.P2, 2e-5f * std::fabs(c.P2)) << c.ML;
    EXPECT_NEAR(F[kFstP3], c.P3, 2e-5f * std::fabs(c.P3)) << c.ML;
    EXPECT_NEAR(F[kFstP4], c.P4, 2e-5f * std::fabs(c.P4)) << c.ML;
  }
}

TEST(FootingSoilPressure, ResultantOutsideThePlanIsReported) {
  // e = 5.5 ft on B = 10 (the shear adds T VL to the moment).
  const FootingSection s = plan(10.0f, 8.0f);
  FootingState F = loads(100.0f, 0, 0, 450.0f, 50.0f);
  EXPECT_EQ(soilPressure(F, s, 2.0f, 0.0f), SoilContact::kOutside);
  // The full-contact pressures are left behind.
  EXPECT_NEAR(F[kFstP1], 100.0f / 80.0f + 550.0f / (8.0f * 100.0f / 6.0f), 1e-4f);
}

TEST(FootingSoilPressure, NetUpliftIsOutsideThePlan) {
  const FootingSection s = plan(10.0f, 8.0f);
  FootingState F = loads(-50.0f, 0, 0, 10.0f, 0);
  EXPECT_EQ(soilPressure(F, s, 1.0f, 20.0f), SoilContact::kOutside);
}

}  // namespace
}  // namespace bentpier
