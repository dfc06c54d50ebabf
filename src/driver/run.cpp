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
  std::vector<std::string>& ran = problem.results.stages;
  PIER21(problem, report);
  ran.push_back("properties");
  PIER31(problem, report);
  ran.push_back("load cases");
  PIER41(problem, report);
  ran.push_back("load groups");
  if (problem.dd.CAPOPT != ' ') {
    PIER51(problem, report);
    ran.push_back("cap");
  }
  if (problem.dd.COLOPT != ' ') {
    PIER61(problem, report);
    ran.push_back("columns");
  }
  if (problem.dd.FTGOPT != ' ') {
    PIER71(problem, report);
    ran.push_back("footings");
  }
}

void runDeck(std::istream& in, Report& report, const RunStamp& stamp, std::ostream& diag,
             const ProblemSink& finished, const ProblemSelection& only) {
  Deck deck(in);
  for (;;) {
    Problem problem;
    if (PIER11(deck, report, stamp, problem, diag, finished, only) != kProblemRead) break;
    runStages(problem, report);
    if (finished) finished(problem);
  }
}

}  // namespace bentpier
