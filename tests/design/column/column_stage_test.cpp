// The column design stage on a column bent: the records of each end read
// into the section design, the critical-loads and design-data lines, the
// input-error stop, unstable sections with their loads, and the page rules.
//
// The sections are investigated under axial loads alone wherever the
// strength matters, so that every strength is P0 = PHIC (As FY + (AG - As)
// FCC2) and can be worked by hand.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "column_stage_fixture.h"
#include "driver/run.h"
#include "support/cards.h"
#include "support/sound_problem.h"

namespace bentpier::column {
namespace {

using testing::countLines;
using testing::EndSpec;
using testing::findLine;
using testing::loadSet;
using testing::ringBars;
using testing::roundSection;
using testing::searchLimits;
using testing::StageBent;
using testing::tiedSection;

const std::string kBanner = "1+++++" + std::string(35, ' ') + "COLUMN ANALYSIS AND DESIGN OUTPUT";
const std::string kDesignData = std::string(47, ' ') + "COLUMN DESIGN DATA";

::testing::AssertionResult startsWith(const std::string& line, const std::string& prefix) {
  if (line.compare(0, prefix.size(), prefix) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << '"' << line << "\" does not start with \"" << prefix << '"';
}

EndSpec axialEnd(float p, char gr = '1') {
  EndSpec e;
  e.sets = {loadSet(gr, p)};
  return e;
}

// A set whose first load pulls: the end cannot be designed.
EndSpec pullingEnd(int nload) {
  EndSpec e;
  e.sets.push_back(loadSet('1', -10.0f, 5.0f, 3.0f));
  for (int i = 2; i <= nload; ++i) e.sets.push_back(loadSet('3', 100.0f, 20.0f, 10.0f));
  return e;
}

// 36-inch round column, 8 #9 bars: AG = 3.141593 x 18^2 = 1017.876,
// P0 = 0.75 (8 x 60 + 1009.876 x 3.4) = 2935.18 kips; steel ratio
// 100 x 8 / 1017.876 = 0.786 percent.
TEST(ColumnStage, InvestigatedEndsPrintGoverningSetAndDesignData) {
  StageBent bent(1, 'S');
  EndSpec top;
  KeptSet first = loadSet('1', 1000.0f);
  first.LLID = "L1  ";
  // Group II under the service-load method: factor 1.25, and the factored
  // ratio 1.25 x 2935.18 / 1500 = 2.446 is below 2.935 of the first set.
  KeptSet second = loadSet('2', 1500.0f);
  second.LLID = "L2  ";
  second.WC = 31;
  second.FLAGR = 'R';
  second.FLAGC = 'C';
  second.FLAGS = 'S';
  second.PF = 1480.4f;
  second.MTF = -12.3f;
  second.MLF = 4.5f;
  second.BD12 = 1.0f;
  second.BD = 0.25f;
  second.SUMPU = 4567.4f;
  second.SUMPC = 98765.4f;
  second.DEL_T = 1.05f;
  second.DEL_L = 1.1f;
  second.CM = 0.85f;
  top.sets = {first, second};
  EndSpec bottom;
  KeptSet only = loadSet('1', 2000.0f);  // 2935.18 / 2000 = 1.468
  only.LLID = "L3";
  only.BD12 = 0.75f;
  only.BD = 0.5f;
  only.SUMPU = 1200.0f;
  only.SUMPC = 5000.0f;
  only.DEL_T = 1.0f;
  only.DEL_L = 1.0f;
  only.CM = 1.0f;
  bottom.sets = {only};
  bent.addColumn(1, top, bottom);

  const std::vector<std::string> expected = {
      kBanner,
      "0" + std::string(46, ' ') + "CRITICAL COLUMN LOADS",
      "0    T                  E  C  S",
      " CN  B  GR  LLC  WC  R  S  F  F    PF     MTF    MLF     PM      MTM     MLM"
      "     PU      MTU     MLU   PU/PM    B      D",
      "0 1  T  2  L2   3.1  R     C  S 1480.4   -12.3    4.5  1500.0     0.0     0.0"
      "  3669.0     0.0     0.0  2.446  36.00  36.00",
      "0 1  B  1  L3   0.0" + std::string(12, ' ') +
          " 2000.0     0.0    0.0  2000.0     0.0"
          "     0.0  2935.2     0.0     0.0  1.468  36.00  36.00",
      // 10 + 2 x 2 lines, + 4 x 1 column + 5 = 23: the same page.
      "0" + kDesignData,
      "0    T  B FACE 1  B FACE 2  D FACE 3  D FACE 4",
      " CN  B   NO.SIZE   NO.SIZE   NO.SIZE   NO.SIZE   AS     PS    BD12   BD     SUMPU"
      "     SUMPC   DEL.T     DEL.L      CM    R  PHIC",
      "0 1  T    8 #  9    0 #  0    0 #  0    0 #  0   8.00  0.786  1.00  0.250     4567"
      "     98765  1.050     1.100     0.850  1  0.75",
      "0 1  B    8 #  9    0 #  0    0 #  0    0 #  0   8.00  0.786  0.75  0.500     1200"
      "      5000  1.000     1.000     1.000  1  0.75",
  };
  EXPECT_EQ(bent.run(), expected);
}

TEST(ColumnStage, InputErrorEndsTheColumnReport) {
  {  // an unknown section letter on the first end
    StageBent bent(2);
    EndSpec bad = axialEnd(1000.0f);
    bad.type = 'Q';
    bent.addColumn(1, bad, axialEnd(1000.0f));
    bent.addColumn(2, axialEnd(1000.0f), axialEnd(1000.0f));
    const auto lines = bent.run();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], kBanner);
    EXPECT_EQ(lines[4], "0ERROR IN INPUT FOR COLUMN  1 T");
  }
  {  // an unknown option on the bottom of column 2: column 1 stands, no table
    StageBent bent(2);
    bent.addColumn(1, axialEnd(1000.0f), axialEnd(1000.0f));
    EndSpec bad = axialEnd(1000.0f);
    bad.option = 'X';
    bent.addColumn(2, axialEnd(1000.0f), bad);
    const auto lines = bent.run();
    EXPECT_EQ(countLines(lines, "0 1  T  1"), 1);
    EXPECT_EQ(countLines(lines, "0 2  T  1"), 1);
    EXPECT_EQ(lines.back(), "0ERROR IN INPUT FOR COLUMN  2 B");
    EXPECT_EQ(findLine(lines, "COLUMN DESIGN DATA"), -1);
  }
  {  // a hollow round column whose wall cannot hold a bar and its two covers
    StageBent bent(1);
    EndSpec hollow = axialEnd(1000.0f);
    hollow.section.B = 30.0f;
    bent.addColumn(1, hollow, axialEnd(1000.0f));
    const auto lines = bent.run();
    EXPECT_EQ(lines.back(), "0ERROR IN INPUT FOR COLUMN  1 T");
  }
  {  // the records end before the last column
    StageBent bent(2);
    bent.addColumn(1, axialEnd(1000.0f), axialEnd(1000.0f));
    const auto lines = bent.run();
    EXPECT_EQ(lines.back(), "0ERROR IN INPUT FOR COLUMN  2 T");
    EXPECT_EQ(findLine(lines, "COLUMN DESIGN DATA"), -1);
  }
}

TEST(ColumnStage, NoColumnRecordsPrintNothing) {
  StageBent none(1);
  none.p->rec.COLREC.clear();
  EXPECT_TRUE(none.run().empty());
  StageBent zero(0);
  EXPECT_TRUE(zero.run().empty());
}

TEST(ColumnStage, UnstableEndListsItsLoadsAndTheHeaderFollowsOnANewPage) {
  StageBent bent(2, 'S');
  bent.addColumn(1, pullingEnd(2), axialEnd(1000.0f));
  bent.addColumn(2, axialEnd(1000.0f), axialEnd(1000.0f));
  const auto lines = bent.run();
  const std::vector<std::string> listing = {
      "0COLUMN  1 T UNSTABLE OR NO DESIGN POSSIBLE", "0LOADS  PM        MTM        MLM     GR.AOS",
      "     -10.000      5.000      3.000    1.00",
      "     100.000     20.000     10.000    1.25",  // group III, service loads
  };
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 8), listing);
  // The next designed end comes under a new header; the ends after it not.
  EXPECT_EQ(lines[8], kBanner);
  EXPECT_TRUE(startsWith(lines[12], "0 1  B  1"));
  EXPECT_TRUE(startsWith(lines[13], "0 2  T  1"));
  EXPECT_TRUE(startsWith(lines[14], "0 2  B  1"));
  EXPECT_EQ(countLines(lines, "COLUMN ANALYSIS AND DESIGN OUTPUT"), 2);
  // The design data of the three designed ends: 16 + 8 + 5 - 2 = 27.
  EXPECT_EQ(lines[15], "0" + kDesignData);
  EXPECT_EQ(lines.size(), 21u);
  EXPECT_TRUE(startsWith(lines[18], "0 1  B"));
}

