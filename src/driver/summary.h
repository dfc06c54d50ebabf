// The run summary on the terminal: one line per problem naming the outcome
// of each member in words.
#pragma once

#include <string>

#include "input/problem.h"

namespace bentpier {

struct ProblemSummary {
  std::string line;      // "problem 1001 TITLE: cap designed, ..."
  bool complete = true;  // no input error, every member designed
};

// `unwritten` counts the values of the problem that were not finite
// numbers and so could not be written to the results document.
ProblemSummary summarise(const Problem& problem, int unwritten = 0);

}  // namespace bentpier
