// Footing constants, the preparation of a footing (round and rotated
// columns) and the governing table.
#include <gtest/gtest.h>

#include <cmath>

#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

TEST(FootingConstantsTest, MaterialConstantsByHand) {
  // f'c = 4 ksi: sqrt(4000) = 63.246 psi = 0.063246 ksi.
  FootingStrengths k = footingStrengths(testing::footingParams(), 'L', 'D');
  EXPECT_NEAR(k.SQFC, 0.0632456f, 1e-6f);
  EXPECT_NEAR(k.PHIFY, 54.0f, 1e-5f);
  // 1.2 fr / (6 x 0.9 f'c) with fr = 7.5 sqrt(f'c) = 0.47434 ksi.
  EXPECT_NEAR(k.RMINF, 1.2f * 0.474342f / (5.4f * 4.0f), 1e-6f);
  // 0.75 rho_b: 0.75 x 0.85 x 0.85 x 4/60 x 87/147.
  EXPECT_NEAR(k.RHOMAX, 0.75f * 0.85f * 0.85f * 4.0f / 60.0f * 87.0f / 147.0f,
              1e-6f);
  EXPECT_NEAR(k.VBK, 1.7f * 0.0632456f, 1e-6f);
  EXPECT_NEAR(k.VBS, 0.95f * 0.0632456f, 1e-6f);
  k = footingStrengths(testing::footingParams(), 'S', 'D');
  EXPECT_NEAR(k.RMINF, 2.25f * 1.6f / 24.0f, 1e-6f);
}

TEST(FootingConstantsTest, PunchingStressOfBothMethods) {
  const FootingStrengths L = footingStrengths(testing::footingParams(), 'L', 'D');
  const FootingStrengths S = footingStrengths(testing::footingParams(), 'S', 'D');
  // Square column: 0.85 x 4 sqrt(f'c); long column (BETA 4): 0.85 x 3.
  EXPECT_NEAR(punchingStress(L, 1.0f, 1.0f), 3.4f * L.SQFC, 1e-6f);
  EXPECT_NEAR(punchingStress(L, 4.0f, 1.0f), 0.85f * 3.0f * L.SQFC, 1e-6f);
  // Service: 1.8 sqrt(f'c) for a square column, 0.8 + 2/4 = 1.3 for
  // BETA 4, times the group factor.
  EXPECT_NEAR(punchingStress(S, 1.0f, 1.25f), 1.25f * 1.8f * S.SQFC, 1e-6f);
  EXPECT_NEAR(punchingStress(S, 4.0f, 1.0f), 1.3f * S.SQFC, 1e-6f);
}

TEST(FootingConstantsTest, GroupAllowanceFactors) {
  EXPECT_EQ(groupAllowanceFactor('1'), 1.0f);
  EXPECT_EQ(groupAllowanceFactor('A'), 1.0f);
  EXPECT_EQ(groupAllowanceFactor('2'), 1.25f);
  EXPECT_EQ(groupAllowanceFactor('3'), 1.25f);
  EXPECT_EQ(groupAllowanceFactor('4'), 1.25f);
  EXPECT_EQ(groupAllowanceFactor('5'), 1.4f);
  EXPECT_EQ(groupAllowanceFactor('7'), 1.33f);
  EXPECT_EQ(groupAllowanceFactor('B'), 1.33f);
}

TEST(FootingPreparation, RoundColumnBecomesTheSquareOfEqualArea) {
  FootingData r = testing::spreadRecord(8.0f, 8.0f, 2.0f, 0.0f);
  r.DB = 3.0f;
  const FootingStrengths k = footingStrengths(testing::footingParams(), 'L', 'D');
  const FootingDesign fd = prepareFooting(r, 1, k);
  // pi 3^2 / 4 = 7.0686 ft^2, side 2.6587 ft.
  EXPECT_NEAR(fd.f.BB, 2.6587f, 1e-4f);
  EXPECT_NEAR(fd.f.DB, 2.6587f, 1e-4f);
  EXPECT_NEAR(fd.CAREA, 7.0686f, 1e-3f);
}

