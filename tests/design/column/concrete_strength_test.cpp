// Concrete forces of the stress block against the fibre model: rectangles
// about a principal axis, circles, and rectangles bent about their diagonal.
#include <gtest/gtest.h>

#include <cmath>

#include "column_fixtures.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

using testing::FibreSection;
using testing::Material;
using testing::Plane;

// Relative to the squash load and to squash load times depth.
constexpr double kTol = 2e-4;

void expectRectangleMatches(const Material& m, float b, float d) {
  const SectionState s = testing::sectionOf(kTiedRectangle, b, d, m);
  // Bending about x: the strain varies along y only, so one column of thin
  // strips is exact across the width.
  const FibreSection fx = FibreSection::rectangle(m, b, d, 1, 40000);
  const double pScale = m.fcc2 * b * d, mScale = pScale * d;
  for (double k : {0.05, 0.3, 0.8, 1.0, 1.3, 1.9, 2.5, 6.0, 40.0}) {
    const float c = static_cast<float>(k * d);
    const Forces f = UNCPM(s, c, d, b);
    const testing::Resultant r = fx.concreteForces(Plane{0, 1, d / 2.0, c});
    EXPECT_NEAR(f.P, r.p, kTol * pScale) << "c/h = " << k;
    EXPECT_NEAR(f.M, r.mx, kTol * mScale) << "c/h = " << k;
  }
}

TEST(ColumnSectionConcrete, RectangleMatchesFibreModel) {
  expectRectangleMatches(testing::grade60(), 24.0f, 36.0f);
}

TEST(ColumnSectionConcrete, RectangleWhenThePeakStrainExceedsTheUltimate) {
  // EC 2000 ksi puts the peak of the parabola (0.0034) beyond EPSCU: the
  // whole block is parabolic and never reaches FCC2.
  Material m = testing::grade60();
  m.ec = 2000.0;
  expectRectangleMatches(m, 20.0f, 30.0f);
}

TEST(ColumnSectionConcrete, RectangleClosedForms) {
  // c = h: plateau over c (1 - KR), parabola (2/3) c KR.
  const Material m = testing::grade60();
  const SectionState s = testing::sectionOf(kTiedRectangle, 10.0f, 20.0f, m);
  const double kr = 2.0 * 3.4 / 3644.0 / 0.003;
  const Forces f = UNCPM(s, 20.0f, 20.0f, 10.0f);
  EXPECT_NEAR(f.P, 3.4 * 10.0 * 20.0 * (1.0 - kr / 3.0), 1e-3);
  // Far beyond the section everything is at the plateau.
  const Forces g = UNCPM(s, 2000.0f, 20.0f, 10.0f);
  EXPECT_FLOAT_EQ(g.P, 3.4f * 200.0f);
  EXPECT_FLOAT_EQ(g.M, 0.0f);
  // No depth, no force.
  EXPECT_EQ(UNCPM(s, 0.0f, 20.0f, 10.0f).P, 0.0f);
}

TEST(ColumnSectionConcrete, CircleAndRingMatchFibreModel) {
  struct Case {
    double ec, inside;  // modulus, diameter of the void
  };
  for (const Case k : {Case{3644.0, 0.0}, Case{2000.0, 0.0}, Case{3644.0, 18.0},
                       Case{2000.0, 24.0}}) {
    Material m = testing::grade60();
    m.ec = k.ec;
    SectionState s = testing::sectionOf(kCircular, 30.0f, 30.0f, m);
    s.VOID = static_cast<float>(k.inside);
    deriveSection(s);
    EXPECT_NEAR(s.AG, M_PI * (225.0 - k.inside * k.inside / 4.0), 1e-3);
    const FibreSection f = FibreSection::circle(m, 15.0, 500, 2000, k.inside / 2.0);
    const double pScale = m.fcc2 * f.area, mScale = pScale * 30.0;
    for (double depth : {0.01, 0.1, 0.5, 1.0, 1.5, 2.0, 2.6, 4.0, 10.0}) {
      const float c = static_cast<float>(depth * 15.0);
      const Forces cf = CRCPM(s, c);
      const testing::Resultant r = f.concreteForces(Plane{0, 1, 15.0, c});
      EXPECT_NEAR(cf.P, r.p, kTol * pScale) << k.ec << " " << k.inside << " c/r " << depth;
      EXPECT_NEAR(cf.M, r.mx, kTol * mScale) << k.ec << " " << k.inside << " c/r " << depth;
    }
  }
}

TEST(ColumnSectionConcrete, CircleFullyAtThePlateau) {
  const SectionState s = testing::sectionOf(kCircular, 30.0f, 30.0f, testing::grade60());
  const Forces f = CRCPM(s, 1000.0f);
  EXPECT_NEAR(f.P, 3.4 * M_PI * 225.0, 1e-3 * 3.4 * M_PI * 225.0);
  EXPECT_NEAR(f.M, 0.0, 1e-2);
}

TEST(ColumnSectionConcrete, DiagonalRectangleMatchesFibreModel) {
  for (double ec : {3644.0, 2000.0}) {
    Material m = testing::grade60();
    m.ec = ec;
    const float b = 20.0f, d = 32.0f;
    const SectionState s = testing::sectionOf(kTiedRectangle, b, d, m);
    const FibreSection f = FibreSection::rectangle(m, b, d, 700, 1120);
    const double diag = std::hypot(20.0, 32.0), rg = 20.0 * 32.0 / diag;
    const double pScale = m.fcc2 * b * d, mScale = pScale * d;
    for (double k : {0.1, 0.6, 1.0, 1.4, 2.0, 2.7, 5.0}) {
      const float c = static_cast<float>(k * rg);
      const BiForces bf = BICPM(s, c);
      const testing::Resultant r = f.concreteForces(Plane{d / diag, b / diag, rg, c});
      EXPECT_NEAR(bf.P, r.p, kTol * pScale) << "EC " << ec << " c/RG = " << k;
      EXPECT_NEAR(bf.MX, r.mx, kTol * mScale) << "EC " << ec << " c/RG = " << k;
      EXPECT_NEAR(bf.MY, r.my, kTol * mScale) << "EC " << ec << " c/RG = " << k;
    }
  }
}

TEST(ColumnSectionConcrete, AngleOfAPointFromTheYAxis) {
  const double q = M_PI / 4.0;
  EXPECT_NEAR(ATYX(1.0, 1.0), q, 1e-7);
  EXPECT_NEAR(ATYX(1.0, -1.0), 3.0 * q, 1e-7);
  EXPECT_NEAR(ATYX(-1.0, 1.0), -q, 1e-7);
  EXPECT_NEAR(ATYX(-1.0, -1.0), -3.0 * q, 1e-7);
  EXPECT_NEAR(ATYX(2.0, 0.0), 2.0 * q, 1e-7);
  EXPECT_NEAR(ATYX(-2.0, 0.0), -2.0 * q, 1e-7);
  EXPECT_NEAR(ATYX(1.0, std::sqrt(3.0)), M_PI / 6.0, 1e-7);
  EXPECT_EQ(ATYX(0.0, -5.0), 0.0);  // on the axis the angle is taken as 0
}

}  // namespace
}  // namespace bentpier::column
