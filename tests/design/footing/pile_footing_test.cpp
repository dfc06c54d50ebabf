// Pile footings through the footing stage: the pile count and spacing of
// a design, uplift, the largest group, and an investigation that changes
// nothing.
#include <gtest/gtest.h>

#include <string>

#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

using testing::findLine;
using testing::footingParams;
using testing::loadSet;
using testing::oneFooting;
using testing::stageLines;
using testing::withSets;

// A pile footing on a 2 ft column, 3 ft thick, no soil over it; the plan
// of 1 x 1 ft leaves the design plan to the piles.
FootingData pileRecord(int NP) {
  FootingData r;
  r.SP = 'P';
  r.B = r.D = 1.0f;
  r.T = 3.0f;
  r.BB = r.DB = 2.0f;
  r.NP = NP;
  return r;
}

TEST(FootingPileDesign, SpacingWidensUntilThePilesCarryTheLoad) {
  // Four piles (NP 0 reads as 4) start at 2.5 x 0.5 = 1.25 ft; the plan is
  // 2 (1.25 + BP) by 2 (1.25 + DP) and weighs 3 x 0.15 per square foot.
  // 300 kips and ML = 150: the pile load 300/4 + weight/4 + 150/(4 BP)
  // falls from 107.8 (BP 1.25) to 105.2, 103.1, 101.3 and, at BP = 1.75
  // (plan 6 x 5, weight 13.5), 78.375 + 21.43 = 99.80 <= 100.
  FootingData r = withSets(pileRecord(0), {loadSet('1', 300, 0, 0, 150, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES =  4  BP = 1.750  DP = 1.250");
  const int t = findLine(lines, "   B       D       T    P1/PA");
  ASSERT_GE(t, 0);
  const std::string& res = lines[static_cast<size_t>(t + 1)];
  EXPECT_EQ(res.substr(0, 30), "0 6.000   5.000   3.000  0.998");
}

TEST(FootingPileDesign, SymmetricGroupsWidenBothWays) {
  // The same load with SYM 1: both spacings step together and the square
  // plan grows heavier. At 1.75 ft: plan 6 x 6, weight 16.2, 316.2/4 +
  // 150/7 = 100.48 > 100; at 1.875: plan 6.25 x 6.25, weight 17.58,
  // 79.39 + 20 = 99.39.
  FootingData r = withSets(pileRecord(4), {loadSet('1', 300, 0, 0, 150, 0)});
  r.SYM = 1;
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES =  4  BP = 1.875  DP = 1.875");
}

TEST(FootingPileDesign, UpliftIsReportedWhenAPileIsAdded) {
  // 40 kips with ML = 200 on four piles: BP grows to its 2.5 ft limit,
  // then DP (which only adds weight); at BP = DP = 2.5 the plan is
  // 7.5 x 7.5 (weight 25.31): 65.31/4 - 200/10 = -3.672 kips, below the
  // zero uplift allowed, while the largest pile carries only 36.3.
  FootingData r = withSets(pileRecord(4), {loadSet('1', 40, 0, 0, 200, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0],
            "0FOOTING 1 IS BEING GOVERNED BY UPLIFT OF -3.672 KIPS WITH  4 PILES");
}

TEST(FootingPileDesign, WideSpacingRangeIsWalkedToTheGroupThatCarries) {
  // 1300 kips on piles of 70 kips, spacings from 2.5 to 20 ft: no group of
  // 19 piles or fewer carries the load at any spacing (wider only adds
  // weight), and each count walks its whole range, (20 - 2.5) KBP/SBI +
  // (20 - 2.5) KDP/SDI steps: 2408 from 4 to 19 piles. 20 piles at their
  // least spacing, BP = 0.5 x 2.5, DP = 2.5 (rows at 3 BP and 2 DP): plan
  // 2 (1.25 + 3.75) by 2 (1.25 + 5) = 10 x 12.5, weight 3 x 125 x 0.15
  // = 56.25; (1300 + 56.25)/20 = 67.81, 0.969 of 70.
  FootingParameterRecord p = footingParams();
  p.MAXPLSP = 20.0f;
  p.PILECAP = 70.0f;
  FootingData r = withSets(pileRecord(4), {loadSet('1', 1300, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(p, r), 'S', 'D');
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES = 20  BP = 1.250  DP = 2.500");
  const int t = findLine(lines, "   B       D       T    P1/PA");
  ASSERT_GE(t, 0);
  EXPECT_EQ(lines[static_cast<size_t>(t + 1)].substr(0, 30), "010.000  12.500   3.000  0.969");
}

TEST(FootingPileDesign, MoreThanTwentyFivePilesFail) {
  FootingData r = withSets(pileRecord(4), {loadSet('1', 4000, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  const int at = findLine(lines, "MAXIMUM NUMBER OF PILES EXCEEDED IN FOOTING");
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines[static_cast<size_t>(at)], "0MAXIMUM NUMBER OF PILES EXCEEDED IN FOOTING 1");
  EXPECT_EQ(lines[static_cast<size_t>(at + 1)].substr(0, 11), "0LOADS ARE:");
  EXPECT_EQ(lines.back(), "0DATA OUT OF ORDER FOR FOOTING 1");
}

TEST(FootingPileInvestigation, GivenGroupIsOnlyChecked) {
  // 4 piles at BP = DP = 3 in a 9 x 9 x 3 ft footing: weight 36.45;
  // (500 + 36.45)/4 + 300/12 = 159.11, 1.591 of the 100 kips allowed.
  FootingData r = pileRecord(2);
  r.B = r.D = 9.0f;
  r.BP = r.DP = 3.0f;
  r = withSets(r, {loadSet('1', 500, 0, 0, 300, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'L', 'I');
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES =  4  BP = 3.000  DP = 3.000");
  const int t = findLine(lines, "   B       D       T    P1/PA");
  ASSERT_GE(t, 0);
  EXPECT_EQ(lines[static_cast<size_t>(t + 1)].substr(0, 30), "0 9.000   9.000   3.000  1.591");
  EXPECT_EQ(findLine(lines, "UPLIFT"), -1);
}

TEST(FootingPileInvestigation, GroupsBeyondTheTableAreRefused) {
  FootingData r = pileRecord(30);
  r.B = r.D = 12.0f;
  r.BP = r.DP = 3.0f;
  r = withSets(r, {loadSet('1', 500, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'L', 'I');
  EXPECT_GE(findLine(lines, "0MAXIMUM NUMBER OF PILES EXCEEDED IN FOOTING 1"), 0);
  EXPECT_EQ(lines.back(), "0DATA OUT OF ORDER FOR FOOTING 1");
}

TEST(FootingPileDesign, ThickerAndLargerGroupsFinish) {
  // A load that needs piles added and a footing too thin for it: the pass
  // is repeated from the given thickness, and the stage still ends with
  // one results block.
  FootingData r = withSets(pileRecord(4), {loadSet('1', 900, 100, 5, 300, 10),
                                             loadSet('3', 700, 400, 20, 100, 5)});
  r.T = 1.5f;
  r.DEL_T = 0.25f;
  const auto lines = stageLines(oneFooting(footingParams(), r), 'L', 'D');
  int blocks = 0;
  for (const std::string& l : lines)
    if (l.find("ANALYSIS/DESIGN RESULTS") != std::string::npos) ++blocks;
  EXPECT_EQ(blocks, 1);
  EXPECT_EQ(lines.back().substr(0, 18), "0NUMBER OF PILES =");
  // Every pile within its capacity: P1/PA at most 1.
  const int t = findLine(lines, "   B       D       T    P1/PA");
  ASSERT_GE(t, 0);
  EXPECT_LE(std::stof(lines[static_cast<size_t>(t + 1)].substr(23, 7)), 1.0f);
}

}  // namespace
}  // namespace bentpier
