// Failure messages of a footing and the block of loads that follows them.
#include "design/footing/footing.h"

namespace bentpier {

void printLoadBlock(Report& rep, const FootingDesign& fd) {
  rep << Line(kSkipLine)
             .text("LOADS ARE:     PS        MTS       VTS       MLS  ")
             .text("     VLS       PF        MTF       VTF       MLF  ")
             .text("     VLF");
  const FootingLoadRecord none;
  const FootingLoadRecord& s =
      fd.current >= 1 && fd.current <= fd.sets() ? fd.set(fd.current) : none;
  Line line(kSkipLine);
  line.blanks(10);
  for (float v : {s.PS, s.MTS, s.VTS, s.MLS, s.VLS, s.PF, s.MTF, s.VTF, s.MLF,
                  s.VLF})
    line.f(v, 10, 3);
  rep << line;
}

Line havingTrouble(int counter) {
  Line line(kSkipLine);
  line.text("HAVING TROUBLE WITH FOOTING").i(counter, 2).text(" DESIGN");
  return line;
}

void failFooting(Report& rep, FootingDesign& fd, const Line& message) {
  fd.outcome.footing = fd.counter;
  fd.outcome.SP = fd.f.SP;
  fd.outcome.status = FootingOutcome::Status::kFailed;
  fd.outcome.failure = message.str().substr(1);
  rep << message;
  printLoadBlock(rep, fd);
  fd.stop = true;
}

void printRotationNote(Report& rep) {
  rep << Line(kSkipLine).text(
      "**** NOTE: FOOTING SHOULD BE ROTATED 90 DEGREES ****");
}

}  // namespace bentpier
