// Bar stresses and the steel forces of a bar arrangement.
#include <gtest/gtest.h>

#include "column_fixtures.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

TEST(ColumnSectionSteel, StressOfABar) {
  // ES 29000, FY 60, FCC2 3.4, EPS0 = 2 (3.4) / 3644 = 0.00186608.
  const SectionState s = testing::sectionOf(kTiedRectangle, 20, 30, testing::grade60());
  EXPECT_FLOAT_EQ(FES(s, -0.01f), -60.0f);      // yielded in tension
  EXPECT_FLOAT_EQ(FES(s, -0.001f), -29.0f);     // elastic tension, no concrete
  EXPECT_FLOAT_EQ(FES(s, 0.0f), 0.0f);
  // Elastic compression less the concrete on the parabola:
  // u = 0.001 / 0.00186608 = 0.535882, 3.4 u (2 - u) = 2.667622.
  EXPECT_NEAR(FES(s, 0.001f), 26.332378f, 2e-4f);
  // Yielded in compression, concrete beyond its peak.
  EXPECT_FLOAT_EQ(FES(s, 0.0025f), 56.6f);
  EXPECT_FLOAT_EQ(FES(s, 0.003f), 56.6f);
}

TEST(ColumnSectionSteel, ForcesMatchFibreModelInEveryDirection) {
  const testing::Material m = testing::grade60();
  SectionState s = testing::sectionOf(kTiedRectangle, 20, 30, m);
  // An unsymmetrical arrangement, so that a wrong coordinate or sign shows.
  testing::addPerimeter(s, 3, 2, 2.5f, 1.0f);
  testing::addBar(s, 3.0f, 9.0f, 1.56f);
  COMPZ(s);
  const testing::FibreSection f = testing::fibreOf(s, m, 1);
  for (double c : {3.0, 10.0, 17.5, 30.0, 80.0}) {
    for (int dir : {kAboutX, kAboutY}) {
      const Forces u = UNSPM(s, dir, static_cast<float>(c));
      const testing::Resultant r = f.steelForces(testing::planeOf(s, dir, c));
      EXPECT_NEAR(u.P, r.p, 1e-3) << "dir " << dir << " c " << c;
      EXPECT_NEAR(u.M, dir == kAboutX ? r.mx : r.my, 1e-2) << "dir " << dir << " c " << c;
    }
    const BiForces b = BISPM(s, static_cast<float>(c));
    const testing::Resultant r = f.steelForces(testing::planeOf(s, kDiagonal, c));
    EXPECT_NEAR(b.P, r.p, 1e-3) << "c " << c;
    EXPECT_NEAR(b.MX, r.mx, 1e-2) << "c " << c;
    EXPECT_NEAR(b.MY, r.my, 1e-2) << "c " << c;
  }
}

TEST(ColumnSectionSteel, DiagonalCoordinateOfTheBars) {
  // 3-4-5 rectangle: B 30, D 40, DIAG 50; z = 0.8 x + 0.6 y; RG = 24.
  SectionState s = testing::sectionOf(kTiedRectangle, 30, 40, testing::grade60());
  EXPECT_FLOAT_EQ(s.DIAG, 50.0f);
  EXPECT_FLOAT_EQ(s.RG, 24.0f);
  EXPECT_FLOAT_EQ(s.AG, 1200.0f);
  testing::addBar(s, 15.0f, 20.0f, 1.0f);  // the compressed corner
  testing::addBar(s, 15.0f, -20.0f, 1.0f); // on the diagonal
  testing::addBar(s, 5.0f, 0.0f, 2.0f);
  COMPZ(s);
  EXPECT_FLOAT_EQ(s.bars[0].Z, 24.0f);
  EXPECT_NEAR(s.bars[1].Z, 0.0f, 1e-5f);
  EXPECT_FLOAT_EQ(s.bars[2].Z, 4.0f);
  EXPECT_FLOAT_EQ(s.AS, 4.0f);
  // P0 = 0.7 (4 x 60 + 1196 x 3.4).
  EXPECT_NEAR(s.P0, 0.7f * (240.0f + 1196.0f * 3.4f), 1e-2f);

  // A circle projects both axes at 45 degrees.
  SectionState r = testing::sectionOf(kCircular, 20, 20, testing::grade60());
  EXPECT_FLOAT_EQ(r.RG, 10.0f);
  EXPECT_NEAR(r.AG, 314.1593f, 1e-3f);
  testing::addBar(r, 0.0f, 8.0f, 1.0f);
  COMPZ(r);
  EXPECT_NEAR(r.bars[0].Z, 5.656854f, 1e-5f);
}

}  // namespace
}  // namespace bentpier::column
