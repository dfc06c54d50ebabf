// Footing cards (31, 32, ...), one per column when a footing option is given:
// a spread footing on soil, a pile footing, or the same footing as an
// earlier column.
#include "input/reader.h"

namespace bentpier {
namespace {

constexpr int kFirstFootingCard = 31;
constexpr int kMinPiles = 4;
constexpr int kMaxPiles = 25;
// Columns of COLUMN DATA that still leave room for FOOTING DATA on its page.
constexpr int kColumnsSharingPage = 5;
// The plan ratios are read to thousandths; their sum is compared at that
// resolution so that, say, 1.2 and 0.8 make 2 however the binary fractions
// round.
constexpr long long kRatioSumLeast = 2000;  // thousandths

void readFooting(Card& card, Footing& f) {
  f.SP = card.column(3);
  f.B = card.real(4, 8, 3);
  f.D = card.real(9, 13, 3);
  f.T = card.real(14, 18, 3);
  f.DEL_B = card.real(19, 23, 3);
  f.DEL_D = card.real(24, 28, 3);
  f.DEL_T = card.real(29, 33, 3);
  f.R_BD = card.real(34, 37, 3);
  f.R_DB = card.real(38, 41, 3);
  f.S_HT = card.real(42, 46, 3);
  f.NP = card.integer(47, 48);
  f.SYM = card.integer(49, 49);
  f.BP = card.real(50, 54, 3);
  f.DP = card.real(55, 59, 3);
  f.SET = card.real(60, 64, 3);
}

void echoHeading(Report& rep, int ncol) {
  rep << Line(ncol > kColumnsSharingPage ? kNewPage : kSkipLine).blanks(48).text("FOOTING DATA");
  rep << Line(kSkipLine)
             .text("CN S/P   B       D       T")
             .blanks(6)
             .text("DEL.B   DEL.D   DEL.T  R.B/D  R.D/B   S.HT.  NP  SYM.")
             .blanks(3)
             .text("BP      DP      SET.");
}

void echoFooting(Report& rep, int card_number, const Footing& f) {
  Line line(kSkipLine);
  line.i(card_number, 2).blanks(2).ch(f.SP);
  for (float v : {f.B, f.D, f.T, f.DEL_B, f.DEL_D, f.DEL_T}) line.f(v, 8, 3);
  line.f(f.R_BD, 7, 3).f(f.R_DB, 7, 3).f(f.S_HT, 8, 3);
  line.i(f.NP, 4).i(f.SYM, 4);
  line.f(f.BP, 9, 3).f(f.DP, 8, 3).f(f.SET, 8, 3);
  rep << line;
}

// A footing on piles: at least four piles, at most the largest arrangement;
// a design needs the pile capacity, an investigation the pile spacing and
// the plan.
bool pileFootingSound(const Problem& p, Footing& f) {
  if (f.NP < kMinPiles) f.NP = kMinPiles;
  if (f.NP > kMaxPiles) return false;
  if (p.dd.FTGOPT == 'D') return p.cs.PILECAP > 0.0f;
  return f.BP > 0.0f && f.DP > 0.0f && f.B > 0.0f && f.D > 0.0f;
}

// A footing on soil: a real plan; a design also needs a way to grow (plan
// increments, a thickness increment, the plan ratio limits) and the
// allowable soil pressure.
bool spreadFootingSound(const Problem& p, const Footing& f) {
  if (f.B <= 0.0f || f.D <= 0.0f) return false;
  if (p.dd.FTGOPT != 'D') return true;
  return (f.DEL_B > 0.0f || f.DEL_D > 0.0f) && f.DEL_T > 0.0f && f.R_BD > 0.0f &&
         f.R_DB > 0.0f && thousandths(f.R_BD) + thousandths(f.R_DB) >= kRatioSumLeast && p.cs.ALLSP > 0.0f;
}

}  // namespace

Step readFootingCards(ProblemReader& r) {
  Problem& p = r.problem();
  if (p.dd.FTGOPT != 'D' && p.dd.FTGOPT != 'I') return Step::Ok;
  echoHeading(r.report(), p.dd.NCOL);
  for (int col = 1; col <= p.dd.NCOL; ++col) {
    const int expected = kFirstFootingCard + col - 1;
    Card card;
    if (const Step got = r.next(card, expected); got != Step::Ok) return got;
    Footing f;
    readFooting(card, f);
    if (r.fieldsRead(card) != Step::Ok) return Step::Error;
    p.as_read.ftg[col] = f;

    if (f.SP != 'S' && f.SP != 'P') {
      r.report() << Line(kSkipLine).i(r.numberRead(), 2).blanks(2).i(col, 1)
                        .text(" SAME AS FOOTING ").ch(f.SP);
      const int t = referencedMember(f.SP, 1, col - 1);
      if (col < 2 || t == 0) return Step::Error;
      p.ftg[col] = p.ftg[t];
      p.ftg[col].REF = t;
      continue;
    }

    echoFooting(r.report(), r.numberRead(), f);
    if (!r.numberIs(expected) || f.T <= 0.0f) return Step::Error;
    f.REF = 0;
    const bool ok = f.SP == 'P' ? pileFootingSound(p, f) : spreadFootingSound(p, f);
    if (!ok) return Step::Error;
    p.ftg[col] = f;
  }
  return Step::Ok;
}

}  // namespace bentpier
