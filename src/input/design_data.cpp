// Design data card (1) and column reinforcing steel card (2).
#include <cmath>

#include "input/reader.h"

namespace bentpier {
namespace {

constexpr float kSecondsPerRadian = 206264.8125f;
constexpr float kEcPerRootFpc = 57619.03125f;  // EC (psi) per sqrt(F'C)

bool validMainSize(int size) { return size <= 11 || size == 14 || size == 18; }

// A designed cap holds at least MINNO main bars in a face, in at most two
// layers of MAXTOP (top) or MAXBOT (bottom) bars.
bool minimumBarsFitTwoLayers(const DesignData& d) {
  return d.CAPOPT != 'D' || (d.MINNO <= 2 * d.MAXTOP && d.MINNO <= 2 * d.MAXBOT);
}

void defaultReal(float& v, float dflt) {
  if (v <= 0.0f) v = dflt;
}

void echoDesignData(Report& rep, const DesignData& d) {
  rep << Line(kSkipLine).blanks(60).text("DESIGN DATA");
  rep << Line(kNextLine)
             .text(" DESIGN NO. NO. NO. SKEW ANG")
             .text("  F'C   FC    N   FY     FS     EC    ES    CONC.   Z")
             .text("   *  *  * CAP REINFORCING STEEL  *  *  *  CAP");
  rep << Line(kNextLine)
             .text("OPTIONS CAN COL LLC  D  M  S  PSI   PSI")
             .blanks(7)
             .text("PSI    PSI")
             .text("    KSI   KSI   STRAIN FACT MAIN STR MAX  MAX  MIN  MIN")
             .text("  TOP   MIN DEPTH BOT");
  rep << Line(kNextLine).blanks(84).text("SIZE SIZ TOP  BOT ").text("SIZE  NO.  CL.  S.SP INCR. CL.");
  rep << Line(kNextLine)
             .ch(d.CAPOPT).ch(' ').ch(d.COLOPT).ch(' ').ch(d.FTGOPT).ch(' ').ch(d.METHOD)
             .i(d.NCAN, 3).i(d.NCOL, 4).i(d.NLLC, 4).i(d.SKEWD, 4)
             .text("-").iz(d.SKEWM, 2).text("-").iz(d.SKEWS, 2)
             .f(d.FPC, 6, 0).f(d.FC, 6, 0).f(d.N, 4, 1).f(d.FY, 7, 0).f(d.FS, 7, 0)
             .f(d.EC, 6, 0).f(d.ES, 7, 0).f(d.CONC_STRAIN, 7, 4).f(d.Z, 5, 0)
             .i(d.MAINSZ, 4).i(d.STRSZ, 4).i(d.MAXTOP, 4)
             .i(d.MAXBOT, 5).i(d.MINSZ, 5).i(d.MINNO, 5)
             .f(d.TOPCL, 6, 2).f(d.MINSSP, 6, 2).f(d.DEPINC, 5, 2).f(d.BOTCL, 5, 2);
}

void echoColumnSteel(Report& rep, const ColumnSteel& c, float impact_percent) {
  rep << Line(kSkipLine)
             .text("COLUMN REINFORCING STEEL   R   KL   OC   OF   CM  BD1")
             .text("  BD2 IMPACT SOIL WT ALL.S.P.  MIN   MAX  EDGE  PILE")
             .text("  REBAR ALL.PILE ALL.PILE I");
  rep << Line(kNextLine)
             .text("MIN.P MAX.P CL.SP. ")
             .text("CLEAR MODE COEF")
             .blanks(27)
             .text("%      KCF      KSF   PL SP PL")
             .text(" SP DIST  DEPTH CLEAR CAPACITY  UPLIFT  P");
  rep << Line(kNextLine)
             .f(c.MIN_P, 5, 2).f(c.MAX_P, 6, 2).f(c.CL_SP, 6, 2).f(c.CLEAR, 7, 3)
             .i(c.RMODE, 4).f(c.KLCOEF, 6, 2)
             .f(c.OC, 5, 2).f(c.OF, 5, 2).f(c.CM, 5, 2).f(c.BD1, 5, 2).f(c.BD2, 5, 2)
             .f(impact_percent, 6, 2).f(c.SOILWT, 7, 3).f(c.ALLSP, 9, 3)
             .f(c.MINPLSP, 6, 2).f(c.MAXPLSP, 6, 2).f(c.EDGEDIST, 7, 3)
             .f(c.PILEDEPTH, 6, 3).f(c.REBARCLR, 6, 3).f(c.PILECAP, 8, 3).f(c.PILEUPL, 9, 3)
             .blanks(2).ch(c.IP);
}

}  // namespace

Step readDesignData(ProblemReader& r) {
  Card card;
  if (const Step s = r.next(card, 1); s != Step::Ok) return s;
  DesignData& d = r.problem().dd;
  d.CAPOPT = card.column(3);
  d.COLOPT = card.column(4);
  d.FTGOPT = card.column(5);
  d.METHOD = card.column(6);
  d.NCAN = card.integer(7, 7);
  d.NCOL = card.integer(8, 9);
  d.NLLC = card.integer(10, 11);
  d.SKEWD = card.integer(12, 13);
  d.SKEWM = card.integer(14, 15);
  d.SKEWS = card.integer(16, 17);
  d.FPC = card.real(18, 21, 0);
  d.FC = card.real(22, 25, 0);
  d.N = card.real(26, 27, 0);
  d.FY = card.real(28, 32, 0);
  d.FS = card.real(33, 37, 0);
  d.EC = card.real(38, 41, 0);
  d.ES = card.real(42, 46, 0);
  d.CONC_STRAIN = card.real(47, 50, 4);
  d.Z = card.real(51, 53, 0);
  d.MAINSZ = card.integer(54, 55);
  d.STRSZ = card.integer(56, 57);
  d.MAXTOP = card.integer(58, 59);
  d.MAXBOT = card.integer(60, 61);
  d.MINSZ = card.integer(62, 63);
  d.MINNO = card.integer(64, 65);
  d.TOPCL = card.real(66, 68, 2);
  d.MINSSP = card.real(69, 71, 2);
  d.DEPINC = card.real(72, 74, 2);
  d.BOTCL = card.real(75, 77, 2);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;
  r.problem().as_read.dd = d;

  // Options: any cap option designs; column and footing options other than
  // "D" investigate; any method other than service load is load factor.
  if (d.CAPOPT != ' ') d.CAPOPT = 'D';
  if (d.COLOPT != 'D' && d.COLOPT != ' ') d.COLOPT = 'I';
  if (d.FTGOPT != 'D' && d.FTGOPT != ' ') d.FTGOPT = 'I';
  if (d.METHOD != 'S') d.METHOD = 'L';

  defaultReal(d.FPC, 3000.0f);
  defaultReal(d.FC, 0.4f * d.FPC);
  defaultReal(d.FY, 40000.0f);
  defaultReal(d.FS, 20000.0f);
  defaultReal(d.EC, kEcPerRootFpc * std::sqrt(d.FPC) / 1000.0f);
  defaultReal(d.ES, 29000.0f);
  defaultReal(d.N, d.ES / d.EC);
  defaultReal(d.CONC_STRAIN, 0.003f);
  defaultReal(d.Z, 170.0f);
  if (d.MAINSZ <= 1) d.MAINSZ = 11;
  if (d.STRSZ <= 1) d.STRSZ = 5;
  if (d.MAXTOP < 1) d.MAXTOP = 6;
  if (d.MAXBOT < 1) d.MAXBOT = 6;
  if (d.MINSZ <= 1) d.MINSZ = d.MAINSZ;
  defaultReal(d.TOPCL, 2.0f);
  defaultReal(d.MINSSP, 4.0f);
  if (d.CAPOPT == 'D') defaultReal(d.DEPINC, 3.0f);
  defaultReal(d.BOTCL, 2.31f);

  echoDesignData(r.report(), d);

  const bool ok = r.numberIs(1) && d.NCAN <= 2 && d.NCOL >= 1 && d.NCOL <= kMaxColumns &&
                  d.NLLC >= 1 && d.NLLC <= kMaxLiveCases && d.SKEWD <= 90 &&
                  d.SKEWM <= 59 && d.SKEWS <= 59 && validMainSize(d.MAINSZ) &&
                  d.STRSZ <= 11 && validMainSize(d.MINSZ) && minimumBarsFitTwoLayers(d);
  if (!ok) return Step::Error;

  const float seconds = static_cast<float>(d.SKEWS + (d.SKEWD * 60 + d.SKEWM) * 60);
  const float angle = seconds / kSecondsPerRadian;
  d.SINSKW = std::sin(angle);
  d.COSSKW = std::cos(angle);
  return Step::Ok;
}

Step readColumnSteel(ProblemReader& r) {
  Card card;
  if (const Step s = r.next(card, 2); s != Step::Ok) return s;
  const DesignData& d = r.problem().dd;
  ColumnSteel& c = r.problem().cs;
  c.MIN_P = card.real(3, 5, 2);
  c.MAX_P = card.real(6, 8, 2);
  c.CL_SP = card.real(9, 11, 2);
  c.CLEAR = card.real(12, 15, 3);
  c.RMODE = card.integer(16, 16);
  c.KLCOEF = card.real(17, 19, 2);
  c.OC = card.real(20, 22, 2);
  c.OF = card.real(23, 25, 2);
  c.CM = card.real(26, 28, 2);
  c.BD1 = card.real(29, 31, 2);
  c.BD2 = card.real(32, 34, 2);
  c.IMPACT = card.real(35, 38, 2);
  c.SOILWT = card.real(39, 41, 3);
  c.ALLSP = card.real(42, 46, 3);
  c.MINPLSP = card.real(47, 49, 2);
  c.MAXPLSP = card.real(50, 52, 2);
  c.EDGEDIST = card.real(53, 56, 3);
  c.PILEDEPTH = card.real(57, 61, 3);
  c.REBARCLR = card.real(62, 65, 3);
  c.PILECAP = card.real(66, 71, 3);
  c.PILEUPL = card.real(72, 76, 3);
  c.IP = card.column(77);
  if (r.fieldsRead(card) != Step::Ok) return Step::Error;
  r.problem().as_read.cs = c;

  defaultReal(c.MIN_P, 1.0f);
  defaultReal(c.MAX_P, 8.0f);
  defaultReal(c.CL_SP, 2.25f);
  defaultReal(c.CLEAR, 2.563f);
  defaultReal(c.KLCOEF, 2.0f);
  // Under the load-factor method a blank OC is left at 0: each column then
  // takes the factor of its own section (0.70 tied, 0.75 round or spiral).
  if (d.METHOD == 'S') {
    defaultReal(c.OC, 0.35f);
  } else if (c.OC < 0.0f) {
    c.OC = 0.0f;
  }
  defaultReal(c.OF, d.METHOD == 'L' ? 0.9f : 0.35f);

  if (c.OC > 1.0f || c.OF > 1.0f || c.CM > 1.0f || c.BD1 > 1.0f || c.BD2 > 1.0f)
    return Step::Error;

  if (c.CM == 0.0f && d.NCOL == 1) c.CM = 1.0f;
  defaultReal(c.BD1, 1.0f);
  defaultReal(c.SOILWT, 0.12f);
  defaultReal(c.MINPLSP, 2.5f);
  defaultReal(c.MAXPLSP, 5.0f);
  defaultReal(c.EDGEDIST, 1.25f);
  defaultReal(c.PILEDEPTH, 0.75f);
  defaultReal(c.REBARCLR, 3.0f);

  echoColumnSteel(r.report(), c, c.IMPACT);

  // An impact of -100 percent or less has no meaning and would divide by zero.
  if (!r.numberIs(2) || c.RMODE > 2 || c.IMPACT <= -100.0f) return Step::Error;

  c.IMPACT = c.IMPACT / (c.IMPACT + 100.0f);
  r.problem().dd.NSPAN = d.NCAN == 0 ? d.NCOL : d.NCOL + d.NCAN - 1;
  return Step::Ok;
}

}  // namespace bentpier
