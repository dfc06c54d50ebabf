// Exact biaxial strength along a load line: a plane of strain at any angle,
// the concrete in strips parallel to the neutral axis, the bars one by one,
// and two nested root searches, on the depth for the eccentricity of the
// load and on the angle for the direction of its moment. Sums and searches
// run in double precision.
#include "design/column/exact_biaxial.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "design/column/section_strength.h"
#include "design/column/section_strips.h"

namespace bentpier::column {
namespace {

using strips::ConcreteSums;
using strips::kStrips;
using strips::Normal;
using strips::Strip;
using strips::StripRun;
using strips::circleSlabs;
using strips::extremeFibre;
using strips::rectangleStrips;

constexpr int kMaxSearchSteps = 200;
constexpr double kHalfPi = 1.5707963267948966;
// Neutral-axis depths are searched through q = c / (c + H), H the depth of
// the section, from a sliver of compression to a nearly even strain.
constexpr double kLeastQ = 1e-6, kMostQ = 1.0 - 1e-6;
constexpr double kRelativeClosure = 1e-7;
constexpr double kEstimateClosure = 1e-4;
// Intervals of the scans that bracket a root before the search: depths,
// and angles when the root does not lie between the two axes.
constexpr int kDepthScan = 16;
constexpr int kAngleScan = 32;

// The neutral-axis depths of the scan that brackets a root, as q: point i
// of 0..kDepthScan.
double scanQ(int i) {
  return i == kDepthScan ? kMostQ : kLeastQ + (kMostQ - kLeastQ) * i / kDepthScan;
}

// Nominal forces of one plane of strain: kips and kip-inches.
struct Nominal {
  double p = 0, mx = 0, my = 0;
};

// What one angle of the neutral axis fixes: its normal and extreme fibre,
// a rectangle's strips, every bar's coordinate along the normal, and a
// rectangle's concrete and the plane's forces at the depths of the scan
// once found (the forces at a depth do not depend on the load).
struct AngleData {
  double angle = 0;
  Normal n{0.0};
  double top = 0;
  StripRun strips;
  std::vector<double> barZ;
  std::array<std::optional<ConcreteSums>, kDepthScan + 1> scanned{};
  std::array<std::optional<Nominal>, kDepthScan + 1> scanForces{};

  void build(const SectionState& s, double a, bool circle, int count) {
    angle = a;
    n = Normal(a);
    top = extremeFibre(s, n);
    if (!circle) {
      rectangleStrips(s, n, top, strips.strips, count);
      strips.finish(s.FCC2);
    }
    barZ.clear();
    for (const BarPoint& bar : s.bars) barZ.push_back(n.along(bar.X, bar.Y));
    scanned.fill(std::nullopt);
    scanForces.fill(std::nullopt);
  }
};

}  // namespace

// The section cut into `count` strips: a circle's slabs are the same at
// every angle of the neutral axis, and so is their concrete at each depth
// of the scan (the extreme fibre is always at the radius). The search of
// every load begins at the two axes, so what those two angles fix is kept
// for all the loads of the section; any other angle is built into a buffer
// kept here, for the one plane solved at a time.
struct ExactBiaxialSection::Cut {
  int count;
  StripRun slabs;
  std::array<std::optional<ConcreteSums>, kDepthScan + 1> circleScanned{};
  std::array<std::optional<AngleData>, 2> axes{};
  AngleData other;

  Cut(const SectionState& s, bool circle, int strips) : count(strips) {
    if (circle) {
      slabs.strips = circleSlabs(s, count);
      slabs.slabs = true;
      slabs.finish(s.FCC2);
    } else {
      other.strips.strips.reserve(kStrips);
      other.strips.plateauFrom.reserve(kStrips + 1);
    }
    other.barZ.reserve(s.bars.size());
  }
};

namespace {

// The estimate's cut: a third of the strips, whose concrete differs from
// the full cut's by about a tenth of the estimate's closure.
constexpr int kEstimateStrips = kStrips / 3;

}  // namespace

// What every plane of strain of one section has in common: the estimate's
// cut, the full cut (cut when a load first needs it), and the bars.
struct ExactBiaxialSection::Shared {
  const SectionState& s;
  bool circle;
  Cut coarse;
  std::optional<Cut> fullCut;
  // The bars' areas side by side, and the forces of one plane's bars.
  std::vector<float> barA;
  std::vector<double> barForce;

