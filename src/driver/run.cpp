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
  // Member properties: cap segment and column stiffnesses, carry-overs,
  // fixed-end moments, joint factors and slenderness.
  PIER21(problem, report);
  // Load cases: the frame solved for dead load, each live-load case and the
  // optional lateral loads; cap envelopes and the ranked design-load lists.
  PIER31(problem, report);
  // Load groups: factored group combinations, the cap moment table and the
  // design-load records for the three design stages.
  PIER41(problem, report);
  // Cap design: flexure, crack control, fatigue and stirrups at each point.
  if (problem.dd.CAPOPT != ' ') PIER51(problem, report);
  // Column design: section strength against each kept design-load set.
  if (problem.dd.COLOPT != ' ') PIER61(problem, report);
  // Footing design: spread or pile footing size, shear and reinforcement.
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
