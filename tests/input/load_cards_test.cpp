// Load cards: the number of load points, cards per case, the load table and
// the page budget of the load echo.
#include "input_harness.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::Harness;
using testing::inum;
using testing::num;

std::string loadCard(int cn, const std::string& id, int nl, const std::vector<double>& loads) {
  std::vector<std::pair<int, std::string>> f = {{1, inum(cn, 2)}};
  if (!id.empty()) f.push_back({3, id});
  if (nl != 0) f.push_back({7, inum(nl, 2)});
  for (size_t i = 0; i < loads.size(); ++i)
    if (loads[i] != 0) f.push_back({9 + 6 * static_cast<int>(i), num(loads[i], 6)});
  return cardWith(f);
}

// The cards of one case: `count` loads 1, 2, 3, ... times `scale`.
std::vector<std::string> loadCase(int first_cn, const std::string& id, int nl, int count,
                                  double scale) {
  std::vector<std::string> cards;
  for (int start = 0; start < count; start += 12) {
    std::vector<double> loads;
    for (int i = start; i < std::min(count, start + 12); ++i) loads.push_back(scale * (i + 1));
    cards.push_back(loadCard(first_cn++, start == 0 ? id : "", start == 0 ? nl : 0, loads));
  }
  return cards;
}

// A bent with the given bearings per segment and load points per column.
void setBent(Problem& p, int ncan, std::vector<int> bearings, std::vector<int> column_points,
             int nllc) {
  p.dd.NCAN = ncan;
  p.dd.NCOL = static_cast<int>(column_points.size());
  p.dd.NSPAN = ncan == 0 ? p.dd.NCOL : p.dd.NCOL + ncan - 1;
  p.dd.NLLC = nllc;
  for (size_t k = 0; k < bearings.size(); ++k) p.cap[k + 1].NB = bearings[k];
  for (size_t c = 0; c < column_points.size(); ++c) p.col[c + 1].P = column_points[c];
}

void append(std::vector<std::string>& deck, const std::vector<std::string>& cards) {
  deck.insert(deck.end(), cards.begin(), cards.end());
}

TEST(LoadCards, LoadPointsAreTheBearingsOfEverySegmentAndTheColumnLoads) {
  // Left cantilever 1, spans 3 and 4, right cantilever 2; columns carry
  // 1, 0 and 2 points: NLP = 1 + 3 + 4 + 2 + 3 = 13, two cards a case, the
  // second with one load.
  std::vector<std::string> deck = loadCase(51, "DEAD", 0, 13, 1.0);
  std::string extra = deck[1];
  extra.replace(14, 6, num(99.0, 6));  // a second value past the 13th point is not read
  deck[1] = extra;
  append(deck, loadCase(61, "LL1", 2, 13, 10.0));
  Harness h(deck);
  setBent(h.problem, 2, {1, 3, 4, 2}, {1, 0, 2}, 1);
  ASSERT_EQ(readLoadCards(h.reader), Step::Ok);
  const LoadTable& t = h.problem.loads;
  EXPECT_EQ(t.NLP, 13);
  EXPECT_FLOAT_EQ(t.LOAD[0][1], 1.0f);
  EXPECT_FLOAT_EQ(t.LOAD[0][12], 12.0f);
  EXPECT_FLOAT_EQ(t.LOAD[0][13], 13.0f);
  EXPECT_FLOAT_EQ(t.LOAD[0][14], 0.0f);
  EXPECT_FLOAT_EQ(t.LOAD[1][13], 130.0f);
  EXPECT_EQ(t.ID[1], "LL1 ");
  EXPECT_EQ(t.NL[1], 2);
  // The continuation card echoes its one load after eight blanks.
  EXPECT_EQ(h.lines()[3], testing::reportLine(' ', 8, "   13.000"));
}

TEST(LoadCards, TwentyFourPointsFillTwoCards) {
  std::vector<std::string> deck = loadCase(51, "DEAD", 0, 24, 1.0);
  append(deck, loadCase(61, "A", 1, 24, 2.0));
  append(deck, loadCase(61, "B", 3, 24, 3.0));
  Harness h(deck);
  setBent(h.problem, 0, {0, 8, 8}, {4, 2, 2}, 2);
  ASSERT_EQ(readLoadCards(h.reader), Step::Ok);
  const LoadTable& t = h.problem.loads;
  EXPECT_EQ(t.NLP, 24);
  EXPECT_FLOAT_EQ(t.LOAD[0][24], 24.0f);
  EXPECT_FLOAT_EQ(t.LOAD[1][24], 48.0f);
  EXPECT_FLOAT_EQ(t.LOAD[2][24], 72.0f);
  EXPECT_FLOAT_EQ(t.LOAD[2][13], 39.0f);
  EXPECT_EQ(t.ID[2], "B   ");
  EXPECT_EQ(t.NL[2], 3);
}

TEST(LoadCards, MoreThanThirtySixPointsIsAnErrorAfterTheDeadLoad) {
  // 8 bearings on each of two spans, 9 points on each of three columns: 43.
  std::vector<std::string> deck = loadCase(51, "DEAD", 0, 43, 1.0);
  append(deck, loadCase(61, "LL1", 1, 43, 1.0));
  Harness h(deck);
  setBent(h.problem, 0, {0, 8, 8}, {9, 9, 9}, 1);
  EXPECT_EQ(readLoadCards(h.reader), Step::Error);
  EXPECT_EQ(h.problem.loads.NLP, 43);
  EXPECT_EQ(h.reader.numberRead(), 54) << "all four dead-load cards are read";
  EXPECT_EQ(h.reader.expected(), 54);
  EXPECT_FLOAT_EQ(h.problem.loads.LOAD[0][36], 36.0f);
  EXPECT_EQ(h.linesStarting("DEAD").size(), 1u);
}

