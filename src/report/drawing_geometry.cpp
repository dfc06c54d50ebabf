#include "report/drawing_geometry.h"

#include <algorithm>
#include <cmath>

namespace bentpier::drawing {

double Scale::operator()(double v) const {
  const double span = hi - lo;
  if (!(std::fabs(span) > 0.0)) return (from + to) / 2.0;
  return from + (v - lo) * (to - from) / span;
}

double Scale::factor() const {
  const double span = hi - lo;
  return std::fabs(span) > 0.0 ? (to - from) / span : 0.0;
}

namespace {

// The tick step of a range: 1, 2 or 5 times a power of ten, the smallest
// that gives at most `most` intervals.
double tickStep(double lo, double hi, int most) {
  const double raw = (hi - lo) / std::max(most, 1);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= raw * (1.0 - 1e-9)) return m * power;
  return 10.0 * power;
}

Range widened(double lo, double hi) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return {0.0, 1.0};
  if (lo > hi) std::swap(lo, hi);
  if (hi - lo <= 1e-9 * std::max(1.0, std::fabs(hi))) {
    const double pad = std::max(1.0, std::fabs(lo) * 0.1);
    return {lo - pad, hi + pad};
  }
  return {lo, hi};
}

}  // namespace

std::vector<double> niceTicks(double lo, double hi, int most) {
  const Range r = widened(lo, hi);
  const double step = tickStep(r.lo, r.hi, most);
  const double first = std::floor(r.lo / step + 1e-9) * step;
  std::vector<double> ticks;
  for (int i = 0; i <= most + 2; ++i) {
    double t = first + i * step;
    if (std::fabs(t) < step * 1e-9) t = 0.0;
    ticks.push_back(t);
    if (t >= r.hi - step * 1e-9) break;
  }
  return ticks;
}

Range niceRange(double lo, double hi, int most) {
  const std::vector<double> t = niceTicks(lo, hi, most);
  return {t.front(), t.back()};
}

Range rangeWithZero(const std::vector<double>& values) {
  Range r{0.0, 0.0};
  for (const double v : values) {
    if (!std::isfinite(v)) continue;
    r.lo = std::min(r.lo, v);
    r.hi = std::max(r.hi, v);
  }
  return r;
}

// ---------------------------------------------------------------------------
// Cap and columns.

namespace {

// Depth added by a haunch at distance t (0..1) along it from its deep end.
double haunchShape(char code, double DH, double t) {
  t = std::clamp(t, 0.0, 1.0);
  if (code == 'P') return DH * (1.0 - t) * (1.0 - t);
  if (code == 'L') return DH * (1.0 - t);
  return 0.0;
}

// Depth at distance d from a deep end: the full block A, then the haunch LH.
double depthFromDeepEnd(const CapSegment& seg, double d) {
  if (seg.C == 'C') return seg.DE;
  if (d <= seg.A) return seg.DE + seg.DH;
  if (seg.LH <= 0.0f) return seg.DE;
  return seg.DE + haunchShape(seg.C, seg.DH, (d - seg.A) / seg.LH);
}

bool isPile(const Column& c) { return c.S != ' ' && c.S != '\0'; }

}  // namespace

double spanDepth(const CapSegment& seg, double s) {
  const double fromNearEnd = std::min(s, static_cast<double>(seg.L) - s);
  return depthFromDeepEnd(seg, std::max(fromNearEnd, 0.0));
}

double cantileverDepth(const CapSegment& seg, double from_column) {
  return depthFromDeepEnd(seg, std::max(from_column, 0.0));
}

std::vector<double> bearingPositions(const CapSegment& seg, int segment, int ncol,
                                     double reference) {
  std::vector<double> x;
  const int nb = std::clamp(seg.NB, 0, kMaxBearings);
  if (nb == 0) return x;
  const auto xb = [&](int i) { return static_cast<double>(seg.XB[static_cast<size_t>(i)]); };
  // The left cantilever counts its first bearing out from the column, the
  // rest back towards it; spans and the right cantilever count rightwards.
  double at = segment == 1 ? reference - xb(1) : reference + xb(1);
  x.push_back(at);
  for (int i = 2; i <= nb; ++i) {
    at += xb(i);
    x.push_back(at);
  }
  (void)ncol;
  return x;
}

