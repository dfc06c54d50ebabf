// The footing store: the footing design parameters, then per footing its
// dimensions and, for a footing designed by itself, its design-load sets.
// A footing that is the same as another is designed with it: the sets of
// the whole group are merged by ranking key into the designed footing's.
#include "groups/load_groups.h"

#include <algorithm>
#include <set>
#include <utility>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {

FootingParameterRecord footingParameters(const Problem& p) {
  FootingParameterRecord r;
  r.N = p.dd.N;
  r.FPC = p.dd.FPC;
  r.FY = p.dd.FY;
  r.FC = p.dd.FC;
  r.FS = p.dd.FS;
  r.NCOL = p.dd.NCOL;
  r.SOILWT = p.cs.SOILWT;
  r.ALLSP = p.cs.ALLSP;
  r.EDGEDIST = p.cs.EDGEDIST;
  r.MINPLSP = p.cs.MINPLSP;
  r.MAXPLSP = p.cs.MAXPLSP;
  r.REBARCLR = p.cs.REBARCLR;
  r.PILEDEPTH = p.cs.PILEDEPTH;
  r.PILECAP = p.cs.PILECAP;
  r.PILEUPL = p.cs.PILEUPL;
  return r;
}

FootingRecord footingRecord(const Problem& p, int c) {
  const Footing& f = p.ftg[c];
  const Column& column = p.col[c];
  FootingRecord r;
  r.SP = f.SP;
  r.B = f.B;
  r.D = f.D;
  r.T = f.T;
  r.BB = column.BB;
  r.DB = column.DB;
  r.S_HT = f.S_HT;
  r.NP = f.NP;
  r.SYM = f.SYM;
  r.BP = f.BP;
  r.DP = f.DP;
  r.DEL_B = f.DEL_B;
  r.DEL_D = f.DEL_D;
  r.DEL_T = f.DEL_T;
  r.R_BD = f.R_BD;
  r.R_DB = f.R_DB;
  r.NFLS = p.lists.NFLS;
  r.SAME = f.REF;
  return r;
}

int keyOf(const Problem& p, const FootingSetRef& ref) {
  const auto& list = p.lists.FTG[ref.column];
  return list.KEY[list.ORDER[ref.position]];
}

const FootingLoadSet& setOf(const Problem& p, const FootingSetRef& ref) {
  const auto& list = p.lists.FTG[ref.column];
  return list.SET[list.ORDER[ref.position]];
}

}  // namespace

int designedFooting(const Problem& p, int c) {
  // A reference always names an earlier footing, so the chain ends within
  // c steps; the bound only guards a store filled by other means.
  for (int step = 0; step < kMaxColumns; ++step) {
    const int ref = p.ftg[c].REF;
    if (ref < 1 || ref >= c) return c;
    c = ref;
  }
  return c;
}

std::vector<FootingSetRef> mergedFootingSets(const Problem& p, int c, int nfls) {
  nfls = std::clamp(nfls, 0, kListSize);
  std::vector<FootingSetRef> merged;
  for (int a = 1; a <= nfls; ++a) merged.push_back(FootingSetRef{c, a});
  for (int j = c + 1; j <= columnCount(p); ++j) {
    if (p.ftg[j].REF == 0 || designedFooting(p, j) != c) continue;
    std::vector<FootingSetRef> next;
    size_t a = 0;
    int b = 1;
    while (static_cast<int>(next.size()) < nfls) {
      const FootingSetRef theirs{j, b};
      // Equal keys: the later footing's set goes first.
      if (keyOf(p, merged[a]) > keyOf(p, theirs)) {
        next.push_back(merged[a++]);
      } else {
        next.push_back(theirs);
        ++b;
      }
    }
    merged = std::move(next);
  }
  return merged;
}

// The sets the design of footing c sees, with the footing each came from:
// the merged ranking lists first (the most severe by magnitude), then every
// other set formed for a footing of the group, so that the design meets the
// one that governs wherever the ranking put it.
std::vector<std::pair<FootingLoadSet, int>> footingDesignSets(const Problem& p, int c, int nfls) {
  std::vector<std::pair<FootingLoadSet, int>> sets;
  std::set<std::pair<int, int>> listed;  // (footing, combination)
  for (const FootingSetRef& ref : mergedFootingSets(p, c, nfls)) {
    const FootingLoadSet& set = setOf(p, ref);
    sets.emplace_back(set, ref.column);
    if (keyOf(p, ref) > 0) listed.emplace(ref.column, set.SEQ);
  }
  for (int j = c; j <= columnCount(p); ++j) {
    if (j != c && (p.ftg[j].REF == 0 || designedFooting(p, j) != c)) continue;
    for (const FootingLoadSet& set : p.lists.FTGALL[j])
      if (!listed.count({j, set.SEQ})) sets.emplace_back(set, j);
  }
  return sets;
}

void writeFootingRecords(Problem& p) {
  RecordStore& store = p.rec.FTGREC;
  store.clear();
  // Each footing keeps at most a full ranking list of sets.
  p.lists.NFLS = std::min(p.lists.NFLS, kListSize);
  store.append(writeFootingParameterRecord(footingParameters(p)));
  for (int c = 1; c <= columnCount(p); ++c) {
    Column& column = p.col[c];
    // A round column stands on its footing by its diameter alone.
    if (column.T == 'R') column.BB = 0.0f;
    FootingRecord record = footingRecord(p, c);
    if (p.ftg[c].REF != 0) {
      store.append(writeFootingRecord(record));
      continue;
    }
    const auto sets = footingDesignSets(p, c, p.lists.NFLS);
    record.NFLS = static_cast<int>(sets.size());
    store.append(writeFootingRecord(record));
    for (const auto& [set, column] : sets) store.append(writeFootingLoadRecord(set, column));
  }
}

}  // namespace bentpier
