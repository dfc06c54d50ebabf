// Run control: the problem loop, the file dialogue and the command line.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/core_share.h"
#include "input/problem.h"
#include "base/report.h"
#include "input/problem_selection.h"
#include "input/reader.h"

namespace bentpier {

// Called with every problem once it is done: run through the pipeline, or
// skipped for an input error.
using ProblemSink = std::function<void(const Problem&)>;

// What a run of a deck held: the most problem stores alive at once.
struct DeckTally {
  int most_held = 0;
};

// Runs every problem of a deck through the pipeline, writing the report and
// handing each finished problem to `finished` (when given) in deck order;
// problems that `only` does not select are read past without any output.
// Messages that belong to no problem (cards where a title card should be)
// go to `outside` (when given), in deck order. With `jobs` above 1 that many
// problems are analysed at once, the column ends of a problem on the cores
// the others leave idle; every output, the `diag` lines included, is the
// same as with one job.
DeckTally runDeck(std::istream& deck, Report& report, const RunStamp& stamp, std::ostream& diag,
                  const ProblemSink& finished = {}, const ProblemSelection& only = {},
                  const MessageSink& outside = {}, int jobs = 1);

// The analysis and design stages of one problem, in pipeline order; the
// column ends on the cores `share` can spare, when given.
void runStages(Problem& problem, Report& report, CoreShare* share = nullptr);

// Exit statuses of the program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;      // bad arguments, or output exists
inline constexpr int kExitBadInput = 2;   // the input file cannot be read
inline constexpr int kExitBadOutput = 3;  // the report or the results cannot be written
inline constexpr int kExitIncomplete = 4; // --strict: an input error or a member without design

inline constexpr int kFileNameLength = 35;

// SETIO: asks for the two file names on the console. Returns false when the
// console input ends before both are given (the run ends without message).
bool askFileNames(std::istream& con_in, std::ostream& con_out, std::string& input,
                  std::string& output);

// Asks whether an existing output file may be replaced; true for "Y"/"y".
bool askOverwrite(std::istream& con_in, std::ostream& con_out);

// The whole program: arguments without the program name, the console and the
// error stream, and the SOURCE_DATE_EPOCH value (may be null).
int runProgram(const std::vector<std::string>& args, std::istream& con_in,
               std::ostream& con_out, std::ostream& err, const char* source_date_epoch);

}  // namespace bentpier
