// The miscellaneous forces card (43): centrifugal and traction forces with
// their arms, cap expansion and shrinkage, stream flow, and the switch for
// the seismic cards (44), one per column, that follow it.
#include <cmath>

#include "input/reader.h"

namespace bentpier {
namespace {

constexpr int kMiscCard = 43;
constexpr int kSeismicCard = 44;
constexpr int kFirstForceColumn = 5;
constexpr int kForceWidth = 5;

Step readMisc(ProblemReader& r) {
  Card card;
  if (const Step got = r.next(card, kMiscCard); got != Step::Ok) return got;
  MiscForces& m = r.problem().misc;
  m.FT = card.real(3, 8, 3);
  m.FL = card.real(9, 14, 3);
  m.APT = card.real(15, 19, 3);
  m.APL = card.real(20, 24, 3);
  m.EXPC = card.real(25, 32, 8);
  m.SHRC = card.real(33, 40, 8);
  m.PT = card.real(41, 45, 3);
  m.PL = card.real(46, 50, 3);
  m.NSEIS = card.integer(51, 52);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;

  Report& rep = r.report();
  rep << Line(kSkipLine).blanks(26).text("MISCELLANEOUS FORCES");
  rep << Line(kNextLine)
             .text("CENTRI.  TRACTION FORCE AND ARMS")
             .text("   EXPANSION   SHRINKAGE     STREAM FLOW");
  rep << Line(kNextLine)
             .text("  FT").blanks(7).text("FL").blanks(6).text("APT     APL")
             .blanks(4).text("COEFFICIENT COEFFICIENT    PT      PL");
  rep << Line(kSkipLine)
             .f(m.FT, 6, 3).f(m.FL, 9, 3).f(m.APT, 8, 3).f(m.APL, 8, 3)
             .f(m.EXPC, 14, 8).f(m.SHRC, 12, 8).f(m.PT, 8, 3).f(m.PL, 8, 3);
  return r.numberIs(kMiscCard) ? Step::Ok : Step::Error;
}

void echoSeismic(Report& rep, const Problem& p) {
  rep << Line(kSkipLine).blanks(25).text("SEISMIC LONG. FORCES").blanks(31)
             .text("SEISMIC TRANSV. FORCES");
  rep << Line(kSkipLine).text(
      " COL  TOP-VL  TOP-VT  BOT-ML  TOP-ML  BOT-MT  TOP-MT  TOP-P   *  TOP-VL  TOP-VT  "
      "BOT-ML  TOP-ML  BOT-MT  TOP-MT  TOP-P ");
  for (int c = 1; c <= p.dd.NCOL; ++c) {
    Line line(kNextLine);
    line.blanks(3).i(c, 2);
    for (int j = 1; j <= kSeismicForces; ++j) line.f(p.seis[c].LONG[j], 8, 0);
    line.blanks(3);
    for (int j = 1; j <= kSeismicForces; ++j) line.f(p.seis[c].TRANS[j], 8, 0);
    rep << line;
  }
}

// One seismic card per column, in column order; the forces act either way,
// so only their magnitudes are kept.
Step readSeismic(ProblemReader& r) {
  Problem& p = r.problem();
  for (int c = 1; c <= p.dd.NCOL; ++c) {
    Card card;
    if (const Step got = r.next(card, kSeismicCard); got != Step::Ok) return got;
    const int column = card.integer(3, 4);
    SeismicForces& s = p.seis[c];
    for (int j = 1; j <= 2 * kSeismicForces; ++j) {
      const int first = kFirstForceColumn + (j - 1) * kForceWidth;
      const float v = std::fabs(card.real(first, first + kForceWidth - 1, 0));
      if (j <= kSeismicForces) s.LONG[j] = v;
      else s.TRANS[j - kSeismicForces] = v;
    }
    if (r.fieldsRead(card) != Step::Ok) return Step::Error;
    if (!r.numberIs(kSeismicCard) || column != c) return Step::Error;
  }
  echoSeismic(r.report(), p);
  return Step::Ok;
}

}  // namespace

Step readForceCards(ProblemReader& r) {
  const Step s = readMisc(r);
  if (s != Step::Ok) return s;
  if (r.problem().misc.NSEIS == 0) return Step::Ok;
  return readSeismic(r);
}

}  // namespace bentpier
