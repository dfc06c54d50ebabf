// Column stiffness, carry-over factors, sway moments, weight and the
// fixed-end moments of the weight of a battered column.
//
// Depth (DT, DB) lies in the plane of the bent, width (BT, BB) along the
// bridge. A circular column (T = R) has outer diameter DT and inner
// diameter BT. A tapered column (I = V) is rectangular with width and depth
// varying linearly from BT x DT at the top of the clear height (DL below
// the top) to BB x DB at the base, and has a rigid zone of length A at its
// top; it is integrated by Simpson's rule.
#include <algorithm>
#include <cmath>

#include "frame/member_properties.h"

namespace bentpier {
namespace {

constexpr int kColumnSteps = 50;            // Simpson intervals along a tapered column
constexpr float kQuarterPi = 0.7853982f;    // pi / 4
constexpr float kThirtySixI = 0.5658842f;   // (D^4 - d^4) / this = 36 I of a ring
constexpr float kWeightMomentFactor = 0.0125f;  // 0.15 / 12: w L^2 / 12 per unit area

struct Stiffness {
  float KT = 0, KB = 0, COTB = 0.5f, COBT = 0.5f, KL = 0;
  float volume = 0, arm = 0;      // arm: centroid of the clear height above the base
  float FMWTT = 0, FMWTB = 0;     // weight moments of the column per unit sin(batter)
};

Stiffness circularColumn(const Column& col, float EC, float FLU) {
  Stiffness st;
  const float D2 = col.DT * col.DT, d2 = col.BT * col.BT;
  const float area = kQuarterPi * (D2 - d2);
  const float Q36 = (D2 - d2) * (D2 + d2) / kThirtySixI;
  st.KT = 16 * EC * Q36 / col.HT;
  st.KB = st.KT;
  st.KL = Q36 / (col.HT * col.HT * col.HT);
  st.volume = FLU * area;
  st.arm = FLU / 2;
  st.FMWTT = area * col.HT * col.HT * kWeightMomentFactor;
  st.FMWTB = -st.FMWTT;
  return st;
}

Stiffness rectangularColumn(const Column& col, float EC, float FLU) {
  Stiffness st;
  const float area = col.BT * col.DT;
  const float Q36 = 3 * col.BT * col.BT * area;
  st.KT = 48 * EC * col.DT * col.DT * area / col.HT;
  st.KB = st.KT;
  st.KL = Q36 / (col.HT * col.HT * col.HT);
  st.volume = FLU * area;
  st.arm = FLU / 2;
  st.FMWTT = area * col.HT * col.HT * kWeightMomentFactor;
  st.FMWTB = -st.FMWTT;
  return st;
}

// Simpson weights over an even number of intervals, halved: 1/2, 2, 1, 2,
// ..., 2, 1/2 (times 2l/3).
float halfSimpsonWeight(int j) {
  if (j == 0 || j == kColumnSteps) return 0.5f;
  return (j % 2 == 1) ? 2.0f : 1.0f;
}

Stiffness taperedColumn(const Column& col, float EC, float FLU) {
  Stiffness st;
  const float HT = col.HT;
  const float At = col.BT * col.DT, Ab = col.DB * col.BB;
  const float G = 2 * At + Ab + col.BB * col.DT + col.BT * col.DB;
  const float G2 = G + Ab;
  st.arm = (G + At) * FLU / (2 * G2);
  st.volume = FLU * G2 / 6;

  // Width and depth along the member, s from the top, extrapolated upward
  // from the top of the clear height.
  const float ew = FLU > 0 ? (col.BB - col.BT) / FLU : 0;
  const float ed = FLU > 0 ? (col.DB - col.DT) / FLU : 0;
  const float w0 = col.BT - ew * col.DL;
  const float d0 = col.DT - ed * col.DL;

  // The flexible member runs from the end of the rigid zone to the base. A
  // rigid zone that does not end inside the column is not counted, and one
  // that would end where the extrapolated section vanishes is taken to the
  // top of the clear height instead.
  float sA = (col.A > 0 && col.A < HT) ? col.A : 0;
  if (w0 + ew * sA <= 0 || d0 + ed * sA <= 0) sA = std::clamp(col.DL, 0.0f, HT);
  const float wA = w0 + ew * sA, dA = d0 + ed * sA;
  const float rw = (col.BB - wA) / (kColumnSteps * wA);
  const float rd = (col.DB - dA) / (kColumnSteps * dA);
  const float l = (HT - sA) / kColumnSteps;

  // Simple-beam moment of the weight along the member: the load per unit
  // length is 0.15 (a1 + a2 s + a3 s^2), and Q(s) is its double integral.
  const float a1 = w0 * d0, a2 = w0 * ed + ew * d0, a3 = ew * ed;
  auto Q = [&](float s) { return s * s * (a1 / 2 + s * (a2 / 6 + s * a3 / 12)); };
  const float QH = Q(HT);
  auto M0 = [&](float s) { return kConcreteWeight * (s * QH / HT - Q(s)); };

  float Kt = 0, Tl = 0, Lb = 0, Mtb = 0, rotTop = 0, rotBottom = 0;
  for (int j = 0; j <= kColumnSteps; ++j) {
    const float s = sA + j * l;
    const float g = HT - s;  // distance from the base
    const float wr = 1 + j * rw, v = 1 + j * rd;
    const float Iv = v * v * v * wr, Iw = wr * wr * wr * v;
    const float wt = halfSimpsonWeight(j);
    Kt += wt * s * s / Iv;
    Tl += wt * s * s / Iw;
    Lb += wt * g * g / Iv;
    Mtb += wt * s * g / Iv;
    const float m = M0(s);
    rotTop += wt * m * g / Iv;
    rotBottom += wt * m * s / Iv;
  }
  const float Bw = wA * dA * dA * dA, Bl = wA * wA * wA * dA;
  st.KL = 1.5f * Bl / (Tl * l);
  const float p = l / (1.5f * Bw * HT * HT);
  Kt *= p;
  Lb *= p;
  Mtb *= p;
  st.COTB = Mtb / Kt;
  st.COBT = Mtb / Lb;
  const float E12 = 12 * EC;
  st.KT = E12 / (Lb - st.COTB * Mtb);
  st.KB = E12 / (Kt - st.COBT * Mtb);

  // End rotations of the simply supported member under its weight, E in
  // ksf (144 EC) and I = Bw Iv / 12; then the fixed-end moments.
  const float rotScale = l / (18 * EC * Bw * HT);
  rotTop *= rotScale;
  rotBottom *= rotScale;
  st.FMWTT = st.KT * rotTop - st.COBT * st.KB * rotBottom;
  st.FMWTB = st.COTB * st.KT * rotTop - st.KB * rotBottom;
  return st;
}

}  // namespace

void columnStiffness(Problem& problem, int c) {
  const Column& col = problem.col[c];
  ColumnProperties& cp = problem.colp[c];
  const float EC = problem.dd.EC;

  cp.SECS = std::sqrt(col.SLOPE * col.SLOPE + 1);
  cp.HV = col.HT / cp.SECS;
  cp.COSS = 1 / cp.SECS;
  cp.HH = col.SLOPE * cp.HV;
  cp.FLU = col.HT - col.DL;

  Stiffness st;
  if (col.T == 'R') {
    st = circularColumn(col, EC, cp.FLU);
  } else if (col.I != 'V') {
    st = rectangularColumn(col, EC, cp.FLU);
  } else {
    st = taperedColumn(col, EC, cp.FLU);
  }
  cp.KT = st.KT;
  cp.KB = st.KB;
  cp.COTB = st.COTB;
  cp.COBT = st.COBT;
  cp.KL = st.KL;

  cp.UFMT = (st.KB * st.COBT + st.KT) / cp.HV;
  cp.UFMB = (st.KT * st.COTB + st.KB) / cp.HV;
  // Only the part of the weight across a battered column bends it.
  const float sn = col.SLOPE / cp.SECS;
  cp.ARMW = st.arm * sn;
  cp.FMWTT = st.FMWTT * sn;
  cp.FMWTB = st.FMWTB * sn;
  cp.WCOL = kConcreteWeight * st.volume;
}

}  // namespace bentpier
