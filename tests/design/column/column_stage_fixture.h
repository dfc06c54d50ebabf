// A bent for the column design stage: column records written with the
// record writers, and the design-load sets of every column end placed at
// their ranking positions.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "design/column/column_stage.h"
#include "groups/design_records.h"

namespace bentpier::column::testing {

// A round section of diameter d inches: f'c 4 ksi, grade 60, PHIC 0.75.
inline ColumnSectionRecord roundSection(float d) {
  ColumnSectionRecord s;
  s.B = 0.0f;  // a round column has no width of its own
  s.D = d;
  s.FPC = 4.0f;
  s.FY = 60.0f;
  s.PHIC = 0.75f;
  s.PHIB = 0.90f;
  s.MIN_P = 0.01f;
  s.MAX_P = 0.08f;
  s.CLR = 1.5f;
  s.FCC2 = 3.4f;
  s.EC = 3644.0f;
  s.ES = 29000.0f;
  s.EPSCU = 0.003f;
  return s;
}

inline ColumnSectionRecord tiedSection(float b, float d) {
  ColumnSectionRecord s = roundSection(d);
  s.B = b;
  s.PHIC = 0.70f;
  return s;
}

// Investigation of n bars of one size on a ring, or design limits of the
// bar search as groups 1 to 4 (count, size).
inline ColumnBarRecord ringBars(int n, int size, float cover) {
  ColumnBarRecord r;
  r.IPAT = 1;
  r.TOT = n;
  r.TSZ = size;
  r.CLEAR = cover;
  return r;
}

inline ColumnBarRecord searchLimits(int mode, int nmin, int szmin, int nmax, int szmax,
                                    float cover) {
  ColumnBarRecord r;
  r.IPAT = mode;
  r.CLEAR = cover;
  r.group[1] = bentpier::BarGroup{nmin, szmin, 0.0f};
  r.group[2] = bentpier::BarGroup{nmax, szmax, 0.0f};
  return r;
}

inline KeptSet loadSet(char gr, float pm, float mtm = 0.0f, float mlm = 0.0f) {
  KeptSet s;
  s.GR = gr;
  s.PM = pm;
  s.MTM = mtm;
  s.MLM = mlm;
  s.PF = pm;
  return s;
}

struct EndSpec {
  char option = 'I';
  char type = 'R';
  ColumnSectionRecord section = roundSection(36.0f);
  ColumnBarRecord bars = ringBars(8, 9, 2.5f);
  std::vector<KeptSet> sets;  // ranking positions 1, 2, ...
  int nload = -1;             // the count record; -1: the number of sets
};

// Places the sets at ranking positions 1.. of a list.
inline void placeSets(RankedList<KeptSet>& list, const std::vector<KeptSet>& sets) {
  for (size_t i = 0; i < sets.size(); ++i)
    list.SET[static_cast<size_t>(list.ORDER[i + 1])] = sets[i];
}

// The report lines of the column design stage, carriage control first.
inline std::vector<std::string> runStage(Problem& p) {
  std::ostringstream out;
  Report rep(out, /*raw=*/true);
  PIER61(p, rep);
  rep.finish();
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// A column bent; add its column count, then its ends in order.
struct StageBent {
  std::unique_ptr<Problem> p = std::make_unique<Problem>();

  explicit StageBent(int ncol, char method = 'S') {
    p->dd.COLOPT = 'I';
    p->dd.METHOD = method;
    p->dd.NCOL = ncol;
    p->rec.COLREC.append(writeColumnCountRecord(ncol));
  }

  void addEnd(int c, int end, const EndSpec& e) {
    RecordStore& store = p->rec.COLREC;
    store.append(writeColumnOptionRecord(ColumnOptionRecord{e.option, e.type}));
    store.append(writeColumnSectionRecord(e.section));
    store.append(writeColumnBarRecord(e.bars));
    ColumnLoadCountRecord loads;
    loads.NLOAD = e.nload >= 0 ? e.nload : static_cast<int>(e.sets.size());
    store.append(writeColumnLoadCountRecord(loads));
    placeSets(p->lists.COL[static_cast<size_t>(c)][static_cast<size_t>(end)], e.sets);
  }

  void addColumn(int c, const EndSpec& top, const EndSpec& bottom) {
    addEnd(c, kTopEnd, top);
    addEnd(c, kBottomEnd, bottom);
  }

  std::vector<std::string> run() { return runStage(*p); }
};

// Index of the first line containing `text`, or -1.
inline int findLine(const std::vector<std::string>& lines, const std::string& text, int from = 0) {
  for (size_t i = static_cast<size_t>(from); i < lines.size(); ++i)
    if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
  return -1;
}

inline int countLines(const std::vector<std::string>& lines, const std::string& text) {
  int n = 0;
  for (const std::string& l : lines)
    if (l.find(text) != std::string::npos) ++n;
  return n;
}

}  // namespace bentpier::column::testing