// 36-inch round column of f'c 4 ksi whose steel may not pass 0.01 percent:
// no arrangement lies within the limits, so no design is possible.
TEST(ColumnStage, EveryEndUnstableStillPrintsTheDesignDataTitles) {
  StageBent bent(1, 'S');
  EndSpec e;
  e.option = 'D';
  e.section.MAX_P = 0.0001f;
  e.bars = searchLimits(1, 6, 5, 20, 11, 2.5f);
  e.sets = {loadSet('1', 100.0f, 50.0f, 20.0f)};
  bent.addColumn(1, e, e);
  const auto lines = bent.run();
  EXPECT_EQ(countLines(lines, "UNSTABLE OR NO DESIGN POSSIBLE"), 2);
  EXPECT_EQ(countLines(lines, "     100.000     50.000     20.000    1.00"), 2);
  // 10 + (4 + 1) x 2 = 20; 20 + 4 + 5 - 4 = 25: the same page.
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[10], "0" + kDesignData);
  EXPECT_TRUE(startsWith(lines[12], " CN  "));
}

TEST(ColumnStage, FaceSizesPrintAsBarNumbers) {
  StageBent bent(2, 'L');
  // Design of a tied 16 x 16 column limited to two #14 bars a face
  // (pattern 1: no bars on the D faces); As = 4 x 2.25 = 9.00, ratio
  // 100 x 9 / 256 = 3.516 percent.
  EndSpec tied;
  tied.option = 'D';
  tied.type = 'T';
  tied.section = tiedSection(16.0f, 16.0f);
  tied.bars = searchLimits(1, 2, 14, 2, 14, 2.0f);
  tied.sets = {loadSet('1', 50.0f, 10.0f, 10.0f)};
  // Design of a 36-inch round column limited to six #18 bars: As = 24.00,
  // ratio 100 x 24 / 1017.876 = 2.358 percent.
  EndSpec round;
  round.option = 'D';
  round.bars = searchLimits(1, 6, 18, 6, 18, 2.5f);
  round.sets = {loadSet('1', 100.0f, 50.0f, 50.0f)};
  bent.addColumn(1, tied, round);
  // Investigation of eight #14 and eight #18 bars.
  EndSpec ring14 = axialEnd(1000.0f), ring18 = axialEnd(1000.0f);
  ring14.bars = ringBars(8, 14, 2.5f);
  ring18.bars = ringBars(8, 18, 2.5f);
  bent.addColumn(2, ring14, ring18);

  const auto lines = bent.run();
  const int table = findLine(lines, "COLUMN DESIGN DATA");
  ASSERT_GE(table, 0);
  ASSERT_EQ(lines.size(), static_cast<size_t>(table + 7));
  EXPECT_TRUE(
      startsWith(lines[table + 3], "0 1  T    2 # 14    2 # 14    0 #  0    0 #  0   9.00  3.516"));
  EXPECT_TRUE(
      startsWith(lines[table + 4], "0 1  B    6 # 18    0 #  0    0 #  0    0 #  0  24.00  2.358"));
  EXPECT_TRUE(
      startsWith(lines[table + 5], "0 2  T    8 # 14    0 #  0    0 #  0    0 #  0  18.00"));
  EXPECT_TRUE(
      startsWith(lines[table + 6], "0 2  B    8 # 18    0 #  0    0 #  0    0 #  0  32.00"));
  // The tied section prints its width, the round one its diameter twice.
  EXPECT_EQ(lines[4].substr(lines[4].size() - 14), "  16.00  16.00");
  EXPECT_EQ(lines[5].substr(lines[5].size() - 14), "  36.00  36.00");
}

