// Cap cantilevers: own-weight shear, moment, depth and width at each
// bearing, total weight and its moment about the column.
//
// From the column outward a cantilever has a block of length A, width BC
// and depth DE + DH; a haunch of length LH in which the width goes from BC
// to BE and the depth from DE + DH to DE (linearly for code L, along a
// parabola with its vertex at the outer end for code P; code C has no
// haunch, and its LH is ignored); and the outer part of section BE x DE out
// to the tip at L, which for code C begins at the block.
#include <algorithm>

#include "frame/member_properties.h"

namespace bentpier {
namespace {

// The outer part of section BE x DE, from the end of the haunch out to the
// tip: its weight and the distance of its centroid from the column. A block
// and haunch that reach the tip leave no outer part (the clamp only guards
// the rounding of an exact fit).
struct OuterPart {
  float end = 0;  // distance of its inner end from the column
  float W = 0, arm = 0;
};

OuterPart outerPart(const CapSegment& seg) {
  OuterPart o;
  o.end = seg.A + seg.haunchLength();
  o.W = kConcreteWeight * seg.BE * seg.DE * std::max(seg.L - o.end, 0.0f);
  o.arm = (o.end + seg.L) / 2;
  return o;
}

// Haunch weight W and its moment M about the haunch's column-side end.
struct HaunchWeight {
  float W = 0, M = 0;
};

HaunchWeight haunchWeight(const CapSegment& seg) {
  const float DE = seg.DE, DH = seg.DH, BC = seg.BC, BE = seg.BE, LH = seg.haunchLength();
  const float kw = kConcreteWeight;
  const float g0 = BE * DE;
  const float w1 = BC * (DE + DH);
  const float r = (DE + DH) * BE + BC * DE;
  HaunchWeight h;
  if (LH > 0 && seg.C == 'L') {
    h.W = kw * LH * (2 * (g0 + w1) + r) / 6;
    h.M = kw * LH * LH * (w1 + r + 3 * g0) / 12;
  } else if (LH > 0 && seg.C == 'P') {
    const float m3 = 3 * BC * DH;
    const float e2 = BE * DH;
    const float o = BC * DE;
    h.W = kw * LH * (6 * (g0 + o) + m3 + e2) / 12;
    h.M = kw * LH * LH * (m3 + 20 * g0 + 10 * o + 2 * e2) / 60;
  }
  return h;
}

// What every bearing of a cantilever reads: the outer part, the haunch and
// the block.
struct CantileverWeights {
  OuterPart outer;
  HaunchWeight haunch;
  float Bh = 0;  // arm of the haunch weight from the haunch's column-side end
  float Wb = 0;  // weight of the block
};

CantileverWeights cantileverWeights(const CapSegment& seg) {
  CantileverWeights cw;
  cw.outer = outerPart(seg);
  cw.haunch = haunchWeight(seg);
  cw.Bh = cw.haunch.W != 0 ? cw.haunch.M / cw.haunch.W : 0;
  cw.Wb = kConcreteWeight * seg.BC * (seg.DE + seg.DH) * seg.A;
  return cw;
}

// Width and depth of the cap at a bearing, and the own weight V beyond it
// with its moment M about the bearing.
struct BearingValues {
  float width = 0, depth = 0, V = 0, M = 0;
};

// A bearing on the outer part, x from the column.
BearingValues beyondTheHaunch(const CapSegment& seg, float x) {
  BearingValues b;
  b.width = seg.BE;
  b.depth = seg.DE;
  b.V = kConcreteWeight * seg.BE * seg.DE * (seg.L - x);
  b.M = (seg.L - x) * b.V / 2;
  return b;
}

// Width of the haunch falling per unit length from BC at the block to BE.
float widthSlope(const CapSegment& seg) {
  const float LH = seg.haunchLength();
  return LH > 0 ? (seg.BC - seg.BE) / LH : 0;
}

// A bearing in a parabolic haunch.
BearingValues inParabolicHaunch(const CapSegment& seg, const OuterPart& outer, float x) {
  const float DE = seg.DE, DH = seg.DH, BE = seg.BE, LH = seg.haunchLength();
  const float kw = kConcreteWeight;
  const float g0 = BE * DE;
  BearingValues b;
  const float t = outer.end - x;
  const float kk = t / LH;
  b.depth = DH * kk * kk + DE;
  b.width = t * widthSlope(seg) + BE;
  const float N = b.width * DE;
  const float Mq = 3 * b.width * (b.depth - DE);
  const float O = (b.depth - DE) * BE;
  b.V = kw * t * (6 * g0 + 6 * N + Mq + O) / 12 + outer.W;
  b.M = kw * t * t * (Mq + 20 * g0 + 10 * N + 2 * O) / 60 + outer.W * (outer.arm - x);
  return b;
}

// A bearing in a straight haunch.
BearingValues inStraightHaunch(const CapSegment& seg, const OuterPart& outer, float x) {
  const float A = seg.A, DE = seg.DE, DH = seg.DH, BC = seg.BC, BE = seg.BE;
  const float LH = seg.haunchLength();
  const float kw = kConcreteWeight;
  const float g0 = BE * DE;
  const float dd = LH > 0 ? DH / LH : 0;
  BearingValues b;
  const float kx = x - A;
  b.width = BC - widthSlope(seg) * kx;
  b.depth = (DE + DH) - kx * dd;
  const float O = b.width * b.depth;
  const float Mq = b.width * DE;
  const float N = b.depth * BE;
  const float t = outer.end - x;
  b.V = outer.W + kw * t * (2 * O + 2 * g0 + Mq + N) / 6;
  b.M = kw * t * t * (3 * g0 + Mq + O + N) / 12 + outer.W * (outer.arm - x);
  return b;
}

// A bearing in the block.
BearingValues inTheBlock(const CapSegment& seg, const CantileverWeights& cw, float x) {
  const float w1 = seg.BC * (seg.DE + seg.DH);
  const float Wo = cw.outer.W, Wh = cw.haunch.W;
  BearingValues b;
  b.width = seg.BC;
  b.depth = seg.DE + seg.DH;
  const float t = std::max(seg.A - x, 0.0f);
  const float Jb = kConcreteWeight * w1 * t;
  b.V = Wo + Wh + Jb;
  b.M = Wo * (cw.outer.arm - x) + Wh * (t + cw.Bh) + t * Jb / 2;
  return b;
}

BearingValues bearingValues(const CapSegment& seg, const CantileverWeights& cw, float x) {
  if (x >= cw.outer.end) return beyondTheHaunch(seg, x);
  if (x >= seg.A && seg.C == 'P') return inParabolicHaunch(seg, cw.outer, x);
  if (x > seg.A && seg.C == 'L') return inStraightHaunch(seg, cw.outer, x);
  return inTheBlock(seg, cw, x);
}

}  // namespace

void cantileverProperties(Problem& problem, int side) {
  const int k = side < 0 ? 1 : problem.dd.NCOL + 1;
  const CapSegment& seg = problem.cap[k];
  CapProperties& cp = problem.capp[k];
  const CantileverWeights cw = cantileverWeights(seg);

  float x = 0;
  for (int i = 1; i <= seg.NB; ++i) {
    x = (i == 1) ? seg.XB[1] : x + side * seg.XB[i];
    cp.XR[i] = x;
    const BearingValues b = bearingValues(seg, cw, x);
    cp.WIDB[i] = b.width;
    cp.DEPB[i] = b.depth;
    cp.VW[i] = side * b.V;
    cp.MW[i] = -b.M;
  }
  const float Wo = cw.outer.W, Wh = cw.haunch.W, Wb = cw.Wb, A = seg.A;
  cp.RW = Wo + Wh + Wb;
  cp.FMWT = Wo * cw.outer.arm + Wh * (cw.Bh + A) + Wb * A / 2;
}

}  // namespace bentpier
