// The concrete of a column section in thin strips parallel to a neutral
// axis, for the exact biaxial strength: the strips of a rectangle, cut
// between lines normal to the axis, and the slabs of a circle, which are the
// same at every angle of it; each strip carries its area and centroid, and
// the sums of a plane of strain take the stress at the centroid.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "design/column/section_state.h"
#include "design/column/section_strength.h"

namespace bentpier::column::strips {

// Strips over the depth of the section: the stress is taken at the centroid
// of each, which is exact to about (depth / strips)^2. No cut has more.
inline constexpr int kStrips = 240;

struct Point {
  double x = 0, y = 0;
};

// Unit normal of the neutral axis, pointing to the compressed side, at an
// angle from the y axis towards the x axis.
struct Normal {
  double nx = 0, ny = 1;
  explicit Normal(double angle) : nx(std::sin(angle)), ny(std::cos(angle)) {}
  double along(double x, double y) const { return nx * x + ny * y; }
};

// A strip of concrete: area, centroid, and the centroid's coordinate along
// the normal.
struct Strip {
  double a = 0, x = 0, y = 0, z = 0;
};

// Concrete sums of a run of strips: force, and the moments the strips are
// weighted for (about x and y for the strips of a rectangle; about the
// centre along the normal, in mx, for the slabs of a circle).
struct ConcreteSums {
  double p = 0, mx = 0, my = 0;
  void add(double force, const Strip& st, bool slab) {
    p += force;
    if (slab) {
      mx += force * st.z;
    } else {
      mx += force * st.y;
      my += force * st.x;
    }
  }
};

// Strips lying in order along the normal, with the sums at the plateau
// stress FCC2 of every trailing run: the strips above the plateau depth of
// a plane of strain all carry FCC2, and their sum is read, not added up.
struct StripRun {
  std::vector<Strip> strips;
  std::vector<ConcreteSums> plateauFrom;  // sums of strips [i, end)
  // The strips' coordinates along the normal and areas, side by side, for
  // the stresses of a run of strips to be found several at a time.
  std::vector<double> z, a;
  bool ordered = false;
  bool slabs = false;

  void finish(float fcc) {
    ordered = std::is_sorted(strips.begin(), strips.end(),
                             [](const Strip& a, const Strip& b) { return a.z < b.z; });
    z.clear();
    a.clear();
    for (const Strip& st : strips) {
      z.push_back(st.z);
      a.push_back(st.a);
    }
    plateauFrom.assign(strips.size() + 1, ConcreteSums{});
    for (size_t i = strips.size(); i-- > 0;) {
      plateauFrom[i] = plateauFrom[i + 1];
      plateauFrom[i].add(fcc * strips[i].a, strips[i], slabs);
    }
  }

  // The concrete of the plane of strain whose neutral axis lies at zNA, the
  // strain reaching EPSCU at depth c below it.
  ConcreteSums concrete(const SectionState& s, double zNA, double c) const {
    auto strain = [&](const Strip& st) {
      return static_cast<float>(s.EPSCU * (st.z - zNA) / c);
    };
    ConcreteSums f;
    if (!(ordered && c > 0.0 && s.EPSCU > 0.0f)) {
      for (const Strip& st : strips)
        if (st.z > zNA) f.add(concreteStress(s, strain(st)) * st.a, st, slabs);
      return f;
    }
    // The strain rises with z, rounding included, so the strips below the
    // neutral axis and those at the plateau stress are two runs at the ends.
    const auto begin = std::partition_point(strips.begin(), strips.end(),
                                            [zNA](const Strip& st) { return st.z <= zNA; });
    const auto plateau = std::partition_point(
        begin, strips.end(), [&](const Strip& st) { return !(strain(st) >= s.EPS0); });
    // Below the plateau every strip is on the parabola: the forces first,
    // strip by strip and independent of one another, then summed in order.
    const size_t first = static_cast<size_t>(begin - strips.begin());
    const size_t last = static_cast<size_t>(plateau - strips.begin());
    std::array<double, kStrips> force;
    const double epscu = s.EPSCU;
    for (size_t i = first; i < last; ++i)
      force[i - first] = concreteStress(s, static_cast<float>(epscu * (z[i] - zNA) / c)) * a[i];
    for (size_t i = first; i < last; ++i) f.add(force[i - first], strips[i], slabs);
    const ConcreteSums& rest = plateauFrom[last];
    f.p += rest.p;
    f.mx += rest.mx;
    f.my += rest.my;
    return f;
  }
};

// Distance from the centre to the extreme fibre along the normal.
double extremeFibre(const SectionState& s, const Normal& n);

// The slabs of a circle (less the void) between lines normal to any
// diameter, their centroids along the normal.
std::vector<Strip> circleSlabs(const SectionState& s, int count = kStrips);

// A rectangle cut strip by strip between lines normal to n, from the
// extreme fibre at `top` on either side of the centre.
void rectangleStrips(const SectionState& s, const Normal& n, double top,
                     std::vector<Strip>& strips, int count = kStrips);

}  // namespace bentpier::column::strips
