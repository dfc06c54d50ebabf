// Searches on the interaction curves of a column section: the moment
// strength at an axial load, the strength at an eccentricity, and the
// biaxial strength by the load-contour method.
#include <algorithm>
#include <cmath>
#include <utility>

#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

constexpr float kLnHalf = -0.6931472f;
// The load contour flattens into the rectangle of the two uniaxial strengths
// as beta approaches 1; beta is kept just below it so that alpha stays finite.
constexpr float kBetaCeiling = 0.999999f;

float referenceDepth(const SectionState& s, int direction) {
  switch (direction) {
    case kAboutX: return s.D;
    case kAboutY: return s.B;
    default: return s.DIAG;
  }
}

bool inside(float v, float a, float b) {
  return v > std::min(a, b) && v < std::max(a, b);
}

// Regula falsi stalls where the function bends away from the chord: one end
// of the bracket never moves and the other creeps (just below the squash
// load it creeps for ever). After this many replacements of the same end in
// a row, the next point is the mid-point of the bracket.
constexpr int kStallSteps = 3;

struct StallGuard {
  bool lastLow = false;
  int run = 0;
  bool bisect() const { return run >= kStallSteps; }
  void record(bool lowSide) {
    run = (run > 0 && lowSide == lastLow) ? run + 1 : 1;
    lastLow = lowSide;
  }
};

// Two depths that single precision no longer tells apart in a search.
constexpr float kDepthResolution = 1e-6f;
bool collapsed(float a, float b) {
  return std::fabs(a - b) <= kDepthResolution * std::max(std::fabs(a), std::fabs(b));
}

}  // namespace

float depthAtLoad(float p, const CurvePoint& a, const CurvePoint& b) {
  const float dp = b.S.P - a.S.P;
  if (std::fabs(dp) <= 1e-30f) return (a.C + b.C) / 2.0f;
  return a.C + (p - a.S.P) / dp * (b.C - a.C);
}

float loadOnLoadLine(float e, const CurvePoint& a, const CurvePoint& b) {
  const float dm = b.S.M - a.S.M, dp = b.S.P - a.S.P;
  const float den = dm - e * dp;
  if (den == 0.0f) return (a.S.P + b.S.P) / 2.0f;
  return (dm * a.S.P - dp * a.S.M) / den;
}

void keepBracketEnd(Bracket& br, const CurvePoint& p, bool lowSide) {
  if (lowSide) {
    br.lower = p;
  } else {
    br.upper = p;
  }
  br.spare = p;
}

std::optional<CurvePoint> solveDepth(const SectionState& s, int direction,
                                     float p, const CurvePoint& lower,
                                     const CurvePoint& upper, float tol) {
  Bracket br{lower, upper, lower};
  StallGuard guard;
  for (int step = 0; step < kMaxRegulaFalsiSteps; ++step) {
    const float c = guard.bisect() ? (br.lower.C + br.upper.C) / 2.0f
                                   : depthAtLoad(p, br.lower, br.upper);
    const CurvePoint pt{c, REC(s, direction, c)};
    if (std::fabs(pt.S.P - p) < tol) return pt;
    const bool lowSide = pt.S.P < p;
    keepBracketEnd(br, pt, lowSide);
    guard.record(lowSide);
  }
  return std::nullopt;
}

namespace {

// Samples between two characteristic points of a curve; the points
// themselves are among them.
constexpr int kSamplesPerSegment = 16;

// The sample of the segment of p that begins the pair whose loads bracket
// it (lowest depth first).
std::optional<size_t> sampledBracket(const std::vector<CurvePoint>& v, bool compressionSide,
                                     float p) {
  const size_t first = compressionSide ? kSamplesPerSegment : 0;
  for (size_t i = first; i < first + kSamplesPerSegment && i + 1 < v.size(); ++i)
    if (v[i].S.P <= p && p <= v[i + 1].S.P) return i;
  return std::nullopt;
}

// The moment search between the samples i and i + 1, or from the strength
// found last when that lies between them.
std::optional<Strength> sampledMoment(const SectionState& s, int direction, float p,
                                      CurveSearch& search, size_t i) {
  const std::vector<CurvePoint>& v = search.samples.along[static_cast<size_t>(direction)];
  std::optional<CurvePoint>& last = search.last[static_cast<size_t>(direction)];
  CurvePoint lower = v[i], upper = v[i + 1];
  for (const CurvePoint& end : {lower, upper}) {
    if (std::fabs(end.S.P - p) < kLoadTolerance) {
      last = end;
      return end.S;
    }
  }
  if (last && last->C > lower.C && last->C < upper.C) {
    if (last->S.P < p && last->S.P > lower.S.P) lower = *last;
    if (last->S.P > p && last->S.P < upper.S.P) upper = *last;
  }
  last = solveDepth(s, direction, p, lower, upper, kLoadTolerance);
  if (!last) return std::nullopt;
  return last->S;
}

}  // namespace

