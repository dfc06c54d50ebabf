// Footing reinforcement: the bar choice rules, the steel for a moment by
// strength and by working stress (against independent solutions of the
// strip), the minimum-steel rule, the capacities and the two layers.
#include <gtest/gtest.h>

#include <cmath>

#include "base/bar_table.h"
#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

FootingStrengths constants(char METHOD) {
  return footingStrengths(testing::footingParams(), METHOD, 'D');
}

// Steel of a 12-in strip at depth d (in) whose design strength
// 0.9 As fy (d - a/2), a = As fy / (0.85 f'c 12), equals Mu (kip-in):
// the smaller root of the quadratic in As.
double blockSteel(double Mu, double d, double fpc, double fy) {
  const double k = fy / (2 * 0.85 * fpc * 12);  // a/2 per unit As
  // 0.9 fy (d As - k As^2) = Mu
  const double A = 0.9 * fy * k, B = -0.9 * fy * d, C = Mu;
  return (-B - std::sqrt(B * B - 4 * A * C)) / (2 * A);
}

TEST(FootingBars, ExactCountTakesNoExtraBar) {
  // 0.25 in^2/ft over 8 ft with #4 bars (0.20 in^2): exactly 10 bars,
  // 96/10 = 9.6 in, set to 9.625 in; 10.01 bars' worth needs 11 bars at
  // 96/11 = 8.73, set to 8.75 in.
  BarChoice c = chooseBars(0.25f, 8.0f);
  EXPECT_EQ(c.BSIZE, 4);
  EXPECT_EQ(c.NBAR, 10);
  EXPECT_FLOAT_EQ(c.SPAC, 9.625f);
  c = chooseBars(0.25025f, 8.0f);
  EXPECT_EQ(c.BSIZE, 4);
  EXPECT_EQ(c.NBAR, 11);
  EXPECT_FLOAT_EQ(c.SPAC, 8.75f);
}

TEST(FootingBars, LittleSteelIsSpacedAtMostEighteenInches) {
  // 0.05 in^2/ft over 10 ft: 3 #4 bars would stand 40 in apart; the 18-in
  // limit asks for 120/18 = 6.67, so 7 bars at 17.14 in, still #4.
  BarChoice c = chooseBars(0.05f, 10.0f);
  EXPECT_EQ(c.BSIZE, 4);
  EXPECT_EQ(c.NBAR, 7);
  EXPECT_NEAR(c.SPAC, 120.0f / 7.0f, 1e-4f);
  // 9.5 ft: 114/18 = 6.33 bars; 6 bars would stand 19 in apart.
  c = chooseBars(0.05f, 9.5f);
  EXPECT_EQ(c.NBAR, 7);
  EXPECT_LE(c.SPAC, 18.0f);
  // Less than one bar's worth is no exception.
  c = chooseBars(0.01f, 10.0f);
  EXPECT_EQ(c.BSIZE, 4);
  EXPECT_EQ(c.NBAR, 7);
}

TEST(FootingBars, SpacingMustReachTheBarNumberInInches) {
  // 0.61 in^2/ft over 10 ft: #4 needs 31 bars at 3.875 in (< 4);
  // #5 needs 19.7 -> 20 bars at 6.0 in (>= 5).
  BarChoice c = chooseBars(0.61f, 10.0f);
  EXPECT_EQ(c.BSIZE, 5);
  EXPECT_EQ(c.NBAR, 20);
  EXPECT_FLOAT_EQ(c.SPAC, 6.0f);
  // 2.0 in^2/ft: every size is too crowded; #11 takes its own count,
  // 20/1.56 -> 13 bars at 120/13 = 9.23, set to 9.25 in.
  c = chooseBars(2.0f, 10.0f);
  EXPECT_EQ(c.BSIZE, 11);
  EXPECT_EQ(c.NBAR, 13);
  EXPECT_FLOAT_EQ(c.SPAC, 9.25f);
}

