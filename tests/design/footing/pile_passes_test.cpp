// Pile footings that grow: the spacing widened step by step, piles added
// when the uplift per pile exceeds the allowance, and the pass repeated
// from the starting thickness with one pile fewer when a pass needed both
// more piles and more thickness. Every expected number below is worked by
// hand from the pile-arrangement table and the rigid-cap pile loads
// (mean load plus moment over the group modulus).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

using testing::findLine;
using testing::footingParams;
using testing::loadSet;
using testing::oneFooting;
using testing::stageLines;
using testing::withSets;

// Common data (fixture): MINPLSP 2.5, MAXPLSP 5, EDGEDIST 1.25, cover 3 in,
// piles 0.75 ft into the footing, 100 kips per pile, no uplift allowed,
// 0.15 kcf concrete, no soil over the footing, a 2 ft square column.
FootingData pileRecord(int NP, float T) {
  FootingData r;
  r.SP = 'P';
  r.B = r.D = 1.0f;  // the plan follows from the piles
  r.T = T;
  r.BB = r.DB = 2.0f;
  r.NP = NP;
  return r;
}

std::vector<std::string> upliftLines(const std::vector<std::string>& lines) {
  std::vector<std::string> found;
  for (const std::string& l : lines)
    if (l.find("IS BEING GOVERNED BY UPLIFT") != std::string::npos)
      found.push_back(l);
  return found;
}

std::string resultsLine(const std::vector<std::string>& lines) {
  const int t = findLine(lines, "   B       D       T    P1/PA");
  if (t < 0 || t + 1 >= static_cast<int>(lines.size())) return "";
  return lines[static_cast<size_t>(t + 1)];
}

