// Column and footing design-load ranking.
#include "frame/design_load_ranking.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {


constexpr float kSlenderLimit = 22.0f;  // kl/r above which sway is considered

// Magnifier cm / (1 - load / critical). A zero critical load counts as no
// slenderness; a load exactly at the critical load gives the largest float.
float magnifier(float cm, float load, float critical) {
  const float den = 1.0f - quotient(load, critical);
  if (den == 0.0f) return std::numeric_limits<float>::max();
  return cm / den;
}

// End-moment ratio of the column: the smaller end moment over the larger,
// negative in single curvature; 1 without moments.
float endMomentRatio(float mt, float mb) {
  float rho = 1.0f;
  if (mb != 0.0f && std::fabs(mt) <= std::fabs(mb)) rho = -mt / mb;
  if (mt != 0.0f && std::fabs(mb) < std::fabs(mt)) rho = -mb / mt;
  return rho;
}

// Dead-load share of an end moment, kept within 0..1.
float deadLoadShare(float dead, float total) {
  if (total == 0.0f) return 0.0f;
  float r = dead / total;
  if (r > 1.0f) r = 1.0f / r;
  if (r < 0.0f) r = 0.0f;
  return r;
}

// Allowable-stress factor of a pile by group code.
float pileGroupFactor(char gr, float allowf) {
  switch (gr) {
    case '1': return 1.0f;
    case '2': case '3': case '4': return 1.25f;
    case '5': case '6': return 1.4f;
    case '7': case 'B': return 1.33f;
    default: return allowf;
  }
}

template <typename Set>
void identify(Set& s, const Combination& cb) {
  s.GR = cb.GR;
  s.LLID = cb.LLID;
  s.WC = cb.DIR + 10 * cb.WIND;
  s.FLAGR = cb.FLAGR;
  s.FLAGE = cb.FLAGE;
  s.FLAGC = cb.FLAGC;
  s.FLAGS = cb.FLAGS;
}

template <typename Set>
void resetList(RankedList<Set>& list) {
  list = RankedList<Set>{};
}

// Magnification quantities of one column for the combination in hand.
struct Slenderness {
  float betad = 0, pu = 0, klim = 0, cm = 0, deltaB = 0;
};

// The values at one column end offered to the lists.
struct EndLoads {
  float P, M, ML, VL;  // of the combination
  float Pm, Mm, MLm;   // magnified (and factored)
};

void insertColumnSet(Problem& p, const Combination& cb, int c, int end, const EndLoads& e,
                     const ColumnLoadSet& common, bool pile) {
  const float g = pile ? pileGroupFactor(cb.GR, cb.ALLOWF) : cb.ALLOWF;
  const float factor = pile ? 1.0f : cb.GAMMA;
  ColumnLoadSet set = common;
  set.PM = e.Pm;
  set.MTM = e.Mm;
  set.MLM = e.MLm;
  set.PF = factor * e.P;
  set.MTF = factor * e.M;
  set.MLF = factor * e.ML;
  set.VLF = e.VL;
  const int k1 = pile ? truncatedKey(quotient(e.P, g))
                      : truncatedKey(quotient(std::sqrt(e.MLm * e.MLm + e.Mm * e.Mm + e.Pm * e.Pm), g));
  RankedList<ColumnLoadSet>& list = p.lists.COL[c][end];
  if (const int s = enterList(list, k1)) list.SET[s] = set;
  if (!pile) {
    p.lists.COLALL[c][end].push_back(std::move(set));
    return;
  }
  RankedList<ColumnLoadSet>& lateral = p.lists.PILE[c][end];
  if (const int s = enterList(lateral, truncatedKey(quotient(std::fabs(e.VL), g))))
    lateral.SET[s] = std::move(set);
}

}  // namespace

void resetColumnLists(Problem& p) {
  for (auto& column : p.lists.COL)
    for (auto& list : column) resetList(list);
  for (auto& column : p.lists.PILE)
    for (auto& list : column) resetList(list);
  for (auto& column : p.lists.COLALL)
    for (auto& sets : column) sets.clear();
}

void resetFootingLists(Problem& p) {
  for (auto& list : p.lists.FTG) resetList(list);
  for (auto& sets : p.lists.FTGALL) sets.clear();
}

