// The footing stage: every footing of the bent in turn, from the footing
// design parameters and the footings' records.
#include "design/footing/footing.h"

namespace bentpier {
namespace {

void outOfOrder(Report& rep, int counter) {
  rep << Line(kSkipLine).text("DATA OUT OF ORDER FOR FOOTING").i(counter, 2);
}

// A footing whose plan, thickness or column section is not a positive
// size cannot be designed.
bool usableSize(const FootingData& r) {
  const bool column = r.DB > 0.0f && r.BB >= 0.0f;
  if (r.SP == 'S') return column && r.B > 0.0f && r.D > 0.0f && r.T > 0.0f;
  return column && r.T > 0.0f;
}

}  // namespace

void designFootings(const FootingStageInput& in, char METHOD, char FTGOPT,
                    Report& rep, std::vector<FootingOutcome>* kept) {
  int counter = 0;
  auto keep = [&](const FootingOutcome& o) {
    if (kept != nullptr) kept->push_back(o);
  };
  auto outOfOrderAt = [&](int at) {
    FootingOutcome o;
    o.footing = at;
    o.status = FootingOutcome::Status::kOutOfOrder;
    o.failure = "DATA OUT OF ORDER FOR FOOTING" + fmtI(at, 2);
    keep(o);
    outOfOrder(rep, at);
  };
  if (!in.params) {
    outOfOrderAt(counter);
    return;
  }
  FootingStrengths k = footingStrengths(*in.params, METHOD, FTGOPT);
  for (;;) {
    ++counter;
    if (counter > static_cast<int>(in.footings.size())) {
      outOfOrderAt(counter);
      return;
    }
    const FootingData& r = in.footings[counter - 1];
    if (r.SAME != 0) {
      FootingOutcome same;
      same.footing = counter;
      same.SP = r.SP;
      same.status = FootingOutcome::Status::kSameAs;
      same.same_as = r.SAME;
      keep(same);
      rep << Line(kSkipLine)
                 .text("FOOTING")
                 .i(counter, 2)
                 .text(" DESIGN SAME AS FOOTING")
                 .i(r.SAME, 2);
    } else {
      if (static_cast<int>(r.sets.size()) < r.NFLS) {
        outOfOrderAt(counter);
        return;
      }
      if (r.SP == 'S' || r.SP == 'P') {
        FootingDesign fd = prepareFooting(r, counter, k);
        fd.outcome.footing = counter;
        fd.outcome.SP = r.SP;
        fd.outcome.status = FootingOutcome::Status::kFailed;
        if (!usableSize(r)) {
          fd.current = fd.sets() >= 1 ? 1 : 0;
          failFooting(rep, fd, havingTrouble(counter));
        } else if (r.SP == 'S') {
          designSpreadFooting(fd, k, rep);
        } else {
          designPileFooting(fd, k, rep);
        }
        keep(fd.outcome);
        if (fd.stop) {
          outOfOrder(rep, counter);
          return;
        }
      }
    }
    if (counter >= in.params->NCOL) return;
  }
}

}  // namespace bentpier