TEST(FootingSteel, StrengthSteelOfTheStressBlock) {
  // M = 80 kip-ft/ft at d = 20 in, 4 ksi, grade 60, h = 24 in: the moment
  // exceeds 1.2 Mcr (54.6 kip-ft), so the steel is the block solution.
  const FootingStrengths k = constants('L');
  const double As = blockSteel(12 * 80, 20, 4, 60);
  EXPECT_NEAR(strengthSteel(k, 80.0f, 20.0f, 576.0f), As, 1e-3 * As);
}

TEST(FootingSteel, MinimumSteelOfTheLoadFactorMethod) {
  const FootingStrengths k = constants('L');
  // 1.2 Mcr of a 12-in strip, h = 24 in: 1.2 x 7.5 sqrt(4000)/1000 x 12
  // x 24^2 / 6 = 655.7 kip-in.
  const double Mcr12 = 1.2 * 7.5 * std::sqrt(4000.0) / 1000 * 12 * 576 / 6;
  const double Acr = blockSteel(Mcr12, 20, 4, 60);
  // A small moment: 4/3 of its steel is less than Acr, and governs.
  const double small = blockSteel(12 * 10, 20, 4, 60);
  ASSERT_LT(4.0 / 3.0 * small, Acr);
  EXPECT_NEAR(strengthSteel(k, 10.0f, 20.0f, 576.0f), 4.0 / 3.0 * small,
              1e-3 * small);
  // A moment just below 1.2 Mcr: Acr is less than 4/3 of its steel.
  const double near = blockSteel(12 * 50, 20, 4, 60);
  ASSERT_GT(4.0 / 3.0 * near, Acr);
  ASSERT_LT(near, Acr);
  EXPECT_NEAR(strengthSteel(k, 50.0f, 20.0f, 576.0f), Acr, 1e-3 * Acr);
}

TEST(FootingSteel, MomentBeyondTheStripKeepsItsLargestSteel) {
  // 400 kip-ft/ft on d = 10 in is more than any steel gives the strip;
  // the steel stays at the block depth of the whole section,
  // 0.85 f'c 12 d / fy = 6.8 in^2, and the capacity shows the shortfall.
  const FootingStrengths k = constants('L');
  EXPECT_NEAR(strengthSteel(k, 400.0f, 10.0f, 196.0f), 6.8f, 1e-4f);
  const DirectionSteel d = designDirection(k, 400.0f, 6.0f, 10.5f, 196.0f, 10.125f);
  EXPECT_TRUE(std::isfinite(d.MCAP));
  EXPECT_LT(d.MCAP, 400.0f);
}

TEST(FootingSteel, NoDepthForBarsPlacesNone) {
  const FootingStrengths k = constants('L');
  const DirectionSteel d = designDirection(k, 10.0f, 6.0f, 0.2f, 4.0f, -0.175f);
  EXPECT_EQ(d.NBAR, 0);
  EXPECT_EQ(d.AS, 0.0f);
  EXPECT_EQ(d.MCAP, 0.0f);
  EXPECT_LE(d.DS, 0.0f);
}

TEST(FootingSteel, WorkingStressSteelOfTheCrackedStrip) {
  // Independent: for a trial neutral axis x the steel balancing the
  // compression, As = 6 x^2 / (n (d - x)), carries As fs (d - x/3) / 12
  // kip-ft; bisect x until that is M.
  FootingStrengths k = constants('S');
  k.PHIFY = 24.0f;
  const double M = 25, d = 18, n = 8, fs = 24;
  double lo = 1e-6, hi = d - 1e-6;
  for (int i = 0; i < 200; ++i) {
    const double x = (lo + hi) / 2;
    const double As = 6 * x * x / (n * (d - x));
    (As * fs * (d - x / 3) / 12 < M ? lo : hi) = x;
  }
  const double x = (lo + hi) / 2, jd = d - x / 3;
  const double As = 12 * M / (jd * fs);
  const double fc = 2 * (12 * M) / (12 * x * jd);
  const WorkingStressSteel w = workingStressSteel(k, 25.0f, 18.0f);
  EXPECT_NEAR(w.AS, As, 2e-3 * As);
  EXPECT_NEAR(w.FCS, fc, 2e-3 * fc);
}

