// Analysis of the bent for one load: bearing loads on the cap, the frame
// solution by one forward and one backward carry-over pass, the sway
// correction, lateral loads and the cap values at the bearing points. Every
// operation works on the column force set f it is handed, reading the bent
// from the store.
#pragma once

#include <algorithm>

#include "frame/column_forces.h"
#include "input/problem.h"

namespace bentpier {

// Bearing loads of one load case, by load point 1..NLP.
using LoadVector = Table<float, kMaxLoadPoints + 1>;

// Number of columns, kept within the store's bounds.
inline int columnCount(const Problem& p) { return std::clamp(p.dd.NCOL, 0, kMaxColumns); }

// Whether cap segment k exists: 1 the left cantilever, 2..NCOL the spans,
// NCOL+1 the right cantilever.
inline bool hasSegment(const Problem& p, int k) {
  const int ncol = columnCount(p);
  if (k == 1) return p.dd.NCAN >= 1;
  if (k >= 2 && k <= ncol) return true;
  return k == ncol + 1 && p.dd.NCAN == 2 && k <= kMaxSegments;
}

// Bearings of segment k, 0 when the segment does not exist.
inline int bearingCount(const Problem& p, int k) {
  return hasSegment(p, k) ? std::clamp(p.cap[k].NB, 0, kMaxBearings) : 0;
}

// num / den, or 0 when den is 0 (a member of no length carries nothing).
inline float quotient(float num, float den) { return den != 0.0f ? num / den : 0.0f; }

// Clears rows ML..PSTAT, VCL and VCR of every column.
void clearForces(ColumnForces& f);

// Clears MP, VPL and VPR at every bearing point.
void clearBearingPoints(ColumnForces& f);

// Loads the cap with the bearing loads q: cap shears, statical bearing-point
// moments, fixed-end moments of the spans, cantilever moments and the
// statical column loads PSTAT.
void applyBearingLoads(const Problem& p, ColumnForces& f, const LoadVector& q);

// Distributes the unbalanced joint moments over the bent (no sway), finds
// the span end-moment shears, the reactions, column shears and axial loads.
// Leaves the total column shear in FTRAN.
void solveFrame(const Problem& p, ColumnForces& f);

// The bent under a unit sway at the cap: column end moments of the sway
// (and the cap moments of battered columns rising with it), solved and
// divided by the total column shear. The set is left holding the solution
// per unit transverse force, which is also kept as UNIT (rows ML..RF) and
// USP. Several columns only; a bent without sway stiffness keeps zeros.
void makeUnitSolution(Problem& p, ColumnForces& f);

// Removes the total column shear FTRAN by the stored unit-sway solution, so
// that the column shears sum to zero. Several columns only.
void swayCorrection(const Problem& p, ColumnForces& f);

// A transverse force FTRAN at the arm ARMT above the cap centreline.
void transverseLateralLoad(const Problem& p, ColumnForces& f);

// A longitudinal force FLONG at the arm ARML, shared by the columns by PDF.
void longitudinalLateralLoad(const Problem& p, ColumnForces& f);

// Turns ML into a beam moment and adds the span end-moment effects to the
// bearing-point moments and shears.
void bearingPointCorrection(const Problem& p, ColumnForces& f);

}  // namespace bentpier
