// Spread footings whose plan grows: the side enlarged first, the step back
// and widening when a side ratio is exceeded, the flags that keep the two
// step-backs apart, the governing sets re-evaluated at the grown plan, and
// the two ways the side ratios end a design. Expected sizes and pressures
// are worked by hand: under full contact the largest corner pressure is
//   P1 = N/(B D) + 6 MLB/(B^2 D) + 6 MTB/(B D^2),  N = P + 0.15 T B D.
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

std::string resultsLine(const std::vector<std::string>& lines) {
  const int t = findLine(lines, "   B       D       T    P1/PA");
  if (t < 0 || t + 1 >= static_cast<int>(lines.size())) return "";
  return lines[static_cast<size_t>(t + 1)];
}

// The corner pressures P4 P3 P2 P1 of a design-loads line (after the flags
// and the five loads, 26 + 43 columns).
std::string cornerPressures(const std::string& line) {
  return line.size() < 101 ? "" : line.substr(69, 32);
}

// A 6 x 6 x 1 ft footing on a 2 ft column, steps of 1 ft, no thickening.
FootingData sixBySix(float RBD, float RDB) {
  FootingData r = spreadRecord(6.0f, 6.0f, 1.0f, 2.0f);
  r.DEL_B = r.DEL_D = 1.0f;
  r.R_BD = RBD;
  r.R_DB = RDB;
  return r;
}

