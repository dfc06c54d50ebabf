// Cap spans: prismatic spans against the closed forms, haunched spans
// against the flexibility integrals of the variable section taken with a
// much finer integration, and the own-weight values at the bearings
// against the statics of the span's weight.
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
using testing::propertiesProblem;
using testing::setBearings;
using testing::SimpleBeam;

// The span as the engineer describes it: end blocks of length A over the
// columns (full depth, rigid joint region), haunches of length LH falling
// from DE + DH to DE, and the middle part of depth DE; a section takes the
// depth of the haunch at its own end.
struct SpanGeometry {
  char C;
  double L, A, DE, BC, DH, LH;
  double nearEnd(double x) const { return std::min(x, L - x); }
  double depth(double x) const {
    const double e = nearEnd(x);
    if (e <= A) return DE + DH;
    if (e < A + LH) {
      const double r = (A + LH - e) / LH;  // 1 at the deep end, 0 at the shallow end
      return DE + DH * (C == 'P' ? r * r : r);
    }
    return DE;
  }
  bool rigid(double x) const { return nearEnd(x) < A; }
  std::vector<double> breaks() const { return {A, A + LH, L - A - LH, L - A, L / 2}; }
};

struct SpanReference {
  double K, CO, FMWT, RW;
};

SpanReference referenceSpan(const SpanGeometry& g, double ec) {
  const double E = kKsfPerKsi * ec;
  auto invEI = [&](double x) {
    if (g.rigid(x)) return 0.0;
    const double d = g.depth(x);
    return 12 / (E * g.BC * d * d * d);
  };
  const MemberReference m = memberFlexibility(invEI, g.L, g.breaks());
  SimpleBeam beam([&](double x) { return kUnitWeight * g.BC * g.depth(x); }, g.L);
  const auto [t1, t2] = endRotations([&](double x) { return beam.moment(x); }, invEI, g.L,
                                     g.breaks());
  return {m.stiffnessNear(), m.carryNearToFar(), m.fixedEnd(t1, t2).first, beam.leftReaction()};
}

// Fixed-end moments at the left and right end for a unit load at a.
std::pair<double, double> referenceUnitLoad(const SpanGeometry& g, double ec, double a) {
  const double E = kKsfPerKsi * ec;
  auto invEI = [&](double x) {
    if (g.rigid(x)) return 0.0;
    const double d = g.depth(x);
    return 12 / (E * g.BC * d * d * d);
  };
  std::vector<double> breaks = g.breaks();
  breaks.push_back(a);
  const MemberReference m = memberFlexibility(invEI, g.L, breaks);
  auto M0 = [&](double x) { return x <= a ? (g.L - a) * x / g.L : a * (g.L - x) / g.L; };
  const auto [t1, t2] = endRotations(M0, invEI, g.L, breaks);
  return m.fixedEnd(t1, t2);
}

Problem spanProblem(const SpanGeometry& g, const std::vector<float>& bearings, float ec) {
  Problem p = propertiesProblem(2, 0, ec);
  CapSegment& seg = p.cap[2];
  seg.C = g.C;
  seg.L = static_cast<float>(g.L);
  seg.A = static_cast<float>(g.A);
  seg.DE = static_cast<float>(g.DE);
  seg.BC = static_cast<float>(g.BC);
  seg.DH = static_cast<float>(g.DH);
  seg.LH = static_cast<float>(g.LH);
  setBearings(seg, bearings);
  return p;
}

