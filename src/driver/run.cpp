#include "driver/run.h"

#include "design/cap/cap_design.h"
#include "design/column/column_stage.h"
#include "design/footing/footing.h"
#include "frame/load_cases.h"
#include "frame/member_properties.h"
#include "groups/load_groups.h"
#include "input/deck.h"
#include "input/reader.h"
#include "driver/parallel_deck.h"

namespace bentpier {

void runStages(Problem& problem, Report& report, CoreShare* share) {
  std::vector<std::string>& ran = problem.results.stages;
  // Member properties: cap segment and column stiffnesses, carry-overs,
  // fixed-end moments, joint factors and slenderness.
  PIER21(problem, report);
  ran.push_back("properties");
  // Load cases: the frame solved for dead load, each live-load case and the
  // optional lateral loads; cap envelopes and the design-load sets formed.
  PIER31(problem, report);
  ran.push_back("load cases");
  // Load groups: factored group combinations, the cap moment table and the
  // design-load records for the three design stages.
  PIER41(problem, report);
  ran.push_back("load groups");
  // Cap design: flexure, crack control, fatigue and stirrups at each point.
  if (problem.dd.CAPOPT != ' ') {
    PIER51(problem, report);
    ran.push_back("cap");
  }
  // Column design: the section strength of each column end against its
  // design-load sets.
  if (problem.dd.COLOPT != ' ') {
    PIER61(problem, report, share);
    ran.push_back("columns");
  }
  // Footing design: spread or pile footing size, shears and reinforcement.
  if (problem.dd.FTGOPT != ' ') {
    PIER71(problem, report);
    ran.push_back("footings");
  }
}

namespace {

// One problem after another on this thread.
DeckTally runInTurn(std::istream& in, Report& report, const RunStamp& stamp, std::ostream& diag,
                    const ProblemSink& finished, const ProblemSelection& only,
                    const MessageSink& outside) {
  Deck deck(in);
  DeckTally tally;
  tally.most_held = 1;
  for (;;) {
    Problem problem;
    if (PIER11(deck, report, stamp, problem, diag, finished, only, outside) != kProblemRead) break;
    runStages(problem, report);
    if (finished) finished(problem);
  }
  return tally;
}

}  // namespace

DeckTally runDeck(std::istream& in, Report& report, const RunStamp& stamp, std::ostream& diag,
                  const ProblemSink& finished, const ProblemSelection& only,
                  const MessageSink& outside, int jobs) {
  if (jobs <= 1) return runInTurn(in, report, stamp, diag, finished, only, outside);
  return runInParallel(in, report, stamp, diag, finished, only, outside, jobs);
}

}  // namespace bentpier
