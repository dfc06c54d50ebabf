// The column store: for each end of every column, the design option and
// section type, the section and its materials, the bars to investigate or
// the limits of the bar search, and the number of design-load sets.
#include "groups/load_groups.h"

#include <algorithm>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {

constexpr int kTopEnd = 1, kBottomEnd = 2;
constexpr float kInchesPerFoot = 12.0f;
constexpr float kPercent = 100.0f;
// Capacity-reduction factor in compression when none is given: spiral or
// circular, tied.
constexpr float kSpiralPhi = 0.75f, kTiedPhi = 0.70f;
// Concrete stress block intensity.
constexpr float kBlockIntensity = 0.85f;
// Bar modes: a circular pattern of equal bars, or bars by faces.
constexpr int kCircularMode = 1, kFaceMode = 2;

// The twelve bar-group values of a column as one working set.
struct BarGroups {
  std::array<int, kBarGroups + 1> ND{}, NB{}, SZ{};
};

int barMode(const Column& column, int rmode) {
  if (rmode != 0) return rmode;
  return column.T == 'T' ? kFaceMode : kCircularMode;
}

// Circular pattern: a design searches counts from the first group's total
// to the second's (B and D bars together); an investigation takes the
// total count and size of the end and leaves the groups empty.
void circularPattern(BarGroups& w, int g1, int g2, char colopt, ColumnBarRecord& r) {
  auto& [ND, NB, SZ] = w;
  if (colopt == 'D') {
    NB[g1] += ND[g1];
    ND[g1] = 0;
    NB[g2] += ND[g2];
    ND[g2] = 0;
    return;
  }
  r.TOT = ND[g1] + NB[g1] + NB[g2] + ND[g2];
  r.TSZ = SZ[g1];
  NB[g1] = ND[g1] = NB[g2] = ND[g2] = 0;
  SZ[g1] = SZ[g2] = 0;
}

// Bars by faces: the sizes of the D-face groups. A design searches from
// the first group (count of B and D bars, size) to the second; an
// investigation has the B faces in the end's own size and the D faces in
// the size of its second group. A D face without bars has no size.
std::array<int, 2> faceSizes(BarGroups& w, int g1, int g2, char colopt) {
  auto& [ND, NB, SZ] = w;
  std::array<int, 2> d{};
  if (colopt == 'D') {
    d = {SZ[g1], SZ[g2]};
  } else {
    d = {SZ[g2], SZ[g2]};
    SZ[g2] = SZ[g1];
  }
  if (ND[g1] == 0) d[0] = 0;
  if (ND[g2] == 0) d[1] = 0;
  return d;
}

}  // namespace

std::array<ColumnBarRecord, 3> columnBarRecords(const Column& column, char colopt, int rmode,
                                                float clear) {
  BarGroups w{column.ND, column.NB, column.SZ};
  const int mode = barMode(column, rmode);
  std::array<ColumnBarRecord, 3> records{};
  for (int end : {kTopEnd, kBottomEnd}) {
    // The top section is described by groups 1 and 3, the bottom by 2 and 4.
    const int g1 = end == kTopEnd ? 1 : 2;
    const int g2 = g1 + 2;
    ColumnBarRecord& r = records[end];
    r.IPAT = mode;
    r.CLEAR = clear;
    std::array<int, 2> d{};
    if (mode != kFaceMode) circularPattern(w, g1, g2, colopt, r);
    if (mode != kCircularMode) d = faceSizes(w, g1, g2, colopt);
    r.group[1] = BarGroup{w.NB[g1], w.SZ[g1], 0.0f};
    r.group[2] = BarGroup{w.NB[g2], w.SZ[g2], 0.0f};
    r.group[3] = BarGroup{w.ND[g1], d[0], 0.0f};
    r.group[4] = BarGroup{w.ND[g2], d[1], 0.0f};
  }
  return records;
}

void writeColumnRecords(Problem& p) {
  RecordStore& store = p.rec.COLREC;
  store.clear();
  // Each column end keeps at most a full ranking list of sets.
  p.lists.NCLS = std::min(p.lists.NCLS, kListSize);
  p.cs.MIN_P /= kPercent;
  p.cs.MAX_P /= kPercent;

  const int ncol = columnCount(p);
  store.append(writeColumnCountRecord(ncol));
  for (int c = 1; c <= ncol; ++c) {
    const Column& column = p.col[c];
    const auto bars = columnBarRecords(column, p.dd.COLOPT, p.cs.RMODE, p.cs.CLEAR);
    for (int end : {kTopEnd, kBottomEnd}) {
      store.append(writeColumnOptionRecord(ColumnOptionRecord{p.dd.COLOPT, column.T}));

      ColumnSectionRecord s;
      s.B = (end == kTopEnd ? column.BT : column.BB) * kInchesPerFoot;
      s.D = (end == kTopEnd ? column.DT : column.DB) * kInchesPerFoot;
      s.FPC = p.dd.FPC;
      s.FY = p.dd.FY;
      s.PHIC = p.cs.OC != 0.0f ? p.cs.OC : (column.T == 'T' ? kTiedPhi : kSpiralPhi);
      s.PHIB = p.cs.OF;
      s.MIN_P = p.cs.MIN_P;
      s.MAX_P = p.cs.MAX_P;
      s.CLR = p.cs.CL_SP;
      s.FCC2 = kBlockIntensity * p.dd.FPC;
      s.EC = p.dd.EC;
      s.ES = p.dd.ES;
      s.EPSCU = p.dd.CONC_STRAIN;
      store.append(writeColumnSectionRecord(s));

      store.append(writeColumnBarRecord(bars[end]));
      ColumnLoadCountRecord loads;
      loads.NLOAD = p.lists.NCLS;
      store.append(writeColumnLoadCountRecord(loads));
    }
  }
}

}  // namespace bentpier