// Twelve columns: 23 ends designed bring the count to 10 + 46 = 56; the
// last end lists its loads after a blank line while 56 + 4 title lines +
// loads stays within 62, and on a new page beyond.
TEST(ColumnStage, UnstableListingStartsANewPageWhenItsLoadsDoNotFit) {
  for (int nload : {2, 3}) {
    StageBent bent(12);
    for (int c = 1; c <= 11; ++c) bent.addColumn(c, axialEnd(1000.0f), axialEnd(1000.0f));
    bent.addColumn(12, axialEnd(1000.0f), pullingEnd(nload));
    const auto lines = bent.run();
    const int listing = findLine(lines, "COLUMN 12 B UNSTABLE");
    ASSERT_GE(listing, 0);
    EXPECT_EQ(lines[static_cast<size_t>(listing)][0], nload == 2 ? '0' : '1') << nload;
    EXPECT_EQ(countLines(lines, "COLUMN ANALYSIS AND DESIGN OUTPUT"), 1);
    // 56 + 4 + 2 = 62: 62 + 48 + 5 - 2 passes 62 and the table starts a
    // new page; on the new page 4 + 4 + 3 = 11 and 11 + 48 + 5 - 2 = 62
    // fits after it.
    const int table = findLine(lines, "COLUMN DESIGN DATA");
    ASSERT_GE(table, 0);
    EXPECT_EQ(lines[static_cast<size_t>(table)], (nload == 2 ? "1" : "0") + kDesignData);
    EXPECT_EQ(lines.size(), static_cast<size_t>(table + 3 + 23));
  }
}

