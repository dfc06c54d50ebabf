// The per-case table "COLUMN MOMENTS(KIP-FEET), SHEARS(KIPS), REACTIONS(KIPS)".
#pragma once

#include <string>

#include "frame/column_forces.h"
#include "input/problem.h"
#include "base/report.h"

namespace bentpier {

// How the first line of a case is labelled.
enum class CaseKind {
  kLabelWithBottomLoad = 0,  // label, and a PB line under every column (dead load)
  kLabel = 1,                // label
  kWind = 2,                 // "GROUP" g " WIND" w s
  kLiveLoad = 3,             // "LIVE LOAD " LLID
};

struct CaseTitle {
  CaseKind kind = CaseKind::kLabel;
  std::string label;  // 16 characters, kinds 0 and 1
  int group = 0, wind = 0, direction = 0;  // kind 2
  std::string llid;   // kind 3

  static CaseTitle labelled(const std::string& label, bool bottomLoad = false) {
    CaseTitle t;
    t.kind = bottomLoad ? CaseKind::kLabelWithBottomLoad : CaseKind::kLabel;
    t.label = label;
    return t;
  }
  static CaseTitle windCase(int group, int wind, int direction) {
    CaseTitle t;
    t.kind = CaseKind::kWind;
    t.group = group;
    t.wind = wind;
    t.direction = direction;
    return t;
  }
  static CaseTitle liveLoad(const std::string& llid) {
    CaseTitle t;
    t.kind = CaseKind::kLiveLoad;
    t.llid = llid;
    return t;
  }
};

// Lines on a page before the next case needs a new one, and the count at
// which the tables of a problem start (forcing a page).
inline constexpr int kForceTablePageLines = 61;
inline constexpr int kForceTableFirstCount = 100;

// Keeps the column forces of the set f and the cap values at the bearing
// points for one case in the problem's results, and prints the columns from
// what was kept, opening a new page with the table heading when the case
// does not fit. `lineCount` is the count of lines on the page, shared by all
// tables of the load cases. Nothing is printed, and the count is kept, when
// the title begins with "XX".
void printForceTable(Problem& p, const ColumnForces& f, Report& rep, int& lineCount,
                     const CaseTitle& title);

// The case as kept: the column forces of the set f and the cap values at the
// bearing points.
LoadCaseResult keptLoadCase(const Problem& p, const ColumnForces& f, const CaseTitle& title);

}  // namespace bentpier