TEST(FootingSteel, CapacitiesOfAStripByHand) {
  // Load-factor method, d = 20 in, 1.0 in^2/ft: a = 60/(0.85 x 4 x 12)
  // = 1.4706 in, 0.9 x 60 x 1.0 x (20 - 0.7353)/12 = 86.69 kip-ft;
  // beam shear 1.7 sqrt(4000)/1000 x 12 x 20 = 25.80 kips.
  FootingStrengths k = constants('L');
  k.VPK = 0.2f;
  SectionCapacity c = sectionCapacities(k, 20.0f, 1.0f);
  EXPECT_NEAR(c.MCAP, 86.69f, 0.01f);
  EXPECT_NEAR(c.VBCAP, 25.80f, 0.01f);
  EXPECT_NEAR(c.VPCAP, 48.0f, 1e-4f);
  // Service-load method, n = 8: r = 8/12, kd = sqrt(r^2 + 2 r 20) - r
  // = 4.540 in, jd = 18.487 in; steel 1.0 x 24 x 18.487/12 = 36.97,
  // concrete 1.6 x 12 x 4.540 x 18.487 / 24 = 67.1: the steel governs.
  k = constants('S');
  k.PHIFY = 24.0f;
  k.FCALL = 1.6f;
  c = sectionCapacities(k, 20.0f, 1.0f);
  EXPECT_NEAR(c.MCAP, 36.97f, 0.01f);
  k.FCALL = 0.8f;  // now the concrete, 33.6, governs
  c = sectionCapacities(k, 20.0f, 1.0f);
  EXPECT_NEAR(c.MCAP, 0.8f * 12 * 4.5401f * 18.4866f / 24, 0.01f);
}

// A footing whose governing slots hold the moments MT (slot 2) and ML
// (slot 5), with a 30 in section (D0 = 27 in).
FootingDesign governed(float MT, float ML) {
  FootingDesign fd;
  fd.f = testing::spreadRecord(10.0f, 8.0f, 2.5f, 2.0f);
  fd.sec = spreadSection(fd.f, 3.0f);
  resetGoverning(fd.GOV);
  fd.GOV.slot[kSlotMT].FST[kFstMTF] = MT;
  fd.GOV.slot[kSlotML].FST[kFstMLF] = ML;
  return fd;
}

TEST(FootingSteel, LargerMomentTakesTheLowerLayer) {
  FootingStrengths k = constants('L');
  FootingDesign fd = governed(60.0f, 25.0f);
  const FootingSteel s = reinforceFooting(fd, k);
  EXPECT_STREQ(s.bottomLabel, "TRAN");
  EXPECT_STREQ(s.topLabel, "LONG");
  ASSERT_GT(s.bottom.BSIZE, 0);
  ASSERT_GT(s.top.BSIZE, 0);
  // The lower layer sits on the cover, the upper one on the lower bars.
  const float lower = barOf(s.bottom.BSIZE).diameter;
  EXPECT_FLOAT_EQ(s.bottom.DS, 27.0f - lower / 2);
  EXPECT_FLOAT_EQ(s.top.DS,
                  27.0f - lower - barOf(s.top.BSIZE).diameter / 2);
  // Each layer carries its own moment with the bars it was given.
  EXPECT_GE(s.bottom.MCAP, 60.0f);
  EXPECT_GE(s.top.MCAP, 25.0f);
  // Transverse bars cross the 10 ft width B, longitudinal the 8 ft D.
  EXPECT_GE(barOf(s.bottom.BSIZE).area * s.bottom.NBAR, s.bottom.AS * 10.0f);
  EXPECT_GE(barOf(s.top.BSIZE).area * s.top.NBAR, s.top.AS * 8.0f);
  EXPECT_EQ(s.top.FCS, 0.0f);  // no concrete stress under load factors

  fd = governed(25.0f, 60.0f);
  const FootingSteel t = reinforceFooting(fd, k);
  EXPECT_STREQ(t.bottomLabel, "LONG");
  EXPECT_STREQ(t.topLabel, "TRAN");
  EXPECT_FLOAT_EQ(t.bottom.DS, 27.0f - barOf(t.bottom.BSIZE).diameter / 2);
}

