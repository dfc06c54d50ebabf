// Strength of whole sections at a neutral-axis depth, the reduction factor,
// and the three characteristic points of the interaction curves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "column_fixtures.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

using testing::FibreSection;
using testing::FibreStrength;

// 20 x 30 tied, 10 #9 bars (1.0 sq in), centres 2.5 in from the faces.
SectionState tied() {
  SectionState s = testing::sectionOf(kTiedRectangle, 20, 30, testing::grade60());
  testing::addPerimeter(s, 4, 1, 2.5f, 1.0f);
  COMPZ(s);
  return s;
}

// 30 in round column, 12 #8 bars (0.79 sq in) on a 24 in circle.
SectionState round() {
  SectionState s = testing::sectionOf(kCircular, 30, 30, testing::grade60(), 0.75f);
  testing::addRing(s, 12, 12.0f, 0.79f);
  COMPZ(s);
  return s;
}

TEST(ColumnSectionStrength, ReductionFactor) {
  // AG 600, f'c 4: 0.1 f'c AG / PHIC = 342.857 kips.
  const SectionState s = testing::sectionOf(kTiedRectangle, 20, 30, testing::grade60());
  const Strength high = PHI(s, 1000.0f, 1200.0f, -2400.0f, PhiRule::Normal);
  EXPECT_FLOAT_EQ(high.P, 700.0f);
  EXPECT_FLOAT_EQ(high.MX, 70.0f);   // kip-feet
  EXPECT_FLOAT_EQ(high.MY, -140.0f);
  EXPECT_FLOAT_EQ(high.M, -std::sqrt(70.0f * 70.0f + 140.0f * 140.0f));
  // Half of the low-load limit: halfway between 0.7 and 0.9.
  EXPECT_NEAR(PHI(s, 171.42857f, 0, 0, PhiRule::Normal).P, 0.8f * 171.42857f, 1e-3f);
  EXPECT_NEAR(PHI(s, 342.857f, 0, 0, PhiRule::Normal).P, 0.7f * 342.857f, 1e-3f);
  // Tension and zero load take PHIB.
  EXPECT_FLOAT_EQ(PHI(s, -100.0f, 120.0f, 0, PhiRule::Normal).P, -90.0f);
  EXPECT_FLOAT_EQ(PHI(s, -100.0f, 120.0f, 0, PhiRule::Normal).MX, 9.0f);
  EXPECT_FLOAT_EQ(PHI(s, 0.0f, 120.0f, 0, PhiRule::Normal).MX, 9.0f);
  // Held at PHIC whatever the load.
  EXPECT_FLOAT_EQ(PHI(s, -100.0f, 0, 0, PhiRule::HeldAtCompression).P, -70.0f);
}

TEST(ColumnSectionStrength, ResultantCarriesTheSignOfANegativeComponent) {
  EXPECT_FLOAT_EQ(signedResultant(3.0f, 4.0f), 5.0f);
  EXPECT_FLOAT_EQ(signedResultant(-3.0f, 4.0f), -5.0f);
  EXPECT_FLOAT_EQ(signedResultant(3.0f, -4.0f), -5.0f);
  EXPECT_FLOAT_EQ(signedResultant(0.0f, 0.0f), 0.0f);
}

TEST(ColumnSectionStrength, PureAxialLoadIsP0) {
  // Far below the section every fibre is at the plateau and every bar yields.
  for (const SectionState& s : {tied(), round()}) {
    const float p0 = s.PHIC * (s.AS * 60.0f + (s.AG - s.AS) * 3.4f);
    EXPECT_NEAR(s.P0, p0, 1e-3f * p0);
    for (int dir : {kAboutX, kAboutY, kDiagonal}) {
      const Strength r = REC(s, dir, 1.0e4f);
      EXPECT_NEAR(r.P, p0, 1e-4f * p0) << "dir " << dir;
      EXPECT_NEAR(r.M, 0.0f, 0.5f) << "dir " << dir;
    }
  }
}

