// Design data and column reinforcing steel cards: defaults, checks, echo.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "input/reader.h"
#include "support/cards.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::reportLines;

// Card 1 of a three-column, four-case service-load problem; fields not
// given are blank and take their defaults.
std::string designCard(std::vector<std::pair<int, std::string>> extra = {}) {
  std::vector<std::pair<int, std::string>> f = {
      {1, "01"}, {3, "DDIS"}, {7, "2"}, {8, " 3"}, {10, " 4"}, {12, "15"}, {14, "30"},
      {16, "00"}, {18, "4000"}, {28, "60000"}, {33, "24000"}, {42, "29000"},
      {54, "11"}, {56, " 5"}, {58, " 6"}, {60, " 6"}, {62, " 8"}, {64, " 3"}};
  f.insert(f.end(), extra.begin(), extra.end());
  return cardWith(f);
}

std::string steelCard(std::vector<std::pair<int, std::string>> extra = {}) {
  std::vector<std::pair<int, std::string>> f = {{1, "02"}};
  f.insert(f.end(), extra.begin(), extra.end());
  return cardWith(f);
}

struct Harness {
  explicit Harness(const std::string& deck_text) : in(deck_text), deck(in), report(out) {}
  std::istringstream in;
  std::ostringstream out, diag;
  Deck deck;
  Report report;
  Problem problem;
  ProblemReader reader{deck, report, problem, diag};
  std::string printed() { report.finish(); return out.str(); }
};

TEST(DesignDataCard, BlankStrengthsTakeTheirDefaults) {
  Harness h(cardWith({{1, "01"}, {8, " 1"}, {10, " 1"}}) + "\n");
  ASSERT_EQ(readDesignData(h.reader), Step::Ok);
  const DesignData& d = h.problem.dd;
  EXPECT_FLOAT_EQ(d.FPC, 3000.0f);
  EXPECT_FLOAT_EQ(d.FC, 1200.0f);
  EXPECT_FLOAT_EQ(d.FY, 40000.0f);
  EXPECT_FLOAT_EQ(d.FS, 20000.0f);
  // 57619.03125 x sqrt(3000) / 1000 = 3155.92
  EXPECT_NEAR(d.EC, 3155.92f, 0.01f);
  EXPECT_FLOAT_EQ(d.ES, 29000.0f);
  EXPECT_NEAR(d.N, 29000.0f / 3155.92f, 1e-4f);
  EXPECT_FLOAT_EQ(d.CONC_STRAIN, 0.003f);
  EXPECT_FLOAT_EQ(d.Z, 170.0f);
  EXPECT_EQ(d.MAINSZ, 11);
  EXPECT_EQ(d.STRSZ, 5);
  EXPECT_EQ(d.MAXTOP, 6);
  EXPECT_EQ(d.MAXBOT, 6);
  EXPECT_EQ(d.MINSZ, 11);
  EXPECT_FLOAT_EQ(d.TOPCL, 2.0f);
  EXPECT_FLOAT_EQ(d.MINSSP, 4.0f);
  EXPECT_FLOAT_EQ(d.DEPINC, 0.0f);  // no cap option: no depth increment
  EXPECT_FLOAT_EQ(d.BOTCL, 2.31f);
  EXPECT_EQ(d.METHOD, 'L');
  EXPECT_FLOAT_EQ(d.SINSKW, 0.0f);
  EXPECT_FLOAT_EQ(d.COSSKW, 1.0f);
}

TEST(DesignDataCard, NegativeValuesDefaultLikeBlanks) {
  Harness h(designCard({{28, "-4000"}, {18, "  -1"}, {54, "-1"}, {3, "X"}}) + "\n");
  ASSERT_EQ(readDesignData(h.reader), Step::Ok);
  EXPECT_FLOAT_EQ(h.problem.dd.FY, 40000.0f);
  EXPECT_FLOAT_EQ(h.problem.dd.FPC, 3000.0f);
  EXPECT_EQ(h.problem.dd.MAINSZ, 11);
  EXPECT_FLOAT_EQ(h.problem.dd.DEPINC, 3.0f);  // any cap option designs
}

TEST(DesignDataCard, OptionCharactersAreNormalised) {
  Harness h(designCard({{3, " xDX"}}) + "\n");
  ASSERT_EQ(readDesignData(h.reader), Step::Ok);
  EXPECT_EQ(h.problem.dd.CAPOPT, ' ');
  EXPECT_EQ(h.problem.dd.COLOPT, 'I');
  EXPECT_EQ(h.problem.dd.FTGOPT, 'D');
  EXPECT_EQ(h.problem.dd.METHOD, 'L');
}

TEST(DesignDataCard, SkewAngle) {
  Harness h(designCard({{12, "90"}, {14, "00"}, {16, "00"}}) + "\n");
  ASSERT_EQ(readDesignData(h.reader), Step::Ok);
  EXPECT_NEAR(h.problem.dd.SINSKW, 1.0f, 1e-6f);
  EXPECT_NEAR(h.problem.dd.COSSKW, 0.0f, 1e-5f);

  Harness h2(designCard() + "\n");  // 15-30-00 = 15.5 degrees
  ASSERT_EQ(readDesignData(h2.reader), Step::Ok);
  EXPECT_NEAR(h2.problem.dd.SINSKW, std::sin(15.5 * M_PI / 180.0), 1e-6);
}