TEST(FootingSteel, ForcesAreHeldAgainstTheDepthsOfTheBarsPlaced) {
  // Load-factor method, bar face 27 in down: 10 #8 across B = 10 ft below
  // (d = 27 - 0.5625 = 26.4375 in), 10 #6 across D = 8 ft on them
  // (d = 27 - 1.125 - 0.4375 = 25.4375 in); the thickness check assumed
  // d = 26.625 in for both. Beam shear 1.7 sqrt(4000)/1000 x 12 d: 34.110
  // and 32.820 (34.352 assumed); punching 0.85 x 4 x 0.063246 x 12 d,
  // upper layer 65.640 (68.704 assumed); upper moment with 0.55 in^2/ft,
  // a = 0.8088 in: 0.9 x 60 x 0.55 (25.4375 - 0.4044)/12 = 61.96.
  struct Case {
    float MT, VT, VP, ML, VL;
    int slot;
  };
  FootingStrengths k = constants('L');
  FootingSteel steel;
  steel.bottom = {0, 10, 8, 0, 0, 0, 0, 26.4375f, 0};
  steel.top = {0, 10, 6, 0, 0, 0, 0, 25.4375f, 0};
  steel.bottomLabel = "TRAN";
  steel.topLabel = "LONG";
  for (const Case c : {Case{40, 30, 60, 20, 30, 0}, Case{40, 34.2f, 60, 20, 30, kSlotVT},
                       Case{40, 30, 66, 20, 30, kSlotVP}, Case{40, 30, 60, 20, 33, kSlotVL},
                       Case{40, 30, 60, 62.5f, 30, kSlotML}}) {
    FootingDesign fd = governed(c.MT, c.ML);
    fd.GOV.slot[kSlotVT].FST[kFstVBF] = c.VT;
    fd.GOV.slot[kSlotVP].FST[kFstVPF] = c.VP;
    fd.GOV.slot[kSlotVL].FST[kFstVLF] = c.VL;
    EXPECT_EQ(slotBeyondSteel(fd, k, steel), c.slot) << c.VT << " " << c.VP << " " << c.VL;
  }
}

TEST(FootingSteel, NoMomentNoBars) {
  FootingStrengths k = constants('L');
  FootingDesign fd = governed(40.0f, -5.0f);
  const FootingSteel s = reinforceFooting(fd, k);
  EXPECT_EQ(s.top.NBAR, 0);
  EXPECT_EQ(s.top.BSIZE, 0);
  EXPECT_EQ(s.top.AS, 0.0f);
  EXPECT_EQ(s.top.MCAP, 0.0f);
  EXPECT_EQ(s.top.VBCAP, 0.0f);
  EXPECT_EQ(s.top.VPCAP, 0.0f);
}

TEST(FootingSteel, ServiceMethodUsesTheGroupFactorsOfTheSlots) {
  // Slot 2 from a group II set (1.25): steel stress 1.25 x 24 = 30 ksi.
  FootingStrengths k = constants('S');
  FootingDesign fd = governed(50.0f, 10.0f);
  fd.GOV.slot[kSlotMT].FST[kFstGF] = 1.25f;
  const FootingSteel s = reinforceFooting(fd, k);
  FootingStrengths ref = constants('S');
  ref.PHIFY = 30.0f;
  const WorkingStressSteel w = workingStressSteel(ref, 50.0f, s.bottom.DS);
  EXPECT_NEAR(s.bottom.AS, w.AS, 1e-5f);
  EXPECT_NEAR(s.bottom.FCS, w.FCS, 1e-5f);
  EXPECT_GT(s.bottom.FCS, 0.0f);
}

}  // namespace
}  // namespace bentpier
