// Column cards: pile codes, defaults, checks, bar groups and mirror images.
#include "input_harness.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::Harness;
using testing::inum;
using testing::num;

struct ColumnSpec {
  int cn = 21;
  int P = 0;
  char I = 'C', T = 'R', S = ' ';
  double HT = 20.0, A = 0, DT = 3.0, BT = 0, DB = 0, BB = 0, DL = 0, FLEX = 0;
  int bars[12] = {};  // ND NB SZ of groups 1 to 4
  double SLOPE = 0, EP = 0, AP = 0;
};

std::string columnCard(const ColumnSpec& c) {
  std::vector<std::pair<int, std::string>> f = {
      {1, inum(c.cn, 2)}, {3, inum(c.P, 1)}, {4, std::string(1, c.I)}, {5, std::string(1, c.T)},
      {6, std::string(1, c.S)}};
  const double six[] = {c.HT, c.A, c.DT, c.BT, c.DB, c.BB};
  for (int i = 0; i < 6; ++i)
    if (six[i] != 0) f.push_back({7 + 5 * i, num(six[i], 5)});
  if (c.DL != 0) f.push_back({37, num(c.DL, 4)});
  if (c.FLEX != 0) f.push_back({41, num(c.FLEX, 4)});
  for (int i = 0; i < 12; ++i)
    if (c.bars[i] != 0) f.push_back({45 + 2 * i, inum(c.bars[i], 2)});
  if (c.SLOPE != 0) f.push_back({69, num(c.SLOPE, 4)});
  if (c.EP != 0) f.push_back({73, num(c.EP, 4)});
  if (c.AP != 0) f.push_back({77, num(c.AP, 4)});
  return cardWith(f);
}

std::string sameAs(int cn, int p, char code) {
  return cardWith({{1, inum(cn, 2)}, {3, inum(p, 1)}, {4, std::string(1, code)}});
}

void setBent(Problem& p, int ncol, char colopt = ' ', int rmode = 0) {
  p.dd.NCOL = ncol;
  p.dd.COLOPT = colopt;
  p.cs.RMODE = rmode;
}

Step readOne(const ColumnSpec& c, char colopt = ' ', int rmode = 0, Problem* out = nullptr) {
  Harness h({columnCard(c)});
  setBent(h.problem, 1, colopt, rmode);
  const Step s = readColumnCards(h.reader);
  if (out != nullptr) *out = h.problem;
  return s;
}

TEST(ColumnCards, PileCodesSetTheStandardPile) {
  const struct {
    char code;
    float depth;
    int number;
  } codes[] = {{'1', 1.035f, 1}, {'2', 1.239f, 2}, {'3', 1.217f, 3}, {'4', 2.028f, 4}, {'P', 2.5f, 5}};
  for (const auto& k : codes) {
    ColumnSpec c;
    c.S = k.code;
    c.T = 'T';       // replaced: piles are round
    c.DT = 2.5;      // replaced by the depth of a standard pile
    c.bars[0] = 8;   // ND of group 1, replaced
    c.bars[1] = 3;   // NB of group 1, kept
    c.bars[2] = 11;  // SZ of group 1, replaced
    Problem p;
    ASSERT_EQ(readOne(c, 'D', 0, &p), Step::Ok) << k.code;
    const Column& col = p.col[1];
    EXPECT_FLOAT_EQ(col.DT, k.depth) << k.code;
    EXPECT_EQ(col.T, 'R');
    EXPECT_EQ(col.S, 'P');
    EXPECT_EQ(col.ND[1], 4);
    EXPECT_EQ(col.NB[1], 3);
    EXPECT_EQ(col.SZ[1], 6);
    EXPECT_EQ(p.PILECODE, k.number);
    EXPECT_EQ(p.BATTER, 0);
    c.SLOPE = -0.25;
    ASSERT_EQ(readOne(c, 'D', 0, &p), Step::Ok) << k.code;
    EXPECT_EQ(p.BATTER, 1) << "a pile with a slope is battered";
  }
}

