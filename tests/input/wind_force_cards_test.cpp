// Wind cards (groups II and III), the miscellaneous forces card and the
// seismic cards.
#include "input_harness.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::Harness;
using testing::inum;
using testing::num;

// Group II card with the given standard code and (FT, FL) pairs in psf.
std::string groupII(int code, std::vector<std::pair<int, int>> pairs, int cn = 41) {
  std::vector<std::pair<int, std::string>> f = {
      {1, inum(cn, 2)}, {3, num(780, 6)}, {9, num(520, 6)}, {15, inum(code, 1)},
      {36, num(6.5, 5)}, {41, num(6.25, 5)}, {46, num(3.2, 5)}, {51, num(1.8, 5)}};
  for (size_t i = 0; i < pairs.size(); ++i) {
    f.push_back({16 + 4 * static_cast<int>(i), inum(pairs[i].first, 2)});
    f.push_back({18 + 4 * static_cast<int>(i), inum(pairs[i].second, 2)});
  }
  return cardWith(f);
}

// Group III card: superstructure pairs (psf) and live-load pairs (lb/ft).
std::string groupIII(int code, std::vector<std::pair<int, int>> pairs, int ll_code,
                     std::vector<std::pair<int, int>> ll_pairs, int cn = 42) {
  std::vector<std::pair<int, std::string>> f = {
      {1, inum(cn, 2)}, {3, inum(code, 1)}, {24, inum(ll_code, 1)},
      {46, num(105.5, 5)}, {51, num(98.0, 5)}, {56, num(10.5, 5)}, {61, num(9.75, 5)}};
  for (size_t i = 0; i < pairs.size(); ++i) {
    f.push_back({4 + 4 * static_cast<int>(i), inum(pairs[i].first, 2)});
    f.push_back({6 + 4 * static_cast<int>(i), inum(pairs[i].second, 2)});
  }
  for (size_t i = 0; i < ll_pairs.size(); ++i) {
    if (i == 0) {
      f.push_back({25, inum(ll_pairs[0].first, 3)});
      f.push_back({28, inum(ll_pairs[0].second, 2)});
    } else {
      f.push_back({30 + 4 * static_cast<int>(i - 1), inum(ll_pairs[i].first, 2)});
      f.push_back({32 + 4 * static_cast<int>(i - 1), inum(ll_pairs[i].second, 2)});
    }
  }
  return cardWith(f);
}

const std::string kPlainGroupIII = groupIII(0, {{20, 5}}, 0, {{40, 10}});

TEST(WindCards, StandardTableReplacesTheGroupIIPairs) {
  Harness h({groupII(1, {{10, 10}, {0, 0}}), kPlainGroupIII});
  ASSERT_EQ(readWindCards(h.reader), Step::Ok);
  const WindLoads& w = h.problem.wind;
  EXPECT_EQ(w.NW2, 5);
  const float ft[] = {0, 0.05f, 0.044f, 0.041f, 0.033f, 0.017f};
  const float fl[] = {0, 0.0f, 0.006f, 0.012f, 0.016f, 0.019f};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_FLOAT_EQ(w.WFT2[i], ft[i]) << i;
    EXPECT_FLOAT_EQ(w.WFL2[i], fl[i]) << i;
  }
  EXPECT_FLOAT_EQ(w.WAT, 780.0f);
  EXPECT_FLOAT_EQ(w.WAL, 520.0f);
  EXPECT_FLOAT_EQ(w.APT2, 6.5f);
  EXPECT_FLOAT_EQ(w.APL2, 6.25f);
  EXPECT_FLOAT_EQ(w.PT2, 3.2f);
  EXPECT_FLOAT_EQ(w.PL2, 1.8f);
  // The table values are what the echo shows.
  EXPECT_EQ(h.lines()[3],
            "0     780       520   1    50   0    44   6    41  12    33  16    17  19    6.500"
            "   6.250    3.200   1.800");
}

TEST(WindCards, GroupIIDirectionsEndAtTheFirstEmptyPair) {
  Harness h({groupII(0, {{40, 0}, {30, 10}, {0, 0}, {20, 20}, {10, 5}}), kPlainGroupIII});
  ASSERT_EQ(readWindCards(h.reader), Step::Ok);
  const WindLoads& w = h.problem.wind;
  EXPECT_EQ(w.NW2, 2);
  EXPECT_FLOAT_EQ(w.WFT2[1], 0.040f);
  EXPECT_FLOAT_EQ(w.WFL2[1], 0.0f);
  EXPECT_FLOAT_EQ(w.WFT2[2], 0.030f);
  EXPECT_FLOAT_EQ(w.WFL2[2], 0.010f);
  EXPECT_FLOAT_EQ(w.WFT2[4], 0.0f) << "nothing stored past the empty pair";
}

