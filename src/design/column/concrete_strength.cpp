// Compressive force of the concrete for a neutral-axis depth: rectangles
// bent about a principal axis, circles, and rectangles whose neutral axis
// runs parallel to a diagonal. Every integral is exact: closed forms for
// the rectangle and the circle, and for the diagonal an integrand that is a
// polynomial between its break points, integrated by a rule exact for it.
#include <algorithm>
#include <array>
#include <cmath>

#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

constexpr double kHalfPi = 1.5707963;

// Stress block times a piecewise-linear width profile, integrated over the
// compressed part of a section whose coordinate runs from bottom to top
// (extreme compression fibre). The integrand is at most a quartic between
// the break points (neutral axis, end of the parabola, kinks of the width),
// where three-point Gauss-Legendre is exact.
template <class Width>
Forces stressBlock(const SectionState& s, float c, float top, float bottom,
                   Width width, float kink) {
  Forces f;
  if (c <= 0.0f) return f;
  const float zNA = top - c;
  const float lo = std::max(zNA, bottom);
  std::array<float, 4> cut{lo, top - c + c * s.KR, kink, top};
  // Four break points in order, by insertion.
  for (size_t i = 1; i < cut.size(); ++i)
    for (size_t j = i; j > 0 && cut[j] < cut[j - 1]; --j) std::swap(cut[j], cut[j - 1]);
  constexpr float kNode = 0.7745967f;  // sqrt(3/5)
  constexpr std::array<float, 3> node{-kNode, 0.0f, kNode};
  constexpr std::array<float, 3> weight{5.0f / 9.0f, 8.0f / 9.0f, 5.0f / 9.0f};
  for (size_t i = 0; i + 1 < cut.size(); ++i) {
    const float a = std::max(cut[i], lo);
    const float b = std::min(cut[i + 1], top);
    if (b <= a) continue;
    const float half = (b - a) / 2.0f, mid = (a + b) / 2.0f;
    for (size_t k = 0; k < node.size(); ++k) {
      const float z = mid + half * node[k];
      const float dp = weight[k] * half * width(z) *
                       concreteStress(s, (z - zNA) * s.EPSCU / c);
      f.P += dp;
      f.M += dp * z;
    }
  }
  return f;
}

// Antiderivative of z^k * 2*sqrt(r^2 - z^2) (the chord width of the circle
// at z), k = 0..3.
struct CircleMoments {
  std::array<double, 4> J{};
};

CircleMoments circleMoments(double r, double z) {
  z = std::clamp(z, -r, r);
  const double h = std::sqrt(std::max(r * r - z * z, 0.0));
  const double t = ATYX(z, h);  // z = r sin t
  const double sn = z / r, cs = h / r;
  const double r2 = r * r;
  CircleMoments m;
  m.J[0] = r2 * (t + sn * cs);
  m.J[1] = -2.0 / 3.0 * r2 * r * cs * cs * cs;
  m.J[2] = r2 * r2 * (t / 4.0 - sn * cs * (cs * cs - sn * sn) / 4.0);
  m.J[3] = 2.0 * r2 * r2 * r * (-cs * cs * cs / 3.0 + cs * cs * cs * cs * cs / 5.0);
  return m;
}

// The antiderivative at the ends of the circle, z = +-r, where the angle is a
// right angle and the chord has no width: the values circleMoments gives
// there, to the bit, without its arc tangent.
CircleMoments circleMomentsAtEnd(double r, bool top) {
  const double r2 = r * r;
  const double t = top ? kHalfPi : -kHalfPi;
  CircleMoments m;
  m.J[0] = r2 * t;
  m.J[1] = -0.0;
  m.J[2] = r2 * r2 * (t / 4.0);
  m.J[3] = 0.0;
  return m;
}

// circleMoments, its argument held to the circle like it.
CircleMoments circleMomentsAt(double r, double z) {
  if (z >= r) return circleMomentsAtEnd(r, true);
  if (z <= -r) return circleMomentsAtEnd(r, false);
  return circleMoments(r, z);
}

