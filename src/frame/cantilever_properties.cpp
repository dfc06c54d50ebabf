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

void cantileverProperties(Problem& problem, int side) {
  const int k = side < 0 ? 1 : problem.dd.NCOL + 1;
  const CapSegment& seg = problem.cap[k];
  CapProperties& cp = problem.capp[k];
  const float L = seg.L, A = seg.A, DE = seg.DE, DH = seg.DH;
  const float BC = seg.BC, BE = seg.BE, LH = seg.haunchLength();
  const float kw = kConcreteWeight;

  const float dw = LH > 0 ? (BC - BE) / LH : 0;
  const float dd = LH > 0 ? DH / LH : 0;

  // Outer part. A block and haunch that reach the tip leave no outer part
  // (the clamp only guards the rounding of an exact fit).
  const float outerEnd = A + LH;
  const float Wo = kw * BE * DE * std::max(L - outerEnd, 0.0f);
  const float outerArm = (outerEnd + L) / 2;  // centroid of the outer part

  // Haunch weight and its moment about the haunch's column-side end.
  const float g0 = BE * DE;
  const float w1 = BC * (DE + DH);
  const float r = (DE + DH) * BE + BC * DE;
  float Wh = 0, Mh = 0;
  if (LH > 0 && seg.C == 'L') {
    Wh = kw * LH * (2 * (g0 + w1) + r) / 6;
    Mh = kw * LH * LH * (w1 + r + 3 * g0) / 12;
  } else if (LH > 0 && seg.C == 'P') {
    const float m3 = 3 * BC * DH;
    const float e2 = BE * DH;
    const float o = BC * DE;
    Wh = kw * LH * (6 * (g0 + o) + m3 + e2) / 12;
    Mh = kw * LH * LH * (m3 + 20 * g0 + 10 * o + 2 * e2) / 60;
  }
  const float Bh = Wh != 0 ? Mh / Wh : 0;
  const float Wb = kw * BC * (DE + DH) * A;

  float x = 0;
  for (int i = 1; i <= seg.NB; ++i) {
    x = (i == 1) ? seg.XB[1] : x + side * seg.XB[i];
    cp.XR[i] = x;
    float V = 0, M = 0;
    if (x >= outerEnd) {
      cp.WIDB[i] = BE;
      cp.DEPB[i] = DE;
      V = kw * BE * DE * (L - x);
      M = (L - x) * V / 2;
    } else if (x >= A && seg.C == 'P') {
      const float t = outerEnd - x;
      const float kk = t / LH;
      cp.DEPB[i] = DH * kk * kk + DE;
      cp.WIDB[i] = t * dw + BE;
      const float N = cp.WIDB[i] * DE;
      const float Mq = 3 * cp.WIDB[i] * (cp.DEPB[i] - DE);
      const float O = (cp.DEPB[i] - DE) * BE;
      V = kw * t * (6 * g0 + 6 * N + Mq + O) / 12 + Wo;
      M = kw * t * t * (Mq + 20 * g0 + 10 * N + 2 * O) / 60 + Wo * (outerArm - x);
    } else if (x > A && seg.C == 'L') {
      const float kx = x - A;
      cp.WIDB[i] = BC - dw * kx;
      cp.DEPB[i] = (DE + DH) - kx * dd;
      const float O = cp.WIDB[i] * cp.DEPB[i];
      const float Mq = cp.WIDB[i] * DE;
      const float N = cp.DEPB[i] * BE;
      const float t = outerEnd - x;
      V = Wo + kw * t * (2 * O + 2 * g0 + Mq + N) / 6;
      M = kw * t * t * (3 * g0 + Mq + O + N) / 12 + Wo * (outerArm - x);
    } else {
      // In the block.
      cp.WIDB[i] = BC;
      cp.DEPB[i] = DE + DH;
      const float t = std::max(A - x, 0.0f);
      const float Jb = kw * w1 * t;
      V = Wo + Wh + Jb;
      M = Wo * (outerArm - x) + Wh * (t + Bh) + t * Jb / 2;
    }
    cp.VW[i] = side * V;
    cp.MW[i] = -M;
  }
  cp.RW = Wo + Wh + Wb;
  cp.FMWT = Wo * outerArm + Wh * (Bh + A) + Wb * A / 2;
}

}  // namespace bentpier
