// Stirrups for one shear at a cap point: Av / s = (V - vc b d) / (f d) with
// the two-leg #5 stirrup (0.62 sq in), b = 24 and d = 36 (b d = 864).
#include <gtest/gtest.h>

#include <cmath>

#include "design/cap/cap_fixture.h"

namespace bentpier {
namespace {

using testing::capMaterials;
using testing::capSection;

const double kRoot = std::sqrt(4000.0);  // 63.246 psi
constexpr double kBd = 24.0 * 36.0;
constexpr double kAv = 0.62;
constexpr double kAvMin = 50.0 * 24.0 / 60000.0;  // 0.02 sq in per inch

// Shear (pounds) at a nominal stress v (psi) on the 24 x 36 section.
float shearAt(double v) { return static_cast<float>(v * kBd); }

// Stirrup area per inch for the shear V over the concrete stress vc.
double avPerInch(double V, double vc, double steel) {
  return (V - vc * kBd) / (steel * 36.0);
}

CapDesignState serviceSection() {
  return capSection(capMaterials(), 'S', 24.0f, 40.0f, 4.0f);
}

CapDesignState strengthSection() {
  return capSection(capMaterials(), 'L', 24.0f, 40.0f, 4.0f);
}

TEST(CapSectionStirrups, LowShearNeedsNoStirrups) {
  // Service: half of 0.95 sqrt(f'c) is 30.04 psi.
  CapDesignState st = serviceSection();
  const StirrupDesign none = designServiceStirrups(st, shearAt(29.0));
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_EQ(none.maxSpacing, 0.0f);
  EXPECT_EQ(none.avPerInch, 0.0f);
  EXPECT_EQ(none.spacing, 0.0f);
  EXPECT_EQ(none.mark, ' ');

  // Strength: half of 2 sqrt(f'c) is 63.2 psi, recomputed on every call
  // whatever the state held.
  CapDesignState ls = strengthSection();
  ls.VC2 = 0.0f;
  const StirrupDesign noneLs = designStrengthStirrups(ls, shearAt(62.0));
  EXPECT_EQ(ls.ISTAT, kCapDesigned);
  EXPECT_EQ(noneLs.spacing, 0.0f);
  EXPECT_EQ(noneLs.avPerInch, 0.0f);
}

TEST(CapSectionStirrups, ConcreteShearRangeTakesMinimumStirrups) {
  // Between half and the full 0.95 sqrt(f'c): the minimum 50 b / fy, whose
  // spacing 0.62 / 0.02 = 31 in is held to d/2 = 18 in.
  CapDesignState st = serviceSection();
  const StirrupDesign s = designServiceStirrups(st, shearAt(50.0));
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_FLOAT_EQ(s.avPerInch, static_cast<float>(kAvMin));
  EXPECT_FLOAT_EQ(s.maxSpacing, 18.0f);
  EXPECT_FLOAT_EQ(s.spacing, 18.0f);
  EXPECT_EQ(s.mark, ' ');

  // A shear just above the concrete's share still takes at least the
  // minimum: (V - Vc) b / fs is below 0.02 here.
  const float V = shearAt(0.95 * kRoot + 5.0);
  ASSERT_LT(avPerInch(V, 0.95 * kRoot, 24000.0), kAvMin);
  const StirrupDesign low = designServiceStirrups(st, V);
  EXPECT_FLOAT_EQ(low.avPerInch, static_cast<float>(kAvMin));
}

TEST(CapSectionStirrups, ServiceStirrupsCarryTheExcessShear) {
  // v - vc = 60 psi: Av/s = 60 * 24 / 24000 = 0.06, s = 0.62 / 0.06.
  CapDesignState st = serviceSection();
  const float V = shearAt(0.95 * kRoot + 60.0);
  const StirrupDesign s = designServiceStirrups(st, V);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_NEAR(s.avPerInch, avPerInch(V, 0.95 * kRoot, 24000.0), 1e-5);
  EXPECT_NEAR(s.avPerInch, 0.06, 1e-5);
  EXPECT_NEAR(s.spacing, kAv / 0.06, 1e-3);
  EXPECT_FLOAT_EQ(s.maxSpacing, 18.0f);

  // Either sense of the same shear.
  const StirrupDesign negative = designServiceStirrups(st, -V);
  EXPECT_FLOAT_EQ(negative.spacing, s.spacing);
}

TEST(CapSectionStirrups, HighShearHalvesTheMaximumSpacing) {
  // v - vc = 150 psi, above 2 sqrt(f'c) = 126.5: the limit drops from 18 to
  // 9 in; Av/s = 150 * 24 / 24000 = 0.15, s = 4.133 in.
  CapDesignState st = serviceSection();
  const StirrupDesign s = designServiceStirrups(st, shearAt(0.95 * kRoot + 150.0));
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_FLOAT_EQ(s.maxSpacing, 9.0f);
  EXPECT_NEAR(s.spacing, kAv / 0.15, 1e-3);
  EXPECT_EQ(s.mark, ' ');

  // Strength: halved above 4 sqrt(f'c) = 253 psi of excess, steel at fy.
  // v - vc = 300: Av/s = 300 * 24 / 60000 = 0.12, s = 5.167 in.
  CapDesignState ls = strengthSection();
  const StirrupDesign t = designStrengthStirrups(ls, shearAt(2 * kRoot + 300.0));
  EXPECT_EQ(ls.ISTAT, kCapDesigned);
  EXPECT_FLOAT_EQ(t.maxSpacing, 9.0f);
  EXPECT_NEAR(t.avPerInch, 0.12, 1e-5);
  EXPECT_NEAR(t.spacing, kAv / 0.12, 1e-3);
  // Just under the halving limit the full 18 in holds.
  const StirrupDesign u = designStrengthStirrups(ls, shearAt(2 * kRoot + 250.0));
  EXPECT_FLOAT_EQ(u.maxSpacing, 18.0f);
}

TEST(CapSectionStirrups, DeepSectionSpacingStopsAt24Inches) {
  CapDesignState st = capSection(capMaterials(), 'S', 24.0f, 64.0f, 4.0f);
  const StirrupDesign s = designServiceStirrups(st, 50.0f * 24.0f * 60.0f);
  EXPECT_FLOAT_EQ(s.maxSpacing, 24.0f);
  EXPECT_FLOAT_EQ(s.spacing, 24.0f);
}

TEST(CapSectionStirrups, CloseSpacingDoublesTheStirrups) {
  // s = 4.133 in as above, under a 5 in minimum: two stirrups together at
  // 8.267 in, within the 9 in limit.
  CapDesignState st = serviceSection();
  st.MINSSP = 5.0f;
  const float V = shearAt(0.95 * kRoot + 150.0);
  const StirrupDesign s = designServiceStirrups(st, V);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_EQ(s.mark, 'D');
  EXPECT_NEAR(s.spacing, 2 * kAv / 0.15, 1e-3);

  // A 9 in minimum is not met even doubled: the section must deepen.
  st.MINSSP = 9.0f;
  const StirrupDesign t = designServiceStirrups(st, V);
  EXPECT_EQ(st.ISTAT, kCapDeepen);
  EXPECT_EQ(t.mark, 'D');

  // Doubling never passes the maximum spacing: on a section with d = 18 and
  // v - vc = 200 psi the limit is 18/2 halved, 4.5 in; s = 0.62 / 0.2 =
  // 3.1 in is under a 3.5 in minimum, and doubled (6.2) it is held to 4.5.
  CapDesignState shallow = capSection(capMaterials(), 'S', 24.0f, 22.0f, 4.0f);
  shallow.MINSSP = 3.5f;
  const float V2 = static_cast<float>((0.95 * kRoot + 200.0) * 24.0 * 18.0);
  const StirrupDesign u = designServiceStirrups(shallow, V2);
  EXPECT_EQ(shallow.ISTAT, kCapDesigned);
  EXPECT_EQ(u.mark, 'D');
  EXPECT_FLOAT_EQ(u.maxSpacing, 4.5f);
  EXPECT_FLOAT_EQ(u.spacing, 4.5f);
}

TEST(CapSectionStirrups, ExcessShearDeepensTheSection) {
  // Service: v - vc above 4 sqrt(f'c) = 253 psi.
  CapDesignState st = serviceSection();
  const StirrupDesign s = designServiceStirrups(st, shearAt(0.95 * kRoot + 260.0));
  EXPECT_EQ(st.ISTAT, kCapDeepen);
  EXPECT_EQ(s.spacing, 0.0f);
  EXPECT_EQ(s.maxSpacing, 0.0f);
  EXPECT_EQ(s.mark, ' ');
  designServiceStirrups(st, shearAt(0.95 * kRoot + 250.0));
  EXPECT_EQ(st.ISTAT, kCapDesigned);

  // Strength: above 8 sqrt(f'c) = 506 psi.
  CapDesignState ls = strengthSection();
  designStrengthStirrups(ls, shearAt(2 * kRoot + 510.0));
  EXPECT_EQ(ls.ISTAT, kCapDeepen);
  ls.MINSSP = 1.0f;
  designStrengthStirrups(ls, shearAt(2 * kRoot + 500.0));
  EXPECT_EQ(ls.ISTAT, kCapDesigned);
}

TEST(CapSectionStirrups, DegenerateSectionsFailCleanly) {
  CapDesignState st = serviceSection();
  st.h = st.DT;  // no effective depth
  designServiceStirrups(st, 10000.0f);
  EXPECT_EQ(st.ISTAT, kCapDeepen);

  CapDesignState noStirrup = serviceSection();
  noStirrup.AV = 0.0f;
  designServiceStirrups(noStirrup, shearAt(100.0));
  EXPECT_EQ(noStirrup.ISTAT, kCapCannotDesign);
}

}  // namespace
}  // namespace bentpier