TEST(DesignDataCard, RangeChecks) {
  struct Case {
    std::vector<std::pair<int, std::string>> fields;
    bool ok;
  };
  const Case cases[] = {
      {{{7, "3"}}, false},            // three cantilevers
      {{{8, " 0"}}, false},           // no column
      {{{8, "12"}}, true},
      {{{8, "13"}}, false},
      {{{10, " 0"}}, false},          // no live-load case
      {{{10, "25"}}, true},
      {{{10, "26"}}, false},
      {{{12, "91"}}, false},          // skew degrees
      {{{14, "60"}}, false},          // minutes
      {{{16, "59"}}, true},
      {{{16, "60"}}, false},          // seconds
      {{{54, "14"}}, true},           // main bar sizes 14 and 18 exist
      {{{54, "18"}}, true},
      {{{54, "12"}}, false},
      {{{56, "12"}}, false},          // stirrup size
      {{{62, "18"}}, true},
      {{{62, "13"}}, false},          // minimum bar size
      {{{64, "12"}}, true},           // minimum bars: two layers of six
      {{{64, "13"}}, false},
      {{{58, " 2"}, {64, " 5"}}, false},  // two top layers hold four
      {{{60, " 2"}, {64, " 5"}}, false},  // and two bottom layers
      {{{3, " DIS"}, {64, "13"}}, true},  // no cap design: not checked
      {{{1, "02"}}, false},           // card number
  };
  for (const Case& c : cases) {
    Harness h(designCard(c.fields) + "\n");
    EXPECT_EQ(readDesignData(h.reader), c.ok ? Step::Ok : Step::Error)
        << c.fields[0].first << " '" << c.fields[0].second << "'";
  }
}

TEST(DesignDataCard, EchoLinesToTheColumn) {
  Harness h(designCard() + "\n");
  ASSERT_EQ(readDesignData(h.reader), Step::Ok);
  const auto lines = reportLines(h.printed());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], std::string(60, ' ') + "DESIGN DATA");
  EXPECT_EQ(lines[2].substr(0, 29), " DESIGN NO. NO. NO. SKEW ANG ");
  EXPECT_EQ(lines[3].substr(0, 22), "OPTIONS CAN COL LLC  D");
  EXPECT_EQ(lines[4], std::string(84, ' ') + "SIZE SIZ TOP  BOT SIZE  NO.  CL.  S.SP INCR. CL.");
  // EC = 57619.03125 sqrt(4000)/1000 = 3644.15, N = 29000/3644.15 = 7.96.
  const std::string values =
      "D D I S" "  2" "   3" "   4" "  15" "-30" "-00" "  4000" "  1600" " 8.0"
      "  60000" "  24000" "  3644" "  29000" " 0.0030" "  170"
      "  11" "   5" "   6" "    6" "    8" "    3" "  2.00" "  4.00" " 3.00" " 2.31";
  EXPECT_EQ(lines[5], values);
  EXPECT_EQ(values.size(), 132u);
  // The unit titles stand over their values.
  EXPECT_EQ(lines[3].substr(30, 3), "PSI");   // over F'C, columns 29-34
  EXPECT_EQ(lines[3].substr(84, 4), "MAIN");  // over MAINSZ, columns 84-87
}

TEST(DesignDataCard, EndOfInputAndBadNumbers) {
  Harness empty("");
  EXPECT_EQ(readDesignData(empty.reader), Step::End);

  // A problem cut short by the next title card: an order error, and the
  // title is neither echoed nor consumed.
  Harness cut("*B030002NEXT BENT\n");
  EXPECT_EQ(readDesignData(cut.reader), Step::Error);
  EXPECT_EQ(cut.printed().find("DESIGN DATA"), std::string::npos);
  Card title;
  ASSERT_TRUE(cut.deck.next(title));
  EXPECT_TRUE(title.startsWith("*B03"));

  Harness bad(designCard({{18, "4OOO"}}) + "\n");
  EXPECT_EQ(readDesignData(bad.reader), Step::Error);
  EXPECT_NE(bad.diag.str().find("columns 18-21"), std::string::npos);
  EXPECT_NE(bad.diag.str().find("\"4OOO\""), std::string::npos);
}

class ColumnSteelCard : public ::testing::Test {
 protected:
  // Reads card 1 (for the method and column count) and then card 2.
  Step read(const std::string& card2, char method = 'S', const char* ncol = " 3") {
    std::string card1 = designCard({{6, std::string(1, method)}, {8, ncol}});
    h = std::make_unique<Harness>(card1 + "\n" + card2 + "\n");
    EXPECT_EQ(readDesignData(h->reader), Step::Ok);
    return readColumnSteel(h->reader);
  }
  std::unique_ptr<Harness> h;
};

