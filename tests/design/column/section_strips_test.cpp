// The strips of a section against closed forms: at any angle of the neutral
// axis they tile the section (its area, centroid at the centre) and give its
// second moment about the axis to the accuracy of the strip rule.
#include "design/column/section_strips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "column_fixtures.h"

namespace bentpier::column::strips {
namespace {

struct Sums {
  double a = 0, ax = 0, ay = 0, izz = 0;  // izz about the centre, along the normal
};

Sums sumsOf(const std::vector<Strip>& strips) {
  Sums m;
  for (const Strip& st : strips) {
    m.a += st.a;
    m.ax += st.a * st.x;
    m.ay += st.a * st.y;
    m.izz += st.a * st.z * st.z;
  }
  return m;
}

// The full cut and the exact check's coarser one alike; the strips' own
// second moments, left out, grow as (1 / count)^2.
TEST(ColumnSectionStrips, StripsTileTheSectionAtEveryAngle) {
  const SectionState rect = testing::sectionOf(kTiedRectangle, 20, 30, testing::grade60());
  for (int count : {kStrips, kStrips / 3}) {
    const double rule = 2e-4 * std::pow(static_cast<double>(kStrips) / count, 2);
    for (double angle : {0.0, 0.3, std::numbers::pi / 4, 1.2, std::numbers::pi / 2, -0.7}) {
      const Normal n(angle);
      std::vector<Strip> strips;
      rectangleStrips(rect, n, extremeFibre(rect, n), strips, count);
      EXPECT_LE(strips.size(), static_cast<size_t>(count));
      const Sums m = sumsOf(strips);
      EXPECT_NEAR(m.a, 600.0, 1e-9) << angle;
      EXPECT_NEAR(m.ax, 0.0, 1e-8) << angle;
      EXPECT_NEAR(m.ay, 0.0, 1e-8) << angle;
      // I about an axis at the angle: Ixx cos^2 + Iyy sin^2, Ixx = 20 x 30^3 / 12.
      const double ixx = 20.0 * 27000.0 / 12.0, iyy = 30.0 * 8000.0 / 12.0;
      const double i = ixx * n.ny * n.ny + iyy * n.nx * n.nx;
      EXPECT_NEAR(m.izz, i, rule * i) << angle << " " << count;
    }
    for (double voidDiameter : {0.0, 28.0}) {
      SectionState ring = testing::sectionOf(kCircular, 42, 42, testing::grade60(), 0.75f);
      ring.VOID = static_cast<float>(voidDiameter);
      const Sums m = sumsOf(circleSlabs(ring, count));
      const double r = 21.0, ri = voidDiameter / 2.0;
      EXPECT_NEAR(m.a, std::numbers::pi * (r * r - ri * ri), 1e-8 * r * r) << voidDiameter;
      const double i = std::numbers::pi / 4.0 * (std::pow(r, 4) - std::pow(ri, 4));
      EXPECT_NEAR(m.izz, i, rule * i) << voidDiameter << " " << count;
    }
  }
}

}  // namespace
}  // namespace bentpier::column::strips
