// Design forces of a spread footing from its corner pressures, against the
// cantilever worked by hand and integrated numerically, and for a footing
// partly lifted off the soil against the no-tension grid.
#include <gtest/gtest.h>

#include <functional>

#include "design/footing/footing_fixture.h"
#include "design/footing/no_tension_grid.h"

namespace bentpier {
namespace {

// 10 x 8 x 2 ft under a 2 ft column: d = 24 - 3 - 0.375 = 20.625 in
// (1.71875 ft).
FootingDesign footing(float FWQ) {
  const FootingStrengths k = footingStrengths(testing::footingParams(), 'L', 'D');
  FootingDesign fd = prepareFooting(testing::spreadRecord(10.0f, 8.0f, 2.0f, 2.0f), 1, k);
  fd.sec = spreadSection(fd.f, 3.0f);
  fd.wt.FWQ = FWQ;
  fd.wt.FWT = FWQ * fd.sec.FAREA;
  return fd;
}

void corners(FootingState& F, float P1, float P2, float P3, float P4) {
  F[kFstP1] = P1;
  F[kFstP2] = P2;
  F[kFstP3] = P3;
  F[kFstP4] = P4;
}

// Midpoint integral of f over [a, b].
double integral(const std::function<double(double)>& f, double a, double b) {
  const int n = 20000;
  const double h = (b - a) / n;
  double s = 0;
  for (int i = 0; i < n; ++i) s += f(a + (i + 0.5) * h);
  return s * h;
}

TEST(FootingSpreadForces, UniformPressureCantilevers) {
  FootingDesign fd = footing(0.3f);
  FootingState F{};
  F[kFstP] = 376.0f;
  corners(F, 5.0f, 5.0f, 5.0f, 5.0f);
  spreadDesignForces(F, fd);
  // Net 4.7 ksf: longitudinal cantilever 4 ft, transverse 3 ft.
  EXPECT_NEAR(F[kFstMLF], 4.7f * 16 / 2, 1e-3f);
  EXPECT_NEAR(F[kFstVLF], 4.7f * (4 - 1.71875f), 1e-3f);
  EXPECT_NEAR(F[kFstMTF], 4.7f * 9 / 2, 1e-3f);
  EXPECT_NEAR(F[kFstVBF], 4.7f * (3 - 1.71875f), 1e-3f);
  // Punching on the 3.71875 ft square round the column.
  const float p = 3.71875f;
  EXPECT_NEAR(F[kFstVPF], (376 - p * p * 4.7f) / (4 * p), 1e-3f);
}

TEST(FootingSpreadForces, PressureVaryingAlongTheFooting) {
  // 8 ksf along the edge at +B/2, 2 ksf at -B/2: p(x) = 5 + 0.6 x.
  const double FWQ = 0.3;
  FootingDesign fd = footing(0.3f);
  FootingState F{};
  F[kFstP] = 376.0f;
  corners(F, 8.0f, 2.0f, 2.0f, 8.0f);
  spreadDesignForces(F, fd);
  auto net = [&](double x) { return 5 + 0.6 * x - FWQ; };
  const double M = integral([&](double x) { return net(x) * (x - 1); }, 1, 5);
  const double V = integral(net, 1 + 1.71875, 5);
  EXPECT_NEAR(F[kFstMLF], M, 1e-3 * M);
  EXPECT_NEAR(F[kFstVLF], V, 1e-3 * V);
  // Across the footing the mean pressure is 5 everywhere.
  EXPECT_NEAR(F[kFstMTF], 4.7f * 9 / 2, 1e-3f);
}

TEST(FootingSpreadForces, PerimeterBeyondThePlanHasNoPunching) {
  FootingDesign fd = footing(0.3f);
  fd.f.D = 3.0f;  // narrower than the 3.72 ft perimeter
  fd.sec = spreadSection(fd.f, 3.0f);
  FootingState F{};
  F[kFstP] = 100.0f;
  corners(F, 5.0f, 5.0f, 5.0f, 5.0f);
  spreadDesignForces(F, fd);
  EXPECT_EQ(F[kFstVPF], 0.0f);
}

FootingState liftedForces(const FootingDesign& fd, float P, float ML, float MT) {
  FootingState F{};
  F[kFstP] = P;
  F[kFstML] = ML;
  F[kFstMT] = MT;
  EXPECT_EQ(soilPressure(F, fd.sec, 0.0f, 0.0f), SoilContact::kPartial);
  spreadDesignForces(F, fd);
  return F;
}

TEST(FootingSpreadForces, LiftedFootingCarriesOnlyThePressedStrip) {
  // 200 kips 3.5 ft off centre along B = 10: a triangle of pressure over
  // the 4.5 ft strip x = 0.5..5, 11.111 ksf at the edge; net of 0.3 ksf.
  // Across the footing every strip along D carries 200/8 = 25 kips per ft,
  // so the transverse cantilever (3 ft beyond the face) has a moment of
  // 25 x 4.5 / 10 - 0.3 x 9/2 = 9.9 per foot; the corner values, with the
  // lifted part pulling, gave -6.9, and no transverse bars at all.
  FootingDesign fd = footing(0.3f);
  const FootingState F = liftedForces(fd, 200.0f, 700.0f, 0.0f);
  const double k = 400.0 / (4.5 * 8) / 4.5;  // pressure k (x - 0.5)
  EXPECT_NEAR(F[kFstMTF], 9.9, 1e-3);
  EXPECT_NEAR(F[kFstVBF], 25 * 1.28125 / 10 - 0.3 * 1.28125, 1e-3);
  // Longitudinal: about the face x = 1, and beyond x = 2.71875.
  EXPECT_NEAR(F[kFstMLF], k * (64.0 / 3 + 4) - 0.3 * 8, 5e-3);
  EXPECT_NEAR(F[kFstVLF], k * (20.25 - 2.21875 * 2.21875) / 2 - 0.3 * 2.28125, 5e-3);
  // Punching: only x = 0.5..1.859 of the 3.719 ft square presses.
  const double p = 3.71875, inside = p * k * 1.359375 * 1.359375 / 2;
  EXPECT_NEAR(F[kFstVPF], (200 - inside + p * p * 0.3) / (4 * p), 1e-3);
}

TEST(FootingSpreadForces, BiaxialLiftMatchesTheNoTensionGrid) {
  struct Case {
    float ML, MT;
  };
  // Corners 3 and 4 lift; corners 2 and 3; only corner 1 bears.
  for (const Case c : {Case{100, 450}, Case{500, 100}, Case{650, 500}}) {
    FootingDesign fd = footing(0.3f);
    const FootingState F = liftedForces(fd, 200.0f, c.ML, c.MT);
    const auto plane = testing::noTensionPlane(10, 8, 200, c.ML, c.MT);
    auto grid = [&](int dir, double x0, double x1, double y0, double y1) {
      return testing::gridReaction(plane, dir, x0, x1, y0, y1);
    };
    const double d = 1.71875, p = 2 + d;
    const double expected[5] = {
        grid(0, 1, 5, -4, 4).moment / 8 - 0.3 * 16 / 2,
        grid(0, 1 + d, 5, -4, 4).force / 8 - 0.3 * (4 - d),
        grid(1, -5, 5, 1, 4).moment / 10 - 0.3 * 9 / 2,
        grid(1, -5, 5, 1 + d, 4).force / 10 - 0.3 * (3 - d),
        (200 - grid(0, -p / 2, p / 2, -p / 2, p / 2).force + 0.3 * p * p) / (4 * p)};
    const int element[5] = {kFstMLF, kFstVLF, kFstMTF, kFstVBF, kFstVPF};
    for (int e = 0; e < 5; ++e)
      EXPECT_NEAR(F[static_cast<size_t>(element[e])], expected[e],
                  0.01 * std::fabs(expected[e]) + 0.01)
          << c.ML << " " << c.MT << " element " << element[e];
  }
}

}  // namespace
}  // namespace bentpier
