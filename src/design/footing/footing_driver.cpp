// PIER71: the footing design of a problem from its footing record store.
// The store holds the parameter record, then per footing its record and,
// for a footing designed by itself, its design-load sets; reading stops at
// the first record that is missing or not of the kind expected there.
#include "design/footing/footing.h"
#include "base/record_store.h"
#include "input/problem.h"

namespace bentpier {

FootingStageInput readFootingStore(const RecordStore& FTGREC) {
  FootingStageInput in;
  RecordCursor cursor(FTGREC);
  const std::string* record = cursor.next();
  if (record == nullptr) return in;
  const FootingParameterRecord params = readFootingParameterRecord(*record);
  if (params.TYPE != '1') return in;
  in.params = params;
  for (int c = 1; c <= params.NCOL; ++c) {
    record = cursor.next();
    if (record == nullptr) return in;
    const FootingRecord footing = readFootingRecord(*record);
    if (footing.TYPE != '2') return in;
    in.footings.push_back(FootingData{footing, {}});
    if (footing.SAME != 0) continue;
    FootingData& f = in.footings.back();
    for (int s = 1; s <= footing.NFLS; ++s) {
      record = cursor.next();
      if (record == nullptr) return in;
      const FootingLoadRecord set = readFootingLoadRecord(*record);
      if (set.TYPE != '3') return in;
      f.sets.push_back(set);
    }
  }
  return in;
}

void PIER71(Problem& problem, Report& report) {
  designFootings(readFootingStore(problem.rec.FTGREC), problem.dd.METHOD,
                 problem.dd.FTGOPT, report, &problem.results.footings);
}

}  // namespace bentpier
