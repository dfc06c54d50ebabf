// The footing stage on the pile count: more than 25 piles is refused by the
// stage itself (the input never lets such a footing through), and at 25
// piles an investigated footing is checked with the largest arrangement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

TEST(FootingPileCount, StageRefusesMoreThanTwentyFivePilesItself) {
  // Should such a footing reach the stage after all, it is refused before
  // any set is evaluated: the message and the loads of the first set.
  FootingData r;
  r.SP = 'P';
  r.B = r.D = 12.0f;
  r.T = 2.5f;
  r.BB = r.DB = 2.0f;
  r.NP = 26;
  r.BP = r.DP = 3.0f;
  r = testing::withSets(r, {testing::loadSet('1', 500, 0, 0, 0, 0)});
  EXPECT_EQ(
      testing::stageLines(testing::oneFooting(testing::footingParams(), r), 'S', 'I'),
      (std::vector<std::string>{
          "0MAXIMUM NUMBER OF PILES EXCEEDED IN FOOTING 1",
          "0LOADS ARE:     PS        MTS       VTS       MLS       VLS       PF"
          "        MTF       VTF       MLF       VLF",
          "0             500.000     0.000     0.000     0.000     0.000"
          "   750.000     0.000     0.000     0.000     0.000",
          "0DATA OUT OF ORDER FOR FOOTING 1"}));
}

TEST(FootingPileCount, TwentyFivePilesAreInvestigatedWithTheLargestGroup) {
  // 25 piles in five rows of five at 3 ft: sum x^2 = 5 (2 x 9 + 2 x 36)
  // = 450, xmax = 6, modulus 75 = 25 x 3. 9 x 9 x 2.5 ft weighs 30.375.
  // (2000 + 30.375)/25 + 300/75 = 81.215 + 4 = 85.215, 0.852 of 100 kips.
  FootingData r;
  r.SP = 'P';
  r.B = r.D = 9.0f;
  r.T = 2.5f;
  r.BB = r.DB = 2.0f;
  r.NP = 25;
  r.BP = r.DP = 3.0f;
  r = testing::withSets(r, {testing::loadSet('1', 2000, 0, 0, 300, 0)});
  const auto lines =
      testing::stageLines(testing::oneFooting(testing::footingParams(), r), 'S', 'I');
  EXPECT_EQ(lines.back(), "0NUMBER OF PILES = 25  BP = 3.000  DP = 3.000");
  const int t = testing::findLine(lines, "   B       D       T    P1/PA");
  ASSERT_GE(t, 0);
  EXPECT_EQ(lines[static_cast<size_t>(t + 1)].substr(0, 30), "0 9.000   9.000   2.500  0.852");
}

}  // namespace
}  // namespace bentpier