CurveSamples sampleCurves(const SectionState& s) {
  CurveSamples out;
  for (int dir = 1; dir <= kDirections; ++dir) {
    const InteractionCurve& curve = s.curve[dir];
    if (!curve.built) continue;
    std::vector<CurvePoint>& v = out.along[dir];
    v.reserve(2 * kSamplesPerSegment + 1);
    for (int k : {3, 2}) {
      const float c0 = curve.PT[k].C, c1 = curve.PT[k - 1].C;
      for (int i = 0; i < kSamplesPerSegment; ++i) {
        const float c = c0 + (c1 - c0) * static_cast<float>(i) / kSamplesPerSegment;
        v.push_back({c, REC(s, dir, c)});
      }
    }
    v.push_back({curve.PT[1].C, REC(s, dir, curve.PT[1].C)});
  }
  return out;
}

std::optional<Strength> FINDM(const SectionState& s, int direction, float p,
                              CurveSearch* search) {
  const InteractionCurve& curve = s.curve[direction];
  if (!curve.built) return std::nullopt;
  const auto& pt = curve.PT;
  if (p >= pt[1].S.P || p >= curve.PN[1]) return REC(s, direction, pt[1].C);
  if (p <= pt[3].S.P) return REC(s, direction, pt[3].C);
  const bool compressionSide = p > curve.PN[2];
  if (search) {
    const std::optional<CurvePoint>& last = search->last[static_cast<size_t>(direction)];
    if (last && std::fabs(last->S.P - p) < kLoadTolerance) return last->S;
    const std::vector<CurvePoint>& v = search->samples.along[static_cast<size_t>(direction)];
    if (const std::optional<size_t> i = sampledBracket(v, compressionSide, p))
      return sampledMoment(s, direction, p, *search, *i);
  }
  // The bracket ends carry the loads of the normal reduction, like every
  // point the search evaluates: where PHI held at PHIC differs from it, the
  // sought load could otherwise lie outside the bracket.
  auto normal = [&](int i) {
    CurvePoint q = pt[i];
    q.S.P = curve.PN[i];
    return q;
  };
  const CurvePoint lower = compressionSide ? normal(2) : normal(3);
  const CurvePoint upper = compressionSide ? normal(1) : normal(2);
  const std::optional<CurvePoint> found =
      solveDepth(s, direction, p, lower, upper, kLoadTolerance);
  if (!found) return std::nullopt;
  return found->S;
}

std::optional<Strength> FINDE(const SectionState& s, int direction, float p,
                              float m) {
  const InteractionCurve& curve = s.curve[direction];
  if (!curve.built) return std::nullopt;
  const auto& pt = curve.PT;
  // Tension, or an eccentricity beyond the reach of the curve: pure bending.
  if (referenceDepth(s, direction) * p - m <= 0.0f || p <= 0.0f)
    return REC(s, direction, pt[3].C);
  const float e = m / p;
  if (e <= 0.0f) return REC(s, direction, pt[1].C);

  // Sought: the depth where the strength lies on the line M = e P. Points on
  // the tension side of the line (M - e P > 0) have the smaller depths.
  auto tensionSide = [e](const CurvePoint& q) { return q.S.M - e * q.S.P > 0.0f; };
  if (tensionSide(pt[1])) return REC(s, direction, pt[1].C);
  if (!tensionSide(pt[3])) return REC(s, direction, pt[3].C);
  Bracket br;
  if (tensionSide(pt[2])) {
    br = {pt[2], pt[1], pt[2]};  // e below the balanced eccentricity
  } else {
    br = {pt[3], pt[2], pt[3]};
  }
  StallGuard guard;
  for (int step = 0; step < kMaxRegulaFalsiSteps; ++step) {
    const float pStar = loadOnLoadLine(e, br.lower, br.upper);
    float c = depthAtLoad(pStar, br.lower, br.upper);
    if (guard.bisect() || !inside(c, br.lower.C, br.upper.C))
      c = (br.lower.C + br.upper.C) / 2.0f;
    const CurvePoint q{c, REC(s, direction, c)};
    if (q.S.P > 0.0f &&
        std::fabs(q.S.M / q.S.P - e) / e < kEccentricityTolerance)
      return q.S;
    // A very small eccentricity cannot be met to 0.5 percent in single
    // precision: once the depth is pinned down, the point found is the answer.
    if (collapsed(br.lower.C, br.upper.C)) return q.S;
    const bool lowSide = tensionSide(q);
    keepBracketEnd(br, q, lowSide);
    guard.record(lowSide);
  }
  return std::nullopt;
}

