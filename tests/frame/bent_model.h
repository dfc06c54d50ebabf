// Prismatic test bents: a builder that fills the problem store with the
// closed-form properties of prismatic members, and an independent
// direct-stiffness solution of the same bent (joint rotations plus one sway
// degree of freedom, axially rigid members, columns fixed or hinged at the
// base) to check the frame analysis against.
#pragma once

#include <cmath>
#include <vector>

#include "input/problem.h"

namespace bentpier::testing {

struct BentLoad {
  float position;  // from the left column of a span / from the column on a cantilever
  float load;      // kips, downward
};

struct PrismaticBent {
  std::vector<float> spans;          // lengths of spans 2..NCOL
  std::vector<float> heights;        // column heights, 1..NCOL
  std::vector<float> columnEI;       // column EI, kip-ft^2
  std::vector<float> spanEI;         // span EI, kip-ft^2
  std::vector<float> flex;           // base release 0 or 1 per column
  float leftCantilever = 0.0f;       // length, 0 for none
  float rightCantilever = 0.0f;      // length, 0 for none (needs a left one)
  std::vector<std::vector<BentLoad>> spanLoads;  // per span 2..NCOL
  std::vector<BentLoad> leftLoads, rightLoads;   // cantilever loads
  std::vector<float> columnLoads;    // loads directly over the columns (0 = none)

