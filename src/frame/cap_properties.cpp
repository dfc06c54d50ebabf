// Cap spans between columns: end stiffness, carry-over, fixed-end moments
// of the own weight and of a unit load at each bearing, and the own-weight
// shear, moment, depth and width at the bearings.
//
// A span is prismatic (code C) or has equal haunches at both ends, straight
// (L) or parabolic (P). A haunched span is built, from each column line
// inward, of an end block of length A and full depth DE + DH (taken as
// rigid: it is the joint region over the column), a haunch of length LH
// whose depth falls to DE, and the middle part of depth DE. The section
// properties come from the flexibility integrals of the half span with the
// haunch integrated by Simpson's rule.
#include <algorithm>

#include "frame/member_properties.h"

namespace bentpier {
namespace {

constexpr int kHaunchSteps = 20;  // Simpson intervals over a haunch

// Shape of a haunch: depth DE * (1 + H g^n) at distance g from its shallow
// end, with the constants of its weight and weight-moment terms.
struct Haunch {
  bool parabolic = false;
  float H = 0;      // depth growth per unit g (or g^2), relative to DE
  float e = 0.5f;   // haunch weight / (LH * wh)
  float f = 1.0f / 3;  // centroid of the added weight from the deep end / LH
  float n = 6;      // divisor of the weight-moment correction term
  float depthRatio(float g) const { return parabolic ? 1 + H * g * g : 1 + H * g; }
  // g^3 for straight haunches, g^4 for parabolic ones.
  float momentPower(float g) const { return parabolic ? g * g * g * g : g * g * g; }
};

Haunch haunchOf(const CapSegment& seg) {
  Haunch hn;
  hn.parabolic = seg.C == 'P';
  if (hn.parabolic) {
    hn.H = seg.DH / (seg.LH * seg.LH * seg.DE);
    hn.e = 0.3333333f;
    hn.f = 0.25f;
    hn.n = 12;
  } else {
    hn.H = seg.DH / (seg.LH * seg.DE);
  }
  return hn;
}

float simpsonWeight(int j, int steps) {
  if (j == 0 || j == steps) return 1;
  return (j % 2 == 1) ? 4 : 2;
}

void prismaticSpan(Problem& problem, int k) {
  const CapSegment& seg = problem.cap[k];
  CapProperties& cp = problem.capp[k];
  const float E48 = 48 * problem.dd.EC;
  const float L = seg.L;
  const float w = kConcreteWeight * seg.BC * seg.DE;
  const float B = seg.BC * seg.DE * seg.DE * seg.DE;

  cp.RI = B / (12 * L);
  cp.RW = w * L / 2;
  cp.K = E48 * B / L;
  cp.CO = 0.5f;
  cp.FMWT = cp.RW * L / 6;

  float a = 0;
  for (int i = 1; i <= seg.NB; ++i) {
    a += seg.XB[i];
    const float b = L - a;
    cp.XR[i] = b;
    cp.VW[i] = cp.RW - w * a;
    cp.MW[i] = (cp.RW - 0.5f * w * a) * a;
    cp.DEPB[i] = seg.DE;
    cp.WIDB[i] = seg.BC;
    cp.FMLP[i] = a * b * b / (L * L);
    cp.FMRP[i] = a * a * b / (L * L);
  }
  cp.UFEM = (cp.CO + 1) * cp.K / L;
}

// Integrals along the path from a unit load at distance s from the nearer
// end back to the inner edge of that end's block, x measured from the end:
// J1 = integral of (s - x)(L - x) / v^3, J2 = integral of (s - x) / v^3.
struct LoadPath {
  float J1 = 0, J2 = 0;
};

LoadPath loadPathIntegrals(const CapSegment& seg, const Haunch& hn, float s) {
  LoadPath jp;
  const float L = seg.L;
  const float shallowEnd = seg.A + seg.LH;
  if (s > shallowEnd) {
    // Middle part, v = 1, taken exactly.
    const float y = s - shallowEnd;
    jp.J1 += (L - s) * y * y / 2 + y * y * y / 3;
    jp.J2 += y * y / 2;
  }
  const float haunchEnd = std::min(s, shallowEnd);
  const float step = (haunchEnd - seg.A) / kHaunchSteps;
  float sum1 = 0, sum2 = 0;
  for (int j = 0; j <= kHaunchSteps; ++j) {
    const float x = seg.A + j * step;
    const float v = hn.depthRatio(shallowEnd - x);
    const float iv3 = 1 / (v * v * v);
    const float wt = simpsonWeight(j, kHaunchSteps);
    sum1 += wt * (s - x) * (L - x) * iv3;
    sum2 += wt * (s - x) * iv3;
  }
  jp.J1 += sum1 * step / 3;
  jp.J2 += sum2 * step / 3;
  return jp;
}

// Weights of a haunched span: the uniform part w, and the added weight of
// each haunch (Wh) and of each end block (Wa) with their moments about the
// span end.
struct SpanWeights {
  float w = 0, wh = 0;   // per unit length: depth DE, and the added depth DH
  float Wh = 0, Wa = 0;  // added weight of one haunch and of one end block
  float Mh = 0, Ma = 0;  // their moments about the span end
};

SpanWeights spanWeights(const CapSegment& seg, const Haunch& hn) {
  const float A = seg.A, DE = seg.DE, DH = seg.DH, LH = seg.LH;
  SpanWeights sw;
  sw.w = kConcreteWeight * seg.BC * DE;
  sw.wh = kConcreteWeight * seg.BC * DH;
  sw.Wh = LH * hn.e * sw.wh;
  sw.Wa = A * sw.wh;
  sw.Mh = sw.Wh * (LH * hn.f + A);
  sw.Ma = sw.Wa * A / 2;
  return sw;
}

// Flexibility integrals over the half span, s from mid-span, of
// (h^2 + s^2) / v^3 (T), (h^2 - s^2) / v^3 (U) and of the haunch's moment
// power g^n / v^3 (Y), h the half span. Input keeps each end block and
// haunch within its half span; the clamp of the haunch's shallow end at
// mid-span only guards the rounding of an exact fit.
struct HalfSpanIntegrals {
  float T = 0, U = 0, Y = 0;
};

HalfSpanIntegrals halfSpanIntegrals(const CapSegment& seg, const Haunch& hn) {
  const float h = seg.L / 2;
  const float x0 = h - seg.A;    // inner edge of the end block, from mid-span
  const float x1 = x0 - seg.LH;  // shallow end of the haunch, from mid-span
  HalfSpanIntegrals in;
  if (x0 > 0) {
    const float xm = std::max(x1, 0.0f);
    in.T += xm * h * h + xm * xm * xm / 3;
    in.U += xm * h * h - xm * xm * xm / 3;
    const float g0 = xm - x1;
    const float step = (seg.LH - g0) / kHaunchSteps;
    float sT = 0, sU = 0, sY = 0;
    for (int j = 0; j <= kHaunchSteps; ++j) {
      const float g = g0 + j * step;
      const float s = x1 + g;
      const float v = hn.depthRatio(g);
      const float iv3 = 1 / (v * v * v);
      const float wt = simpsonWeight(j, kHaunchSteps);
      sT += wt * (h * h + s * s) * iv3;
      sU += wt * (h * h - s * s) * iv3;
      sY += wt * hn.momentPower(g) * iv3;
    }
    in.T += sT * step / 3;
    in.U += sU * step / 3;
    in.Y = sY * step / 3;
  }
  return in;
}

// Own-weight term: the simple-beam moment of the weight (over w) against
// the flexibility of the half span; U0 is U before it is divided by L^2 / 2,
// T and U after.
float ownWeightTerm(const CapSegment& seg, const Haunch& hn, float U0, float T, float U,
                    float Y) {
  const float A = seg.A, DE = seg.DE, DH = seg.DH, LH = seg.LH;
  const float q = (DH * LH * hn.e * (hn.f * LH + A) + A * A * DH / 2) / DE;
  return U0 / 2 + q * (T + U) - Y * hn.H / hn.n;
}

// Carry-over, stiffness and own-weight fixed-end moment of the span from the
// flexibilities T, U and the weight term M (all over BC DE^3). When the end
// blocks meet there is no flexible length left: the span is rigid and has
// no finite stiffness to offer; it is given none.
void endStiffness(CapProperties& cp, float T, float U, float M, float w, float E12) {
  cp.CO = 0;
  cp.K = 0;
  cp.FMWT = 0;
  if (T > 0) {
    cp.CO = U / T;
    const float flex = T - cp.CO * U;
    if (flex > 0) cp.K = E12 / flex;
    if (T + U > 0) cp.FMWT = M * w / (T + U);
  }
}

// Own-weight shear, moment and cap depth of the simple span at distance s
// from its nearer end, as from the left end.
struct BearingWeight {
  float V = 0, Mw = 0, depth = 0;
};

BearingWeight ownWeightAt(const CapSegment& seg, const Haunch& hn, const SpanWeights& sw,
                          float s) {
  const float L = seg.L, A = seg.A, DE = seg.DE, DH = seg.DH, LH = seg.LH;
  const float w = sw.w, wh = sw.wh;
  BearingWeight bw;
  bw.V = w * L / 2 - w * s;
  bw.Mw = (w * L / 2 - 0.5f * w * s) * s;
  bw.depth = DE;
  if (s <= A) {
    bw.V += (sw.Wh + sw.Wa) - s * wh;
    bw.Mw += (sw.Wh + sw.Wa - 0.5f * s * wh) * s;
    bw.depth = DE + DH;
  } else {
    bw.Mw += sw.Mh + sw.Ma;
    const float P = A + LH - s;  // distance from the haunch's shallow end
    if (P > 0) {
      const float c = hn.parabolic ? P * P * P : P * P;
      const float Wc = c * hn.H * w * hn.e;  // haunch weight beyond the bearing
      bw.V += Wc;
      bw.Mw -= Wc * P * hn.f;
      bw.depth = DE * hn.depthRatio(P);
    }
  }
  return bw;
}

// End rotations of the simple span under the unit load at distance s from
// its nearer end (over E12): F1 at that end, F2 at the other. T and U are
// the flexibilities over BC DE^3 = B.
struct EndRotations {
  float F1 = 0, F2 = 0;
};

EndRotations unitLoadRotations(const CapSegment& seg, const Haunch& hn, float T, float U, float B,
                               float s) {
  EndRotations r{s * T, s * U};
  if (s > seg.A) {
    const LoadPath jp = loadPathIntegrals(seg, hn, s);
    const float bq = jp.J1 / (B * seg.L);
    const float aq = jp.J2 / B - bq;
    r.F1 -= bq;
    r.F2 -= aq;
  }
  return r;
}

void haunchedSpan(Problem& problem, int k) {
  const CapSegment& seg = problem.cap[k];
  CapProperties& cp = problem.capp[k];
  const float E12 = 12 * problem.dd.EC;
  const float L = seg.L, DE = seg.DE;
  const Haunch hn = haunchOf(seg);
  const SpanWeights sw = spanWeights(seg, hn);

  const HalfSpanIntegrals in = halfSpanIntegrals(seg, hn);
  float T = in.T, U = in.U;
  const float U0 = U;
  T /= L * L / 2;
  U /= L * L / 2;
  float M = ownWeightTerm(seg, hn, U0, T, U, in.Y);

  const float B = seg.BC * DE * DE * DE;
  T /= B;
  U /= B;
  M /= B;
  cp.RI = B / (12 * L);
  endStiffness(cp, T, U, M, sw.w, E12);

  const float h = L / 2;
  float a = 0;
  for (int i = 1; i <= seg.NB; ++i) {
    a += seg.XB[i];
    const float b = L - a;
    cp.XR[i] = b;
    const bool fromRight = a > h;
    const float s = fromRight ? b : a;
    const BearingWeight bw = ownWeightAt(seg, hn, sw, s);
    const EndRotations r = unitLoadRotations(seg, hn, T, U, B, s);
    const float o = fromRight ? r.F2 : r.F1;
    const float o2 = fromRight ? r.F1 : r.F2;
    cp.FMLP[i] = (o - o2 * cp.CO) * cp.K / E12;
    cp.FMRP[i] = (o2 - o * cp.CO) * cp.K / E12;
    cp.VW[i] = fromRight ? -bw.V : bw.V;
    cp.MW[i] = bw.Mw;
    cp.DEPB[i] = bw.depth;
    cp.WIDB[i] = seg.BC;
  }
  cp.RW = sw.w * L / 2 + sw.Wh + sw.Wa;
  cp.UFEM = (cp.CO + 1) * cp.K / L;
}

}  // namespace

void capSpanProperties(Problem& problem, int k) {
  const char code = problem.cap[k].C;
  if ((code == 'L' || code == 'P') && problem.cap[k].LH > 0) {
    haunchedSpan(problem, k);
  } else {
    prismaticSpan(problem, k);
  }
}

}  // namespace bentpier
