// Section values of a spread footing and the soil pressure under it for a
// load with biaxial eccentricity, with the footing lifted off the soil
// where a full-contact plane of pressure would pull.
#include <algorithm>
#include <cmath>

#include "design/footing/footing.h"

namespace bentpier {
namespace {

constexpr float kHalfBarAssumed = 0.375f;  // in, half a bar diameter
// Partial-contact passes: the most allowed, and the change of every corner
// pressure below which the contact area has settled: 0.001 ksf, or a
// millionth of the largest pressure when the resultant lies so near an
// edge that the pressures run to hundreds of ksf.
constexpr int kMaxSoilPasses = 50;
constexpr double kSoilTolerance = 0.001;
constexpr double kSoilRelativeTolerance = 1.0e-6;
// A column-side ratio that cannot be formed reads as this (the punching
// stress then takes its smallest value).
constexpr float kFlatRatio = 1.0e6f;

// The region of the plan in contact with the soil, referred to its own
// centroid: area, second and product moments, and the distances from the
// centroid to the plan edges. The partial-contact passes work in double:
// for a resultant near an edge the region is a sliver far from the plan
// centre, and its moments about its own centroid are small differences of
// large ones.
template <typename Real>
struct Contact {
  Real area = 0, IB = 0, ID = 0, IBD = 0;
  Real xbar = 0, ybar = 0;  // centroid from the plan centre, along B and D
};

template <typename Real>
struct Corners {
  Real P1 = 0, P2 = 0, P3 = 0, P4 = 0;
};

template <typename Real>
Contact<Real> fullContact(const FootingSection& sec) {
  return {sec.FAREA, sec.IB, sec.ID, 0, 0, 0};
}

// The contact region cut off by the zero line of the corner pressures.
// Along B from corner 1 to corner 2 and along D from corner 1 to corner 4
// the region is a rectangle A1 (u1 by u2, along the edge 1-2), a rectangle
// A2 (w2 by h, along the edge 1-4) and the right triangle A3 (g by h)
// between them and the zero line.
template <typename Real>
Contact<Real> partialContact(const FootingSection& sec, const Corners<Real>& p) {
  const Real HB = sec.HB, HD = sec.HD;
  const Real B = 2 * HB, D = 2 * HD;
  Real u1, u2, w1, w2;
  if (p.P2 <= 0) {
    u2 = 0;
    u1 = B * p.P1 / (p.P1 - p.P2);
  } else {
    u1 = B;
    u2 = D * p.P2 / (p.P2 - p.P3);
  }
  if (p.P4 <= 0) {
    w2 = 0;
    w1 = D * p.P1 / (p.P1 - p.P4);
  } else {
    w1 = D;
    w2 = B * p.P4 / (p.P4 - p.P3);
  }
  const Real h = w1 - u2;
  const Real g = u1 - w2;
  const Real A1 = u2 * u1, A2 = h * w2, A3 = h * g / 2;
  Contact<Real> c;
  c.area = A1 + A2 + A3;
  const Real y1 = HD - u2 / 2, y2 = -u2 / 2, y3 = HD - u2 - h / 3;
  const Real x2 = HB - w2 / 2, x3 = HB - w2 - g / 3;
  c.ybar = (y3 * A3 + y2 * A2 + y1 * A1) / c.area;
  c.xbar = (x3 * A3 + x2 * A2) / c.area;
  c.ID = y3 * y3 * A3 + y2 * y2 * A2 + y1 * y1 * A1 + A3 * h * h / 18 +
         (A2 * h * h + A1 * u2 * u2) / 12 - c.ybar * c.ybar * c.area;
  c.IB = x3 * x3 * A3 + x2 * x2 * A2 + A3 * g * g / 18 +
         (A2 * w2 * w2 + A1 * u1 * u1) / 12 - c.xbar * c.xbar * c.area;
  c.IBD = x3 * y3 * A3 + x2 * y2 * A2 - A3 * A3 / 18 - c.xbar * c.ybar * c.area;
  return c;
}

template <typename Real>
bool usable(const Contact<Real>& c) {
  const Real det = c.IB * c.ID - c.IBD * c.IBD;
  return std::isfinite(det) && c.area > 0 && det > 0 && std::isfinite(c.xbar) &&
         std::isfinite(c.ybar);
}

// The plane of pressure q0 + kL x + kT y over the contact region, in
// equilibrium with the load NT and both base moments about its centroid,
// at the four plan corners.
template <typename Real>
Corners<Real> cornerPressures(const Contact<Real>& c, const FootingSection& sec,
                              Real NT, Real MLB, Real MTB) {
  const Real ML = MLB - c.xbar * NT, MT = MTB - c.ybar * NT;
  const Real det = c.IB * c.ID - c.IBD * c.IBD;
  const Real kL = (c.ID * ML - c.IBD * MT) / det;
  const Real kT = (c.IB * MT - c.IBD * ML) / det;
  const Real q0 = NT / c.area;
  const Real HB = sec.HB, HD = sec.HD;
  const Real b1 = HB - c.xbar, b2 = HB + c.xbar;
  const Real d1 = HD - c.ybar, d2 = HD + c.ybar;
  return {q0 + kL * b1 + kT * d1, q0 - kL * b2 + kT * d1, q0 - kL * b2 - kT * d2,
          q0 + kL * b1 - kT * d2};
}

template <typename Real>
void store(FootingState& FST, const Corners<Real>& p) {
  FST[kFstP1] = static_cast<float>(p.P1);
  FST[kFstP2] = static_cast<float>(p.P2);
  FST[kFstP3] = static_cast<float>(p.P3);
  FST[kFstP4] = static_cast<float>(p.P4);
}

bool settled(const Corners<double>& p, const Corners<double>& prev) {
  const double tol = std::max(kSoilTolerance, kSoilRelativeTolerance * std::fabs(p.P1));
  return std::fabs(p.P1 - prev.P1) <= tol && std::fabs(p.P2 - prev.P2) <= tol &&
         std::fabs(p.P3 - prev.P3) <= tol && std::fabs(p.P4 - prev.P4) <= tol;
}

}  // namespace

FootingSection spreadSection(const FootingData& f, float REBARCLR) {
  FootingSection s;
  s.FAREA = f.B * f.D;
  s.IB = f.B * f.B * s.FAREA / 12.0f;
  s.ID = f.D * f.D * s.FAREA / 12.0f;
  s.HD = f.D / 2.0f;
  s.HB = f.B / 2.0f;
  const float Tin = 12.0f * f.T;
  s.H2 = Tin * Tin;
  s.D0 = Tin - REBARCLR;
  s.DS = s.D0 - kHalfBarAssumed;
  s.DSF = s.DS / 12.0f;
  s.PB1 = std::min(s.DSF + f.BB, f.B);
  s.PD1 = std::min(s.DSF + f.DB, f.D);
  const float lo = std::min(s.PB1, s.PD1), hi = std::max(s.PB1, s.PD1);
  s.BETA = lo > 0.0f ? hi / lo : kFlatRatio;
  return s;
}

SoilContact soilPressure(FootingState& FST, const FootingSection& sec,
                         float T, float FWT) {
  const float MLB = std::fabs(FST[kFstML] + T * FST[kFstVL]);
  const float MTB = std::fabs(FST[kFstMT] + T * FST[kFstVT]);
  const float NT = FST[kFstP] + FWT;

  // Full contact first: P/A plus or minus M/S.
  const Corners<float> full = cornerPressures(fullContact<float>(sec), sec, NT, MLB, MTB);
  store(FST, full);
  if (full.P3 >= 0.0f) return SoilContact::kFull;
  // A resultant outside the plan (or no net load pressing the footing
  // down) has no contact region that balances it.
  if (!(NT > 0.0f) || MLB / NT > sec.HB || MTB / NT > sec.HD)
    return SoilContact::kOutside;

  // Partial contact: the region under the compressed part of the last
  // plane, until the plane settles.
  Corners<double> p{full.P1, full.P2, full.P3, full.P4};
  for (int pass = 2;; ++pass) {
    if (!std::isfinite(p.P1 + p.P2 + p.P3 + p.P4) || !(p.P1 > 0.0))
      return SoilContact::kUnresolved;
    // A pass that lifts no corner takes the whole plan again.
    const Contact<double> c = p.P3 >= 0.0 ? fullContact<double>(sec) : partialContact(sec, p);
    if (!usable(c)) return SoilContact::kUnresolved;
    const Corners<double> next = cornerPressures<double>(c, sec, NT, MLB, MTB);
    store(FST, next);
    if (pass == kMaxSoilPasses) return SoilContact::kUnresolved;
    if (settled(next, p)) return SoilContact::kPartial;
    p = next;
  }
}

}  // namespace bentpier