TEST(ColumnStage, TwelveDesignedColumnsFitOnePageAndTheTableGoesOver) {
  StageBent bent(12);
  for (int c = 1; c <= 12; ++c) bent.addColumn(c, axialEnd(1000.0f), axialEnd(1000.0f));
  const auto lines = bent.run();
  // 24 lines bring the count to 58, never above 61: one header.
  EXPECT_EQ(countLines(lines, "COLUMN ANALYSIS AND DESIGN OUTPUT"), 1);
  EXPECT_TRUE(startsWith(lines[4 + 23], "012  B"));
  // 58 + 48 + 5 = 111 passes 62.
  EXPECT_EQ(lines[4 + 24], "1" + kDesignData);
  EXPECT_EQ(lines.size(), static_cast<size_t>(4 + 24 + 3 + 24));
}

TEST(ColumnStage, PageBudget) {
  ColumnPage page;
  page.header();
  for (int i = 0; i < 25; ++i) page.criticalLine();
  EXPECT_EQ(page.lines(), 60);
  EXPECT_FALSE(page.headerDue());
  page.criticalLine();
  EXPECT_TRUE(page.headerDue());  // 62 is above 61

  page.header();
  EXPECT_FALSE(page.headerDue());
  EXPECT_FALSE(page.unstableOnNewPage(48));  // 10 + 4 titles + 48 = 62
  EXPECT_TRUE(page.unstableOnNewPage(49));
  page.unstableListing(3, false);  // 10 + 4 + 3
  EXPECT_EQ(page.lines(), 17);
  EXPECT_TRUE(page.headerDue());
  page.unstableListing(5, true);  // a new page: 4 + 4 + 5
  EXPECT_EQ(page.lines(), 13);

  // 13 + 4 x 11 + 5 - 2 x 0 = 62 fits; one column more does not, unless
  // two ends were unstable.
  EXPECT_FALSE(page.designDataOnNewPage(11, 0, 0));
  EXPECT_TRUE(page.designDataOnNewPage(12, 0, 0));
  EXPECT_FALSE(page.designDataOnNewPage(12, 2, 0));
  EXPECT_TRUE(page.designDataOnNewPage(11, 0, 1));  // a note line more
  // Within the table: 5 + 26 x 2 + 3 = 60; one more line fits, one with
  // its note passes 62.
  page.designDataHeader(true);
  for (int i = 0; i < 26; ++i) page.designLine(false);
  page.designLine(true);
  EXPECT_FALSE(page.designLineOnNewPage(false));
  EXPECT_TRUE(page.designLineOnNewPage(true));
}

