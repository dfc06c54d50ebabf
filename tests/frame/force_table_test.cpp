// Layout and paging of the per-case column force table, and the row
// arithmetic of the stored cases.
#include "frame/force_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "frame/stored_cases.h"
#include "support/cards.h"

namespace bentpier {
namespace {

std::vector<std::string> rawLines(const std::string& text) {
  return testing::reportLines(text);
}

struct TableFixture {
  explicit TableFixture(int ncol) : p(std::make_unique<Problem>()), rep(out, /*raw=*/true) {
    p->dd.NCOL = ncol;
    // Row r of column c holds r + c/10, so every field is told apart.
    for (int r = kRowML; r <= kRowPSTAT; ++r)
      for (int c = 1; c <= ncol; ++c)
        f.row[static_cast<size_t>(r)][static_cast<size_t>(c)] =
            static_cast<float>(r) + 0.1f * static_cast<float>(c);
  }
  std::vector<std::string> print(const CaseTitle& t) {
    printForceTable(*p, f, rep, count, t);
    rep.finish();
    return rawLines(out.str());
  }
  std::unique_ptr<Problem> p;
  ColumnForces f;
  std::ostringstream out;
  Report rep;
  int count = kForceTableFirstCount;
};

// The eleven values of column c in the order PC MT V MB RF ML MR MT V MB MF
// (rows 5 4 3 6 8 1 2 9 12 10 11), each 10 wide with 3 decimals.
std::string valuesOf(int c) {
  std::string s;
  for (int r : {5, 4, 3, 6, 8, 1, 2, 9, 12, 10, 11}) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%10.3f", r + 0.1 * c);
    s += buf;
  }
  return s;
}

TEST(ForceTable, HeadingOnANewPageAndTheLabelledCase) {
  TableFixture t(2);
  const auto lines = t.print(CaseTitle::labelled("UNIT F.AT CL.CAP"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "1+++++" + std::string(33, ' ') +
                          "COLUMN MOMENTS(KIP-FEET), SHEARS(KIPS), REACTIONS(KIPS)");
  EXPECT_EQ(lines[1], "0" + std::string(51, ' ') + "TRANSVERSE" + std::string(30, ' ') + "*" +
                          std::string(13, ' ') + "LONGITUDINAL");
  const auto b = [](int n) { return std::string(static_cast<size_t>(n), ' '); };
  EXPECT_EQ(lines[2], "0" + b(7) + "LOAD" + b(8) + "COL" + b(5) + "PC" + b(8) + "MT" + b(8) + "V" +
                          b(9) + "MB" + b(8) + "RF" + b(8) + "ML" + b(8) + "MR" + b(8) + "MT" +
                          b(9) + "V" + b(8) + "MB" + b(8) + "MF");
  EXPECT_EQ(lines[3], "0UNIT F.AT CL.CAP   1" + valuesOf(1));
  EXPECT_EQ(lines[4], " " + std::string(18, ' ') + " 2" + valuesOf(2));
  // PC of column 1 (5.1) ends in column 30 of the text, under "PC".
  EXPECT_EQ(lines[3].substr(21, 10), "     5.100");
  EXPECT_EQ(t.count, 8 + 1 + 2);
}

TEST(ForceTable, DeadLoadAddsTheBottomAxialLoadUnderEveryColumn) {
  TableFixture t(2);
  t.count = 10;
  const auto lines = t.print(CaseTitle::labelled("DEAD LOAD TOTAL ", true));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "0DEAD LOAD TOTAL    1" + valuesOf(1));
  EXPECT_EQ(lines[1], " " + std::string(20, ' ') + "     7.100");
  EXPECT_EQ(lines[2], " " + std::string(18, ' ') + " 2" + valuesOf(2));
  EXPECT_EQ(lines[3], " " + std::string(20, ' ') + "     7.200");
  EXPECT_EQ(t.count, 10 + 2 + 1 + 2);
}

TEST(ForceTable, WindAndLiveLoadLabels) {
  TableFixture t(1);
  t.count = 10;
  auto lines = t.print(CaseTitle::windCase(3, 4, 2));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "0GROUP 3 WIND 4 2   1" + valuesOf(1));
  TableFixture u(1);
  u.count = 10;
  lines = u.print(CaseTitle::liveLoad("HS20"));
  EXPECT_EQ(lines[0], "0LIVE LOAD HS20     1" + valuesOf(1));
}

