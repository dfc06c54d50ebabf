// The column force set of the load-case driver: forces of the load case in
// hand, handed to every analysis that reads or changes them.
#pragma once

#include "input/problem.h"

namespace bentpier {

// The column force set: forces of the load case in hand. Until the
// bearing-point correction ML carries the joint-analysis sign (opposite to a
// beam moment); MR and MP are beam moments (sagging positive) throughout.
struct ColumnForces {
  ForceRows row{};  // row[kRowML..kRowPSTAT][c]
  ColumnRow VCL{}, VCR{};  // cap shear just left and right of the column
  ColumnRow VSP{};         // end-moment shear of the span ending at column c (c >= 2)
  BearingTable MP{}, VPL{}, VPR{};  // cap moment and shears left/right at each bearing
  float FTRAN = 0;  // transverse force; after a frame solution the total column shear
  float FLONG = 0;  // longitudinal force
  float ARMT = 0, ARML = 0;  // arms of the lateral forces above the cap centreline
};

}  // namespace bentpier
