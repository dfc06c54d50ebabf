// An independent no-tension soil model for the footing tests: the plan cut
// into n x n cells, each carrying the pressure of a plane where that is
// positive and nothing where it would pull.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace bentpier::testing {

// The plane p = c0 + c1 x + c2 y (x along B, y along D, from the centre)
// whose compressed part carries N, Mx = sum p x and My = sum p y. Newton's
// method on the three equilibrium equations, the Jacobian being the
// moments of the compressed cells.
inline std::array<double, 3> noTensionPlane(double B, double D, double N, double Mx,
                                            double My, int n = 400) {
  const double dx = B / n, dy = D / n, dA = dx * dy;
  // Start from full contact.
  std::array<double, 3> c = {N / (B * D), Mx * 12 / (D * B * B * B),
                             My * 12 / (B * D * D * D)};
  for (int iter = 0; iter < 100; ++iter) {
    double r[3] = {-N, -Mx, -My};
    double J[3][3] = {};
    for (int i = 0; i < n; ++i) {
      const double x = -B / 2 + (i + 0.5) * dx;
      for (int j = 0; j < n; ++j) {
        const double y = -D / 2 + (j + 0.5) * dy;
        const double p = c[0] + c[1] * x + c[2] * y;
        if (p <= 0) continue;
        const double v[3] = {1, x, y};
        for (int a = 0; a < 3; ++a) {
          r[a] += p * v[a] * dA;
          for (int b = 0; b < 3; ++b) J[a][b] += v[a] * v[b] * dA;
        }
      }
    }
    // Solve J d = r by Cramer's rule.
    auto det3 = [](double m[3][3]) {
      return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
             m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
             m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const double det = det3(J);
    double step[3];
    for (int k = 0; k < 3; ++k) {
      double m[3][3];
      for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) m[a][b] = b == k ? r[a] : J[a][b];
      step[k] = det3(m) / det;
    }
    for (int k = 0; k < 3; ++k) c[static_cast<size_t>(k)] -= step[k];
    if (std::fabs(r[0]) < 1e-9 * N && std::fabs(step[0]) < 1e-12) break;
  }
  return c;
}

// The pressure at the corner (B/2, D/2).
inline double noTensionCorner(double B, double D, double N, double Mx, double My,
                              int n = 400) {
  const std::array<double, 3> c = noTensionPlane(B, D, N, Mx, My, n);
  return c[0] + c[1] * B / 2 + c[2] * D / 2;
}

// Force and moment about x = x0 (dir 0) or y = y0 (dir 1) of the
// compressed cells of the rectangle [x0, x1] by [y0, y1].
struct GridReaction {
  double force = 0, moment = 0;
};
inline GridReaction gridReaction(const std::array<double, 3>& c, int dir, double x0,
                                 double x1, double y0, double y1, int n = 800) {
  const double dx = (x1 - x0) / n, dy = (y1 - y0) / n;
  GridReaction r;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const double x = x0 + (i + 0.5) * dx, y = y0 + (j + 0.5) * dy;
      const double p = std::max(0.0, c[0] + c[1] * x + c[2] * y) * dx * dy;
      r.force += p;
      r.moment += p * (dir == 0 ? x - x0 : y - y0);
    }
  return r;
}

}  // namespace bentpier::testing
