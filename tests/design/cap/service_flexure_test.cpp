// Working-stress design of one cap face, checked against the transformed
// cracked section worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "design/cap/cap_fixture.h"

namespace bentpier {
namespace {

using testing::capMaterials;
using testing::capSection;

// An independent working-stress design: for a trial neutral-axis depth k
// the first moments of the transformed section fix the tension steel,
//   As(k) = (b k^2/2 + g (k - dc)) / (n (d - k)),
// and the steel stress M n (d - k) / I(k) falls as k grows; bisect k until
// the steel stress is fs. Returns k, As and the concrete stress M k / I.
struct WorkingStress {
  double k, As, fc;
};

WorkingStress workingStressByBisection(double b, double d, double dc,
                                       double g, double M, double n,
                                       double fs) {
  auto steelArea = [&](double k) {
    return (b * k * k / 2 + g * (k - dc)) / (n * (d - k));
  };
  auto inertia = [&](double k) {
    const double As = steelArea(k);
    return b * k * k * k / 3 + g * (k - dc) * (k - dc) +
           n * As * (d - k) * (d - k);
  };
  double lo = 1e-6, hi = d - 1e-6;
  for (int i = 0; i < 200; ++i) {
    const double k = 0.5 * (lo + hi);
    const double stress = M * n * (d - k) / inertia(k);
    (stress > fs ? lo : hi) = k;
  }
  const double k = 0.5 * (lo + hi);
  return {k, steelArea(k), M * k / inertia(k)};
}

TEST(CapSectionServiceFlexure, SinglyReinforcedMatchesHandCalculation) {
  // b = 24, d = 36, n = 8, fs = 24000, no compression steel. Take kd = 12:
  // As = b kd^2 / (2 n (d - kd)) = 24 * 144 / (2 * 8 * 24) = 9.0;
  // Icr = 24 * 12^3 / 3 + 8 * 9 * 24^2 = 13824 + 41472 = 55296;
  // M = fs Icr / (n (d - kd)) = 24000 * 55296 / 192 = 6912000 in-lb;
  // fc = M kd / Icr = 6912000 * 12 / 55296 = 1500 psi.
  CapDesignState st = capSection(capMaterials(), 'S', 24.0f, 40.0f, 4.0f);
  st.NMAX = 8;
  st.DC = 2.5f;
  st.ASC = 0.0f;
  st.M = 6912000.0f;
  designServiceFlexure(st);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_NEAR(st.AS, 9.0f, 0.005f);
  EXPECT_NEAR(st.FCC, 1500.0f, 0.5f);
  EXPECT_EQ(st.IFC, 1500);
  EXPECT_EQ(st.NBARS, 8);  // 9.0 / 1.27 = 7.09 bars of size 10
  EXPECT_FLOAT_EQ(st.DT, 4.0f);
}

TEST(CapSectionServiceFlexure, CompressionSteelCountsTwiceNMinusOne) {
  // As above with 2.0 sq in of compression steel 3 in from the compression
  // face, transformed as (2n - 1) As' = 15 * 2 = 30. With kd = 12:
  // n As (d - kd) = b kd^2 / 2 + 30 (kd - 3) = 1728 + 270 = 1998, As = 10.40625;
  // Icr = 13824 + 30 * 81 + 1998 * 24 = 64206;
  // M = 24000 * 64206 / 192 = 8025750; fc = 8025750 * 12 / 64206 = 1500.
  CapDesignState st = capSection(capMaterials(), 'S', 24.0f, 40.0f, 4.0f);
  st.NMAX = 9;
  st.DC = 3.0f;
  st.ASC = 2.0f;
  st.M = 8025750.0f;
  designServiceFlexure(st);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_NEAR(st.AS, 10.40625f, 0.005f);
  EXPECT_NEAR(st.FCC, 1500.0f, 0.5f);
  EXPECT_EQ(st.NBARS, 9);  // 8.19 bars
}

TEST(CapSectionServiceFlexure, AgreesWithBisectionOnTheTransformedSection) {
  // An untidy section: b = 30, h = 54, d = 50.5, 1.58 sq in compression
  // steel at 2.9 in, 30000 psi allowable steel, n = 9.
  CapMaterials m = capMaterials();
  m.FS = 30000.0f;
  m.N = 9.0f;
  CapDesignState st = capSection(m, 'S', 30.0f, 54.0f, 3.5f);
  st.NMAX = 12;
  st.DC = 2.9f;
  st.ASC = 1.58f;
  st.M = 14.3e6f;
  designServiceFlexure(st);
  ASSERT_EQ(st.ISTAT, kCapDesigned);
  const WorkingStress hand =
      workingStressByBisection(30, 50.5, 2.9, 1.58 * 17, 14.3e6, 9, 30000);
  EXPECT_NEAR(st.AS, hand.As, 0.002 * hand.As);
  EXPECT_NEAR(st.FCC, hand.fc, 0.002 * hand.fc);
  EXPECT_EQ(st.NBARS, static_cast<int>(std::ceil(hand.As / 1.27)));
}

TEST(CapSectionServiceFlexure, SmallOrZeroMomentTakesMinimumSteel) {
  // Six #9 bars minimum: As = 6.0, n As = 48, no compression steel. The
  // neutral axis of that section: 12 k^2 + 48 k - 48 * 36 = 0, so
  // k = -2 + sqrt(148); the concrete stress is M k / Icr.
  CapMaterials m = capMaterials();
  m.MINSZ = 9;
  m.MINNO = 6;
  const double k = -2.0 + std::sqrt(148.0);
  const double Icr = 24.0 * k * k * k / 3.0 + 48.0 * (36.0 - k) * (36.0 - k);

  CapDesignState st = capSection(m, 'S', 24.0f, 40.0f, 4.0f);
  st.NMAX = 8;
  st.DC = 2.5f;
  st.M = 1.0e6f;  // needs about 1.4 sq in
  designServiceFlexure(st);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_FLOAT_EQ(st.AS, 6.0f);
  EXPECT_NEAR(st.FCC, 1.0e6 * k / Icr, 0.05);
  EXPECT_EQ(st.NBARS, 5);  // 6.0 / 1.27 = 4.72

  st.DT = 4.0f;
  st.M = 0.0f;
  designServiceFlexure(st);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_FLOAT_EQ(st.AS, 6.0f);
  EXPECT_FLOAT_EQ(st.FCC, 0.0f);
  EXPECT_EQ(st.IFC, 0);
}

TEST(CapSectionServiceFlexure, ExactlyTwoLayersPassAndOneBarMoreDeepens) {
  // No moment, so the face takes its minimum steel: eight #9 bars give
  // 8.0 sq in, exactly two layers of four #9 main bars.
  CapMaterials m = capMaterials();
  m.MAINSZ = 9;
  m.MINSZ = 9;
  m.MINNO = 8;
  CapDesignState st = capSection(m, 'S', 24.0f, 40.0f, 4.0f);
  st.NMAX = 4;
  st.DC = 2.5f;
  st.M = 0.0f;
  designServiceFlexure(st);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_EQ(st.NBARS, 8);

  // A moment that needs a ninth bar, which fits only in a third layer: a
  // deeper section may need fewer. With kd = 11.5 and d = 36:
  // As = 24 * 11.5^2 / (2 * 8 * 24.5) = 8.097, Icr = 24 * 11.5^3 / 3 +
  // 8 As 24.5^2, M = 24000 Icr / (8 * 24.5).
  const double As9 = 24 * 11.5 * 11.5 / (2 * 8 * 24.5);
  const double Icr9 = 24 * std::pow(11.5, 3) / 3 + 8 * As9 * 24.5 * 24.5;
  st.DT = 4.0f;
  st.M = static_cast<float>(24000 * Icr9 / (8 * 24.5));
  designServiceFlexure(st);
  EXPECT_NEAR(st.AS, As9, 0.005);
  EXPECT_EQ(st.NBARS, 9);
  EXPECT_EQ(st.ISTAT, kCapDeepen);

  // 8.0001 sq in of minimum steel needs a ninth bar at any depth.
  st.DT = 4.0f;
  st.M = 0.0f;
  st.ASMIN = 8.0001f;
  designServiceFlexure(st);
  EXPECT_EQ(st.ISTAT, kCapCannotDesign);

  // With five to a layer the nine bars fit in two layers, five at 0.625 in
  // and four at 1.875 in: centroid (3.125 + 7.5) / 9 = 1.25 - 0.625 / 9.
  st.DT = 4.0f;
  st.NMAX = 5;
  designServiceFlexure(st);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_EQ(st.NBARS, 9);
  EXPECT_NEAR(st.DT, st.CT + 1.25f - 0.625f / 9.0f, 1e-5f);
}

TEST(CapSectionServiceFlexure, MinimumSteelBarDoesNotMoveTheMainBars) {
  // Small #4 main bars (0.5625 in) with #18 minimum-steel bars (2.5 in), no
  // minimum steel area. The first trial has the centroid a full #4 bar
  // above the cover line, d = 20 - 2.5625 = 17.4375: 0.772 sq in, four
  // bars. Four bars lie in one layer half a #4 bar in, d = 17.71875, and
  // need 0.759 sq in: four bars again. (Half the #18 bar, 1.25 in, would
  // have sent the count back and forth between four and five for ever.)
  CapMaterials m = capMaterials();
  m.MAINSZ = 4;   // 0.20 sq in
  m.MINSZ = 18;
  m.MINNO = 0;
  CapDesignState st = capSection(m, 'S', 12.0f, 20.0f, 3.0f);
  st.CT = 2.0f;
  st.DT = st.CT + st.DMAIN;
  st.NMAX = 4;
  st.DC = 2.0f;
  st.M = 300000.0f;
  designServiceFlexure(st);
  const WorkingStress hand =
      workingStressByBisection(12, 17.71875, 2, 0, 300000, 8, 24000);
  EXPECT_EQ(st.ISTAT, kCapDesigned);
  EXPECT_EQ(st.NBARS, 4);
  EXPECT_FLOAT_EQ(st.DT, 2.28125f);
  EXPECT_NEAR(st.AS, hand.As, 0.002 * hand.As);
}

TEST(CapSectionServiceFlexure, DegenerateSectionsNeverLoop) {
  CapDesignState st = capSection(capMaterials(), 'S', 24.0f, 40.0f, 4.0f);
  st.NMAX = 8;
  st.DC = 2.5f;
  st.M = 6.0e6f;

  CapDesignState shallow = st;  // tension steel above the compression steel
  shallow.h = 6.0f;
  designServiceFlexure(shallow);
  EXPECT_EQ(shallow.ISTAT, kCapDeepen);

  CapDesignState noWidth = st;
  noWidth.b = 0.0f;
  designServiceFlexure(noWidth);
  EXPECT_EQ(noWidth.ISTAT, kCapCannotDesign);

  CapDesignState noLayer = st;
  noLayer.NMAX = 0;
  designServiceFlexure(noLayer);
  EXPECT_EQ(noLayer.ISTAT, kCapCannotDesign);

  CapDesignState badMoment = st;
  badMoment.M = std::nanf("");
  designServiceFlexure(badMoment);
  EXPECT_EQ(badMoment.ISTAT, kCapCannotDesign);
}

}  // namespace
}  // namespace bentpier
