// Moment capacity of a designed cap section, against hand calculation: the
// rectangular block with yielding steel (and strain-compatible compression
// steel), and the working-stress k and j of a cracked rectangle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "cap_fixture.h"
#include "design/cap/cap_design.h"

namespace bentpier {
namespace {

// 24 in by 36 in, tension steel 3 in from its face (d = 33 in).
CapDesignState section(char METHOD) {
  return testing::capSection(testing::capMaterials(), METHOD, 24.0f, 36.0f, 3.0f);
}

TEST(CapMomentCapacity, DesignStrengthByTheStressBlock) {
  const CapDesignState st = section('L');
  const double b = 24, d = 33, fc = 4000, fy = 60000;
  struct Case {
    double As, Asc, dc;
    double expected;  // phi Mn, in-lb
  };
  // Tension steel alone: a = As fy / (0.85 f'c b), 0.9 As fy (d - a/2).
  const double a1 = 4.0 * fy / (0.85 * fc * b);
  // With 2 sq in at 2.5 in, which does not yield: with c the axis depth,
  // 0.85 f'c b 0.85 c + 2 (87000 (c - 2.5)/c - 0.85 f'c) = 8 fy, a quadratic
  // in c.
  const double qa = 0.85 * fc * b * 0.85, qb = 2.0 * (87000.0 - 0.85 * fc) - 8.0 * fy,
               qc = -2.0 * 87000.0 * 2.5;
  const double c2 = (-qb + std::sqrt(qb * qb - 4 * qa * qc)) / (2 * qa);
  const double a2 = 0.85 * c2, fsc = 87000.0 * (c2 - 2.5) / c2 - 0.85 * fc;
  const Case cases[] = {
      {4.0, 0.0, 2.5, 0.9 * 4.0 * fy * (d - a1 / 2)},
      {8.0, 2.0, 2.5, 0.9 * (0.85 * fc * b * a2 * (d - a2 / 2) + 2.0 * fsc * (d - 2.5))},
      {0.0, 2.0, 2.5, 0.0},
  };
  for (const Case& c : cases) {
    const float m = strengthMomentCapacity(st, {static_cast<float>(c.As), 3.0f},
                                           {static_cast<float>(c.Asc), static_cast<float>(c.dc)});
    EXPECT_NEAR(m, c.expected, 2e-4 * std::max(c.expected, 1.0)) << c.As << " " << c.Asc;
  }
}

TEST(CapMomentCapacity, AllowableMomentOfTheCrackedSection) {
  CapDesignState st = section('S');
  const double b = 24, d = 33, n = 8, fs = 24000;
  const double rn = 4.0 * n / (b * d);
  const double k = std::sqrt(2 * rn + rn * rn) - rn, j = 1 - k / 3;
  const double bySteel = 4.0 * fs * j * d;
  const double byConcrete = [&](double fc) { return 0.5 * fc * k * j * b * d * d; }(800.0);
  EXPECT_NEAR(allowableMomentCapacity(st, 1600.0f, {4.0f, 3.0f}, {0.0f, 2.5f}), bySteel,
              2e-4 * bySteel);  // the steel governs
  EXPECT_NEAR(allowableMomentCapacity(st, 800.0f, {4.0f, 3.0f}, {0.0f, 2.5f}), byConcrete,
              2e-4 * byConcrete);  // the concrete governs
  // Compression steel relieves the concrete: the concrete-governed capacity
  // rises, the steel-governed one barely moves.
  EXPECT_GT(allowableMomentCapacity(st, 800.0f, {4.0f, 3.0f}, {2.0f, 2.5f}), 1.05 * byConcrete);
  EXPECT_NEAR(allowableMomentCapacity(st, 1600.0f, {4.0f, 3.0f}, {2.0f, 2.5f}), bySteel,
              0.03 * bySteel);
  EXPECT_EQ(allowableMomentCapacity(st, 1600.0f, {0.0f, 3.0f}, {2.0f, 2.5f}), 0.0f);
}

TEST(CapMomentCapacity, DesignedPointsCarryTheirDesignMoments) {
  // Every designed point, by either method, with moments of one sense or
  // reversing: the capacity of the section as designed is at least the
  // moment the design was made for on each face that carries one (the
  // design moment under the load-factor method, the service moment under
  // the service-load method), positive for the bottom bars and negative
  // for the top.
  const CapParameterRecord r = testing::capParameters();
  const CapDesignData data = capDesignData(r);
  struct Case {
    char METHOD;
    float MPOS, MNEG, MBPOS, MBNEG, DW;
  };
  const Case cases[] = {
      {'L', 900, 0, 600, 0, 4.0f},      {'L', 0, -1400, 0, -900, 4.0f},
      {'L', 700, -1800, 450, -1200, 3.5f}, {'L', 2500, -300, 1600, -200, 3.0f},
      {'S', 0, 0, 500, 0, 4.0f},        {'S', 0, 0, 350, -900, 4.0f},
      {'S', 0, 0, 0, -1300, 3.0f},
      // Group III at 125 percent beyond group I, in the same sense and reversing.
      {'S', 800, -200, 500, 0, 4.0f},   {'S', 300, -1100, 350, -600, 4.0f},
  };
  for (const Case& c : cases) {
    CapDesignState st;
    setCapConstants(st, data.materials, c.METHOD);
    CapPointRecord point;
    point.MPOS = c.MPOS;
    point.MNEG = c.MNEG;
    point.MBPOS = c.MBPOS;
    point.MBNEG = c.MBNEG;
    point.VLT = point.VRT = 20.0f;
    point.BW = 3.0f;
    point.DW = c.DW;
    const CapPointDesign d = designCapPoint(st, data, point, c.METHOD);
    ASSERT_EQ(d.status, CapPointStatus::kDesigned) << c.METHOD << c.MPOS << c.MBNEG;
    // Under the service-load method the section must carry group I and every
    // overstressed group alike.
    const float pos = c.METHOD == 'S' ? std::max(c.MBPOS, c.MPOS) : c.MPOS;
    const float neg = c.METHOD == 'S' ? std::min(c.MBNEG, c.MNEG) : c.MNEG;
    EXPECT_GT(d.MCAP_POS, 0.0f);
    EXPECT_LT(d.MCAP_NEG, 0.0f);
    EXPECT_GE(d.MCAP_POS, 0.995f * pos) << c.METHOD << " " << pos << " h " << d.h;
    EXPECT_LE(d.MCAP_NEG, 0.995f * neg) << c.METHOD << " " << neg << " h " << d.h;
  }
}

}  // namespace
}  // namespace bentpier
