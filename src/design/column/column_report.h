// Report lines of the column design stage: the critical loads of every
// column end, the unstable sections with their loads, the design data of
// the designed ends, and the two pile tables of a pile bent.
#pragma once

#include <string>

#include "design/column/column_end.h"
#include "input/problem.h"
#include "base/report.h"

namespace bentpier::column {

// A design-load set as the load-case stage keeps it for a column end.
using KeptSet = bentpier::ColumnLoadSet;

// Column ends are printed as T (top) and B (bottom).
inline constexpr int kTopEnd = 1;
inline constexpr int kBottomEnd = 2;
inline char endLetter(int end) { return end == kTopEnd ? 'T' : 'B'; }

// The bar size printed for a face: the bar number of the bar-table code
// (code 12 is bar 14, code 13 bar 18), 0 for a face without bars.
int printedBarSize(const FaceBars& face);

// "COLUMN ANALYSIS AND DESIGN OUTPUT" on a new page with "CRITICAL COLUMN
// LOADS" and the column titles.
void printColumnHeader(Report& rep);

// The critical-loads line of a designed or investigated end: the
// governing set, its magnified loads and the factored strength found, and
// the section dimensions B and D (inches).
void printCriticalLoads(Report& rep, int column, int end, const KeptSet& set,
                        const ColumnEndResult& r, float B, float D);

// "ERROR IN INPUT FOR COLUMN" with the column number and end.
void printInputError(Report& rep, int column, int end);

// "COLUMN n e UNSTABLE OR NO DESIGN POSSIBLE" with the loads of the end.
void printUnstable(Report& rep, int column, int end, const ColumnEndResult& r, bool newPage);

// One line of "COLUMN DESIGN DATA": the bars found, the steel, and the
// magnification values of the governing set.
struct DesignDataLine {
  int column = 0;
  int end = kTopEnd;
  ColumnEndResult result;
  KeptSet set;
  int pattern = 0;  // bar mode of the bar record (printed under R)
};

void printDesignDataHeader(Report& rep, bool newPage);
// The line of an end, and under it, when the exact biaxial strength of a
// load falls short, "NOTE: EXACT BIAXIAL CAPACITY RATIO" with that ratio.
void printDesignData(Report& rep, const DesignDataLine& line);

// Pile tables. The 7-character name of a pile code: "TYPE 1 " to
// "TYPE 4 " for the standard piles, "SPECIAL" for a pile of given section.
std::string pileTypeName(int pileCode);

// Heading of the axial-load table on a new page, and heading of the
// lateral-load table that follows it.
void printPileHeader(Report& rep, const std::string& typeName);
void printLateralPileHeader(Report& rep);

// One pile line: the kept set and, last, the allowable value (PA or VLA).
void printPileLine(Report& rep, const PileLine& line);
PileLine keptPileLine(int pile, const KeptSet& set, float allowable);

// A column end as kept in the problem's results: the section, the result
// of the design or investigation and the governing set (null when the end
// has none), and the lines printed from it.
ColumnEndOutcome keptColumnEnd(int column, int end, const ColumnEndData& data,
                               const ColumnEndResult& r, const KeptSet* governing);
void printCriticalLoads(Report& rep, const ColumnEndOutcome& end);
void printUnstable(Report& rep, const ColumnEndOutcome& end, bool newPage);
void printDesignData(Report& rep, const ColumnEndOutcome& end);

}  // namespace bentpier::column