  explicit Shared(const SectionState& section)
      : s(section),
        circle(section.SECT == kCircular),
        coarse(section, circle, kEstimateStrips) {
    for (const BarPoint& bar : section.bars) barA.push_back(bar.A);
    barForce.resize(section.bars.size());
  }

  Cut& full() {
    if (!fullCut) fullCut.emplace(s, circle, kStrips);
    return *fullCut;
  }

  AngleData& at(Cut& cut, double angle) {
    const int axis = angle == 0.0 ? 0 : angle == kHalfPi ? 1 : -1;
    if (axis < 0) {
      cut.other.build(s, angle, circle, cut.count);
      return cut.other;
    }
    std::optional<AngleData>& kept = cut.axes[static_cast<size_t>(axis)];
    if (!kept) kept.emplace().build(s, angle, circle, cut.count);
    return *kept;
  }
};

namespace {

using Shared = ExactBiaxialSection::Shared;
using Cut = ExactBiaxialSection::Cut;

struct Plane {
  Shared& shared;
  Cut& cut;
  const SectionState& s;
  AngleData& data;
  const Normal& n;
  double top;
  // The last planes of strain evaluated: the searches come back to them.
  static constexpr size_t kRemembered = 4;
  mutable std::array<double, kRemembered> seenDepth{};
  mutable std::array<Nominal, kRemembered> seenForces{};
  mutable size_t seen = 0;

  Plane(Shared& sh, Cut& c, double angle)
      : shared(sh), cut(c), s(sh.s), data(sh.at(c, angle)), n(data.n), top(data.top) {}

  const StripRun& strips() const { return shared.circle ? cut.slabs : data.strips; }

  double depthOf(double q) const { return 2.0 * top * q / (1.0 - q); }

  Nominal forces(double c) const {
    if (const Nominal* f = remembered(c)) return *f;
    return remember(c, evaluate(c, strips().concrete(s, top - c, c)));
  }

  // The forces at point i of the depth scan.
  Nominal scanForces(int i) const {
    std::optional<Nominal>& kept = data.scanForces[static_cast<size_t>(i)];
    if (kept) return *kept;
    const double c = depthOf(scanQ(i));
    if (const Nominal* f = remembered(c)) return *(kept = *f);
    std::optional<ConcreteSums>& k =
        (shared.circle ? cut.circleScanned : data.scanned)[static_cast<size_t>(i)];
    if (!k) k = strips().concrete(s, top - c, c);
    return *(kept = remember(c, evaluate(c, *k)));
  }

  const Nominal* remembered(double c) const {
    const size_t known = std::min(seen, kRemembered);
    for (size_t i = 0; i < known; ++i)
      if (seenDepth[i] == c) return &seenForces[i];
    return nullptr;
  }
  Nominal remember(double c, const Nominal& f) const {
    seenDepth[seen % kRemembered] = c;
    seenForces[seen % kRemembered] = f;
    ++seen;
    return f;
  }

