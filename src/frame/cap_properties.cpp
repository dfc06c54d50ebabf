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

void haunchedSpan(Problem& problem, int k) {
  const CapSegment& seg = problem.cap[k];
  CapProperties& cp = problem.capp[k];
  const float E12 = 12 * problem.dd.EC;
  const float L = seg.L, A = seg.A, DE = seg.DE, DH = seg.DH, LH = seg.LH;
  const Haunch hn = haunchOf(seg);

  const float h = L / 2;
  const float x0 = h - A;   // inner edge of the end block, from mid-span
  const float x1 = x0 - LH; // shallow end of the haunch, from mid-span

  // Weights: the uniform part w, and the added weight of each haunch (Wh)
  // and of each end block (Wa) with their moments about the span end.
  const float w = kConcreteWeight * seg.BC * DE;
  const float wh = kConcreteWeight * seg.BC * DH;
  const float Wh = LH * hn.e * wh;
  const float Wa = A * wh;
  const float Mh = Wh * (LH * hn.f + A);
  const float Ma = Wa * A / 2;

  // Flexibility integrals over the half span, s from mid-span. Input keeps
  // each end block and haunch within its half span; the clamp of the
  // haunch's shallow end at mid-span only guards the rounding of an exact
  // fit.
  float T = 0, U = 0, Y = 0;
  if (x0 > 0) {
    const float xm = std::max(x1, 0.0f);
    T += xm * h * h + xm * xm * xm / 3;
    U += xm * h * h - xm * xm * xm / 3;
    const float g0 = xm - x1;
    const float step = (LH - g0) / kHaunchSteps;
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
    T += sT * step / 3;
    U += sU * step / 3;
    Y = sY * step / 3;
  }
  const float U0 = U;
  T /= L * L / 2;
  U /= L * L / 2;

  // Own-weight term: the simple-beam moment of the weight (over w) against
  // the flexibility of the half span.
  const float q = (DH * LH * hn.e * (hn.f * LH + A) + A * A * DH / 2) / DE;
  float M = U0 / 2 + q * (T + U) - Y * hn.H / hn.n;

  const float B = seg.BC * DE * DE * DE;
  T /= B;
  U /= B;
  M /= B;
  cp.RI = B / (12 * L);
  // When the end blocks meet there is no flexible length left: the span is
  // rigid and has no finite stiffness to offer; it is given none.
  cp.CO = 0;
  cp.K = 0;
  cp.FMWT = 0;
  if (T > 0) {
    cp.CO = U / T;
    const float flex = T - cp.CO * U;
    if (flex > 0) cp.K = E12 / flex;
    if (T + U > 0) cp.FMWT = M * w / (T + U);
  }

  float a = 0;
  for (int i = 1; i <= seg.NB; ++i) {
    a += seg.XB[i];
    const float b = L - a;
    cp.XR[i] = b;
    const bool fromRight = a > h;
    const float s = fromRight ? b : a;

    float V = w * L / 2 - w * s;
    float Mw = (w * L / 2 - 0.5f * w * s) * s;
    float depth = DE;
    if (s <= A) {
      V += (Wh + Wa) - s * wh;
      Mw += (Wh + Wa - 0.5f * s * wh) * s;
      depth = DE + DH;
    } else {
      Mw += Mh + Ma;
      const float P = A + LH - s;  // distance from the haunch's shallow end
      if (P > 0) {
        const float c = hn.parabolic ? P * P * P : P * P;
        const float Wc = c * hn.H * w * hn.e;  // haunch weight beyond the bearing
        V += Wc;
        Mw -= Wc * P * hn.f;
        depth = DE * hn.depthRatio(P);
      }
    }
    if (fromRight) V = -V;

    // End rotations of the simple span under the unit load (over E12).
    float F1 = s * T;
    float F2 = s * U;
    if (s > A) {
      const LoadPath jp = loadPathIntegrals(seg, hn, s);
      const float bq = jp.J1 / (B * L);
      const float aq = jp.J2 / B - bq;
      F1 -= bq;
      F2 -= aq;
    }
    const float o = fromRight ? F2 : F1;
    const float o2 = fromRight ? F1 : F2;
    cp.FMLP[i] = (o - o2 * cp.CO) * cp.K / E12;
    cp.FMRP[i] = (o2 - o * cp.CO) * cp.K / E12;
    cp.VW[i] = V;
    cp.MW[i] = Mw;
    cp.DEPB[i] = depth;
    cp.WIDB[i] = seg.BC;
  }
  cp.RW = w * L / 2 + Wh + Wa;
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