TEST(ForceTable, TwelveColumnsFitFourCasesToAPage) {
  TableFixture t(12);
  std::vector<int> counts;
  for (int k = 0; k < 6; ++k) {
    printForceTable(*t.p, t.f, t.rep, t.count, CaseTitle::labelled("STREAM FLOW     "));
    counts.push_back(t.count);
  }
  t.rep.finish();
  const auto lines = rawLines(t.out.str());
  int pages = 0;
  for (const std::string& l : lines) pages += l[0] == '1';
  EXPECT_EQ(lines.size(), 2u * 3 + 6 * 12);
  EXPECT_EQ(lines[3 + 4 * 12][0], '1');  // the fifth case opens the second page
  EXPECT_EQ(counts, (std::vector<int>{21, 34, 47, 60, 21, 34}));
  EXPECT_EQ(pages, 2);
}

TEST(ForceTable, TitleBeginningXXSuppressesTheTable) {
  TableFixture t(3);
  t.p->TITLE = "XX TEST BENT";
  const auto lines = t.print(CaseTitle::labelled("STREAM FLOW     "));
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(t.count, kForceTableFirstCount);
  TableFixture u(3);
  u.p->TITLE = "X TEST BENT";
  EXPECT_FALSE(u.print(CaseTitle::labelled("STREAM FLOW     ")).empty());
}

TEST(StoredCases, RunsOfRowsAreCopiedAddedAndScaled) {
  ForceRows a{}, b{};
  for (int r = 1; r <= kForceRows; ++r)
    for (int c = 1; c <= 3; ++c) b[static_cast<size_t>(r)][static_cast<size_t>(c)] = 10.0f * r + c;
  storeRows(a, b, kRowsVtoRF, 2);
  EXPECT_EQ(a[kRowMR][1], 0.0f);   // before the run
  EXPECT_EQ(a[kRowV][1], 31.0f);
  EXPECT_EQ(a[kRowRF][2], 82.0f);
  EXPECT_EQ(a[kRowRF][3], 0.0f);   // beyond NCOL
  EXPECT_EQ(a[kRowMTL][1], 0.0f);  // after the run
  addRows(a, b, kRowsVtoVL, 2, 2.0f);
  EXPECT_EQ(a[kRowV][1], 31.0f * 3);
  EXPECT_EQ(a[kRowVL][2], 122.0f * 2);
  subtractRows(a, b, kRowsVtoVL, 2);
  EXPECT_EQ(a[kRowV][1], 31.0f * 2);
  scaleRows(a, a, kRowsMLtoVL, 2, -0.5f);
  EXPECT_EQ(a[kRowV][1], -31.0f);
  EXPECT_EQ(a[kRowML][1], 0.0f);
}

TEST(StoredCases, SignAddPushesAwayFromZeroInTheSourceDirection) {
  ForceRows d{}, e{};
  d[kRowV][1] = -40.0f;  // dead load negative
  e[kRowV][1] = 5.0f;
  d[kRowPC][1] = 300.0f;
  e[kRowPC][1] = 20.0f;
  d[kRowMT][1] = 0.0f;   // zero counts as positive
  e[kRowMT][1] = 7.0f;
  signAddRows(e, d, kRowsVtoRF, 1);
  EXPECT_EQ(e[kRowV][1], -45.0f);
  EXPECT_EQ(e[kRowPC][1], 320.0f);
  EXPECT_EQ(e[kRowMT][1], 7.0f);
}

}  // namespace
}  // namespace bentpier
