// "CAP MOMENTS AND SHEARS": the order of the lines, the slots each shows,
// the point numbering past column loads, the cantilever replacements, the
// method scaling and the page rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "groups/load_groups.h"
#include "support/cards.h"

namespace bentpier {
namespace {

using testing::reportLines;

std::string field(float v, int width) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%*.3f", width, static_cast<double>(v));
  return buf;
}

// Distinct values that print exactly: X(c, s) = 100 c + s + 0.25 and
// CP(q, k, s) = +-(100 k + 10 q + s) + 0.125, negative for even s.
void fillEnvelopes(Problem& p) {
  for (int c = 1; c <= kMaxColumns; ++c)
    for (int s = 1; s <= kCapFaceSlots; ++s) p.env.X[c][s] = 100.0f * c + s + 0.25f;
  for (int q = 1; q <= kMaxBearings; ++q)
    for (int k = 1; k <= kMaxSegments; ++k)
      for (int s = 1; s <= kCapPointSlots; ++s)
        p.env.CP[q][k][s] = (s % 2 == 0 ? -1.0f : 1.0f) * (100 * k + 10 * q + s) + 0.125f;
}

// Three columns and two cantilevers: segment 1 with one bearing, spans 2
// and 3 with two and one, the right cantilever (4) with one. Column 1
// carries three load points, column 3 one.
Problem threeColumnsTwoCantilevers(char method) {
  Problem p;
  p.dd.NCOL = 3;
  p.dd.NCAN = 2;
  p.dd.NSPAN = 4;
  p.dd.METHOD = method;
  p.cap[1].NB = 1;
  p.cap[2].NB = 2;
  p.cap[3].NB = 1;
  p.cap[4].NB = 1;
  p.col[1].P = 3;
  p.col[3].P = 1;
  fillEnvelopes(p);
  return p;
}

std::vector<std::string> printTable(Problem& p, float gamma, CapTableEnd* end = nullptr) {
  std::ostringstream out;
  Report report(out, true);
  MethodValues method;
  method.GAMMA = gamma;
  const CapTableEnd e = printCapMomentsTable(p, report, method);
  report.finish();
  if (end) *end = e;
  return reportLines(out.str());
}

// Carriage control, a label letter and a number in two columns.
std::string labelled(char letter, int number) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0%c%2d", letter, number);
  return buf;
}

std::string blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

// Carriage control, n blanks, then the text.
std::string indented(char cc, int n, const std::string& text) {
  std::string s(1, cc);
  s += blanks(n);
  s += text;
  return s;
}

std::string leftColumnLine(const Problem& p, int c) {
  const auto& x = p.env.X[c];
  std::string s = labelled('C', c);
  s += "L  ";
  for (int slot : {4, 8, 12, 14, 16, 18, 20}) s += field(x[slot], 10);
  s += "  ";
  s += field(x[2], 9) + blanks(9) + field(x[6], 9) + blanks(9) + field(x[10], 9);
  return s;
}

std::string rightColumnLine(const Problem& p, int c) {
  const auto& x = p.env.X[c];
  std::string s = labelled('C', c);
  s += "R  ";
  for (int slot : {3, 7, 11, 13, 15, 17, 19}) s += field(x[slot], 10);
  s += "  ";
  s += blanks(9) + field(x[1], 9) + blanks(9) + field(x[5], 9) + blanks(9) + field(x[9], 9);
  return s;
}

std::string pointLine(const Problem& p, int q, int k, int number) {
  const auto& cp = p.env.CP[q][k];
  std::string s = labelled('P', number);
  s += "   ";
  for (int slot : {1, 4, 7, 10, 11, 12, 13}) s += field(cp[slot], 10);
  s += "  ";
  for (int slot : {2, 3, 5, 6, 8, 9}) s += field(cp[slot], 9);
  return s;
}

TEST(GroupsCapTable, HeadingLines) {
  Problem p = threeColumnsTwoCantilevers('S');
  const auto lines = printTable(p, 1.0f);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], indented('1', 0, "+++++" + blanks(47) + "CAP ANALYSIS AND DESIGN DATA"));
  EXPECT_EQ(lines[1], indented('0', 55, "CAP MOMENTS AND SHEARS"));
  EXPECT_EQ(lines[2], indented('0', 30, "MOMENTS(KIP-FEET)" + blanks(29) + "**" + blanks(21) +
                                            "SHEARS(KIPS)"));
  EXPECT_EQ(lines[3],
            "0POINT   D.L.TOT.  G1 MAX.+  G1 MAX.-  G2 MAX.+  G2 MAX.-  G3 MAX.+  G3 MAX.-    "
            "DL T.LT  DL T.RT  G1 + LT  G1 + RT  G1 - LT  G1 - RT");
}