BentElevation bentElevation(const InputCards& cards, const std::vector<FootingSize>& footing) {
  BentElevation e;
  const int ncol = std::clamp(cards.dd.NCOL, 0, kMaxColumns);
  const int ncan = std::clamp(cards.dd.NCAN, 0, kMaxCantilevers);
  const CapSegment& left = cards.cap[1];
  const CapSegment& right = cards.cap[static_cast<size_t>(std::min(ncol + 1, kMaxSegments))];
  const bool hasLeft = ncan >= 1, hasRight = ncan == 2;

  // Column lines along the cap.
  double x = hasLeft ? left.L : 0.0;
  for (int c = 1; c <= ncol; ++c) {
    if (c >= 2) x += cards.cap[static_cast<size_t>(c)].L;
    e.column_lines.push_back(x);
  }
  if (e.column_lines.empty()) return e;
  e.cap_left = 0.0;
  e.cap_right = e.column_lines.back() + (hasRight ? right.L : 0.0);

  // Soffit from left to right, sampled finely enough for the haunches.
  std::vector<Point> soffit;
  constexpr int kSamples = 24;
  auto sampleCantilever = [&](const CapSegment& seg, double column, int side) {
    for (int i = 0; i <= kSamples; ++i) {
      const double d = seg.L * (side < 0 ? kSamples - i : i) / kSamples;
      soffit.push_back({column + side * d, -cantileverDepth(seg, d)});
    }
  };
  if (hasLeft) sampleCantilever(left, e.column_lines.front(), -1);
  for (int c = 2; c <= ncol; ++c) {
    const CapSegment& seg = cards.cap[static_cast<size_t>(c)];
    const double x0 = e.column_lines[static_cast<size_t>(c - 2)];
    for (int i = 0; i <= kSamples; ++i) {
      const double s = seg.L * i / kSamples;
      soffit.push_back({x0 + s, -spanDepth(seg, s)});
    }
  }
  if (hasRight) sampleCantilever(right, e.column_lines.back(), +1);
  if (soffit.empty()) {  // one column, no cantilevers: a block as deep as nothing
    soffit.push_back({e.cap_left, 0.0});
    soffit.push_back({e.cap_right, 0.0});
  }
  e.cap.push_back({e.cap_left, 0.0});
  e.cap.push_back({e.cap_right, 0.0});
  for (auto it = soffit.rbegin(); it != soffit.rend(); ++it) e.cap.push_back(*it);
  for (const Point& p : soffit) e.deepest_cap = std::max(e.deepest_cap, -p.y);

  // Depth of the cap at a column line: the deeper of the two sides.
  auto capDepthAt = [&](int c) {
    double d = 0.0;
    if (c == 1 && hasLeft) d = std::max(d, cantileverDepth(left, 0.0));
    if (c == ncol && hasRight) d = std::max(d, cantileverDepth(right, 0.0));
    if (c >= 2) d = std::max(d, spanDepth(cards.cap[static_cast<size_t>(c)],
                                          cards.cap[static_cast<size_t>(c)].L));
    if (c < ncol) d = std::max(d, spanDepth(cards.cap[static_cast<size_t>(c + 1)], 0.0));
    return d;
  };

  e.lowest = -e.deepest_cap;
  for (int c = 1; c <= ncol; ++c) {
    const Column& k = cards.col[static_cast<size_t>(c)];
    ColumnOutline o;
    o.column = c;
    o.x = e.column_lines[static_cast<size_t>(c - 1)];
    o.pile = isPile(k);
    o.tapered = k.I == 'V';
    o.battered = k.SLOPE != 0.0f;
    o.top_width = k.DT;
    o.bottom_width = o.tapered && k.DB > 0.0f ? k.DB : k.DT;
    o.height = k.HT;
    // The column runs the length HT along its batter from the soffit.
    const double secs = std::sqrt(1.0 + static_cast<double>(k.SLOPE) * k.SLOPE);
    const double top = -capDepthAt(c);
    const double drop = k.HT / secs, shift = k.SLOPE * k.HT / secs;
    o.base = {o.x + shift, top - drop};
    o.outline = {{o.x - o.top_width / 2, top}, {o.x + o.top_width / 2, top},
                 {o.base.x + o.bottom_width / 2, o.base.y},
                 {o.base.x - o.bottom_width / 2, o.base.y}};
    e.lowest = std::min(e.lowest, o.base.y);
    e.cap_left = std::min(e.cap_left, o.base.x - o.bottom_width / 2);
    e.cap_right = std::max(e.cap_right, o.base.x + o.bottom_width / 2);
    const size_t fi = static_cast<size_t>(c - 1);
    if (fi < footing.size() && footing[fi].width > 0.0 && footing[fi].thickness > 0.0) {
      FootingOutline f;
      f.footing = c;
      f.pile = footing[fi].pile;
      f.left = o.base.x - footing[fi].width / 2;
      f.right = o.base.x + footing[fi].width / 2;
      f.top = o.base.y;
      f.bottom = o.base.y - footing[fi].thickness;
      e.lowest = std::min(e.lowest, f.bottom);
      e.footings.push_back(f);
    }
    e.columns.push_back(std::move(o));
  }
  // Keep the ends of the drawing at the cap; footings may stand out beyond.
  for (const FootingOutline& f : e.footings) {
    e.cap_left = std::min(e.cap_left, f.left);
    e.cap_right = std::max(e.cap_right, f.right);
  }

  // Load points: every bearing of every segment, then the columns' own.
  int point = 0;
  const int nspan = std::clamp(cards.dd.NSPAN, 0, kMaxSegments);
  for (int k = 1; k <= nspan; ++k) {
    const bool exists = k == 1 ? hasLeft : k == ncol + 1 ? hasRight : (k >= 2 && k <= ncol);
    if (!exists) continue;
    const double ref = k == 1 ? e.column_lines.front()
                       : k == ncol + 1 ? e.column_lines.back()
                                       : e.column_lines[static_cast<size_t>(k - 2)];
    for (const double bx : bearingPositions(cards.cap[static_cast<size_t>(k)], k, ncol, ref))
      e.loads.push_back({++point, bx, false, 0});
  }
  for (int c = 1; c <= ncol; ++c)
    for (int i = 0; i < std::clamp(cards.col[static_cast<size_t>(c)].P, 0, kMaxLoadPoints); ++i)
      e.loads.push_back({++point, e.column_lines[static_cast<size_t>(c - 1)], true, c});
  return e;
}