TEST(ColumnSectionStrength, RectangleMatchesFibreModelInEveryDirection) {
  SectionState s = tied();
  testing::addBar(s, -4.0f, 6.0f, 2.25f);  // break the symmetry
  COMPZ(s);
  const FibreSection f = testing::fibreOf(s, testing::grade60(), 400);
  for (double c : {4.0, 9.0, 16.0, 24.0, 32.0, 60.0}) {
    const FibreStrength fx = testing::fibreStrength(f, s, kAboutX, c);
    const Strength x = RECX(s, static_cast<float>(c));
    EXPECT_NEAR(x.P, fx.p, 0.2) << c;
    EXPECT_NEAR(x.MX, fx.mx, 0.2) << c;
    EXPECT_EQ(x.MY, 0.0f);
    const FibreStrength fy = testing::fibreStrength(f, s, kAboutY, c);
    const Strength y = RECY(s, static_cast<float>(c));
    EXPECT_NEAR(y.P, fy.p, 0.2) << c;
    EXPECT_NEAR(y.MY, fy.my, 0.2) << c;
    const FibreStrength fz = testing::fibreStrength(f, s, kDiagonal, c);
    const Strength z = RECZ(s, static_cast<float>(c));
    EXPECT_NEAR(z.P, fz.p, 0.2) << c;
    EXPECT_NEAR(z.MX, fz.mx, 0.2) << c;
    EXPECT_NEAR(z.MY, fz.my, 0.2) << c;
  }
}

TEST(ColumnSectionStrength, CircleMatchesFibreModelInEveryDirection) {
  const SectionState s = round();
  const FibreSection f = testing::fibreOf(s, testing::grade60(), 300);
  for (double c : {3.0, 8.0, 15.0, 25.0, 40.0}) {
    for (int dir : {kAboutX, kAboutY, kDiagonal}) {
      const FibreStrength q = testing::fibreStrength(f, s, dir, c);
      const Strength r = REC(s, dir, static_cast<float>(c));
      EXPECT_NEAR(r.P, q.p, 0.2) << "dir " << dir << " c " << c;
      EXPECT_NEAR(r.MX, q.mx, 0.2) << "dir " << dir << " c " << c;
      EXPECT_NEAR(r.MY, q.my, 0.2) << "dir " << dir << " c " << c;
    }
  }
}

TEST(ColumnSectionStrength, SpiralRectangleBendsAboutItsOwnDiagonal) {
  // Bars on a circle inside a 24 x 40 rectangle: the diagonal strength must
  // use the rectangle's diagonal for the bars as for the concrete.
  SectionState s = testing::sectionOf(kSpiralRectangle, 24, 40, testing::grade60(), 0.75f);
  testing::addRing(s, 10, 9.0f, 1.0f);
  COMPZ(s);
  const FibreSection f = testing::fibreOf(s, testing::grade60(), 240);
  for (double c : {6.0, 14.0, 30.0}) {
    const FibreStrength q = testing::fibreStrength(f, s, kDiagonal, c);
    const Strength r = RECZ(s, static_cast<float>(c));
    EXPECT_NEAR(r.P, q.p, 0.2) << c;
    EXPECT_NEAR(r.MX, q.mx, 0.2) << c;
    EXPECT_NEAR(r.MY, q.my, 0.2) << c;
  }
}

TEST(ColumnSectionStrength, CurvePointsOfATiedRectangle) {
  SectionState s = tied();
  ASSERT_TRUE(FCPM(s, kAboutX));
  const auto& pt = s.curve[kAboutX].PT;
  const double kr = 2.0 * 3.4 / 3644.0 / 0.003, ky = 60.0 / 29000.0 / 0.003;
  const double dfar = 15.0 + 12.5;
  // 1: the larger of the depths that put the far fibre at the peak strain
  // (30 / (1 - KR)) and the far bar at compressive yield (dfar / (1 - KY)).
  EXPECT_NEAR(pt[1].C, std::max(30.0 / (1.0 - kr), dfar / (1.0 - ky)), 1e-3);
  EXPECT_NEAR(pt[1].S.P, s.P0, 1e-3 * s.P0);
  // 2: the far bar just at tensile yield.
  EXPECT_NEAR(pt[2].C, dfar / (1.0 + ky), 1e-4);
  const FibreSection f = testing::stripsOf(s, testing::grade60(), 30000);
  const FibreStrength bal = testing::fibreStrength(f, s, kAboutX, pt[2].C, true);
  EXPECT_NEAR(pt[2].S.P, bal.p, 0.1);
  EXPECT_NEAR(pt[2].S.MX, bal.mx, 0.1);
  // 3: pure bending, PHIB = 0.9, against the fibre model's zero of P.
  EXPECT_LE(std::fabs(pt[3].S.P), kCurveLoadTolerance);
  const FibreStrength bend = testing::fibreAtLoad(f, s, kAboutX, 0.0);
  EXPECT_NEAR(pt[3].S.MX, bend.mx, 0.02);
  EXPECT_TRUE(s.curve[kAboutX].built);
  EXPECT_FALSE(s.curve[kAboutY].built);
}