TEST(FootingPreparation, RotatedFootingExchangesTheDirections) {
  FootingData r = testing::spreadRecord(8.0f, 8.0f, 2.0f, 0.0f);
  r.BB = 2.0f;
  r.DB = 3.0f;
  r.S_HT = 4.0f;
  r.SYM = 2;
  r = testing::withSets(r, {testing::loadSet('1', 100, 10, 1, 20, 2)});
  const FootingStrengths k = footingStrengths(testing::footingParams(), 'L', 'D');
  const FootingDesign fd = prepareFooting(r, 1, k);
  EXPECT_EQ(fd.f.BB, 3.0f);
  EXPECT_EQ(fd.f.DB, 2.0f);
  const FootingLoadRecord& s = fd.set(1);
  EXPECT_EQ(s.MTS, 20.0f);
  EXPECT_EQ(s.MLS, 10.0f);
  EXPECT_EQ(s.VTS, 2.0f);
  EXPECT_EQ(s.VLS, 1.0f);
  EXPECT_EQ(s.MTF, 30.0f);
  EXPECT_EQ(s.MLF, 15.0f);
  EXPECT_EQ(s.VTF, 3.0f);
  EXPECT_EQ(s.VLF, 1.5f);
  EXPECT_EQ(s.PS, 100.0f);
  EXPECT_NEAR(fd.SOILP, 0.48f, 1e-6f);  // 0.12 kcf x 4 ft
}

FootingState state(int element, float value, float GF) {
  FootingState F{};
  F[static_cast<size_t>(element)] = value;
  F[kFstGF] = GF;
  return F;
}

TEST(FootingGoverning, SlotsKeepTheLargestRatioAndTheEarlierOfEqualOnes) {
  GoverningTable GOV;
  resetGoverning(GOV);
  EXPECT_EQ(GOV.slot[kSlotMT].FST[kFstMTF], kGovLargestReset);
  EXPECT_EQ(GOV.slot[kSlotP3].FST[kFstP3], kGovSmallestReset);
  updateGoverning(GOV, kSlotMT, state(kFstMTF, 50.0f, 1.0f), 1);
  EXPECT_EQ(GOV.slot[kSlotMT].set, 1);
  // 60 under group II (1.25) is 48 < 50: kept out.
  updateGoverning(GOV, kSlotMT, state(kFstMTF, 60.0f, 1.25f), 2);
  EXPECT_EQ(GOV.slot[kSlotMT].set, 1);
  // 62.5 / 1.25 = 50: equal, the earlier set stays.
  updateGoverning(GOV, kSlotMT, state(kFstMTF, 62.5f, 1.25f), 3);
  EXPECT_EQ(GOV.slot[kSlotMT].set, 1);
  updateGoverning(GOV, kSlotMT, state(kFstMTF, 63.0f, 1.25f), 4);
  EXPECT_EQ(GOV.slot[kSlotMT].set, 4);
  EXPECT_EQ(GOV.slot[kSlotMT].FST[kFstMTF], 63.0f);
  EXPECT_EQ(GOV.slot[kSlotMT].FST[kFstGF], 1.25f);
}

TEST(FootingGoverning, SmallestCornerSlotKeepsTheSmallest) {
  GoverningTable GOV;
  resetGoverning(GOV);
  updateGoverning(GOV, kSlotP3, state(kFstP3, 2.0f, 1.0f), 1);
  updateGoverning(GOV, kSlotP3, state(kFstP3, 3.0f, 1.0f), 2);
  EXPECT_EQ(GOV.slot[kSlotP3].set, 1);
  updateGoverning(GOV, kSlotP3, state(kFstP3, -1.0f, 1.4f), 3);
  EXPECT_EQ(GOV.slot[kSlotP3].set, 3);
}

}  // namespace
}  // namespace bentpier
