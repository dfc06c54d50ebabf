// Sections shared by the column strength tests, and their fibre models.
#pragma once

#include <cmath>

#include "design/column/section_state.h"
#include "fibre_model.h"

namespace bentpier::column::testing {

// f'c 4 ksi, grade 60 steel, EC = 57.619 sqrt(4000): EPS0 = 0.001866,
// KR = 0.622, EPSY = 0.002069, KY = 0.690.
inline Material grade60() { return Material{}; }

inline SectionState sectionOf(int sect, float b, float d, const Material& m,
                              float phic = 0.7f, float phib = 0.9f) {
  SectionState s;
  s.SECT = sect;
  s.B = b;
  s.D = d;
  s.FCC2 = static_cast<float>(m.fcc2);
  s.EC = static_cast<float>(m.ec);
  s.ES = static_cast<float>(m.es);
  s.EPSCU = static_cast<float>(m.epscu);
  s.FY = static_cast<float>(m.fy);
  s.PHIC = phic;
  s.PHIB = phib;
  deriveSection(s);
  return s;
}

inline void addBar(SectionState& s, float x, float y, float a) {
  s.bars.push_back({a, x, y, 0.0f});
}

// n bars of area a on a circle of radius r, the first on the y axis.
inline void addRing(SectionState& s, int n, float r, float a) {
  for (int i = 0; i < n; ++i) {
    const double t = 2.0 * M_PI * i / n;
    addBar(s, static_cast<float>(r * std::sin(t)), static_cast<float>(r * std::cos(t)), a);
  }
}

// Bars at the four corners and evenly along the faces of a tied rectangle,
// with the bar centres at distance `inset` from the faces.
inline void addPerimeter(SectionState& s, int perFaceB, int perFaceD, float inset,
                         float a) {
  const float xb = s.B / 2 - inset, yd = s.D / 2 - inset;
  for (int i = 0; i < perFaceB; ++i) {
    const float x = xb - 2 * xb * i / (perFaceB - 1);
    addBar(s, x, yd, a);
    addBar(s, x, -yd, a);
  }
  for (int j = 1; j <= perFaceD; ++j) {
    const float y = yd - 2 * yd * j / (perFaceD + 1);
    addBar(s, xb, y, a);
    addBar(s, -xb, y, a);
  }
}

// Fibre model of the same section: rectangles on a cells-by-cells grid
// scaled to their sides, circles on a polar grid.
inline FibreSection fibreOf(const SectionState& s, const Material& m, int cells) {
  FibreSection f = s.SECT == kCircular
                       ? FibreSection::circle(m, s.D / 2.0, cells, 4 * cells, s.VOID / 2.0)
                       : FibreSection::rectangle(m, s.B, s.D, cells,
                                                 static_cast<int>(cells * s.D / s.B));
  for (const BarPoint& b : s.bars) f.bars.push_back({b.A, b.X, b.Y});
  return f;
}

// Fibre model of a rectangle for bending about the x axis only: thin
// strips across the full width.
inline FibreSection stripsOf(const SectionState& s, const Material& m, int strips) {
  FibreSection f = FibreSection::rectangle(m, s.B, s.D, 1, strips);
  for (const BarPoint& b : s.bars) f.bars.push_back({b.A, b.X, b.Y});
  return f;
}

// The plane of strain of a bending direction at depth c: 1 about the x
// axis (compression at +y), 2 about the y axis (compression at +x), 3 with
// the neutral axis parallel to the diagonal (compression at the corner
// (B/2, D/2)).
inline Plane planeOf(const SectionState& s, int direction, double c) {
  const double b = s.B, d = s.D;
  if (direction == 1) return {0.0, 1.0, d / 2, c};
  if (direction == 2) return {1.0, 0.0, b / 2, c};
  if (s.SECT == kCircular) return {M_SQRT1_2, M_SQRT1_2, d / 2, c};
  const double diag = std::hypot(b, d);
  return {d / diag, b / diag, b * d / diag, c};
}

// Design strength of the fibre model at depth c: PHI Pn (kips) and PHI Mx,
// PHI My (kip-feet), PHI held at PHIC or by the rule of the reduction.
struct FibreStrength {
  double p = 0, mx = 0, my = 0;
};

inline FibreStrength fibreStrength(const FibreSection& f, const SectionState& s,
                                   int direction, double c, bool held = false) {
  const Resultant r = f.forces(planeOf(s, direction, c));
  const double phi = held ? s.PHIC
                          : reduction(r.p, f.area, s.FCC2 / 0.85, s.PHIC, s.PHIB);
  return {phi * r.p, phi * r.mx / 12.0, phi * r.my / 12.0};
}

// Bisection on the depth for a zero of g(strength), g increasing with the
// depth between lo and hi.
template <class G>
FibreStrength fibreRoot(const FibreSection& f, const SectionState& s, int direction,
                        double lo, double hi, G g) {
  for (int i = 0; i < 60; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (g(fibreStrength(f, s, direction, mid)) > 0.0) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  return fibreStrength(f, s, direction, 0.5 * (lo + hi));
}

// Fibre-model strength at the design axial load p.
inline FibreStrength fibreAtLoad(const FibreSection& f, const SectionState& s,
                                 int direction, double p) {
  return fibreRoot(f, s, direction, 1e-3, 50.0 * s.DIAG,
                   [p](const FibreStrength& q) { return q.p - p; });
}

// Magnitude of the fibre-model moment in a direction.
inline double fibreMoment(const FibreStrength& q) { return std::hypot(q.mx, q.my); }

}  // namespace bentpier::column::testing
