// Cap cantilevers: own-weight shear and moment at the bearings, total
// weight and its moment about the column, against direct integration of
// the cantilever's cross-section area along its length.
#include <gtest/gtest.h>

#include "frame/member_properties.h"
#include "frame/properties_fixture.h"

namespace bentpier {
namespace {

using testing::kUnitWeight;
using testing::piecewise;
using testing::propertiesProblem;
using testing::setBearings;

struct CantileverGeometry {
  char C;
  double L, A, DE, BC, BE, DH, LH;
  // Width and depth at distance x from the column.
  // A code-C cantilever has no haunch whatever its LH: the outer section
  // starts at the block.
  double haunch() const { return C == 'C' ? 0 : LH; }
  double width(double x) const {
    if (x < A) return BC;
    if (x < A + haunch()) return BC - (BC - BE) * (x - A) / LH;
    return BE;
  }
  double depth(double x) const {
    if (x < A) return DE + DH;
    if (x < A + haunch()) {
      const double r = (A + LH - x) / LH;  // 1 at the block, 0 at the outer part
      return DE + DH * (C == 'P' ? r * r : r);
    }
    return DE;
  }
  double area(double x) const { return width(x) * depth(x); }
  std::vector<double> breaks() const { return {A, A + haunch()}; }
  // Weight outside x and its moment about x.
  double weightBeyond(double x) const {
    return kUnitWeight * piecewise([&](double t) { return area(t); }, x, L, breaks());
  }
  double momentBeyond(double x) const {
    return kUnitWeight * piecewise([&](double t) { return area(t) * (t - x); }, x, L, breaks());
  }
};

Problem cantileverProblem(const CantileverGeometry& g, int side, const std::vector<float>& xb) {
  Problem p = propertiesProblem(2, 2);
  CapSegment& seg = p.cap[side < 0 ? 1 : 3];
  seg.C = g.C;
  seg.L = static_cast<float>(g.L);
  seg.A = static_cast<float>(g.A);
  seg.DE = static_cast<float>(g.DE);
  seg.BC = static_cast<float>(g.BC);
  seg.BE = static_cast<float>(g.BE);
  seg.DH = static_cast<float>(g.DH);
  seg.LH = static_cast<float>(g.LH);
  setBearings(seg, xb);
  return p;
}

// Bearing distances from the column: the right cantilever lists them
// outward, the left one inward from its outermost bearing.
void expectMatchesStatics(const CantileverGeometry& g, int side, const std::vector<float>& xb,
                          const std::vector<double>& distances) {
  Problem p = cantileverProblem(g, side, xb);
  cantileverProperties(p, side);
  const CapProperties& cp = p.capp[side < 0 ? 1 : 3];
  const double total = g.weightBeyond(0);
  EXPECT_NEAR(cp.RW, total, 1e-5 * total);
  EXPECT_NEAR(cp.FMWT, g.momentBeyond(0), 1e-5 * g.momentBeyond(0));
  for (size_t i = 0; i < distances.size(); ++i) {
    const double x = distances[i];
    const int b = static_cast<int>(i) + 1;
    SCOPED_TRACE(::testing::Message() << "bearing at " << x);
    EXPECT_NEAR(cp.XR[b], x, 1e-5);
    EXPECT_NEAR(cp.VW[b], side * g.weightBeyond(x), 1e-5 * total);
    EXPECT_NEAR(cp.MW[b], -g.momentBeyond(x), 1e-5 * g.momentBeyond(0));
    EXPECT_NEAR(cp.DEPB[b], g.depth(x), 1e-5);
    EXPECT_NEAR(cp.WIDB[b], g.width(x), 1e-5);
  }
}

TEST(PropsCantilever, ConstantSectionWithDeepBlock) {
  // Code C, no haunch: a 2 ft block 4.5 ft deep, then 3 ft deep, 3.5 ft
  // wide at the column and 3 ft outside. Bearings in the block, at its edge
  // and outside.
  const CantileverGeometry g{'C', 10, 2, 3, 3.5, 3, 1.5, 0};
  expectMatchesStatics(g, +1, {1, 1, 4, 3}, {1, 2, 6, 9});
}

TEST(PropsCantilever, StraightHaunch) {
  // Bearings in the block, at the block's edge, in the haunch, at the
  // haunch's outer end and outside; right and left cantilever.
  const CantileverGeometry g{'L', 12, 1.5, 2.5, 4, 3, 2, 4};
  expectMatchesStatics(g, +1, {1, 0.5f, 2, 2, 4}, {1, 1.5, 3.5, 5.5, 9.5});
  // Left cantilever: the outermost bearing first, then inward.
  expectMatchesStatics(g, -1, {9.5f, 4, 2, 2, 0.5f}, {9.5, 5.5, 3.5, 1.5, 1});
}

TEST(PropsCantilever, ParabolicHaunch) {
  const CantileverGeometry g{'P', 11, 1, 3, 4.5, 3.5, 2.5, 5};
  expectMatchesStatics(g, +1, {0.5f, 0.5f, 2.5f, 2.5f, 4}, {0.5, 1, 3.5, 6, 10});
  expectMatchesStatics(g, -1, {10, 4, 2.5f, 2.5f, 0.5f}, {10, 6, 3.5, 1, 0.5});
}

TEST(PropsCantilever, ConstantCodeIgnoresTheHaunchLength) {
  // Code C with an LH: the stretch from A to A + LH is the outer section
  // with its weight. A bearing there (2 ft out) carries the 3 x 3 outer part
  // beyond it: 0.15 x 9 x 8 kips; the whole weighs 0.15 x (3 x 4 x 1 + 9 x 9).
  const CantileverGeometry g{'C', 10, 1, 3, 3, 3, 1, 2};
  expectMatchesStatics(g, +1, {1.5f, 0.5f, 2}, {1.5, 2, 4});
  Problem p = cantileverProblem(g, +1, {2});
  cantileverProperties(p, +1);
  EXPECT_NEAR(p.capp[3].VW[1], 0.15 * 9 * 8, 1e-5);
  EXPECT_NEAR(p.capp[3].RW, 0.15 * (12 * 1 + 9 * 9), 1e-5);
}

}  // namespace
}  // namespace bentpier
