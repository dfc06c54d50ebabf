// Strips of a column section along a neutral axis: a rectangle cut by
// pairs of lines (each strip a convex polygon, its area and centroid by the
// shoelace sums), a circle by chords (areas and first moments of circular
// segments in closed form).
#include "design/column/section_strips.h"

#include <algorithm>
#include <array>

namespace bentpier::column::strips {
namespace {

// A convex polygon small enough to live on the stack: the rectangle cut by
// two lines, each cut adding at most two corners per edge.
struct Polygon {
  std::array<Point, 16> p{};
  std::array<double, 16> z{};  // each corner's coordinate along the normal
  size_t n = 0;
  void add(const Point& q, double zq) {
    p[n] = q;
    z[n++] = zq;
  }
};

// The part of a convex polygon on one side of the line along(p) = z0: the
// side above it when `above`, else the side below.
Polygon clip(const Polygon& poly, const Normal& n, double z0, bool above) {
  Polygon out;
  const double sign = above ? 1.0 : -1.0;
  for (size_t i = 0; i < poly.n; ++i) {
    const size_t j = i + 1 == poly.n ? 0 : i + 1;
    const Point a = poly.p[i], b = poly.p[j];
    const double da = sign * (poly.z[i] - z0), db = sign * (poly.z[j] - z0);
    if (da >= 0.0) out.add(a, poly.z[i]);
    if ((da >= 0.0) != (db >= 0.0)) {
      const double t = da / (da - db);
      const Point cut{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
      out.add(cut, n.along(cut.x, cut.y));
    }
  }
  return out;
}

Strip polygonStrip(const Polygon& poly, const Normal& n) {
  double a = 0, qx = 0, qy = 0;
  for (size_t i = 0; i < poly.n; ++i) {
    const Point p = poly.p[i], q = poly.p[(i + 1) % poly.n];
    const double cross = p.x * q.y - q.x * p.y;
    a += cross / 2.0;
    qx += (p.x + q.x) * cross / 6.0;
    qy += (p.y + q.y) * cross / 6.0;
  }
  Strip s;
  if (!(a > 0.0)) return s;
  s.a = a;
  s.x = qx / a;
  s.y = qy / a;
  s.z = n.along(s.x, s.y);
  return s;
}

// Area of a circle of radius r below the chord at z (from the centre), and
// the first moment of that area about the centre line, as antiderivatives
// in z.
double chordArea(double r, double z) {
  z = std::clamp(z, -r, r);
  return r * r * std::asin(z / r) + z * std::sqrt(r * r - z * z);
}
double chordMoment(double r, double z) {
  z = std::clamp(z, -r, r);
  const double h = r * r - z * z;
  return -2.0 / 3.0 * h * std::sqrt(h);
}

}  // namespace

double extremeFibre(const SectionState& s, const Normal& n) {
  if (s.SECT == kCircular) return s.D / 2.0;
  return std::fabs(n.nx) * s.B / 2.0 + std::fabs(n.ny) * s.D / 2.0;
}

// The slabs of a circle (less the void) between lines normal to any
// diameter: their areas and centroids along the normal are the same for
// every angle of the neutral axis, so they are found once per section.
std::vector<Strip> circleSlabs(const SectionState& s, int count) {
  count = std::clamp(count, 1, kStrips);
  std::vector<Strip> slabs;
  slabs.reserve(static_cast<size_t>(count));
  const double top = s.D / 2.0;
  const double h = 2.0 * top / count;
  const double r = s.D / 2.0, ri = s.VOID / 2.0;
  for (int i = 0; i < count; ++i) {
    const double za = -top + i * h, zb = za + h;
    double a = chordArea(r, zb) - chordArea(r, za);
    double q = chordMoment(r, zb) - chordMoment(r, za);
    if (ri > 0.0) {
      a -= chordArea(ri, zb) - chordArea(ri, za);
      q -= chordMoment(ri, zb) - chordMoment(ri, za);
    }
    if (!(a > 0.0)) continue;
    Strip st;
    st.a = a;
    st.z = q / a;
    slabs.push_back(st);
  }
  return slabs;
}

void rectangleStrips(const SectionState& s, const Normal& n, double top,
                     std::vector<Strip>& strips, int count) {
  count = std::clamp(count, 1, kStrips);
  strips.clear();
  const double h = 2.0 * top / count;
  Polygon rectangle;
  for (const Point& corner : {Point{s.B / 2.0, s.D / 2.0}, Point{-s.B / 2.0, s.D / 2.0},
                              Point{-s.B / 2.0, -s.D / 2.0}, Point{s.B / 2.0, -s.D / 2.0}})
    rectangle.add(corner, n.along(corner.x, corner.y));
  for (int i = 0; i < count; ++i) {
    const double za = -top + i * h, zb = za + h;
    const Strip st = polygonStrip(clip(clip(rectangle, n, za, true), n, zb, false), n);
    if (st.a > 0.0) strips.push_back(st);
  }
}

}  // namespace bentpier::column::strips
