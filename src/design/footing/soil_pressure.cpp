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
// pressure (ksf) below which the contact area has settled.
constexpr int kMaxSoilPasses = 50;
constexpr float kSoilTolerance = 0.001f;
// A column-side ratio that cannot be formed reads as this (the punching
// stress then takes its smallest value).
constexpr float kFlatRatio = 1.0e6f;

// The region of the plan in contact with the soil, referred to its own
// centroid: area, second and product moments, and the distances from the
// centroid to the plan edges.
struct Contact {
  float area = 0, IB = 0, ID = 0, IBD = 0;
  float xbar = 0, ybar = 0;  // centroid from the plan centre, along B and D
};

Contact fullContact(const FootingSection& sec) {
  return {sec.FAREA, sec.IB, sec.ID, 0.0f, 0.0f, 0.0f};
}

// The contact region cut off by the zero line of the corner pressures.
// Along B from corner 1 to corner 2 and along D from corner 1 to corner 4
// the region is a rectangle A1 (u1 by u2, along the edge 1-2), a rectangle
// A2 (w2 by h, along the edge 1-4) and the right triangle A3 (g by h)
// between them and the zero line.
Contact partialContact(const FootingSection& sec, float P1, float P2, float P3,
                       float P4) {
  const float B = 2.0f * sec.HB, D = 2.0f * sec.HD;
  float u1, u2, w1, w2;
  if (P2 <= 0.0f) {
    u2 = 0.0f;
    u1 = B * P1 / (P1 - P2);
  } else {
    u1 = B;
    u2 = D * P2 / (P2 - P3);
  }
  if (P4 <= 0.0f) {
    w2 = 0.0f;
    w1 = D * P1 / (P1 - P4);
  } else {
    w1 = D;
    w2 = B * P4 / (P4 - P3);
  }
  const float h = w1 - u2;
  const float g = u1 - w2;
  const float A1 = u2 * u1, A2 = h * w2, A3 = h * g / 2.0f;
  Contact c;
  c.area = A1 + A2 + A3;
  const float y1 = sec.HD - u2 / 2.0f, y2 = -u2 / 2.0f,
              y3 = sec.HD - u2 - h / 3.0f;
  const float x2 = sec.HB - w2 / 2.0f, x3 = sec.HB - w2 - g / 3.0f;
  c.ybar = (y3 * A3 + y2 * A2 + y1 * A1) / c.area;
  c.xbar = (x3 * A3 + x2 * A2) / c.area;
  c.ID = y3 * y3 * A3 + y2 * y2 * A2 + y1 * y1 * A1 + A3 * h * h / 18.0f +
         (A2 * h * h + A1 * u2 * u2) / 12.0f - c.ybar * c.ybar * c.area;
  c.IB = x3 * x3 * A3 + x2 * x2 * A2 + A3 * g * g / 18.0f +
         (A2 * w2 * w2 + A1 * u1 * u1) / 12.0f - c.xbar * c.xbar * c.area;
  c.IBD = x3 * y3 * A3 + x2 * y2 * A2 - A3 * A3 / 18.0f -
          c.xbar * c.ybar * c.area;
  return c;
}

bool usable(const Contact& c) {
  const float det = c.IB * c.ID - c.IBD * c.IBD;
  return std::isfinite(det) && c.area > 0.0f && det > 0.0f &&
         std::isfinite(c.xbar) && std::isfinite(c.ybar);
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

  Contact c = fullContact(sec);
  float prev[4] = {0, 0, 0, 0};
  for (int pass = 1;; ++pass) {
    // The plane of pressure q0 + kL x + kT y over the contact region, in
    // equilibrium with the load and both moments about its centroid.
    const float ML = MLB - c.xbar * NT, MT = MTB - c.ybar * NT;
    const float det = c.IB * c.ID - c.IBD * c.IBD;
    const float kL = (c.ID * ML - c.IBD * MT) / det;
    const float kT = (c.IB * MT - c.IBD * ML) / det;
    const float q0 = NT / c.area;
    const float b1 = sec.HB - c.xbar, b2 = sec.HB + c.xbar;
    const float d1 = sec.HD - c.ybar, d2 = sec.HD + c.ybar;
    const float P1 = q0 + kL * b1 + kT * d1;
    const float P2 = q0 - kL * b2 + kT * d1;
    const float P3 = q0 - kL * b2 - kT * d2;
    const float P4 = q0 + kL * b1 - kT * d2;
    FST[kFstP1] = P1;
    FST[kFstP2] = P2;
    FST[kFstP3] = P3;
    FST[kFstP4] = P4;

    if (pass == 1) {
      if (P3 >= 0.0f) return SoilContact::kFull;
      // A resultant outside the plan (or no net load pressing the footing
      // down) has no contact region that balances it.
      if (!(NT > 0.0f) || MLB / NT > sec.HB || MTB / NT > sec.HD)
        return SoilContact::kOutside;
    } else {
      if (pass == kMaxSoilPasses) return SoilContact::kUnresolved;
      if (std::fabs(P1 - prev[0]) <= kSoilTolerance &&
          std::fabs(P2 - prev[1]) <= kSoilTolerance &&
          std::fabs(P3 - prev[2]) <= kSoilTolerance &&
          std::fabs(P4 - prev[3]) <= kSoilTolerance)
        return SoilContact::kPartial;
    }
    if (!std::isfinite(P1 + P2 + P3 + P4) || !(P1 > 0.0f))
      return SoilContact::kUnresolved;
    // A pass that lifts no corner takes the whole plan again.
    c = P3 >= 0.0f ? fullContact(sec) : partialContact(sec, P1, P2, P3, P4);
    if (!usable(c)) return SoilContact::kUnresolved;
    prev[0] = P1;
    prev[1] = P2;
    prev[2] = P3;
    prev[3] = P4;
  }
}

}  // namespace bentpier