TEST(ColumnCards, WrongPileCodeIsReportedAndRejected) {
  ColumnSpec c;
  c.S = '7';
  Harness h({columnCard(c)});
  setBent(h.problem, 1);
  EXPECT_EQ(readColumnCards(h.reader), Step::Error);
  const std::vector<std::string> lines = h.lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), testing::reportLine(' ', 10, "*****     WRONG PILE CODE     ******"));
  EXPECT_EQ(lines[lines.size() - 2].substr(0, 11), "021 0 C R 7") << "the card is echoed first";
}

TEST(ColumnCards, BottomSectionDefaultsToTheTop) {
  ColumnSpec c;
  c.T = 'T';
  c.DT = 4.0;
  c.BT = 3.0;
  Problem p;
  ASSERT_EQ(readOne(c, ' ', 0, &p), Step::Ok);
  EXPECT_FLOAT_EQ(p.col[1].DB, 4.0f);
  EXPECT_FLOAT_EQ(p.col[1].BB, 3.0f);
  c.DB = 5.0;
  c.BB = 3.5;
  c.I = 'V';
  ASSERT_EQ(readOne(c, ' ', 0, &p), Step::Ok);
  EXPECT_FLOAT_EQ(p.col[1].DB, 5.0f);
  EXPECT_FLOAT_EQ(p.col[1].BB, 3.5f);
}

TEST(ColumnCards, GeometryChecks) {
  struct Case {
    const char* what;
    ColumnSpec c;
    bool ok;
  };
  auto with = [](auto change) {
    ColumnSpec c;
    change(c);
    return c;
  };
  const Case cases[] = {
      {"round column, solid", ColumnSpec{}, true},
      {"FLEX 1 is a pin", with([](ColumnSpec& c) { c.FLEX = 1.0; }), true},
      {"FLEX 1.01", with([](ColumnSpec& c) { c.FLEX = 1.01; }), false},
      {"FLEX -0.01", with([](ColumnSpec& c) { c.FLEX = -0.01; }), false},
      {"no height", with([](ColumnSpec& c) { c.HT = 0; }), false},
      {"no depth", with([](ColumnSpec& c) { c.DT = 0; }), false},
      {"negative height and depth", with([](ColumnSpec& c) { c.HT = -20; c.DT = -3; }), false},
      {"type X", with([](ColumnSpec& c) { c.T = 'X'; }), false},
      {"tied without width", with([](ColumnSpec& c) { c.T = 'T'; }), false},
      {"spiral without width", with([](ColumnSpec& c) { c.T = 'S'; }), false},
      {"tied with width", with([](ColumnSpec& c) { c.T = 'T'; c.BT = 3.0; }), true},
      {"hollow round", with([](ColumnSpec& c) { c.BT = 2.0; }), true},
      {"inner diameter not less than outer", with([](ColumnSpec& c) { c.BT = 3.0; }), false},
      {"tapered hollow round", with([](ColumnSpec& c) { c.I = 'V'; c.BT = 2.0; c.DB = 4.0; c.BB = 3.9; }),
       true},
      {"tapered, bottom inner diameter equal to outer",
       with([](ColumnSpec& c) { c.I = 'V'; c.BT = 2.0; c.DB = 3.5; c.BB = 3.5; }), false},
      {"tapered, bottom void by default the top one, wider than the bottom",
       with([](ColumnSpec& c) { c.I = 'V'; c.BT = 2.9; c.DT = 3.0; c.DB = 2.5; }), false},
      {"no clear height", with([](ColumnSpec& c) { c.DL = 20.0; }), false},
      {"tapered with rigid zone the whole height",
       with([](ColumnSpec& c) { c.I = 'V'; c.T = 'T'; c.BT = 3.0; c.A = 20.0; }), false},
      {"wrong card number", with([](ColumnSpec& c) { c.cn = 22; }), false},
  };
  for (const Case& k : cases) EXPECT_EQ(readOne(k.c), k.ok ? Step::Ok : Step::Error) << k.what;
}

