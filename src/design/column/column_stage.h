// The column design stage. A pile bent gets the critical axial and lateral
// loads of its piles; a column bent has both ends of every column designed
// or investigated, from the column design-load records and the design-load
// sets kept for each end, and gets "COLUMN ANALYSIS AND DESIGN OUTPUT" and
// "COLUMN DESIGN DATA".
#pragma once

#include "design/column/column_end.h"
#include "design/column/column_report.h"
#include "base/core_share.h"
#include "base/record_store.h"
#include "input/problem.h"
#include "base/report.h"

namespace bentpier {

// The ends are designed on the cores `share` can spare (one after another
// without it); the report and the kept results are the same either way.
void PIER61(Problem& problem, Report& report, CoreShare* share = nullptr);

}  // namespace bentpier

namespace bentpier::column {

// Line budget of the column output. The critical-loads header leaves the
// count at 10; each critical-loads line adds 2; an unstable listing adds 4
// title lines and a line per load, and starts a new page (count 4) when
// they would pass line 62; the header is printed again before a
// critical-loads line when the count is above 61 or an unstable listing
// came since the header.
class ColumnPage {
 public:
  static constexpr int kAfterHeader = 10;
  static constexpr int kReprintAbove = 61;
  static constexpr int kPageLines = 62;
  static constexpr int kUnstablePageStart = 4;
  // The message and the load titles, each after a blank line.
  static constexpr int kUnstableTitleLines = 4;
  static constexpr int kDesignDataHeading = 5;

  void header() {
    lines_ = kAfterHeader;
    unstableSinceHeader_ = false;
  }
  bool headerDue() const { return lines_ > kReprintAbove || unstableSinceHeader_; }
  void criticalLine() { lines_ += 2; }
  bool unstableOnNewPage(int nload) const {
    return lines_ + kUnstableTitleLines + nload > kPageLines;
  }
  void unstableListing(int nload, bool newPage) {
    if (newPage) lines_ = kUnstablePageStart;
    lines_ += kUnstableTitleLines + nload;
    unstableSinceHeader_ = true;
  }
  // The design data table (a heading of 5 lines, 2 lines per end and one
  // per note) starts a new page when it would pass line 62, and goes on to
  // another, its heading repeated, before a line that would pass it.
  bool designDataOnNewPage(int columns, int unstableEnds, int notes) const {
    return lines_ + 4 * columns + 5 - 2 * unstableEnds + notes > kPageLines;
  }
  void designDataHeader(bool newPage) { lines_ = (newPage ? 0 : lines_) + kDesignDataHeading; }
  bool designLineOnNewPage(bool note) const { return lines_ + 2 + (note ? 1 : 0) > kPageLines; }
  void designLine(bool note) { lines_ += 2 + (note ? 1 : 0); }
  int lines() const { return lines_; }

 private:
  int lines_ = kAfterHeader;
  bool unstableSinceHeader_ = false;
};

// The set at ranking position 1..25 of a list.
inline const KeptSet& keptSetAt(const RankedList<KeptSet>& list, int position) {
  return list.SET[list.ORDER[static_cast<size_t>(position)]];
}

// Reads the option, section, bar and load-count records of one column end
// and takes its loads from the kept sets of `list`. False when the store
// ends before the four records are read.
bool readColumnEnd(RecordCursor& cursor, const RankedList<KeptSet>& list, char method,
                   ColumnEndData& data);

// Pile tables: the list position (1..25) of the set with the largest axial
// load (or, `lateral`, the largest lateral load) over its group factor; the
// first position keeps the place on equal values and when no set has a
// positive value.
int criticalPileSet(const RankedList<KeptSet>& list, bool lateral, char method);

// Both pile tables of the piles 1..piles.
void printPileTables(Problem& p, int piles, Report& rep);

}  // namespace bentpier::column