int truncatedKey(float key) {
  if (std::isnan(key)) return 0;
  const double t = std::trunc(static_cast<double>(key));
  if (t >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (t <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(t);
}

// Whether slot a ranks below slot b: a smaller key, or an equal key that
// arrived later.
template <typename Set>
bool ranksBelow(const RankedList<Set>& list, int a, int b) {
  const int ka = list.KEY[a], kb = list.KEY[b];
  return ka < kb || (ka == kb && list.ARRIVAL[a] > list.ARRIVAL[b]);
}

template <typename Set>
int enterList(RankedList<Set>& list, int key) {
  std::array<int, kListSize>& heap = list.WEAKEST;
  const int s = heap[0];
  if (!(list.KEY[s] < key)) return 0;
  list.KEY[s] = key;
  list.ARRIVAL[s] = ++list.ENTERED;
  // The entered set now ranks above the one it displaced: sift it down.
  size_t i = 0;
  for (;;) {
    size_t weakest = i;
    for (size_t child = 2 * i + 1; child <= 2 * i + 2 && child < heap.size(); ++child)
      if (ranksBelow(list, heap[child], heap[weakest])) weakest = child;
    if (weakest == i) break;
    std::swap(heap[i], heap[weakest]);
    i = weakest;
  }
  return s;
}

template <typename Set>
void finishRankedList(RankedList<Set>& list) {
  std::array<int, kListSize> slots = initialListHeap();
  std::sort(slots.begin(), slots.end(), [&](int a, int b) { return ranksBelow(list, b, a); });
  std::copy(slots.begin(), slots.end(), list.ORDER.begin() + 1);
}

template int enterList(RankedList<ColumnLoadSet>&, int);
template int enterList(RankedList<FootingLoadSet>&, int);
template void finishRankedList(RankedList<ColumnLoadSet>&);
template void finishRankedList(RankedList<FootingLoadSet>&);

void finishRanking(Problem& p) {
  for (auto& column : p.lists.COL)
    for (auto& list : column) finishRankedList(list);
  for (auto& column : p.lists.PILE)
    for (auto& list : column) finishRankedList(list);
  for (auto& list : p.lists.FTG) finishRankedList(list);
}

float magnify(float moment, float axial, float e, float delta, bool pileBent) {
  if (axial != 0.0f && std::fabs(moment / axial) < e) moment = e * axial;
  if (pileBent && delta < 1.0f) delta = 1.0f;
  return delta * std::fabs(moment);
}

void rankForColumns(Problem& p, const ColumnForces& f, const Combination& cb,
                    const ForceRows& deadLoad) {
  const int ncol = columnCount(p);
  const bool pile = isPileBent(p);
  const ForceRows& r = f.row;
  p.lists.NCLS += 1;

  std::array<Slenderness, kMaxColumns + 1> sl{};
  float sumPu = 0.0f, sumPc = 0.0f;
  for (int c = 1; c <= ncol; ++c) {
    const size_t ci = c;
    Slenderness& s = sl[ci];
    const float mt = r[kRowMT][ci], mb = r[kRowMB][ci];
    s.betad = (deadLoadShare(deadLoad[kRowMT][ci], mt) + deadLoadShare(deadLoad[kRowMB][ci], mb)) * 0.5f;
    const float f = pile ? 1.0f : quotient(s.betad + 1.0f, cb.PHIC[ci]);
    sumPc += quotient(p.colp[ci].PCUBR, f);
    s.pu = cb.GAMMA * cb.PAVG * (r[kRowPB][ci] + r[kRowPC][ci]);
    if (pile) s.pu = quotient(s.pu, cb.GAMMA);
    sumPu += s.pu;
    const float rho = endMomentRatio(mt, mb);
    s.klim = 34.0f - 12.0f * rho;
    s.cm = std::max(0.6f + 0.4f * rho, 0.4f);
    if (p.cs.CM != 0.0f) s.cm = p.cs.CM;
    s.deltaB = magnifier(s.cm, s.pu, quotient(p.colp[ci].PCBR, f));
  }
  // Sway magnifier of the bent. For a pile bent the same formula serves,
  // with its sums formed without strength-reduction and load factors.
  const float deltaS = magnifier(1.0f, sumPu, sumPc);

  for (int c = 1; c <= ncol; ++c) {
    const size_t ci = c;
    const Slenderness& s = sl[ci];
    const ColumnProperties& cp = p.colp[ci];
    float delta = 1.0f;
    if (cp.FKUBR > kSlenderLimit) delta = deltaS;
    if (ncol != 1 && s.klim < cp.FKBR) {
      if (cp.FKUBR < kSlenderLimit) delta = s.deltaB;
      if (cp.FKUBR > kSlenderLimit) delta = std::max(s.deltaB, deltaS);
    }
    const float cmUsed = delta == deltaS ? 1.0f : s.cm;
    if (delta > 0.0f && delta < 1.0f) delta = 1.0f;
    const float deltaT = delta;
    const float amt = magnify(r[kRowMT][ci], r[kRowPC][ci], cp.EMIN[1], deltaT, pile);
    const float amb = magnify(r[kRowMB][ci], r[kRowPB][ci], cp.EMIN[3], deltaT, pile);

    delta = 1.0f;
    if (cp.KLRL > kSlenderLimit) {
      delta = magnifier(1.0f, s.pu, cb.PHIC[ci] * cp.PCL);
      if (delta > 0.0f && delta < 1.0f) delta = 1.0f;
    }
    const float deltaL = delta;
    const float amtl = magnify(r[kRowMTL][ci], r[kRowPC][ci], cp.EMIN[2], deltaL, pile);
    const float ambl = magnify(r[kRowMBL][ci], r[kRowPB][ci], cp.EMIN[4], deltaL, pile);

    const float g = (p.dd.METHOD == 'L' && !pile) ? cb.GAMMA : 1.0f;
    ColumnLoadSet common;
    common.DEL_T = deltaT;
    common.DEL_L = deltaL;
    common.BD12 = cb.BD12;
    common.BD = s.betad;
    common.CM = cmUsed;
    common.SUMPU = sumPu;
    common.SUMPC = sumPc;
    const EndLoads top{r[kRowPC][ci], r[kRowMT][ci], r[kRowMTL][ci], r[kRowVL][ci],
                       g * r[kRowPC][ci], g * amt, g * amtl};
    const EndLoads bottom{r[kRowPB][ci], r[kRowMB][ci], r[kRowMBL][ci], r[kRowVL][ci],
                          g * r[kRowPB][ci], g * amb, g * ambl};
    identify(common, cb);  // once for both ends
    insertColumnSet(p, cb, c, 1, top, common, pile);
    insertColumnSet(p, cb, c, 2, bottom, common, pile);
  }
}

void rankForFootings(Problem& p, const ColumnForces& f, const Combination& cb) {
  const ForceRows& r = f.row;
  const ForceRows& live = p.stored.LLC.row;
  p.lists.NFLS += 1;
  // Live load in the set is BETAL x LLC (a pile bent carries it unfactored);
  // LLC carries the impact fraction i. Service loads keep LLC x (1 - i),
  // factored loads BETAL x LLC x (1 - i).
  const float betal = isPileBent(p) ? 1.0f : cb.BETAL;
  const float i = p.cs.IMPACT;
  const float a = betal - (1.0f - i);
  const float b = i * betal;
  for (int c = 1; c <= columnCount(p); ++c) {
    const size_t ci = c;
    FootingLoadSet set;
    set.PS = r[kRowRF][ci] - live[kRowRF][ci] * a;
    set.PF = cb.GAMMA * (r[kRowRF][ci] - live[kRowRF][ci] * b);
    set.MTS = r[kRowMB][ci] - live[kRowMB][ci] * a;
    set.MTF = cb.GAMMA * (r[kRowMB][ci] - live[kRowMB][ci] * b);
    set.VTS = r[kRowV][ci] - live[kRowV][ci] * a;
    set.VTF = cb.GAMMA * (r[kRowV][ci] - live[kRowV][ci] * b);
    set.MLS = r[kRowMF][ci];
    set.MLF = cb.GAMMA * r[kRowMF][ci];
    set.VLS = r[kRowVL][ci];
    set.VLF = cb.GAMMA * r[kRowVL][ci];
    identify(set, cb);
    set.SEQ = p.lists.NFLS;
    p.lists.FTGALL[ci].push_back(set);
    const float size = std::sqrt(set.MLS * set.MLS + set.MTS * set.MTS + set.PS * set.PS);
    RankedList<FootingLoadSet>& list = p.lists.FTG[ci];
    if (const int s = enterList(list, truncatedKey(quotient(size, cb.GRPF)))) list.SET[s] = set;
  }
}

}  // namespace bentpier