  // The concrete's sums turned onto the axes (a circle's slabs carry their
  // moment along the normal), and the bars one by one.
  Nominal evaluate(double c, const ConcreteSums& k) const {
    const double zNA = top - c;
    Nominal f;
    f.p = k.p;
    if (shared.circle) {
      f.mx = k.mx * n.ny;
      f.my = k.mx * n.nx;
    } else {
      f.mx = k.mx;
      f.my = k.my;
    }
    // The bars' forces first, independent of one another (the net stress
    // of FES, written without branches), then summed in order.
    const size_t bars = s.bars.size();
    const double epscu = s.EPSCU;
    const float es = s.ES, fy = s.FY, eps0 = s.EPS0, fcc = s.FCC2;
    const double* z = data.barZ.data();
    const float* area = shared.barA.data();
    double* force = shared.barForce.data();
    for (size_t i = 0; i < bars; ++i) {
      const float eps = static_cast<float>(epscu * (z[i] - zNA) / c);
      const float u = eps / eps0;
      const float parabola = fcc * u * (2.0f - u);
      const float concrete = eps >= eps0 ? fcc : parabola;
      float steel = es * eps;
      steel = steel < -fy ? -fy : steel;
      steel = fy < steel ? fy : steel;
      const float displaced = eps > 0.0f ? concrete : 0.0f;
      force[i] = (steel - displaced) * area[i];
    }
    for (size_t i = 0; i < bars; ++i) {
      const BarPoint& bar = s.bars[i];
      f.p += force[i];
      f.mx += force[i] * bar.Y;
      f.my += force[i] * bar.X;
    }
    return f;
  }
};

// Illinois regula falsi for a root of g between a and b, where g has
// opposite signs; gives the abscissa found, or none when the ends do not
// bracket a root.
template <class G>
std::optional<double> illinois(double a, double b, double fa, double fb, G g) {
  if (fa == 0.0) return a;
  if (fb == 0.0) return b;
  if (!((fa > 0.0) != (fb > 0.0))) return std::nullopt;
  // Searched as the function that is positive at a.
  const double sign = fa > 0.0 ? 1.0 : -1.0;
  fa *= sign;
  fb *= sign;
  int side = 0;
  for (int step = 0; step < kMaxSearchSteps; ++step) {
    const double x = (a * fb - b * fa) / (fb - fa);
    const double fx = sign * g(x);
    if (fx == 0.0 || std::fabs(b - a) <= 1e-13 * std::max(1.0, std::fabs(a))) return x;
    if (fx > 0.0) {
      a = x;
      fa = fx;
      if (side == 1) fb /= 2.0;
      side = 1;
    } else {
      b = x;
      fb = fx;
      if (side == -1) fa /= 2.0;
      side = -1;
    }
  }
  return (a + b) / 2.0;
}

// The load line: axial load (kips) and the moment (kip-inches) with its
// direction.
struct LoadLine {
  double p, m, ux, uy;
  // Positive while the strength lies on the tension side of the line (its
  // eccentricity larger than the load's).
  double eccentricityGap(const Nominal& f) const { return (f.mx * ux + f.my * uy) * p - m * f.p; }
  // Component of the moment across the load's direction.
  double across(const Nominal& f) const { return f.my * ux - f.mx * uy; }
};

// The depth at which the strength of a plane at this angle has the load's
// eccentricity. As the neutral axis goes down, the strength of the plane
// runs from pure tension through pure bending to the squash load. Seen in
// the plane of the axial load and the load's moment direction it meets
// the load line once, or, while the plane's moment still leans off the
// load's direction, two or three times; `branch` 0 takes the deepest
// crossing on the load's side (compression and a moment along the
// load's), 1 the next one up.
std::optional<double> depthOnLine(const Plane& plane, const LoadLine& line, int branch,
                                  double closure) {
  auto gapOf = [&](const Nominal& f) {
    const double g = line.eccentricityGap(f);
    const double scale = std::fabs((f.mx * line.ux + f.my * line.uy) * line.p) + std::fabs(line.m * f.p);
    return std::fabs(g) <= closure * scale ? 0.0 : g;
  };
  auto gap = [&](double q) { return gapOf(plane.forces(plane.depthOf(q))); };
  auto onTheLoadsSide = [&](double q) {
    const Nominal f = plane.forces(plane.depthOf(q));
    return f.mx * line.ux + f.my * line.uy > 0.0 && f.p * line.p >= 0.0;
  };
  int wanted = branch;
  double qb = scanQ(kDepthScan), gb = gapOf(plane.scanForces(kDepthScan));
  for (int i = kDepthScan - 1; i >= 0; --i) {
    const double qa = scanQ(i);
    const double ga = gapOf(plane.scanForces(i));
    if (gb == 0.0 || (ga > 0.0) != (gb > 0.0)) {
      const std::optional<double> q = illinois(qa, qb, ga, gb, gap);
      if (q && onTheLoadsSide(*q) && wanted-- == 0) return plane.depthOf(*q);
    }
    qb = qa;
    gb = ga;
  }
  return std::nullopt;
}

// A root of across(angle), first bracketed on a scan of `points` intervals
// between lo and hi (angles where no depth meets the load line are passed
// over).
template <class G>
std::optional<double> bracketAngle(double lo, double hi, int points, G across) {
  std::optional<double> ga = across(lo);
  double a = lo;
  for (int i = 1; i <= points; ++i) {
    const double b = lo + (hi - lo) * i / points;
    const std::optional<double> gb = across(b);
    if (ga && gb && (*ga > 0.0) != (*gb > 0.0)) {
      bool lost = false;
      const std::optional<double> root = illinois(a, b, *ga, *gb, [&](double x) {
        const std::optional<double> g = across(x);
        if (!g) lost = true;
        return g.value_or(0.0);
      });
      if (!root || lost) return std::nullopt;
      return root;
    }
    a = b;
    ga = gb;
  }
  return std::nullopt;
}

}  // namespace

ExactBiaxialSection::ExactBiaxialSection(const SectionState& s)
    : shared_(std::make_unique<Shared>(s)) {}
ExactBiaxialSection::~ExactBiaxialSection() = default;

std::optional<ExactStrength> exactBiaxialStrength(const SectionState& s, float p, float mx,
                                                  float my) {
  return ExactBiaxialSection(s).along(p, mx, my);
}

std::optional<ExactStrength> ExactBiaxialSection::along(float p, float mx, float my) {
  return search(p, mx, my, kRelativeClosure, shared_->full());
}

std::optional<ExactStrength> ExactBiaxialSection::estimate(float p, float mx, float my) {
  return search(p, mx, my, kEstimateClosure, shared_->coarse);
}

std::optional<ExactStrength> ExactBiaxialSection::search(float p, float mx, float my,
                                                         double closure, Cut& cut) {
  const SectionState& s = shared_->s;
  if (s.bars.empty() || !(mx > 0.0f && my > 0.0f) || p < 0.0f) return std::nullopt;
  const double m = std::hypot(static_cast<double>(mx), static_cast<double>(my));
  const LoadLine line{p, m * kInchesPerFoot, mx / m, my / m};

  // The moment turns from the x towards the y direction as the neutral
  // axis turns; the angle whose moment lies along the load's is the root.
  // It lies between the two axes unless the bars are far from symmetric;
  // then the whole turn is scanned, and then the other crossing of the
  // load line (a load of small eccentricity on a section whose bars crowd
  // one face may need the other face compressed).
  // The searches come back to angles already tried (the ends of a bracket,
  // the root found): each plane of strain is solved once.
  struct Solved {
    double angle;
    int branch;
    std::optional<double> c;
    Nominal f;
  };
  std::vector<Solved> solved;
  auto solve = [&](double angle, int branch) -> const Solved& {
    for (const Solved& v : solved)
      if (v.angle == angle && v.branch == branch) return v;
    const Plane plane(*shared_, cut, angle);
    Solved v{angle, branch, depthOnLine(plane, line, branch, closure), {}};
    if (v.c) v.f = plane.forces(*v.c);
    solved.push_back(v);
    return solved.back();
  };
  auto across = [&](double angle, int branch) -> std::optional<double> {
    const Solved& v = solve(angle, branch);
    if (!v.c) return std::nullopt;
    const Nominal& f = v.f;
    const double g = line.across(f);
    return std::fabs(g) <= closure * std::hypot(f.mx, f.my) ? 0.0 : g;
  };
  std::optional<double> angle;
  int branch = 0;
  for (; branch <= 1 && !angle; ++branch) {
    auto onBranch = [&](double a) { return across(a, branch); };
    angle = bracketAngle(0.0, kHalfPi, 1, onBranch);
    if (!angle) angle = bracketAngle(-2.0 * kHalfPi, 2.0 * kHalfPi, kAngleScan, onBranch);
  }
  if (!angle) return std::nullopt;
  --branch;

  const Solved found = solve(*angle, branch);
  const std::optional<double> c = found.c;
  if (!c) return std::nullopt;
  const Nominal f = found.f;
  const Strength r = PHI(s, static_cast<float>(f.p), static_cast<float>(f.mx),
                         static_cast<float>(f.my), PhiRule::Normal);
  ExactStrength e;
  e.PU = r.P;
  e.MXU = r.MX;
  e.MYU = r.MY;
  const double along = r.MX * line.ux + r.MY * line.uy;
  e.RATIO = static_cast<float>(std::hypot(static_cast<double>(r.P), along) /
                               std::hypot(static_cast<double>(p), m));
  e.ANGLE = static_cast<float>(*angle);
  e.DEPTH = static_cast<float>(*c);
  return e;
}

}  // namespace bentpier::column