TEST(ColumnCards, TiedBarCountIsCheckedOnlyUnderAColumnOption) {
  ColumnSpec c;
  c.T = 'T';
  c.BT = 3.0;
  c.bars[0] = 4;  // ND
  c.bars[1] = 1;  // NB: one bar a face
  c.bars[2] = 9;  // SZ
  EXPECT_EQ(readOne(c, ' '), Step::Ok);
  EXPECT_EQ(readOne(c, 'I'), Step::Error);
  EXPECT_EQ(readOne(c, 'D'), Step::Error);
  c.bars[1] = 2;
  EXPECT_EQ(readOne(c, 'D'), Step::Ok);
}

TEST(ColumnCards, BarSizes) {
  for (int size : {5, 8, 11, 14, 18}) {
    ColumnSpec c;
    c.bars[1] = 10;
    c.bars[2] = size;
    EXPECT_EQ(readOne(c, 'I'), Step::Ok) << size;
  }
  for (int size : {0, 4, 12, 13, 15, 19}) {
    ColumnSpec c;
    c.bars[1] = 10;
    c.bars[2] = size;
    EXPECT_EQ(readOne(c, 'I'), Step::Error) << size;
  }
}

TEST(ColumnCards, EmptyBarGroupsTakeTheGroupTheyStandFor) {
  ColumnSpec c;  // round, RMODE 0: group 3 stays empty
  c.bars[1] = 10;
  c.bars[2] = 9;
  Problem p;
  ASSERT_EQ(readOne(c, 'D', 0, &p), Step::Ok);
  const Column& r = p.col[1];
  EXPECT_EQ(r.NB[2], 10);
  EXPECT_EQ(r.SZ[2], 9);
  EXPECT_EQ(r.NB[3], 0);
  EXPECT_EQ(r.SZ[3], 0);
  EXPECT_EQ(r.SZ[4], 0) << "group 4 copies the empty group 3 and is not tested";

  // With RMODE 2 group 3 takes group 1 and group 4 takes group 3.
  ASSERT_EQ(readOne(c, 'D', 2, &p), Step::Ok);
  EXPECT_EQ(p.col[1].NB[3], 10);
  EXPECT_EQ(p.col[1].SZ[3], 9);
  EXPECT_EQ(p.col[1].NB[4], 10);
  EXPECT_EQ(p.col[1].SZ[4], 9);

  // A tied column always fills group 3 from group 1.
  ColumnSpec t = c;
  t.T = 'T';
  t.BT = 3.0;
  t.bars[0] = 3;
  ASSERT_EQ(readOne(t, 'I', 0, &p), Step::Ok);
  EXPECT_EQ(p.col[1].ND[3], 3);
  EXPECT_EQ(p.col[1].NB[3], 10);

  // Without a column option nothing is copied.
  ASSERT_EQ(readOne(c, ' ', 2, &p), Step::Ok);
  EXPECT_EQ(p.col[1].NB[2], 0);
  EXPECT_EQ(p.col[1].NB[3], 0);
}

TEST(ColumnCards, GivenBarGroupsAreTested) {
  ColumnSpec c;
  c.bars[1] = 10;
  c.bars[2] = 9;
  ColumnSpec bad2 = c;
  bad2.bars[4] = 12;  // NB of group 2
  bad2.bars[5] = 12;  // SZ of group 2: no such bar
  EXPECT_EQ(readOne(bad2, 'I'), Step::Error);
  ColumnSpec bad3 = c;
  bad3.bars[8] = 4;  // SZ of group 3
  EXPECT_EQ(readOne(bad3, 'I'), Step::Error);
  ColumnSpec bad4 = c;
  bad4.bars[9] = 2;  // ND of group 4 given, SZ 0: tested, and 0 is no bar
  EXPECT_EQ(readOne(bad4, 'I'), Step::Error);
  ColumnSpec good4 = bad4;
  good4.bars[11] = 11;
  EXPECT_EQ(readOne(good4, 'I'), Step::Ok);
}

