// An independent fibre model of a column section for checking the strength
// routines: the concrete is cut into many small fibres (a fine grid over a
// rectangle, a fine polar grid over a circle), the bars are point fibres,
// and the forces for a plane of strain are plain sums. Nothing here calls
// the code under test.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace bentpier::column::testing {

struct Material {
  double fcc2 = 3.4;     // ksi
  double ec = 3644.0;    // ksi
  double es = 29000.0;   // ksi
  double epscu = 0.003;
  double fy = 60.0;      // ksi
  double eps0() const { return 2.0 * fcc2 / ec; }
};

struct Fibre {
  double a, x, y;
};

struct Resultant {
  double p = 0, mx = 0, my = 0;  // kips, kip-inches about the centroid
};

inline double concreteStress(const Material& m, double eps) {
  if (eps <= 0.0) return 0.0;
  const double e0 = m.eps0();
  if (eps >= e0) return m.fcc2;
  const double u = eps / e0;
  return m.fcc2 * (2.0 * u - u * u);
}

inline double steelStress(const Material& m, double eps) {
  double s = std::max(-m.fy, std::min(m.fy, m.es * eps));
  return s - concreteStress(m, eps);
}

// nx, ny: unit normal of the neutral axis pointing to the compressed side;
// top: the largest n.p over the concrete (the extreme fibre); c: depth of
// the neutral axis below it.
struct Plane {
  double nx, ny, top, c;
  double strain(const Material& m, double x, double y) const {
    return m.epscu * (nx * x + ny * y - (top - c)) / c;
  }
};

struct FibreSection {
  Material mat;
  std::vector<Fibre> concrete;
  std::vector<Fibre> bars;
  double area = 0;

  // Rectangle b (along x) by d (along y), nx by ny cells.
  static FibreSection rectangle(const Material& m, double b, double d, int cellsX,
                                int cellsY) {
    FibreSection s;
    s.mat = m;
    const double hx = b / cellsX, hy = d / cellsY;
    for (int i = 0; i < cellsX; ++i)
      for (int j = 0; j < cellsY; ++j)
        s.concrete.push_back({hx * hy, -b / 2 + (i + 0.5) * hx, -d / 2 + (j + 0.5) * hy});
    s.area = b * d;
    return s;
  }

  // Circle of radius r on a polar grid; a ring when the inner radius is
  // given.
  static FibreSection circle(const Material& m, double r, int rings, int sectors,
                             double inner = 0.0) {
    FibreSection s;
    s.mat = m;
    const double dr = (r - inner) / rings, dt = 2.0 * M_PI / sectors;
    for (int i = 0; i < rings; ++i) {
      const double rm = inner + (i + 0.5) * dr;
      for (int j = 0; j < sectors; ++j) {
        const double t = (j + 0.5) * dt;
        s.concrete.push_back({rm * dr * dt, rm * std::cos(t), rm * std::sin(t)});
      }
    }
    s.area = M_PI * (r * r - inner * inner);
    return s;
  }

  Resultant concreteForces(const Plane& pl) const {
    Resultant r;
    for (const Fibre& f : concrete) {
      const double s = concreteStress(mat, pl.strain(mat, f.x, f.y));
      if (s == 0.0) continue;
      r.p += s * f.a;
      r.mx += s * f.a * f.y;
      r.my += s * f.a * f.x;
    }
    return r;
  }

  Resultant steelForces(const Plane& pl) const {
    Resultant r;
    for (const Fibre& f : bars) {
      const double s = steelStress(mat, pl.strain(mat, f.x, f.y));
      r.p += s * f.a;
      r.mx += s * f.a * f.y;
      r.my += s * f.a * f.x;
    }
    return r;
  }

  Resultant forces(const Plane& pl) const {
    Resultant a = concreteForces(pl), b = steelForces(pl);
    return {a.p + b.p, a.mx + b.mx, a.my + b.my};
  }
};

// The reduction of the load-factor method: PHIC above 0.1 f'c AG / PHIC,
// rising linearly to PHIB at zero load.
inline double reduction(double pn, double area, double fpc, double phic, double phib) {
  const double p1 = 0.1 * fpc * area / phic;
  if (pn <= 0.0) return phib;
  if (pn > p1) return phic;
  return phib - (phib - phic) * pn / p1;
}

}  // namespace bentpier::column::testing