TEST(WindCards, GroupIIIIsThirtyPercentOfTheSuperstructureWind) {
  Harness h({groupII(0, {{50, 0}}), groupIII(0, {{50, 0}, {0, 0}, {0, 0}, {40, 20}}, 0,
                                              {{100, 0}, {88, 12}})});
  ASSERT_EQ(readWindCards(h.reader), Step::Ok);
  const WindLoads& w = h.problem.wind;
  // Direction 2 has live-load wind only; direction 3 is all zero and ends
  // the list before direction 4.
  EXPECT_EQ(w.NW3, 2);
  EXPECT_FLOAT_EQ(w.WFT3[1], 0.015f);  // 0.3 x 50 psf = 15 psf
  EXPECT_FLOAT_EQ(w.WFL3[1], 0.0f);
  EXPECT_FLOAT_EQ(w.LFT3[1], 0.100f);  // 100 lb/ft
  EXPECT_FLOAT_EQ(w.WFT3[2], 0.0f);
  EXPECT_FLOAT_EQ(w.LFT3[2], 0.088f);
  EXPECT_FLOAT_EQ(w.LFL3[2], 0.012f);
  EXPECT_FLOAT_EQ(w.WFT3[4], 0.0f);
  EXPECT_FLOAT_EQ(w.LLT, 105.5f);
  EXPECT_FLOAT_EQ(w.LLL, 98.0f);
  EXPECT_FLOAT_EQ(w.APT3, 10.5f);
  EXPECT_FLOAT_EQ(w.APL3, 9.75f);
}

TEST(WindCards, GroupIIIStandardTables) {
  Harness h({groupII(1, {}), groupIII(1, {}, 1, {})});
  ASSERT_EQ(readWindCards(h.reader), Step::Ok);
  const WindLoads& w = h.problem.wind;
  EXPECT_EQ(w.NW3, 5);
  const int ft[] = {0, 50, 44, 41, 33, 17}, fl[] = {0, 0, 6, 12, 16, 19};
  const int lft[] = {0, 100, 88, 82, 66, 34}, lfl[] = {0, 0, 12, 24, 32, 38};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_FLOAT_EQ(w.WFT3[i], 0.3f * ft[i] / 1000.0f) << i;
    EXPECT_FLOAT_EQ(w.WFL3[i], 0.3f * fl[i] / 1000.0f) << i;
    EXPECT_FLOAT_EQ(w.LFT3[i], lft[i] / 1000.0f) << i;
    EXPECT_FLOAT_EQ(w.LFL3[i], lfl[i] / 1000.0f) << i;
  }
  const std::vector<std::string> lines = h.lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], testing::reportLine('1', 0, "+++++" + std::string(47, ' ') + "GROUP II WIND"));
  EXPECT_EQ(lines[1],
            " SUPERSTRUCTURE AREA*STD.        WIND ON SUPERSTRUCTURE INTENSITIES       * WIND FORCE"
            " ARM  * WIND ON PIER");
  EXPECT_EQ(lines[2],
            "   TRANS.     LONG.  WIND FT1 FL1   FT2 FL2   FT3 FL3   FT4 FL4   FT5 FL5     APT     APL"
            "      PT      PL");
  EXPECT_EQ(lines[4], testing::reportLine('0', 58, "GROUP III WIND"));
  EXPECT_EQ(lines[5],
            " STD. *   WIND ON SUPERSTRUCTURE INTENSITIES    *  STD. *      WIND ON LIVE LOAD"
            " INTENSITIES      *  LENGTHS OF LL * WIND ON LL ARMS");
  EXPECT_EQ(lines[6],
            " WIND FT1 FL1  FT2 FL2  FT3 FL3  FT4 FL4  FT5 FL5  WIND FT1 FL1  FT2 FL2  FT3 FL3  FT4"
            " FL4  FT5 FL5   TRANS.  LONGI.   APT     APL");
  EXPECT_EQ(lines[7],
            "0  1   50   0   44   6   41  12   33  16   17  19   1   100   0   88  12   82  24   66"
            "  32   34  38   105.5    98.0  10.500   9.750");
}

TEST(WindCards, CardNumbersAreChecked) {
  {
    Harness h({groupII(1, {}, 42), kPlainGroupIII});
    EXPECT_EQ(readWindCards(h.reader), Step::Error);
    EXPECT_EQ(h.lines().size(), 4u) << "the card is echoed before the error";
  }
  {
    Harness h({groupII(1, {}), groupIII(1, {}, 1, {}, 43)});
    EXPECT_EQ(readWindCards(h.reader), Step::Error);
  }
}

std::string miscCard(int nseis, int cn = 43) {
  return cardWith({{1, inum(cn, 2)},     {3, num(4.5, 6)},       {9, num(9.0, 6)},
                   {15, num(10.5, 5)},   {20, num(10.25, 5)},    {25, "   18000"},  // 0.00018
                   {33, num(0.0002, 8)}, {41, num(12.0, 5)},     {46, num(4.0, 5)},
                   {51, inum(nseis, 2)}});
}

