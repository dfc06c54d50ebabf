// Report lines of the column design stage.
#include "design/column/column_report.h"

namespace bentpier::column {
namespace {

constexpr int kLiveCaseWidth = 4;
// The wind code is 10 x wind case + direction, printed as case.direction.
constexpr float kWindCodeScale = 10.0f;

std::string fitted(const std::string& s, size_t width) {
  std::string out = s.substr(0, width);
  out.resize(width, ' ');
  return out;
}

// Title lines shared by the critical-loads and pile tables: T above the
// end letter, and the second letters of the flags E(S), C(F), S(F) above
// their columns; then the column titles, ending with `last`.
void printCaseTitles(Report& rep, std::string_view last) {
  rep << Line(kSkipLine).blanks(4).text("T").blanks(15).text("   E  C  S");
  rep << Line(kNextLine)
             .text("CN  B  ")
             .text("GR  LLC  WC  R  S  F  F    PF     MTF    ")
             .text(last);
}

// Number, end letter and the set's identification and factored loads PF,
// MTF, MLF: the opening of a critical-loads or pile line.
Line openCaseLine(int number, char end, const KeptSet& s) {
  Line line(kSkipLine);
  line.i(number, 2).blanks(2).ch(end).blanks(2).ch(s.GR).blanks(2);
  line.text(fitted(s.LLID, kLiveCaseWidth));
  line.f(static_cast<float>(s.WC) / kWindCodeScale, 4, 1);
  for (char flag : {s.FLAGR, s.FLAGE, s.FLAGC, s.FLAGS}) line.blanks(2).ch(flag);
  line.f(s.PF, 7, 1).f(s.MTF, 8, 1).f(s.MLF, 7, 1);
  return line;
}

}  // namespace

int printedBarSize(const FaceBars& face) {
  if (face.N == 0) return 0;
  if (face.SZ == 12) return 14;
  if (face.SZ == 13) return 18;
  return face.SZ;
}

void printColumnHeader(Report& rep) {
  rep << Line(kNewPage).text("+++++").blanks(35).text("COLUMN ANALYSIS AND DESIGN OUTPUT");
  rep << Line(kSkipLine).blanks(46).text("CRITICAL COLUMN LOADS");
  printCaseTitles(rep, std::string("MLF     PM      ") + "MTM     MLM     PU      MTU     MLU" +
                           "   PU/PM    B      D");
}

void printCriticalLoads(Report& rep, int column, int end, const KeptSet& set,
                        const ColumnEndResult& r, float B, float D) {
  Line line = openCaseLine(column, endLetter(end), set);
  line.f(r.PM, 8, 1).f(r.MTM, 8, 1).f(r.MLM, 8, 1);
  line.f(r.PU, 8, 1).f(r.MTU, 8, 1).f(r.MLU, 8, 1);
  line.f(r.PUPM, 7, 3).f(B, 7, 2).f(D, 7, 2);
  rep << line;
}

void printInputError(Report& rep, int column, int end) {
  rep << Line(kSkipLine)
             .text("ERROR IN INPUT FOR COLUMN")
             .i(column, 3)
             .blanks(1)
             .ch(endLetter(end));
}

void printUnstable(Report& rep, int column, int end, const ColumnEndResult& r, bool newPage) {
  rep << Line(newPage ? kNewPage : kSkipLine)
             .text("COLUMN")
             .i(column, 3)
             .blanks(1)
             .ch(endLetter(end))
             .text(" UNSTABLE OR NO DESIGN POSSIBLE");
  rep << Line(kSkipLine).text("LOADS  PM").blanks(8).text("MTM").blanks(8).text("MLM     GR.AOS");
  for (int i = 1; i <= r.NLOAD && i <= kMaxColumnLoads; ++i) {
    const LoadResult& l = r.LOAD[i];
    rep << Line(kNextLine).f(l.P, 11, 3).f(l.MX, 11, 3).f(l.MY, 11, 3).f(l.FACTOR, 8, 2);
  }
}

void printDesignDataHeader(Report& rep, bool newPage) {
  rep << Line(newPage ? kNewPage : kSkipLine).blanks(47).text("COLUMN DESIGN DATA");
  rep << Line(kSkipLine).blanks(4).text("T  B FACE 1  B FACE 2  D FACE 3  D FACE 4");
  rep << Line(kNextLine)
             .text("CN  B   NO.SIZE   NO.SIZE   NO.SIZE   NO.SIZE   AS")
             .blanks(5)
             .text("PS    BD12   BD     SUMPU     SUMPC   DEL.T")
             .blanks(5)
             .text("DEL.L      CM")
             .blanks(4)
             .text("R")
             .blanks(2)
             .text("PHIC");
}

void printDesignData(Report& rep, const DesignDataLine& d) {
  const ColumnEndResult& r = d.result;
  const KeptSet& s = d.set;
  Line line(kSkipLine);
  line.i(d.column, 2).blanks(2).ch(endLetter(d.end));
  for (int f = 1; f <= kMaxFaces; ++f) {
    const FaceBars& face = r.FACE[f];
    line.blanks(2).i(face.N, 3).text(" #").i(printedBarSize(face), 3);
  }
  line.f(r.AS, 7, 2).f(r.PS, 7, 3);
  line.f(s.BD12, 6, 2).f(s.BD, 7, 3).f(s.SUMPU, 9, 0).f(s.SUMPC, 10, 0);
  line.f(s.DEL_T, 7, 3).f(s.DEL_L, 10, 3).f(s.CM, 10, 3);
  line.i(d.pattern, 3).f(r.PHIC, 6, 2);
  rep << line;
  if (r.EXACT > 0.0f)
    rep << Line(kNextLine).blanks(8).text("NOTE: EXACT BIAXIAL CAPACITY RATIO ").f(r.EXACT, 5, 3);
}

std::string pileTypeName(int pileCode) {
  if (pileCode >= 1 && pileCode <= 4) return "TYPE " + std::to_string(pileCode) + " ";
  return "SPECIAL";
}

void printPileHeader(Report& rep, const std::string& typeName) {
  rep << Line(kNewPage).text("+++++").blanks(33).text(fitted(typeName, 7)).text("  PILES");
  rep << Line(kSkipLine).blanks(36).text("CRITICAL PILE LOADS");
  rep << Line(kNextLine).blanks(36).text("    MAX. P-LOAD    ");
  printCaseTitles(rep, "MLF     VLF     PA");
}

void printLateralPileHeader(Report& rep) {
  rep << Line(kSkipLine).blanks(36).text("    MAX. VL-LOAD    ");
  printCaseTitles(rep, "MLF     VLF     VLA");
}

void printPileLine(Report& rep, int pile, const KeptSet& set, float allowable) {
  rep << openCaseLine(pile, 'T', set).f(set.VLF, 7, 1).f(allowable, 8, 1);
}

}  // namespace bentpier::column
