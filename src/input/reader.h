// Reading one problem: card order, error lines and the input echo.
#pragma once

#include <functional>
#include <ostream>

#include "base/clock.h"
#include "input/card.h"
#include "input/deck.h"
#include "input/problem.h"
#include "base/report.h"
#include "input/problem_selection.h"

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
  // `expected`. End when the input is exhausted; Error when the card is the
  // title card of the next problem, which is kept for it. The card number is
  // read from columns 1-2 but not compared: the caller decides when it
  // counts.
  Step next(Card& card, int expected);

  // Checks that every numeric field of the card read as a number; reports
  // the first one that did not on the diagnostic stream.
  Step fieldsRead(const Card& card);

  int expected() const { return expected_; }
  void setExpected(int expected) { expected_ = expected; }
  int numberRead() const { return number_read_; }
  bool numberIs(int n) const { return number_read_ == n; }
  long long lineRead() const { return line_read_; }  // deck line of the last card

 private:
  Deck& deck_;
  Report& report_;
  Problem& problem_;
  std::ostream& diag_;
  int expected_ = 0;
  int number_read_ = 0;
  long long line_read_ = 0;
};

// Card groups, each reading, defaulting, echoing and checking its cards.
Step readDesignData(ProblemReader& r);
Step readColumnSteel(ProblemReader& r);
Step readCapCards(ProblemReader& r);
Step readColumnCards(ProblemReader& r);
Step readFootingCards(ProblemReader& r);  // only with a footing option
Step readWindCards(ProblemReader& r);     // group II and group III wind
Step readForceCards(ProblemReader& r);    // miscellaneous and seismic forces
Step readLoadCards(ProblemReader& r);     // dead load and live-load cases

// PIER12: reads the `cards` cards of one load case into column `load_case` of
// the load table, numbered from the expected card number plus one. Error on a
// wrong card number, End at the end of the input.
Step PIER12(ProblemReader& r, int load_case, int cards);

// The earlier member (segment, column or footing) that a reference card
// names by a digit "1" to "7" in its code column, when that number lies in
// first..last; 0 when the code names none.
inline constexpr int kHighestReference = 7;
inline int referencedMember(char code, int first, int last) {
  if (code < '1' || code > '0' + kHighestReference) return 0;
  const int t = code - '0';
  return t >= first && t <= last ? t : 0;
}

void writePageHeader(Report& report, const RunStamp& stamp, const Problem& p);

// Takes a message that belongs to no problem.
using MessageSink = std::function<void(const Message&)>;

// PIER11: reads the next problem into `problem`. Problems with input errors
// are reported and skipped, each handed to `rejected` (when given) with its
// messages before the next is read. Problems that `only` does not select are
// passed over to the next title card without output or messages. A card
// where a title card should be is reported and handed to `outside` (when
// given). Returns kProblemRead or kInputExhausted.
int PIER11(Deck& deck, Report& report, const RunStamp& stamp, Problem& problem,
           std::ostream& diag, const std::function<void(const Problem&)>& rejected = {},
           const ProblemSelection& only = {}, const MessageSink& outside = {});

}  // namespace bentpier