TEST(GroupsCapTable, EveryValueEndsUnderTheEndOfItsTitle) {
  Problem p = threeColumnsTwoCantilevers('S');
  const auto lines = printTable(p, 1.0f);
  const std::string& titles = lines[3];
  auto endOf = [&](const std::string& title) { return titles.find(title) + title.size(); };
  // Point P 5: each value's last digit sits in the last column of its title.
  const std::string& point = lines[7];
  ASSERT_EQ(point.substr(0, 4), "0P 5");
  const auto& cp = p.env.CP[1][2];
  const std::pair<const char*, float> columns[] = {
      {"D.L.TOT.", cp[1]}, {"G1 MAX.+", cp[4]}, {"G1 MAX.-", cp[7]}, {"G2 MAX.+", cp[10]},
      {"G2 MAX.-", cp[11]}, {"G3 MAX.+", cp[12]}, {"G3 MAX.-", cp[13]}, {"DL T.LT", cp[2]},
      {"DL T.RT", cp[3]}, {"G1 + LT", cp[5]}, {"G1 + RT", cp[6]}, {"G1 - LT", cp[8]},
      {"G1 - RT", cp[9]}};
  for (const auto& [title, value] : columns) {
    const std::string v = field(value, 1);
    EXPECT_EQ(point.substr(endOf(title) - v.size(), v.size()), v) << title;
  }
  // A right column line fills the RT columns, a left one the LT columns.
  const std::string& right = lines[5];
  ASSERT_EQ(right.substr(0, 5), "0C 1R");
  const std::string dlRight = field(p.env.X[1][1], 1);
  EXPECT_EQ(right.substr(endOf("DL T.RT") - dlRight.size(), dlRight.size()), dlRight);
  EXPECT_EQ(right.substr(endOf("DL T.LT") - 7, 7), blanks(7));
  const std::string& left = lines[6];
  ASSERT_EQ(left.substr(0, 5), "0C 1L");
  const std::string g1Left = field(p.env.X[1][6], 1);
  EXPECT_EQ(left.substr(endOf("G1 + LT") - g1Left.size(), g1Left.size()), g1Left);
}

TEST(GroupsCapTable, LinesInCapOrderWithPointsNumberedPastColumnLoads) {
  Problem p = threeColumnsTwoCantilevers('S');
  CapTableEnd end;
  const auto lines = printTable(p, 1.0f, &end);
  // Left cantilever: group III of column 1's outer face is envelope B.
  const float x1_21 = p.env.X[1][21], x1_22 = p.env.X[1][22];
  const float x3_23 = p.env.X[3][23], x3_24 = p.env.X[3][24];
  EXPECT_FLOAT_EQ(p.env.X[1][17], x1_21);
  EXPECT_FLOAT_EQ(p.env.X[1][19], x1_22);
  EXPECT_FLOAT_EQ(p.env.X[3][18], x3_23);
  EXPECT_FLOAT_EQ(p.env.X[3][20], x3_24);
  // Column 1 carries load points 2 to 4, so span 2 starts at point 5;
  // column 3 carries point 8, so the right cantilever's bearing is point 9.
  const std::vector<std::string> want = {
      pointLine(p, 1, 1, 1),  rightColumnLine(p, 1), leftColumnLine(p, 1), pointLine(p, 1, 2, 5),
      pointLine(p, 2, 2, 6),  rightColumnLine(p, 2), leftColumnLine(p, 2), pointLine(p, 1, 3, 7),
      rightColumnLine(p, 3),  leftColumnLine(p, 3),  pointLine(p, 1, 4, 9)};
  ASSERT_EQ(lines.size(), 4 + want.size());
  for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(lines[4 + i], want[i]) << "entry " << i + 1;
  EXPECT_EQ(end.points, 5);
  EXPECT_EQ(end.lines, 6 + 11);
}

TEST(GroupsCapTable, WithoutCantileversTheTableOpensWithColumnOnesSpanFace) {
  Problem p;
  p.dd.NCOL = 2;
  p.dd.NCAN = 0;
  p.dd.NSPAN = 2;
  p.cap[1].NB = 3;  // no cantilever: never listed
  p.cap[2].NB = 1;
  fillEnvelopes(p);
  const float before = p.env.X[1][17];
  const auto lines = printTable(p, 1.3f);
  ASSERT_EQ(lines.size(), 4u + 3u);
  EXPECT_EQ(lines[4], leftColumnLine(p, 1));
  EXPECT_EQ(lines[5], pointLine(p, 1, 2, 1));
  EXPECT_EQ(lines[6], rightColumnLine(p, 2));
  EXPECT_FLOAT_EQ(p.env.X[1][17], before);
}

TEST(GroupsCapTable, OneCantileverGivesItsPointsThenColumnOnesOuterFace) {
  Problem p;
  p.dd.NCOL = 1;
  p.dd.NCAN = 1;
  p.dd.NSPAN = 1;
  p.cap[1].NB = 2;
  fillEnvelopes(p);
  const auto lines = printTable(p, 1.3f);
  ASSERT_EQ(lines.size(), 4u + 3u);
  EXPECT_EQ(lines[4], pointLine(p, 1, 1, 1));
  EXPECT_EQ(lines[5], pointLine(p, 2, 1, 2));
  EXPECT_EQ(lines[6], rightColumnLine(p, 1));
  // Envelope B times GAMMA in the group III columns.
  EXPECT_FLOAT_EQ(p.env.X[1][17], (100.0f + 21 + 0.25f) * 1.3f);
  EXPECT_FLOAT_EQ(p.env.X[1][19], (100.0f + 22 + 0.25f) * 1.3f);
}

// Twelve columns, eleven spans of two bearings: 44 entries.
TEST(GroupsCapTable, TwentyFiveEntriesToAPageThenTheHeadingAgain) {
  Problem p;
  p.dd.NCOL = 12;
  p.dd.NCAN = 0;
  p.dd.NSPAN = 12;
  for (int k = 2; k <= 12; ++k) p.cap[k].NB = 2;
  fillEnvelopes(p);
  CapTableEnd end;
  const auto lines = printTable(p, 1.0f, &end);
  ASSERT_EQ(lines.size(), 4u + 25u + 4u + 19u);
  for (size_t i = 4; i < 29; ++i) EXPECT_NE(lines[i][0], '1') << i;
  // The count reaches 31 after the 25th entry: the 26th starts a new page.
  EXPECT_EQ(lines[29], lines[0]);
  EXPECT_EQ(lines[32], lines[3]);
  EXPECT_EQ(lines[33].substr(0, 4), "0P13");  // 26th entry: span 8's first bearing
  EXPECT_EQ(end.lines, 6 + 19);
  EXPECT_EQ(end.points, 22);
}

}  // namespace
}  // namespace bentpier
