// "CAP MOMENTS AND SHEARS": one line per column face and per bearing point,
// in cap order from left to right, with the dead-load moment, the group I,
// II and III extremes and the dead-load and group I shears.
#include "groups/load_groups.h"

#include <algorithm>
#include <vector>

#include "frame/bent_analysis.h"

namespace bentpier {
namespace {

// X slots printed on a column line: the left line of a segment shows the
// column face towards the segment on its right (even slots), the right line
// the face towards the segment on its left (odd slots).
constexpr std::array<int, 7> kRightFaceMoments{4, 8, 12, 14, 16, 18, 20};
constexpr std::array<int, 3> kRightFaceShears{2, 6, 10};
constexpr std::array<int, 7> kLeftFaceMoments{3, 7, 11, 13, 15, 17, 19};
constexpr std::array<int, 3> kLeftFaceShears{1, 5, 9};
// CP slots printed on a point line.
constexpr std::array<int, 7> kPointMoments{1, 4, 7, 10, 11, 12, 13};
constexpr std::array<int, 6> kPointShears{2, 3, 5, 6, 8, 9};

// Group III slots of a column line and the envelope B slots that replace
// them at the face towards a cantilever.
constexpr int kLeftGroupThreeMax = 17, kLeftGroupThreeMin = 19;
constexpr int kLeftEnvelopeBMax = 21, kLeftEnvelopeBMin = 22;
constexpr int kRightGroupThreeMax = 18, kRightGroupThreeMin = 20;
constexpr int kRightEnvelopeBMax = 23, kRightEnvelopeBMin = 24;

constexpr int kMomentWidth = 10, kShearWidth = 9, kDecimals = 3;
constexpr int kShearGap = 9;  // an empty shear column

class CapTable {
 public:
  explicit CapTable(Report& report) : report_(report) { heading(); }

  void line(const Line& l) {
    if (lines_ >= kCapTableLineLimit) heading();
    report_ << l;
    ++lines_;
  }
  int lines() const { return lines_; }
  // The group VI lines that follow the table, their heading repeated on
  // every new page.
  void startGroupSix() {
    groupSix_ = true;
    if (lines_ + 3 > kCapTableLineLimit) heading();
    else groupSixHeading();
  }

 private:
  void groupSixHeading() {
    report_ << Line(kSkipLine).blanks(30).text(
        "GROUP VI MOMENTS(KIP-FEET): GROUP III WITH TEMPERATURE AND SHRINKAGE OF CAP");
    report_ << Line(kSkipLine).text("POINT   G6 MAX.+  G6 MAX.-");
    lines_ += 2;
  }

  void heading() {
    report_ << Line(kNewPage).text("+++++").blanks(47).text("CAP ANALYSIS AND DESIGN DATA");
    if (groupSix_) {
      lines_ = kCapTableFirstLine - 2;
      groupSixHeading();
      return;
    }
    report_ << Line(kSkipLine).blanks(55).text("CAP MOMENTS AND SHEARS");
    report_ << Line(kSkipLine).blanks(30).text("MOMENTS(KIP-FEET)").blanks(29).text("**")
                   .blanks(21).text("SHEARS(KIPS)");
    report_ << Line(kSkipLine)
                   .text("POINT   D.L.TOT.  G1 MAX.+  ")
                   .text("G1 MAX.-  G2 MAX.+  G2 MAX.-  G3 MAX.+  G3 MAX.-")
                   .blanks(4)
                   .text("DL T.LT  DL T.RT  G1 + LT  G1 + RT  G1 - LT  G1 - RT");
    lines_ = kCapTableFirstLine;
  }