TEST(FootingSpreadEnlargement, TransverseMomentLengthensDFirstAndWidensOnTheRatio) {
  // 400 kips with MT = 200 kip-ft, 8 ksf allowed, ratios 1.25 both ways:
  // P1 = 400/(B D) + 0.15 + 1200/(B D^2); full contact throughout
  // (e = 200/(400 + 0.15 B D) < D/6). P2 > P4, so D is lengthened first:
  //   6 x 6: 11.111 + 0.15 + 5.556 = 16.82
  //   D 7 (7/6 = 1.17): 6 x 7: 9.524 + 0.15 + 4.082 = 13.76
  //   D 8 (8/6 = 1.33 > 1.25): D back to 7, B 7: 7 x 7:
  //     8.163 + 0.15 + 3.499 = 11.81
  //   D 8 (8/7 = 1.14): 7 x 8: 7.143 + 0.15 + 2.679 = 9.97
  //   D 9 (9/7 = 1.29): back to 8, B 8: 8 x 8: 6.25 + 0.15 + 2.344 = 8.74
  //   D 9 (9/8 = 1.125): 8 x 9: 5.556 + 0.15 + 1.852 = 7.557 <= 8.
  // P1/PA = 7.557/8 = 0.945.
  FootingParameterRecord p = footingParams();
  p.ALLSP = 8.0f;
  const FootingData r =
      withSets(sixBySix(1.25f, 1.25f), {loadSet('1', 400, 200, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(p, r), 'S', 'D');
  EXPECT_EQ(resultsLine(lines).substr(0, 30), "0 8.000   9.000   1.000  0.945");
}

TEST(FootingSpreadEnlargement, OneStepBackEachWayLetsBothSidesGrow) {
  // Ratios 1.0 both ways: only a square plan is allowed. 150 kips
  // concentric, 4 ksf: 150/36 + 0.15 = 4.317 > 4. No moment, so B first:
  //   B 7: 7/6 > 1.0: B back to 6 (B stepped back), D 7;
  //   6 x 7: 7/6 > 1.0 the other way; D is not stepped back (B already
  //   was), B 7: 7 x 7 is square. 150/49 + 0.15 = 3.211, P1/PA 0.803.
  // Stepping D back here as well would undo both steps for ever.
  const FootingData r =
      withSets(sixBySix(1.0f, 1.0f), {loadSet('1', 150, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(resultsLine(lines).substr(0, 30), "0 7.000   7.000   1.000  0.803");
  EXPECT_EQ(findLine(lines, "HAVING TROUBLE"), -1);
}

TEST(FootingSpreadEnlargement, GoverningSetsAreReevaluatedAtTheGrownPlan) {
  // Set 1, 100 kips with ML = 30, fits 6 x 6 (P1 = 2.928 + 0.833 = 3.761)
  // and holds MAX.P1 and MAX.P3. Set 2, 150 kips concentric, needs 7 x 6
  // (4.317 at 6 x 6; B first; 150/42 + 0.15 = 3.721 at 7 x 6, ratio 1.17).
  // Set 1 is evaluated again at 7 x 6: 100/42 + 0.15 = 2.531 plus or minus
  // 6 x 30/(49 x 6) = 0.612: P4 = P1 = 3.143, P3 = P2 = 1.919 - it keeps
  // MAX.P3, while set 2 (3.721 > 3.143) takes MAX.P1: ratio 0.930.
  FootingData r = withSets(sixBySix(1.25f, 1.25f),
                           {loadSet('1', 100, 0, 0, 30, 0),
                            loadSet('1', 150, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  EXPECT_EQ(resultsLine(lines).substr(0, 30), "0 7.000   6.000   1.000  0.930");
  const int head = findLine(lines, "F G LLID");
  ASSERT_GE(head, 0);
  const std::string& p1 = lines[static_cast<size_t>(head + 1)];
  const std::string& p3 = lines[static_cast<size_t>(head + 7)];
  EXPECT_EQ(p1.substr(p1.size() - 6), "MAX.P1");
  EXPECT_EQ(p1.substr(26, 9), "   150.00");
  EXPECT_EQ(cornerPressures(p1), "   3.721   3.721   3.721   3.721");
  EXPECT_EQ(p3.substr(p3.size() - 6), "MAX.P3");
  EXPECT_EQ(p3.substr(26, 9), "   100.00");
  EXPECT_EQ(cornerPressures(p3), "   3.143   1.919   1.919   3.143");
}

TEST(FootingSpreadEnlargement, OnlyBMayGrowAndTheLongitudinalRatioFails) {
  // DEL.D = 0: B 7 makes B/D = 7/6 > 1.0 and D has no increment.
  FootingData r = sixBySix(1.0f, 1.5f);
  r.DEL_D = 0.0f;
  r = withSets(r, {loadSet('1', 150, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  const int at = findLine(lines, "SIDE RATIOS");
  ASSERT_GE(at, 0);
  ASSERT_EQ(static_cast<int>(lines.size()), at + 4);
  EXPECT_EQ(lines[static_cast<size_t>(at)], "0SIDE RATIOS TOO RESTRICTING FOR FOOTING 1");
  EXPECT_EQ(lines[static_cast<size_t>(at + 1)].substr(0, 11), "0LOADS ARE:");
  EXPECT_EQ(lines[static_cast<size_t>(at + 2)].substr(0, 21), "0             150.000");
  EXPECT_EQ(lines[static_cast<size_t>(at + 3)], "0DATA OUT OF ORDER FOR FOOTING 1");
}

TEST(FootingSpreadEnlargement, MoreThanAHundredRatioStepsFail) {
  // Square plans only, B steps of 1 ft and D steps of 0.01 ft from 6 x 6:
  // B 7 is stepped back and D lengthened to 6.01, then D/B > 1 and B goes
  // to 7 again, and so on: two ratio tests per 0.01 ft of D, and no square
  // plan before 7 x 7, 200 tests away. The 101st test fails the footing.
  FootingData r = sixBySix(1.0f, 1.0f);
  r.DEL_D = 0.01f;
  r = withSets(r, {loadSet('1', 150, 0, 0, 0, 0)});
  const auto lines = stageLines(oneFooting(footingParams(), r), 'S', 'D');
  const int at = findLine(lines, "HAVING TROUBLE");
  ASSERT_GE(at, 0);
  ASSERT_EQ(static_cast<int>(lines.size()), at + 4);
  EXPECT_EQ(lines[static_cast<size_t>(at)], "0HAVING TROUBLE WITH FOOTING 1 DESIGN");
  EXPECT_EQ(lines[static_cast<size_t>(at + 1)].substr(0, 11), "0LOADS ARE:");
  EXPECT_EQ(lines[static_cast<size_t>(at + 3)], "0DATA OUT OF ORDER FOR FOOTING 1");
  EXPECT_EQ(findLine(lines, "SIDE RATIOS"), -1);
}

}  // namespace
}  // namespace bentpier