// Checks a haunched span against the reference: stiffness, carry-over and
// weight moment within 0.5 %, each bearing's unit-load moments within 0.5 %
// of the larger one, and its own-weight shear, moment and depth.
void expectMatchesReference(const SpanGeometry& g, const std::vector<float>& bearings) {
  const float ec = 3600;
  Problem p = spanProblem(g, bearings, ec);
  capSpanProperties(p, 2);
  const CapProperties& cp = p.capp[2];
  const SpanReference ref = referenceSpan(g, ec);
  EXPECT_NEAR(cp.K, ref.K, 0.005 * ref.K);
  EXPECT_NEAR(cp.CO, ref.CO, 0.005 * ref.CO);
  EXPECT_NEAR(cp.FMWT, ref.FMWT, 0.005 * ref.FMWT);
  EXPECT_NEAR(cp.RW, ref.RW, 1e-4 * ref.RW);
  EXPECT_NEAR(cp.UFEM, (1 + ref.CO) * ref.K / g.L, 0.005 * (1 + ref.CO) * ref.K / g.L);
  EXPECT_NEAR(cp.RI, g.BC * std::pow(g.DE, 3) / (12 * g.L), 1e-6);

  SimpleBeam beam([&](double x) { return kUnitWeight * g.BC * g.depth(x); }, g.L);
  double a = 0;
  for (int i = 1; i <= p.cap[2].NB; ++i) {
    a += bearings[static_cast<size_t>(i - 1)];
    SCOPED_TRACE(::testing::Message() << "bearing at " << a);
    const auto [fl, fr] = referenceUnitLoad(g, ec, a);
    const double scale = std::max(std::fabs(fl), std::fabs(fr));
    EXPECT_NEAR(cp.FMLP[i], fl, 0.005 * scale);
    EXPECT_NEAR(cp.FMRP[i], fr, 0.005 * scale);
    EXPECT_NEAR(cp.XR[i], g.L - a, 1e-4);
    EXPECT_NEAR(cp.VW[i], beam.shear(a), 1e-3 * ref.RW);
    EXPECT_NEAR(cp.MW[i], beam.moment(a), 1e-3 * ref.FMWT);
    EXPECT_NEAR(cp.DEPB[i], g.depth(a), 1e-4);
    EXPECT_FLOAT_EQ(cp.WIDB[i], static_cast<float>(g.BC));
  }
}

TEST(PropsCapSpan, PrismaticSpanMatchesClosedForms) {
  // 20 ft span, 3 ft wide, 4 ft deep, EC 3000 ksi.
  Problem p = propertiesProblem(2, 0, 3000);
  CapSegment& seg = p.cap[2];
  seg.C = 'C';
  seg.L = 20;
  seg.DE = 4;
  seg.BC = 3;
  setBearings(seg, {5, 7});  // a = 5 and a = 12
  capSpanProperties(p, 2);
  const CapProperties& cp = p.capp[2];
  const double I = 3.0 * 64 / 12;  // ft^4
  const double fourEIoverL = 4 * 144 * 3000 * I / 20;
  EXPECT_NEAR(cp.K, fourEIoverL, 1e-6 * fourEIoverL);
  EXPECT_NEAR(cp.K, 48.0 * 3000 * 192 / 20, 1.0);
  EXPECT_FLOAT_EQ(cp.CO, 0.5f);
  const double w = 0.15 * 3 * 4;                // 1.8 kip/ft
  EXPECT_NEAR(cp.FMWT, w * 400 / 12, 1e-4);     // 60
  EXPECT_NEAR(cp.RW, w * 20 / 2, 1e-5);         // 18
  EXPECT_NEAR(cp.UFEM, 1.5 * fourEIoverL / 20, 1e-6 * fourEIoverL);
  EXPECT_NEAR(cp.RI, 3.0 * 64 / (12 * 20), 1e-6);
  // Unit load: P a b^2 / L^2 and P a^2 b / L^2.
  EXPECT_NEAR(cp.FMLP[1], 5.0 * 225 / 400, 1e-6);
  EXPECT_NEAR(cp.FMRP[1], 25.0 * 15 / 400, 1e-6);
  EXPECT_NEAR(cp.FMLP[2], 12.0 * 64 / 400, 1e-6);
  EXPECT_NEAR(cp.FMRP[2], 144.0 * 8 / 400, 1e-6);
  // Weight shear and moment: wL/2 - w a and w a (L - a) / 2.
  EXPECT_NEAR(cp.VW[1], 18 - w * 5, 1e-5);
  EXPECT_NEAR(cp.MW[1], w * 5 * 15 / 2, 1e-4);
  EXPECT_NEAR(cp.VW[2], 18 - w * 12, 1e-5);
  EXPECT_NEAR(cp.MW[2], w * 12 * 8 / 2, 1e-4);
  EXPECT_FLOAT_EQ(cp.XR[1], 15);
  EXPECT_FLOAT_EQ(cp.XR[2], 8);
  EXPECT_FLOAT_EQ(cp.DEPB[2], 4);
  EXPECT_FLOAT_EQ(cp.WIDB[2], 3);
}

