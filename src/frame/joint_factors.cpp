// Joint factors of the bent: column stiffness and carry-over modified for
// the base release, span stiffnesses and carry-overs modified for the
// joints beyond them (one sweep from each side), and at each column-top
// joint the distribution factors and the transfer factors that pass a
// carried-over moment on to the other members. Also each column's share of
// a longitudinal force (PDF) and its overturning factor (XC).
#include "frame/member_properties.h"

namespace bentpier {
namespace {

// A share num / den; an empty joint (den 0) passes nothing on.
float share(float num, float den) { return den != 0 ? num / den : 0; }

void columnReleases(Problem& problem) {
  for (int c = 1; c <= problem.dd.NCOL; ++c) {
    const float FLEX = problem.col[c].FLEX;
    ColumnProperties& cp = problem.colp[c];
    const float release = 1 - FLEX * cp.COTB * cp.COBT;
    cp.KTM = cp.KT * release;
    cp.COTBM = share((1 - FLEX) * cp.COTB, release);
  }
}

void columnPositions(Problem& problem) {
  const int NCOL = problem.dd.NCOL;
  std::array<float, kMaxColumns + 1> x{};
  float sum = 0;
  for (int c = 2; c <= NCOL; ++c) x[c] = x[c - 1] + problem.cap[c].L;
  for (int c = 1; c <= NCOL; ++c) sum += x[c];
  const float mean = sum / NCOL;
  float squares = 0;
  for (int c = 1; c <= NCOL; ++c) squares += (x[c] - mean) * (x[c] - mean);
  for (int c = 1; c <= NCOL; ++c) problem.colp[c].XC = share(x[c] - mean, squares);
}

void spanSweeps(Problem& problem) {
  const int NCOL = problem.dd.NCOL;
  auto& capp = problem.capp;
  auto& colp = problem.colp;
  // Left to right: the far (left) end of span k is held by joint k-1.
  float heldLeft = 0;  // KMR of the member left of joint k-1
  for (int k = 2; k <= NCOL; ++k) {
    CapProperties& sp = capp[k];
    const float E = share(sp.K, sp.K + colp[k - 1].KTM + heldLeft);
    const float qd = 1 - E * sp.CO * sp.CO;
    sp.KMR = qd * sp.K;
    sp.COMRL = share((1 - E) * sp.CO, qd);
    heldLeft = sp.KMR;
  }
  // Right to left: the far (right) end of span k is held by joint k.
  float heldRight = 0;  // KML of the member right of joint k
  for (int k = NCOL; k >= 2; --k) {
    CapProperties& sp = capp[k];
    const float E = share(sp.K, sp.K + colp[k].KTM + heldRight);
    const float qd = 1 - E * sp.CO * sp.CO;
    sp.KML = qd * sp.K;
    sp.COMLR = share((1 - E) * sp.CO, qd);
    heldRight = sp.KML;
  }
}

void jointDistribution(Problem& problem, float sumKL) {
  const int NCOL = problem.dd.NCOL;
  for (int c = 1; c <= NCOL; ++c) {
    ColumnProperties& cp = problem.colp[c];
    const float AL = c > 1 ? problem.capp[c].KMR : 0;
    const float AR = c < NCOL ? problem.capp[c + 1].KML : 0;
    const float E = share(cp.KT, cp.KT + AL + AR);
    cp.COBTM = share((1 - E) * cp.COBT, 1 - E * cp.COTB * cp.COBT);
    const float S = AL + AR + cp.KTM;
    cp.DFL = share(AL, S);
    cp.DFR = share(AR, S);
    cp.DFC = 1 - cp.DFR - cp.DFL;
    cp.TLR = share(AR, cp.KTM + AR);
    cp.TLC = 1 - cp.TLR;
    cp.TRL = share(AL, AL + cp.KTM);
    cp.TRC = 1 - cp.TRL;
    cp.TCR = share(AR, AL + AR);
    cp.TCL = 1 - cp.TCR;
    cp.PDF = share(cp.KL, sumKL);
  }
}

}  // namespace

void jointFactors(Problem& problem) {
  const int NCOL = problem.dd.NCOL;
  float sumKL = 0;
  for (int c = 1; c <= NCOL; ++c) sumKL += problem.colp[c].KL;
  columnReleases(problem);
  if (NCOL >= 2) {
    columnPositions(problem);
    spanSweeps(problem);
  }
  // A single column stands alone at its top joint: it takes the whole
  // joint moment and the whole longitudinal force.
  jointDistribution(problem, sumKL);
  if (NCOL == 1) problem.colp[1].PDF = 1;
}

}  // namespace bentpier
