// The input deck: card images read one line at a time.
#pragma once

#include <istream>
#include <string>

#include "input/card.h"

namespace bentpier {

inline constexpr const char* kTitleCode = "*B03";

class Deck {
 public:
  explicit Deck(std::istream& in) : in_(in) {}

  // Reads the next card; false at the end of the input.
  bool next(Card& card);

  // Pushes a card back so that the next call to next() returns it again.
  void unread(const Card& card);

  // Skips cards up to the next one that begins with the title code and leaves
  // it as the next card to read; false when the input ends first.
  bool skipToTitle();

  // True when every card left in the input is blank; the input is then
  // used up. Otherwise the next card is left to be read.
  bool onlyBlankCardsLeft();

  // Physical line number of the last card read (1 for the first line).
  long long lineNumber() const { return line_; }

 private:
  std::istream& in_;
  long long line_ = 0;
  bool has_pending_ = false;
  Card pending_;
};

}  // namespace bentpier
