// Column force table of one load case.
#include "frame/force_table.h"

#include <algorithm>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {

constexpr int kLabelWidth = 16;
constexpr int kLinesOfHeading = 8;

std::string fitted(const std::string& s, size_t width) {
  std::string out = s.substr(0, width);
  out.resize(width, ' ');
  return out;
}

void printHeading(Report& rep) {
  rep << Line(kNewPage).text("+++++").blanks(33).text(
      "COLUMN MOMENTS(KIP-FEET), SHEARS(KIPS), REACTIONS(KIPS)");
  rep << Line(kSkipLine).blanks(51).text("TRANSVERSE").blanks(30).text("*").blanks(13).text(
      "LONGITUDINAL");
  rep << Line(kSkipLine)
             .blanks(7).text("LOAD").blanks(8).text("COL").blanks(5).text("PC")
             .blanks(8).text("MT").blanks(8).text("V").blanks(9).text("MB")
             .blanks(8).text("RF").blanks(8).text("ML").blanks(8).text("MR")
             .blanks(8).text("MT").blanks(9).text("V").blanks(8).text("MB")
             .blanks(8).text("MF");
}

// The 20 characters that open the line of column c.
Line openLine(const LoadCaseResult& t, int c) {
  if (c != 1) {
    Line line(kNextLine);
    line.blanks(18).i(c, 2);
    return line;
  }
  Line line(kSkipLine);
  switch (t.kind) {
    case LoadCaseResult::Kind::kWind:
      line.text("GROUP").i(t.group, 2).text(" WIND").i(t.wind, 2).i(t.direction, 2).blanks(2);
      break;
    case LoadCaseResult::Kind::kLiveLoad:
      line.text("LIVE LOAD ").text(fitted(t.label, 4)).blanks(4);
      break;
    default:
      line.text(fitted(t.label, kLabelWidth)).blanks(2);
      break;
  }
  line.i(c, 2);
  return line;
}

LoadCaseResult::Kind keptKind(CaseKind kind) {
  switch (kind) {
    case CaseKind::kLabelWithBottomLoad: return LoadCaseResult::Kind::kLabelWithBottomLoad;
    case CaseKind::kWind: return LoadCaseResult::Kind::kWind;
    case CaseKind::kLiveLoad: return LoadCaseResult::Kind::kLiveLoad;
    default: return LoadCaseResult::Kind::kLabel;
  }
}

}  // namespace

LoadCaseResult keptLoadCase(const Problem& p, const ColumnForces& f, const CaseTitle& title) {
  LoadCaseResult kept;
  kept.kind = keptKind(title.kind);
  kept.label = title.kind == CaseKind::kLiveLoad ? title.llid : title.label;
  kept.group = title.group;
  kept.wind = title.wind;
  kept.direction = title.direction;
  kept.printed = p.TITLE.compare(0, 2, "XX") != 0;
  const ForceRows& r = f.row;
  const int ncol = columnCount(p);
  for (int c = 1; c <= ncol; ++c) {
    const size_t ci = static_cast<size_t>(c);
    kept.columns.push_back(CaseColumnForces{r[kRowPC][ci], r[kRowMT][ci], r[kRowV][ci],
                                            r[kRowMB][ci], r[kRowPB][ci], r[kRowRF][ci],
                                            r[kRowML][ci], r[kRowMR][ci], r[kRowMTL][ci],
                                            r[kRowVL][ci], r[kRowMBL][ci], r[kRowMF][ci]});
  }
  // Bearing points are numbered along the cap, the points a column carries
  // itself counted at the column.
  int point = 0;
  const int nspan = std::min(p.dd.NSPAN, kMaxSegments);
  for (int k = p.dd.NCAN >= 1 ? 1 : 2; k <= nspan; ++k) {
    if (k != 1 && k - 1 <= kMaxColumns) point += p.col[k - 1].P;
    for (int q = 1; q <= bearingCount(p, k); ++q) {
      const size_t ki = static_cast<size_t>(k), qi = static_cast<size_t>(q);
      kept.cap_points.push_back(
          CaseCapPoint{++point, k, q, f.MP[ki][qi], f.VPL[ki][qi], f.VPR[ki][qi]});
    }
  }
  return kept;
}

void printForceTable(Problem& p, const ColumnForces& f, Report& rep, int& lineCount,
                     const CaseTitle& title) {
  p.results.load_cases.push_back(keptLoadCase(p, f, title));
  const LoadCaseResult& kept = p.results.load_cases.back();
  if (!kept.printed) return;
  const int ncol = static_cast<int>(kept.columns.size());
  if (ncol + lineCount > kForceTablePageLines) {
    printHeading(rep);
    lineCount = kLinesOfHeading;
  }
  for (int c = 1; c <= ncol; ++c) {
    const CaseColumnForces& col = kept.columns[c - 1];
    Line line = openLine(kept, c);
    for (float v : {col.PC, col.MT, col.V, col.MB, col.RF, col.ML, col.MR, col.MTL, col.VL,
                    col.MBL, col.MF})
      line.f(v, 10, 3);
    rep << line;
    if (kept.kind == LoadCaseResult::Kind::kLabelWithBottomLoad) {
      rep << Line(kNextLine).blanks(20).f(col.PB, 10, 3);
      ++lineCount;
    }
  }
  lineCount += 1 + ncol;
}

}  // namespace bentpier
