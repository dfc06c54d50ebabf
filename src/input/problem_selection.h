// The problems of a deck that a run is asked for: every problem, or those
// whose numbers (columns 5-8 of the title card) are in a list of numbers and
// ranges such as "101,105-110".
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bentpier {

class ProblemSelection {
 public:
  // Every problem of the deck.
  ProblemSelection() = default;

  // The problems of LIST: numbers and ranges FIRST-LAST (FIRST not above
  // LAST) of 0 to 9999 separated by commas, without blanks. Nothing for a
  // list that is not of that form.
  static std::optional<ProblemSelection> parse(const std::string& list);

  // Whether the problem numbered `probno` (as the title card gives it) is
  // selected. A number that is not all digits once the blanks around it are
  // dropped is in no list.
  bool includes(const std::string& probno) const;

 private:
  bool every_ = true;
  std::vector<std::pair<int, int>> ranges_;
};

}  // namespace bentpier
