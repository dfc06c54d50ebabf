// The frame analysis of one load against an independent direct-stiffness
// solution of prismatic bents, and the hand results of the simple cases.
#include "frame/bent_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "frame/bent_model.h"

namespace bentpier {
namespace {

using testing::BentLoad;
using testing::BentSolution;
using testing::PrismaticBent;
using testing::buildBent;
using testing::ix;
using testing::solveByStiffness;

// Bents of 2 to 6 columns with unequal spans, heights and stiffnesses.
PrismaticBent bentOf(int ncol, bool cantilevers, float flex) {
  PrismaticBent b;
  for (int c = 1; c <= ncol; ++c) {
    b.heights.push_back(18.0f + 3.0f * static_cast<float>(c % 3));
    b.columnEI.push_back(4.0e5f * (1.0f + 0.25f * static_cast<float>(c % 2)));
    b.flex.push_back(flex);
  }
  for (int s = 2; s <= ncol; ++s) {
    const float length = 20.0f + 4.0f * static_cast<float>(s % 2);
    b.spans.push_back(length);
    b.spanEI.push_back(9.0e5f * (1.0f + 0.5f * static_cast<float>(s % 3)));
    b.spanLoads.push_back({{0.3f * length, 60.0f + 5.0f * static_cast<float>(s)},
                           {0.75f * length, 45.0f}});
  }
  if (cantilevers) {
    b.leftCantilever = 8.0f;
    b.leftLoads = {{6.5f, 40.0f}, {3.0f, 25.0f}};
    b.rightCantilever = 6.0f;
    b.rightLoads = {{2.5f, 35.0f}};
  }
  return b;
}

// The whole-store test fixture: a Problem is large, so it lives on the heap.
struct Bent {
  explicit Bent(const PrismaticBent& b) : model(b), p(std::make_unique<Problem>()) {
    q = buildBent(model, *p);
    clearForces(f);
    makeUnitSolution(*p, f);
  }
  float row(int r, int c) const { return f.row[ix(r)][ix(c)]; }
  PrismaticBent model;
  std::unique_ptr<Problem> p;
  ColumnForces f;  // the column force set of the case in hand
  LoadVector q{};
};

// Gravity case as the driver runs it: loads, solution, sway correction,
// cap values at the bearings.
void runGravityCase(Bent& t) {
  clearForces(t.f);
  clearBearingPoints(t.f);
  applyBearingLoads(*t.p, t.f, t.q);
  solveFrame(*t.p, t.f);
  swayCorrection(*t.p, t.f);
  bearingPointCorrection(*t.p, t.f);
}

double largest(const BentSolution& s) {
  double m = 0.0;
  for (const auto* v : {&s.MT, &s.MB, &s.V, &s.RF, &s.ML, &s.MR})
    for (double x : *v) m = std::max(m, std::fabs(x));
  return m;
}

// Column end moments, shears, axial loads and cap face moments within 0.1 %
// of the largest value of the case.
void expectAgreement(const Bent& t, const BentSolution& s, bool capShears) {
  const double tol = 1e-3 * largest(s);
  for (int c = 1; c <= t.model.ncol(); ++c) {
    SCOPED_TRACE("column " + std::to_string(c));
    EXPECT_NEAR(t.row(kRowMT, c), s.MT[ix(c)], tol);
    EXPECT_NEAR(t.row(kRowMB, c), s.MB[ix(c)], tol);
    EXPECT_NEAR(t.row(kRowV, c), s.V[ix(c)], tol);
    EXPECT_NEAR(t.row(kRowRF, c), s.RF[ix(c)], tol);
    EXPECT_NEAR(t.row(kRowPC, c), s.RF[ix(c)], tol);
    EXPECT_NEAR(t.row(kRowPB, c), s.RF[ix(c)], tol);
    EXPECT_NEAR(t.row(kRowML, c), s.ML[ix(c)], tol);
    EXPECT_NEAR(t.row(kRowMR, c), s.MR[ix(c)], tol);
    if (capShears) {
      EXPECT_NEAR(t.f.VCL[ix(c)], s.VCL[ix(c)], tol);
      EXPECT_NEAR(t.f.VCR[ix(c)], s.VCR[ix(c)], tol);
    }
  }
}

class FrameAgainstStiffness : public ::testing::TestWithParam<std::tuple<int, bool, float>> {};

TEST_P(FrameAgainstStiffness, GravityLoadsOnSpansAndCantilevers) {
  const auto [ncol, cantilevers, flex] = GetParam();
  Bent t(bentOf(ncol, cantilevers, flex));
  runGravityCase(t);
  const BentSolution s = solveByStiffness(t.model);
  expectAgreement(t, s, true);
  // Bearing-point moments of the spans.
  const double tol = 1e-3 * largest(s);
  for (int k = 2; k <= ncol; ++k)
    for (int qn = 1; qn <= t.p->cap[ix(k)].NB; ++qn)
      EXPECT_NEAR(t.f.MP[ix(k)][ix(qn)], s.MP[ix(k)][ix(qn - 1)], tol) << "span " << k;
}

TEST_P(FrameAgainstStiffness, LateralForceAtTheCap) {
  const auto [ncol, cantilevers, flex] = GetParam();
  PrismaticBent b = bentOf(ncol, cantilevers, flex);
  for (auto& loads : b.spanLoads)
    for (BentLoad& l : loads) l.load = 0.0f;
  b.leftLoads.clear();
  b.rightLoads.clear();
  Bent t(b);
  clearForces(t.f);
  t.f.FTRAN = 100.0f;
  t.f.ARMT = 0.0f;
  transverseLateralLoad(*t.p, t.f);
  bearingPointCorrection(*t.p, t.f);
  const BentSolution s = solveByStiffness(t.model, 100.0);
  expectAgreement(t, s, false);
  // The cap shears are the end-moment shears of the spans.
  const double tol = 1e-3 * largest(s);
  for (int c = 2; c <= ncol; ++c) {
    EXPECT_NEAR(t.f.VCL[ix(c)], s.VCL[ix(c)], tol);
    EXPECT_NEAR(t.f.VCR[ix(c - 1)], s.VCR[ix(c - 1)], tol);
  }
}

INSTANTIATE_TEST_SUITE_P(Bents, FrameAgainstStiffness,
                         ::testing::Combine(::testing::Range(2, 7), ::testing::Bool(),
                                            ::testing::Values(0.0f, 1.0f)));

TEST(FrameAnalysis, LoadsOverColumnsMixedWithSpanLoads) {
  PrismaticBent b = bentOf(4, true, 0.0f);
  b.columnLoads = {30.0f, 0.0f, 20.0f, 10.0f};
  Bent t(b);
  runGravityCase(t);
  expectAgreement(t, solveByStiffness(t.model), true);
  // A load over a column goes to that column's statical load only.
  clearForces(t.f);
  applyBearingLoads(*t.p, t.f, t.q);
  const float loads[5] = {0.0f, 30.0f, 0.0f, 20.0f, 10.0f};
  for (int c = 1; c <= 4; ++c)
    EXPECT_NEAR(t.row(kRowPSTAT, c) - t.f.VCR[ix(c)] + t.f.VCL[ix(c)], loads[c], 1e-4f);
}

TEST(FrameAnalysis, MixedBaseReleases) {
  PrismaticBent b = bentOf(4, true, 0.0f);
  b.flex = {1.0f, 0.0f, 1.0f, 0.0f};
  Bent t(b);
  runGravityCase(t);
  expectAgreement(t, solveByStiffness(t.model), true);
  EXPECT_NEAR(t.row(kRowMB, 1), 0.0f, 1e-3f);
  EXPECT_NEAR(t.row(kRowMB, 3), 0.0f, 1e-3f);
}

TEST(FrameAnalysis, SwayCorrectionLeavesNoNetColumnShear) {
  for (int ncol = 2; ncol <= 6; ++ncol) {
    Bent t(bentOf(ncol, true, 0.0f));
    clearForces(t.f);
    applyBearingLoads(*t.p, t.f, t.q);
    solveFrame(*t.p, t.f);
    float before = 0.0f;
    for (int c = 1; c <= ncol; ++c) before += t.row(kRowV, c);
    EXPECT_GT(std::fabs(before), 0.1f) << "unsymmetric bent must sway";
    swayCorrection(*t.p, t.f);
    float sum = 0.0f, scale = 0.0f;
    for (int c = 1; c <= ncol; ++c) {
      sum += t.row(kRowV, c);
      scale = std::max(scale, std::fabs(t.row(kRowV, c)));
    }
    EXPECT_NEAR(sum, 0.0f, 1e-5f * scale + 1e-4f) << ncol << " columns";
  }
}

TEST(FrameAnalysis, SymmetricBentUnderSymmetricLoadsDoesNotSway) {
  PrismaticBent b;
  b.heights = {20.0f, 24.0f, 20.0f};
  b.columnEI = {5.0e5f, 7.0e5f, 5.0e5f};
  b.flex = {0.0f, 0.0f, 0.0f};
  b.spans = {22.0f, 22.0f};
  b.spanEI = {8.0e5f, 8.0e5f};
  b.spanLoads = {{{5.0f, 70.0f}, {14.0f, 40.0f}}, {{8.0f, 40.0f}, {17.0f, 70.0f}}};
  b.leftCantilever = b.rightCantilever = 7.0f;
  b.leftLoads = b.rightLoads = {{5.0f, 30.0f}};
  Bent t(b);
  clearForces(t.f);
  applyBearingLoads(*t.p, t.f, t.q);
  solveFrame(*t.p, t.f);
  const ForceRows before = t.f.row;
  const float scale = std::fabs(before[kRowMT][1]);
  ASSERT_GT(scale, 1.0f);
  EXPECT_NEAR(t.f.FTRAN, 0.0f, 1e-4f * scale);
  swayCorrection(*t.p, t.f);
  for (int r = kRowML; r <= kRowRF; ++r)
    for (int c = 1; c <= 3; ++c)
      EXPECT_NEAR(t.row(r, c), before[ix(r)][ix(c)], 1e-4f * scale) << "row " << r;
  // Mirror image: the outer columns carry equal and opposite moments.
  EXPECT_NEAR(t.row(kRowMT, 1), -t.row(kRowMT, 3), 1e-4f * scale);
  EXPECT_NEAR(t.row(kRowMT, 2), 0.0f, 1e-4f * scale);
}

TEST(FrameAnalysis, HingedBaseReleasesTheBottomMoment) {
  Bent t(bentOf(3, false, 1.0f));
  runGravityCase(t);
  for (int c = 1; c <= 3; ++c) EXPECT_NEAR(t.row(kRowMB, c), 0.0f, 1e-3f);
  // Under lateral load the hinged columns are cantilevers from the cap down.
  clearForces(t.f);
  t.f.FTRAN = 10.0f;
  transverseLateralLoad(*t.p, t.f);
  for (int c = 1; c <= 3; ++c) {
    EXPECT_NEAR(t.row(kRowMB, c), 0.0f, 1e-4f);
    EXPECT_NEAR(t.row(kRowV, c), t.row(kRowMT, c) / t.model.heights[ix(c - 1)], 1e-4f);
  }
}

TEST(FrameAnalysis, UnitSolutionCarriesAUnitForce) {
  Bent t(bentOf(4, false, 0.0f));
  float sum = 0.0f;
  for (int c = 1; c <= 4; ++c) {
    sum += t.p->stored.UNIT.row[kRowV][ix(c)];
    EXPECT_FLOAT_EQ(t.row(kRowMT, c), t.p->stored.UNIT.row[kRowMT][ix(c)]);
  }
  EXPECT_NEAR(sum, 1.0f, 1e-6f);
  // Equal prismatic columns under a rigid cap would share it by 12EI/h^3;
  // the flexible cap only redistributes, the sign stays that of the force.
  for (int c = 1; c <= 4; ++c) EXPECT_GT(t.p->stored.UNIT.row[kRowV][ix(c)], 0.0f);
}

TEST(FrameAnalysis, BentWithoutSwayStiffnessKeepsAZeroUnitSolution) {
  Bent t(bentOf(2, false, 0.0f));
  auto& p = *t.p;
  ColumnForces& f = t.f;
  for (int c = 1; c <= 2; ++c) p.colp[ix(c)].UFMT = p.colp[ix(c)].UFMB = 0.0f;
  clearForces(f);
  makeUnitSolution(p, f);
  for (int r = kRowML; r <= kRowRF; ++r)
    for (int c = 1; c <= 2; ++c) {
      EXPECT_EQ(p.stored.UNIT.row[ix(r)][ix(c)], 0.0f);
      EXPECT_TRUE(std::isfinite(t.row(r, c)));
    }
}

TEST(FrameAnalysis, OverturningOfALateralForceAboveTheCap) {
  Bent t(bentOf(3, false, 0.0f));
  auto& p = *t.p;
  ColumnForces& f = t.f;
  clearForces(f);
  f.FTRAN = 10.0f;
  f.ARMT = 0.0f;
  transverseLateralLoad(p, f);
  const ForceRows atCap = f.row;
  f.FTRAN = 10.0f;
  f.ARMT = 6.0f;
  transverseLateralLoad(p, f);
  // Overturning moment 60 taken as x / sum x^2 about the column centroid;
  // spans 20 and 24 put the columns at 0, 20, 44.
  const float mean = 64.0f / 3.0f;
  const float x[4] = {0.0f, -mean, 20.0f - mean, 44.0f - mean};
  const float sumSq = x[1] * x[1] + x[2] * x[2] + x[3] * x[3];
  ASSERT_FLOAT_EQ(t.model.spans[0], 20.0f);
  ASSERT_FLOAT_EQ(t.model.spans[1], 24.0f);
  for (int c = 1; c <= 3; ++c) {
    const float d = x[c] / sumSq * 60.0f;
    EXPECT_NEAR(t.row(kRowRF, c), atCap[kRowRF][ix(c)] - d, 1e-4f);
    EXPECT_NEAR(t.row(kRowPC, c), atCap[kRowPC][ix(c)] - d, 1e-4f);
    EXPECT_FLOAT_EQ(t.row(kRowPB, c), t.row(kRowPC, c));
    EXPECT_FLOAT_EQ(t.row(kRowMT, c), atCap[kRowMT][ix(c)]);
  }
}

TEST(FrameAnalysis, LongitudinalForceSharedByLateralStiffness) {
  Bent t(bentOf(2, false, 0.0f));
  auto& p = *t.p;
  ColumnForces& f = t.f;
  p.col[1].DL = 2.0f;
  p.col[2].DL = 1.5f;
  f.FLONG = 30.0f;
  f.ARML = 4.0f;
  longitudinalLateralLoad(p, f);
  // EI/h^3 of the two columns: 5e5/21^3 and 4e5/24^3.
  const float k1 = 5.0e5f / (21.0f * 21.0f * 21.0f), k2 = 4.0e5f / (24.0f * 24.0f * 24.0f);
  const float v1 = 30.0f * k1 / (k1 + k2), v2 = 30.0f * k2 / (k1 + k2);
  EXPECT_NEAR(t.row(kRowVL, 1), v1, 1e-4f);
  EXPECT_NEAR(t.row(kRowVL, 2), v2, 1e-4f);
  EXPECT_NEAR(t.row(kRowMTL, 1), 6.0f * v1, 1e-3f);
  EXPECT_NEAR(t.row(kRowMBL, 1), 25.0f * v1, 1e-3f);
  EXPECT_NEAR(t.row(kRowMF, 1), 25.0f * v1, 1e-3f);
  EXPECT_NEAR(t.row(kRowMTL, 2), 5.5f * v2, 1e-3f);
  EXPECT_NEAR(t.row(kRowMBL, 2), 28.0f * v2, 1e-3f);
}

TEST(FrameAnalysis, OneColumnTakesTheWholeCapMoment) {
  PrismaticBent b;
  b.heights = {25.0f};
  b.columnEI = {6.0e5f};
  b.leftCantilever = 10.0f;
  b.leftLoads = {{8.0f, 50.0f}, {3.0f, 20.0f}};
  b.rightCantilever = 12.0f;
  b.rightLoads = {{4.0f, 30.0f}, {9.0f, 60.0f}};
  b.columnLoads = {15.0f};
  Bent t(b);
  auto& p = *t.p;
  ColumnForces& f = t.f;
  clearForces(f);
  clearBearingPoints(f);
  applyBearingLoads(p, f, t.q);
  solveFrame(p, f);
  // Left: 50 x 8 + 20 x 3 = 460 hogging; right: 30 x 4 + 60 x 9 = 660.
  EXPECT_FLOAT_EQ(t.row(kRowML, 1), 460.0f);
  EXPECT_FLOAT_EQ(t.row(kRowMR, 1), -660.0f);
  EXPECT_FLOAT_EQ(t.row(kRowMT, 1), 200.0f);
  EXPECT_FLOAT_EQ(t.row(kRowMB, 1), -200.0f);
  EXPECT_FLOAT_EQ(t.row(kRowV, 1), 0.0f);
  for (int r : {kRowPSTAT, kRowRF, kRowPC, kRowPB}) EXPECT_FLOAT_EQ(t.row(r, 1), 175.0f);
  EXPECT_FLOAT_EQ(f.VCL[1], -70.0f);
  EXPECT_FLOAT_EQ(f.VCR[1], 90.0f);
  // Cantilever bearing values: left from the tip, right from the column.
  EXPECT_FLOAT_EQ(f.MP[1][1], 0.0f);
  EXPECT_FLOAT_EQ(f.MP[1][2], -250.0f);  // 50 x (8 - 3)
  EXPECT_FLOAT_EQ(f.VPR[1][2], -70.0f);
  EXPECT_FLOAT_EQ(f.MP[2][1], -300.0f);  // 60 x (9 - 4)
  EXPECT_FLOAT_EQ(f.VPL[2][1], 90.0f);
  EXPECT_FLOAT_EQ(f.VPR[2][2], 0.0f);
  bearingPointCorrection(p, f);
  EXPECT_FLOAT_EQ(t.row(kRowML, 1), -460.0f);
  EXPECT_FLOAT_EQ(f.MP[1][2], -250.0f);
}

TEST(FrameAnalysis, OneColumnUnderALateralForce) {
  PrismaticBent b;
  b.heights = {25.0f};
  b.columnEI = {6.0e5f};
  Bent t(b);
  auto& p = *t.p;
  ColumnForces& f = t.f;
  p.col[1].DL = 3.0f;
  f.FTRAN = 8.0f;
  f.ARMT = 5.0f;
  transverseLateralLoad(p, f);
  EXPECT_FLOAT_EQ(t.row(kRowMB, 1), 240.0f);  // (25 + 5) x 8
  EXPECT_FLOAT_EQ(t.row(kRowMT, 1), -64.0f);  // -(3 + 5) x 8
  EXPECT_FLOAT_EQ(t.row(kRowV, 1), 8.0f);
  EXPECT_FLOAT_EQ(t.row(kRowRF, 1), 0.0f);
}

}  // namespace
}  // namespace bentpier