TEST(LoadCards, CardNumbersRestartForEveryCase) {
  {
    std::vector<std::string> deck = loadCase(51, "DEAD", 0, 13, 1.0);
    append(deck, loadCase(61, "LL1", 1, 13, 1.0));
    append(deck, loadCase(61, "LL2", 1, 13, 1.0));
    Harness h(deck);
    setBent(h.problem, 0, {0, 13}, {0, 0}, 2);
    EXPECT_EQ(readLoadCards(h.reader), Step::Ok);
  }
  {
    // The second card of case 2 carries 63 where 62 is expected.
    std::vector<std::string> deck = loadCase(51, "DEAD", 0, 13, 1.0);
    append(deck, loadCase(61, "LL1", 1, 13, 1.0));
    append(deck, loadCase(61, "LL2", 1, 13, 1.0));
    deck.back().replace(0, 2, "63");
    Harness h(deck);
    setBent(h.problem, 0, {0, 13}, {0, 0}, 2);
    EXPECT_EQ(readLoadCards(h.reader), Step::Error);
    EXPECT_EQ(h.reader.numberRead(), 63);
    EXPECT_EQ(h.reader.expected(), 62);
  }
  {
    // A live-load case numbered like the dead load.
    std::vector<std::string> deck = loadCase(51, "DEAD", 0, 5, 1.0);
    append(deck, loadCase(51, "LL1", 1, 5, 1.0));
    Harness h(deck);
    setBent(h.problem, 0, {0, 5}, {0, 0}, 1);
    EXPECT_EQ(readLoadCards(h.reader), Step::Error);
  }
  {
    std::vector<std::string> deck = loadCase(51, "DEAD", 0, 13, 1.0);
    append(deck, loadCase(61, "LL1", 1, 13, 1.0));
    deck.pop_back();
    Harness h(deck);
    setBent(h.problem, 0, {0, 13}, {0, 0}, 1);
    EXPECT_EQ(readLoadCards(h.reader), Step::End);
  }
}

// The identifiers of the cases whose first line follows a repeated heading.
std::vector<std::string> casesAfterNewPages(Harness& h) {
  std::vector<std::string> found;
  const std::vector<std::string> lines = h.lines();
  for (size_t i = 0; i + 2 < lines.size(); ++i)
    if (lines[i][0] == '1') {
      EXPECT_EQ(lines[i], testing::reportLine('1', 31, "DEAD LOAD SUPERSTRUCTURE AND LIVE LOAD CASES"));
      EXPECT_EQ(lines[i + 1].substr(0, 9), "0I.D.  NL");
      found.push_back(lines[i + 2].substr(1, 4));
    }
  return found;
}

std::vector<std::string> liveLoadDeck(int points, int cases) {
  std::vector<std::string> deck = loadCase(51, "DEAD", 0, points, 1.0);
  for (int k = 1; k <= cases; ++k) {
    const std::string id = (k < 10 ? "L0" : "L") + std::to_string(k);
    append(deck, loadCase(61, id, 1, points, 1.0));
  }
  return deck;
}

TEST(LoadCards, HeadingRepeatsOnANewPageWhenThePageIsFull) {
  // Three cards a case: the line counter starts at 3 + 26 = 29 and grows by
  // 4 a case, 29, 33, 37, 41, 45 for four cases: no new page.
  {
    Harness h(liveLoadDeck(36, 4));
    setBent(h.problem, 2, {2, 8, 8, 2}, {6, 5, 5}, 4);
    ASSERT_EQ(readLoadCards(h.reader), Step::Ok);
    EXPECT_TRUE(casesAfterNewPages(h).empty());
  }
  // With 25 cases the counter reaches 29 + 8 x 4 = 61 before case 9: new
  // page, counter 7; then 7 + 14 x 4 = 63 before case 23.
  {
    Harness h(liveLoadDeck(36, 25));
    setBent(h.problem, 2, {2, 8, 8, 2}, {6, 5, 5}, 25);
    ASSERT_EQ(readLoadCards(h.reader), Step::Ok);
    EXPECT_EQ(casesAfterNewPages(h), (std::vector<std::string>{"L09 ", "L23 "}));
  }
  // One card a case: 27 + 2 (k - 1) first reaches 60 at case 18 (61); after
  // it 7 + 2 x 7 = 21 at case 25: one new page.
  {
    Harness h(liveLoadDeck(5, 25));
    setBent(h.problem, 0, {0, 5}, {0, 0}, 25);
    ASSERT_EQ(readLoadCards(h.reader), Step::Ok);
    EXPECT_EQ(casesAfterNewPages(h), (std::vector<std::string>{"L18 "}));
  }
}

TEST(LoadCards, EchoFollowsTheCardLayout) {
  std::vector<std::string> deck = {loadCard(51, "DEAD", 0, {88.5, 96.25, 0, 100.0})};
  append(deck, {loadCard(61, "PRMT", 12, {1, 2, 3, 4})});
  Harness h(deck);
  setBent(h.problem, 0, {0, 4}, {0, 0}, 1);
  ASSERT_EQ(readLoadCards(h.reader), Step::Ok);
  const std::vector<std::string> lines = h.lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], testing::reportLine('0', 31, "DEAD LOAD SUPERSTRUCTURE AND LIVE LOAD CASES"));
  EXPECT_EQ(lines[1],
            "0I.D.  NL    P1       P2       P3       P4       P5       P6       P7       P8       P9"
            "      P10      P11      P12");
  EXPECT_EQ(lines[2], "0DEAD   0   88.500   96.250    0.000  100.000");
  EXPECT_EQ(lines[3], "0PRMT  12    1.000    2.000    3.000    4.000");
}

}  // namespace
}  // namespace bentpier
