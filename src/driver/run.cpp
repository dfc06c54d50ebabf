#include "driver/run.h"

#include "design/cap/cap_design.h"
#include "design/column/column_stage.h"
#include "design/footing/footing.h"
#include "frame/load_cases.h"
#include "frame/member_properties.h"
#include "groups/load_groups.h"
#include "input/deck.h"
#include "input/reader.h"

namespace bentpier {

void runStages(Problem& problem, Report& report) {
  PIER21(problem, report);
  PIER31(problem, report);
  PIER41(problem, report);
  if (problem.dd.CAPOPT != ' ') PIER51(problem, report);
  if (problem.dd.COLOPT != ' ') PIER61(problem, report);
  if (problem.dd.FTGOPT != ' ') PIER71(problem, report);
}

void runDeck(std::istream& in, Report& report, const RunStamp& stamp, std::ostream& diag) {
  Deck deck(in);
  for (;;) {
    Problem problem;
    if (PIER11(deck, report, stamp, problem, diag) != kProblemRead) break;
    runStages(problem, report);
  }
}

}  // namespace bentpier
