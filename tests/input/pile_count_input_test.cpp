// A pile footing can only reach the footing design with 4 to 25 piles:
// more than 25 on the footing card of a whole deck is an input error under
// either footing option, the problem is skipped, and the next problem of
// the deck is read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input_harness.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::Harness;

// A two-column bent (the deck of the input tests) whose first footing is
// a pile footing with NP piles at 3 ft spacing under a 9 x 9 x 2.5 ft cap,
// the second the same as the first; 100 kips allowed per pile.
std::vector<std::string> pileDeck(const std::string& probno, char FTGOPT,
                                  const std::string& NP) {
  return {
      "*B03" + probno + "PILE COUNT TEST BENT",
      cardWith({{1, " 1"}, {3, std::string("  ") + FTGOPT + "S"}, {7, "0"},
                {8, " 2"}, {10, " 2"}}),
      cardWith({{1, " 2"}, {42, "  4.0"}, {66, " 100.0"}}),  // 100 kips a pile
      cardWith({{1, "11"}, {3, "C"}, {4, " 20.0"}, {14, "  3.5"}, {19, "  3.0"},
                {39, "  5.0"}, {44, " 10.0"}}),
      cardWith({{1, "21"}, {4, "CR"}, {7, " 16.0"}, {17, "  3.0"}, {47, " 8 8"}}),
      cardWith({{1, "22"}, {4, "1"}}),
      cardWith({{1, "31"}, {3, "P"}, {4, "  9.0  9.0  2.5"}, {47, NP},
                {50, "  3.0  3.0"}}),
      cardWith({{1, "32"}, {3, "1"}}),
      cardWith({{1, "41"}, {3, "   400"}, {9, "   300"}, {15, "1"}}),
      cardWith({{1, "42"}, {3, "1"}, {24, "1"}}),
      cardWith({{1, "43"}, {9, "   9.0"}}),
      cardWith({{1, "51"}, {3, "DEAD"}, {9, "  60.0  60.0"}}),
      cardWith({{1, "61"}, {3, "1LN "}, {7, " 1"}, {9, "  40.0  10.0"}}),
      cardWith({{1, "61"}, {3, "2LN "}, {7, " 2"}, {9, "  30.0  45.0"}}),
  };
}

std::vector<std::string> concat(std::vector<std::string> a,
                                const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

int read(Harness& h) {
  return PIER11(h.deck, h.report, RunStamp{}, h.problem, h.diag);
}

TEST(FootingPileCountInput, MoreThanTwentyFivePilesIsAnInputError) {
  for (char FTGOPT : {'I', 'D'}) {
    Harness h(concat(pileDeck("0001", FTGOPT, "26"), pileDeck("0002", FTGOPT, "25")));
    ASSERT_EQ(read(h), kProblemRead) << FTGOPT;
    // The footing card, number 31 where 31 was expected, named in the line.
    EXPECT_EQ(h.linesStarting("ERROR PROBLEM NUMBER"),
              (std::vector<std::string>{"0ERROR PROBLEM NUMBER 0001, LINE 31 31"}))
        << FTGOPT;
    // The problem delivered to the stages is the next one, with 25 piles.
    EXPECT_EQ(h.problem.PROBNO, "0002") << FTGOPT;
    EXPECT_EQ(h.problem.ftg[1].NP, 25) << FTGOPT;
    EXPECT_EQ(h.problem.ftg[2].NP, 25) << FTGOPT;
    EXPECT_EQ(read(h), kInputExhausted) << FTGOPT;
  }
}

}  // namespace
}  // namespace bentpier