std::optional<ContourConstants> FINDB(const SectionState& s, float p, CurveSearch* search) {
  const std::optional<Strength> sx = FINDM(s, kAboutX, p, search);
  const std::optional<Strength> sy = FINDM(s, kAboutY, p, search);
  const std::optional<Strength> sz = FINDM(s, kDiagonal, p, search);
  if (!sx || !sy || !sz) return std::nullopt;
  ContourConstants k;
  k.MX0 = sx->MX;
  k.MY0 = sy->MY;
  k.MXZ = sz->MX;
  k.MYZ = sz->MY;
  // Without positive strengths in all three directions there is no contour:
  // the section carries no biaxial moment at this load.
  if (!(k.MX0 > 0.0f && k.MY0 > 0.0f && k.MXZ > 0.0f && k.MYZ > 0.0f))
    return k;
  const float a = k.MXZ / k.MX0, b = k.MYZ / k.MY0;
  const float sq = (a - b) * (a - b);
  if (!(1.0f - sq > 0.0f)) return k;
  const float beta = ((a + b - sq) / (1.0f - sq)) * 0.5f;
  if (!(beta > 0.0f)) return k;
  k.BETA = std::min(beta, kBetaCeiling);
  k.ALPHA = kLnHalf / std::log(k.BETA);
  k.usable = true;
  return k;
}

MomentPair momentOnContour(const ContourConstants& k, float mx, float my) {
  const float a = mx / k.MX0, b = my / k.MY0;
  MomentPair u;
  if (a > b) {
    u.MXU = k.MX0 / std::pow(std::pow(b / a, k.ALPHA) + 1.0f, 1.0f / k.ALPHA);
    u.MYU = (my / mx) * u.MXU;
  } else if (a < b) {
    u.MYU = k.MY0 / std::pow(std::pow(a / b, k.ALPHA) + 1.0f, 1.0f / k.ALPHA);
    u.MXU = (mx / my) * u.MYU;
  } else {
    u.MXU = k.BETA * k.MX0;
    u.MYU = k.BETA * k.MY0;
  }
  return u;
}

std::optional<MomentPair> FUMXY(const SectionState& s, float p, float mx,
                                float my, CurveSearch* search) {
  if (p >= s.P0) return MomentPair{};
  if (mx > 0.0f && my > 0.0f) {
    const std::optional<ContourConstants> k = FINDB(s, p, search);
    if (!k) return std::nullopt;
    if (!k->usable) return MomentPair{};
    return momentOnContour(*k, mx, my);
  }
  const int direction = (my > 0.0f && !(mx > 0.0f)) ? kAboutY : kAboutX;
  const std::optional<Strength> r = FINDM(s, direction, p, search);
  if (!r) return std::nullopt;
  return MomentPair{r->MX, r->MY};
}

std::vector<MomentPair> loadContour(const SectionState& s, float p, int steps) {
  std::vector<MomentPair> contour;
  if (p >= s.P0 || steps < 1) return contour;
  const std::optional<ContourConstants> k = FINDB(s, p);
  if (!k || !k->usable) return contour;
  constexpr double kQuarterTurn = 1.5707963267948966;
  contour.push_back({k->MX0, 0.0f});
  for (int i = 1; i < steps; ++i) {
    const double angle = kQuarterTurn * i / steps;
    contour.push_back(momentOnContour(*k, static_cast<float>(std::cos(angle)),
                                      static_cast<float>(std::sin(angle))));
  }
  contour.push_back({0.0f, k->MY0});
  return contour;
}

namespace {

// Axial load alone: the strength is P0.
LoadLineStrength axialLoadStrength(const SectionState& s, float p) {
  return LoadLineStrength{s.P0, 0.0f, 0.0f, p > 0.0f ? s.P0 / p : 0.0f};
}

// No compression to scale along: the moment strength at the load itself,
// of resultant moment m.
std::optional<LoadLineStrength> strengthWithoutCompression(const SectionState& s, float p,
                                                           float mx, float my, float m) {
  const std::optional<MomentPair> u = FUMXY(s, p, mx, my);
  if (!u) return std::nullopt;
  return LoadLineStrength{p, u->MXU, u->MYU,
                          signedResultant(p, signedResultant(u->MXU, u->MYU)) / signedResultant(p, m)};
}

// The line from the origin through a compressive load (p, mx, my) of
// resultant moment m and eccentricity e = m / p.
struct LoadLine {
  const SectionState& s;
  float p, mx, my, m, e;