TEST(ColumnCards, SameAsColumnMirrorsTheBatter) {
  ColumnSpec c1;
  c1.P = 2;
  c1.T = 'S';
  c1.BT = 3.0;
  c1.DT = 4.0;
  c1.SLOPE = 0.125;
  c1.DL = 1.5;
  c1.bars[0] = 4;
  c1.bars[1] = 6;
  c1.bars[2] = 9;
  ColumnSpec c2;
  c2.cn = 22;
  Harness h({columnCard(c1), columnCard(c2), sameAs(55, 1, '1')});  // reference: number not compared
  setBent(h.problem, 3);
  ASSERT_EQ(readColumnCards(h.reader), Step::Ok);
  const Column& a = h.problem.col[1];
  const Column& b = h.problem.col[3];
  EXPECT_EQ(b.P, 1) << "the reference keeps its own load points";
  EXPECT_EQ(b.I, 'C');
  EXPECT_EQ(b.T, 'S');
  EXPECT_FLOAT_EQ(b.HT, a.HT);
  EXPECT_FLOAT_EQ(b.DT, 4.0f);
  EXPECT_FLOAT_EQ(b.BT, 3.0f);
  EXPECT_FLOAT_EQ(b.DB, 4.0f);
  EXPECT_FLOAT_EQ(b.BB, 3.0f);
  EXPECT_FLOAT_EQ(b.DL, 1.5f);
  EXPECT_FLOAT_EQ(b.SLOPE, -0.125f);
  EXPECT_EQ(b.ND[1], 4);
  EXPECT_EQ(b.NB[1], 6);
  EXPECT_EQ(b.SZ[1], 9);
  EXPECT_EQ(h.linesStarting("55 1  3 SAME AS COLUMN 1").size(), 1u);
}

TEST(ColumnCards, SameAsColumnMustNameAnEarlierColumn) {
  ColumnSpec c1;
  {
    Harness h({sameAs(21, 0, '1')});
    setBent(h.problem, 1);
    EXPECT_EQ(readColumnCards(h.reader), Step::Error) << "column 1 cannot refer";
  }
  {
    Harness h({columnCard(c1), sameAs(22, 0, '2')});
    setBent(h.problem, 2);
    EXPECT_EQ(readColumnCards(h.reader), Step::Error) << "itself";
  }
  {
    Harness h({columnCard(c1), sameAs(22, 0, 'X')});
    setBent(h.problem, 2);
    EXPECT_EQ(readColumnCards(h.reader), Step::Error) << "not a digit";
  }
}

TEST(ColumnCards, EchoFollowsTheCardLayout) {
  ColumnSpec c;
  c.P = 1;
  c.T = 'T';
  c.HT = 28.0;
  c.DT = 4.0;
  c.BT = 3.0;
  c.DL = 1.5;
  c.bars[0] = 4;
  c.bars[1] = 6;
  c.bars[2] = 9;
  c.SLOPE = -0.25;
  c.EP = 1.25;
  Harness h({columnCard(c)});
  setBent(h.problem, 1);
  ASSERT_EQ(readColumnCards(h.reader), Step::Ok);
  const std::vector<std::string> lines = h.lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], testing::reportLine('0', 57, "COLUMN DATA"));
  EXPECT_EQ(lines[1],
            "0CN P I T S   HT     A      DT     BT     DB     BB     DL     FLEX  ND NB SZ ND NB SZ"
            " ND NB SZ ND NB SZ  SLOPE    EP     AP");
  // The echo shows the card as read, before the defaults.
  EXPECT_EQ(lines[2],
            "021 1 C T   28.000  0.000  4.000  3.000  0.000  0.000  1.500  0.000   4  6  9  0  0"
            "  0  0  0  0  0  0  0 -0.250  1.250  0.000");
}

}  // namespace
}  // namespace bentpier
