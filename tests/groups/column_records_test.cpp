// The column store: bar records worked by hand for both bar modes and both
// column options, and the section and load-count records of a small bent.
#include <gtest/gtest.h>

#include "groups/load_groups.h"

namespace bentpier {
namespace {

// Bar groups (ND, NB, SZ): 1 (4, 6, 9), 2 (2, 4, 10), 3 (6, 8, 11),
// 4 (0, 10, 8).
Column columnWithBars(char type) {
  Column c;
  c.T = type;
  c.ND = {0, 4, 2, 6, 0};
  c.NB = {0, 6, 4, 8, 10};
  c.SZ = {0, 9, 10, 11, 8};
  return c;
}

struct Pair {
  int count, size;
};

void expectPairs(const ColumnBarRecord& r, std::array<Pair, 4> want, const char* what) {
  for (int g = 1; g <= 4; ++g) {
    EXPECT_EQ(r.group[g].count, want[g - 1].count) << what << ", pair " << g;
    EXPECT_EQ(r.group[g].size, want[g - 1].size) << what << ", pair " << g;
  }
}

TEST(GroupsColumnBars, BarModeFollowsRmodeOrTheColumnType) {
  EXPECT_EQ(columnBarRecords(columnWithBars('T'), 'D', 0, 2.5f)[1].IPAT, 2);
  EXPECT_EQ(columnBarRecords(columnWithBars('S'), 'D', 0, 2.5f)[1].IPAT, 1);
  EXPECT_EQ(columnBarRecords(columnWithBars('R'), 'D', 0, 2.5f)[2].IPAT, 1);
  EXPECT_EQ(columnBarRecords(columnWithBars('T'), 'D', 1, 2.5f)[2].IPAT, 1);
  EXPECT_EQ(columnBarRecords(columnWithBars('R'), 'I', 2, 2.5f)[1].IPAT, 2);
  EXPECT_FLOAT_EQ(columnBarRecords(columnWithBars('R'), 'I', 2, 2.5f)[2].CLEAR, 2.5f);
}

TEST(GroupsColumnBars, CircularPatternDesignSearchesFromGroupOneToGroupThree) {
  const auto r = columnBarRecords(columnWithBars('S'), 'D', 0, 2.5f);
  // Top: NB1 = 6 + 4, NB3 = 8 + 6; the D counts fold into the B counts.
  EXPECT_EQ(r[1].TOT, 0);
  EXPECT_EQ(r[1].TSZ, 0);
  expectPairs(r[1], {{{10, 9}, {14, 11}, {0, 0}, {0, 0}}}, "top");
  // Bottom: NB2 = 4 + 2, NB4 = 10 + 0.
  EXPECT_EQ(r[2].TOT, 0);
  expectPairs(r[2], {{{6, 10}, {10, 8}, {0, 0}, {0, 0}}}, "bottom");
}

TEST(GroupsColumnBars, CircularPatternInvestigationTakesTheTotalOfEachEnd) {
  const auto r = columnBarRecords(columnWithBars('R'), 'I', 0, 2.5f);
  // Top: 4 + 6 + 8 + 6 bars of size 9; bottom: 2 + 4 + 10 + 0 of size 10.
  EXPECT_EQ(r[1].TOT, 24);
  EXPECT_EQ(r[1].TSZ, 9);
  expectPairs(r[1], {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}}, "top");
  EXPECT_EQ(r[2].TOT, 16);
  EXPECT_EQ(r[2].TSZ, 10);
  expectPairs(r[2], {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}}, "bottom");
}

TEST(GroupsColumnBars, FaceDesignGivesMinimumAndMaximumArrangements) {
  const auto r = columnBarRecords(columnWithBars('T'), 'D', 0, 2.5f);
  // Top: minimum 6 B bars #9 with 4 D bars #9, maximum 8 #11 with 6 D #11.
  EXPECT_EQ(r[1].TOT, 0);
  expectPairs(r[1], {{{6, 9}, {8, 11}, {4, 9}, {6, 11}}}, "top");
  // Bottom: group 4 has no D bars, so its D size is 0.
  expectPairs(r[2], {{{4, 10}, {10, 8}, {2, 10}, {0, 0}}}, "bottom");
}

TEST(GroupsColumnBars, FaceInvestigationTakesTheDFaceSizeOfTheSecondGroupAtEachEnd) {
  const auto r = columnBarRecords(columnWithBars('T'), 'I', 0, 2.5f);
  // Top: faces 1 and 2 hold 6 and 8 bars #9 (group 1's size), faces 3 and 4
  // hold 4 and 6 bars #11 (group 3's size).
  expectPairs(r[1], {{{6, 9}, {8, 9}, {4, 11}, {6, 11}}}, "top");
  // Bottom: faces 1 and 2 hold 4 and 10 bars #10 (group 2's size); face 3
  // holds 2 bars #8 (group 4's size), face 4 none. The top end's
  // rearrangement must not leak into the bottom's D-face size.
  expectPairs(r[2], {{{4, 10}, {10, 10}, {2, 8}, {0, 0}}}, "bottom");
}

