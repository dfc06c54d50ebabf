// Small bents and independent reference computations for the member-
// property tests. The references work in double precision from the member
// geometry itself (fine numerical integration of the section and weight
// functions), not from the formulas of the code under test.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "input/problem.h"

namespace bentpier::testing {

inline constexpr double kKsfPerKsi = 144.0;
inline constexpr double kUnitWeight = 0.15;  // kip per cubic foot

// A problem with the design data the member properties need.
inline Problem propertiesProblem(int ncol, int ncan, float ec = 3000) {
  Problem p;
  p.dd.NCOL = ncol;
  p.dd.NCAN = ncan;
  p.dd.NSPAN = ncan == 0 ? ncol : ncol + ncan - 1;
  p.dd.EC = ec;
  p.dd.ES = 29000;
  p.dd.N = 9;
  p.dd.COLOPT = ' ';
  p.cs.CLEAR = 2.5f;
  p.cs.KLCOEF = 2;
  return p;
}

inline void setBearings(CapSegment& seg, const std::vector<float>& increments) {
  seg.NB = static_cast<int>(increments.size());
  for (int i = 0; i < seg.NB; ++i) seg.XB[i + 1] = increments[static_cast<size_t>(i)];
}

inline Column rectangularColumn(float ht, float dt, float bt) {
  Column c;
  c.I = 'C';
  c.T = 'T';
  c.HT = ht;
  c.DT = c.DB = dt;
  c.BT = c.BB = bt;
  return c;
}

// Composite three-point Gauss-Legendre rule with n cells; it never
// evaluates the integrand at the ends of [a, b], so a jump there is met
// from the inside.
inline double gauss(const std::function<double(double)>& f, double a, double b, int n) {
  if (b <= a) return 0;
  const double h = (b - a) / n;
  const double r = std::sqrt(0.6) / 2;
  double s = 0;
  for (int j = 0; j < n; ++j) {
    const double m = a + (j + 0.5) * h;
    s += (5 * f(m - r * h) + 8 * f(m) + 5 * f(m + r * h)) / 18;
  }
  return s * h;
}

// Integral over [a, b] split at the given break points (kinks and jumps of
// the integrand), each piece with n Gauss cells.
inline double piecewise(const std::function<double(double)>& f, double a, double b,
                        std::vector<double> breaks, int n = 1000) {
  breaks.push_back(a);
  breaks.push_back(b);
  std::sort(breaks.begin(), breaks.end());
  double total = 0;
  for (size_t i = 0; i + 1 < breaks.size(); ++i) {
    const double lo = std::max(a, breaks[i]), hi = std::min(b, breaks[i + 1]);
    if (hi > lo) total += gauss(f, lo, hi, n);
  }
  return total;
}

// A straight member of length len, flexural stiffness EI(x) (0 meaning
// rigid: the integrand vanishes there), loaded by a simple-beam moment M0(x).
// End flexibilities of the simply supported member and the fixed-end
// moments (both as magnitudes in the sense of a downward load).
struct MemberReference {
  double f11 = 0, f22 = 0, f12 = 0;  // near-end, far-end, cross flexibilities
  double stiffnessNear() const { return f22 / (f11 * f22 - f12 * f12); }
  double stiffnessFar() const { return f11 / (f11 * f22 - f12 * f12); }
  double carryNearToFar() const { return f12 / f22; }
  double carryFarToNear() const { return f12 / f11; }
  // Fixed-end moments at the near and far ends from end rotations th1, th2
  // of the simply supported member.
  std::pair<double, double> fixedEnd(double th1, double th2) const {
    const double det = f11 * f22 - f12 * f12;
    return {(th1 * f22 - th2 * f12) / det, (th2 * f11 - th1 * f12) / det};
  }
};

inline MemberReference memberFlexibility(const std::function<double(double)>& invEI, double len,
                                         const std::vector<double>& breaks, int n = 1000) {
  auto integral = [&](auto weight) {
    return piecewise([&](double x) { return weight(x / len) * invEI(x); }, 0, len, breaks, n);
  };
  MemberReference m;
  m.f11 = integral([](double u) { return (1 - u) * (1 - u); });
  m.f22 = integral([](double u) { return u * u; });
  m.f12 = integral([](double u) { return u * (1 - u); });
  return m;
}

// End rotations of the simply supported member under the simple-beam moment M0.
inline std::pair<double, double> endRotations(const std::function<double(double)>& M0,
                                              const std::function<double(double)>& invEI,
                                              double len, const std::vector<double>& breaks,
                                              int n = 1000) {
  auto integral = [&](auto weight) {
    return piecewise([&](double x) { return M0(x) * weight(x / len) * invEI(x); }, 0, len, breaks,
                     n);
  };
  return {integral([](double u) { return 1 - u; }), integral([](double u) { return u; })};
}

// Simple-beam shear and moment of a distributed load q over [0, len],
// tabulated on a fine grid (load taken at cell midpoints, moment integrated
// from the shear) and read by linear interpolation.
class SimpleBeam {
 public:
  SimpleBeam(const std::function<double(double)>& q, double len, int cells = 40000)
      : len_(len), h_(len / cells), shear_(static_cast<size_t>(cells) + 1),
        moment_(static_cast<size_t>(cells) + 1) {
    std::vector<double> load(static_cast<size_t>(cells));
    double total = 0, firstMoment = 0;
    for (int i = 0; i < cells; ++i) {
      const double x = (i + 0.5) * h_;
      load[static_cast<size_t>(i)] = q(x) * h_;
      total += load[static_cast<size_t>(i)];
      firstMoment += load[static_cast<size_t>(i)] * x;
    }
    reaction_ = total - firstMoment / len;  // left reaction
    shear_[0] = reaction_;
    moment_[0] = 0;
    for (int i = 0; i < cells; ++i) {
      const size_t j = static_cast<size_t>(i);
      // Within a cell the load sits at its middle: the shear steps there.
      moment_[j + 1] = moment_[j] + shear_[j] * h_ - load[j] * h_ / 2;
      shear_[j + 1] = shear_[j] - load[j];
    }
  }
  double leftReaction() const { return reaction_; }
  double shear(double x) const { return read(shear_, x); }
  double moment(double x) const { return read(moment_, x); }

 private:
  double read(const std::vector<double>& v, double x) const {
    const double u = std::clamp(x / h_, 0.0, static_cast<double>(v.size() - 1));
    const size_t i = std::min(static_cast<size_t>(u), v.size() - 2);
    const double t = u - static_cast<double>(i);
    return v[i] * (1 - t) + v[i + 1] * t;
  }
  double len_, h_, reaction_ = 0;
  std::vector<double> shear_, moment_;
};

}  // namespace bentpier::testing