  int ncol() const { return static_cast<int>(heights.size()); }
  int ncan() const { return rightCantilever > 0 ? 2 : (leftCantilever > 0 ? 1 : 0); }
};

inline size_t ix(int i) { return static_cast<size_t>(i); }

// Fills the store: geometry, prismatic member properties and the joint
// factors of the frame (modified stiffnesses and carry-overs, distribution
// and transfer factors), and returns the bearing-load vector of the loads.
inline Table<float, kMaxLoadPoints + 1> buildBent(const PrismaticBent& b, Problem& p) {
  const int n = b.ncol();
  p.dd.NCOL = n;
  p.dd.NCAN = b.ncan();
  p.dd.NSPAN = p.dd.NCAN == 0 ? n : n + p.dd.NCAN - 1;
  Table<float, kMaxLoadPoints + 1> q{};
  int i = 0;

  auto cantilever = [&](int k, float length, const std::vector<BentLoad>& loads, bool left) {
    CapSegment& s = p.cap[ix(k)];
    s.C = 'C';
    s.L = length;
    s.NB = static_cast<int>(loads.size());
    for (int j = 1; j <= s.NB; ++j) {
      // Left cantilever: outermost bearing first; right: nearest first.
      p.capp[ix(k)].XR[ix(j)] = loads[ix(j - 1)].position;
      q[ix(++i)] = loads[ix(j - 1)].load;
    }
    (void)left;
  };

  auto columnLoad = [&](int c) {
    const float load = c - 1 < static_cast<int>(b.columnLoads.size()) ? b.columnLoads[ix(c - 1)] : 0.0f;
    p.col[ix(c)].P = load != 0.0f ? 1 : 0;
    if (load != 0.0f) q[ix(++i)] = load;
  };

  if (p.dd.NCAN >= 1) cantilever(1, b.leftCantilever, b.leftLoads, true);
  columnLoad(1);
  for (int k = 2; k <= n; ++k) {
    const float length = b.spans[ix(k - 2)];
    const float ei = b.spanEI[ix(k - 2)];
    CapSegment& s = p.cap[ix(k)];
    CapProperties& cp = p.capp[ix(k)];
    s.C = 'C';
    s.L = length;
    cp.K = 4.0f * ei / length;
    cp.CO = 0.5f;
    cp.UFEM = 6.0f * ei / (length * length);
    const std::vector<BentLoad> none;
    const auto& loads = k - 2 < static_cast<int>(b.spanLoads.size()) ? b.spanLoads[ix(k - 2)] : none;
    s.NB = static_cast<int>(loads.size());
    float previous = 0.0f;
    for (int j = 1; j <= s.NB; ++j) {
      const float a = loads[ix(j - 1)].position, bb = length - a;
      s.XB[ix(j)] = a - previous;
      previous = a;
      cp.XR[ix(j)] = bb;
      cp.FMLP[ix(j)] = a * bb * bb / (length * length);
      cp.FMRP[ix(j)] = a * a * bb / (length * length);
      q[ix(++i)] = loads[ix(j - 1)].load;
    }
    columnLoad(k);
  }
  if (p.dd.NCAN == 2) cantilever(n + 1, b.rightCantilever, b.rightLoads, false);
  p.loads.NLP = i;

  // Columns.
  float sumKL = 0.0f;
  for (int c = 1; c <= n; ++c) {
    Column& col = p.col[ix(c)];
    ColumnProperties& cp = p.colp[ix(c)];
    const float h = b.heights[ix(c - 1)], ei = b.columnEI[ix(c - 1)];
    col.HT = h;
    col.FLEX = c - 1 < static_cast<int>(b.flex.size()) ? b.flex[ix(c - 1)] : 0.0f;
    cp.HV = h;
    cp.HH = 0.0f;
    cp.SECS = cp.COSS = 1.0f;
    cp.KT = cp.KB = 4.0f * ei / h;
    cp.COTB = cp.COBT = 0.5f;
    cp.UFMT = cp.UFMB = 6.0f * ei / (h * h);
    cp.KL = ei / (h * h * h);
    sumKL += cp.KL;
    cp.KTM = cp.KT * (1.0f - col.FLEX * cp.COTB * cp.COBT);
    cp.COTBM = (1.0f - col.FLEX) * cp.COTB / (1.0f - col.FLEX * cp.COTB * cp.COBT);
  }
  // Joint factors of the frame.
  for (int k = 2; k <= n; ++k) {
    CapProperties& s = p.capp[ix(k)];
    const float kmrLeft = k > 2 ? p.capp[ix(k - 1)].KMR : 0.0f;
    const float e = s.K / (s.K + p.colp[ix(k - 1)].KTM + kmrLeft);
    const float qd = 1.0f - e * s.CO * s.CO;
    s.KMR = qd * s.K;
    s.COMRL = (1.0f - e) * s.CO / qd;
  }
  for (int k = n; k >= 2; --k) {
    CapProperties& s = p.capp[ix(k)];
    const float kmlRight = k < n ? p.capp[ix(k + 1)].KML : 0.0f;
    const float e = s.K / (s.K + p.colp[ix(k)].KTM + kmlRight);
    const float qd = 1.0f - e * s.CO * s.CO;
    s.KML = qd * s.K;
    s.COMLR = (1.0f - e) * s.CO / qd;
  }
  float mean = 0.0f;
  std::vector<float> x(ix(n + 1), 0.0f);
  for (int c = 2; c <= n; ++c) x[ix(c)] = x[ix(c - 1)] + b.spans[ix(c - 2)];
  for (int c = 1; c <= n; ++c) mean += x[ix(c)] / static_cast<float>(n);
  float sumSq = 0.0f;
  for (int c = 1; c <= n; ++c) sumSq += (x[ix(c)] - mean) * (x[ix(c)] - mean);
  for (int c = 1; c <= n; ++c) {
    ColumnProperties& cp = p.colp[ix(c)];
    cp.PDF = cp.KL / sumKL;
    cp.XC = sumSq > 0.0f ? (x[ix(c)] - mean) / sumSq : 0.0f;
    if (n < 2) continue;
    const float al = c > 1 ? p.capp[ix(c)].KMR : 0.0f;
    const float ar = c < n ? p.capp[ix(c + 1)].KML : 0.0f;
    const float e = cp.KT / (cp.KT + al + ar);
    cp.COBTM = (1.0f - e) * cp.COBT / (1.0f - e * cp.COTB * cp.COBT);
    const float sum = al + ar + cp.KTM;
    cp.DFL = al / sum;
    cp.DFC = 1.0f - ar / sum - cp.DFL;
    cp.TLR = ar / (cp.KTM + ar);
    cp.TLC = 1.0f - cp.TLR;
    cp.TRL = al / (al + cp.KTM);
    cp.TRC = 1.0f - cp.TRL;
    cp.TCR = ar / (al + ar);
    cp.TCL = 1.0f - cp.TCR;
  }
  return q;
}

// Results of the direct-stiffness solution, per column 1..NCOL (beam signs
// for the cap, clockwise end moments for the columns, shears positive in the
// direction of a positive transverse force).
struct BentSolution {
  std::vector<double> MT, MB, V, RF, ML, MR, VCL, VCR;
  std::vector<std::vector<double>> MP;  // per span 2..NCOL, per bearing
};

// Gaussian elimination with partial pivoting on a small dense system.
inline std::vector<double> solveDense(std::vector<std::vector<double>> a, std::vector<double> r) {
  const size_t n = r.size();
  for (size_t k = 0; k < n; ++k) {
    size_t piv = k;
    for (size_t i = k + 1; i < n; ++i)
      if (std::fabs(a[i][k]) > std::fabs(a[piv][k])) piv = i;
    std::swap(a[k], a[piv]);
    std::swap(r[k], r[piv]);
    for (size_t i = k + 1; i < n; ++i) {
      const double m = a[i][k] / a[k][k];
      for (size_t j = k; j < n; ++j) a[i][j] -= m * a[k][j];
      r[i] -= m * r[k];
    }
  }
  std::vector<double> x(n);
  for (size_t k = n; k-- > 0;) {
    double s = r[k];
    for (size_t j = k + 1; j < n; ++j) s -= a[k][j] * x[j];
    x[k] = s / a[k][k];
  }
  return x;
}

// Direct stiffness: unknowns the joint rotations 1..n (clockwise) and the
// sway of the cap (in the direction of the transverse force `lateral`).
inline BentSolution solveByStiffness(const PrismaticBent& b, double lateral = 0.0) {
  const int n = b.ncol();
  const size_t dof = ix(n + 1), sway = ix(n);
  std::vector<std::vector<double>> k(dof, std::vector<double>(dof, 0.0));
  std::vector<double> r(dof, 0.0);
  std::vector<double> femL(ix(n + 1), 0.0), femR(ix(n + 1), 0.0);  // per span index k

  // Columns: end moments M = kt*theta + ks*sway at the top, kb*theta + kbs*sway at the base.
  struct ColumnTerms { double kt, ks, kb, kbs; };
  std::vector<ColumnTerms> ct(ix(n + 1));
  for (int c = 1; c <= n; ++c) {
    const double h = b.heights[ix(c - 1)], ei = b.columnEI[ix(c - 1)];
    const bool hinged = c - 1 < static_cast<int>(b.flex.size()) && b.flex[ix(c - 1)] >= 1.0f;
    ct[ix(c)] = hinged ? ColumnTerms{3 * ei / h, 3 * ei / (h * h), 0, 0}
                       : ColumnTerms{4 * ei / h, 6 * ei / (h * h), 2 * ei / h, 6 * ei / (h * h)};
    const ColumnTerms& t = ct[ix(c)];
    const size_t j = ix(c - 1);
    k[j][j] += t.kt;
    k[j][sway] += t.ks;
    // Shear (Mt + Mb) / h in the sway equation.
    k[sway][j] += (t.kt + t.kb) / h;
    k[sway][sway] += (t.ks + t.kbs) / h;
  }
  r[sway] = lateral;
  for (int s = 2; s <= n; ++s) {
    const double length = b.spans[ix(s - 2)], ei = b.spanEI[ix(s - 2)];
    const size_t i = ix(s - 2), j = ix(s - 1);
    k[i][i] += 4 * ei / length;
    k[i][j] += 2 * ei / length;
    k[j][i] += 2 * ei / length;
    k[j][j] += 4 * ei / length;
    if (s - 2 < static_cast<int>(b.spanLoads.size()))
      for (const BentLoad& l : b.spanLoads[ix(s - 2)]) {
        const double a = l.position, bb = length - a;
        femL[ix(s)] -= l.load * a * bb * bb / (length * length);
        femR[ix(s)] += l.load * a * a * bb / (length * length);
      }
    r[i] -= femL[ix(s)];
    r[j] -= femR[ix(s)];
  }
  double leftMoment = 0, leftTotal = 0, rightMoment = 0, rightTotal = 0;
  for (const BentLoad& l : b.leftLoads) leftMoment += l.load * l.position, leftTotal += l.load;
  for (const BentLoad& l : b.rightLoads) rightMoment += l.load * l.position, rightTotal += l.load;
  r[0] -= leftMoment;        // clockwise end moment of the left cantilever
  r[ix(n - 1)] += rightMoment;  // anticlockwise end moment of the right cantilever

  const std::vector<double> x = solveDense(k, r);
  BentSolution out;
  for (auto* v : {&out.MT, &out.MB, &out.V, &out.RF, &out.ML, &out.MR, &out.VCL, &out.VCR})
    v->assign(ix(n + 1), 0.0);
  out.MP.assign(ix(n + 1), {});
  for (int c = 1; c <= n; ++c) {
    const ColumnTerms& t = ct[ix(c)];
    const double th = x[ix(c - 1)], d = x[sway];
    out.MT[ix(c)] = t.kt * th + t.ks * d;
    out.MB[ix(c)] = t.kb * th + t.kbs * d;
    out.V[ix(c)] = (out.MT[ix(c)] + out.MB[ix(c)]) / b.heights[ix(c - 1)];
    out.RF[ix(c)] = c - 1 < static_cast<int>(b.columnLoads.size()) ? b.columnLoads[ix(c - 1)] : 0.0;
  }
  out.ML[1] = -leftMoment;
  out.VCL[1] = -leftTotal;
  out.RF[1] += leftTotal;
  out.MR[ix(n)] = -rightMoment;
  out.VCR[ix(n)] = rightTotal;
  out.RF[ix(n)] += rightTotal;
  for (int s = 2; s <= n; ++s) {
    const double length = b.spans[ix(s - 2)], ei = b.spanEI[ix(s - 2)];
    const double ti = x[ix(s - 2)], tj = x[ix(s - 1)];
    const double mLeft = 4 * ei / length * ti + 2 * ei / length * tj + femL[ix(s)];
    const double mRight = 2 * ei / length * ti + 4 * ei / length * tj + femR[ix(s)];
    double left = -(mLeft + mRight) / length, right = (mLeft + mRight) / length;
    std::vector<BentLoad> loads;
    if (s - 2 < static_cast<int>(b.spanLoads.size())) loads = b.spanLoads[ix(s - 2)];
    for (const BentLoad& l : loads) {
      left += l.load * (length - l.position) / length;
      right += l.load * l.position / length;
    }
    out.MR[ix(s - 1)] = mLeft;   // beam moment at the left end
    out.ML[ix(s)] = -mRight;     // beam moment at the right end
    out.VCR[ix(s - 1)] = left;
    out.VCL[ix(s)] = -right;
    out.RF[ix(s - 1)] += left;
    out.RF[ix(s)] += right;
    for (const BentLoad& l : loads) {
      double m = mLeft + left * l.position;
      for (const BentLoad& o : loads)
        if (o.position < l.position) m -= o.load * (l.position - o.position);
      out.MP[ix(s)].push_back(m);
    }
  }
  return out;
}

}  // namespace bentpier::testing
