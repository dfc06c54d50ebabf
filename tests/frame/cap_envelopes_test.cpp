// Cap envelopes: the dead load as starting value, strict comparisons, wind
// and centrifugal terms on the spans only, and the live-load sequence of
// both design methods worked by hand.
#include "frame/cap_envelopes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace bentpier {
namespace {

// Two columns with both cantilevers, one bearing on every segment.
std::unique_ptr<Problem> twoColumnBent(char method) {
  auto p = std::make_unique<Problem>();
  p->dd.NCOL = 2;
  p->dd.NCAN = 2;
  p->dd.NSPAN = 3;
  p->dd.METHOD = method;
  for (int k = 1; k <= 3; ++k) p->cap[static_cast<size_t>(k)].NB = 1;
  return p;
}

void setFaces(ColumnForces& f, float ml1, float mr1, float ml2, float mr2) {
  f.row[kRowML][1] = ml1;
  f.row[kRowMR][1] = mr1;
  f.row[kRowML][2] = ml2;
  f.row[kRowMR][2] = mr2;
}

// Dead load: ML(1) -50 (left cantilever), MR(1) -100 (span), MP of the span
// 80, of the cantilevers -30 and -20; cap shear right of column 1 60.
void storeDeadLoad(Problem& p, ColumnForces& f) {
  setFaces(f, -50.0f, -100.0f, -90.0f, -40.0f);
  f.MP[1][1] = -30.0f;
  f.MP[2][1] = 80.0f;
  f.MP[3][1] = -20.0f;
  f.VCR[1] = 60.0f;
  f.VCL[2] = -55.0f;
  storeDeadLoadCapValues(p, f);
}

// Stream flow and one lane of centrifugal force, every face and point
// nonzero so that a term wrongly applied off the spans shows.
void storeStreamAndCentrifugal(Problem& p, ColumnForces& f) {
  setFaces(f, 1.0f, 5.0f, 5.0f, 1.0f);
  f.MP[1][1] = f.MP[2][1] = f.MP[3][1] = 1.0f;
  f.VCL.fill(0.0f);
  f.VCR.fill(0.0f);
  f.VCR[1] = 2.0f;
  storeStreamFlowCapValues(p, f);
  setFaces(f, -3.0f, -8.0f, -8.0f, -3.0f);
  f.MP[1][1] = f.MP[2][1] = f.MP[3][1] = -3.0f;
  f.VCR[1] = 4.0f;
  storeCentrifugalCapValues(p, f);
  // Unit-wind moments, also on the outer faces and cantilevers.
  setFaces(f, 2.0f, 2.0f, 2.0f, 2.0f);
  f.MP[1][1] = f.MP[2][1] = f.MP[3][1] = 2.0f;
  storeUnitWindCapMoments(p, f);
}

// The live-load case: ML(1) -20, MR(1) -40, shear right of column 1 30.
void setLiveLoad(ColumnForces& f) {
  setFaces(f, -20.0f, -40.0f, -40.0f, -20.0f);
  f.MP[1][1] = -10.0f;
  f.MP[2][1] = 30.0f;
  f.MP[3][1] = -10.0f;
  f.VCL.fill(0.0f);
  f.VCR.fill(0.0f);
  f.VCR[1] = 30.0f;
  f.VPL[2][1] = f.VPR[2][1] = 0.0f;
}

float X(const Problem& p, int c, int s) { return p.env.X[static_cast<size_t>(c)][static_cast<size_t>(s)]; }

TEST(CapEnvelopes, DeadLoadStartsEveryEnvelope) {
  auto p = twoColumnBent('L');
  ColumnForces f;
  storeDeadLoad(*p, f);
  for (int s : {3, 7, 11, 13, 15, 17, 19, 21, 22}) EXPECT_EQ(X(*p, 1, s), -50.0f) << s;
  for (int s : {4, 8, 12, 14, 16, 18, 20, 23, 24}) EXPECT_EQ(X(*p, 1, s), -100.0f) << s;
  for (int s : {2, 6, 10}) EXPECT_EQ(X(*p, 1, s), 60.0f) << s;
  for (int s : {1, 4, 7, 10, 11, 12, 13, 14, 15}) EXPECT_EQ(p->env.CP[1][2][static_cast<size_t>(s)], 80.0f) << s;
  // A live load that only lowers the moments leaves the maxima at the dead load.
  setLiveLoad(f);
  const float betal = 1.67f;
  f.FTRAN = 0.0f;
  updateLiveLoadEnvelopes(*p, f, betal, 0, 0.0f, false, false);
  EXPECT_EQ(X(*p, 1, 8), -100.0f);
  EXPECT_NEAR(X(*p, 1, 12), -100.0f - 1.67f * 40.0f, 1e-4f);
  EXPECT_EQ(p->env.CP[1][1][4], -30.0f);
}

TEST(CapEnvelopes, EqualValuesDoNotReplaceAnEntry) {
  // Positive and negative zero compare equal: a strict test keeps the
  // entry's own zero, a non-strict one would take the new one.
  auto p = twoColumnBent('L');
  ColumnForces f;
  f.row[kRowML].fill(0.0f);
  f.row[kRowMR].fill(0.0f);
  for (auto& s : f.MP) s.fill(0.0f);
  f.VCL.fill(0.0f);
  f.VCR.fill(0.0f);
  storeDeadLoadCapValues(*p, f);
  f.row[kRowML].fill(-0.0f);
  f.row[kRowMR].fill(-0.0f);
  for (auto& s : f.MP) s.fill(-0.0f);
  f.VCL.fill(-0.0f);
  f.VCR.fill(-0.0f);
  for (auto& s : f.VPL) s.fill(-0.0f);
  for (auto& s : f.VPR) s.fill(-0.0f);
  updateGroupOne(*p, f);
  updateEnvelopeB(*p, f);
  for (int c = 1; c <= 2; ++c)
    for (int s = 5; s <= 24; ++s) EXPECT_FALSE(std::signbit(X(*p, c, s))) << c << " " << s;
  for (int s = 4; s <= 15; ++s) EXPECT_FALSE(std::signbit(p->env.CP[1][2][static_cast<size_t>(s)])) << s;
}

TEST(CapEnvelopes, WindReachesOnlyTheSpans) {
  auto p = twoColumnBent('L');
  ColumnForces f;
  storeDeadLoad(*p, f);
  storeStreamAndCentrifugal(*p, f);
  setFaces(f, -50.0f, -100.0f, -90.0f, -40.0f);
  f.MP[1][1] = -30.0f;
  f.MP[2][1] = 80.0f;
  f.MP[3][1] = -20.0f;
  f.FTRAN = -5.0f;  // |2 x -5| = 10
  updateWithWind(*p, f, kGroupThreeMax, kGroupThreeMin);
  EXPECT_EQ(X(*p, 1, 18), -90.0f);   // MR(1) max
  EXPECT_EQ(X(*p, 1, 20), -110.0f);  // MR(1) min
  EXPECT_EQ(X(*p, 2, 17), -80.0f);   // ML(2) max
  EXPECT_EQ(X(*p, 2, 19), -100.0f);
  EXPECT_EQ(p->env.CP[1][2][12], 90.0f);
  EXPECT_EQ(p->env.CP[1][2][13], 70.0f);
  // Outer faces and cantilever points keep the dead load.
  EXPECT_EQ(X(*p, 1, 17), -50.0f);
  EXPECT_EQ(X(*p, 1, 19), -50.0f);
  EXPECT_EQ(X(*p, 2, 18), -40.0f);
  EXPECT_EQ(X(*p, 2, 20), -40.0f);
  for (int k : {1, 3}) {
    EXPECT_EQ(p->env.CP[1][static_cast<size_t>(k)][12], k == 1 ? -30.0f : -20.0f);
    EXPECT_EQ(p->env.CP[1][static_cast<size_t>(k)][13], k == 1 ? -30.0f : -20.0f);
  }
}

TEST(CapEnvelopes, GroupTwoIsDeadLoadWithWindThenWithStreamFlow) {
  auto p = twoColumnBent('L');
  ColumnForces f;
  storeDeadLoad(*p, f);
  storeStreamAndCentrifugal(*p, f);
  setFaces(f, 7.0f, 7.0f, 7.0f, 7.0f);  // whatever the wind case left
  f.FTRAN = 2.5f;                    // w = 5
  updateGroupTwoEnvelope(*p, f, true);
  // MR(1): dead -100 +- 5, then -95 (stream +5) +- 5.
  EXPECT_EQ(X(*p, 1, 14), -90.0f);
  EXPECT_EQ(X(*p, 1, 16), -105.0f);
  // Span point: 80 +- 5, then 81 +- 5.
  EXPECT_EQ(p->env.CP[1][2][10], 86.0f);
  EXPECT_EQ(p->env.CP[1][2][11], 75.0f);
  EXPECT_EQ(X(*p, 1, 13), -50.0f);  // outer face untouched
}

TEST(CapEnvelopes, LiveLoadSequenceOfTheLoadFactorMethod) {
  auto p = twoColumnBent('L');
  ColumnForces f;
  storeDeadLoad(*p, f);
  storeStreamAndCentrifugal(*p, f);
  setLiveLoad(f);
  const float betal = 1.67f;
  f.FTRAN = 3.0f;  // unit-wind moment 2 -> w = 6
  updateLiveLoadEnvelopes(*p, f, betal, 2, 2.0f, true, true);
  // MR(1), worked by hand: B = DL + LL = -140; with stream and two lanes of
  // centrifugal force -151; group III -140 - 6 and -151 - 6.
  EXPECT_EQ(X(*p, 1, 23), -100.0f);
  EXPECT_NEAR(X(*p, 1, 24), -151.0f, 1e-4f);
  EXPECT_EQ(X(*p, 1, 18), -100.0f);
  EXPECT_NEAR(X(*p, 1, 20), -157.0f, 1e-4f);
  // Group I: -100 + 1.67 x -40 = -166.8, with stream and centrifugal -177.8.
  EXPECT_EQ(X(*p, 1, 8), -100.0f);
  EXPECT_NEAR(X(*p, 1, 12), -177.8f, 1e-3f);
  // ML(1) on the cantilever side: stream flow counts, wind and centrifugal not.
  EXPECT_NEAR(X(*p, 1, 22), -70.0f, 1e-4f);
  EXPECT_NEAR(X(*p, 1, 11), -83.4f, 1e-3f);
  EXPECT_EQ(X(*p, 1, 19), -50.0f);
  // Shear right of column 1: 1.67 x 30 + 60 + 2 + 2 x 4 = 120.1.
  EXPECT_NEAR(X(*p, 1, 6), 120.1f, 1e-3f);
  EXPECT_EQ(X(*p, 1, 10), 60.0f);
  // Span point: 80 + 1.67 x 30 = 130.1, + 1 + 2 x -3 = 125.1.
  EXPECT_NEAR(p->env.CP[1][2][4], 130.1f, 1e-3f);
  EXPECT_NEAR(p->env.CP[1][2][14], 110.0f, 1e-4f);  // B max: 80 + 30
  EXPECT_NEAR(p->env.CP[1][2][12], 116.0f, 1e-4f);                // 110 + 6
}

TEST(CapEnvelopes, LiveLoadSequenceOfTheServiceLoadMethod) {
  auto p = twoColumnBent('S');
  ColumnForces f;
  storeDeadLoad(*p, f);
  storeStreamAndCentrifugal(*p, f);
  setLiveLoad(f);
  const float betal = 1.0f;
  f.FTRAN = 3.0f;
  updateLiveLoadEnvelopes(*p, f, betal, 2, 2.0f, true, true);
  // MR(1): -140, group III -146; with stream and centrifugal -151, -157.
  EXPECT_NEAR(X(*p, 1, 12), -151.0f, 1e-4f);
  EXPECT_NEAR(X(*p, 1, 24), -151.0f, 1e-4f);
  EXPECT_NEAR(X(*p, 1, 20), -157.0f, 1e-4f);
  EXPECT_NEAR(X(*p, 1, 6), 60.0f + 30.0f + 2.0f + 8.0f, 1e-4f);
}

TEST(CapEnvelopes, LiveLoadWithoutLanesSkipsWindStreamAndCentrifugal) {
  auto p = twoColumnBent('L');
  ColumnForces f;
  storeDeadLoad(*p, f);
  storeStreamAndCentrifugal(*p, f);
  setLiveLoad(f);
  const float betal = 2.2f;
  f.FTRAN = 3.0f;
  updateLiveLoadEnvelopes(*p, f, betal, 0, 0.0f, true, true);
  EXPECT_NEAR(X(*p, 1, 12), -100.0f - 2.2f * 40.0f, 1e-3f);
  EXPECT_NEAR(X(*p, 1, 24), -140.0f, 1e-4f);
  EXPECT_EQ(X(*p, 1, 20), -100.0f);
}

TEST(CapEnvelopes, OneColumnHasNoSpansForWindOrCentrifugalTerms) {
  auto p = std::make_unique<Problem>();
  ColumnForces f;
  p->dd.NCOL = 1;
  p->dd.NCAN = 2;
  p->dd.METHOD = 'L';
  p->cap[1].NB = p->cap[2].NB = 1;
  setFaces(f, -50.0f, -60.0f, 0.0f, 0.0f);
  f.MP[1][1] = -10.0f;
  f.MP[2][1] = -12.0f;
  storeDeadLoadCapValues(*p, f);
  p->env.UWML.fill(1.0f);
  p->env.UWMR.fill(1.0f);
  f.FTRAN = 100.0f;
  updateWithWind(*p, f, kGroupThreeMax, kGroupThreeMin);
  addCapMomentsOnSpans(*p, f, kDeadLoadMoments, 5.0f);
  EXPECT_EQ(X(*p, 1, 17), -50.0f);
  EXPECT_EQ(X(*p, 1, 20), -60.0f);
  EXPECT_EQ(f.row[kRowML][1], -50.0f);
  // Group I still covers both faces and the cantilever points.
  setFaces(f, -70.0f, -20.0f, 0.0f, 0.0f);
  f.MP[2][1] = -30.0f;
  updateGroupOne(*p, f);
  EXPECT_EQ(X(*p, 1, 11), -70.0f);
  EXPECT_EQ(X(*p, 1, 8), -20.0f);
  EXPECT_EQ(p->env.CP[1][2][7], -30.0f);
}

}  // namespace
}  // namespace bentpier
