// Frame analysis of the bent for one load.
//
// Signs: cap and column end moments are clockwise-positive member end
// moments while the joints are balanced. MR (left end of the span to the
// right of a column) and MP are then also beam moments, sagging positive; ML
// (right end of the span to the left) is the negative of the beam moment
// until the bearing-point correction turns it round.
#include "frame/bent_analysis.h"

#include <cmath>

namespace bentpier {
namespace {


// Reads load point i of q, 0 beyond the store's bound.
float loadAt(const LoadVector& q, int i) {
  return (i >= 1 && i <= kMaxLoadPoints) ? q[i] : 0.0f;
}

// Left cantilever, loads q(i+1..i+n): cap shear and moment at the column
// face and the statical values at its bearings, outermost bearing first.
void loadLeftCantilever(const Problem& p, ColumnForces& f, const LoadVector& q, int i, int n) {
  const CapProperties& cp = p.capp[1];
  if (n < 1) return;
  const float p1 = loadAt(q, i + 1);
  f.VPL[1][1] = 0.0f;
  f.VPR[1][1] = -p1;
  f.VCL[1] = -p1;
  f.row[kRowML][1] += cp.XR[1] * p1;
  f.MP[1][1] = 0.0f;
  for (int b = 2; b <= n; ++b) {
    const float pb = loadAt(q, i + b);
    f.VPL[1][b] = f.VPR[1][b - 1];
    f.VPR[1][b] = f.VPL[1][b] - pb;
    f.MP[1][b] = f.MP[1][b - 1] + (cp.XR[b - 1] - cp.XR[b]) * f.VPR[1][b - 1];
    f.row[kRowML][1] += cp.XR[b] * pb;
    f.VCL[1] -= pb;
  }
}

// Span k between columns k-1 and k, loads q(i+1..i+n): simple-beam
// reactions, statical bearing values and the fixed-end moments.
void loadSpan(const Problem& p, ColumnForces& f, const LoadVector& q, int i, int n, int k) {
  const CapProperties& cp = p.capp[k];
  const float length = p.cap[k].L;
  float r = 0.0f, s = 0.0f;
  for (int b = 1; b <= n; ++b) {
    const float pb = loadAt(q, i + b);
    r += pb * cp.XR[b];
    s += pb;
  }
  r = quotient(r, length);
  f.VCR[k - 1] = r;
  f.VCL[k] = r - s;
  for (int b = 1; b <= n; ++b) {
    const float pb = loadAt(q, i + b);
    if (b == 1) {
      f.VPL[k][1] = r;
      f.VPR[k][1] = r - pb;
      f.MP[k][1] = (length - cp.XR[1]) * r;
    } else {
      f.VPL[k][b] = f.VPR[k][b - 1];
      f.VPR[k][b] = f.VPL[k][b] - pb;
      f.MP[k][b] =
          f.MP[k][b - 1] + (cp.XR[b - 1] - cp.XR[b]) * f.VPL[k][b];
    }
    f.row[kRowMR][k - 1] -= cp.FMLP[b] * pb;
    f.row[kRowML][k] += cp.FMRP[b] * pb;
  }
}

// Right cantilever (segment s), loads q(i+1..i+n), bearings numbered from
// the column outwards.
void loadRightCantilever(const Problem& p, ColumnForces& f, const LoadVector& q, int i, int n,
                         int s) {
  const CapProperties& cp = p.capp[s];
  const int ncol = columnCount(p);
  if (n < 1) return;
  float moment = 0.0f, total = 0.0f;
  for (int b = 1; b <= n; ++b) {
    const float pb = loadAt(q, i + b);
    moment -= cp.XR[b] * pb;
    total += pb;
  }
  f.row[kRowMR][ncol] += moment;
  f.VCR[ncol] = total;
  f.VPL[s][1] = total;
  f.VPR[s][1] = total - loadAt(q, i + 1);
  f.MP[s][1] = moment + cp.XR[1] * total;
  for (int b = 2; b <= n; ++b) {
    f.VPL[s][b] = f.VPR[s][b - 1];
    f.VPR[s][b] = f.VPL[s][b] - loadAt(q, i + b);
    f.MP[s][b] =
        f.MP[s][b - 1] + (cp.XR[b] - cp.XR[b - 1]) * f.VPR[s][b - 1];
  }
}

// Load points carried directly by column c.
int loadsOnColumn(const Problem& p, int c) { return std::max(0, p.col[c].P); }

// Sum of the loads carried directly by column c, q(i+1..i+P(c)).
float columnLoad(const Problem& p, const LoadVector& q, int i, int c) {
  float sum = 0.0f;
  for (int j = 1; j <= loadsOnColumn(p, c); ++j) sum += loadAt(q, i + j);
  return sum;
}

// The one-column bent: the unbalanced cap moment goes into the column.
void solveSingleColumn(ColumnForces& f) {
  ForceRows& r = f.row;
  r[kRowMT][1] = -r[kRowML][1] - r[kRowMR][1];
  r[kRowMB][1] = -r[kRowMT][1];
  r[kRowRF][1] = r[kRowPSTAT][1];
  r[kRowPC][1] = r[kRowPSTAT][1];
  r[kRowPB][1] = r[kRowPSTAT][1];
  r[kRowV][1] = 0.0f;
  f.FTRAN = 0.0f;
}

// Column shears and axial loads from the end moments and reactions; the
// total column shear goes to FTRAN.
void columnShearsAndAxialLoads(const Problem& p, ColumnForces& f) {
  ForceRows& r = f.row;
  f.FTRAN = 0.0f;
  for (int c = 1; c <= columnCount(p); ++c) {
    const ColumnProperties& cp = p.colp[c];
    const size_t ci = c;
    r[kRowV][ci] = quotient(cp.HH * r[kRowRF][ci] + r[kRowMB][ci] + r[kRowMT][ci], cp.HV);
    r[kRowPC][ci] = quotient(cp.HH * r[kRowV][ci] + cp.HV * r[kRowRF][ci], p.col[ci].HT);
    r[kRowPB][ci] = r[kRowPC][ci];
    f.FTRAN += r[kRowV][ci];
  }
}

}  // namespace

void clearForces(ColumnForces& f) {
  for (ColumnRow& row : f.row) row.fill(0.0f);
  f.VCL.fill(0.0f);
  f.VCR.fill(0.0f);
}

void clearBearingPoints(ColumnForces& f) {
  for (auto* table : {&f.MP, &f.VPL, &f.VPR})
    for (auto& segment : *table) segment.fill(0.0f);
}

void applyBearingLoads(const Problem& p, ColumnForces& f, const LoadVector& q) {
  const int ncol = columnCount(p);
  f.VCL.fill(0.0f);
  f.VCR.fill(0.0f);
  ColumnRow onColumn{};
  int i = 0;
  if (hasSegment(p, 1)) {
    loadLeftCantilever(p, f, q, i, bearingCount(p, 1));
    i += bearingCount(p, 1);
  }
  if (ncol >= 1) {
    onColumn[1] = columnLoad(p, q, i, 1);
    i += loadsOnColumn(p, 1);
  }
  for (int k = 2; k <= ncol; ++k) {
    const int n = bearingCount(p, k);
    loadSpan(p, f, q, i, n, k);
    i += n;
    onColumn[k] = columnLoad(p, q, i, k);
    i += loadsOnColumn(p, k);
  }
  if (hasSegment(p, ncol + 1) && ncol >= 1)
    loadRightCantilever(p, f, q, i, bearingCount(p, ncol + 1), ncol + 1);
  for (int c = 1; c <= ncol; ++c)
    f.row[kRowPSTAT][c] = f.VCR[c] - f.VCL[c] + onColumn[c];
}

void solveFrame(const Problem& p, ColumnForces& f) {
  const int ncol = columnCount(p);
  if (ncol < 1) return;
  if (ncol == 1) {
    solveSingleColumn(f);
    return;
  }
  ForceRows& r = f.row;
  ColumnRow a{}, b{}, dR{}, dL{}, dC{}, cL{}, cR{};

  // Balance every joint with the rest of the bent free, releasing the base
  // moment of a hinged (or partly released) column at the same time.
  for (int c = 1; c <= ncol; ++c) {
    const size_t ci = c;
    const ColumnProperties& cp = p.colp[ci];
    const float dfr = 1.0f - cp.DFC - cp.DFL;
    a[ci] = -p.col[ci].FLEX * r[kRowMB][ci];
    b[ci] = cp.COBTM * a[ci];
    const float u = -r[kRowML][ci] - r[kRowMR][ci] - r[kRowMT][ci];
    dR[ci] = dfr * u - cp.TCR * b[ci];
    dL[ci] = cp.DFL * u - cp.TCL * b[ci];
    dC[ci] = cp.DFC * u;
    r[kRowRF][ci] = r[kRowPSTAT][ci];
  }
  // Carry the moments sent to the right on through the joints to the right.
  for (int c = 2; c <= ncol; ++c) {
    const size_t ci = c;
    cL[ci] = p.capp[ci].COMLR * dR[ci - 1];
    dR[ci] -= p.colp[ci].TLR * cL[ci];
    dC[ci] -= p.colp[ci].TLC * cL[ci];
  }
  // And those sent to the left on through the joints to the left.
  for (int c = ncol - 1; c >= 1; --c) {
    const size_t ci = c;
    cR[ci] = p.capp[ci + 1].COMRL * dL[ci + 1];
    dC[ci] -= p.colp[ci].TRC * cR[ci];
    dL[ci] -= p.colp[ci].TRL * cR[ci];
  }
  for (int c = 1; c <= ncol; ++c) {
    const size_t ci = c;
    r[kRowMB][ci] += p.colp[ci].COTBM * dC[ci] + a[ci];
    r[kRowMT][ci] += b[ci] + dC[ci];
    r[kRowML][ci] += cL[ci] + dL[ci];
    r[kRowMR][ci] += cR[ci] + dR[ci];
  }
  // Shears of the spans from their end moments, added to the reactions.
  for (int c = 2; c <= ncol; ++c) {
    const size_t ci = c;
    f.VSP[ci] = quotient(-r[kRowMR][ci - 1] - r[kRowML][ci], p.cap[ci].L);
    r[kRowRF][ci - 1] += f.VSP[ci];
    r[kRowRF][ci] -= f.VSP[ci];
  }
  columnShearsAndAxialLoads(p, f);
}

void makeUnitSolution(Problem& p, ColumnForces& f) {
  const int ncol = columnCount(p);
  if (ncol < 2) return;
  for (int c = 1; c <= ncol; ++c) {
    const ColumnProperties& cp = p.colp[c];
    f.row[kRowMT][c] = cp.SECS * cp.UFMT;
    f.row[kRowMB][c] = cp.SECS * cp.UFMB;
  }
  // A battered column top rises by SLOPE per unit of sway.
  for (int c = 2; c <= ncol; ++c) {
    const float m = p.capp[c].UFEM * (p.col[c].SLOPE - p.col[c - 1].SLOPE);
    f.row[kRowMR][c - 1] = m;
    f.row[kRowML][c] = m;
  }
  solveFrame(p, f);
  const float total = f.FTRAN;
  const bool stiff = total != 0.0f && std::isfinite(total);
  for (int row = kRowML; row <= kRowRF; ++row)
    for (int c = 1; c <= ncol; ++c) {
      float& v = f.row[row][c];
      v = stiff ? v / total : 0.0f;
      p.stored.UNIT.row[row][c] = v;
    }
  for (int c = 2; c <= ncol; ++c) {
    f.VSP[c] = stiff ? f.VSP[c] / total : 0.0f;
    p.stored.USP[c] = f.VSP[c];
  }
}

void swayCorrection(const Problem& p, ColumnForces& f) {
  const int ncol = columnCount(p);
  if (ncol < 2) return;
  const float total = f.FTRAN;
  for (int row = kRowML; row <= kRowRF; ++row)
    for (int c = 1; c <= ncol; ++c)
      f.row[row][c] -= p.stored.UNIT.row[row][c] * total;
  for (int c = 2; c <= ncol; ++c) {
    f.VSP[c] -= p.stored.USP[c] * total;
    f.VCL[c] += f.VSP[c];
    f.VCR[c - 1] += f.VSP[c];
  }
}

void transverseLateralLoad(const Problem& p, ColumnForces& f) {
  const int ncol = columnCount(p);
  if (ncol < 1) return;
  ForceRows& r = f.row;
  f.VCL[1] = 0.0f;
  f.VCR[ncol] = 0.0f;
  if (ncol == 1) {
    r[kRowMB][1] = (p.colp[1].HV + f.ARMT) * f.FTRAN;
    r[kRowMT][1] = -(p.col[1].DL + f.ARMT) * f.FTRAN;
    for (int row : {kRowML, kRowMR, kRowRF, kRowPC, kRowPB}) r[row][1] = 0.0f;
    r[kRowV][1] = f.FTRAN;
    return;
  }
  for (int row = kRowML; row <= kRowRF; ++row)
    for (int c = 1; c <= ncol; ++c)
      r[row][c] = p.stored.UNIT.row[row][c] * f.FTRAN;
  for (int c = 2; c <= ncol; ++c) {
    f.VSP[c] = p.stored.USP[c] * f.FTRAN;
    f.VCL[c] = f.VSP[c];
    f.VCR[c - 1] = f.VSP[c];
  }
  // Overturning by the arm of the force, taken by the columns as a group.
  const float overturning = f.ARMT * f.FTRAN;
  for (int c = 1; c <= ncol; ++c) {
    const size_t ci = c;
    const float d = p.colp[ci].XC * overturning;
    r[kRowRF][ci] -= d;
    r[kRowPC][ci] -= p.colp[ci].COSS * d;
    r[kRowPB][ci] = r[kRowPC][ci];
  }
}

void longitudinalLateralLoad(const Problem& p, ColumnForces& f) {
  ForceRows& r = f.row;
  for (int c = 1; c <= columnCount(p); ++c) {
    const size_t ci = c;
    const ColumnProperties& cp = p.colp[ci];
    const Column& col = p.col[ci];
    const float vl = cp.PDF * f.FLONG;
    r[kRowVL][ci] = vl;
    r[kRowMTL][ci] = (col.DL + cp.SECS * f.ARML) * vl;
    r[kRowMBL][ci] = (col.HT + cp.SECS * f.ARML) * vl;
    r[kRowMF][ci] = (cp.HV + f.ARML) * vl;
  }
}

void bearingPointCorrection(const Problem& p, ColumnForces& f) {
  const int ncol = columnCount(p);
  if (ncol < 1) return;
  f.row[kRowML][1] = -f.row[kRowML][1];
  if (ncol == 1) return;
  for (int c = 2; c <= ncol; ++c) {
    const size_t ci = c;
    f.row[kRowML][ci] = -f.row[kRowML][ci];
    for (int q = 1; q <= bearingCount(p, c); ++q) {
      const size_t qi = q;
      f.MP[ci][qi] += f.row[kRowML][ci] - p.capp[ci].XR[qi] * f.VSP[ci];
      f.VPL[ci][qi] += f.VSP[ci];
      f.VPR[ci][qi] += f.VSP[ci];
    }
  }
}

}  // namespace bentpier
