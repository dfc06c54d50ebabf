// Spread footings through the footing stage: plan enlargement, side
// ratios, thickness, the failure messages and the report blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

using testing::findLine;
using testing::footingParams;
using testing::loadSet;
using testing::oneFooting;
using testing::spreadRecord;
using testing::stageLines;
using testing::withSets;

// The first data line of the results block (two lines below its titles).
std::string resultsLine(const std::vector<std::string>& lines) {
  const int t = findLine(lines, "   B       D       T    P1/PA");
  return t < 0 || t + 1 >= static_cast<int>(lines.size()) ? "" : lines[static_cast<size_t>(t + 1)];
}

float field(const std::string& line, size_t from, size_t width) {
  return std::stof(line.substr(from, width));
}

TEST(FootingSpreadDesign, PlanGrowsByTheSideRatioRules) {
  // 6 x 6 x 1 ft, 150 kips concentric, 3 ksf allowed, steps of 1 ft, side
  // ratios 1.2. Pressure 150/(B D) + 0.15 (own weight). By hand: B to 7
  // (3.72 ksf); B to 8 breaks 8/6 > 1.2, so B back to 7 and D to 7
  // (3.21); B to 8 (8/7 = 1.14): 150/56 + 0.15 = 2.83 ksf.
  FootingParameterRecord p = footingParams();
  p.ALLSP = 3.0f;
  FootingData r = spreadRecord(6.0f, 6.0f, 1.0f, 2.0f);
  r.DEL_B = r.DEL_D = 1.0f;
  r.R_BD = r.R_DB = 1.2f;
  r = withSets(r, {loadSet('1', 150, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(p, r), 'S', 'D');
  const std::string res = resultsLine(lines);
  ASSERT_FALSE(res.empty());
  EXPECT_FLOAT_EQ(field(res, 1, 6), 8.0f);
  EXPECT_FLOAT_EQ(field(res, 7, 8), 7.0f);
  EXPECT_FLOAT_EQ(field(res, 15, 8), 1.0f);
  EXPECT_NEAR(field(res, 23, 7), (150.0f / 56.0f + 0.15f) / 3.0f, 0.0006f);
}

TEST(FootingSpreadDesign, PlanNeverShrinksBelowItsGivenSize) {
  // 10 x 4 ft, already longer than the 1.5 side ratio allows; 200 kips,
  // 4 ksf. B to 11 breaks the ratio and is taken back; D grows 5, 6, 7
  // (B stays 10: only the step just made is taken back) until
  // 10/7 = 1.43; then 200/70 + 0.15 = 3.01 ksf.
  FootingData r = spreadRecord(10.0f, 4.0f, 1.0f, 2.0f);
  r.DEL_B = r.DEL_D = 1.0f;
  r.R_BD = r.R_DB = 1.5f;
  r = withSets(r, {loadSet('1', 200, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  const std::string res = resultsLine(lines);
  ASSERT_FALSE(res.empty());
  EXPECT_FLOAT_EQ(field(res, 1, 6), 10.0f);
  EXPECT_FLOAT_EQ(field(res, 7, 8), 7.0f);
}

TEST(FootingSpreadDesign, SideRatiosWithoutTheNeededIncrementFail) {
  // Only D may grow; after one step D/B = 7/6 exceeds 1.0.
  FootingParameterRecord p = footingParams();
  p.ALLSP = 3.0f;
  FootingData r = spreadRecord(6.0f, 6.0f, 1.0f, 2.0f);
  r.DEL_D = 1.0f;
  r.R_BD = 1.2f;
  r.R_DB = 1.0f;
  r = withSets(r, {loadSet('1', 150, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(p, r), 'S', 'D');
  const int at = findLine(lines, "SIDE RATIOS TOO RESTRICTING FOR FOOTING");
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines[static_cast<size_t>(at)], "0SIDE RATIOS TOO RESTRICTING FOR FOOTING 1");
  EXPECT_EQ(lines[static_cast<size_t>(at + 1)],
            "0LOADS ARE:     PS        MTS       VTS       MLS       VLS       "
            "PF        MTF       VTF       MLF       VLF");
  EXPECT_EQ(lines[static_cast<size_t>(at + 2)],
            "0             150.000     0.000     0.000     0.000     0.000"
            "   225.000     0.000     0.000     0.000     0.000");
  EXPECT_EQ(lines[static_cast<size_t>(at + 3)], "0DATA OUT OF ORDER FOR FOOTING 1");
  EXPECT_EQ(findLine(lines, "ANALYSIS/DESIGN RESULTS"), -1);
}

TEST(FootingSpreadInvestigation, LoadOutsideThePlanIsUnstable) {
  // e = (300 + 1 x 20) / 50 = 6.4 ft > B/2 = 5 (weight 0.15 x 80 = 12 is
  // not enough to bring it back: 320/62 = 5.16).
  FootingData r = spreadRecord(10.0f, 8.0f, 1.0f, 2.0f);
  r = withSets(r, {loadSet('1', 50, 0, 0, 300, 20)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'L', 'I');
  const int at = findLine(lines, "UNSTABLE");
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines[static_cast<size_t>(at)], "0UNSTABLE LOAD CONDITION ON FOOTING 1");
  EXPECT_EQ(lines[static_cast<size_t>(at + 1)], "0HAVING TROUBLE WITH FOOTING 1 DESIGN");
  EXPECT_EQ(lines[static_cast<size_t>(at + 2)].substr(0, 11), "0LOADS ARE:");
  EXPECT_EQ(lines.back(), "0DATA OUT OF ORDER FOR FOOTING 1");
}

TEST(FootingSpreadDesign, LoadOutsideThePlanEnlargesItEvenAtLowPressure) {
  // 20 kips with 100 kip-ft on a 4 x 4 x 1 footing: e = 100/22.4 = 4.46
  // ft, far outside, although full contact would show only 11 ksf < 20.
  // The plan grows until the resultant is inside: B/2 >= e.
  FootingParameterRecord p = footingParams();
  p.ALLSP = 20.0f;
  FootingData r = spreadRecord(4.0f, 4.0f, 1.0f, 1.0f);
  r.DEL_B = r.DEL_D = 0.5f;
  r.R_BD = r.R_DB = 3.0f;
  r = withSets(r, {loadSet('1', 20, 0, 0, 100, 0)});
  const auto lines = stageLines(oneFooting(p, r), 'S', 'D');
  const std::string res = resultsLine(lines);
  ASSERT_FALSE(res.empty());
  const float B = field(res, 1, 6), D = field(res, 7, 8);
  const float e = 100.0f / (20.0f + 0.15f * B * D);
  EXPECT_GE(B / 2, e);
  EXPECT_GT(B, 4.0f);
}

TEST(FootingSpreadDesign, AllowableBelowTheOwnWeightGivesUpInTime) {
  // 0.1 ksf allowed under 0.15 ksf of concrete: no plan helps.
  FootingParameterRecord p = footingParams();
  p.ALLSP = 0.1f;
  FootingData r = spreadRecord(6.0f, 6.0f, 1.0f, 2.0f);
  r.DEL_B = r.DEL_D = 1.0f;
  r.R_BD = r.R_DB = 1.5f;
  r = withSets(r, {loadSet('1', 100, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(p, r), 'S', 'D');
  EXPECT_GE(findLine(lines, "0HAVING TROUBLE WITH FOOTING 1 DESIGN"), 0);
  EXPECT_EQ(lines.back(), "0DATA OUT OF ORDER FOR FOOTING 1");
}

// Capacities of the load-factor method at effective depth d (in) with the
// largest steel ratio, 4 ksi and grade 60; per foot of width.
struct Capacity {
  double M, VB, VP;
};
Capacity strengthCapacity(double d, double BETA) {
  const double sq = std::sqrt(4000.0) / 1000;
  const double rhoMax = 0.75 * 0.85 * 0.85 * 4 / 60 * 87 / (87 + 60);
  const double As = 12 * d * rhoMax;
  const double a = As * 60 / (0.85 * 4 * 12);
  return {0.9 * As * 60 * (d - a / 2) / 12, 2 * 0.85 * sq * 12 * d,
          0.85 * std::min(4.0, 2 + 4 / BETA) * sq * 12 * d};
}

TEST(FootingSpreadDesign, ThicknessGrowsUntilTheCapacitiesSuffice) {
  // 10 x 10 ft, 2 ft column, 600 kips (900 factored): net factored
  // pressure 9 ksf whatever the thickness. The check keeps the forces of
  // the thickness it started from (T = 1 ft, d = 8.625 in):
  //   moment 9 x 4^2 / 2 = 72; beam shear 9 (4 - 0.71875) = 29.53;
  //   punching (900 - 9 x 2.71875^2) / (4 x 2.71875) = 76.64 kips/ft;
  // and steps T by 0.25 ft until all three capacities reach them.
  FootingParameterRecord p = footingParams();
  p.ALLSP = 20.0f;
  FootingData r = spreadRecord(10.0f, 10.0f, 1.0f, 2.0f);
  r.DEL_B = r.DEL_D = 1.0f;
  r.DEL_T = 0.25f;
  r = withSets(r, {loadSet('1', 600, 0, 0, 0, 0)});
  const double d0 = 8.625, dsf0 = d0 / 12;
  const double M = 72, VB = 9 * (4 - 1 - dsf0);
  const double pb = dsf0 + 2, VP = (900 - 9 * pb * pb) / (4 * pb);
  double T = 1.0;
  for (;; T += 0.25) {
    const Capacity c = strengthCapacity(12 * T - 3.375, 1.0);
    if (M <= c.M && VB <= c.VB && VP <= c.VP) break;
  }
  const auto lines = stageLines(oneFooting(p, r), 'L', 'D');
  const std::string res = resultsLine(lines);
  ASSERT_FALSE(res.empty());
  EXPECT_NEAR(field(res, 15, 8), T, 1e-3);
  EXPECT_GT(T, 1.0);
  EXPECT_FLOAT_EQ(field(res, 1, 6), 10.0f);  // the pressure never asked for more plan
}

TEST(FootingSpreadReport, DesignLoadsAndResultsLayout) {
  // 10 x 10 x 2.5 ft under a group II set of 400 kips: 400/100 + 0.15 x
  // 2.5 = 4.375 ksf, 0.875 of the 1.25 x 4 ksf allowed. Equal moments
  // both ways: the longitudinal bars go below.
  FootingData r = spreadRecord(10.0f, 10.0f, 2.5f, 2.0f);
  FootingLoadRecord s = loadSet('2', 400, 0, 0, 0, 0, 1.0f);
  s.LLID = "L01";
  s.WC = 3.1f;
  s.FLAGR = 'R';
  s.FLAGE = 'E';
  s.FLAGC = 'C';
  s.FLAGS = 'S';
  r = withSets(r, {s});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'L', 'I');
  const int head = findLine(lines, "FOOTING 1 DESIGN LOADS");
  ASSERT_GE(head, 0);
  EXPECT_EQ(lines[static_cast<size_t>(head)], std::string(" ") + std::string(55, ' ') +
                                  "FOOTING 1 DESIGN LOADS");
  EXPECT_EQ(lines[static_cast<size_t>(head + 1)],
            "0F G LLID   WC  ES  C  S       P        MT      VT       ML      "
            "VL      P4      P3      P2      P1      MTF     VBF     VPF     LOAD");
  const std::string& p1 = lines[static_cast<size_t>(head + 2)];
  EXPECT_EQ(p1.substr(0, 35), "01 2 L01   3.1R  E  C  S     400.00");
  EXPECT_EQ(p1.substr(p1.size() - 8), "  MAX.P1");
  // The corner pressure P1 of the service set, after the five loads
  // (9 + 9 + 8 + 9 + 8 columns) and P4, P3, P2.
  EXPECT_NEAR(std::stof(p1.substr(1 + 25 + 43 + 3 * 8, 8)), 4.375f, 1e-3f);
  EXPECT_EQ(lines[static_cast<size_t>(head + 8)].substr(lines[static_cast<size_t>(head + 8)].size() - 6),
            "MAX.P3");

  const std::string res = resultsLine(lines);
  ASSERT_FALSE(res.empty());
  EXPECT_EQ(res.substr(0, 30), "0" + std::string("10.000  10.000   2.500  0.875"));
  // Then AS, NO. and SIZE, spacing and the placement.
  EXPECT_EQ(res.substr(40, 2), " #");
  EXPECT_EQ(res.substr(44, 2), " @");
  EXPECT_EQ(res.substr(52, 10), "  TOP TRAN");
  const int t = findLine(lines, "   B       D       T    P1/PA");
  const std::string& second = lines[static_cast<size_t>(t + 2)];
  EXPECT_EQ(second.substr(0, 30), "0" + std::string(29, ' '));
  EXPECT_EQ(second.substr(52, 10), "  BOT.LONG");
  // Load-factor method: no concrete stress.
  EXPECT_EQ(res.substr(res.size() - 7), "  0.000");
}

TEST(FootingSpreadReport, RotatedFootingCarriesTheNote) {
  FootingData r = spreadRecord(10.0f, 10.0f, 2.5f, 2.0f);
  r.SYM = 2;
  r = withSets(r, {loadSet('1', 300, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'L', 'I');
  EXPECT_EQ(lines.back(), "0**** NOTE: FOOTING SHOULD BE ROTATED 90 DEGREES ****");
}

}  // namespace
}  // namespace bentpier
