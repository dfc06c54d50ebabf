// Each way a footing can fail, with the whole of what the stage prints for
// it: the message (or two), the block of the loads of the set in hand, and
// the line that ends the footing stage.
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
using testing::spreadRecord;
using testing::stageLines;
using testing::withSets;

using Lines = std::vector<std::string>;

const std::string kLoadTitles =
    "0LOADS ARE:     PS        MTS       VTS       MLS       VLS       PF"
    "        MTF       VTF       MLF       VLF";

TEST(FootingFailureMessages, ResultantOnTheEdgeHasNoSoilPressure) {
  // 10 x 6 x 1 ft (weight 9 kips) under 41 kips and ML = 250: the
  // resultant lies 250/50 = 5 ft out, on the edge itself. It is not
  // outside the plan, but no contact area carries it: each partial-contact
  // pass keeps 2/3 of the strip the one before kept, and the corner
  // pressure grows without end. Investigated, the footing fails.
  const FootingData r = withSets(spreadRecord(10.0f, 6.0f, 1.0f, 2.0f),
                                 {loadSet('1', 41, 0, 0, 250, 0)});
  EXPECT_EQ(stageLines(oneFooting(footingParams(), r), 'S', 'I'),
            (Lines{"0TOO MANY ITERATIONS TO FIND SOIL STRESS FOR FOOTING 1",
                   "0HAVING TROUBLE WITH FOOTING 1 DESIGN", kLoadTitles,
                   "0              41.000     0.000     0.000   250.000     0.000"
                   "    61.500     0.000     0.000   375.000     0.000",
                   "0DATA OUT OF ORDER FOR FOOTING 1"}));
}

TEST(FootingFailureMessages, FactoredLoadOutsideThePlanIsUnstable) {
  // 10 x 6 x 3 ft (weight 27 kips) under 13 kips with ML = 184. Service:
  // 184/40 = 4.6 ft, inside (a 1.2 ft strip carries it, 2 x 40/(6 x 1.2)
  // = 11.1 ksf at the edge). Factored, the loads 1.5 times and the weight
  // 1.3 times: 276/(19.5 + 35.1) = 5.05 ft, beyond the 5 ft half plan.
  const FootingData r = withSets(spreadRecord(10.0f, 6.0f, 3.0f, 2.0f),
                                 {loadSet('1', 13, 0, 0, 184, 0)});
  EXPECT_EQ(stageLines(oneFooting(footingParams(), r), 'L', 'I'),
            (Lines{"0UNSTABLE LOAD CONDITION ON FOOTING 1",
                   "0HAVING TROUBLE WITH FOOTING 1 DESIGN", kLoadTitles,
                   "0              13.000     0.000     0.000   184.000     0.000"
                   "    19.500     0.000     0.000   276.000     0.000",
                   "0DATA OUT OF ORDER FOR FOOTING 1"}));
}

TEST(FootingFailureMessages, SpreadFootingThatCannotBeThickenedEnough) {
  // 10 x 10 x 1 ft, 2 ft column, steps of 0.01 ft. Set 1 (100 kips, 150
  // factored: net 1.5 ksf) passes at T = 1 (d = 8.625 in): punching
  // (150 - 1.5 x 2.719^2)/(4 x 2.719) = 12.77 <= 0.85 x 4 x 0.063246 x 12
  // x 8.625 = 22.26. Set 2 (600 kips, 900 factored: net 9 ksf) punches
  // (900 - 9 x 2.719^2)/(4 x 2.719) = 76.64 kips per foot; the check keeps
  // that force while T steps, and after 50 steps (T 1.5, d 14.625 in) the
  // capacity is only 37.74: the footing fails, with set 2's loads.
  FootingParameterRecord p = footingParams();
  p.ALLSP = 20.0f;
  FootingData r = spreadRecord(10.0f, 10.0f, 1.0f, 2.0f);
  r.DEL_B = r.DEL_D = 1.0f;
  r.DEL_T = 0.01f;
  r = withSets(r, {loadSet('1', 100, 0, 0, 0, 0), loadSet('1', 600, 0, 0, 0, 0)});
  EXPECT_EQ(stageLines(oneFooting(p, r), 'L', 'D'),
            (Lines{"0HAVING TROUBLE WITH FOOTING 1 DESIGN", kLoadTitles,
                   "0             600.000     0.000     0.000     0.000     0.000"
                   "   900.000     0.000     0.000     0.000     0.000",
                   "0DATA OUT OF ORDER FOR FOOTING 1"}));
}

