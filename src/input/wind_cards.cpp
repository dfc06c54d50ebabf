// Wind cards: group II (41), wind on the superstructure and on the pier, and
// group III (42), reduced wind on the superstructure with wind on the live
// load. Intensities are given in psf and lb/ft for up to five skew
// directions, or taken from the standard tables.
#include "input/reader.h"

namespace bentpier {
namespace {

constexpr int kGroupIICard = 41;
constexpr int kGroupIIICard = 42;
constexpr float kPoundsPerKip = 1000.0f;
// Group III carries 30 percent of the group II wind on the superstructure:
// 3 psf in 10 becomes 3/10000 ksf.
constexpr int kGroupIIITenths = 3;
constexpr float kTenthPoundsPerKip = 10000.0f;

using Pairs = std::array<int, kMaxWindDirections + 1>;

// Standard wind intensities for the five skew angles of the wind.
constexpr Pairs kSuperstructureFT = {0, 50, 44, 41, 33, 17};  // psf
constexpr Pairs kSuperstructureFL = {0, 0, 6, 12, 16, 19};    // psf
constexpr Pairs kLiveLoadFT = {0, 100, 88, 82, 66, 34};       // lb/ft
constexpr Pairs kLiveLoadFL = {0, 0, 12, 24, 32, 38};         // lb/ft

// Reads five (FT, FL) pairs of 2-digit fields from column `first`.
void readPairs(Card& card, int first, Pairs& ft, Pairs& fl) {
  for (int i = 1; i <= kMaxWindDirections; ++i) {
    const int c = first + (i - 1) * 4;
    ft[i] = card.integer(c, c + 1);
    fl[i] = card.integer(c + 2, c + 3);
  }
}

// Keeps the five pairs as echoed.
void keepPairs(const Pairs& ft, const Pairs& fl, Table<int, kMaxWindDirections + 1>& kept_ft,
               Table<int, kMaxWindDirections + 1>& kept_fl) {
  for (int i = 1; i <= kMaxWindDirections; ++i) {
    kept_ft[i] = ft[i];
    kept_fl[i] = fl[i];
  }
}

Step readGroupII(ProblemReader& r) {
  Card card;
  if (const Step got = r.next(card, kGroupIICard); got != Step::Ok) return got;
  WindLoads& w = r.problem().wind;
  w.WAT = card.real(3, 8, 0);
  w.WAL = card.real(9, 14, 0);
  const int code = card.integer(15, 15);
  Pairs ft{}, fl{};
  readPairs(card, 16, ft, fl);
  w.APT2 = card.real(36, 40, 3);
  w.APL2 = card.real(41, 45, 3);
  w.PT2 = card.real(46, 50, 3);
  w.PL2 = card.real(51, 55, 3);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;
  if (code != 0) {
    ft = kSuperstructureFT;
    fl = kSuperstructureFL;
  }

  Report& rep = r.report();
  rep << Line(kNewPage).text("+++++").blanks(47).text("GROUP II WIND");
  rep << Line(kNextLine)
             .text("SUPERSTRUCTURE AREA*S")
             .text("TD.        WIND ON SUPERSTRUCTURE INTENSITIES")
             .blanks(7)
             .text("* WIND FORCE ARM  * WIND ON PIER");
  rep << Line(kNextLine)
             .text("  TRANS.")
             .blanks(5)
             .text("LONG.  WIND FT1 FL1   FT2 FL2   FT3 FL3   FT4 FL4   ")
             .text("FT5 FL5")
             .blanks(5).text("APT")
             .blanks(5).text("APL")
             .blanks(6).text("PT")
             .blanks(6).text("PL");
  Line values(kSkipLine);
  values.f(w.WAT, 8, 0).f(w.WAL, 10, 0).i(code, 4);
  for (int i = 1; i <= kMaxWindDirections; ++i) values.i(ft[i], 6).i(fl[i], 4);
  values.f(w.APT2, 9, 3).f(w.APL2, 8, 3).f(w.PT2, 9, 3).f(w.PL2, 8, 3);
  rep << values;

  if (!r.numberIs(kGroupIICard)) return Step::Error;
  w.STD2 = code;
  keepPairs(ft, fl, w.FT2, w.FL2);
  w.NW2 = 0;
  for (int i = 1; i <= kMaxWindDirections; ++i) {
    if (ft[i] + fl[i] == 0) break;
    w.WFT2[i] = static_cast<float>(ft[i]) / kPoundsPerKip;
    w.WFL2[i] = static_cast<float>(fl[i]) / kPoundsPerKip;
    ++w.NW2;
  }
  return Step::Ok;
}

Step readGroupIII(ProblemReader& r) {
  Card card;
  if (const Step got = r.next(card, kGroupIIICard); got != Step::Ok) return got;
  WindLoads& w = r.problem().wind;
  const int code = card.integer(3, 3);
  Pairs ft{}, fl{};
  readPairs(card, 4, ft, fl);
  const int ll_code = card.integer(24, 24);
  Pairs lft{}, lfl{};
  lft[1] = card.integer(25, 27);
  lfl[1] = card.integer(28, 29);
  for (int i = 2; i <= kMaxWindDirections; ++i) {
    const int c = 30 + (i - 2) * 4;
    lft[i] = card.integer(c, c + 1);
    lfl[i] = card.integer(c + 2, c + 3);
  }
  w.LLT = card.real(46, 50, 1);
  w.LLL = card.real(51, 55, 1);
  w.APT3 = card.real(56, 60, 3);
  w.APL3 = card.real(61, 65, 3);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;
  if (code != 0) {
    ft = kSuperstructureFT;
    fl = kSuperstructureFL;
  }
  if (ll_code != 0) {
    lft = kLiveLoadFT;
    lfl = kLiveLoadFL;
  }

  Report& rep = r.report();
  rep << Line(kSkipLine).blanks(58).text("GROUP III WIND");
  rep << Line(kNextLine)
             .text("STD. *   WIND ON ")
             .text("SUPERSTRUCTURE INTENSITIES")
             .blanks(4).text("*")
             .blanks(2).text("STD. *")
             .blanks(6).text("WIND ON LIVE LOAD INTENSITIES")
             .blanks(6).text("*  LENGTHS OF LL * ")
             .text("WIND ON LL ARMS");
  rep << Line(kNextLine)
             .text("WIND FT1 FL1  FT2 FL2  FT3 FL3")
             .text("  FT4 FL4  FT5 FL5  WIND")
             .blanks(1)
             .text("FT1 FL1  FT2 FL2  ")
             .text("FT3 FL3  FT4 FL4  FT5 FL5   TRANS.  LONGI.   APT     APL");
  Line values(kSkipLine);
  values.i(code, 3);
  for (int i = 1; i <= kMaxWindDirections; ++i) values.i(ft[i], 5).i(fl[i], 4);
  values.blanks(1).i(ll_code, 3).blanks(1);
  for (int i = 1; i <= kMaxWindDirections; ++i) values.i(lft[i], 5).i(lfl[i], 4);
  values.f(w.LLT, 8, 1).f(w.LLL, 8, 1).f(w.APT3, 8, 3).f(w.APL3, 8, 3);
  rep << values;

  if (!r.numberIs(kGroupIIICard)) return Step::Error;
  w.STD3 = code;
  w.STDLL = ll_code;
  keepPairs(ft, fl, w.FT3, w.FL3);
  keepPairs(lft, lfl, w.LFT, w.LFL);
  w.NW3 = 0;
  for (int i = 1; i <= kMaxWindDirections; ++i) {
    if (ft[i] == 0 && fl[i] == 0 && lft[i] == 0 && lfl[i] == 0) break;
    w.WFT3[i] = static_cast<float>(kGroupIIITenths * ft[i]) / kTenthPoundsPerKip;
    w.WFL3[i] = static_cast<float>(kGroupIIITenths * fl[i]) / kTenthPoundsPerKip;
    w.LFT3[i] = static_cast<float>(lft[i]) / kPoundsPerKip;
    w.LFL3[i] = static_cast<float>(lfl[i]) / kPoundsPerKip;
    ++w.NW3;
  }
  return Step::Ok;
}

}  // namespace

Step readWindCards(ProblemReader& r) {
  const Step s = readGroupII(r);
  if (s != Step::Ok) return s;
  return readGroupIII(r);
}

}  // namespace bentpier