  Report& report_;
  int lines_ = 0;
  bool groupSix_ = false;
};

// The row of a column face as kept: the moments of its slots and the
// shears of its own side.
CapMomentsRow columnRow(const Problem& p, int c, char side, const std::array<int, 7>& moments,
                        const std::array<int, 3>& shears) {
  const auto& x = p.env.X[c];
  CapMomentsRow row;
  row.kind = 'C';
  row.number = c;
  row.side = side;
  for (size_t i = 0; i < moments.size(); ++i) row.moments[i] = x[moments[i]];
  // The left line fills the first, third and fifth shear columns, the
  // right line the second, fourth and sixth.
  const size_t first = side == 'R' ? 1 : 0;
  for (size_t i = 0; i < shears.size(); ++i) {
    row.shears[first + 2 * i] = x[shears[i]];
    row.has_shear[first + 2 * i] = true;
  }
  return row;
}

CapMomentsRow pointRow(const Problem& p, int q, int k, int number) {
  const auto& cp = p.env.CP[q][k];
  CapMomentsRow row;
  row.number = number;
  for (size_t i = 0; i < kPointMoments.size(); ++i)
    row.moments[i] = cp[kPointMoments[i]];
  for (size_t i = 0; i < kPointShears.size(); ++i) {
    row.shears[i] = cp[kPointShears[i]];
    row.has_shear[i] = true;
  }
  return row;
}

Line printedRow(const CapMomentsRow& row) {
  Line l(kSkipLine);
  if (row.kind == 'C') {
    l.ch('C').i(row.number, 2).ch(row.side).blanks(2);
  } else {
    l.ch('P').i(row.number, 2).blanks(3);
  }
  for (float m : row.moments) l.f(m, kMomentWidth, kDecimals);
  l.blanks(2);
  // An empty shear column is left blank; nothing follows the last filled one.
  int gap = 0;
  for (size_t i = 0; i < row.shears.size(); ++i) {
    if (!row.has_shear[i]) {
      gap += kShearGap;
      continue;
    }
    l.blanks(gap).f(row.shears[i], kShearWidth, kDecimals);
    gap = 0;
  }
  return l;
}

// Keeps the row, with its group VI moments when group VI was formed, and
// prints its line of the table.
void keepAndPrint(Problem& p, CapTable& table, CapMomentsRow row, float g6max, float g6min) {
  row.has_group_six = p.env.groupSix;
  if (row.has_group_six) {
    row.G6_max = g6max;
    row.G6_min = g6min;
  }
  p.results.cap_moments.push_back(row);
  table.line(printedRow(row));
}

// Group VI, listed after the table when it was formed: group III with the
// temperature and shrinkage of the cap, under the same point labels.
void printGroupSix(CapTable& table, const std::vector<CapMomentsRow>& rows) {
  table.startGroupSix();
  for (const CapMomentsRow& r : rows) {
    Line l(kSkipLine);
    if (r.kind == 'C') l.ch('C').i(r.number, 2).ch(r.side).blanks(2);
    else l.ch('P').i(r.number, 2).blanks(3);
    table.line(l.f(r.G6_max, kMomentWidth, kDecimals).f(r.G6_min, kMomentWidth, kDecimals));
  }
}

}  // namespace

CapTableEnd printCapMomentsTable(Problem& p, Report& report, const MethodValues& method) {
  const float gamma = method.GAMMA;
  CapEnvelopes& env = p.env;
  CapTable table(report);
  CapTableEnd end;
  int point = 0;  // running load-point number
  const int nspan = std::min(p.dd.NSPAN, kMaxSegments);
  for (int k = p.dd.NCAN >= 1 ? 1 : 2; k <= nspan; ++k) {
    if (k != 1) {
      const int c = k - 1;  // the column at the segment's left end
      auto& x = p.env.X[static_cast<size_t>(c)];
      const size_t ci = static_cast<size_t>(c);
      if (k == nspan && p.dd.NCAN == 2) {  // right cantilever
        x[kRightGroupThreeMax] = x[kRightEnvelopeBMax] * gamma;
        x[kRightGroupThreeMin] = x[kRightEnvelopeBMin] * gamma;
        env.G6MAX.MR[ci] = x[kRightEnvelopeBMax] * method.groupSixGamma;
        env.G6MIN.MR[ci] = x[kRightEnvelopeBMin] * method.groupSixGamma;
      }
      keepAndPrint(p, table, columnRow(p, c, 'L', kRightFaceMoments, kRightFaceShears),
                   env.G6MAX.MR[ci], env.G6MIN.MR[ci]);
      point += p.col[static_cast<size_t>(c)].P;
    }
    for (int q = 1; q <= bearingCount(p, k); ++q) {
      ++point;
      ++end.points;
      keepAndPrint(p, table, pointRow(p, q, k, point), env.G6MAX.MP[k][q], env.G6MIN.MP[k][q]);
    }
    if (k != nspan || p.dd.NCAN <= 1) {  // the segment ends at column k
      auto& x = p.env.X[static_cast<size_t>(k)];
      const size_t ki = static_cast<size_t>(k);
      if (k == 1) {  // left cantilever
        x[kLeftGroupThreeMax] = x[kLeftEnvelopeBMax] * gamma;
        x[kLeftGroupThreeMin] = x[kLeftEnvelopeBMin] * gamma;
        env.G6MAX.ML[ki] = x[kLeftEnvelopeBMax] * method.groupSixGamma;
        env.G6MIN.ML[ki] = x[kLeftEnvelopeBMin] * method.groupSixGamma;
      }
      keepAndPrint(p, table, columnRow(p, k, 'R', kLeftFaceMoments, kLeftFaceShears),
                   env.G6MAX.ML[ki], env.G6MIN.ML[ki]);
    }
  }
  if (env.groupSix) printGroupSix(table, p.results.cap_moments);
  end.lines = table.lines();
  return end;
}

}  // namespace bentpier
