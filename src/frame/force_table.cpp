// Column force table of one load case.
#include "frame/force_table.h"

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
Line openLine(const CaseTitle& t, int c) {
  if (c != 1) {
    Line line(kNextLine);
    line.blanks(18).i(c, 2);
    return line;
  }
  Line line(kSkipLine);
  switch (t.kind) {
    case CaseKind::kWind:
      line.text("GROUP").i(t.group, 2).text(" WIND").i(t.wind, 2).i(t.direction, 2).blanks(2);
      break;
    case CaseKind::kLiveLoad:
      line.text("LIVE LOAD ").text(fitted(t.llid, 4)).blanks(4);
      break;
    default:
      line.text(fitted(t.label, kLabelWidth)).blanks(2);
      break;
  }
  line.i(c, 2);
  return line;
}

}  // namespace

void printForceTable(const Problem& p, Report& rep, int& lineCount, const CaseTitle& title) {
  if (p.TITLE.compare(0, 2, "XX") == 0) return;
  const int ncol = columnCount(p);
  if (ncol + lineCount > kForceTablePageLines) {
    printHeading(rep);
    lineCount = kLinesOfHeading;
  }
  const ForceRows& r = p.frc.row;
  for (int c = 1; c <= ncol; ++c) {
    const size_t ci = static_cast<size_t>(c);
    Line line = openLine(title, c);
    for (int row : {kRowPC, kRowMT, kRowV, kRowMB, kRowRF, kRowML, kRowMR, kRowMTL, kRowVL,
                    kRowMBL, kRowMF})
      line.f(r[row][ci], 10, 3);
    rep << line;
    if (title.kind == CaseKind::kLabelWithBottomLoad) {
      rep << Line(kNextLine).blanks(20).f(r[kRowPB][ci], 10, 3);
      ++lineCount;
    }
  }
  lineCount += 1 + ncol;
}

}  // namespace bentpier
