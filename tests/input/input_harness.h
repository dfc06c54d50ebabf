// Running card-group readers on decks built in a test.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "input/reader.h"
#include "support/cards.h"

namespace bentpier::testing {

// A real field text of `width` columns holding `value` with a decimal point.
// Fails the test when the value cannot be written exactly in that width.
inline std::string num(double value, int width) {
  for (int decimals = 6; decimals >= 0; --decimals) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s(buf);
    if (decimals == 0) s += '.';
    // A fraction may drop its leading zero: -.25 in four columns.
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    if (static_cast<int>(s.size()) <= width && std::abs(std::atof(buf) - value) < 1e-9)
      return std::string(static_cast<size_t>(width) - s.size(), ' ') + s;
  }
  ADD_FAILURE() << value << " does not fit in " << width << " columns";
  return std::string(static_cast<size_t>(width), '?');
}

// An integer field right-justified in `width` columns.
inline std::string inum(int value, int width) {
  std::string s = std::to_string(value);
  return std::string(static_cast<size_t>(width) - s.size(), ' ') + s;
}

// A report line: carriage control, `blanks` blanks, then `text`.
inline std::string reportLine(char cc, int blanks, const std::string& text) {
  std::string line(1, cc);
  line.append(static_cast<size_t>(blanks), ' ');
  return line + text;
}

inline std::string deckOf(const std::vector<std::string>& cards) {
  std::string text;
  for (const std::string& c : cards) text += c + "\n";
  return text;
}

// A deck, a report that keeps each line's carriage control as its first
// character, and a store to read into.
struct Harness {
  explicit Harness(const std::string& deck_text) : in(deck_text), deck(in), report(out, true) {}
  explicit Harness(const std::vector<std::string>& cards) : Harness(deckOf(cards)) {}

  // Report lines, carriage control first.
  std::vector<std::string> lines() {
    std::vector<std::string> result;
    std::string current;
    bool any = false;
    for (char c : out.str()) {
      if (c == '\n') {
        result.push_back(current);
        current.clear();
      } else {
        current += c;
      }
      any = true;
    }
    if (any) result.push_back(current);
    return result;
  }

  // The lines that begin with `text` after their carriage control.
  std::vector<std::string> linesStarting(const std::string& text) {
    std::vector<std::string> found;
    for (const std::string& l : lines())
      if (l.compare(1, text.size(), text) == 0) found.push_back(l);
    return found;
  }

  std::istringstream in;
  std::ostringstream out, diag;
  Deck deck;
  Report report;
  Problem problem;
  ProblemReader reader{deck, report, problem, diag};
};

}  // namespace bentpier::testing
