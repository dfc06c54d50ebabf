// Strength of a column section for a neutral-axis depth in each bending
// direction, the reduction factor, and the characteristic points of the
// interaction curves.
#include <algorithm>
#include <cmath>

#include "design/column/section_strength.h"

namespace bentpier::column {
namespace {

// The reduction rises from PHIC to PHIB as the nominal load falls from
// 0.1 f'c AG / PHIC to zero.
constexpr float kLowLoadFraction = 0.1f;
// Part of the crushing strain by which the far fibre of the point of
// maximum compression may fall short of it when the peak of the concrete
// or the yield of the steel lies beyond it.
constexpr float kUnevenStrain = 1e-4f;

}  // namespace

float signedResultant(float x, float y) {
  const float r = std::sqrt(x * x + y * y);
  return (x < 0.0f || y < 0.0f) ? -r : r;
}

Strength PHI(const SectionState& s, float pn, float mx, float my,
             PhiRule rule) {
  float phi = s.PHIC;
  if (rule == PhiRule::Normal) {
    const float p1 = s.AG * s.FCC2 * kLowLoadFraction / s.PHIC / kStressIntensity;
    if (pn <= 0.0f) {
      phi = s.PHIB;
    } else if (pn <= p1) {
      phi = s.PHIB - pn * (s.PHIB - s.PHIC) / p1;
    }
  }
  Strength r;
  r.P = phi * pn;
  r.MX = phi * mx / kInchesPerFoot;
  r.MY = phi * my / kInchesPerFoot;
  r.M = signedResultant(r.MX, r.MY);
  return r;
}

namespace {

// The nominal forces of the section at depth c in each bending direction:
// concrete and steel together, before reduction.
BiForces nominalX(const SectionState& s, float c) {
  const Forces conc =
      s.SECT == kCircular ? CRCPM(s, c) : UNCPM(s, c, s.D, s.B);
  const Forces steel = UNSPM(s, kAboutX, c);
  return {conc.P + steel.P, conc.M + steel.M, 0.0f};
}

BiForces nominalY(const SectionState& s, float c) {
  const Forces conc =
      s.SECT == kCircular ? CRCPM(s, c) : UNCPM(s, c, s.B, s.D);
  const Forces steel = UNSPM(s, kAboutY, c);
  return {conc.P + steel.P, 0.0f, conc.M + steel.M};
}

BiForces nominalZ(const SectionState& s, float c) {
  BiForces conc;
  if (s.SECT == kCircular) {
    const Forces f = CRCPM(s, c);
    conc = {f.P, kRootHalf * f.M, kRootHalf * f.M};
  } else {
    conc = BICPM(s, c);
  }
  const BiForces steel = BISPM(s, c);
  return {conc.P + steel.P, conc.MX + steel.MX, conc.MY + steel.MY};
}

BiForces nominalForces(const SectionState& s, int direction, float c) {
  switch (direction) {
    case kAboutX: return nominalX(s, c);
    case kAboutY: return nominalY(s, c);
    default: return nominalZ(s, c);
  }
}

Strength reduced(const SectionState& s, const BiForces& n, PhiRule rule) {
  return PHI(s, n.P, n.MX, n.MY, rule);
}

}  // namespace

Strength RECX(const SectionState& s, float c, PhiRule rule) {
  return reduced(s, nominalX(s, c), rule);
}

Strength RECY(const SectionState& s, float c, PhiRule rule) {
  return reduced(s, nominalY(s, c), rule);
}

Strength RECZ(const SectionState& s, float c, PhiRule rule) {
  return reduced(s, nominalZ(s, c), rule);
}

Strength REC(const SectionState& s, int direction, float c, PhiRule rule) {
  return reduced(s, nominalForces(s, direction, c), rule);
}

bool FCPM(SectionState& s, int direction) {
  InteractionCurve& curve = s.curve[direction];
  curve.built = false;
  if (s.bars.empty()) return false;
  const float hh = halfDepth(s, direction);
  float zmin = barCoordinate(s.bars.front(), direction);
  for (const BarPoint& bar : s.bars)
    zmin = std::min(zmin, barCoordinate(bar, direction));
  const float dfar = hh - zmin;  // depth of the farthest bar
  if (!(dfar > 0.0f)) return false;
  const PhiRule held = PhiRule::HeldAtCompression;

  // 1: maximum compression. The far fibre reaches the peak strain and the
  // far bar its compressive yield. When either lies beyond the crushing
  // strain, the squash load is only approached as the strain evens out
  // over the section: the depth that leaves the far fibre and the far bar
  // within a small part of the crushing strain stands for it.
  const float farthest = std::max(2.0f * hh, dfar);
  const float nearlyEven = farthest / kUnevenStrain;
  float c = 1.0f - s.KR > 0.0f ? 2.0f * hh / (1.0f - s.KR) : nearlyEven;
  c = 1.0f - s.KY > 0.0f ? std::max(c, dfar / (1.0f - s.KY)) : nearlyEven;
  // The nominal forces of a depth once; the two reduction rules from them.
  const BiForces atMaximum = nominalForces(s, direction, c);
  curve.PT[1] = {c, reduced(s, atMaximum, held)};

  // 2: balanced, the far bar at its tensile yield.
  const float cb = dfar / (s.KY + 1.0f);
  const BiForces atBalance = nominalForces(s, direction, cb);
  curve.PT[2] = {cb, reduced(s, atBalance, held)};
  const Strength balanced = reduced(s, atBalance, PhiRule::Normal);

  // 3: pure bending.
  if (curve.PT[2].S.P > 0.0f) {
    CurvePoint above{cb, balanced};
    CurvePoint below = above;
    int halvings = 0;
    while (below.S.P > 0.0f) {
      if (++halvings > kMaxDepthHalvings) return false;
      above = below;
      below.C = above.C / 2.0f;
      below.S = REC(s, direction, below.C);
    }
    const std::optional<CurvePoint> zero =
        solveDepth(s, direction, 0.0f, below, above, kCurveLoadTolerance);
    if (!zero) return false;
    curve.PT[3] = *zero;
  } else {
    curve.PT[3] = {cb, balanced};
  }
  curve.PN[1] = reduced(s, atMaximum, PhiRule::Normal).P;
  curve.PN[2] = balanced.P;
  curve.PN[3] = curve.PT[3].S.P;
  curve.built = true;
  return true;
}

std::vector<CurveSample> sampleCurve(const SectionState& s, int direction, int samples) {
  const InteractionCurve& curve = s.curve[direction];
  std::vector<CurveSample> out;
  if (!curve.built || samples < 2) return out;
  const float c1 = curve.PT[1].C, cEnd = curve.PT[3].C / 4.0f;
  if (!(c1 > 0.0f) || !(cEnd > 0.0f) || !(c1 > cEnd)) return out;
  out.push_back({0.0f, s.P0});
  const float ratio = std::pow(cEnd / c1, 1.0f / static_cast<float>(samples - 1));
  CurveSample last{0.0f, s.P0};
  bool above = true;
  float c = c1;
  for (int i = 0; i < samples; ++i, c *= ratio) {
    const Strength st = REC(s, direction, c);
    const CurveSample here{std::fabs(direction == kAboutY ? st.MY : st.MX), st.P};
    if (here.P >= s.P0) {
      last = here;
      continue;
    }
    if (above) {
      // Where the curve comes down through P0, the cut-off meets it.
      const float t = last.P > here.P ? (last.P - s.P0) / (last.P - here.P) : 0.0f;
      if (i > 0) out.push_back({last.M + t * (here.M - last.M), s.P0});
      above = false;
    }
    out.push_back(here);
    last = here;
  }
  return out;
}

}  // namespace bentpier::column