TEST(ColumnSectionStrength, CurvePointsWhenTheBarsCannotYieldInCompression) {
  // Grade 100 steel: EPSY 0.00345 > EPSCU, so the bars reach at most
  // 29000 x 0.003 = 87 ksi, under a strain that is even over the section:
  // P0 = 0.75 (9.48 x 87 + (706.858 - 9.48) x 3.4). Point 1 leaves the far
  // fibre within 1e-4 of the crushing strain; the curve must still be
  // ordered.
  testing::Material m = testing::grade60();
  m.fy = 100.0;
  SectionState s = testing::sectionOf(kCircular, 30, 30, m, 0.75f);
  testing::addRing(s, 12, 12.0f, 0.79f);
  COMPZ(s);
  const double p0 = 0.75 * (9.48 * 87.0 + (M_PI * 225.0 - 9.48) * 3.4);
  EXPECT_NEAR(s.P0, p0, 1e-5 * p0);
  ASSERT_TRUE(FCPM(s, kAboutX));
  const auto& pt = s.curve[kAboutX].PT;
  EXPECT_NEAR(pt[1].C, 30.0 / 1e-4, 1.0);
  EXPECT_GT(pt[1].S.P, pt[2].S.P);
  EXPECT_GT(pt[2].S.P, pt[3].S.P);
  EXPECT_LE(std::fabs(pt[3].S.P), kCurveLoadTolerance);
  EXPECT_LE(pt[1].S.P, s.P0);
  EXPECT_NEAR(pt[1].S.P, s.P0, 2e-4 * s.P0);
}

TEST(ColumnSectionStrength, SampledCurvesFollowTheFibreModelInBothDirections) {
  // The 20 x 30 tied section about x (depth 30) and about y (depth 20):
  // every sample is the fibre model's design strength at its depth, P
  // rises from -PHIB As FY = -0.9 x 10 x 60 to P0, and the characteristic
  // depths are among the samples.
  SectionState s = tied();
  const FibreSection f = testing::fibreOf(s, testing::grade60(), 200);
  for (int dir : {kAboutX, kAboutY}) {
    ASSERT_TRUE(FCPM(s, dir));
    const std::vector<DepthStrength> curve = sampleInteraction(s, dir);
    ASSERT_GE(curve.size(), 40u);
    EXPECT_NEAR(curve.front().P, -540.0, 1.0) << dir;
    EXPECT_NEAR(curve.back().P, s.P0, 1e-3 * s.P0) << dir;
    for (size_t i = 0; i < curve.size(); ++i) {
      if (i > 0) {
        EXPECT_GT(curve[i].P, curve[i - 1].P) << dir << " " << i;
      }
      const FibreStrength q = testing::fibreStrength(f, s, dir, curve[i].C);
      EXPECT_NEAR(curve[i].P, q.p, 2e-3 * s.P0) << dir << " " << i;
      EXPECT_NEAR(curve[i].M, dir == kAboutX ? q.mx : q.my, 1.0) << dir << " " << i;
    }
    for (int k = 1; k <= 3; ++k) {
      const DepthStrength pt = characteristicPoint(s, dir, k);
      EXPECT_TRUE(std::any_of(curve.begin(), curve.end(), [&](const DepthStrength& c) {
        return c.C == pt.C && c.P == pt.P && c.M == pt.M;
      })) << dir << " point " << k;
    }
  }
}

TEST(ColumnSectionStrength, NoCurveWithoutBars) {
  SectionState s = testing::sectionOf(kTiedRectangle, 20, 30, testing::grade60());
  COMPZ(s);
  EXPECT_FALSE(FCPM(s, kAboutX));
  EXPECT_FALSE(FINDM(s, kAboutX, 100.0f).has_value());
}

}  // namespace
}  // namespace bentpier::column
