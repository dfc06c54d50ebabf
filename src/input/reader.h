// Reading one problem: card order, error lines and the input echo.
#pragma once

#include <ostream>

#include "input/card.h"
#include "input/deck.h"
#include "input/problem.h"
#include "report/report.h"

namespace bentpier {

// Outcome of reading one card or one group of cards.
enum class Step { Ok, Error, End };

// Problem status returned by problem input.
inline constexpr int kProblemRead = 0;
inline constexpr int kInputExhausted = 1;

// The state of reading one problem: the deck, the report, the store being
// filled, and the expected and last-read card numbers that the error lines
// print. Card-group readers get it and return a Step.
class ProblemReader {
 public:
  ProblemReader(Deck& deck, Report& report, Problem& problem, std::ostream& diag)
      : deck_(deck), report_(report), problem_(problem), diag_(diag) {}

  Problem& problem() { return problem_; }
  Report& report() { return report_; }
  Deck& deck() { return deck_; }

  // Reads the next card of the problem, expected to carry card number
  // `expected`. End when the input is exhausted. The card number is read
  // from columns 1-2 but not compared: the caller decides when it counts.
  Step next(Card& card, int expected);

  // Checks that every numeric field of the card read as a number; reports
  // the first one that did not on the diagnostic stream.
  Step fieldsRead(const Card& card);

  int expected() const { return expected_; }
  void setExpected(int expected) { expected_ = expected; }
  int numberRead() const { return number_read_; }
  bool numberIs(int n) const { return number_read_ == n; }

 private:
  Deck& deck_;
  Report& report_;
  Problem& problem_;
  std::ostream& diag_;
  int expected_ = 0;
  int number_read_ = 0;
};

// Card groups, each reading, defaulting, echoing and checking its cards.
Step readDesignData(ProblemReader& r);
Step readColumnSteel(ProblemReader& r);
void writePageHeader(Report& report, const RunStamp& stamp, const Problem& p);

// PIER11: reads the next problem into `problem`. Problems with input errors
// are reported and skipped. Returns kProblemRead or kInputExhausted.
int PIER11(Deck& deck, Report& report, const RunStamp& stamp, Problem& problem,
           std::ostream& diag);

}  // namespace bentpier
