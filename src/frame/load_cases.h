// The load-case stage: every basic load case of the bent analysed in a fixed
// order, its column force table printed, the cap envelopes built and, when
// column or footing design is asked for, every combination of AASHTO groups
// I, II, III, IV, V and VII offered to the design-load ranking.
#pragma once

#include "input/problem.h"
#include "base/report.h"

namespace bentpier {

void PIER31(Problem& p, Report& rep);

// The strength-reduction factor of each column 1..NCOL that the moment
// magnifiers divide the critical loads by: 0.75 for a round or spiral
// column, 0.7 for a tied one, OC when the column steel card gives it, and 1
// under service loads or for a pile bent.
ColumnRow strengthReductionFactors(const Problem& p);

}  // namespace bentpier
