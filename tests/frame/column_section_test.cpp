// Section routine: radii of gyration and rigidities against the transformed
// section summed bar by bar, and the minimum eccentricities.
#include <gtest/gtest.h>

#include "frame/member_properties.h"
#include "frame/properties_fixture.h"

namespace bentpier {
namespace {

using testing::propertiesProblem;

constexpr double kPi = 3.14159265358979;

struct Bar {
  double y, z;  // inches from the centre: y across the bent (depth), z along it
};

struct Transformed {
  double area, Iy, Iz;  // Iy: about the axis along the bridge (bending in the bent's plane)
};

Transformed withBars(double gross, double Igy, double Igz, const std::vector<Bar>& bars,
                     double barArea, double n) {
  Transformed t{gross, Igy, Igz};
  for (const Bar& b : bars) {
    t.area += n * barArea;
    t.Iy += n * barArea * b.y * b.y;
    t.Iz += n * barArea * b.z * b.z;
  }
  return t;
}

TEST(PropsSection, TiedRectangularSectionSummedBarByBar) {
  Problem p = propertiesProblem(2, 0, 3600);
  p.dd.N = 8;
  p.cs.CLEAR = 2.5f;
  Column& c = p.col[1];
  c.T = 'T';
  c.ND[1] = 3;  // bars along each depth face, between the corners
  c.NB[1] = 4;  // bars along each width face, corners included
  c.SZ[1] = 9;  // 1.00 sq in
  const SectionProperties sp = columnSection(p, 1, 3, 2, 1);  // 36 in deep, 24 in wide

  const double dp = 18 - 2.5, hp = 12 - 2.5;
  std::vector<Bar> bars;
  for (int j = 0; j < 4; ++j) {
    const double z = -hp + j * 2 * hp / 3;
    bars.push_back({dp, z});
    bars.push_back({-dp, z});
  }
  for (int j = 1; j <= 3; ++j) {
    const double y = -dp + j * 2 * dp / 4;
    bars.push_back({y, hp});
    bars.push_back({y, -hp});
  }
  const Transformed t = withBars(36 * 24, 24 * std::pow(36, 3) / 12, 36 * std::pow(24, 3) / 12,
                                 bars, 1.0, 8);
  EXPECT_NEAR(sp.radiusT, std::sqrt(t.Iy / t.area), 1e-4);
  EXPECT_NEAR(sp.radiusL, std::sqrt(t.Iz / t.area), 1e-4);
  // EI = Ec Ig / 5 + Es Ise, with Es = N Ec.
  const double steelY = t.Iy - 24 * std::pow(36, 3) / 12;
  const double steelZ = t.Iz - 36 * std::pow(24, 3) / 12;
  EXPECT_NEAR(sp.rigidityT, 3600 * (24 * std::pow(36, 3) / 12 / 5 + steelY),
              1e-5 * sp.rigidityT);
  EXPECT_NEAR(sp.rigidityL, 3600 * (36 * std::pow(24, 3) / 12 / 5 + steelZ),
              1e-5 * sp.rigidityL);
  // Tied: h/10 governs both (0.3 ft, 0.2 ft) over 0.6 in + 0.03 h.
  EXPECT_NEAR(sp.eminT, 0.3, 1e-6);
  EXPECT_NEAR(sp.eminL, 0.2, 1e-6);
}

TEST(PropsSection, CircularSectionWithBarsOnARing) {
  Problem p = propertiesProblem(2, 0, 4000);
  p.dd.N = 7;
  p.cs.CLEAR = 3;
  Column& c = p.col[1];
  c.T = 'R';
  c.ND[2] = 10;
  c.NB[2] = 2;  // twelve bars in all
  c.SZ[2] = 11;
  const SectionProperties sp = columnSection(p, 1, 4, 0, 2);  // 48 in solid
  const double r = 24 - 3;
  std::vector<Bar> bars;
  for (int j = 0; j < 12; ++j) {
    const double a = 2 * kPi * j / 12 + 0.3;
    bars.push_back({r * std::cos(a), r * std::sin(a)});
  }
  const double Ig = kPi * std::pow(48, 4) / 64;
  const Transformed t = withBars(kPi * 48 * 48 / 4, Ig, Ig, bars, 1.56, 7);
  EXPECT_NEAR(sp.radiusT, std::sqrt(t.Iy / t.area), 1e-4);
  EXPECT_NEAR(sp.radiusL, sp.radiusT, 1e-6);
  EXPECT_NEAR(sp.rigidityT, 4000 * (Ig / 5 + t.Iy - Ig), 1e-5 * sp.rigidityT);
  // Spiral rule h/20 = 0.2 ft against 0.03 h + 0.05 = 0.17 ft, both ways.
  EXPECT_NEAR(sp.eminT, 0.2, 1e-6);
  EXPECT_NEAR(sp.eminL, 0.2, 1e-6);
}

TEST(PropsSection, HollowCircularGrossSection) {
  Problem p = propertiesProblem(2, 0, 4000);
  p.dd.N = 7;
  p.col[1].T = 'R';  // no bars
  const SectionProperties sp = columnSection(p, 1, 5, 3, 1);
  // Ring 60 in / 36 in: r^2 = (D^2 + d^2) / 16.
  EXPECT_NEAR(sp.radiusT, std::sqrt((3600.0 + 1296) / 16), 1e-4);
  EXPECT_NEAR(sp.rigidityT, 4000 * kPi * (std::pow(60, 4) - std::pow(36, 4)) / 64 / 5,
              1e-5 * sp.rigidityT);
}

TEST(PropsSection, SmallSectionTakesOneInchEccentricity) {
  Problem p = propertiesProblem(2, 0, 3600);
  p.col[1].T = 'S';
  const SectionProperties sp = columnSection(p, 1, 1, 1.5, 1);
  EXPECT_NEAR(sp.eminT, 1.0 / 12, 1e-6);        // 0.08 and 0.05 ft fall short of 1 in
  EXPECT_NEAR(sp.eminL, 0.03 * 1.5 + 0.05, 1e-6);  // 0.095 ft
}

TEST(PropsSection, SpiralRectangularSectionTakesBarsOnARing) {
  Problem p = propertiesProblem(2, 0, 3600);
  p.dd.N = 8;
  p.cs.CLEAR = 2;
  Column& c = p.col[1];
  c.T = 'S';
  c.ND[1] = 8;
  c.SZ[1] = 8;  // 0.79 sq in
  const SectionProperties sp = columnSection(p, 1, 3, 3, 1);
  const double r = 18 - 2;
  const double steel = 8 * 0.79 * 8 * r * r / 2;
  const double Ig = 36.0 * std::pow(36, 3) / 12;
  EXPECT_NEAR(sp.radiusT, std::sqrt((Ig + steel) / (36 * 36 + 8 * 0.79 * 8)), 1e-4);
  EXPECT_NEAR(sp.rigidityL, 3600 * (Ig / 5 + steel), 1e-5 * sp.rigidityL);
}

}  // namespace
}  // namespace bentpier