TEST(PropsCapSpan, HaunchedSpanWithoutHaunchDepthIsPrismatic) {
  for (char code : {'L', 'P'}) {
    SCOPED_TRACE(code);
    Problem p = propertiesProblem(2, 0, 3000);
    CapSegment& seg = p.cap[2];
    seg.C = code;
    seg.L = 20;
    seg.DE = 4;
    seg.BC = 3;
    seg.DH = 0;
    seg.LH = 4;
    setBearings(seg, {2, 5, 3, 6});  // a = 2 (haunch), 7, 10 (mid-span), 16 (right haunch)
    capSpanProperties(p, 2);
    const CapProperties& cp = p.capp[2];
    const double K = 48.0 * 3000 * 192 / 20;
    EXPECT_NEAR(cp.K, K, 1e-5 * K);
    EXPECT_NEAR(cp.CO, 0.5, 1e-5);
    EXPECT_NEAR(cp.FMWT, 60, 1e-3);
    EXPECT_NEAR(cp.RW, 18, 1e-5);
    const double a[] = {2, 7, 10, 16};
    for (int i = 1; i <= 4; ++i) {
      const double ai = a[i - 1], bi = 20 - ai;
      EXPECT_NEAR(cp.FMLP[i], ai * bi * bi / 400, 1e-5);
      EXPECT_NEAR(cp.FMRP[i], ai * ai * bi / 400, 1e-5);
      EXPECT_NEAR(cp.VW[i], 18 - 1.8 * ai, 1e-4);
      EXPECT_NEAR(cp.MW[i], 1.8 * ai * bi / 2, 1e-3);
    }
  }
}

TEST(PropsCapSpan, StraightHaunchesMatchFlexibilityIntegrals) {
  // No end blocks; bearings in the left haunch, the middle part, at
  // mid-span (taken from the left end), the right middle part and the
  // right haunch.
  expectMatchesReference({'L', 30, 0, 3, 4, 2, 6}, {2, 6.5f, 6.5f, 7, 4});
  // With end blocks of 1.25 ft; bearings in both end blocks too.
  expectMatchesReference({'L', 36, 1.25, 3, 3.5, 1.5, 5}, {0.75f, 3, 6, 8.25f, 10, 6, 1.5f});
}

TEST(PropsCapSpan, ParabolicHaunchesMatchFlexibilityIntegrals) {
  expectMatchesReference({'P', 40, 1.5, 3.5, 4, 2.5, 8}, {1, 4, 9, 6, 10, 7, 2.2f});
  expectMatchesReference({'P', 24, 0, 3, 3, 3, 7}, {3, 5, 4, 6, 3});
}

TEST(PropsCapSpan, HaunchesMeetingBeforeMidSpanAreCutThere) {
  // End block 1 ft plus a 12 ft haunch on a 20 ft span: the haunches would
  // overlap. The stiffness and carry-over are those of the span whose
  // halves each take the depth of their own haunch.
  const SpanGeometry g{'L', 20, 1, 3, 3, 2, 12};
  Problem p = spanProblem(g, {10}, 3000);
  capSpanProperties(p, 2);
  const SpanReference ref = referenceSpan(g, 3000);
  EXPECT_NEAR(p.capp[2].K, ref.K, 0.005 * ref.K);
  EXPECT_NEAR(p.capp[2].CO, ref.CO, 0.005 * ref.CO);
}

TEST(PropsCapSpan, EndBlocksFillingTheSpanGiveNoStiffness) {
  // A = L/2 leaves no flexible length: finite, zero values, no division.
  const SpanGeometry g{'P', 10, 5, 3, 3, 1, 2};
  Problem p = spanProblem(g, {3}, 3000);
  capSpanProperties(p, 2);
  const CapProperties& cp = p.capp[2];
  EXPECT_EQ(cp.K, 0);
  EXPECT_EQ(cp.CO, 0);
  EXPECT_EQ(cp.FMLP[1], 0);
  EXPECT_TRUE(std::isfinite(cp.VW[1]) && std::isfinite(cp.MW[1]));
  EXPECT_NEAR(cp.RW, 0.15 * 3 * 3 * 5 + 0.15 * 3 * 1 * (5 + 2.0 / 3), 1e-4);
}

}  // namespace
}  // namespace bentpier
