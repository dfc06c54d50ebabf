// The column design stage: the column count from the first column record,
// then the pile tables of a pile bent, or every column end of a column bent
// designed or investigated and reported.
#include "design/column/column_stage.h"

#include <algorithm>
#include <vector>

#include "frame/design_load_ranking.h"
#include "groups/design_records.h"

namespace bentpier {
namespace column {
namespace {

// The set of the governing load: a ranked set, or a formed set the design
// added because it governs.
const KeptSet& governingSet(const RankedList<KeptSet>& list, const std::vector<KeptSet>& formed,
                            const ColumnEndResult& r) {
  const int g = std::clamp(r.GOVERN, 1, kMaxTableLoads);
  const int added = r.LOAD[static_cast<size_t>(g)].FORMED;
  if (added >= 1 && added <= static_cast<int>(formed.size()))
    return formed[static_cast<size_t>(added - 1)];
  return keptSetAt(list, std::clamp(r.GOVERN, 1, kListSize));
}

// One column end: its data as read and, once solved, its design.
struct EndWork {
  int column = 0, end = kTopEnd;
  bool read = false;  // false: the store ended before its records
  ColumnEndData data;
  bool solved = false;
  ColumnEndResult result;
};

// The ends of the columns 1..ncol in report order, as far as the store
// holds their records; an end whose records are missing is the last.
std::vector<EndWork> readEnds(const Problem& p, RecordCursor& cursor, int ncol) {
  std::vector<EndWork> ends;
  for (int c = 1; c <= ncol; ++c) {
    for (int end : {kTopEnd, kBottomEnd}) {
      EndWork& w = ends.emplace_back();
      w.column = c;
      w.end = end;
      w.read = readColumnEnd(cursor, p.lists.COL[c][end], p.dd.METHOD, w.data);
      if (!w.read) return ends;
      for (const KeptSet& set : p.lists.COLALL[static_cast<size_t>(c)][static_cast<size_t>(end)])
        w.data.FORMED.push_back(column::ColumnLoadSet{set.PM, set.MTM, set.MLM, set.GR});
    }
  }
  return ends;
}

// The design of every end read, on this thread and the cores `share` can
// spare; without a share the ends are left to be solved one by one as the
// report reaches them.
void solveEnds(std::vector<EndWork>& ends, CoreShare* share) {
  if (!share) return;
  runEach(static_cast<int>(ends.size()), share, [&ends](int i) {
    EndWork& w = ends[static_cast<size_t>(i)];
    if (!w.read) return;
    w.result = PIER62(w.data);
    w.solved = true;
  });
}

// Every end of every column in turn. An input error ends the column report
// at once; an unstable end is listed with its loads and the others go on.
void designColumns(Problem& p, RecordCursor& cursor, int ncol, Report& rep, CoreShare* share) {
  std::vector<EndWork> ends = readEnds(p, cursor, ncol);
  solveEnds(ends, share);
  ColumnPage page;
  printColumnHeader(rep);
  page.header();
  std::vector<ColumnEndOutcome>& kept = p.results.columns;
  std::vector<size_t> designed;
  int unstable = 0;

  for (EndWork& w : ends) {
    const int c = w.column, end = w.end;
    const RankedList<KeptSet>& list = p.lists.COL[c][end];
    const ColumnEndData& data = w.data;
    if (!w.read) {
      kept.push_back(keptColumnEnd(c, end, data, ColumnEndResult{}, nullptr));
      printInputError(rep, c, end);
      return;
    }
    if (!w.solved) w.result = PIER62(data);
    const ColumnEndResult& r = w.result;
    if (r.status == kColumnInputError) {
      kept.push_back(keptColumnEnd(c, end, data, r, nullptr));
      printInputError(rep, c, end);
      return;
    }
    if (r.status != kColumnDone) {
      kept.push_back(keptColumnEnd(c, end, data, r, nullptr));
      const int listed = std::min(r.NLOAD, kMaxColumnLoads);
      const bool newPage = page.unstableOnNewPage(listed);
      printUnstable(rep, kept.back(), newPage);
      page.unstableListing(listed, newPage);
      ++unstable;
      continue;
    }
    if (page.headerDue()) {
      printColumnHeader(rep);
      page.header();
    }
    const std::vector<KeptSet>& formed =
        p.lists.COLALL[static_cast<size_t>(c)][static_cast<size_t>(end)];
    const KeptSet& governing = governingSet(list, formed, r);
    kept.push_back(keptColumnEnd(c, end, data, r, &governing));
    printCriticalLoads(rep, kept.back());
    page.criticalLine();
    designed.push_back(kept.size() - 1);
  }

  const auto notes = std::count_if(designed.begin(), designed.end(),
                                   [&](size_t i) { return kept[i].exact_ratio > 0.0f; });
  const bool newPage = page.designDataOnNewPage(ncol, unstable, static_cast<int>(notes));
  printDesignDataHeader(rep, newPage);
  page.designDataHeader(newPage);
  for (size_t i : designed) {
    const bool note = kept[i].exact_ratio > 0.0f;
    if (page.designLineOnNewPage(note)) {
      printDesignDataHeader(rep, true);
      page.designDataHeader(true);
    }
    printDesignData(rep, kept[i]);
    page.designLine(note);
  }
}

}  // namespace

bool readColumnEnd(RecordCursor& cursor, const RankedList<KeptSet>& list, char method,
                   ColumnEndData& data) {
  const std::string* option = cursor.next();
  const std::string* section = option ? cursor.next() : nullptr;
  const std::string* bars = section ? cursor.next() : nullptr;
  const std::string* loads = bars ? cursor.next() : nullptr;
  if (!loads) return false;

  data = ColumnEndData{};
  const ColumnOptionRecord o = readColumnOptionRecord(*option);
  data.OPTION = o.COLOPT;
  data.TYPE = o.T;

  const ColumnSectionRecord s = readColumnSectionRecord(*section);
  data.B = s.B;
  data.D = s.D;
  data.FPC = s.FPC;
  data.FY = s.FY;
  data.PHIC = s.PHIC;
  data.PHIB = s.PHIB;
  data.MINRATIO = s.MIN_P;
  data.MAXRATIO = s.MAX_P;
  data.CLR = s.CLR;
  data.FCC2 = s.FCC2;
  data.EC = s.EC;
  data.ES = s.ES;
  data.EPSCU = s.EPSCU;

  const ColumnBarRecord b = readColumnBarRecord(*bars);
  data.IPAT = b.IPAT;
  data.N = b.TOT;
  data.SZ = b.TSZ;
  data.COVER = b.CLEAR;
  for (int g = 1; g <= kMaxFaces; ++g) {
    const auto& group = b.group[g];
    data.GROUP[g] = column::BarGroup{group.count, group.size, group.cover};
  }

  const ColumnLoadCountRecord l = readColumnLoadCountRecord(*loads);
  data.LMODE = l.LMODE;
  data.NLOAD = l.NLOAD;
  data.FLAGX = l.DIR1;
  data.FLAGY = l.DIR2;
  const int nload = std::min(data.NLOAD, kListSize);
  for (int i = 1; i <= nload; ++i) {
    const KeptSet& set = keptSetAt(list, i);
    data.LOAD[i] = column::ColumnLoadSet{set.PM, set.MTM, set.MLM, set.GR};
  }
  data.METHOD = method;
  data.PILEBENT = false;
  return true;
}

}  // namespace column

void PIER61(Problem& problem, Report& report, CoreShare* share) {
  RecordCursor cursor(problem.rec.COLREC);
  const std::string* first = cursor.next();
  if (!first) return;
  const int ncol = std::min(readColumnCountRecord(*first), kMaxColumns);
  if (ncol < 1) return;
  if (isPileBent(problem)) {
    column::printPileTables(problem, ncol, report);
    return;
  }
  column::designColumns(problem, cursor, ncol, report, share);
}

}  // namespace bentpier
