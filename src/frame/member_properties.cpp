// The member-property stage: cap segments, columns and joint factors, then
// the property tables when the print switch IP asks for them.
#include "frame/member_properties.h"

namespace bentpier {

void PIER21(Problem& problem, Report& report) {
  const int NCOL = problem.dd.NCOL;
  const int NCAN = problem.dd.NCAN;

  problem.capp[1].RI = 0;
  if (NCAN >= 1) cantileverProperties(problem, -1);
  for (int k = 2; k <= NCOL; ++k) capSpanProperties(problem, k);
  problem.capp[NCOL + 1].RI = 0;
  if (NCAN == 2) cantileverProperties(problem, +1);

  for (int c = 1; c <= NCOL; ++c) {
    columnStiffness(problem, c);
    columnSlenderness(problem, c);
  }
  jointFactors(problem);

  if (problem.cs.IP == 'P') {
    printMemberProperties(problem, report);
    if (NCOL != 1) printCapProperties(problem, report);
  }
}

}  // namespace bentpier
