// Per-foot design forces of a spread footing from its corner soil
// pressures: the cantilevers beyond the column faces in both directions
// (moment at the face, beam shear an effective depth out) and punching
// round the column. Where the footing lifts, the forces come from the
// pressure on the part still in contact.
#include <algorithm>
#include <array>
#include <vector>

#include "design/footing/footing.h"

namespace bentpier {
namespace {

// The plane of soil pressure through the four corner values,
// p = q + sx x + sy y with x along B and y along D from the plan centre
// (corner 1 at +B/2, +D/2; 2 at -B/2, +D/2; 3 at -B/2, -D/2; 4 at +B/2, -D/2).
struct PressurePlane {
  float q = 0, sx = 0, sy = 0;
  float at(float x, float y) const { return q + sx * x + sy * y; }
};

PressurePlane planeOf(const FootingState& F, const FootingSection& s) {
  const float P1 = F[kFstP1], P2 = F[kFstP2], P3 = F[kFstP3], P4 = F[kFstP4];
  return {(P1 + P2 + P3 + P4) / 4.0f, ((P1 + P4) - (P2 + P3)) / (4.0f * s.HB),
          ((P1 + P2) - (P3 + P4)) / (4.0f * s.HD)};
}

// The soil reaction on the rectangle [x0, x1] by [y0, y1] where the plane
// presses (p > 0; the rest has lifted): its force and its moments about
// the edges x = x0 and y = y0.
struct Reaction {
  float force = 0, momentX = 0, momentY = 0;
};

Reaction pressedReaction(const PressurePlane& p, float x0, float x1, float y0,
                         float y1) {
  struct Point {
    float x, y;
  };
  // The rectangle clipped to the half-plane p >= 0: a convex polygon.
  const std::array<Point, 4> box = {{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}};
  std::vector<Point> poly;
  for (size_t i = 0; i < box.size(); ++i) {
    const Point a = box[i], b = box[(i + 1) % box.size()];
    const float pa = p.at(a.x, a.y), pb = p.at(b.x, b.y);
    if (pa >= 0.0f) poly.push_back(a);
    if ((pa >= 0.0f) != (pb >= 0.0f)) {
      const float t = pa / (pa - pb);
      poly.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
  }
  // Over each triangle of a fan the pressure (linear) integrates exactly
  // at the centroid, the pressure times a lever arm (quadratic) at the
  // mid-points of the sides.
  Reaction r;
  for (size_t i = 1; i + 1 < poly.size(); ++i) {
    const Point v[3] = {poly[0], poly[i], poly[i + 1]};
    const float area = 0.5f * ((v[1].x - v[0].x) * (v[2].y - v[0].y) -
                               (v[2].x - v[0].x) * (v[1].y - v[0].y));
    r.force += area * p.at((v[0].x + v[1].x + v[2].x) / 3.0f,
                           (v[0].y + v[1].y + v[2].y) / 3.0f);
    for (int k = 0; k < 3; ++k) {
      const Point m = {(v[k].x + v[(k + 1) % 3].x) / 2.0f,
                       (v[k].y + v[(k + 1) % 3].y) / 2.0f};
      r.momentX += area / 3.0f * p.at(m.x, m.y) * (m.x - x0);
      r.momentY += area / 3.0f * p.at(m.x, m.y) * (m.y - y0);
    }
  }
  return r;
}

// Design forces of a footing partly lifted off the soil: the reaction of
// the part in contact beyond each section, per foot of the section's
// width, less the footing's weight over the same length.
void liftedDesignForces(FootingState& FST, const FootingDesign& fd) {
  const FootingSection& s = fd.sec;
  const PressurePlane p = planeOf(FST, s);
  const float FWQ = fd.wt.FWQ;
  const float B = fd.f.B, D = fd.f.D;

  const float cL = s.HB - fd.BB2, aL = s.DSF + fd.BB2;
  FST[kFstMLF] = pressedReaction(p, fd.BB2, s.HB, -s.HD, s.HD).momentX / D -
                 FWQ / 2.0f * cL * cL;
  FST[kFstVLF] = s.HB > aL ? pressedReaction(p, aL, s.HB, -s.HD, s.HD).force / D -
                                 FWQ * (s.HB - aL)
                           : 0.0f;

  const float cT = s.HD - fd.DB2, aT = s.DSF + fd.DB2;
  FST[kFstMTF] = pressedReaction(p, -s.HB, s.HB, fd.DB2, s.HD).momentY / B -
                 FWQ / 2.0f * cT * cT;
  FST[kFstVBF] = s.HD > aT ? pressedReaction(p, -s.HB, s.HB, aT, s.HD).force / B -
                                 FWQ * (s.HD - aT)
                           : 0.0f;

  if (B <= s.PB1 || D <= s.PD1) {
    FST[kFstVPF] = 0.0f;
  } else {
    const float inside =
        pressedReaction(p, -s.PB1 / 2.0f, s.PB1 / 2.0f, -s.PD1 / 2.0f, s.PD1 / 2.0f).force;
    FST[kFstVPF] = (FST[kFstP] - (inside - s.PB1 * s.PD1 * fd.wt.FWT / s.FAREA)) /
                   (2.0f * (s.PB1 + s.PD1));
  }
}

}  // namespace

void spreadDesignForces(FootingState& FST, const FootingDesign& fd) {
  const float P1 = FST[kFstP1], P2 = FST[kFstP2], P3 = FST[kFstP3],
              P4 = FST[kFstP4];
  for (int e = kFstMTF; e <= kFstVLF; ++e) FST[e] = 0.0f;
  if (P1 == 0.0f) return;
  if (P3 < 0.0f) {
    liftedDesignForces(FST, fd);
    return;
  }
  const FootingSection& s = fd.sec;
  const float FWQ = fd.wt.FWQ;

  // Mean pressures on the two edges through corner 1 and at the centre.
  const float m4 = (P4 + P1) / 2.0f;
  const float m2 = (P2 + P1) / 2.0f;
  const float m3 = (P3 + P1) / 2.0f;

  // Longitudinal cantilever: pressure m3 + x sL at x from the centre.
  const float sL = (m4 - m3) / s.HB;
  const float aL = s.DSF + fd.BB2;
  FST[kFstVLF] = std::max(0.0f, s.HB - aL) *
                 ((m4 + m3 + aL * sL) / 2.0f - FWQ);
  const float cL = s.HB - fd.BB2;
  FST[kFstMLF] =
      (m4 / 3.0f + (m3 + fd.BB2 * sL) / 6.0f - FWQ / 2.0f) * cL * cL;

  // Transverse cantilever.
  const float sT = (m2 - m3) / s.HD;
  const float aT = s.DSF + fd.DB2;
  FST[kFstVBF] = std::max(0.0f, s.HD - aT) *
                 ((m2 + m3 + aT * sT) / 2.0f - FWQ);
  const float cT = s.HD - fd.DB2;
  FST[kFstMTF] =
      (m2 / 3.0f + (m3 + fd.DB2 * sT) / 6.0f - FWQ / 2.0f) * cT * cT;

  // Punching: the column load less the net pressure inside the critical
  // perimeter, over the perimeter; none when the perimeter leaves the plan.
  if (fd.f.B <= s.PB1 || fd.f.D <= s.PD1) {
    FST[kFstVPF] = 0.0f;
  } else {
    FST[kFstVPF] = (FST[kFstP] - s.PB1 * s.PD1 * (m3 - fd.wt.FWT / s.FAREA)) /
                   (2.0f * (s.PB1 + s.PD1));
  }
}

}  // namespace bentpier
