#include "input/problem_selection.h"

#include <algorithm>

namespace bentpier {
namespace {

constexpr int kHighestProblemNumber = 9999;  // four columns of the title card

bool allDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A problem number of the list; nothing when it is not one.
std::optional<int> problemNumber(const std::string& s) {
  if (!allDigits(s)) return std::nullopt;
  const size_t first = std::min(s.find_first_not_of('0'), s.size());
  const std::string digits = s.substr(first);
  if (digits.size() > 4) return std::nullopt;
  const int n = digits.empty() ? 0 : std::stoi(digits);
  if (n > kHighestProblemNumber) return std::nullopt;
  return n;
}

// One entry of the list: a number or a range FIRST-LAST.
std::optional<std::pair<int, int>> listEntry(const std::string& entry) {
  const size_t dash = entry.find('-');
  if (dash == std::string::npos) {
    const auto n = problemNumber(entry);
    if (!n) return std::nullopt;
    return std::pair{*n, *n};
  }
  const auto first = problemNumber(entry.substr(0, dash));
  const auto last = problemNumber(entry.substr(dash + 1));
  if (!first || !last || *first > *last) return std::nullopt;
  return std::pair{*first, *last};
}

}  // namespace

std::optional<ProblemSelection> ProblemSelection::parse(const std::string& list) {
  ProblemSelection selection;
  selection.every_ = false;
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const auto entry = listEntry(list.substr(start, comma == std::string::npos ? comma : comma - start));
    if (!entry) return std::nullopt;
    selection.ranges_.push_back(*entry);
    if (comma == std::string::npos) return selection;
    start = comma + 1;
  }
}

bool ProblemSelection::includes(const std::string& probno) const {
  if (every_) return true;
  const size_t first = probno.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::string number = probno.substr(first, probno.find_last_not_of(' ') - first + 1);
  const auto n = problemNumber(number);
  if (!n) return false;
  return std::any_of(ranges_.begin(), ranges_.end(),
                     [&](const auto& r) { return r.first <= *n && *n <= r.second; });
}

}  // namespace bentpier
