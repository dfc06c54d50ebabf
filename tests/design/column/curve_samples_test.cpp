// The interaction curves kept for the drawings, against the fibre model:
// at every axial load between pure bending and the cut-off the sampled
// curve gives the moment strength the fibres do.
#include <gtest/gtest.h>

#include "column_fixtures.h"
#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

using namespace testing;

// Moment of a polyline of (M, P) samples at the axial load p, the curve
// falling from P0 to tension.
double momentAt(const std::vector<CurveSample>& c, double p) {
  for (size_t i = 1; i < c.size(); ++i) {
    if ((c[i - 1].P - p) * (c[i].P - p) > 0) continue;
    const double t = (p - c[i - 1].P) / (c[i].P - c[i - 1].P);
    return c[i - 1].M + t * (c[i].M - c[i - 1].M);
  }
  return -1;
}

TEST(CurveSamples, FollowTheFibreModelFromTensionToTheCutOff) {
  const Material m = grade60();
  SectionState tied = sectionOf(kTiedRectangle, 24, 36, m);
  addPerimeter(tied, 4, 4, 2.5f, 1.0f);
  SectionState round = sectionOf(kCircular, 42, 42, m, 0.75f);
  addRing(round, 12, 17.5f, 1.27f);
  for (SectionState* s : {&tied, &round}) {
    COMPZ(*s);
    for (const int dir : {kAboutX, kAboutY}) {
      ASSERT_TRUE(FCPM(*s, dir));
      const std::vector<CurveSample> c = sampleCurve(*s, dir, 48);
      ASSERT_GE(c.size(), 40u);
      EXPECT_FLOAT_EQ(c.front().M, 0.0f);
      EXPECT_FLOAT_EQ(c.front().P, s->P0);
      EXPECT_LT(c.back().P, 0.0f);  // into tension past pure bending
      for (const CurveSample& q : c) EXPECT_LE(q.P, s->P0);
      const FibreSection f = fibreOf(*s, m, 120);
      for (const double share : {0.0, 0.15, 0.35, 0.55, 0.75}) {
        const double p = share * s->P0;
        const double fibre = fibreMoment(fibreAtLoad(f, *s, dir, p));
        EXPECT_NEAR(momentAt(c, p), fibre, 0.02 * fibre)
            << "section " << s->SECT << " direction " << dir << " at P " << p;
      }
    }
  }
}

}  // namespace
}  // namespace bentpier::column
