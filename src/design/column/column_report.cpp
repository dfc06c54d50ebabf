// Report lines of the column design stage.
#include "design/column/column_report.h"

#include <algorithm>
#include <span>

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
Line openCaseLine(int number, char end, const CombinationId& s, float PF, float MTF,
                  float MLF) {
  Line line(kSkipLine);
  line.i(number, 2).blanks(2).ch(end).blanks(2).ch(s.GR).blanks(2);
  line.text(fitted(s.LLID, kLiveCaseWidth));
  line.f(static_cast<float>(s.WC) / kWindCodeScale, 4, 1);
  for (char flag : {s.FLAGR, s.FLAGE, s.FLAGC, s.FLAGS}) line.blanks(2).ch(flag);
  line.f(PF, 7, 1).f(MTF, 8, 1).f(MLF, 7, 1);
  return line;
}

CombinationId idOf(const KeptSet& s) {
  return CombinationId{s.GR, s.LLID, s.WC, s.FLAGR, s.FLAGE, s.FLAGC, s.FLAGS};
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

ColumnEndOutcome keptColumnEnd(int column, int end, const ColumnEndData& data,
                               const ColumnEndResult& r, const KeptSet* governing) {
  ColumnEndOutcome k;
  k.column = column;
  k.end = endLetter(end);
  k.status = r.status == kColumnDone         ? ColumnEndOutcome::Status::kDesigned
             : r.status == kColumnInputError ? ColumnEndOutcome::Status::kInputError
                                             : ColumnEndOutcome::Status::kUnstable;
  k.option = data.OPTION;
  k.type = data.TYPE;
  // A round section is as wide as its diameter.
  k.B = data.TYPE == 'R' ? data.D : data.B;
  k.D = data.D;
  for (int f = 1; f <= kMaxFaces; ++f) {
    const FaceBars& face = r.FACE[f];
    k.face_bars[f - 1] = face.N;
    k.face_sizes[f - 1] = printedBarSize(face);
  }
  k.AS = r.AS;
  k.PS = r.PS;
  k.PHIC = r.PHIC;
  k.pattern = data.IPAT;
  k.governing_load = r.GOVERN;
  k.PM = r.PM;
  k.MTM = r.MTM;
  k.MLM = r.MLM;
  k.PU = r.PU;
  k.MTU = r.MTU;
  k.MLU = r.MLU;
  k.PUPM = r.PUPM;
  k.exact_ratio = r.EXACT;
  k.PHIB = r.PHIB;
  for (size_t dir = 1; dir <= 2; ++dir) {
    const ColumnEndResult::Curve& c = r.INTERACTION[dir];
    InteractionCurveResult& kept = k.interaction[dir - 1];
    auto point = [](const DepthStrength& p) { return StrengthPoint{p.C, p.P, p.M}; };
    kept.kept = !c.SAMPLES.empty();
    kept.max_compression = point(c.POINT[1]);
    kept.balanced = point(c.POINT[2]);
    kept.pure_bending = point(c.POINT[3]);
    for (const DepthStrength& p : c.SAMPLES) kept.curve.push_back(point(p));
  }
  k.VOID = r.VOID;
  k.bars = r.BARS;
  k.P0 = r.P0;
  k.bending = r.BENDING;
  k.curves = r.CURVES;
  k.contour_P = r.CONTOUR_P;
  k.contour = r.CONTOUR;
  if (governing != nullptr) {
    const KeptSet& s = *governing;
    k.governing_set = idOf(s);
    k.PF = s.PF;
    k.MTF = s.MTF;
    k.MLF = s.MLF;
    k.BD12 = s.BD12;
    k.BD = s.BD;
    k.SUMPU = s.SUMPU;
    k.SUMPC = s.SUMPC;
    k.DEL_T = s.DEL_T;
    k.DEL_L = s.DEL_L;
    k.CM = s.CM;
  }
  for (int i = 1; i <= r.NLOAD && i <= kMaxTableLoads; ++i) {
    const LoadResult& l = r.LOAD[i];
    k.loads.push_back(ColumnLoadCheck{l.P, l.MX, l.MY, l.FACTOR, l.PU, l.MXU, l.MYU, l.RATIO});
  }
  return k;
}

void printCriticalLoads(Report& rep, const ColumnEndOutcome& r) {
  Line line = openCaseLine(r.column, r.end, r.governing_set, r.PF, r.MTF, r.MLF);
  line.f(r.PM, 8, 1).f(r.MTM, 8, 1).f(r.MLM, 8, 1);
  line.f(r.PU, 8, 1).f(r.MTU, 8, 1).f(r.MLU, 8, 1);
  line.f(r.PUPM, 7, 3).f(r.B, 7, 2).f(r.D, 7, 2);
  rep << line;
}

void printCriticalLoads(Report& rep, int column, int end, const KeptSet& set,
                        const ColumnEndResult& r, float B, float D) {
  ColumnEndData data;
  data.TYPE = 'T';
  data.B = B;
  data.D = D;
  printCriticalLoads(rep, keptColumnEnd(column, end, data, r, &set));
}

void printInputError(Report& rep, int column, int end) {
  rep << Line(kSkipLine)
             .text("ERROR IN INPUT FOR COLUMN")
             .i(column, 3)
             .blanks(1)
             .ch(endLetter(end));
}

void printUnstable(Report& rep, const ColumnEndOutcome& r, bool newPage) {
  rep << Line(newPage ? kNewPage : kSkipLine)
             .text("COLUMN")
             .i(r.column, 3)
             .blanks(1)
             .ch(r.end)
             .text(" UNSTABLE OR NO DESIGN POSSIBLE");
  rep << Line(kSkipLine).text("LOADS  PM").blanks(8).text("MTM").blanks(8).text("MLM     GR.AOS");
  // The listing holds the ranked loads; a formed load the design added
  // beyond them is in the kept results only.
  const size_t listed = std::min(r.loads.size(), static_cast<size_t>(kMaxColumnLoads));
  for (const ColumnLoadCheck& l : std::span(r.loads).first(listed))
    rep << Line(kNextLine).f(l.P, 11, 3).f(l.MX, 11, 3).f(l.MY, 11, 3).f(l.FACTOR, 8, 2);
}

void printUnstable(Report& rep, int column, int end, const ColumnEndResult& r, bool newPage) {
  printUnstable(rep, keptColumnEnd(column, end, ColumnEndData{}, r, nullptr), newPage);
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

void printDesignData(Report& rep, const ColumnEndOutcome& r) {
  Line line(kSkipLine);
  line.i(r.column, 2).blanks(2).ch(r.end);
  for (size_t f = 0; f < r.face_bars.size(); ++f)
    line.blanks(2).i(r.face_bars[f], 3).text(" #").i(r.face_sizes[f], 3);
  line.f(r.AS, 7, 2).f(r.PS, 7, 3);
  line.f(r.BD12, 6, 2).f(r.BD, 7, 3).f(r.SUMPU, 9, 0).f(r.SUMPC, 10, 0);
  line.f(r.DEL_T, 7, 3).f(r.DEL_L, 10, 3).f(r.CM, 10, 3);
  line.i(r.pattern, 3).f(r.PHIC, 6, 2);
  rep << line;
  if (r.exact_ratio > 0.0f)
    rep << Line(kNextLine).blanks(8).text("NOTE: EXACT BIAXIAL CAPACITY RATIO ")
               .f(r.exact_ratio, 5, 3);
}

void printDesignData(Report& rep, const DesignDataLine& d) {
  ColumnEndData data;
  data.IPAT = d.pattern;
  printDesignData(rep, keptColumnEnd(d.column, d.end, data, d.result, &d.set));
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

PileLine keptPileLine(int pile, const KeptSet& set, float allowable) {
  return PileLine{pile, idOf(set), set.PF, set.MTF, set.MLF, set.VLF, allowable};
}

void printPileLine(Report& rep, const PileLine& l) {
  rep << openCaseLine(l.pile, 'T', l.set, l.PF, l.MTF, l.MLF).f(l.VLF, 7, 1).f(l.allowable, 8, 1);
}

}  // namespace bentpier::column