std::vector<CapTablePoint> capTablePoints(const InputCards& cards,
                                          const std::vector<double>& column_lines) {
  std::vector<CapTablePoint> points;
  const int ncol = static_cast<int>(column_lines.size());
  if (ncol == 0) return points;
  const int ncan = std::clamp(cards.dd.NCAN, 0, kMaxCantilevers);
  const int nspan = std::clamp(cards.dd.NSPAN, 0, kMaxSegments);
  int number = 0;
  for (int k = ncan >= 1 ? 1 : 2; k <= nspan; ++k) {
    if (k != 1 && k - 1 <= ncol)
      number += std::clamp(cards.col[static_cast<size_t>(k - 1)].P, 0, kMaxLoadPoints);
    const bool rightCantilever = k == ncol + 1;
    if (k > ncol + 1 || (rightCantilever && ncan != 2)) continue;
    const double ref = k == 1                ? column_lines.front()
                       : rightCantilever     ? column_lines.back()
                                             : column_lines[static_cast<size_t>(k - 2)];
    int q = 0;
    for (const double x : bearingPositions(cards.cap[static_cast<size_t>(k)], k, ncol, ref))
      points.push_back({++number, k, ++q, x});
  }
  return points;
}

// ---------------------------------------------------------------------------
// Plots.

PlotFrame plotFrame(const std::vector<Point>& values, double w, double h, double m) {
  std::vector<double> xs, ys;
  for (const Point& p : values) {
    xs.push_back(p.x);
    ys.push_back(p.y);
  }
  const Range rx = rangeWithZero(xs), ry = rangeWithZero(ys);
  PlotFrame f;
  f.x_ticks = niceTicks(rx.lo, rx.hi, 5);
  f.y_ticks = niceTicks(ry.lo, ry.hi, 6);
  f.x = Scale{f.x_ticks.front(), f.x_ticks.back(), m, w - m / 3};
  f.y = Scale{f.y_ticks.front(), f.y_ticks.back(), h - m, m / 3};
  return f;
}

std::vector<Point> mapPoints(const PlotFrame& f, const std::vector<Point>& values) {
  std::vector<Point> out;
  out.reserve(values.size());
  for (const Point& p : values) out.push_back({f.x(p.x), f.y(p.y)});
  return out;
}

double rayToCurve(const std::vector<Point>& curve, Point load) {
  // Intersect the ray t * load (t > 0) with each chord of the curve and keep
  // the nearest crossing.
  double best = 0.0;
  for (size_t i = 1; i < curve.size(); ++i) {
    const Point a = curve[i - 1], b = curve[i];
    const Point d{b.x - a.x, b.y - a.y};
    const double den = load.x * d.y - load.y * d.x;
    if (std::fabs(den) < 1e-12) continue;
    const double t = (a.x * d.y - a.y * d.x) / den;
    const double u = (a.x * load.y - a.y * load.x) / den;
    if (t > 0.0 && u >= -1e-9 && u <= 1.0 + 1e-9 && (best == 0.0 || t < best)) best = t;
  }
  return best;
}

// ---------------------------------------------------------------------------
// Footing plan.

std::vector<double> barOffsets(int count, double spacing, double width) {
  std::vector<double> x;
  if (count <= 0) return x;
  double step = spacing;
  if (!(step > 0.0) || step * (count - 1) > width) step = count > 1 ? width / (count - 1) : 0.0;
  const double first = -step * (count - 1) / 2.0;
  for (int i = 0; i < count; ++i) x.push_back(first + i * step);
  return x;
}

std::vector<double> pileLoads(const std::vector<PilePlace>& places, int NB1, int ND1,
                              double P1, double P2, double P3, double P4) {
  const double mean = (P1 + P2 + P3 + P4) / 4.0;
  const double alongB = NB1 > 0 ? (P1 - P2) / 2.0 / NB1 : 0.0;
  const double alongD = ND1 > 0 ? (P1 - P4) / 2.0 / ND1 : 0.0;
  std::vector<double> loads;
  for (const PilePlace& p : places) loads.push_back(mean + alongB * p.b + alongD * p.d);
  return loads;
}

}  // namespace bentpier::drawing
