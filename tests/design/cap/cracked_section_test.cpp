// Cracked-section steel stresses, crack control and fatigue of a cap face.
#include <gtest/gtest.h>

#include <cmath>

#include "design/cap/cap_fixture.h"

namespace bentpier {
namespace {

using testing::capMaterials;
using testing::capSection;

// b = 24, h = 40, n = 8 (compression steel at n - 1 = 7).
CapDesignState section() {
  return capSection(capMaterials(), 'L', 24.0f, 40.0f, 4.0f);
}

TEST(CapSectionCrackedStress, MatchesTheHandCrackedMomentOfInertia) {
  // 6 sq in of tension steel 4 in from the tension face (d = 36), 2 sq in
  // of compression steel 3 in from the compression face: 7 * 2 = 14 and
  // 8 * 6 = 48 transformed. First moments about the neutral axis:
  //   12 k^2 + 14 (k - 3) = 48 (36 - k)  ->  12 k^2 + 62 k - 1770 = 0,
  //   k = (-62 + sqrt(3844 + 84960)) / 24 = (-62 + 298) / 24 = 9.8333.
  const double k = 236.0 / 24.0;
  const double Icr = 24 * k * k * k / 3 + 14 * (k - 3) * (k - 3) +
                     48 * (36 - k) * (36 - k);  // 41126 in^4
  const CrackedStress s = crackedSectionStress(section(), 2.0f, 3.0f, 6.0f, 4.0f);
  EXPECT_NEAR(s.tension, 8 * (36 - k) / Icr, 1e-5 * 8 * (36 - k) / Icr);
  EXPECT_NEAR(s.compression, 8 * (k - 3) / Icr, 1e-5 * 8 * (k - 3) / Icr);
  // 1000 kip-in: the tension steel works at about 5090 psi.
  EXPECT_NEAR(s.tension * 1.0e6f, 5090.2, 0.5);
}

TEST(CapSectionCrackedStress, FacesExchanged) {
  // The same bars under the reverse moment: 2 sq in in tension 3 in from
  // the (now) tension face, d = 37; 6 sq in in compression 4 in down.
  //   12 k^2 + 42 (k - 4) = 16 (37 - k)  ->  12 k^2 + 58 k - 760 = 0.
  const double k = (-58 + std::sqrt(58.0 * 58 + 48.0 * 760)) / 24;
  const double Icr = 24 * k * k * k / 3 + 42 * (k - 4) * (k - 4) +
                     16 * (37 - k) * (37 - k);
  const CrackedStress s = crackedSectionStress(section(), 6.0f, 4.0f, 2.0f, 3.0f);
  EXPECT_NEAR(s.tension, 8 * (37 - k) / Icr, 1e-5 * 8 * (37 - k) / Icr);
  EXPECT_NEAR(s.compression, 8 * (k - 4) / Icr, 1e-5 * 8 * (k - 4) / Icr);
}

TEST(CapSectionCrackedStress, SectionWithoutSteelCarriesNothing) {
  const CrackedStress s = crackedSectionStress(section(), 0.0f, 3.0f, 0.0f, 4.0f);
  EXPECT_EQ(s.tension, 0.0f);
  EXPECT_EQ(s.compression, 0.0f);
  CapDesignState noWidth = section();
  noWidth.b = 0.0f;
  const CrackedStress t = crackedSectionStress(noWidth, 2.0f, 3.0f, 6.0f, 4.0f);
  EXPECT_EQ(t.tension, 0.0f);
}

TEST(CapSectionCrackControl, RatioOfServiceStressToTheZLimit) {
  // dc = 3, b = 24, six bars: A = 2 * 3 * 24 / 6 = 24 sq in, dc A = 72.
  // z = 130 k/in: 130000 / 72^(1/3) = 31248.6 psi.
  const double limit130 = 130000.0 / std::cbrt(72.0);
  EXPECT_NEAR(crackControlRatio(30000.0f, 3.0f, 24.0f, 6, 130000.0f, 60000.0f),
              30000.0 / limit130, 1e-4);
  // z = 170 k/in gives 40864 psi; the allowable follows z alone, even
  // above 0.6 fy = 36000.
  EXPECT_NEAR(crackControlRatio(30000.0f, 3.0f, 24.0f, 6, 170000.0f, 60000.0f),
              30000.0 / (170000.0 / std::cbrt(72.0)), 1e-5);
}

TEST(CapSectionCrackControl, NotCheckedForLowGradeSteelOrWithoutBars) {
  EXPECT_EQ(crackControlRatio(30000.0f, 3.0f, 24.0f, 6, 130000.0f, 40000.0f), 0.0f);
  EXPECT_GT(crackControlRatio(30000.0f, 3.0f, 24.0f, 6, 130000.0f, 40001.0f), 0.0f);
  EXPECT_EQ(crackControlRatio(0.0f, 3.0f, 24.0f, 0, 130000.0f, 60000.0f), 0.0f);
}

TEST(CapSectionFatigue, RangeOverTheAllowableRange) {
  // Bar always in tension, 10 to 30 ksi: allowed 23400 - 10000/3.
  EXPECT_NEAR(fatigueRatio(30000.0f, 10000.0f), 20000.0 / (23400.0 - 10000.0 / 3),
              1e-5);
  // Bar swinging into 6 ksi compression: the compression lowers the
  // allowed range as a tension of 6 ksi would, 23400 - 2000.
  EXPECT_NEAR(fatigueRatio(30000.0f, -6000.0f), 36000.0 / 21400.0, 1e-5);
  // No allowable range left: the ratio reads as the ceiling.
  EXPECT_EQ(fatigueRatio(90000.0f, 80000.0f), kRatioCeiling);
}

TEST(CapSectionFatigue, ReversingMomentChecksBothFaces) {
  // Face 2 under M2 = 4000 kip-in: 0.005 psi per in-lb in tension, face 1's
  // bars at 0.0012 in compression. Face 1 under M1: 0.009 in tension, face
  // 2's bars at 0.002 in compression.
  const CrackedStress face2{0.005f, 0.0012f};
  const CrackedStress face1{0.009f, 0.002f};
  // M1 = 1000 kip-in. Face 2 bars: 20000 to -2000, 22000 / (23400 - 667)
  // = 0.968; face 1 bars: 9000 to -4800, 13800 / (23400 - 1600) = 0.633.
  EXPECT_NEAR(reversingFatigueRatio(face2, face1, 4.0e6f, 1.0e6f),
              22000.0 / (23400.0 - 2000.0 / 3), 1e-5);
  // M1 = 3000 kip-in. Face 2: 20000 to -6000, 26000 / 21400 = 1.215;
  // face 1: 27000 to -4800, 31800 / 21800 = 1.459, which governs.
  EXPECT_NEAR(reversingFatigueRatio(face2, face1, 4.0e6f, 3.0e6f),
              31800.0 / 21800.0, 1e-5);
}

}  // namespace
}  // namespace bentpier