TEST(ColumnStage, RecordsOfAnEndReachTheSectionDesign) {
  StageBent bent(1, 'L');
  EndSpec e;
  e.option = 'D';
  e.type = 'T';
  e.section.B = 18.25f;
  e.section.D = 30.5f;
  e.section.FPC = 5.0f;
  e.section.PHIC = 0.7f;
  e.section.MIN_P = 0.015f;
  e.section.MAX_P = 0.06f;
  e.section.CLR = 1.75f;
  e.section.FCC2 = 4.25f;
  e.section.EC = 4031.0f;
  e.section.EPSCU = 0.0035f;
  e.bars = searchLimits(2, 3, 8, 6, 10, 2.563f);
  e.bars.group[3] = bentpier::BarGroup{1, 8, 0.0f};
  e.bars.group[4] = bentpier::BarGroup{4, 10, 0.0f};
  for (int i = 1; i <= kListSize; ++i)
    e.sets.push_back(loadSet(i % 2 ? '1' : '5', 10.0f * i, 1.0f * i, 2.0f * i));
  e.nload = 30;  // more than an end keeps
  bent.addEnd(1, kTopEnd, e);

  RecordCursor cursor(bent.p->rec.COLREC);
  ASSERT_NE(cursor.next(), nullptr);
  ColumnEndData d;
  ASSERT_TRUE(readColumnEnd(cursor, bent.p->lists.COL[1][kTopEnd], 'L', d));
  EXPECT_EQ(d.OPTION, 'D');
  EXPECT_EQ(d.TYPE, 'T');
  EXPECT_FLOAT_EQ(d.B, 18.25f);
  EXPECT_FLOAT_EQ(d.D, 30.5f);
  EXPECT_FLOAT_EQ(d.FPC, 5.0f);
  EXPECT_FLOAT_EQ(d.FY, 60.0f);
  EXPECT_FLOAT_EQ(d.PHIC, 0.7f);
  EXPECT_FLOAT_EQ(d.PHIB, 0.9f);
  EXPECT_FLOAT_EQ(d.MINRATIO, 0.015f);
  EXPECT_FLOAT_EQ(d.MAXRATIO, 0.06f);
  EXPECT_FLOAT_EQ(d.CLR, 1.75f);
  EXPECT_FLOAT_EQ(d.FCC2, 4.25f);
  EXPECT_FLOAT_EQ(d.EC, 4031.0f);
  EXPECT_FLOAT_EQ(d.ES, 29000.0f);
  EXPECT_FLOAT_EQ(d.EPSCU, 0.0035f);
  EXPECT_EQ(d.IPAT, 2);
  EXPECT_FLOAT_EQ(d.COVER, 2.563f);
  const int counts[] = {0, 3, 6, 1, 4}, sizes[] = {0, 8, 10, 8, 10};
  for (int g = 1; g <= 4; ++g) {
    EXPECT_EQ(d.GROUP[g].N, counts[g]) << g;
    EXPECT_EQ(d.GROUP[g].SZ, sizes[g]) << g;
    EXPECT_EQ(d.GROUP[g].COVER, 0.0f) << g;
  }
  EXPECT_EQ(d.LMODE, 3);
  EXPECT_EQ(d.NLOAD, 30);
  EXPECT_EQ(d.FLAGX, 1);
  EXPECT_EQ(d.FLAGY, 1);
  // Loads by ranking position, the 25 an end keeps.
  for (int i = 1; i <= 25; ++i) {
    EXPECT_EQ(d.LOAD[i].PM, 10.0f * i) << i;
    EXPECT_EQ(d.LOAD[i].MTM, 1.0f * i) << i;
    EXPECT_EQ(d.LOAD[i].MLM, 2.0f * i) << i;
    EXPECT_EQ(d.LOAD[i].GR, i % 2 ? '1' : '5') << i;
  }
  EXPECT_EQ(d.METHOD, 'L');
  EXPECT_FALSE(d.PILEBENT);
  // The bottom end's records are not there.
  EXPECT_FALSE(readColumnEnd(cursor, bent.p->lists.COL[1][kBottomEnd], 'L', d));
}

TEST(ColumnStage, PrintedBarSizes) {
  EXPECT_EQ(printedBarSize({4, 12}), 14);
  EXPECT_EQ(printedBarSize({4, 13}), 18);
  EXPECT_EQ(printedBarSize({4, 11}), 11);
  EXPECT_EQ(printedBarSize({0, 9}), 0);
}

// The tied column of the sound problem investigated under the load-factor
// method: with OC blank it takes 0.70, the factor of a tied section, in the
// section strength and in the moment magnifiers alike (SUMPC carries it);
// a given OC holds as given.
TEST(ColumnStage, CompressionFactorOfATiedColumnUnderTheLoadFactorMethod) {
  auto designData = [](const std::string& oc) {
    std::string deck = bentpier::testing::kSoundProblem;
    const size_t card1 = deck.find('\n') + 1, card2 = deck.find('\n', card1) + 1;
    deck[card1 + 3] = 'I';  // column option
    deck.replace(card2 + 19, 3, oc);
    std::istringstream in(deck);
    std::ostringstream out, diag;
    Report rep(out);
    runDeck(in, rep, RunStamp{}, diag);
    rep.finish();
    const auto lines = bentpier::testing::reportLines(out.str());
    const int top = findLine(lines, " 1  T    6 #  9", findLine(lines, "COLUMN DESIGN DATA"));
    return top < 0 ? std::string() : lines[static_cast<size_t>(top)];
  };
  const std::string blank = designData("   "), given = designData("080");
  ASSERT_FALSE(blank.empty());
  ASSERT_FALSE(given.empty());
  EXPECT_EQ(blank.substr(blank.size() - 4), "0.70");
  EXPECT_EQ(given.substr(given.size() - 4), "0.80");
  // SUMPC (the 20th field) is PHIC times the same critical load.
  auto sumpc = [](const std::string& line) {
    std::istringstream fields(line);
    std::string f;
    for (int i = 0; i < 20; ++i) fields >> f;
    return std::stod(f);
  };
  EXPECT_NEAR(sumpc(blank) / sumpc(given), 0.70 / 0.80, 2e-4);
}

}  // namespace
}  // namespace bentpier::column