// Force and moment about the diameter, per unit of FCC2, of the stress
// block over a circle of radius r centred on the section: neutral axis at
// zNA, the parabola over the depth L above it, the plateau beyond. The
// antiderivative is taken once at each end of the two parts.
std::array<double, 2> circleBlock(double r, double zNA, double L) {
  const double zPk = zNA + L;
  const CircleMoments top = circleMomentsAtEnd(r, true);
  double p = 0, m = 0;
  // Plateau.
  const double a = std::max(zPk, -r);
  CircleMoments ja = top;
  if (a < r) {
    ja = circleMomentsAt(r, a);
    p += top.J[0] - ja.J[0];
    m += top.J[1] - ja.J[1];
  }
  // Parabola: stress/FCC2 = 2u - u^2 with u = (z - zNA)/L, as a0 + a1 z + a2 z^2.
  // Its top is the foot of the plateau, or the top of the circle.
  const double lo = std::max(zNA, -r), hi = std::min(zPk, r);
  if (lo < hi) {
    const double a2 = -1.0 / (L * L);
    const double a1 = 2.0 / L + 2.0 * zNA / (L * L);
    const double a0 = -2.0 * zNA / L - zNA * zNA / (L * L);
    const CircleMoments jl = circleMomentsAt(r, lo);
    const CircleMoments& jh = ja;
    std::array<double, 4> I{};
    for (int k = 0; k < 4; ++k) I[k] = jh.J[k] - jl.J[k];
    p += a0 * I[0] + a1 * I[1] + a2 * I[2];
    m += a0 * I[1] + a1 * I[2] + a2 * I[3];
  }
  return {p, m};
}

}  // namespace

double ATYX(double x, double y) {
  if (x <= 0.0) {
    if (x == 0.0) return 0.0;
    if (x + y >= 0.0) return std::atan(x / y);
    return -kHalfPi - std::atan(y / x);
  }
  if (y >= x) return std::atan(x / y);
  return kHalfPi - std::atan(y / x);
}

Forces UNCPM(const SectionState& s, float c, float h, float w) {
  if (c <= 0.0f) return {};
  if (s.KR > 1.0f) {
    // The extreme fibre stays below the peak strain: the whole block is
    // parabolic, which the closed forms below do not describe.
    return stressBlock(s, c, h / 2.0f, -h / 2.0f, [w](float) { return w; },
                       h / 2.0f);
  }
  const float kr = s.KR;
  float p = 0, m = 0;
  if (c <= h) {
    p = c * (1.0f - kr / 3.0f);
    m = c * ((h - c) / 2.0f - kr * (h / 2.0f - c * (1.0f - kr / 4.0f)) / 3.0f);
  } else {
    const float t = ((c - h) / c) / kr - 1.0f;
    if (t >= 0.0f) {
      p = h;  // the whole depth at the plateau
      m = 0.0f;
    } else {
      const float x = c * (1.0f - kr);
      const float pp = t * t * (h - x) / 3.0f;
      p = h - pp;
      m = pp * (x + h) / 4.0f;
    }
  }
  const float scale = s.FCC2 * w;
  return {p * scale, m * scale};
}

Forces CRCPM(const SectionState& s, float c) {
  if (c <= 0.0f) return {};
  const double zNA = s.RG - static_cast<double>(c);
  const double L = static_cast<double>(c) * s.KR;  // depth of the parabolic part
  // A hollow column: the same stress block over the void, taken away.
  std::array<double, 2> f = circleBlock(s.RG, zNA, L);
  if (s.VOID > 0.0f) {
    const std::array<double, 2> hole = circleBlock(s.VOID / 2.0, zNA, L);
    f[0] -= hole[0];
    f[1] -= hole[1];
  }
  return {static_cast<float>(s.FCC2 * f[0]), static_cast<float>(s.FCC2 * f[1])};
}

BiForces BICPM(const SectionState& s, float c) {
  // The rectangle seen along the normal to its diagonal: its width falls
  // linearly from DIAG at the diagonal to nothing at the corners z = +-RG.
  const float rg = s.RG, diag = s.DIAG;
  const Forces f = stressBlock(
      s, c, rg, -rg,
      [rg, diag](float z) { return diag * (1.0f - std::fabs(z) / rg); }, 0.0f);
  // The resultant lies on the other diagonal, so the two components of the
  // moment about the z axis share it equally.
  return {f.P, f.M * diag / (2.0f * s.B), f.M * diag / (2.0f * s.D)};
}

}  // namespace bentpier::column
