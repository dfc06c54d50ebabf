// Whole problems through PIER11: the card groups in deck order, the error
// line of a faulty card, skipping to the next problem, and the end of input.
#include "input_harness.h"

namespace bentpier {
namespace {

using testing::cardWith;
using testing::Harness;

// A two-column bent without cantilevers: one span with bearings 5 and 10,
// two round columns, group II and III standard wind and two live-load cases.
// With a footing option, a spread footing and a copy of it.
std::vector<std::string> problemDeck(const std::string& probno, const std::string& options = "    ") {
  std::vector<std::string> d = {
      "*B03" + probno + "TWO COLUMN TEST BENT",
      cardWith({{1, " 1"}, {3, options}, {7, "0"}, {8, " 2"}, {10, " 2"}}),
      cardWith({{1, " 2"}, {42, "  4.0"}}),
      cardWith({{1, "11"}, {3, "C"}, {4, " 20.0"}, {14, "  3.5"}, {19, "  3.0"}, {39, "  5.0"}, {44, " 10.0"}}),
      cardWith({{1, "21"}, {4, "CR"}, {7, " 16.0"}, {17, "  3.0"}, {47, " 8 8"}}),
      cardWith({{1, "22"}, {4, "1"}}),
  };
  if (options[2] != ' ') {
    d.push_back(cardWith({{1, "31"}, {3, "S"}, {4, "  9.0  9.0  2.5  0.5  0.5 0.25"}, {34, " 1.0 1.0"}}));
    d.push_back(cardWith({{1, "32"}, {3, "1"}}));
  }
  d.push_back(cardWith({{1, "41"}, {3, "   400"}, {9, "   300"}, {15, "1"}}));
  d.push_back(cardWith({{1, "42"}, {3, "1"}, {24, "1"}}));
  d.push_back(cardWith({{1, "43"}, {9, "   9.0"}}));
  d.push_back(cardWith({{1, "51"}, {3, "DEAD"}, {9, "  60.0  60.0"}}));
  d.push_back(cardWith({{1, "61"}, {3, "1LN "}, {7, " 1"}, {9, "  40.0  10.0"}}));
  d.push_back(cardWith({{1, "61"}, {3, "2LN "}, {7, " 2"}, {9, "  30.0  45.0"}}));
  return d;
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

int read(Harness& h) { return PIER11(h.deck, h.report, RunStamp{}, h.problem, h.diag); }

std::vector<std::string> errorLines(Harness& h) { return h.linesStarting("ERROR PROBLEM NUMBER"); }

TEST(ProblemDeck, ReadsEveryCardGroupInOrder) {
  Harness h(concat({problemDeck("0001", "DDDS")}));
  ASSERT_EQ(read(h), kProblemRead);
  const Problem& p = h.problem;
  EXPECT_EQ(p.PROBNO, "0001");
  EXPECT_EQ(p.cap[2].NB, 2);
  EXPECT_FLOAT_EQ(p.cap[2].L, 20.0f);
  EXPECT_FLOAT_EQ(p.col[2].HT, 16.0f);
  EXPECT_EQ(p.ftg[2].REF, 1);
  EXPECT_EQ(p.wind.NW2, 5);
  EXPECT_EQ(p.wind.NW3, 5);
  EXPECT_FLOAT_EQ(p.misc.FL, 9.0f);
  EXPECT_EQ(p.loads.NLP, 2);
  EXPECT_FLOAT_EQ(p.loads.LOAD[2][2], 45.0f);
  EXPECT_TRUE(errorLines(h).empty());
  EXPECT_EQ(read(h), kInputExhausted);
}

TEST(ProblemDeck, AnErrorSkipsTheProblemAndTheNextOneIsRead) {
  std::vector<std::string> bad = problemDeck("0002");
  bad[3].replace(0, 2, "12");  // cap card numbered 12 where 11 is expected
  Harness h(concat({bad, problemDeck("0003")}));
  ASSERT_EQ(read(h), kProblemRead);
  EXPECT_EQ(h.problem.PROBNO, "0003");
  EXPECT_FLOAT_EQ(h.problem.loads.LOAD[1][1], 40.0f);
  EXPECT_EQ(errorLines(h), (std::vector<std::string>{"0ERROR PROBLEM NUMBER 0002, LINE 12 11"}));
}

TEST(ProblemDeck, ErrorLinesNameTheCardReadAndTheCardExpected) {
  struct Case {
    const char* what;
    size_t card;
    int column;
    const char* text;
    const char* line;
  };
  const Case cases[] = {
      {"wrong pile code", 4, 6, "9", "0ERROR PROBLEM NUMBER 0004, LINE 21 21"},
      {"column out of order", 4, 1, "22", "0ERROR PROBLEM NUMBER 0004, LINE 22 21"},
      {"span without bearings", 3, 39, "     ", "0ERROR PROBLEM NUMBER 0004, LINE 11 11"},
      {"group III card missing its number", 7, 1, "  ", "0ERROR PROBLEM NUMBER 0004, LINE  0 42"},
      {"live-load case numbered 62", 11, 1, "62", "0ERROR PROBLEM NUMBER 0004, LINE 62 61"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> bad = problemDeck("0004");
    bad[c.card].replace(static_cast<size_t>(c.column - 1), std::string(c.text).size(), c.text);
    Harness h(concat({bad, problemDeck("0005")}));
    ASSERT_EQ(read(h), kProblemRead) << c.what;
    EXPECT_EQ(h.problem.PROBNO, "0005") << c.what;
    EXPECT_EQ(errorLines(h), (std::vector<std::string>{c.line})) << c.what;
  }
}

TEST(ProblemDeck, AMissingCardDoesNotSwallowTheNextProblem) {
  std::vector<std::string> short_deck = problemDeck("0006");
  short_deck.pop_back();  // the last live-load case is missing
  Harness h(concat({short_deck, problemDeck("0007")}));
  ASSERT_EQ(read(h), kProblemRead);
  EXPECT_EQ(h.problem.PROBNO, "0007");
  EXPECT_EQ(errorLines(h), (std::vector<std::string>{"0ERROR PROBLEM NUMBER 0006, LINE  0 61"}));
}

TEST(ProblemDeck, BlankLinesAfterTheLastProblemEndTheInput) {
  struct Case {
    std::vector<std::string> tail;
    std::vector<std::string> errors;
  };
  const Case cases[] = {
      {{"", "   ", std::string(80, ' ') + "\r"}, {}},
      // Blanks followed by something else are still a stray card.
      {{"", "JUNK"}, {"0ERROR PROBLEM NUMBER     , LINE     , *B03"}},
  };
  for (const Case& c : cases) {
    Harness h(concat({problemDeck("0009"), c.tail}));
    ASSERT_EQ(read(h), kProblemRead);
    EXPECT_EQ(read(h), kInputExhausted);
    EXPECT_EQ(errorLines(h), c.errors);
  }
}

TEST(ProblemDeck, ByteOrderMarkSkippedAndBadBytesShownEscaped) {
  std::vector<std::string> deck = problemDeck("0010");
  deck[0] = "\xEF\xBB\xBF" + deck[0];
  Harness h(deck);
  ASSERT_EQ(read(h), kProblemRead);
  EXPECT_EQ(h.problem.PROBNO, "0010");

  std::vector<std::string> bad = problemDeck("0011");
  bad[4].replace(6, 5, " 1\x01\t0");  // HT of column 1
  bad[3].replace(3, 5, "1.E39");     // L of the span: beyond single precision
  Harness e(concat({bad, problemDeck("0012")}));
  ASSERT_EQ(read(e), kProblemRead);
  EXPECT_EQ(e.problem.PROBNO, "0012");
  EXPECT_EQ(e.diag.str(), "bentpier: problem 0011, card 11 (line 4), columns 4-8: \"1.E39\" is out of range\n");
  bad[3] = problemDeck("0011")[3];
  Harness n(bad);
  read(n);
  EXPECT_EQ(n.diag.str(),
            "bentpier: problem 0011, card 21 (line 5), columns 7-11: \" 1\\x01\\t0\" is not a number\n");
}

TEST(ProblemDeck, EndOfInputInsideAProblemEndsTheRun) {
  // Cut each deck after its footing cards, after its first footing card,
  // and inside the live-load cases.
  const struct {
    size_t keep;
    const char* line;
  } cuts[] = {{7, "0ERROR PROBLEM NUMBER 0008, LINE 31 32"},
              {8, "0ERROR PROBLEM NUMBER 0008, LINE 32 41"},
              {13, "0ERROR PROBLEM NUMBER 0008, LINE 61 61"}};
  for (const auto& cut : cuts) {
    std::vector<std::string> deck = problemDeck("0008", "DDIS");
    deck.resize(cut.keep);
    Harness h(deck);
    EXPECT_EQ(read(h), kInputExhausted) << cut.keep;
    EXPECT_EQ(errorLines(h), (std::vector<std::string>{cut.line})) << cut.keep;
  }
}

TEST(ProblemDeck, MoreThanThirtySixLoadPointsRejectsTheProblem) {
  // Three columns carrying 7 points each and two spans of 8 bearings:
  // 21 + 16 = 37 load points, four cards a case.
  std::vector<std::string> deck = {
      "*B030009THIRTY-SEVEN LOAD POINTS",
      cardWith({{1, " 1"}, {7, "0"}, {8, " 3"}, {10, " 1"}}),
      cardWith({{1, " 2"}}),
      cardWith({{1, "11"}, {3, "C"}, {4, " 20.0"}, {14, "  3.5"}, {19, "  3.0"},
                {39, "  1.0  1.0  1.0  1.0  1.0  1.0  1.0  1.0"}}),
      cardWith({{1, "12"}, {3, "2"}}),
      cardWith({{1, "21"}, {3, "7"}, {4, "CR"}, {7, " 16.0"}, {17, "  3.0"}}),
      cardWith({{1, "22"}, {3, "7"}, {4, "1"}}),
      cardWith({{1, "23"}, {3, "7"}, {4, "1"}}),
      cardWith({{1, "41"}, {15, "1"}}),
      cardWith({{1, "42"}, {3, "1"}, {24, "1"}}),
      cardWith({{1, "43"}}),
  };
  for (int case_base : {50, 60})
    for (int j = 1; j <= 4; ++j) deck.push_back(cardWith({{1, std::to_string(case_base + j)}, {9, "   1.0"}}));
  Harness h(concat({deck, problemDeck("0010")}));
  ASSERT_EQ(read(h), kProblemRead);
  EXPECT_EQ(h.problem.PROBNO, "0010");
  EXPECT_EQ(errorLines(h), (std::vector<std::string>{"0ERROR PROBLEM NUMBER 0009, LINE 54 54"}));
  EXPECT_EQ(h.linesStarting(std::string(31, ' ') + "DEAD LOAD").size(), 2u);
}

}  // namespace
}  // namespace bentpier