TEST_F(ColumnSteelCard, DefaultsUnderServiceLoad) {
  ASSERT_EQ(read(steelCard()), Step::Ok);
  const ColumnSteel& c = h->problem.cs;
  EXPECT_FLOAT_EQ(c.MIN_P, 1.0f);
  EXPECT_FLOAT_EQ(c.MAX_P, 8.0f);
  EXPECT_FLOAT_EQ(c.CL_SP, 2.25f);
  EXPECT_FLOAT_EQ(c.CLEAR, 2.563f);
  EXPECT_FLOAT_EQ(c.KLCOEF, 2.0f);
  EXPECT_FLOAT_EQ(c.OC, 0.35f);
  EXPECT_FLOAT_EQ(c.OF, 0.35f);
  EXPECT_FLOAT_EQ(c.CM, 0.0f);  // several columns: no default
  EXPECT_FLOAT_EQ(c.BD1, 1.0f);
  EXPECT_FLOAT_EQ(c.BD2, 0.0f);
  EXPECT_FLOAT_EQ(c.SOILWT, 0.12f);
  EXPECT_FLOAT_EQ(c.MINPLSP, 2.5f);
  EXPECT_FLOAT_EQ(c.MAXPLSP, 5.0f);
  EXPECT_FLOAT_EQ(c.EDGEDIST, 1.25f);
  EXPECT_FLOAT_EQ(c.PILEDEPTH, 0.75f);
  EXPECT_FLOAT_EQ(c.REBARCLR, 3.0f);
  EXPECT_EQ(h->problem.dd.NSPAN, 4);  // 3 columns + 2 cantilevers - 1
}

TEST_F(ColumnSteelCard, DefaultsUnderLoadFactorAndOneColumn) {
  ASSERT_EQ(read(steelCard(), 'L', " 1"), Step::Ok);
  EXPECT_FLOAT_EQ(h->problem.cs.OC, 0.0f);  // each column by its section
  EXPECT_FLOAT_EQ(h->problem.cs.OF, 0.9f);
  EXPECT_FLOAT_EQ(h->problem.cs.CM, 1.0f);
}

TEST_F(ColumnSteelCard, ImpactBecomesAFraction) {
  ASSERT_EQ(read(steelCard({{35, "3000"}})), Step::Ok);
  EXPECT_NEAR(h->problem.cs.IMPACT, 30.0f / 130.0f, 1e-6f);
  // The echo shows the percentage as read.
  EXPECT_NE(h->printed().find(" 30.00"), std::string::npos);
}

TEST_F(ColumnSteelCard, FactorsAboveOneAreErrorsBeforeTheEcho) {
  for (int col : {20, 23, 26, 29, 32}) {
    EXPECT_EQ(read(steelCard({{col, "101"}})), Step::Error) << col;
    EXPECT_EQ(h->printed().find("COLUMN REINFORCING STEEL"), std::string::npos);
  }
  EXPECT_EQ(read(steelCard({{20, "100"}})), Step::Ok);
}

TEST_F(ColumnSteelCard, ModeAndCardNumberAreCheckedAfterTheEcho) {
  EXPECT_EQ(read(steelCard({{16, "3"}})), Step::Error);
  EXPECT_NE(h->printed().find("COLUMN REINFORCING STEEL"), std::string::npos);
  EXPECT_EQ(read(steelCard({{1, "03"}})), Step::Error);
  EXPECT_EQ(h->reader.numberRead(), 3);
  EXPECT_EQ(h->reader.expected(), 2);
  EXPECT_EQ(read(steelCard({{16, "2"}})), Step::Ok);
}

TEST_F(ColumnSteelCard, ImpactOfMinusOneHundredIsRejected) {
  EXPECT_EQ(read(steelCard({{35, "-100"}})), Step::Ok);       // -1.00 percent
  EXPECT_EQ(read(steelCard({{35, "-1E4"}})), Step::Error);    // -100 percent: would divide by zero
}

TEST_F(ColumnSteelCard, EchoLinesToTheColumn) {
  ASSERT_EQ(read(steelCard({{3, "150"}, {35, "3000"}, {42, " 4000"}, {66, "120000"},
                            {77, "P"}})),
            Step::Ok);
  const auto lines = reportLines(h->printed());
  ASSERT_GE(lines.size(), 4u);
  const size_t n = lines.size();
  EXPECT_EQ(lines[n - 4], "");
  EXPECT_EQ(lines[n - 3].substr(0, 26), "COLUMN REINFORCING STEEL  ");
  const std::string values =
      " 1.50" "  8.00" "  2.25" "  2.563" "   0" "  2.00" " 0.35" " 0.35" " 0.00" " 1.00"
      " 0.00" " 30.00" "  0.120" "    4.000" "  2.50" "  5.00" "  1.250" " 0.750" " 3.000"
      " 120.000" "    0.000" "  P";
  EXPECT_EQ(lines[n - 1], values);
}

}  // namespace
}  // namespace bentpier