std::string seismicCard(int col, std::vector<int> forces, int cn = 44) {
  std::vector<std::pair<int, std::string>> f = {{1, inum(cn, 2)}, {3, inum(col, 2)}};
  for (size_t i = 0; i < forces.size(); ++i) f.push_back({5 + 5 * static_cast<int>(i), inum(forces[i], 5)});
  return cardWith(f);
}

TEST(ForceCards, MiscellaneousForces) {
  Harness h({miscCard(0), seismicCard(1, {1})});
  h.problem.dd.NCOL = 1;
  ASSERT_EQ(readForceCards(h.reader), Step::Ok);
  const MiscForces& m = h.problem.misc;
  EXPECT_FLOAT_EQ(m.FT, 4.5f);
  EXPECT_FLOAT_EQ(m.FL, 9.0f);
  EXPECT_FLOAT_EQ(m.APT, 10.5f);
  EXPECT_FLOAT_EQ(m.APL, 10.25f);
  EXPECT_FLOAT_EQ(m.EXPC, 0.00018f);  // eight implied decimals
  EXPECT_FLOAT_EQ(m.SHRC, 0.0002f);
  EXPECT_FLOAT_EQ(m.PT, 12.0f);
  EXPECT_FLOAT_EQ(m.PL, 4.0f);
  EXPECT_EQ(m.NSEIS, 0);
  Card next;
  EXPECT_TRUE(h.deck.next(next)) << "no seismic card is read without the switch";
  const std::vector<std::string> lines = h.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], testing::reportLine('0', 26, "MISCELLANEOUS FORCES"));
  EXPECT_EQ(lines[1], " CENTRI.  TRACTION FORCE AND ARMS   EXPANSION   SHRINKAGE     STREAM FLOW");
  EXPECT_EQ(lines[2], "   FT       FL      APT     APL    COEFFICIENT COEFFICIENT    PT      PL");
  EXPECT_EQ(lines[3], "0 4.500    9.000  10.500  10.250    0.00018000  0.00020000  12.000   4.000");
}

TEST(ForceCards, MiscellaneousCardNumberIsChecked) {
  Harness h({miscCard(0, 44)});
  h.problem.dd.NCOL = 1;
  EXPECT_EQ(readForceCards(h.reader), Step::Error);
}

TEST(ForceCards, SeismicForcesAreStoredAsMagnitudes) {
  Harness h({miscCard(1), seismicCard(1, {85, -12, 2380, 0, -360, 7, 40, 14, -96, 420, 1, -2710, 3, 55}),
             seismicCard(2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})});
  h.problem.dd.NCOL = 2;
  ASSERT_EQ(readForceCards(h.reader), Step::Ok);
  const SeismicForces& s = h.problem.seis[1];
  const float lon[] = {0, 85, 12, 2380, 0, 360, 7, 40};
  const float tra[] = {0, 14, 96, 420, 1, 2710, 3, 55};
  for (int j = 1; j <= 7; ++j) {
    EXPECT_FLOAT_EQ(s.LONG[j], lon[j]) << j;
    EXPECT_FLOAT_EQ(s.TRANS[j], tra[j]) << j;
  }
  EXPECT_FLOAT_EQ(h.problem.seis[2].TRANS[7], 14.0f);
  const std::vector<std::string> lines = h.lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[4], testing::reportLine('0', 25, "SEISMIC LONG. FORCES" + std::string(31, ' ') +
                                                       "SEISMIC TRANSV. FORCES"));
  EXPECT_EQ(lines[5],
            "0 COL  TOP-VL  TOP-VT  BOT-ML  TOP-ML  BOT-MT  TOP-MT  TOP-P   *  TOP-VL  TOP-VT  BOT-ML"
            "  TOP-ML  BOT-MT  TOP-MT  TOP-P");
  EXPECT_EQ(lines[6],
            "     1      85      12    2380       0     360       7      40         14      96     420"
            "       1    2710       3      55");
}

TEST(ForceCards, SeismicCardsMustFollowTheColumns) {
  {
    Harness h({miscCard(1), seismicCard(2, {1}), seismicCard(1, {1})});
    h.problem.dd.NCOL = 2;
    EXPECT_EQ(readForceCards(h.reader), Step::Error) << "column out of order";
  }
  {
    Harness h({miscCard(1), seismicCard(1, {1}), seismicCard(2, {1}, 45)});
    h.problem.dd.NCOL = 2;
    EXPECT_EQ(readForceCards(h.reader), Step::Error) << "card number";
  }
  {
    Harness h({miscCard(1), seismicCard(1, {1})});
    h.problem.dd.NCOL = 2;
    EXPECT_EQ(readForceCards(h.reader), Step::End) << "input ends";
  }
}

}  // namespace
}  // namespace bentpier