namespace bentpier::column {
namespace {

// The tension end of a sampled curve: a neutral axis this small a part of
// the depth leaves every bar yielding in tension.
constexpr float kTensionDepthFraction = 1e-4f;

DepthStrength sampleAt(const SectionState& s, int direction, float c) {
  const Strength r = REC(s, direction, c);
  return {c, r.P, direction == kAboutY ? r.MY : r.MX};
}

}  // namespace

DepthStrength characteristicPoint(const SectionState& s, int direction, int k) {
  return sampleAt(s, direction, s.curve[direction].PT[static_cast<size_t>(k)].C);
}

std::vector<DepthStrength> sampleInteraction(const SectionState& s, int direction) {
  const InteractionCurve& curve = s.curve[direction];
  std::vector<DepthStrength> out;
  if (!curve.built) return out;
  const float c1 = curve.PT[1].C, cb = curve.PT[2].C, c3 = curve.PT[3].C;
  const float ct = std::min(c3, kTensionDepthFraction * 2.0f * halfDepth(s, direction));
  const int n = kCurveSamplesPerSegment;
  std::vector<float> depths;
  // Tension to pure bending and pure bending to balanced evenly in depth;
  // balanced to maximum compression evenly in 1/c, in which every fibre's
  // strain is linear.
  for (int i = 0; i < n; ++i) depths.push_back(ct + (c3 - ct) * static_cast<float>(i) / n);
  for (int i = 0; i < n; ++i) depths.push_back(c3 + (cb - c3) * static_cast<float>(i) / n);
  for (int i = 0; i < n; ++i) {
    const float u = 1.0f / cb + (1.0f / c1 - 1.0f / cb) * static_cast<float>(i) / n;
    depths.push_back(i == 0 ? cb : 1.0f / u);
  }
  depths.push_back(c1);
  float last = 0.0f;
  for (float c : depths) {
    if (!out.empty() && !(c > last)) continue;  // an empty segment
    out.push_back(sampleAt(s, direction, c));
    last = c;
  }
  return out;
}

}  // namespace bentpier::column
