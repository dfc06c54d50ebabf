// The "MEMBER PROPERTIES" table (columns and joint factors) and the
// "CAP PROPERTIES" table (spans).
#include <string>
#include <string_view>

#include "frame/member_properties.h"

namespace bentpier {
namespace {

constexpr int kPrintWidth = 132;
constexpr int kColumnsPerCapPage = 7;  // more columns start the cap table on a new page

Line centred(char control, std::string_view title) {
  return Line(control).blanks((kPrintWidth - static_cast<int>(title.size())) / 2).text(title);
}

}  // namespace

void printMemberProperties(const Problem& problem, Report& report) {
  report << Line(kSkipLine);
  report << centred(kNextLine, "MEMBER PROPERTIES");
  report << centred(kSkipLine, "COLUMN PROPERTIES");
  report << Line(kNextLine)
                .blanks(9).text("KT").blanks(4).text("COTB").blanks(3).text("COTBM")
                .blanks(3).text("TLR").blanks(4).text("TRC").blanks(4).text("TLC")
                .blanks(4).text("DFC").blanks(8).text("KL").blanks(8).text("FKBR")
                .blanks(7).text("PCBR").blanks(7).text("PCL").blanks(7).text("UFMT")
                .blanks(6).text("EITTB").blanks(3).text("PSIT").blanks(2).text("RGTB");
  report << Line(kNextLine)
                .text("CN").blanks(7).text("KTM").blanks(3).text("COBT").blanks(3).text("COBTM")
                .blanks(3).text("TRL").blanks(4).text("TCR").blanks(4).text("TCL")
                .blanks(4).text("DFL").blanks(8).text("PDF").blanks(7).text("FKUBR")
                .blanks(6).text("PCUBR").blanks(6).text("FLU").blanks(7).text("UFMB")
                .blanks(6).text("EILTB").blanks(3).text("PSIB").blanks(2).text("RGL");
  for (int c = 1; c <= problem.dd.NCOL; ++c) {
    const ColumnProperties& cp = problem.colp[c];
    report << Line(kSkipLine)
                  .i(c, 2).f(cp.KT, 11, 1)
                  .f(cp.COTB, 7, 4).f(cp.COTBM, 7, 4).f(cp.TLR, 7, 4).f(cp.TRC, 7, 4)
                  .f(cp.TLC, 7, 4).f(cp.DFC, 7, 4)
                  .f(cp.KL, 11, 6).f(cp.FKBR, 11, 1).f(cp.PCBR, 11, 1).f(cp.PCL, 11, 1)
                  .f(cp.UFMT, 11, 1).f(cp.EITTB, 10, 1).f(cp.PSIT, 6, 1).f(cp.RGTB, 6, 1);
    report << Line(kSkipLine)
                  .blanks(2).f(cp.KTM, 11, 1)
                  .f(cp.COBT, 7, 4).f(cp.COBTM, 7, 4).f(cp.TRL, 7, 4).f(cp.TCR, 7, 4)
                  .f(cp.TCL, 7, 4).f(cp.DFL, 7, 4)
                  .f(cp.PDF, 11, 4).f(cp.FKUBR, 11, 1).f(cp.PCUBR, 11, 1).f(cp.FLU, 11, 1)
                  .f(cp.UFMB, 11, 1).f(cp.EILTB, 10, 1).f(cp.PSIB, 6, 1).f(cp.RGL, 6, 1);
  }
}

void printCapProperties(const Problem& problem, Report& report) {
  const int NCOL = problem.dd.NCOL;
  report << centred(NCOL > kColumnsPerCapPage ? kNewPage : kSkipLine, "CAP PROPERTIES");
  Line left(kNextLine), right(kNextLine);
  left.blanks(9).text("CO").blanks(8).text("KML").blanks(4).text("COMLR").blanks(5).text("FMWT ");
  right.text("CN").blanks(7).text("K").blanks(9).text("KMR").blanks(4).text("COMRL").blanks(5)
      .text("UFEM ");
  for (int i = 1; i <= kMaxBearings; ++i) {
    left.blanks(6).text("FMLP").i(i, 1);
    right.blanks(6).text("FMRP").i(i, 1);
  }
  report << left << right;
  for (int k = 2; k <= NCOL; ++k) {
    const CapSegment& seg = problem.cap[k];
    const CapProperties& sp = problem.capp[k];
    Line first(kSkipLine), second(kSkipLine);
    first.i(k, 2).f(sp.CO, 11, 4).f(sp.KML, 11, 1).f(sp.COMLR, 7, 4).f(sp.FMWT, 11, 4);
    second.blanks(2).f(sp.K, 11, 1).f(sp.KMR, 11, 1).f(sp.COMRL, 7, 4).f(sp.UFEM, 11, 1);
    for (int i = 1; i <= seg.NB; ++i) {
      first.f(sp.FMLP[i], 11, 4);
      second.f(sp.FMRP[i], 11, 4);
    }
    report << first << second;
  }
}

}  // namespace bentpier
