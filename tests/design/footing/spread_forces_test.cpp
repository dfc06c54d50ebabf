// Design forces of a spread footing from its corner pressures, against the
// cantilever worked by hand and integrated numerically.
#include <gtest/gtest.h>

#include <functional>

#include "design/footing/footing_fixture.h"

namespace bentpier {
namespace {

// 10 x 8 x 2 ft under a 2 ft column: d = 24 - 3 - 0.375 = 20.625 in
// (1.71875 ft).
FootingDesign footing(float FWQ) {
  const FootingConstants k = footingConstants(testing::footingParams(), 'L', 'D');
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

}  // namespace
}  // namespace bentpier