FootingData pileRecord(int NP, float T) {
  FootingData r;
  r.SP = 'P';
  r.B = r.D = 1.0f;
  r.T = T;
  r.BB = r.DB = 2.0f;
  r.NP = NP;
  return r;
}

TEST(FootingFailureMessages, PileFootingThatCannotBeThickenedEnough) {
  // Four piles at 1.25 ft (plan 5 x 5), T from 1.5 ft in steps of 0.001
  // ft, 300 kips. Fifty steps reach T 1.55 at most (d 6.225 in, punching
  // capacity 1.8 x 0.063246 x 12 x 6.225 = 8.50); there the pile load is
  // (300 + 5.81)/4 = 76.45 and 0.491 of each of two piles lies outside the
  // perimeter (sides 2.519): 76.45 x 0.981/5.038 - 0.2325 (25 - 6.344)
  // /10.075 = 14.46 kips per foot. Never enough: the footing fails.
  FootingData r = withSets(pileRecord(4, 1.5f), {loadSet('1', 300, 0, 0, 0, 0)});
  r.DEL_T = 0.001f;
  EXPECT_EQ(stageLines(oneFooting(footingParams(), r), 'S', 'D'),
            (Lines{"0HAVING TROUBLE WITH FOOTING 1 DESIGN", kLoadTitles,
                   "0             300.000     0.000     0.000     0.000     0.000"
                   "   450.000     0.000     0.000     0.000     0.000",
                   "0DATA OUT OF ORDER FOR FOOTING 1"}));
}

TEST(FootingFailureMessages, TooManyPilesShowTheSetThatAskedForThem) {
  // 200 kips fit four piles; 4000 kips would need 40 piles of 100 kips.
  FootingData r = withSets(pileRecord(4, 3.0f), {loadSet('1', 200, 0, 0, 0, 0),
                                                 loadSet('1', 4000, 0, 0, 0, 0)});
  EXPECT_EQ(stageLines(oneFooting(footingParams(), r), 'S', 'D'),
            (Lines{"0MAXIMUM NUMBER OF PILES EXCEEDED IN FOOTING 1", kLoadTitles,
                   "0            4000.000     0.000     0.000     0.000     0.000"
                   "  6000.000     0.000     0.000     0.000     0.000",
                   "0DATA OUT OF ORDER FOR FOOTING 1"}));
}

TEST(FootingFailureMessages, RotatedPileFootingEndsWithTheNote) {
  // Investigated, turned: the transverse moment 120 acts along B, where
  // the piles stand 3 ft out: (500 + 3 x 9 x 7 x 0.15)/4 + 120/(4 x 3)
  // = 132.09 + 10 = 142.09, 1.421 of the pile capacity (along D, 2 ft
  // out, it would be 147.09).
  FootingData r = pileRecord(4, 3.0f);
  r.B = 9.0f;
  r.D = 7.0f;
  r.BP = 3.0f;
  r.DP = 2.0f;
  r.SYM = 2;
  r = withSets(r, {loadSet('1', 500, 120, 0, 0, 0)});
  const Lines lines = stageLines(oneFooting(footingParams(), r), 'S', 'I');
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "0NUMBER OF PILES =  4  BP = 3.000  DP = 2.000");
  EXPECT_EQ(lines.back(), "0**** NOTE: FOOTING SHOULD BE ROTATED 90 DEGREES ****");
  const int t = findLine(lines, "   B       D       T    P1/PA");
  ASSERT_GE(t, 0);
  EXPECT_EQ(lines[static_cast<size_t>(t + 1)].substr(0, 30), "0 9.000   7.000   3.000  1.421");
}

}  // namespace
}  // namespace bentpier
