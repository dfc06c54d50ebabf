// The load-case stage: every basic load case of the bent analysed in a fixed
// order, its column force table printed, the cap envelopes built and, when
// column or footing design is asked for, every combination of AASHTO groups
// I, II, III, IV, V and VII offered to the design-load ranking.
#pragma once

#include "input/problem.h"
#include "base/report.h"

namespace bentpier {

void PIER31(Problem& p, Report& rep);

}  // namespace bentpier