// Two sets, service-load method, T0 = 1.5 ft, DEL.T = 0.5 ft.
//   set 1: 350 kips, no moment (forces the thickness);
//   set 2: 50 kips with ML = 250 kip-ft (lifts the piles).
//
// Service capacities per foot with the trial steel AST = DS RMINF = 0.15 DS
// (n = 8, fs = 24, fc = 1.6 ksi, square column so BETA = 1):
//   r = 8 AST/12 = 0.1 DS, kd = (sqrt(0.21) - 0.1) DS = 0.35826 DS,
//   jd = 0.88058 DS; concrete 0.8 jd kd = 0.25238 DS^2 governs the steel
//   2 jd AST = 0.26417 DS^2, so MCAP = 0.25238 DS^2;
//   VBCAP = 0.95 x 0.063246 x 12 DS = 0.72100 DS;
//   VPCAP = 1.8 x 0.063246 x 12 DS = 1.36610 DS.
// DS = 12 (T - 0.75) - 3 - 0.375: T 1.5 -> 5.625 in (VPCAP 7.684),
// T 2.0 -> 11.625 (MCAP 34.11, VBCAP 8.382, VPCAP 15.881),
// T 2.5 -> 17.625 (MCAP 78.40, VBCAP 12.708, VPCAP 24.078).
// Weight per square foot of plan 0.15 T; pile fractions beyond a section at
// c from the face: min(1, arm + 0.5 - c).
//
// Pass 1 (4 piles, T 1.5; BP = DP = 2.5 x 0.5 = 1.25, plan 5 x 5):
//   set 1 at T 1.5: pile load (350 + 5.625)/4 = 88.91; the piles stand
//     0.25 ft from the faces, 0.516 of each lies beyond d/2 = 0.234 ft;
//     punching (two piles of zones 1 and 3, perimeter sides 2.469)
//     88.91 x 1.031/4.938 - 0.225 (25 - 6.094)/9.875 = 18.14 > 7.68: T 2.0.
//   set 1 at T 2.0: pile 89.375; punching 89.375 x 0.531/5.938
//     - 0.3 (25 - 8.814)/11.875 = 7.59 <= 15.88; moment 2 x 89.375 x 0.25/5
//     - 1.5^2 x 0.3/2 = 8.60 <= 34.1; no pile beyond d (0.969 ft) from the
//     faces, so no beam shear. T stays 2.0.
//   set 2 (P4 >= P2: BP first, then DP) at T 2.0:
//     4 piles at their limits BP = DP = 2.5, plan 7.5 x 7.5, weight 16.875:
//       P3 = 66.875/4 - 250/(4 x 2.5) = 16.719 - 25 = -8.281, P1 = 41.7 < 100
//       -> uplift line, 5 piles (BP = DP = 0.7 x 2.5 = 1.75);
//     5 piles at BP = DP = 3.5, plan 9.5 x 9.5, weight 27.075:
//       P3 = 77.075/5 - 250/(4 x 3.5) = 15.415 - 17.857 = -2.442
//       -> uplift line, 6 piles (BP 2.5, DP 1.25);
//     6 piles: BP to 5 (at 4.75: (50 + 0.3 x 12 x 5)/6 - 250/19 < 0), then
//       DP: P3 = (50 + 0.3 x 12.5 D)/6 - 12.5 >= 0 needs D >= 6.667, so
//       DP = 2.125 (D 6.75): P3 = 0.052, P1 = 25.052. Two piles of P1
//       stand 4 ft beyond the face: moment 2 x 25.052 x 4/6.75
//       - 5.25^2 x 0.3/2 = 25.56 <= 34.1, beam shear 50.10/6.75
//       - (5.25 - 0.969) 0.3 = 6.14 <= 8.38; T stays 2.0.
//   The pass ended with 2 more piles and a thicker footing: again with
//   6 - 1 = 5 piles at T 1.5.
// Pass 2 (5 piles, T 1.5; BP = DP = 1.75, plan 6 x 6):
//   set 1 at T 1.5 fails punching; at T 2.0: pile (350 + 10.8)/5 = 72.16,
//     piles 0.75 from the faces, 0.766 beyond d/2: 72.16 x 1.531/5.938
//     - 0.3 (36 - 8.814)/11.875 = 17.92 > 15.88; at T 2.5: pile 72.70,
//     72.70 x 1.031/6.938 - 0.375 (36 - 12.03)/13.875 = 10.16 <= 24.08,
//     moment 2 x 72.7 x 0.75/6 - 4 x 0.375/2 = 17.43 <= 78.4. T 2.5.
//   set 2 at T 2.5: 5 piles at 3.5 x 3.5, weight 2.5 x 90.25 x 0.15 = 33.84:
//       P3 = 83.844/5 - 17.857 = -1.088 -> uplift line, 6 piles;
//     6 piles: BP to 5 (at 4.75: (50 + 0.375 x 60)/6 - 13.158 < 0), then
//       (50 + 0.375 x 12.5 D)/6 >= 12.5 needs D >= 5.333: DP 1.5 (D 5.5),
//       P3 = (50 + 25.781)/6 - 12.5 = 0.130.
//   One pile more and thicker again: next pass with 6 piles at T 1.5.
// Pass 3 (6 piles, T 1.5; BP 2.5, DP 1.25, plan 7.5 x 5):
//   set 1: at T 2.0 the pile load (350 + 11.25)/6 = 60.21 punches
//     60.21 (2 x 1 + 0.266)/5.938 - 0.3 (37.5 - 8.814)/11.875 = 22.25
//     > 15.88; at T 2.5: 60.68 x 2.016/6.938 - 0.375 (37.5 - 12.03)/13.875
//     = 16.94 <= 24.08, moment 2 x 60.68 x 1.5/5 - 2.75^2 x 0.375/2
//     = 34.99 <= 78.4, beam shear 121.35 x 0.531/5 - 1.281 x 0.375
//     = 12.41 <= 12.71. T 2.5.
//   set 2: as at the end of pass 2, BP 5, DP 1.5, no pile added.
//   Set 1, governing the beam shear, at that group (plan 12.5 x 5.5,
//   weight 10.3125 T): its two outer piles now stand 5 - 1 = 4 ft beyond
//   the face, wholly beyond d, over a width of 5.5 ft, the cantilever
//   5.25 ft: VL = 2 (350 + 10.3125 T)/6/5.5 - (5.25 - d) 0.15 T:
//     T 2.5 (d 1.469): 22.775 - 1.418 = 21.36 > 12.71;
//     T 3.0 (d 1.969): 23.087 - 1.477 = 21.61 > 17.03;
//     T 3.5 (d 2.469): 23.400 - 1.460 = 21.94 > 21.36;
//     T 4.0 (d 2.969): 23.712 - 1.369 = 22.34 <= 25.69; moment
//       2 x 65.21 x 4/5.5 - 5.25^2 x 0.6/2 = 86.6 <= 320; punching (two
//       piles outside) 65.21 x 2/9.938 - 0.6 (68.75 - 24.69)/19.875
//       = 11.79 <= 48.67. T 4.0; set 2 again at 4.0 needs nothing
//       ((50 + 41.25)/6 - 250/20 = 2.71 >= 0).
//   Same pile count as the pass started with: finished.
// Slot MAX.P1 holds set 1 at the final group, 12.5 x 5.5 x 4.0:
//   (350 + 41.25)/6 = 65.21, P1/PA 0.652.
TEST(FootingPilePasses, UpliftAddsPilesAndThePassRestartsOnePileFewer) {
  FootingData r = withSets(pileRecord(4, 1.5f),
                           {loadSet('1', 350, 0, 0, 0, 0),
                            loadSet('1', 50, 0, 0, 250, 0)});
  r.DEL_T = 0.5f;
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(upliftLines(lines),
            (std::vector<std::string>{
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -8.281 KIPS WITH  4 PILES",
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -2.442 KIPS WITH  5 PILES",
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -1.088 KIPS WITH  5 PILES"}));
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES =  6  BP = 5.000  DP = 1.500");
  EXPECT_EQ(resultsLine(lines).substr(0, 30), "012.500   5.500   4.000  0.652");
  EXPECT_EQ(findLine(lines, "OUT OF ORDER"), -1);
}

// Without a thickness increment the same two sets make one pass at
// T 1.5 (weight 0.225 per square foot of plan); set 1 needs nothing.
//   4 piles at their limits, 7.5 x 7.5: P3 = (50 + 12.656)/4 - 25 = -9.336;
//   5 piles at 3.5 x 3.5, 9.5 x 9.5: P3 = (50 + 20.306)/5 - 17.857 = -3.796;
//   6 piles: BP to its limit 5 (B 12.5), then DP to its limit 2.5 (D 7.5):
//     P3 = (50 + 0.225 x 12.5 x 7.5)/6 - 250/(4 x 5) = 11.849 - 12.5
//     = -0.651 with both spacings at their limits: a seventh pile;
//   7 piles start at BP = DP = 2.5 (plan 7.5 x 7.5), modulus 6 BP along B;
//     BP grows by 0.25, B = 2.5 + 2 BP, weight 0.225 x 7.5 B = 1.6875 B:
//     BP 4.0:  (50 + 17.719)/7 = 9.674 < 250/24 = 10.417;
//     BP 4.25: (50 + 18.563)/7 = 9.795 < 250/25.5 = 9.804;
//     BP 4.5:  (50 + 19.406)/7 = 9.915 >= 250/27 = 9.259: P3 0.656.
// MAX.P1 is set 1 at the final group: (350 + 19.406)/7 = 52.77, 0.528.
TEST(FootingPilePasses, WithoutThickeningOnePassAddsPilesUntilNoneLifts) {
  FootingData r = withSets(pileRecord(4, 1.5f),
                           {loadSet('1', 350, 0, 0, 0, 0),
                            loadSet('1', 50, 0, 0, 250, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(upliftLines(lines),
            (std::vector<std::string>{
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -9.336 KIPS WITH  4 PILES",
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -3.796 KIPS WITH  5 PILES",
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -0.651 KIPS WITH  6 PILES"}));
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES =  7  BP = 4.500  DP = 2.500");
  // Plan 2 (1.25 + 4.5) by 2 (1.25 + 2.5), thickness as given.
  EXPECT_EQ(resultsLine(lines).substr(0, 30), "011.500   7.500   1.500  0.528");
}

// The two sets the other way round, DEL.T = 1 ft: the uplift set comes
// first and adds its piles at T 1.5 exactly as in the case above (lines
// with 4, 5 and 6 piles, then 7 piles at BP 4.5, DP 2.5, plan 11.5 x 7.5).
// Then, with 7 piles (three in the outer rows along B, arm 4.5 - 1 = 3.5
// ft; two along D, arm 2.5 - 1 = 1.5 ft):
//   set 1 (uplift set): at T 1.5 its moment 24.3 > MCAP 7.99; at T 2.5
//     pile P1 = (50 + 32.34)/7 + 250/27 = 21.02: moment 3 x 21.02 x 3.5/7.5
//     - 4.75^2 x 0.375/2 = 25.20 <= 78.4, beam shear 63.07/7.5 - 3.281
//     x 0.375 = 7.18 <= 12.71: T 2.5 (and P3 = 2.50, still no uplift);
//   set 2 (350 kips; weight 0.15 x 86.25 T = 12.9375 T):
//     T 2.5: pile 54.62, beam shear 3 x 54.62/7.5 - 3.281 x 0.375 = 20.62
//       > 12.71;
//     T 3.5 (DS 29.625, VBCAP 0.721 x 29.625 = 21.360): pile 56.47, beam
//       shear 3 x 56.47/7.5 - (4.75 - 2.469) 0.525 = 21.390 > 21.360;
//     T 4.5 (DS 41.625, d 3.469 ft): pile 58.32, 0.531 of the row beyond
//       d: 3 x 58.32 x 0.531/7.5 - 1.281 x 0.675 = 11.53 <= 30.01; moment
//       3 x 58.32 x 3.5/7.5 - 4.75^2 x 0.675/2 = 74.03 <= 437; punching
//       (three piles of zone 1) 3 x 58.32/10.94 - 0.675 (86.25 - 29.91)
//       /21.88 = 14.26 <= 56.86; transverse moment 2 x 58.32 x 1.5/11.5
//       - 2.75^2 x 0.675/2 = 12.66. T 4.5.
// The pass ended with 3 more piles and a thicker footing: again with
// 7 - 1 = 6 piles from T 1.5, where six piles at their limits still lift
// (-0.651, the same line again): 7 piles, T 2.5 and 4.5 as before. One
// pile more than the pass started with: a last pass with 7 piles from
// T 1.5 adds nothing, and the footing is finished. Had the thickness of
// the first pass been kept, six piles under a 4.5 ft footing would not
// have lifted and the design would have ended with six.
// MAX.P1: set 2 at the end, (350 + 58.22)/7 = 58.32, P1/PA 0.583.
TEST(FootingPilePasses, RepeatedPassStartsFromTheGivenThickness) {
  FootingData r = withSets(pileRecord(4, 1.5f),
                           {loadSet('1', 50, 0, 0, 250, 0),
                            loadSet('1', 350, 0, 0, 0, 0)});
  r.DEL_T = 1.0f;
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(upliftLines(lines),
            (std::vector<std::string>{
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -9.336 KIPS WITH  4 PILES",
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -3.796 KIPS WITH  5 PILES",
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -0.651 KIPS WITH  6 PILES",
                "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -0.651 KIPS WITH  6 PILES"}));
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES =  7  BP = 4.500  DP = 2.500");
  EXPECT_EQ(resultsLine(lines).substr(0, 30), "011.500   7.500   4.500  0.583");
}

TEST(FootingPilePasses, TransverseMomentWidensTheTransverseSpacing) {
  // The mirror of a longitudinal case: 300 kips with MT = 150 on four
  // piles makes P2 > P4, so DP grows by 0.125 from 1.25 while BP stays.
  // P1 = (300 + 0.45 x 5 x D)/4 + 150/(4 DP), D = 2.5 + 2 DP:
  //   DP 1.25: (300 + 11.25)/4 + 30 = 107.81;
  //   DP 1.375: (300 + 11.81)/4 + 27.27 = 105.23;
  //   DP 1.5: (300 + 12.38)/4 + 25 = 103.09;
  //   DP 1.625: (300 + 12.94)/4 + 23.08 = 101.31;
  //   DP 1.75: (300 + 13.5)/4 + 21.43 = 99.80 <= 100.
  FootingData r = withSets(pileRecord(0, 3.0f), {loadSet('1', 300, 150, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES =  4  BP = 1.250  DP = 1.750");
  EXPECT_EQ(resultsLine(lines).substr(0, 30), "0 5.000   6.000   3.000  0.998");
  EXPECT_TRUE(upliftLines(lines).empty());
}

}  // namespace
}  // namespace bentpier
