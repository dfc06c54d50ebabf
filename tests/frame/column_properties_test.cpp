// Column stiffness, carry-overs, sway moments, weight and weight moments:
// prismatic and circular columns against the closed forms, tapered columns
// against the flexibility integrals of the tapered member taken finely.
#include <gtest/gtest.h>

#include "frame/member_properties.h"
#include "frame/properties_fixture.h"

namespace bentpier {
namespace {

using testing::endRotations;
using testing::kKsfPerKsi;
using testing::kUnitWeight;
using testing::memberFlexibility;
using testing::MemberReference;
using testing::piecewise;
using testing::propertiesProblem;
using testing::rectangularColumn;
using testing::SimpleBeam;

constexpr double kPi = 3.14159265358979;

void expectRel(double actual, double expected, double rel) {
  EXPECT_NEAR(actual, expected, rel * std::fabs(expected));
}

TEST(PropsColumn, PrismaticRectangularColumnMatchesClosedForms) {
  Problem p = propertiesProblem(1, 0, 3600);
  p.col[1] = rectangularColumn(20, 4, 3);  // 4 ft deep across the bent, 3 ft wide
  p.col[1].DL = 2;
  columnStiffness(p, 1);
  const ColumnProperties& cp = p.colp[1];
  const double E = 144.0 * 3600;
  const double It = 3.0 * 64 / 12, Il = 4.0 * 27 / 12;
  expectRel(cp.KT, 4 * E * It / 20, 1e-6);
  expectRel(cp.KB, 4 * E * It / 20, 1e-6);
  EXPECT_FLOAT_EQ(cp.COTB, 0.5f);
  EXPECT_FLOAT_EQ(cp.COBT, 0.5f);
  // Unit sway: 6EI/L^2 at both ends, and 1.5 KT / HV.
  expectRel(cp.UFMT, 6 * E * It / 400, 1e-6);
  expectRel(cp.UFMB, 6 * E * It / 400, 1e-6);
  expectRel(cp.KL, 36 * Il / 8000, 1e-6);
  EXPECT_FLOAT_EQ(cp.FLU, 18);
  expectRel(cp.WCOL, 0.15 * 12 * 18, 1e-6);
  // A vertical column: no horizontal projection, no weight moments.
  EXPECT_FLOAT_EQ(cp.HV, 20);
  EXPECT_EQ(cp.HH, 0);
  EXPECT_EQ(cp.ARMW, 0);
  EXPECT_EQ(cp.FMWTT, 0);
  EXPECT_EQ(cp.FMWTB, 0);
  EXPECT_FLOAT_EQ(cp.SECS, 1);
  EXPECT_FLOAT_EQ(cp.COSS, 1);
}

TEST(PropsColumn, BatteredColumnProjectionsAndWeightMoments) {
  Problem p = propertiesProblem(1, 0, 3600);
  p.col[1] = rectangularColumn(20, 4, 3);
  p.col[1].DL = 2;
  p.col[1].SLOPE = 0.25f;
  columnStiffness(p, 1);
  const ColumnProperties& cp = p.colp[1];
  const double secs = std::sqrt(1.0625), sn = 0.25 / secs;
  expectRel(cp.SECS, secs, 1e-6);
  expectRel(cp.COSS, 1 / secs, 1e-6);
  expectRel(cp.HV, 20 / secs, 1e-6);
  expectRel(cp.HH, 0.25 * 20 / secs, 1e-6);
  // The weight's component across the column, w sin(a), as a uniform load
  // on the fixed-ended member: w L^2 / 12 at each end.
  const double w = 0.15 * 12;
  expectRel(cp.FMWTT, w * sn * 400 / 12, 1e-6);
  expectRel(cp.FMWTB, -w * sn * 400 / 12, 1e-6);
  expectRel(cp.ARMW, 9 * sn, 1e-6);
  const double E = 144.0 * 3600, It = 3.0 * 64 / 12;
  expectRel(cp.UFMT, 1.5 * (4 * E * It / 20) / (20 / secs), 1e-6);
}

TEST(PropsColumn, CircularColumnsMatchClosedForms) {
  for (double inner : {0.0, 3.0}) {
    SCOPED_TRACE(inner);
    Problem p = propertiesProblem(1, 0, 4000);
    Column& c = p.col[1];
    c.I = 'C';
    c.T = 'R';
    c.HT = 25;
    c.DT = c.DB = 5;
    c.BT = c.BB = static_cast<float>(inner);
    c.DL = 3;
    columnStiffness(p, 1);
    const ColumnProperties& cp = p.colp[1];
    const double I = kPi / 64 * (625 - std::pow(inner, 4));
    const double area = kPi / 4 * (25 - inner * inner);
    const double E = 144.0 * 4000;
    expectRel(cp.KT, 4 * E * I / 25, 1e-5);
    expectRel(cp.KL, 36 * I / (25.0 * 25 * 25), 1e-5);
    expectRel(cp.WCOL, 0.15 * area * 22, 1e-5);
    expectRel(cp.UFMT, 6 * E * I / 625, 1e-5);
  }
}

// The tapered member: width and depth linear from BT x DT at the top of
// the clear height (DL below the top) to BB x DB at the base, rigid over
// the top length A.
struct TaperedGeometry {
  double HT, A, DL, BT, DT, BB, DB, SLOPE;
  double width(double s) const { return BT + (BB - BT) * (s - DL) / (HT - DL); }
  double depth(double s) const { return DT + (DB - DT) * (s - DL) / (HT - DL); }
  double area(double s) const { return width(s) * depth(s); }
};

Problem taperedProblem(const TaperedGeometry& g, float ec) {
  Problem p = propertiesProblem(1, 0, ec);
  Column& c = p.col[1];
  c.I = 'V';
  c.T = 'T';
  c.HT = static_cast<float>(g.HT);
  c.A = static_cast<float>(g.A);
  c.DL = static_cast<float>(g.DL);
  c.BT = static_cast<float>(g.BT);
  c.DT = static_cast<float>(g.DT);
  c.BB = static_cast<float>(g.BB);
  c.DB = static_cast<float>(g.DB);
  c.SLOPE = static_cast<float>(g.SLOPE);
  return p;
}

void expectTaperedMatchesReference(const TaperedGeometry& g) {
  const float ec = 3600;
  Problem p = taperedProblem(g, ec);
  columnStiffness(p, 1);
  const ColumnProperties& cp = p.colp[1];

  const double E = kKsfPerKsi * ec;
  const std::vector<double> breaks{g.A, g.DL};
  auto invEI = [&](double s) {
    if (s < g.A) return 0.0;
    const double d = g.depth(s);
    return 12 / (E * g.width(s) * d * d * d);
  };
  const MemberReference m = memberFlexibility(invEI, g.HT, breaks);  // near end = top
  expectRel(cp.KT, m.stiffnessNear(), 1e-3);
  expectRel(cp.KB, m.stiffnessFar(), 1e-3);
  expectRel(cp.COTB, m.carryNearToFar(), 1e-3);
  expectRel(cp.COBT, m.carryFarToNear(), 1e-3);

  // Lateral-stiffness index: 1 / integral of s^2 / (12 I_long) over the
  // flexible length (36 I / H^3 for a prismatic column).
  const double tipFlex = piecewise(
      [&](double s) {
        if (s < g.A) return 0.0;
        const double w = g.width(s);
        return s * s / (w * w * w * g.depth(s));
      },
      0, g.HT, breaks);
  expectRel(cp.KL, 1 / tipFlex, 1e-3);

  const double secs = std::sqrt(1 + g.SLOPE * g.SLOPE), sn = g.SLOPE / secs;
  const double hv = g.HT / secs;
  expectRel(cp.UFMT, m.stiffnessNear() * (1 + m.carryNearToFar()) / hv, 1e-3);
  expectRel(cp.UFMB, m.stiffnessFar() * (1 + m.carryFarToNear()) / hv, 1e-3);

  // Weight of the clear height and its centroid above the base.
  const double volume = piecewise([&](double s) { return g.area(s); }, g.DL, g.HT, {});
  const double above =
      piecewise([&](double s) { return g.area(s) * (g.HT - s); }, g.DL, g.HT, {}) / volume;
  expectRel(cp.WCOL, kUnitWeight * volume, 1e-5);
  expectRel(cp.ARMW, above * sn, 1e-5);

  // Fixed-end moments of the weight across the member, as a load along the
  // whole member (the section extended over DL), on the rigid-topped member.
  SimpleBeam beam([&](double s) { return kUnitWeight * g.area(s) * sn; }, g.HT);
  const auto [t1, t2] =
      endRotations([&](double s) { return beam.moment(s); }, invEI, g.HT, breaks);
  const auto [top, bottom] = m.fixedEnd(t1, t2);
  expectRel(cp.FMWTT, top, 2e-3);
  expectRel(cp.FMWTB, -bottom, 2e-3);
}

TEST(PropsColumn, TaperedColumnsMatchFlexibilityIntegrals) {
  expectTaperedMatchesReference({24, 0, 2, 3, 3, 4, 6, 0.2});
  expectTaperedMatchesReference({24, 2.5, 2.5, 3, 3, 4, 6, 0.2});
  // Rigid zone shorter than DL, and a column narrowing toward the base.
  expectTaperedMatchesReference({30, 1, 3, 4, 5, 3, 3.5, -0.15});
}

TEST(PropsColumn, TaperedColumnWithoutTaperIsPrismatic) {
  const TaperedGeometry g{20, 0, 1.5, 3, 4, 3, 4, 0.2};
  Problem tapered = taperedProblem(g, 3600);
  Problem prismatic = taperedProblem(g, 3600);
  prismatic.col[1].I = 'C';
  columnStiffness(tapered, 1);
  columnStiffness(prismatic, 1);
  const ColumnProperties& t = tapered.colp[1];
  const ColumnProperties& q = prismatic.colp[1];
  expectRel(t.KT, q.KT, 1e-5);
  expectRel(t.KB, q.KB, 1e-5);
  expectRel(t.COTB, q.COTB, 1e-5);
  expectRel(t.COBT, q.COBT, 1e-5);
  expectRel(t.KL, q.KL, 1e-5);
  expectRel(t.UFMT, q.UFMT, 1e-5);
  expectRel(t.UFMB, q.UFMB, 1e-5);
  expectRel(t.WCOL, q.WCOL, 1e-5);
  expectRel(t.ARMW, q.ARMW, 1e-5);
  expectRel(t.FMWTT, q.FMWTT, 1e-4);
  expectRel(t.FMWTB, q.FMWTB, 1e-4);
}

TEST(PropsColumn, TaperedColumnWithoutClearHeightStaysFinite) {
  // DL equal to HT leaves no clear height to taper over.
  const TaperedGeometry g{12, 0, 12, 3, 4, 3, 5, 0};
  Problem p = taperedProblem(g, 3600);
  p.col[1].DL = 12;
  columnStiffness(p, 1);
  const ColumnProperties& cp = p.colp[1];
  EXPECT_TRUE(std::isfinite(cp.KT) && cp.KT > 0);
  EXPECT_TRUE(std::isfinite(cp.KB) && std::isfinite(cp.COTB) && std::isfinite(cp.KL));
  EXPECT_EQ(cp.WCOL, 0);
}

}  // namespace
}  // namespace bentpier