  // The strength at axial load q in the direction of the load, as a point
  // (q, M) of the contour section along the load line; C carries q. The
  // moments are scaled to q, except at q = 0 where that would lose their
  // direction (only the direction matters to the contour).
  std::optional<CurvePoint> along(float q) const {
    const float scale = q > 0.0f ? q / p : 1.0f;
    const std::optional<MomentPair> u = FUMXY(s, q, mx * scale, my * scale);
    if (!u) return std::nullopt;
    CurvePoint pt;
    pt.C = q;
    pt.S = {q, u->MXU, u->MYU, signedResultant(u->MXU, u->MYU)};
    return pt;
  }
  // Whether a strength lies on the line, to the eccentricity tolerance.
  bool closes(const CurvePoint& q) const {
    return q.S.P > 0.0f && std::fabs(q.S.M / q.S.P - e) / e <= kEccentricityTolerance;
  }
  // Whether a strength has more moment than the line at its axial load.
  bool tensionSide(const CurvePoint& q) const { return q.S.M - e * q.S.P > 0.0f; }
  // The strength q, with its capacity ratio to the load.
  LoadLineStrength result(const CurvePoint& q) const {
    return LoadLineStrength{q.S.P, q.S.MX, q.S.MY, signedResultant(q.S.P, q.S.M) / signedResultant(p, m)};
  }
  // The strength on the load line at axial load pu.
  LoadLineStrength onLine(float pu) const {
    return LoadLineStrength{pu, mx * pu / p, my * pu / p, pu / p};
  }
};

// First estimate: the reciprocal load formula from the two uniaxial
// strengths at the load's eccentricities.
std::optional<float> firstEstimate(const SectionState& s, float p, float mx, float my) {
  const std::optional<Strength> sx = FINDE(s, kAboutX, p, mx);
  const std::optional<Strength> sy = FINDE(s, kAboutY, p, my);
  if (!sx || !sy) return std::nullopt;
  float pu = s.P0 / (s.P0 / sx->P + s.P0 / sy->P - 1.0f);
  if (!(pu > 0.0f && pu < s.P0)) pu = s.P0 / 2.0f;
  return pu;
}

// Bracket between pure bending and P0, where the moment strength is 0,
// around the strength q of the first estimate: q and P0 when q lies on the
// tension side of the line, else pure bending and q. `opened` is false
// when pure bending lies on the compression side too: no moment strength
// without axial load either, nothing along the line.
struct OpeningBracket {
  Bracket br;
  bool opened = true;
};

std::optional<OpeningBracket> openingBracket(const LoadLine& line, const CurvePoint& q) {
  CurvePoint top;
  top.C = line.s.P0;
  top.S = {line.s.P0, 0.0f, 0.0f, 0.0f};
  OpeningBracket start;
  if (line.tensionSide(q)) {
    start.br = {q, top, q};
    return start;
  }
  const std::optional<CurvePoint> bottom = line.along(0.0f);
  if (!bottom) return std::nullopt;
  start.opened = line.tensionSide(*bottom);
  start.br = {*bottom, q, q};
  return start;
}

// Regula falsi on the axial load between the ends of the bracket, bisecting
// where it stalls, until a strength closes on the load line. The contour is
// known to the load tolerance of the moment search, and it drops to
// nothing at P0: once the bracket is that narrow, the strength lies on the
// load line at its lower end.
std::optional<LoadLineStrength> searchAlongLine(const LoadLine& line, Bracket br) {
  StallGuard guard;
  for (int step = 0; step < kMaxRegulaFalsiSteps; ++step) {
    if (br.upper.S.P - br.lower.S.P <= kLoadTolerance) return line.onLine(br.lower.S.P);
    float next = loadOnLoadLine(line.e, br.lower, br.upper);
    if (guard.bisect() || !inside(next, br.lower.S.P, br.upper.S.P))
      next = (br.lower.S.P + br.upper.S.P) / 2.0f;
    const std::optional<CurvePoint> q = line.along(next);
    if (!q) return std::nullopt;
    if (line.closes(*q)) return line.result(*q);
    const bool lowSide = line.tensionSide(*q);
    keepBracketEnd(br, *q, lowSide);
    guard.record(lowSide);
  }
  return std::nullopt;
}

}  // namespace

std::optional<LoadLineStrength> FBBUC(const SectionState& s, float p, float mx,
                                      float my) {
  const float m = signedResultant(mx, my);
  if (m <= 0.0f) return axialLoadStrength(s, p);
  if (p <= 0.0f) return strengthWithoutCompression(s, p, mx, my, m);
  const LoadLine line{s, p, mx, my, m, m / p};
  const std::optional<float> pu = firstEstimate(s, p, mx, my);
  if (!pu) return std::nullopt;
  const std::optional<CurvePoint> q = line.along(*pu);
  if (!q) return std::nullopt;
  if (line.closes(*q)) return line.result(*q);
  const std::optional<OpeningBracket> start = openingBracket(line, *q);
  if (!start) return std::nullopt;
  if (!start->opened) return LoadLineStrength{};
  return searchAlongLine(line, start->br);
}

}  // namespace bentpier::column
