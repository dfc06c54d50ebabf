// The critical loads of the piles of a pile bent: per pile the set with the
// largest axial load over its group factor, against the allowable pile
// load, and the set with the largest lateral load over its group factor,
// against the allowable lateral load; a note names the piles whose load
// exceeds it.
#include <cmath>
#include <vector>

#include "design/column/column_design.h"
#include "design/column/column_stage.h"

namespace bentpier::column {
namespace {

// Allowable lateral load of a pile in group I, kips; the other groups
// raise it by their group factor.
constexpr float kAllowableLateralLoad = 2.0f;

float groupFactorOf(const KeptSet& set, char method) {
  return groupFactor(set.GR, method, /*pileBent=*/true);
}

// The note under a table when a pile's critical load exceeds its allowable
// load: the piles, by number, on one line.
void printOverloadNote(Report& rep, const std::vector<PileLine>& lines, const char* what) {
  Line note(kNextLine);
  note.text("NOTE: *** ").text(what).text(" EXCEEDS THE ALLOWABLE AT PILE");
  int over = 0;
  for (const PileLine& l : lines)
    if (l.over_allowable) {
      note.i(l.pile, 3);
      ++over;
    }
  if (over > 0) rep << note.text(" ***");
}

}  // namespace

int criticalPileSet(const RankedList<KeptSet>& list, bool lateral, char method) {
  int kept = 1;
  float largest = 0.0f;
  for (int i = 1; i <= kListSize; ++i) {
    const KeptSet& s = keptSetAt(list, i);
    const float load = lateral ? std::fabs(s.VLF) : s.PF;
    const float ratio = load / groupFactorOf(s, method);
    if (ratio > largest) {
      largest = ratio;
      kept = i;
    }
  }
  return kept;
}

void printPileTables(Problem& p, int piles, Report& rep) {
  const char method = p.dd.METHOD;
  PileTables& kept = p.results.piles;
  p.results.has_piles = true;
  kept.type = pileTypeName(p.PILECODE);
  while (!kept.type.empty() && kept.type.back() == ' ') kept.type.pop_back();
  printPileHeader(rep, pileTypeName(p.PILECODE));
  for (int c = 1; c <= piles; ++c) {
    const RankedList<KeptSet>& list = p.lists.COL[c][kTopEnd];
    const KeptSet& s = keptSetAt(list, criticalPileSet(list, false, method));
    kept.axial.push_back(keptPileLine(c, s, p.cs.PILECAP * groupFactorOf(s, method)));
    kept.axial.back().over_allowable = s.PF > kept.axial.back().allowable;
    printPileLine(rep, kept.axial.back());
  }
  printOverloadNote(rep, kept.axial, "AXIAL LOAD");
  printLateralPileHeader(rep);
  for (int c = 1; c <= piles; ++c) {
    const RankedList<KeptSet>& list = p.lists.PILE[c][kTopEnd];
    const KeptSet& s = keptSetAt(list, criticalPileSet(list, true, method));
    kept.lateral.push_back(keptPileLine(c, s, kAllowableLateralLoad * groupFactorOf(s, method)));
    kept.lateral.back().over_allowable = std::fabs(s.VLF) > kept.lateral.back().allowable;
    printPileLine(rep, kept.lateral.back());
  }
  printOverloadNote(rep, kept.lateral, "LATERAL LOAD");
}

}  // namespace bentpier::column