// Two columns, a tied one and a round one, in a load-factor problem.
Problem twoColumnProblem() {
  Problem p;
  p.dd.NCOL = 2;
  p.dd.COLOPT = 'I';
  p.dd.FPC = 4.0f;  // ksi, as the load-group stage leaves it
  p.dd.FY = 60.0f;
  p.dd.EC = 3644.0f;
  p.dd.ES = 29000.0f;
  p.dd.CONC_STRAIN = 0.003f;
  p.cs.MIN_P = 1.0f;
  p.cs.MAX_P = 8.0f;
  p.cs.CL_SP = 2.25f;
  p.cs.CLEAR = 2.563f;
  p.cs.OC = 0.0f;
  p.cs.OF = 0.9f;
  p.col[1] = columnWithBars('T');
  p.col[1].BT = 3.0f;
  p.col[1].DT = 4.0f;
  p.col[1].BB = 3.5f;
  p.col[1].DB = 4.5f;
  p.col[2] = columnWithBars('R');
  p.col[2].DT = 3.0f;
  p.col[2].DB = 3.0f;
  p.lists.NCLS = 40;
  return p;
}

TEST(GroupsColumnRecords, StoreHoldsFourRecordsPerColumnEnd) {
  Problem p = twoColumnProblem();
  writeColumnRecords(p);
  const RecordStore& s = p.rec.COLREC;
  ASSERT_EQ(s.size(), 1 + 8 * 2);
  EXPECT_EQ(readColumnCountRecord(s.record(1)), 2);

  // Column 1 bottom: records 6 to 9.
  const ColumnOptionRecord option = readColumnOptionRecord(s.record(6));
  EXPECT_EQ(option.COLOPT, 'I');
  EXPECT_EQ(option.T, 'T');
  const ColumnSectionRecord section = readColumnSectionRecord(s.record(7));
  EXPECT_FLOAT_EQ(section.B, 42.0f);  // 3.5 ft
  EXPECT_FLOAT_EQ(section.D, 54.0f);  // 4.5 ft
  EXPECT_FLOAT_EQ(section.FPC, 4.0f);
  EXPECT_FLOAT_EQ(section.FY, 60.0f);
  EXPECT_FLOAT_EQ(section.PHIC, 0.70f);  // tied, none given
  EXPECT_FLOAT_EQ(section.PHIB, 0.9f);
  EXPECT_FLOAT_EQ(section.MIN_P, 0.01f);
  EXPECT_FLOAT_EQ(section.MAX_P, 0.08f);
  EXPECT_FLOAT_EQ(section.CLR, 2.25f);
  EXPECT_FLOAT_EQ(section.FCC2, 3.4f);
  EXPECT_FLOAT_EQ(section.EC, 3644.0f);
  EXPECT_FLOAT_EQ(section.ES, 29000.0f);
  EXPECT_FLOAT_EQ(section.EPSCU, 0.003f);
  const ColumnBarRecord bars = readColumnBarRecord(s.record(8));
  EXPECT_EQ(bars.IPAT, 2);
  EXPECT_FLOAT_EQ(bars.CLEAR, 2.563f);
  EXPECT_EQ(bars.group[3].size, 8);
  const ColumnLoadCountRecord loads = readColumnLoadCountRecord(s.record(9));
  EXPECT_EQ(loads.LMODE, 3);
  EXPECT_EQ(loads.NLOAD, 25);  // 40 offered, 25 kept
  EXPECT_EQ(loads.DIR1, 1);
  EXPECT_EQ(loads.DIR2, 1);

  // Column 2 top: a round column, 0.75 when no factor is given.
  EXPECT_EQ(readColumnOptionRecord(s.record(10)).T, 'R');
  const ColumnSectionRecord round = readColumnSectionRecord(s.record(11));
  EXPECT_FLOAT_EQ(round.PHIC, 0.75f);
  EXPECT_FLOAT_EQ(round.D, 36.0f);
  EXPECT_EQ(readColumnBarRecord(s.record(12)).TOT, 24);

  // Changes left in the store for the later stages.
  EXPECT_FLOAT_EQ(p.cs.MIN_P, 0.01f);
  EXPECT_FLOAT_EQ(p.cs.MAX_P, 0.08f);
  EXPECT_EQ(p.lists.NCLS, 25);
  // The working set is not written back.
  EXPECT_EQ(p.col[1].NB[1], 6);
  EXPECT_EQ(p.col[1].SZ[3], 11);
}

TEST(GroupsColumnRecords, AGivenCompressionFactorHoldsForEveryType) {
  Problem p = twoColumnProblem();
  p.cs.OC = 0.35f;
  p.lists.NCLS = 7;
  writeColumnRecords(p);
  EXPECT_FLOAT_EQ(readColumnSectionRecord(p.rec.COLREC.record(3)).PHIC, 0.35f);
  EXPECT_FLOAT_EQ(readColumnSectionRecord(p.rec.COLREC.record(11)).PHIC, 0.35f);
  EXPECT_EQ(readColumnLoadCountRecord(p.rec.COLREC.record(5)).NLOAD, 7);
  EXPECT_EQ(p.lists.NCLS, 7);
}

}  // namespace
}  // namespace bentpier
